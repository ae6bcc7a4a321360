// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paths the main window builds from its fields, with this platform's separator.
#include <string>

inline constexpr char kPathSeparator = '/';

// folder + separator + name; an empty folder gives the name alone, and a folder that already ends in
// the separator gets no second one.
std::string JoinPath(const std::string& folder, const std::string& name);
// The part before the last separator; false (and `folder` untouched) when there is none.
bool FolderOf(const std::string& path, std::string& folder);
