// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings of one recorder as plain data: what a settings object edits, what a recorder folder
// commits and what a settings file holds. RecorderSettingsRules keeps it valid for its model.
#include <array>
#include <string>
#include <vector>

#include "component/models/RecorderModel.h"
#include "component/models/Setting.h"
#include "device/DpmValues.h"

struct KeywordEntry {
  std::u16string name;
  std::vector<std::u16string> values;  // one per value row of the model
  bool barcodeScan = false;
  bool voiceCommand = false;
  bool mandatory = false;

  bool operator==(const KeywordEntry&) const = default;
};

struct RecordingProfileEntry {
  LONG audioQuality = dpmAudioStandardPlay;     // DpmAudioQuality
  LONG micSensitivity = dpmSensitivityLow;      // DpmMicrophoneSensitivity
  std::array<LONG, kDpmDevicePositions> micDirection{};  // by DpmDevicePosition: DpmMicrophoneDirection

  bool operator==(const RecordingProfileEntry&) const = default;
};

struct Dpm4Record {
  // [DpmSmartButton][DpmRecorderState]: a DpmSmartButtonFunction
  std::array<std::array<LONG, kDpmRecorderStates>, kDpmSmartButtons> smartButtons{};
  std::array<LONG, kDpmDisplayAreas> displayAreas{};  // a DpmDisplayContent for each of areas 1 to 4
  std::array<RecordingProfileEntry, kDpmRecordingProfiles> profiles{};  // by DpmRecordingProfileIndex

  bool operator==(const Dpm4Record&) const = default;
};

struct RecorderSettings {
  LONG deviceType = 0;
  // Scalar settings by Setting: booleans as 0 or 1, texts in `texts`.
  std::array<LONG, static_cast<size_t>(Setting::Count)> numbers{};
  std::array<std::u16string, static_cast<size_t>(Setting::Count)> texts{};
  std::vector<KeywordEntry> keywords;  // one per keyword of the model
  Dpm4Record dpm4;
  // Read-only identity of the recorder the settings came from.
  std::u16string macAddress;
  std::u16string firmwareVersion;

  LONG& Number(Setting s) { return numbers[static_cast<size_t>(s)]; }
  LONG Number(Setting s) const { return numbers[static_cast<size_t>(s)]; }
  std::u16string& Text(Setting s) { return texts[static_cast<size_t>(s)]; }
  const std::u16string& Text(Setting s) const { return texts[static_cast<size_t>(s)]; }

  bool operator==(const RecorderSettings&) const = default;
};

// Every setting at its neutral value (0, false, empty), with the model's keyword table shape.
RecorderSettings NeutralSettings(const RecorderModel& model);
// What a new recorder of the model comes with.
RecorderSettings FactorySettings(const RecorderModel& model);
