// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/cli/TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace {

// One iconv conversion of the whole input; false when the input does not convert.
bool Convert(const char* from, const char* to, const char* data, size_t size, std::string* out) {
  iconv_t cd = ::iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::vector<char> buffer(size * 2 + 16);
  char* in = const_cast<char*>(data);
  size_t inLeft = size;
  char* outPtr = buffer.data();
  size_t outLeft = buffer.size();
  const size_t done = ::iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  ::iconv_close(cd);
  if (done == static_cast<size_t>(-1) || inLeft != 0) return false;
  out->assign(buffer.data(), buffer.size() - outLeft);
  return true;
}

}  // namespace

std::string BstrToUtf8(BSTR text) {
  const UINT length = SysStringLen(text);
  std::string out;
  // An unpaired surrogate cannot become UTF-8; it shows as the replacement character.
  if (!Convert("UTF-16LE", "UTF-8", reinterpret_cast<const char*>(text), length * sizeof(OLECHAR), &out)) {
    std::u16string cleaned(text, length);
    for (char16_t& c : cleaned) {
      if (c >= 0xD800 && c <= 0xDFFF) c = u'\uFFFD';
    }
    Convert("UTF-16LE", "UTF-8", reinterpret_cast<const char*>(cleaned.data()), cleaned.size() * 2, &out);
  }
  return out;
}

std::optional<Bstr> Utf8ToBstr(std::string_view text) {
  std::string wide;
  if (!Convert("UTF-8", "UTF-16LE", text.data(), text.size(), &wide)) return std::nullopt;
  std::u16string units(wide.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(wide[2 * i]) |
                                     static_cast<unsigned char>(wide[2 * i + 1]) << 8);
  }
  return Bstr(std::u16string_view(units));
}
