// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the component recognises its own settings objects when one is handed back (SetDeviceSettings,
// ExportSettings): a private interface that no other component answers.
#include <memory>

#include "component/models/RecorderModel.h"
#include "component/settings/RecorderSettings.h"
#include "platform/automation/Unknown.h"

// The record a settings object and its recording-profile objects edit together.
struct SettingsHolder {
  const RecorderModel* model;
  RecorderSettings settings;
};

struct IRecorderSettingsData : IUnknown {
  // {3C1D2A8E-5B7F-4E21-9A6C-0F4D8E2B7A13}
  static constexpr IID kIid{0x3C1D2A8E, 0x5B7F, 0x4E21, {0x9A, 0x6C, 0x0F, 0x4D, 0x8E, 0x2B, 0x7A, 0x13}};
  virtual std::shared_ptr<SettingsHolder> Holder() = 0;

 protected:
  ~IRecorderSettingsData() = default;
};

// The holder behind a settings object of this component; null for anybody else's object.
std::shared_ptr<SettingsHolder> HolderOf(IUnknown* settings);
