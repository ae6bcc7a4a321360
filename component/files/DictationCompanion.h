// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a dictation has that its DSS header has no public place for, in a small JSON file beside it,
// named after it with ".json" added ("DICT0001.DSS" -> "DICT0001.DSS.json"). It travels with the
// dictation on copy, move and delete. A dictation without one has every value below at its default.
//
//   {
//     "format": "quorvel-dictation", "formatVersion": 1,
//     "kind": "dictation",                 // or "instruction": a file of spoken instructions
//     "jobNumber": 17,                     // 0 to 2^31-1
//     "priority": 0,                       // 0 to 15
//     "endOfLetter": false,
//     "compressionMode": 0,                // 0, 1 with the SP codec; 2, 3, 4 with the LP codec
//     "keywordUsage": ["Author", ...],     // up to 5 keyword names, 16 characters each
//     "keywordContent": ["Smith", ...],    // up to 5 keyword values, 20 characters each
//     "userStrings": ["...", ...],         // up to 8, 20 characters each
//     "barcode": "",                       // up to 64 characters
//     "downloadDate": "2024-05-17",        // or "" (not downloaded); "YYYY-MM-DD"
//     "downloadTime": "14:03:22",          // or ""; "hh:mm:ss"
//     "spokenInstructions": [[1200, 4300], ...],  // start and end in ms from the start of the audio,
//                                          // ascending, not overlapping; up to 99
//     "instructionFile": "",               // a file name in the same folder, or ""
//     "recorder": {"productId": 0, "MACAddress": "", "firmwareVersion": ""}  // that recorded it
//   }
//
// Texts are UTF-8 of printable ASCII and Latin-1 characters. Reading is strict: every key must be
// there and no other, each value of its type and within its limit (DictationRules.h); trailing empty
// strings of the three lists are not written.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/Types.h"

struct DictationCompanion {
  bool instruction = false;
  LONG jobNumber = 0;
  LONG priority = 0;
  bool endOfLetter = false;
  LONG compressionMode = 0;
  std::vector<std::u16string> keywordUsage;
  std::vector<std::u16string> keywordContent;
  std::vector<std::u16string> userStrings;
  std::u16string barcode;
  std::string downloadDate;
  std::string downloadTime;
  std::vector<std::array<LONG, 2>> spokenInstructions;
  std::string instructionFile;
  LONG productId = 0;
  std::string macAddress;
  std::string firmwareVersion;

  bool operator==(const DictationCompanion&) const = default;
};

inline constexpr size_t kMaxCompanionBytes = 64 * 1024;

// The companion's path for a dictation's path.
std::string CompanionPathOf(const std::string& dictationPath);
// Whether a file name is that of a companion.
bool IsCompanionName(std::string_view name);

std::string CompanionToJson(const DictationCompanion& companion);
// dpmCtrlInvalidFile for any fault; *out untouched then.
HRESULT CompanionFromJson(std::string_view text, DictationCompanion* out);
