// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/Variant.h"

#include <cstring>

#include "platform/automation/Bstr.h"
#include "platform/automation/SafeArray.h"

namespace {

bool IsPlainType(VARTYPE vt) {
  switch (vt) {
    case VT_EMPTY: case VT_NULL: case VT_I2: case VT_I4: case VT_R8: case VT_ERROR: case VT_BOOL:
    case VT_UI1: case VT_UI4: case VT_INT: case VT_HRESULT:
      return true;
    default:
      return false;
  }
}

bool IsArrayElementType(VARTYPE vt) {
  switch (vt) {
    case VT_I2: case VT_I4: case VT_R8: case VT_ERROR: case VT_BOOL: case VT_UI1: case VT_UI4: case VT_INT:
    case VT_BSTR: case VT_VARIANT:
      return true;
    default:
      return false;
  }
}

bool IsValidType(VARTYPE vt) {
  if (vt & VT_BYREF) {
    VARTYPE target = vt & ~VT_BYREF;
    if (target & VT_ARRAY) return IsArrayElementType(target & ~VT_ARRAY);
    return target != VT_EMPTY && target != VT_NULL &&
           (IsPlainType(target) || target == VT_BSTR || target == VT_VARIANT || target == VT_UNKNOWN ||
            target == VT_DISPATCH);
  }
  if (vt & VT_ARRAY) return IsArrayElementType(vt & ~VT_ARRAY);
  return IsPlainType(vt) || vt == VT_BSTR || vt == VT_UNKNOWN || vt == VT_DISPATCH;
}

}  // namespace

void VariantInit(VARIANT* v) {
  if (!v) return;
  std::memset(v, 0, sizeof *v);
  v->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANT* v) {
  if (!v) return E_INVALIDARG;
  if (!IsValidType(v->vt)) return DISP_E_BADVARTYPE;
  // A by-reference variant points at storage someone else owns.
  if (!(v->vt & VT_BYREF)) {
    if (v->vt & VT_ARRAY) {
      HRESULT hr = SafeArrayDestroy(v->parray);
      if (FAILED(hr)) return hr;
    } else if (v->vt == VT_BSTR) {
      SysFreeString(v->bstrVal);
    } else if (v->vt == VT_UNKNOWN && v->punkVal) {
      v->punkVal->Release();
    } else if (v->vt == VT_DISPATCH && v->pdispVal) {
      v->pdispVal->Release();
    }
  }
  VariantInit(v);
  return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* src) {
  if (!dest || !src) return E_INVALIDARG;
  if (dest == src) return S_OK;
  if (!IsValidType(src->vt)) return DISP_E_BADVARTYPE;
  VARIANT copy = *src;
  if (!(src->vt & VT_BYREF)) {
    if (src->vt & VT_ARRAY) {
      HRESULT hr = SafeArrayCopy(src->parray, &copy.parray);
      if (FAILED(hr)) return hr;
    } else if (src->vt == VT_BSTR && src->bstrVal) {
      copy.bstrVal = SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal));
      if (!copy.bstrVal) return E_OUTOFMEMORY;
    } else if (src->vt == VT_UNKNOWN && src->punkVal) {
      src->punkVal->AddRef();
    } else if (src->vt == VT_DISPATCH && src->pdispVal) {
      src->pdispVal->AddRef();
    }
  }
  HRESULT hr = VariantClear(dest);
  if (FAILED(hr)) {
    VariantClear(&copy);
    return hr;
  }
  *dest = copy;
  return S_OK;
}
