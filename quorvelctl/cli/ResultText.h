// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A result code as quorvelctl's messages name it: the platform's codes in words with their symbol
// ("class not registered (REGDB_E_CLASSNOTREG)"), the component's by the program's own names.
#include <string>

#include "platform/automation/Types.h"

class CResultText {
 public:
  static std::string Of(HRESULT code);
};
