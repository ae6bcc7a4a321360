// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arguments of a component event, coerced to the types the event declares the way the platform
// coerces them before it calls a sink. The program's event sink and the command-line tool's both
// read events through this one decoding.
#include <string>
#include <vector>

#include "platform/automation/TypeLib.h"
#include "platform/automation/Variant.h"

struct DpmEventArg {
  LONG number = 0;
  std::u16string text;  // a string parameter: the text, or a number's decimal digits
  bool isNull = false;  // a string parameter that came as a null string
};

// The arguments in declaration order (they stand reversed in `params`). DISP_E_BADPARAMCOUNT for the
// wrong number, E_POINTER when they are missing, DISP_E_TYPEMISMATCH (with *argError the position in
// `params`) for a value that does not coerce.
HRESULT DecodeDpmEventArgs(const FunctionDescription& info, const DISPPARAMS* params, std::vector<DpmEventArg>* args,
                           UINT* argError);
