// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SAFEARRAY: arrays of any number of dimensions. Dimension numbers are 1-based; an index vector names
// dimension 1 first. Every index is checked: a bad one is DISP_E_BADINDEX and touches nothing.
#include <span>

#include "platform/automation/Types.h"

struct VARIANT;

struct SAFEARRAY;  // opaque

struct SAFEARRAYBOUND {
  ULONG cElements;
  LONG lLbound;
};

// Element types: VT_I4, VT_I2, VT_UI1, VT_BOOL, VT_BSTR, VT_VARIANT. Null on a bad type or no memory.
SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT dims, const SAFEARRAYBOUND* bounds);
SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG count);
HRESULT SafeArrayDestroy(SAFEARRAY* array);  // frees elements that own strings or variants
UINT SafeArrayGetDim(SAFEARRAY* array);      // 0 for null
HRESULT SafeArrayGetVartype(SAFEARRAY* array, VARTYPE* vt);
HRESULT SafeArrayGetLBound(SAFEARRAY* array, UINT dim, LONG* bound);
HRESULT SafeArrayGetUBound(SAFEARRAY* array, UINT dim, LONG* bound);
// The element is copied out to `value` (LONG*, BSTR*, VARIANT*...), which is overwritten as it stands;
// a BSTR or VARIANT is duplicated and the caller frees the copy.
HRESULT SafeArrayGetElement(SAFEARRAY* array, std::span<const LONG> indices, void* value);
// The value is copied in (a BSTR or VARIANT is duplicated; the caller keeps its own). As on the platform,
// `value` is the element's address (LONG*, VARIANT*...), except for VT_BSTR, where it is the BSTR itself.
HRESULT SafeArrayPutElement(SAFEARRAY* array, std::span<const LONG> indices, const void* value);
HRESULT SafeArrayCopy(SAFEARRAY* array, SAFEARRAY** copy);
long SafeArrayLiveCount();
// A VT_ARRAY|VT_UI1 variant of these bytes (lower bound 0), as format blocks cross interfaces; the
// variant owns the array.
HRESULT MakeByteArray(std::span<const BYTE> bytes, VARIANT* v);  // arrays alive in this process, for leak tests

// Owns one array and destroys it exactly once.
class SafeArrayHolder {
 public:
  SafeArrayHolder() = default;
  explicit SafeArrayHolder(SAFEARRAY* owned) : m_array(owned) {}
  SafeArrayHolder(const SafeArrayHolder&) = delete;
  SafeArrayHolder& operator=(const SafeArrayHolder&) = delete;
  ~SafeArrayHolder() { Reset(); }
  SAFEARRAY* Get() const { return m_array; }
  SAFEARRAY* Detach() { SAFEARRAY* a = m_array; m_array = nullptr; return a; }
  void Reset(SAFEARRAY* owned = nullptr) {
    if (m_array) SafeArrayDestroy(m_array);
    m_array = owned;
  }

 private:
  SAFEARRAY* m_array = nullptr;
};
