// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/settings/SettingsSnapshot.h"

#include "device/DpmResults.h"
#include "device/DpmValues.h"
#include "device/IDPMRecordingProfile.h"
#include "platform/automation/ComPtr.h"
#include "quorvelctl/settings/SettingCatalog.h"

HRESULT CSettingsSnapshot::Read(IDPMDeviceSettings* settings, CSettingsSnapshot* out, std::string* failedKey) {
  if (!settings) return E_POINTER;
  CSettingsSnapshot snapshot;
  HRESULT hr = settings->get_KeywordUsageCount(&snapshot.m_keywords);
  if (SUCCEEDED(hr)) hr = settings->get_KeywordContentCount(&snapshot.m_rows);
  if (FAILED(hr)) {
    *failedKey = "KeywordUsageCount";
    return hr;
  }
  // Older models have no recording profiles; their smart buttons and display areas are not theirs either.
  ComPtr<IDPMRecordingProfile> profile;
  hr = settings->get_RecordingProfile(0, profile.ReleaseAndGetAddressOf());
  snapshot.m_dpm4 = SUCCEEDED(hr);
  if (FAILED(hr) && hr != dpmCtrlNotSupported) {
    *failedKey = "RecordingProfile[0]";
    return hr;
  }
  for (const SettingDescriptor& setting : CSettingCatalog::All()) {
    if (HRESULT read = snapshot.ReadSetting(settings, setting, failedKey); FAILED(read)) return read;
  }
  *out = std::move(snapshot);
  return S_OK;
}

const SettingEntry* CSettingsSnapshot::Find(const std::string& key) const {
  for (const SettingEntry& entry : m_entries) {
    if (entry.key == key) return &entry;
  }
  return nullptr;
}

HRESULT CSettingsSnapshot::ReadSetting(IDPMDeviceSettings* settings, const SettingDescriptor& setting,
                                       std::string* failedKey) {
  auto each = [&](LONG count, LONG from, auto&& inner) -> HRESULT {
    for (LONG i = from; i < from + count; ++i) {
      if (HRESULT hr = inner(i); FAILED(hr)) return hr;
    }
    return S_OK;
  };
  auto one = [&](SettingIndex index) { return ReadInstance(settings, setting, index, failedKey); };
  switch (setting.group) {
    case SettingGroup::Scalar:
    case SettingGroup::Identity:
      return one({});
    case SettingGroup::Keyword:
      return each(m_keywords, 0, [&](LONG k) { return one({k}); });
    case SettingGroup::KeywordRow:
      return each(m_keywords, 0, [&](LONG k) { return each(m_rows, 0, [&](LONG r) { return one({k, r}); }); });
    case SettingGroup::DisplayArea:
      return m_dpm4 ? each(kDpmDisplayAreas, 1, [&](LONG a) { return one({a}); }) : S_OK;
    case SettingGroup::SmartButton:
      if (!m_dpm4) return S_OK;
      return each(kDpmSmartButtons, 0,
                  [&](LONG b) { return each(kDpmRecorderStates, 0, [&](LONG s) { return one({b, s}); }); });
    case SettingGroup::Profile:
      return m_dpm4 ? each(kDpmRecordingProfiles, 0, [&](LONG p) { return one({p}); }) : S_OK;
    case SettingGroup::ProfilePosition:
      if (!m_dpm4) return S_OK;
      return each(kDpmRecordingProfiles, 0,
                  [&](LONG p) { return each(kDpmDevicePositions, 0, [&](LONG d) { return one({p, d}); }); });
  }
  return S_OK;
}

HRESULT CSettingsSnapshot::ReadInstance(IDPMDeviceSettings* settings, const SettingDescriptor& setting,
                                        const SettingIndex& index, std::string* failedKey) {
  SettingEntry entry{FormatSettingKey(setting, index), &setting, CSettingValue()};
  const HRESULT hr = setting.get(settings, index, &entry.value);
  if (FAILED(hr)) {
    *failedKey = entry.key;
    return hr;
  }
  m_entries.push_back(std::move(entry));
  return S_OK;
}
