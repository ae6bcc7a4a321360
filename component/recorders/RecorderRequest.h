// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the recorder tool asks a running session to report, one small JSON file per request in the
// recorder's requests/ folder:
//   {"action": "button", "button": 4}          a button code 0 to 29 (even press, odd release)
//   {"action": "barcode", "code": "4711"}      a barcode the scanner read
//   {"action": "scanner", "attached": true}    a barcode scanner attached or detached
#include <string>
#include <string_view>

#include "platform/automation/Types.h"

struct RecorderRequest {
  enum class Kind { Button, Barcode, Scanner } kind = Kind::Button;
  LONG button = 0;
  std::string code;
  bool attached = false;
};

constexpr LONG kLastButtonCode = 29;
constexpr size_t kMaxBarcodeLength = 128;

std::string RequestToJson(const RecorderRequest& request);
// False for anything malformed or out of range (such a request is dropped).
bool RequestFromJson(std::string_view text, RecorderRequest* out);
