// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DpmEventArgs.h"

#include <charconv>

#include "platform/automation/Bstr.h"
#include "platform/automation/CodePage.h"

namespace {

const VARIANT& Dereferenced(const VARIANT& v) {
  if (v.vt == (VT_BYREF | VT_VARIANT) && v.pvarVal) return *v.pvarVal;
  return v;
}

// A number as the declared VT_I4, the way the platform coerces: integers and booleans directly,
// decimal text parsed whole.
bool ToLong(const VARIANT& v, LONG* out) {
  switch (v.vt) {
    case VT_I4: case VT_INT: case VT_UI4: case VT_ERROR: case VT_HRESULT: *out = v.lVal; return true;
    case VT_I2: *out = v.iVal; return true;
    case VT_BOOL: *out = v.boolVal; return true;
    case VT_UI1: *out = v.bVal; return true;
    case VT_EMPTY: *out = 0; return true;
    case VT_BYREF | VT_I4: if (!v.plVal) return false; *out = *v.plVal; return true;
    case VT_BSTR: {
      const std::string text = BstrToAnsi(v.bstrVal);
      const char* end = text.data() + text.size();
      auto [ptr, ec] = std::from_chars(text.data(), end, *out);
      return ec == std::errc() && ptr == end && !text.empty();
    }
    default: return false;
  }
}

bool ToText(const VARIANT& v, DpmEventArg* arg) {
  if (v.vt == VT_BSTR || v.vt == (VT_BYREF | VT_BSTR)) {
    const BSTR text = v.vt == VT_BSTR ? v.bstrVal : (v.pbstrVal ? *v.pbstrVal : nullptr);
    arg->isNull = text == nullptr;
    if (text) arg->text.assign(text, SysStringLen(text));
    return true;
  }
  if (v.vt == VT_EMPTY) return true;
  if (!ToLong(v, &arg->number)) return false;
  const std::string digits = std::to_string(arg->number);
  arg->text.assign(digits.begin(), digits.end());
  return true;
}

}  // namespace

HRESULT DecodeDpmEventArgs(const FunctionDescription& info, const DISPPARAMS* params, std::vector<DpmEventArg>* args,
                           UINT* argError) {
  const UINT count = params ? params->cArgs : 0;
  if (count != info.paramTypes.size()) return DISP_E_BADPARAMCOUNT;
  if (count > 0 && !params->rgvarg) return E_POINTER;
  args->assign(count, DpmEventArg{});
  for (UINT k = 0; k < count; ++k) {
    const UINT position = count - 1 - k;
    const VARIANT& v = Dereferenced(params->rgvarg[position]);
    DpmEventArg& arg = (*args)[k];
    const bool ok = info.paramTypes[k] == VT_BSTR ? ToText(v, &arg) : ToLong(v, &arg.number);
    if (!ok) {
      if (argError) *argError = position;
      return DISP_E_TYPEMISMATCH;
    }
  }
  return S_OK;
}
