// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/internal/TypeInfoObject.h"

#include <string_view>

namespace {

char16_t Lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// Member names are matched without regard to letter case, as automation clients expect.
bool SameName(const std::string& name, LPCOLESTR wide) {
  std::size_t i = 0;
  for (; i < name.size(); ++i) {
    if (!wide[i] || Lower(static_cast<unsigned char>(name[i])) != Lower(wide[i])) return false;
  }
  return wide[i] == 0;
}

}  // namespace

HRESULT TypeInfoObject::GetGuid(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = m_interface->iid;
  return S_OK;
}

HRESULT TypeInfoObject::GetFuncCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = static_cast<UINT>(m_interface->functions.size());
  return S_OK;
}

HRESULT TypeInfoObject::GetFunction(DISPID dispid, FunctionDescription* out) {
  if (!out) return E_POINTER;
  for (const FunctionDescription& f : m_interface->functions) {
    if (f.dispid == dispid) {
      *out = f;
      return S_OK;
    }
  }
  return TYPE_E_ELEMENTNOTFOUND;
}

HRESULT TypeInfoObject::GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) {
  if (!names || !ids) return E_POINTER;
  if (count == 0) return E_INVALIDARG;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  if (!names[0]) return E_POINTER;
  for (const FunctionDescription& f : m_interface->functions) {
    if (SameName(f.name, names[0])) {
      ids[0] = f.dispid;
      // The library names no parameters, so parameter names are never found.
      return count == 1 ? S_OK : DISP_E_MEMBERNOTFOUND;
    }
  }
  return DISP_E_MEMBERNOTFOUND;
}
