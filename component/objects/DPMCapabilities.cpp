// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/objects/DPMCapabilities.h"

#include "device/DpmValues.h"
#include "platform/automation/CodePage.h"

HRESULT DPMCapabilities::get_Name(BSTR* value) {
  if (!value) return E_POINTER;
  *value = AnsiToBstr(m_model.name);
  return S_OK;
}

HRESULT DPMCapabilities::get_MaxKeywordVoiceCommands(LONG kind, LONG* value) {
  if (!value) return E_POINTER;
  if (kind != dpmVoiceCommandAlphanumerics && kind != dpmVoiceCommandWord) return E_INVALIDARG;
  *value = kind == dpmVoiceCommandAlphanumerics ? m_model.maxVoiceCommandsAlphanumeric : m_model.maxVoiceCommandsWord;
  return S_OK;
}
