// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts cross the interface as UTF-16 and reach the terminal, files and JSON as UTF-8; the program's
// Windows-1252 narrowing would lose characters a keyword may hold.
#include <optional>
#include <string>
#include <string_view>

#include "platform/automation/Bstr.h"

std::string BstrToUtf8(BSTR text);
// Null for text that is not valid UTF-8.
std::optional<Bstr> Utf8ToBstr(std::string_view text);
