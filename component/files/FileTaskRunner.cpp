// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/FileTaskRunner.h"

#include "component/files/ConvertTask.h"
#include "component/files/FileTransfer.h"
#include "component/files/SeparationTask.h"

HRESULT RunFileTask(const FileTask& task, TaskProgress& progress) {
  switch (task.kind) {
    case FileTask::Kind::Copy: return RunCopy(task, progress);
    case FileTask::Kind::Move: return RunMove(task, progress);
    case FileTask::Kind::Delete: return RunDelete(task, progress);
    case FileTask::Kind::Convert: return RunConvert(task, progress);
    case FileTask::Kind::Separate: return RunSeparate(task, progress);
  }
  return E_INVALIDARG;
}
