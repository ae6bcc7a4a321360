// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a file of the class registry can be trusted to hold what its owner put there, by the rule of
// the dynamic loader's secure mode: no user but root and this process's own may have changed it or can
// replace it. So the file and the folder holding it must be owned by root or this user, and neither
// may be writable by group or others (a sticky folder, such as /tmp, still keeps others' hands off).
#include <sys/stat.h>

#include <string>

// The file itself, as fstat or stat saw it.
bool IsTrustedFile(const struct stat& file);
// The folder that holds `path`.
bool IsTrustedFolderOf(const std::string& path);
