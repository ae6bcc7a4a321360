// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Settings files and the settings a recorder folder commits, in one documented JSON format:
//
//   {
//     "format": "quorvel-recorder-settings",
//     "formatVersion": 1,
//     "deviceType": 27,                      // the model (catalogue type)
//     "deviceName": "DPM4_8200",             // the model's name, must match deviceType
//     "identity": {"MACAddress": "...", "FirmwareVersion": "..."},   // of the recorder it came from
//     "settings": {"FileNamePrefixString": "DICT", "FileCounter": 1, ...},
//                                            // every scalar setting of device/SettingSchema.h by its
//                                            // interface name, in the schema's order: numbers,
//                                            // booleans and strings; a setting the model lacks holds
//                                            // its neutral value (0, false, "")
//     "keywords": [{"name": "Author", "barcodeScan": false, "voiceCommand": false,
//                   "mandatory": false, "values": ["...", ...]}, ...],
//                                            // one per keyword of the model, one value per row
//     "dpm4": {"smartButtons": [[5 codes], [5], [5]], "displayAreas": [4 codes],
//              "recordingProfiles": [{"audioQuality": 0, "micSensitivity": 1,
//                                     "micDirection": [0, 0]}, x4]}   // zeros on older models
//   }
//
// Texts are UTF-8. Reading is strict: every key must be there, no other key may be, every value must
// have its type and lie in the model's range, and the keyword rules must hold (SettingsEditor.h).
#include <string>
#include <string_view>

#include "component/settings/RecorderSettings.h"

constexpr int kSettingsFormatVersion = 1;
constexpr size_t kMaxSettingsFileBytes = 1 << 20;

std::string SettingsToJson(const RecorderSettings& settings);
// S_OK and *out filled, or dpmCtrlInvalidFile (for any fault: size, syntax, structure, types, range,
// unknown model); *out untouched on failure.
HRESULT SettingsFromJson(std::string_view text, RecorderSettings* out);
