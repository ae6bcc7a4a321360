// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text form of a registered type library:
//
//   quorvel-typelib 1
//   library {LIBID} <major> <minor> <name>
//   interface {IID} <name> <function count>
//   function <dispid> <name> <call convention> <return type> <parameter count> <parameter types...>
//   end
//
// Numbers are decimal, names have no blanks. Parsing is strict: anything else is refused.
#include <optional>
#include <string>
#include <string_view>

#include "platform/automation/TypeLib.h"

// Nothing when a name is empty or holds blanks or control characters.
std::optional<std::string> TypeLibToText(const TypeLibDescription& description);
std::optional<TypeLibDescription> TypeLibFromText(std::string_view text);
