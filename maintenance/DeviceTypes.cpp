// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/DeviceTypes.h"

#include <array>

namespace {

// Indexed by the id; the gaps are ids the component never reported a model for.
constexpr std::array<const char*, 29> kModelNames{
    "DPM_9350_00", "DPM_9350_52", "DPM_9400_00", "DPM_9400_52", "DTS_9750",    "DPM_9250",
    "DPM_9220",    "DPM_9450_00", "DPM_9450_52", nullptr,       nullptr,       "DPM_9850_00",
    "DPM_9850_52", "D_6510_00",   "D_5610_52",   nullptr,       nullptr,       nullptr,
    nullptr,       "DPM3_9620",   "DPM3_9600",   nullptr,       nullptr,       nullptr,
    nullptr,       nullptr,       "DPM4_8000",   "DPM4_8200",   "DPM4_8500",
};

}  // namespace

std::string DeviceTypeName(LONG id) {
  // Unsigned, so a negative id falls outside the table like a too large one.
  const auto index = static_cast<ULONG>(id);
  if (index < kModelNames.size() && kModelNames[index]) return kModelNames[index];
  return "Unknown ???";
}

bool IsDpm4Recorder(LONG id) { return id >= kFirstDpm4DeviceType; }
