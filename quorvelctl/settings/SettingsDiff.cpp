// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/settings/SettingsDiff.h"

#include <nlohmann/json.hpp>

namespace {

bool IsIdentity(const SettingEntry& entry) { return entry.setting->group == SettingGroup::Identity; }

// A model with fewer value rows than the other only lacks rows; an empty row there is no difference.
bool Counts(const SettingEntry& oneSided) {
  return !IsIdentity(oneSided) &&
         !(oneSided.setting->group == SettingGroup::KeywordRow && oneSided.value.AsText().empty());
}

std::string Shown(const SettingEntry* entry) { return entry ? entry->value.Display() : "(none)"; }

nlohmann::json Value(const SettingEntry* entry) { return entry ? entry->value.ToJson() : nlohmann::json(nullptr); }

}  // namespace

std::vector<SettingDifference> CSettingsDiff::Compare(const CSettingsSnapshot& a, const CSettingsSnapshot& b) {
  std::vector<SettingDifference> differences;
  for (const SettingEntry& entry : a.Entries()) {
    if (IsIdentity(entry)) continue;
    const SettingEntry* other = b.Find(entry.key);
    if (other ? !(other->value == entry.value) : Counts(entry)) differences.push_back({entry.key, &entry, other});
  }
  for (const SettingEntry& entry : b.Entries()) {
    if (Counts(entry) && !a.Find(entry.key)) differences.push_back({entry.key, nullptr, &entry});
  }
  return differences;
}

std::string CSettingsDiff::Line(const SettingDifference& difference) {
  return difference.key + ": " + Shown(difference.a) + " | " + Shown(difference.b);
}

nlohmann::json CSettingsDiff::Json(const SettingDifference& difference, const char* aName, const char* bName) {
  return {{"setting", difference.key}, {aName, Value(difference.a)}, {bName, Value(difference.b)}};
}
