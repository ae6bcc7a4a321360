// SPDX-License-Identifier: GPL-3.0-or-later
#include "smartbuttons/SmartButtonSetup.h"

SmartButtonSetup g_smartButtonSetup{};
