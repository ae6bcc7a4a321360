// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a simulated recorder keeps besides its settings: its identity (identity.json, written once
// when the recorder is made) and its changing state (state.json). Both are JSON:
//
//   identity.json: {"format": "quorvel-recorder-identity", "formatVersion": 1, "deviceType": 27,
//                   "deviceName": "DPM4_8200", "serialNumber": "...", "MACAddress": "...",
//                   "FirmwareVersion": "...", "OEMString": "...", "BuildNumber": 1234}
//   state.json:    {"format": "quorvel-recorder-state", "formatVersion": 1,
//                   "clockOffsetSeconds": -5400,   // recorder clock minus computer local time
//                   "leds": [0, 0], "lastButton": -1, "welcomeScreen": "", "displayImage": "",
//                   "barcodeScanner": false,
//                   "barcodeLayout": {"layout": 0, "prefix": [[0,0] x10], "postfix": [[0,0] x10]},
//                   "security": {"salt": "", "puk": "hash or empty", "pin": "...",
//                                "password": "..."}}
//
// Security codes are stored only as hashes (SecurityCodes.h), never in clear. The salt is used only by
// the hashes of earlier versions; a new recorder leaves it empty.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/automation/Types.h"

struct RecorderIdentity {
  LONG deviceType = 0;
  std::string serialNumber;
  std::string macAddress;
  std::string firmwareVersion;
  std::string oemString;
  LONG buildNumber = 0;
};

using KeyPairs = std::array<std::array<LONG, 2>, 10>;

struct RecorderState {
  std::int64_t clockOffsetSeconds = 0;
  std::array<LONG, 2> leds{};
  LONG lastButton = -1;  // none pressed yet
  std::string welcomeScreen;  // file name inside the recorder folder, empty for none
  std::string displayImage;
  bool barcodeScanner = false;
  LONG barcodeLayout = 0;
  KeyPairs barcodePrefix{};
  KeyPairs barcodePostfix{};
  std::string salt;
  std::string pukHash;
  std::string pinHash;
  std::string passwordHash;
};

std::string IdentityToJson(const RecorderIdentity& identity);
// dpmCtrlInvalidFile for any fault (syntax, missing or unknown key, type, unknown model, long text).
HRESULT IdentityFromJson(std::string_view text, RecorderIdentity* out);
std::string StateToJson(const RecorderState& state);
HRESULT StateFromJson(std::string_view text, RecorderState* out);
