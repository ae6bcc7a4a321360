// SPDX-License-Identifier: GPL-3.0-or-later
// Hooks only the tests' build of the module exports (DPMCtrlTesting): the module's live objects, the
// file-step fault seam and the file-task hold. The installed module has none of them.
#include "component/files/FileTaskQueue.h"
#include "component/module/ModuleObjects.h"
#include "component/recorders/FaultInjection.h"

#define DPMCTRL_TEST_HOOK extern "C" __attribute__((visibility("default")))

DPMCTRL_TEST_HOOK long DPMCtrlLiveObjects() { return ModuleObjectCounter()->load(); }

DPMCTRL_TEST_HOOK void DPMCtrlInjectFault(const char* step, int error, int skip) {
  if (step) InjectFault(step, error, skip);
}

DPMCTRL_TEST_HOOK void DPMCtrlClearFaults() { ClearFaults(); }

// Holds running file tasks once they report `percent` (0 lets them go); see FileTaskQueue::HoldAt.
DPMCTRL_TEST_HOOK void DPMCtrlHoldTasks(int percent) { FileTaskQueue::HoldAt(percent); }
