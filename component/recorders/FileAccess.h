// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file reads with a size cap and atomic whole-file writes (temporary file, sync, rename, sync of
// the folder): a failure or a crash at any step leaves the old file whole. Failures come back as the
// component's codes:
//   dpmCtrlFileNotFound    no such file (its folder exists)
//   dpmCtrlPathNotFound    a folder of the path does not exist, or the path is empty
//   dpmCtrlAccessDenied    the system refused access, the path names a folder, or the target
//                          folder has no write permission for anyone (refused even when root could
//                          write there, as a read-only target file is)
//   dpmCtrlFileReadOnly    the target file is marked read-only, or the file system is read-only
//   dpmCtrlOutOfDiskSpace  the disk or quota is full
//   dpmCtrlInvalidFile     not a regular file (a pipe, a device, a socket, a kernel file of /proc or
//                          /sys), larger than the cap, a symbolic link (or a file in a linked folder)
//                          where links are refused, or a loop of links
//   E_FAIL                 any other system failure
//
// Reads never block: a pipe or device is refused before its first byte is read. Writes keep the mode
// of the file they replace; a new file gets 0666 less the process's umask, as any other program's.
#include <string>
#include <string_view>
#include <cstdint>
#include <sys/stat.h>
#include <sys/types.h>

#include "component/recorders/Descriptor.h"

#include "platform/automation/Types.h"

// Whether the last part of a path may be a symbolic link: the files inside a recorder folder are the
// component's own and never are, so a link there is refused; a path a user gives may be one.
enum class FileLinks { Follow, Refuse };

HRESULT ReadWholeFile(const std::string& path, size_t maxBytes, std::string* content,
                      FileLinks links = FileLinks::Follow);
// The checks of ReadWholeFile, leaving the file open for reads in parts; `status` (may be null) gets
// what fstat says of the opened file.
HRESULT OpenReadableFile(const std::string& path, size_t maxBytes, Descriptor* opened, struct stat* status,
                         FileLinks links = FileLinks::Follow);
// Up to `count` bytes from `offset` (fewer at the end of the file).
HRESULT ReadAt(int fd, std::uint64_t offset, size_t count, std::string* content);
// A new file gets `newMode` less the umask; a replaced one keeps its mode. Where links are refused,
// neither the file nor its folder may be one.
HRESULT WriteFileAtomically(const std::string& path, std::string_view content, FileLinks links = FileLinks::Follow,
                            mode_t newMode = 0666);
// The component code for a system errno (the table above).
HRESULT ResultFromErrno(int error);
// The steps of an atomic write, for writers that stream: a new file named `prefix` and six random
// letters, opened to write with `mode` less the umask and never through a link, and locked (flock) for
// as long as it is open, so a tidy-up can tell an abandoned one (the descriptor, or -1 and errno);
// all of `content` to a descriptor; and the sync of a folder after a rename in it.
int CreateUniqueFile(const std::string& prefix, mode_t mode, std::string* path);
HRESULT WriteAll(int fd, std::string_view content);
void SyncFolder(const std::string& folder);
// Removes a temporary file of `folder` only when no writer has it open (its lock is free); a link or
// anything but a regular file is removed as the name it is, never followed.
void RemoveAbandonedTemporary(const std::string& folder, const std::string& name);
// The same for every temporary of `folder` named `prefix` and six letters, as CreateUniqueFile names
// them: what a writer killed before its rename left.
void RemoveAbandonedTemporaries(const std::string& folder, const std::string& prefix);
// What a failure code of the file layer means, for people: "the disk is full (dpmCtrlOutOfDiskSpace)".
std::string DescribeFileResult(HRESULT result);
