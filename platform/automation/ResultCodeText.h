// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform's own result codes in words, for messages read by people rather than logs that keep
// the program's names: "class not registered" where a bare number would say nothing.
#include <string_view>

#include "platform/automation/Types.h"

struct ResultCodeText {
  HRESULT code;
  std::string_view symbol;  // "REGDB_E_CLASSNOTREG"
  std::string_view words;   // "class not registered"
};

// The entry of one of the platform's codes; null for any other code (a component's own, say).
const ResultCodeText* FindResultCodeText(HRESULT code);
