// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// VARIANT: a typed value as automation passes it.
#include "platform/automation/Types.h"
#include "platform/automation/Unknown.h"

struct SAFEARRAY;

enum VARENUM : VARTYPE {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_R8 = 5,
  VT_BSTR = 8,
  VT_DISPATCH = 9,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_VARIANT = 12,
  VT_UNKNOWN = 13,
  VT_UI1 = 17,
  VT_UI4 = 19,
  VT_INT = 22,
  VT_HRESULT = 25,
  VT_ARRAY = 0x2000,
  VT_BYREF = 0x4000,
};

struct VARIANT {
  VARTYPE vt;
  WORD wReserved1, wReserved2, wReserved3;
  union {
    LONG lVal;
    SHORT iVal;
    BYTE bVal;
    ULONG ulVal;
    INT intVal;
    double dblVal;
    VARIANT_BOOL boolVal;
    HRESULT scode;
    BSTR bstrVal;
    IUnknown* punkVal;
    IDispatch* pdispVal;
    SAFEARRAY* parray;
    LONG* plVal;
    SHORT* piVal;
    VARIANT_BOOL* pboolVal;
    BSTR* pbstrVal;
    VARIANT* pvarVal;
    void* byref;
  };
};

void VariantInit(VARIANT* v);
// Frees what the variant owns (string, interface reference, array) and leaves it VT_EMPTY.
HRESULT VariantClear(VARIANT* v);
// Deep copy: strings and arrays duplicated, interfaces AddRef'd. dest is cleared first.
HRESULT VariantCopy(VARIANT* dest, const VARIANT* src);

// Owns one VARIANT and clears it exactly once.
class Variant {
 public:
  Variant() { VariantInit(&m_v); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { VariantClear(&m_v); }
  VARIANT* operator&() { return &m_v; }
  VARIANT* Get() { return &m_v; }
  const VARIANT* Get() const { return &m_v; }
  VARIANT* operator->() { return &m_v; }

 private:
  VARIANT m_v;
};
