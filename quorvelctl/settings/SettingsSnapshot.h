// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every value of one settings object, read once through the interface, keyed by the command-line
// name of each instance. The snapshot of a recorder and of a settings file compare key by key.
#include <string>
#include <vector>

#include "quorvelctl/settings/SettingDescriptor.h"

struct SettingEntry {
  std::string key;
  const SettingDescriptor* setting;
  CSettingValue value;
};

class CSettingsSnapshot {
 public:
  // Reads all of it, or fails with the first failing read's code (named in *failedKey).
  static HRESULT Read(IDPMDeviceSettings* settings, CSettingsSnapshot* out, std::string* failedKey);

  const std::vector<SettingEntry>& Entries() const { return m_entries; }
  const SettingEntry* Find(const std::string& key) const;

 private:
  HRESULT ReadSetting(IDPMDeviceSettings* settings, const SettingDescriptor& setting, std::string* failedKey);
  HRESULT ReadInstance(IDPMDeviceSettings* settings, const SettingDescriptor& setting, const SettingIndex& index,
                       std::string* failedKey);

  std::vector<SettingEntry> m_entries;
  LONG m_keywords = 0;
  LONG m_rows = 0;
  bool m_dpm4 = false;
};
