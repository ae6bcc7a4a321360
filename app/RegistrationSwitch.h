// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registration switches of the command line.
#include <string_view>

enum class RegistrationSwitch { None, RegServer, UnregServer };

// Looks at each "-" or "/" in turn and compares the whole rest of the line after it, ignoring letter
// case, with "UnregServer" and "RegServer". "/RegServer extra" therefore matches neither.
RegistrationSwitch FindRegistrationSwitch(std::string_view commandLine);
