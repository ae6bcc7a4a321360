// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts a recorder stores: which characters its display shows, and the UTF-8 form of settings files.
#include <string>
#include <string_view>

#include "component/models/RecorderModel.h"
#include "platform/automation/Bstr.h"

// dpmCtrlInvalidCharacter for a character the display cannot show, dpmCtrlMaximumReached past
// `maxLength` characters, else S_OK.
HRESULT CheckDisplayText(const RecorderModel& model, std::u16string_view text, int maxLength);
// A file-name prefix: letters A-Z and a-z, digits, '_' and '-' only.
HRESULT CheckPrefixText(std::u16string_view text, int maxLength);

std::string Utf8FromUtf16(std::u16string_view text);
// Pairs become one character; a lone surrogate becomes U+FFFD.
// False for malformed UTF-8 or a character outside the basic plane; *out untouched then.
bool Utf16FromUtf8(std::string_view text, std::u16string* out);

// A BSTR as text (null reads as empty), and as a file-system path (UTF-8).
inline std::u16string_view ViewOf(BSTR text) { return {text ? text : u"", SysStringLen(text)}; }
inline std::string PathOf(BSTR path) { return Utf8FromUtf16(ViewOf(path)); }
