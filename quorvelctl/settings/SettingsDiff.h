// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings two snapshots hold differently, in the first one's order, then those only the second
// has. The identity (MAC address, firmware) is where a file came from, not a setting: it never differs.
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

#include "quorvelctl/settings/SettingsSnapshot.h"

struct SettingDifference {
  std::string key;
  const SettingEntry* a;  // null when only the other side has the setting
  const SettingEntry* b;
};

class CSettingsDiff {
 public:
  static std::vector<SettingDifference> Compare(const CSettingsSnapshot& a, const CSettingsSnapshot& b);
  // "RecordingMode: dpmStandardPlay (0) | dpmQualityPlay (6)"
  static std::string Line(const SettingDifference& difference);
  // {"setting": key, "a": value or null, "b": value or null}, with the given names for a and b.
  static nlohmann::json Json(const SettingDifference& difference, const char* aName, const char* bName);
};
