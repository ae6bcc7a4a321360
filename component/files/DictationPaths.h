// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paths of dictation files as the program passes them. Both '/' and '\' separate folders (the
// program joins folder and name with '\'), so a name containing a backslash cannot be named; there
// are no drive letters. Dictation files are those named *.dss or *.ds2, in any case.
#include <string>
#include <string_view>

#include "platform/automation/Types.h"

// The path of a program's text: UTF-8, every '\' turned into '/', a trailing separator dropped
// (but "/" stays "/").
std::string PathFromText(std::u16string_view text);
// A plain file name (no folder part) with the extension .dss or .ds2.
bool IsDictationFileName(std::string_view name);
// The folder part of a path ("." when it has none) and its last part.
std::string FolderOfPath(const std::string& path);
std::string NameOfPath(const std::string& path);
// The name without its extension.
std::string StemOf(std::string_view name);
// The file a task writes: inside `destination` when that is a folder (named `name`), else
// `destination` itself.
std::string TargetPath(const std::string& destination, const std::string& name);
bool IsFolder(const std::string& path);
// Whether anything (a file, a folder, a dangling link) has this path.
bool PathExists(const std::string& path);
