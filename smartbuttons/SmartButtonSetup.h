// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The DPM4 record: smart-button functions, display areas and recording profiles. The settings
// dialog reads it from and writes it to a DPM4 recorder's settings object; the smart buttons
// dialog edits a copy of it.
#include "device/DpmValues.h"
#include "platform/automation/Types.h"

struct RecordingProfileSetup {
  LONG audioQuality;     // DpmAudioQuality
  LONG micSensitivity;   // DpmMicrophoneSensitivity
  LONG micDirection[kDpmDevicePositions];  // 0 uni-directional, non-zero omni-directional
};

struct SmartButtonSetup {
  // -1 where the dialog's combo box had no selection at OK; written to the recorder unchanged.
  LONG buttonFunction[kDpmSmartButtons][kDpmRecorderStates];
  LONG displayArea[kDpmDisplayAreas];
  RecordingProfileSetup profile[kDpmRecordingProfiles];
};

// One record for the whole run, all zero at start.
extern SmartButtonSetup g_smartButtonSetup;
