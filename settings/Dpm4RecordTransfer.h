// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moves the DPM4 record between the process-wide SmartButtonSetup and a settings object with its
// recording profiles. Reads are unchecked: a value that cannot be read keeps what the record held.
#include <functional>

#include "device/IDPMRecordingProfile.h"
#include "platform/automation/ComPtr.h"
#include "settings/DeviceSettings.h"
#include "smartbuttons/SmartButtonSetup.h"

class Dpm4RecordTransfer {
 public:
  // `profile` receives each profile object fetched, as the dialog keeps the last one.
  Dpm4RecordTransfer(CDeviceSettings& settings, ComPtr<IDPMRecordingProfile>& profile)
      : m_settings(settings), m_profile(profile) {}

  void Read(SmartButtonSetup& record);
  // Each smart-button write's result goes to `smartButtonWritten` when given; the others are unchecked.
  void Write(const SmartButtonSetup& record, const std::function<void(HRESULT)>& smartButtonWritten = {});

 private:
  bool FetchProfile(int profile);

  CDeviceSettings& m_settings;
  ComPtr<IDPMRecordingProfile>& m_profile;
};
