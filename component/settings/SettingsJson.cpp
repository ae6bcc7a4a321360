// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/settings/SettingsJson.h"

#include "component/models/SettingInfo.h"
#include "component/settings/JsonChecks.h"
#include "component/settings/SettingsEditor.h"
#include "device/DpmResults.h"

using json_checks::Json;

namespace {

constexpr const char* kFormatName = "quorvel-recorder-settings";

Json ScalarsToJson(const RecorderSettings& settings) {
  Json scalars = Json::object();
  for (const SettingInfo& info : AllSettingInfos()) {
    switch (info.kind) {
      case SettingKind::Number: scalars[info.name] = settings.Number(info.id); break;
      case SettingKind::Flag: scalars[info.name] = settings.Number(info.id) != 0; break;
      case SettingKind::Text: scalars[info.name] = Utf8FromUtf16(settings.Text(info.id)); break;
    }
  }
  return scalars;
}

Json KeywordsToJson(const RecorderSettings& settings) {
  Json keywords = Json::array();
  for (const KeywordEntry& keyword : settings.keywords) {
    Json values = Json::array();
    for (const std::u16string& value : keyword.values) values.push_back(Utf8FromUtf16(value));
    keywords.push_back({{"name", Utf8FromUtf16(keyword.name)},
                        {"barcodeScan", keyword.barcodeScan},
                        {"voiceCommand", keyword.voiceCommand},
                        {"mandatory", keyword.mandatory},
                        {"values", std::move(values)}});
  }
  return keywords;
}

Json Dpm4ToJson(const Dpm4Record& record) {
  Json profiles = Json::array();
  for (const RecordingProfileEntry& p : record.profiles)
    profiles.push_back({{"audioQuality", p.audioQuality},
                        {"micSensitivity", p.micSensitivity},
                        {"micDirection", {p.micDirection[0], p.micDirection[1]}}});
  return {{"smartButtons", record.smartButtons},
          {"displayAreas", record.displayAreas},
          {"recordingProfiles", std::move(profiles)}};
}

template <size_t N>
bool ReadLongArray(const Json& j, std::array<LONG, N>* out) {
  if (!j.is_array() || j.size() != N) return false;
  for (size_t i = 0; i < N; ++i)
    if (!json_checks::GetLong(j[i], &(*out)[i])) return false;
  return true;
}

bool ReadScalars(const Json& j, RecorderSettings* settings) {
  if (!j.is_object() || j.size() != AllSettingInfos().size()) return false;
  for (const SettingInfo& info : AllSettingInfos()) {
    auto it = j.find(info.name);
    if (it == j.end()) return false;
    bool flag = false;
    switch (info.kind) {
      case SettingKind::Number:
        if (!json_checks::GetLong(*it, &settings->Number(info.id))) return false;
        break;
      case SettingKind::Flag:
        if (!json_checks::GetBool(*it, &flag)) return false;
        settings->Number(info.id) = flag;
        break;
      case SettingKind::Text:
        if (!json_checks::GetText(*it, &settings->Text(info.id))) return false;
        break;
    }
  }
  return true;
}

bool ReadKeyword(const Json& j, size_t rows, KeywordEntry* keyword) {
  if (!json_checks::HasExactly(j, {"name", "barcodeScan", "voiceCommand", "mandatory", "values"})) return false;
  if (!json_checks::GetText(j["name"], &keyword->name) || !json_checks::GetBool(j["barcodeScan"], &keyword->barcodeScan) ||
      !json_checks::GetBool(j["voiceCommand"], &keyword->voiceCommand) ||
      !json_checks::GetBool(j["mandatory"], &keyword->mandatory))
    return false;
  const Json& values = j["values"];
  if (!values.is_array() || values.size() != rows) return false;
  keyword->values.resize(rows);
  for (size_t r = 0; r < rows; ++r)
    if (!json_checks::GetText(values[r], &keyword->values[r])) return false;
  return true;
}

bool ReadKeywords(const Json& j, const RecorderModel& model, RecorderSettings* settings) {
  if (!j.is_array() || j.size() != static_cast<size_t>(model.keywordCount)) return false;
  for (size_t k = 0; k < j.size(); ++k)
    if (!ReadKeyword(j[k], static_cast<size_t>(model.keywordRows), &settings->keywords[k])) return false;
  return true;
}

bool ReadDpm4(const Json& j, Dpm4Record* record) {
  if (!json_checks::HasExactly(j, {"smartButtons", "displayAreas", "recordingProfiles"})) return false;
  const Json& buttons = j["smartButtons"];
  if (!buttons.is_array() || buttons.size() != record->smartButtons.size()) return false;
  for (size_t b = 0; b < buttons.size(); ++b)
    if (!ReadLongArray(buttons[b], &record->smartButtons[b])) return false;
  if (!ReadLongArray(j["displayAreas"], &record->displayAreas)) return false;
  const Json& profiles = j["recordingProfiles"];
  if (!profiles.is_array() || profiles.size() != record->profiles.size()) return false;
  for (size_t p = 0; p < profiles.size(); ++p) {
    const Json& profile = profiles[p];
    RecordingProfileEntry& entry = record->profiles[p];
    if (!json_checks::HasExactly(profile, {"audioQuality", "micSensitivity", "micDirection"})) return false;
    if (!json_checks::GetLong(profile["audioQuality"], &entry.audioQuality) ||
        !json_checks::GetLong(profile["micSensitivity"], &entry.micSensitivity) ||
        !ReadLongArray(profile["micDirection"], &entry.micDirection))
      return false;
  }
  return true;
}

const RecorderModel* ReadHeader(const Json& doc) {
  if (!json_checks::HasExactly(doc, {"format", "formatVersion", "deviceType", "deviceName", "identity", "settings",
                                     "keywords", "dpm4"}))
    return nullptr;
  std::string format, name;
  LONG version = 0, type = 0;
  if (!json_checks::GetString(doc["format"], &format) || format != kFormatName) return nullptr;
  if (!json_checks::GetLong(doc["formatVersion"], &version) || version != kSettingsFormatVersion) return nullptr;
  if (!json_checks::GetLong(doc["deviceType"], &type) || !json_checks::GetString(doc["deviceName"], &name))
    return nullptr;
  const RecorderModel* model = FindRecorderModel(type);
  if (!model || name != model->name) return nullptr;
  return model;
}

}  // namespace

std::string SettingsToJson(const RecorderSettings& settings) {
  const RecorderModel* model = FindRecorderModel(settings.deviceType);
  Json doc = {{"format", kFormatName},
              {"formatVersion", kSettingsFormatVersion},
              {"deviceType", settings.deviceType},
              {"deviceName", model ? model->name : ""},
              {"identity",
               {{"MACAddress", Utf8FromUtf16(settings.macAddress)},
                {"FirmwareVersion", Utf8FromUtf16(settings.firmwareVersion)}}},
              {"settings", ScalarsToJson(settings)},
              {"keywords", KeywordsToJson(settings)},
              {"dpm4", Dpm4ToJson(settings.dpm4)}};
  return json_checks::Dump(doc);
}

HRESULT SettingsFromJson(std::string_view text, RecorderSettings* out) {
  if (!out) return E_POINTER;
  if (text.size() > kMaxSettingsFileBytes) return dpmCtrlInvalidFile;
  Json doc;
  if (!json_checks::Parse(text, &doc)) return dpmCtrlInvalidFile;
  const RecorderModel* model = ReadHeader(doc);
  if (!model) return dpmCtrlInvalidFile;

  RecorderSettings settings = NeutralSettings(*model);
  const Json& identity = doc["identity"];
  if (!json_checks::HasExactly(identity, {"MACAddress", "FirmwareVersion"}) ||
      !json_checks::GetText(identity["MACAddress"], &settings.macAddress) ||
      !json_checks::GetText(identity["FirmwareVersion"], &settings.firmwareVersion))
    return dpmCtrlInvalidFile;
  if (!ReadScalars(doc["settings"], &settings) || !ReadKeywords(doc["keywords"], *model, &settings) ||
      !ReadDpm4(doc["dpm4"], &settings.dpm4))
    return dpmCtrlInvalidFile;
  if (FAILED(ValidateSettings(*model, settings))) return dpmCtrlInvalidFile;
  *out = std::move(settings);
  return S_OK;
}
