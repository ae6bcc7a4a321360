// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One NAME=VALUE of the set command, checked against the catalogue before anything is written.
#include <string>
#include <string_view>

#include "device/IDPMDeviceSettings.h"
#include "quorvelctl/settings/SettingDescriptor.h"

class CSettingAssignment {
 public:
  // False with *error set for an unknown name, a wrong index form, a read-only setting, or a value
  // that is not of the setting's kind.
  static bool Parse(std::string_view text, CSettingAssignment* out, std::string* error);

  HRESULT Put(IDPMDeviceSettings* settings) const { return m_setting->put(settings, m_index, m_value); }
  const std::string& Key() const { return m_key; }
  const CSettingValue& Value() const { return m_value; }
  // KEY=value as shown: RecordingMode=dpmQualityPlay (6)
  std::string Text() const { return m_key + "=" + m_value.Display(); }

 private:
  const SettingDescriptor* m_setting = nullptr;
  SettingIndex m_index;
  std::string m_key;
  CSettingValue m_value;
};
