// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes one reference settings object to recorders: works out what would change on each, then
// commits the whole object in one step (the component keeps a recorder's old settings when it
// refuses), so each recorder ends up either updated whole or untouched.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "device/IDPMDevice.h"
#include "platform/automation/ComPtr.h"
#include "quorvelctl/session/RecorderInfo.h"
#include "quorvelctl/settings/SettingsDiff.h"

struct ApplyReport {
  RecorderInfo recorder;
  std::vector<std::string> changes;  // "KEY: old | new"
  nlohmann::json changesJson;
  HRESULT result = S_OK;
  std::string failedStep;  // what was refused or failed, when result failed
  bool dryRun = false;

  // The recorder turned the settings down, as opposed to a failure before the write.
  bool Refused() const;
  // "recorder 0 (DPM4_8200, ...): updated, 3 setting(s) changed" and the like.
  std::string Summary() const;
  nlohmann::json Json() const;
};

class CSettingsApplier {
 public:
  // The reference object and its snapshot, read once (Read's code on failure).
  HRESULT Load(IDPMDeviceSettings* reference);

  // dryRun: the device belongs to a session that checks commits only; the report reads "would".
  ApplyReport Apply(IDPMDevice* device, LONG index, bool dryRun) const;

 private:
  ComPtr<IDPMDeviceSettings> m_reference;
  CSettingsSnapshot m_snapshot;
};
