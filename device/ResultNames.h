// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names of result codes and recorder buttons, as every log and message of the program shows them.
#include <string>

#include "platform/automation/Types.h"

// The code's name, or its signed decimal value followed by " (Unknown)".
std::string GetResultName(HRESULT code);
// The press or release name of button codes 0 to 29; empty for any other code.
std::string GetButtonName(LONG button);
