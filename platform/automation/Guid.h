// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// GUIDs and their registry text form "{6563FB62-676E-4057-87A1-F008E86F01B1}".
#include <cstdint>
#include <string>
#include <string_view>

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};
using IID = GUID;
using CLSID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

constexpr bool operator==(const GUID& a, const GUID& b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i)
    if (a.Data4[i] != b.Data4[i]) return false;
  return true;
}
constexpr bool IsEqualGUID(const GUID& a, const GUID& b) { return a == b; }
inline constexpr GUID GUID_NULL{};

// Parses the braced registry form (letter case free). Anything else is refused: false, *out untouched.
bool GuidFromString(std::string_view text, GUID* out);
// The braced registry form in upper case.
std::string GuidToString(const GUID& guid);
