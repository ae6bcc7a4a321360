// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One property of the settings interface: its name, how its instances are numbered, its kind and
// code names, and how to read and write it through the interface.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "device/IDPMDeviceSettings.h"
#include "quorvelctl/settings/SettingValue.h"

// How the instances of a property are numbered; the index arguments the interface takes.
enum class SettingGroup {
  Scalar,           // Name
  Identity,         // Name, read-only and not a setting of its own (the recorder it came from)
  Keyword,          // Name[keyword], keywords from 0
  KeywordRow,       // Name[keyword][row], rows from 0
  DisplayArea,      // Name[area], areas 1 to 4
  SmartButton,      // Name[button][state]
  Profile,          // RecordingProfile[profile].Name
  ProfilePosition,  // RecordingProfile[profile].Name[position]
};

using SettingIndex = std::vector<LONG>;

struct SettingDescriptor {
  std::string_view name;
  SettingGroup group;
  ValueKind kind;
  ValueNames names;
  std::function<HRESULT(IDPMDeviceSettings*, const SettingIndex&, CSettingValue*)> get;
  // Empty for a read-only property.
  std::function<HRESULT(IDPMDeviceSettings*, const SettingIndex&, const CSettingValue&)> put;
};

// How many index arguments the group's properties take.
size_t IndexCount(SettingGroup group);
// The property's instance as the command line names it: KeywordUsageString[2], RecordingProfile[1].AudioQuality.
std::string FormatSettingKey(const SettingDescriptor& setting, const SettingIndex& index);
