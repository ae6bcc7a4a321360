// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/models/TextRules.h"

#include "device/DpmResults.h"

namespace {

bool DisplayShows(DisplayCharset charset, char16_t c) {
  if (c >= 0x20 && c <= 0x7E) return true;
  return charset == DisplayCharset::Latin1 && c >= 0xA0 && c <= 0xFF;
}

bool PrefixCharacter(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_' ||
         c == u'-';
}

}  // namespace

HRESULT CheckDisplayText(const RecorderModel& model, std::u16string_view text, int maxLength) {
  for (char16_t c : text)
    if (!DisplayShows(model.charset, c)) return dpmCtrlInvalidCharacter;
  if (text.size() > static_cast<size_t>(maxLength)) return dpmCtrlMaximumReached;
  return S_OK;
}

HRESULT CheckPrefixText(std::u16string_view text, int maxLength) {
  for (char16_t c : text)
    if (!PrefixCharacter(c)) return dpmCtrlInvalidCharacter;
  if (text.size() > static_cast<size_t>(maxLength)) return dpmCtrlMaximumReached;
  return S_OK;
}

std::string Utf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00u);  // a pair, in file paths
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // a lone surrogate has no UTF-8 form
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

bool Utf16FromUtf8(std::string_view text, std::u16string* out) {
  std::u16string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    auto byte = static_cast<unsigned char>(text[i]);
    unsigned code = 0;
    size_t extra = 0;
    if (byte < 0x80) {
      code = byte;
    } else if ((byte & 0xE0) == 0xC0) {
      code = byte & 0x1F;
      extra = 1;
    } else if ((byte & 0xF0) == 0xE0) {
      code = byte & 0x0F;
      extra = 2;
    } else {
      return false;
    }
    if (i + extra >= text.size() && extra > 0) return false;  // cut off
    for (size_t j = 1; j <= extra; ++j) {
      auto next = static_cast<unsigned char>(text[i + j]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if ((extra == 1 && code < 0x80) || (extra == 2 && code < 0x800)) return false;  // overlong
    if (code >= 0xD800 && code <= 0xDFFF) return false;
    result += static_cast<char16_t>(code);
    i += extra + 1;
  }
  *out = std::move(result);
  return true;
}
