// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/internal/TypeLibObject.h"

#include "platform/automation/internal/TypeInfoObject.h"

HRESULT TypeLibObject::GetLibAttr(GUID* libid, WORD* major, WORD* minor) {
  if (!libid || !major || !minor) return E_POINTER;
  *libid = m_description->libid;
  *major = m_description->major;
  *minor = m_description->minor;
  return S_OK;
}

HRESULT TypeLibObject::GetTypeInfoOfGuid(REFGUID iid, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  for (const InterfaceDescription& described : m_description->interfaces) {
    if (described.iid == iid) {
      ComPtr<TypeInfoObject> object = MakeComObject<TypeInfoObject>(m_description, &described);
      if (!object) return E_OUTOFMEMORY;
      *info = object.Detach();
      return S_OK;
    }
  }
  return TYPE_E_ELEMENTNOTFOUND;
}
