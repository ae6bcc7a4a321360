// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files of the registry folder: read whole, written atomically (a reader sees the old or the new file,
// never a part).
#include <sys/stat.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// False when the folder cannot be made or the file cannot be written; the old file is then untouched.
// Missing folders are made writable by their owner alone, whatever the umask.
bool WriteRegistryFile(const std::string& path, std::string_view content);
// Nothing when the file is missing, unreadable, not a regular file or larger than `limit`. `info`, when
// given, receives what fstat says of the file read.
std::optional<std::string> ReadRegistryFile(const std::string& path, std::size_t limit,
                                            struct stat* info = nullptr);
// 0: removed; 1: there was no such file; -1: it could not be removed.
int RemoveRegistryFile(const std::string& path);
