// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/ComObject.h"

namespace {
std::atomic<long> g_liveObjects{0};
}

long ComObjectLiveCount() { return g_liveObjects.load(); }
void ComObjectCountBirth() { g_liveObjects.fetch_add(1); }
void ComObjectCountDeath() { g_liveObjects.fetch_sub(1); }
