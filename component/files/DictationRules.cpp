// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/DictationRules.h"

#include "component/files/DssHeader.h"
#include "device/DpmResults.h"

HRESULT CheckDictationText(std::u16string_view text, int maxChars, bool asciiOnly) {
  for (char16_t c : text) {
    const bool ascii = c >= 0x20 && c <= 0x7E;
    const bool latin1 = c >= 0xA0 && c <= 0xFF;
    if (!ascii && (asciiOnly || !latin1)) return dpmCtrlInvalidCharacter;
  }
  return text.size() > static_cast<size_t>(maxChars) ? dpmCtrlMaximumReached : S_OK;
}

bool CodecOfCompressionMode(LONG mode, std::uint8_t* codec) {
  switch (mode) {
    case kStandardPlay:
    case kStandardPlaySilenceComp: *codec = kDssCodecStandardPlay; return true;
    case kLongPlay:
    case kTsLongPlay:
    case kTsLongPlaySilenceComp: *codec = kDssCodecLongPlay; return true;
    default: return false;
  }
}

LONG DefaultCompressionMode(std::uint8_t codec) {
  return codec == kDssCodecLongPlay ? kLongPlay : kStandardPlay;
}
