// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ANSI code page (Windows-1252) in both directions. Every byte maps to one UTF-16 unit, the five
// undefined bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) to the same-numbered control characters, as the
// platform maps them. Narrowing a character the code page lacks gives '?'.
#include <string>
#include <string_view>

#include "platform/automation/Types.h"

std::u16string AnsiToWide(std::string_view text);
std::string WideToAnsi(std::u16string_view text);
// A new BSTR of the ANSI text; the caller frees it. Out of memory throws std::bad_alloc.
BSTR AnsiToBstr(std::string_view text);
// The ANSI text of a BSTR; null reads as empty.
std::string BstrToAnsi(BSTR text);
