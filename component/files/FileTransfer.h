// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copy, Move and Delete of a dictation with its family (FileFamily.h). Each checks again what was
// checked when the task was queued, since files may have changed meanwhile. A copy is written under
// temporary names and put in place only when every file is whole; a failure or a cancel removes
// what was made and leaves the sources untouched.
#include "component/files/FileTask.h"

HRESULT RunCopy(const FileTask& task, TaskProgress& progress);
// A rename within one file system; across file systems a copy, then the sources are deleted.
HRESULT RunMove(const FileTask& task, TaskProgress& progress);
HRESULT RunDelete(const FileTask& task, TaskProgress& progress);
// The target path of a Copy or Move (inside the destination folder, or the destination itself).
std::string TransferTarget(const FileTask& task);
// What can be known before the task runs: FileFamily.h's codes, and for Move and Delete those of
// CheckRemovable.
HRESULT CheckTransfer(const FileTask& task);
