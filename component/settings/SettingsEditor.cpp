// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/settings/SettingsEditor.h"

#include "component/models/SettingInfo.h"
#include "component/models/TextRules.h"
#include "component/models/ValueCodes.h"
#include "device/DpmResults.h"

namespace {

bool InRange(LONG value, LONG min, LONG max) { return value >= min && value <= max; }

bool SameFlag(VARIANT_BOOL value, bool current) { return value == (current ? VARIANT_TRUE : VARIANT_FALSE); }

// What a model without the setting answers: writing back what it reads is no change.
HRESULT Unsupported(bool unchanged) { return unchanged ? S_OK : dpmCtrlNotSupported; }

LONG VoiceLimit(const RecorderModel& model, LONG kind) {
  return kind == dpmVoiceCommandAlphanumerics ? model.maxVoiceCommandsAlphanumeric : model.maxVoiceCommandsWord;
}

}  // namespace

HRESULT SettingsEditor::CheckFlag(VARIANT_BOOL value) const {
  return value == VARIANT_TRUE || value == VARIANT_FALSE ? S_OK : E_INVALIDARG;
}

HRESULT SettingsEditor::CheckNumberRange(Setting s, LONG value) const {
  const SettingInfo& info = InfoOf(s);
  switch (s) {
    case Setting::RecordingMode:
      return m_model.AcceptsRecordingMode(value) ? S_OK : E_INVALIDARG;
    case Setting::Appearance:
      return InRange(value, 0, m_model.displayModes - 1) ? S_OK : E_INVALIDARG;
    case Setting::UserStringCount:
      if (value < 0) return E_INVALIDARG;
      return value <= m_model.userStringMax ? S_OK : dpmCtrlMaximumReached;
    default:
      return InRange(value, info.min, info.max) ? S_OK : E_INVALIDARG;
  }
}

HRESULT SettingsEditor::PutNumber(Setting s, LONG value) {
  if (InfoOf(s).kind != SettingKind::Number) return E_INVALIDARG;
  if (!m_model.Has(s)) return Unsupported(value == m_settings.Number(s));
  if (HRESULT hr = CheckNumberRange(s, value); FAILED(hr)) return hr;
  const bool keywordsRequiredChange =
      s == Setting::RequiredInputType &&
      (value == dpmRequiredInputKeywords) != (m_settings.Number(s) == dpmRequiredInputKeywords);
  m_settings.Number(s) = value;
  // Only a switch to or from "keywords" moves the mandatory flags; others keep the ones chosen.
  if (keywordsRequiredChange)
    for (KeywordEntry& keyword : m_settings.keywords) SetMandatoryFromRules(keyword);
  return S_OK;
}

HRESULT SettingsEditor::PutNumberAt(Setting s, LONG index, LONG value) {
  if (!InfoOf(s).indexed) return E_INVALIDARG;
  if (!m_model.Has(s)) return Unsupported(index == 0 && value == m_settings.Number(s));
  if (index != 0) return E_INVALIDARG;
  if (HRESULT hr = CheckNumberRange(s, value); FAILED(hr)) return hr;
  if (s == Setting::VoiceCommandType && VoiceCommandCount() > VoiceLimit(m_model, value)) return dpmCtrlMaximumReached;
  m_settings.Number(s) = value;
  return S_OK;
}

HRESULT SettingsEditor::PutFlag(Setting s, VARIANT_BOOL value) {
  if (InfoOf(s).kind != SettingKind::Flag) return E_INVALIDARG;
  if (!m_model.Has(s)) return Unsupported(SameFlag(value, m_settings.Number(s) != 0));
  if (HRESULT hr = CheckFlag(value); FAILED(hr)) return hr;
  const bool on = value == VARIANT_TRUE;
  if (s == Setting::ScanKeywordsFromBarcode) {
    if (on == (m_settings.Number(s) != 0)) return S_OK;  // as it is: the keywords' own flags stay
    if (on && VoiceCommandCount() > 0) return dpmCtrlKwSetToVoiceCommand;
    m_settings.Number(s) = on;
    for (KeywordEntry& keyword : m_settings.keywords) {
      keyword.barcodeScan = on;
      SetMandatoryFromRules(keyword);
    }
    return S_OK;
  }
  if (s == Setting::LinkKeywords && on) {
    for (LONG row = 0; row < m_model.keywordRows; ++row)
      if (!LinksHold(-1, row, {})) return dpmCtrlKeywordsLinked;
  }
  m_settings.Number(s) = on;
  return S_OK;
}

HRESULT SettingsEditor::PutText(Setting s, std::u16string_view text) {
  if (InfoOf(s).kind != SettingKind::Text) return E_INVALIDARG;
  if (!m_model.Has(s)) return Unsupported(text == m_settings.Text(s));
  HRESULT hr = s == Setting::FileNamePrefixString ? CheckPrefixText(text, m_model.limits.prefix)
                                                  : CheckDisplayText(m_model, text, m_model.limits.keywordValue);
  if (FAILED(hr)) return hr;
  m_settings.Text(s) = text;
  return S_OK;
}

HRESULT SettingsEditor::CheckKeyword(LONG keyword) const {
  return InRange(keyword, 0, m_model.keywordCount - 1) ? S_OK : E_INVALIDARG;
}

HRESULT SettingsEditor::CheckRow(LONG row) const {
  return InRange(row, 0, m_model.keywordRows - 1) ? S_OK : E_INVALIDARG;
}

HRESULT SettingsEditor::PutKeywordName(LONG keyword, std::u16string_view text) {
  if (m_model.keywordCount == 0) return dpmCtrlNotSupported;
  if (HRESULT hr = CheckKeyword(keyword); FAILED(hr)) return hr;
  if (m_model.keywordsReadOnly) return Unsupported(text == m_settings.keywords[static_cast<size_t>(keyword)].name);
  if (HRESULT hr = CheckDisplayText(m_model, text, m_model.limits.keywordName); FAILED(hr)) return hr;
  m_settings.keywords[static_cast<size_t>(keyword)].name = text;
  return S_OK;
}

HRESULT SettingsEditor::PutKeywordValue(LONG keyword, LONG row, std::u16string_view text) {
  if (m_model.keywordCount == 0) return dpmCtrlNotSupported;
  if (HRESULT hr = CheckKeyword(keyword); FAILED(hr)) return hr;
  if (HRESULT hr = CheckRow(row); FAILED(hr)) return hr;
  if (HRESULT hr = CheckDisplayText(m_model, text, m_model.limits.keywordValue); FAILED(hr)) return hr;
  if (m_settings.Number(Setting::LinkKeywords) && !LinksHold(keyword, row, text)) return dpmCtrlKeywordsLinked;
  m_settings.keywords[static_cast<size_t>(keyword)].values[static_cast<size_t>(row)] = text;
  return S_OK;
}

KeywordEntry* SettingsEditor::KeywordFlagChange(LONG keyword, VARIANT_BOOL value, bool KeywordEntry::*flag,
                                                bool capable, HRESULT* hr) {
  *hr = CheckKeyword(keyword);
  if (SUCCEEDED(*hr)) *hr = CheckFlag(value);
  if (FAILED(*hr)) return nullptr;
  KeywordEntry& entry = m_settings.keywords[static_cast<size_t>(keyword)];
  if ((value == VARIANT_TRUE) == entry.*flag) return nullptr;  // no change: S_OK
  if (!capable) {
    *hr = dpmCtrlNotSupported;
    return nullptr;
  }
  return &entry;
}

HRESULT SettingsEditor::PutKeywordBarcodeScan(LONG keyword, VARIANT_BOOL value) {
  HRESULT hr = S_OK;
  KeywordEntry* changing = KeywordFlagChange(keyword, value, &KeywordEntry::barcodeScan, m_model.keywordBarcodeScan, &hr);
  if (!changing) return hr;
  KeywordEntry& entry = *changing;
  const bool on = value == VARIANT_TRUE;
  if (on && entry.voiceCommand) return dpmCtrlKwSetToVoiceCommand;
  if (!on && m_settings.Number(Setting::ScanKeywordsFromBarcode)) return dpmCtrlKwSetToBarcode;
  entry.barcodeScan = on;
  SetMandatoryFromRules(entry);
  return S_OK;
}

HRESULT SettingsEditor::PutKeywordVoiceCommand(LONG keyword, VARIANT_BOOL value) {
  HRESULT hr = S_OK;
  KeywordEntry* changing = KeywordFlagChange(keyword, value, &KeywordEntry::voiceCommand, m_model.keywordVoiceCommand, &hr);
  if (!changing) return hr;
  KeywordEntry& entry = *changing;
  const bool on = value == VARIANT_TRUE;
  if (on && (entry.barcodeScan || m_settings.Number(Setting::ScanKeywordsFromBarcode)))
    return dpmCtrlKwSetToBarcode;
  if (on && VoiceCommandCount() >= VoiceLimit(m_model, m_settings.Number(Setting::VoiceCommandType)))
    return dpmCtrlMaximumReached;
  entry.voiceCommand = on;
  SetMandatoryFromRules(entry);
  return S_OK;
}

HRESULT SettingsEditor::PutKeywordMandatory(LONG keyword, VARIANT_BOOL value) {
  HRESULT hr = S_OK;
  KeywordEntry* changing = KeywordFlagChange(keyword, value, &KeywordEntry::mandatory, m_model.keywordMandatory, &hr);
  if (!changing) return hr;
  KeywordEntry& entry = *changing;
  const bool on = value == VARIANT_TRUE;
  if (!on && entry.barcodeScan) return dpmCtrlKwSetToBarcode;
  if (!on && entry.voiceCommand) return dpmCtrlKwSetToVoiceCommand;
  if (!on && RequiresAllKeywords()) return E_INVALIDARG;
  entry.mandatory = on;
  return S_OK;
}

HRESULT SettingsEditor::CheckSmartButtonIndex(LONG button, LONG state) {
  return InRange(button, 0, kDpmSmartButtons - 1) && InRange(state, 0, kDpmRecorderStates - 1) ? S_OK : E_INVALIDARG;
}

HRESULT SettingsEditor::CheckDisplayAreaIndex(LONG area) {
  return InRange(area, 1, kDpmDisplayAreas) ? S_OK : E_INVALIDARG;
}

HRESULT SettingsEditor::PutSmartButton(LONG button, LONG state, LONG function) {
  if (m_model.dpm4.smartButtons == 0) return dpmCtrlNotSupported;
  if (!InRange(button, 0, m_model.dpm4.smartButtons - 1) || !InRange(state, 0, kDpmRecorderStates - 1))
    return E_INVALIDARG;
  if (!SmartButtonFunctionValid(function)) return E_INVALIDARG;
  m_settings.dpm4.smartButtons[static_cast<size_t>(button)][static_cast<size_t>(state)] = function;
  return S_OK;
}

HRESULT SettingsEditor::PutDisplayArea(LONG area, LONG code) {
  if (m_model.dpm4.displayAreas == 0) return dpmCtrlNotSupported;
  if (!InRange(area, 1, m_model.dpm4.displayAreas) || !DisplayContentValid(code)) return E_INVALIDARG;
  m_settings.dpm4.displayAreas[static_cast<size_t>(area - 1)] = code;
  return S_OK;
}

HRESULT SettingsEditor::CheckProfile(LONG profile) const {
  if (m_model.dpm4.recordingProfiles == 0) return dpmCtrlNotSupported;
  return InRange(profile, 0, m_model.dpm4.recordingProfiles - 1) ? S_OK : E_INVALIDARG;
}

HRESULT SettingsEditor::PutProfileAudioQuality(LONG profile, LONG value) {
  if (HRESULT hr = CheckProfile(profile); FAILED(hr)) return hr;
  if (!m_model.AcceptsAudioQuality(value)) return E_INVALIDARG;
  m_settings.dpm4.profiles[static_cast<size_t>(profile)].audioQuality = value;
  return S_OK;
}

HRESULT SettingsEditor::PutProfileMicSensitivity(LONG profile, LONG value) {
  if (HRESULT hr = CheckProfile(profile); FAILED(hr)) return hr;
  if (!SensitivityValid(value)) return E_INVALIDARG;
  m_settings.dpm4.profiles[static_cast<size_t>(profile)].micSensitivity = value;
  return S_OK;
}

HRESULT SettingsEditor::PutProfileMicDirection(LONG profile, LONG position, LONG value) {
  if (HRESULT hr = CheckProfile(profile); FAILED(hr)) return hr;
  if (!DevicePositionValid(position) || !MicDirectionValid(value)) return E_INVALIDARG;
  m_settings.dpm4.profiles[static_cast<size_t>(profile)].micDirection[static_cast<size_t>(position)] = value;
  return S_OK;
}

int SettingsEditor::VoiceCommandCount() const {
  int count = 0;
  for (const KeywordEntry& keyword : m_settings.keywords) count += keyword.voiceCommand ? 1 : 0;
  return count;
}

bool SettingsEditor::RequiresAllKeywords() const {
  return m_settings.Number(Setting::RequiredInputType) == dpmRequiredInputKeywords;
}

// Whether the link rule holds for `row` once keyword `keyword` holds `text` there (keyword -1: as is).
bool SettingsEditor::LinksHold(LONG keyword, LONG row, std::u16string_view text) const {
  auto valueOf = [&](size_t k) -> std::u16string_view {
    if (static_cast<LONG>(k) == keyword) return text;
    return m_settings.keywords[k].values[static_cast<size_t>(row)];
  };
  if (m_settings.keywords.empty() || !valueOf(0).empty()) return true;
  for (size_t k = 1; k < m_settings.keywords.size(); ++k)
    if (!valueOf(k).empty()) return false;
  return true;
}

void SettingsEditor::SetMandatoryFromRules(KeywordEntry& keyword) const {
  if (!m_model.keywordMandatory) return;
  keyword.mandatory = keyword.barcodeScan || keyword.voiceCommand || RequiresAllKeywords();
}
