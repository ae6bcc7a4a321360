// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The type information of one dispatch interface of a loaded library.
#include <memory>

#include "platform/automation/ComObject.h"
#include "platform/automation/TypeLib.h"

class TypeInfoObject : public ComObject<TypeInfoObject, ITypeInfo> {
 public:
  // `library` keeps the description alive; `described` points into it.
  TypeInfoObject(std::shared_ptr<const TypeLibDescription> library, const InterfaceDescription* described)
      : m_library(std::move(library)), m_interface(described) {}

  HRESULT GetGuid(IID* iid) override;
  HRESULT GetFuncCount(UINT* count) override;
  HRESULT GetFunction(DISPID dispid, FunctionDescription* out) override;
  HRESULT GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) override;

 private:
  std::shared_ptr<const TypeLibDescription> m_library;
  const InterfaceDescription* m_interface;
};
