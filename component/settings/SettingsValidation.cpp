// SPDX-License-Identifier: GPL-3.0-or-later
// ValidateSettings: the whole-record form of SettingsEditor's rules, for settings files and the
// settings committed in a recorder folder.
#include "component/models/SettingInfo.h"
#include "component/models/TextRules.h"
#include "component/models/ValueCodes.h"
#include "component/settings/SettingsEditor.h"
#include "device/DpmResults.h"

namespace {

constexpr int kIdentityTextMax = 32;

HRESULT CheckScalar(const RecorderModel& model, const RecorderSettings& settings, const SettingsEditor& rules,
                    const SettingInfo& info) {
  const LONG number = settings.Number(info.id);
  const std::u16string& text = settings.Text(info.id);
  if (info.kind != SettingKind::Text && !text.empty()) return dpmCtrlInvalidFile;
  if (info.kind == SettingKind::Text && number != 0) return dpmCtrlInvalidFile;
  if (!model.Has(info.id)) return number == 0 && text.empty() ? S_OK : dpmCtrlNotSupported;
  switch (info.kind) {
    case SettingKind::Number:
      return rules.CheckNumberRange(info.id, number);
    case SettingKind::Flag:
      return number == 0 || number == 1 ? S_OK : E_INVALIDARG;
    case SettingKind::Text:
      return info.id == Setting::FileNamePrefixString ? CheckPrefixText(text, model.limits.prefix)
                                                      : CheckDisplayText(model, text, model.limits.keywordValue);
  }
  return E_INVALIDARG;
}

HRESULT CheckKeywordTexts(const RecorderModel& model, const KeywordEntry& keyword) {
  if (HRESULT hr = CheckDisplayText(model, keyword.name, model.limits.keywordName); FAILED(hr)) return hr;
  for (const std::u16string& value : keyword.values)
    if (HRESULT hr = CheckDisplayText(model, value, model.limits.keywordValue); FAILED(hr)) return hr;
  return S_OK;
}

HRESULT CheckKeywordFlags(const RecorderModel& model, const RecorderSettings& settings, const KeywordEntry& keyword) {
  if (keyword.barcodeScan && !model.keywordBarcodeScan) return dpmCtrlNotSupported;
  if (keyword.voiceCommand && !model.keywordVoiceCommand) return dpmCtrlNotSupported;
  if (keyword.mandatory && !model.keywordMandatory) return dpmCtrlNotSupported;
  if (keyword.barcodeScan && keyword.voiceCommand) return dpmCtrlKwSetToBarcode;
  const bool scanAll = settings.Number(Setting::ScanKeywordsFromBarcode) != 0;
  if (scanAll && keyword.voiceCommand) return dpmCtrlKwSetToVoiceCommand;
  if (scanAll && !keyword.barcodeScan) return dpmCtrlKwSetToBarcode;
  if (model.keywordMandatory && !keyword.mandatory) {
    if (keyword.barcodeScan) return dpmCtrlKwSetToBarcode;
    if (keyword.voiceCommand) return dpmCtrlKwSetToVoiceCommand;
    if (settings.Number(Setting::RequiredInputType) == dpmRequiredInputKeywords) return E_INVALIDARG;
  }
  return S_OK;
}

HRESULT CheckKeywords(const RecorderModel& model, const RecorderSettings& settings, const SettingsEditor& rules) {
  int voiceCommands = 0;
  for (const KeywordEntry& keyword : settings.keywords) {
    if (HRESULT hr = CheckKeywordTexts(model, keyword); FAILED(hr)) return hr;
    if (HRESULT hr = CheckKeywordFlags(model, settings, keyword); FAILED(hr)) return hr;
    voiceCommands += keyword.voiceCommand ? 1 : 0;
  }
  const LONG kind = settings.Number(Setting::VoiceCommandType);
  const LONG limit = kind == dpmVoiceCommandAlphanumerics ? model.maxVoiceCommandsAlphanumeric : model.maxVoiceCommandsWord;
  if (voiceCommands > limit) return dpmCtrlMaximumReached;
  if (settings.Number(Setting::LinkKeywords))
    for (LONG row = 0; row < model.keywordRows; ++row)
      if (!rules.LinksHold(-1, row, {})) return dpmCtrlKeywordsLinked;
  return S_OK;
}

// Entries beyond what the model has must stay neutral (0).
HRESULT CheckDpm4(const RecorderModel& model, const Dpm4Record& record) {
  for (size_t b = 0; b < record.smartButtons.size(); ++b)
    for (LONG function : record.smartButtons[b]) {
      if (b >= static_cast<size_t>(model.dpm4.smartButtons)) {
        if (function != 0) return dpmCtrlNotSupported;
      } else if (!SmartButtonFunctionValid(function)) {
        return E_INVALIDARG;
      }
    }
  for (size_t a = 0; a < record.displayAreas.size(); ++a) {
    if (a >= static_cast<size_t>(model.dpm4.displayAreas)) {
      if (record.displayAreas[a] != 0) return dpmCtrlNotSupported;
    } else if (!DisplayContentValid(record.displayAreas[a])) {
      return E_INVALIDARG;
    }
  }
  for (size_t p = 0; p < record.profiles.size(); ++p) {
    const RecordingProfileEntry& profile = record.profiles[p];
    if (p >= static_cast<size_t>(model.dpm4.recordingProfiles)) {
      if (!(profile == RecordingProfileEntry{})) return dpmCtrlNotSupported;
      continue;
    }
    if (!model.AcceptsAudioQuality(profile.audioQuality) || !SensitivityValid(profile.micSensitivity) ||
        !MicDirectionValid(profile.micDirection[dpmPositionDesktop]) ||
        !MicDirectionValid(profile.micDirection[dpmPositionHandHeld]))
      return E_INVALIDARG;
  }
  return S_OK;
}

bool IdentityTextFine(const std::u16string& text) {
  if (text.size() > kIdentityTextMax) return false;
  for (char16_t c : text)
    if (c < 0x20 || c > 0x7E) return false;
  return true;
}

}  // namespace

HRESULT ValidateSettings(const RecorderModel& model, const RecorderSettings& settings) {
  if (settings.deviceType != model.type) return dpmCtrlInvalidFile;
  if (settings.keywords.size() != static_cast<size_t>(model.keywordCount)) return dpmCtrlInvalidFile;
  for (const KeywordEntry& keyword : settings.keywords)
    if (keyword.values.size() != static_cast<size_t>(model.keywordRows)) return dpmCtrlInvalidFile;
  if (!IdentityTextFine(settings.macAddress) || !IdentityTextFine(settings.firmwareVersion))
    return dpmCtrlInvalidFile;

  RecorderSettings scratch = settings;  // the editor's checks read through it; nothing is changed
  const SettingsEditor rules(model, scratch);
  for (const SettingInfo& info : AllSettingInfos())
    if (HRESULT hr = CheckScalar(model, settings, rules, info); FAILED(hr)) return hr;
  if (HRESULT hr = CheckKeywords(model, settings, rules); FAILED(hr)) return hr;
  return CheckDpm4(model, settings.dpm4);
}
