// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A type library loaded from the registry.
#include <memory>

#include "platform/automation/ComObject.h"
#include "platform/automation/TypeLib.h"

class TypeLibObject : public ComObject<TypeLibObject, ITypeLib> {
 public:
  explicit TypeLibObject(TypeLibDescription description)
      : m_description(std::make_shared<const TypeLibDescription>(std::move(description))) {}

  HRESULT GetLibAttr(GUID* libid, WORD* major, WORD* minor) override;
  HRESULT GetTypeInfoOfGuid(REFGUID iid, ITypeInfo** info) override;

 private:
  std::shared_ptr<const TypeLibDescription> m_description;
};
