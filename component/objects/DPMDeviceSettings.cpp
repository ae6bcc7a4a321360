// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/objects/DPMDeviceSettings.h"

#include "component/models/SettingInfo.h"
#include "component/models/TextRules.h"
#include "component/objects/DPMRecordingProfile.h"
#include "device/DpmResults.h"

namespace {

HRESULT NewString(const std::u16string& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT Give(LONG source, LONG* out) {
  if (!out) return E_POINTER;
  *out = source;
  return S_OK;
}

HRESULT GiveFlag(bool source, VARIANT_BOOL* out) {
  if (!out) return E_POINTER;
  *out = source ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

}  // namespace

std::shared_ptr<SettingsHolder> HolderOf(IUnknown* settings) {
  if (!settings) return nullptr;
  ComPtr<IRecorderSettingsData> data;
  if (FAILED(settings->QueryInterface(IidOf<IRecorderSettingsData>(), data.ReleaseAndGetVoidAddress()))) return nullptr;
  return data->Holder();
}

HRESULT DPMDeviceSettings::GetNumber(Setting s, LONG* value) const { return Give(m_holder->settings.Number(s), value); }

HRESULT DPMDeviceSettings::PutNumber(Setting s, LONG value) { return Editor().PutNumber(s, value); }

HRESULT DPMDeviceSettings::GetFlag(Setting s, VARIANT_BOOL* value) const {
  return GiveFlag(m_holder->settings.Number(s) != 0, value);
}

HRESULT DPMDeviceSettings::PutFlag(Setting s, VARIANT_BOOL value) { return Editor().PutFlag(s, value); }

HRESULT DPMDeviceSettings::GetText(Setting s, BSTR* value) const { return NewString(m_holder->settings.Text(s), value); }

HRESULT DPMDeviceSettings::PutText(Setting s, BSTR value) { return Editor().PutText(s, ViewOf(value)); }

HRESULT DPMDeviceSettings::GetNumberAt(Setting s, LONG index, LONG* value) const {
  if (!value) return E_POINTER;
  if (index != 0) return E_INVALIDARG;
  return Give(m_holder->settings.Number(s), value);
}

HRESULT DPMDeviceSettings::PutNumberAt(Setting s, LONG index, LONG value) {
  return Editor().PutNumberAt(s, index, value);
}

HRESULT DPMDeviceSettings::get_MACAddress(BSTR* value) { return NewString(m_holder->settings.macAddress, value); }

HRESULT DPMDeviceSettings::get_FirmwareVersion(BSTR* value) {
  return NewString(m_holder->settings.firmwareVersion, value);
}

HRESULT DPMDeviceSettings::get_KeywordUsageCount(LONG* count) { return Give(m_holder->model->keywordCount, count); }

HRESULT DPMDeviceSettings::get_KeywordUsageString(LONG keyword, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  if (HRESULT hr = Editor().CheckKeyword(keyword); FAILED(hr)) return hr;
  return NewString(m_holder->settings.keywords[static_cast<size_t>(keyword)].name, name);
}

HRESULT DPMDeviceSettings::put_KeywordUsageString(LONG keyword, BSTR name) {
  return Editor().PutKeywordName(keyword, ViewOf(name));
}

HRESULT DPMDeviceSettings::get_KeywordContentCount(LONG* rows) { return Give(m_holder->model->keywordRows, rows); }

HRESULT DPMDeviceSettings::get_KeywordContentString(LONG keyword, LONG row, BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  SettingsEditor editor = Editor();
  if (HRESULT hr = editor.CheckKeyword(keyword); FAILED(hr)) return hr;
  if (HRESULT hr = editor.CheckRow(row); FAILED(hr)) return hr;
  return NewString(m_holder->settings.keywords[static_cast<size_t>(keyword)].values[static_cast<size_t>(row)], value);
}

HRESULT DPMDeviceSettings::put_KeywordContentString(LONG keyword, LONG row, BSTR value) {
  return Editor().PutKeywordValue(keyword, row, ViewOf(value));
}

HRESULT DPMDeviceSettings::get_KeywordBarcodeScan(LONG keyword, VARIANT_BOOL* value) {
  if (!value) return E_POINTER;
  if (HRESULT hr = Editor().CheckKeyword(keyword); FAILED(hr)) return hr;
  return GiveFlag(m_holder->settings.keywords[static_cast<size_t>(keyword)].barcodeScan, value);
}

HRESULT DPMDeviceSettings::put_KeywordBarcodeScan(LONG keyword, VARIANT_BOOL value) {
  return Editor().PutKeywordBarcodeScan(keyword, value);
}

HRESULT DPMDeviceSettings::get_KeywordVoiceCommand(LONG keyword, VARIANT_BOOL* value) {
  if (!value) return E_POINTER;
  if (HRESULT hr = Editor().CheckKeyword(keyword); FAILED(hr)) return hr;
  return GiveFlag(m_holder->settings.keywords[static_cast<size_t>(keyword)].voiceCommand, value);
}

HRESULT DPMDeviceSettings::put_KeywordVoiceCommand(LONG keyword, VARIANT_BOOL value) {
  return Editor().PutKeywordVoiceCommand(keyword, value);
}

HRESULT DPMDeviceSettings::get_KeywordMandatory(LONG keyword, VARIANT_BOOL* value) {
  if (!value) return E_POINTER;
  if (HRESULT hr = Editor().CheckKeyword(keyword); FAILED(hr)) return hr;
  return GiveFlag(m_holder->settings.keywords[static_cast<size_t>(keyword)].mandatory, value);
}

HRESULT DPMDeviceSettings::put_KeywordMandatory(LONG keyword, VARIANT_BOOL value) {
  return Editor().PutKeywordMandatory(keyword, value);
}

HRESULT DPMDeviceSettings::get_DisplayAreaMapping(LONG area, LONG* value) {
  if (!value) return E_POINTER;
  if (HRESULT hr = SettingsEditor::CheckDisplayAreaIndex(area); FAILED(hr)) return hr;
  return Give(m_holder->settings.dpm4.displayAreas[static_cast<size_t>(area - 1)], value);
}

HRESULT DPMDeviceSettings::put_DisplayAreaMapping(LONG area, LONG value) { return Editor().PutDisplayArea(area, value); }

HRESULT DPMDeviceSettings::get_SmartButtonConfiguration(LONG button, LONG state, LONG* function) {
  if (!function) return E_POINTER;
  if (HRESULT hr = SettingsEditor::CheckSmartButtonIndex(button, state); FAILED(hr)) return hr;
  return Give(m_holder->settings.dpm4.smartButtons[static_cast<size_t>(button)][static_cast<size_t>(state)], function);
}

HRESULT DPMDeviceSettings::put_SmartButtonConfiguration(LONG button, LONG state, LONG function) {
  return Editor().PutSmartButton(button, state, function);
}

HRESULT DPMDeviceSettings::get_RecordingProfile(LONG profile, IDPMRecordingProfile** value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  if (m_holder->model->dpm4.recordingProfiles == 0) return dpmCtrlNotSupported;
  if (profile < 0 || profile >= m_holder->model->dpm4.recordingProfiles) return E_INVALIDARG;
  ComPtr<DPMRecordingProfile> object = MakeComObject<DPMRecordingProfile>(m_moduleObjects, m_holder, profile);
  if (!object) return E_OUTOFMEMORY;
  *value = object.Detach();
  return S_OK;
}
