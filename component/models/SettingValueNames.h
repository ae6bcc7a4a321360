// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which of the contract's value-name tables names the codes of a setting, for people reading a
// recorder's settings.
#include "component/models/SettingInfo.h"

// Every named code of a scalar setting, in code order; empty for settings without named codes
// (counters, flags, texts).
inline ValueNames NamedValuesOf(Setting s) { return InfoOf(s).names(); }
