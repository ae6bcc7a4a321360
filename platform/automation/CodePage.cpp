// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/CodePage.h"

#include <limits>
#include <new>

#include "platform/automation/Bstr.h"

namespace {

// Windows-1252 bytes 0x80..0x9F; the five undefined ones keep their own number, as the platform maps them.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

char16_t Widen(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

char Narrow(char16_t unit) {
  // 0x81, 0x8D, 0x8F, 0x90 and 0x9D are in the table as themselves, so the search finds them.
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  return '?';
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

std::u16string AnsiToWide(std::string_view text) {
  std::u16string wide;
  wide.reserve(text.size());
  for (char c : text) wide.push_back(Widen(static_cast<unsigned char>(c)));
  return wide;
}

std::string WideToAnsi(std::u16string_view text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A surrogate pair is one character outside the code page: one '?'.
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      narrow.push_back('?');
      ++i;
      continue;
    }
    narrow.push_back(Narrow(text[i]));
  }
  return narrow;
}

BSTR AnsiToBstr(std::string_view text) {
  if (text.size() > std::numeric_limits<UINT>::max()) throw std::bad_alloc();
  std::u16string wide = AnsiToWide(text);
  BSTR result = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  if (!result) throw std::bad_alloc();
  return result;
}

std::string BstrToAnsi(BSTR text) { return WideToAnsi({text ? text : u"", SysStringLen(text)}); }
