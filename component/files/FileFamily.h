// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A dictation and the files that travel with it: its companion, and the instruction file the
// companion names (with that file's companion). Copy, Move and Delete work on the whole family.
#include <string>
#include <vector>

#include "platform/automation/Types.h"

struct FamilyMember {
  std::string source;
  std::string target;  // empty for Delete
};

// The family of the file at `source`, the file itself first, each member's target beside `target`
// (the file's own target; empty for none). Members that do not exist are left out. Fails with
// dpmCtrlFileNotFound (dpmCtrlPathNotFound for a missing folder) when the file is not there,
// dpmCtrlAccessDenied when it is not a regular file or the target folder is read-only, and
// dpmCtrlFileExists when a target exists.
HRESULT FamilyOf(const std::string& source, const std::string& target, std::vector<FamilyMember>* family);
// The source must be an existing regular file: the codes above.
HRESULT CheckSourceFile(const std::string& source);
// What Move and Delete take away must be in a folder that may be written (CheckWritableFolder);
// Delete also refuses a read-only file with dpmCtrlFileReadOnly, as a recorder's drive does.
HRESULT CheckRemovable(const std::string& source, bool deleting);
