// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The IDispatch half of the component's dual interfaces. Callers bind through the interface tables;
// late binding by name is not offered, and the dispatch entry points say so with the platform's codes.
#include "platform/automation/TypeLib.h"
#include "platform/automation/Unknown.h"

template <class I>
class DualInterface : public I {
 public:
  HRESULT GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    return DISP_E_BADINDEX;
  }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) override {
    if (!ids && count > 0) return E_POINTER;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }

 protected:
  ~DualInterface() = default;
};
