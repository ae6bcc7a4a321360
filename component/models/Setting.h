// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scalar settings of a recorder, one bit each, so a model can list the ones it has. The keyword
// table and the DPM4 record are described separately (RecorderModel).
#include <cstdint>

#include "device/SettingSchema.h"

// One per row of the settings schema, in its order.
using Setting = DpmSetting;

using SettingSet = std::uint64_t;

constexpr SettingSet Bit(Setting s) { return SettingSet{1} << static_cast<unsigned>(s); }

template <class... S>
constexpr SettingSet Settings(S... s) {
  return (Bit(s) | ...);
}

constexpr bool Has(SettingSet set, Setting s) { return (set & Bit(s)) != 0; }
