// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/settings/SettingDescriptor.h"

size_t IndexCount(SettingGroup group) {
  switch (group) {
    case SettingGroup::Scalar:
    case SettingGroup::Identity:
      return 0;
    case SettingGroup::Keyword:
    case SettingGroup::DisplayArea:
    case SettingGroup::Profile:
      return 1;
    case SettingGroup::KeywordRow:
    case SettingGroup::SmartButton:
    case SettingGroup::ProfilePosition:
      return 2;
  }
  return 0;
}

std::string FormatSettingKey(const SettingDescriptor& setting, const SettingIndex& index) {
  std::string key;
  size_t first = 0;
  if (setting.group == SettingGroup::Profile || setting.group == SettingGroup::ProfilePosition) {
    key = "RecordingProfile[" + std::to_string(index.at(0)) + "].";
    first = 1;
  }
  key += setting.name;
  for (size_t i = first; i < index.size(); ++i) key += "[" + std::to_string(index[i]) + "]";
  return key;
}
