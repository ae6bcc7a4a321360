// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The module's count of live objects: DllCanUnloadNow and the DPMCtrlLiveObjects test hook read it.
#include <atomic>

std::atomic<long>* ModuleObjectCounter();
