// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a dictation's properties may hold. The limits are those of the most capable recorder, so a
// dictation from any model fits; the characters are those a recorder's display shows.
#include <cstdint>
#include <string_view>

#include "platform/automation/Types.h"

inline constexpr int kAuthorChars = 16;  // the header's author field
inline constexpr int kKeywordSlots = 5;
inline constexpr int kKeywordUsageChars = 16;
inline constexpr int kKeywordContentChars = 20;
inline constexpr int kUserStringSlots = 8;
inline constexpr int kUserStringChars = 20;
inline constexpr int kBarcodeChars = 64;
inline constexpr LONG kMaxPriority = 15;
inline constexpr int kMaxSpokenInstructions = 99;
inline constexpr int kMacAddressChars = 17;
inline constexpr int kFirmwareChars = 32;

// Compression modes (IDPMFileInfo::get_CompressionMode) and the codec each is recorded with.
inline constexpr LONG kStandardPlay = 0;
inline constexpr LONG kStandardPlaySilenceComp = 1;
inline constexpr LONG kLongPlay = 2;
inline constexpr LONG kTsLongPlay = 3;
inline constexpr LONG kTsLongPlaySilenceComp = 4;
inline constexpr LONG kQualityPlay = 6;  // DS2 only

// dpmCtrlInvalidCharacter for a character outside printable ASCII and Latin-1 (printable ASCII
// alone when `asciiOnly`), then dpmCtrlMaximumReached past `maxChars`; else S_OK.
HRESULT CheckDictationText(std::u16string_view text, int maxChars, bool asciiOnly = false);
// The DSS codec byte a compression mode is recorded with; false for a mode DSS does not have.
bool CodecOfCompressionMode(LONG mode, std::uint8_t* codec);
// The mode a file of this codec has when nothing else says (no silence compression).
LONG DefaultCompressionMode(std::uint8_t codec);
