// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/models/RecorderModel.h"
#include "component/recorders/RecorderState.h"
#include "component/settings/JsonChecks.h"
#include "device/DpmResults.h"

using json_checks::Json;

namespace {

constexpr size_t kMaxStateBytes = 64 * 1024;
constexpr size_t kMaxText = 256;

bool GetShortString(const Json& j, std::string* out) {
  return json_checks::GetString(j, out) && out->size() <= kMaxText;
}

// A name inside the recorder folder, never a path out of it.
bool PlainFileName(const std::string& name) {
  return name.find('/') == std::string::npos && name != "." && name != "..";
}

Json PairsToJson(const KeyPairs& pairs) {
  Json out = Json::array();
  for (const auto& pair : pairs) out.push_back({pair[0], pair[1]});
  return out;
}

bool PairsFromJson(const Json& j, KeyPairs* pairs) {
  if (!j.is_array() || j.size() != pairs->size()) return false;
  for (size_t i = 0; i < pairs->size(); ++i) {
    const Json& pair = j[i];
    if (!pair.is_array() || pair.size() != 2) return false;
    if (!json_checks::GetLong(pair[0], &(*pairs)[i][0]) || !json_checks::GetLong(pair[1], &(*pairs)[i][1]))
      return false;
  }
  return true;
}

bool HeaderFine(const Json& doc, const char* format) {
  std::string name;
  LONG version = 0;
  return json_checks::GetString(doc["format"], &name) && name == format &&
         json_checks::GetLong(doc["formatVersion"], &version) && version == 1;
}

}  // namespace

std::string IdentityToJson(const RecorderIdentity& identity) {
  const RecorderModel* model = FindRecorderModel(identity.deviceType);
  Json doc = {{"format", "quorvel-recorder-identity"}, {"formatVersion", 1},
              {"deviceType", identity.deviceType},     {"deviceName", model ? model->name : ""},
              {"serialNumber", identity.serialNumber}, {"MACAddress", identity.macAddress},
              {"FirmwareVersion", identity.firmwareVersion}, {"OEMString", identity.oemString},
              {"BuildNumber", identity.buildNumber}};
  return json_checks::Dump(doc);
}

HRESULT IdentityFromJson(std::string_view text, RecorderIdentity* out) {
  if (!out) return E_POINTER;
  Json doc;
  if (text.size() > kMaxStateBytes || !json_checks::Parse(text, &doc)) return dpmCtrlInvalidFile;
  if (!json_checks::HasExactly(doc, {"format", "formatVersion", "deviceType", "deviceName", "serialNumber",
                                     "MACAddress", "FirmwareVersion", "OEMString", "BuildNumber"}) ||
      !HeaderFine(doc, "quorvel-recorder-identity"))
    return dpmCtrlInvalidFile;
  RecorderIdentity identity;
  std::string name;
  if (!json_checks::GetLong(doc["deviceType"], &identity.deviceType) || !GetShortString(doc["deviceName"], &name) ||
      !GetShortString(doc["serialNumber"], &identity.serialNumber) ||
      !GetShortString(doc["MACAddress"], &identity.macAddress) ||
      !GetShortString(doc["FirmwareVersion"], &identity.firmwareVersion) ||
      !GetShortString(doc["OEMString"], &identity.oemString) ||
      !json_checks::GetLong(doc["BuildNumber"], &identity.buildNumber))
    return dpmCtrlInvalidFile;
  const RecorderModel* model = FindRecorderModel(identity.deviceType);
  if (!model || name != model->name || identity.serialNumber.empty()) return dpmCtrlInvalidFile;
  *out = std::move(identity);
  return S_OK;
}

std::string StateToJson(const RecorderState& state) {
  Json doc = {{"format", "quorvel-recorder-state"},
              {"formatVersion", 1},
              {"clockOffsetSeconds", state.clockOffsetSeconds},
              {"leds", state.leds},
              {"lastButton", state.lastButton},
              {"welcomeScreen", state.welcomeScreen},
              {"displayImage", state.displayImage},
              {"barcodeScanner", state.barcodeScanner},
              {"barcodeLayout",
               {{"layout", state.barcodeLayout},
                {"prefix", PairsToJson(state.barcodePrefix)},
                {"postfix", PairsToJson(state.barcodePostfix)}}},
              {"security",
               {{"salt", state.salt}, {"puk", state.pukHash}, {"pin", state.pinHash}, {"password", state.passwordHash}}}};
  return json_checks::Dump(doc);
}

HRESULT StateFromJson(std::string_view text, RecorderState* out) {
  if (!out) return E_POINTER;
  Json doc;
  if (text.size() > kMaxStateBytes || !json_checks::Parse(text, &doc)) return dpmCtrlInvalidFile;
  if (!json_checks::HasExactly(doc, {"format", "formatVersion", "clockOffsetSeconds", "leds", "lastButton",
                                     "welcomeScreen", "displayImage", "barcodeScanner", "barcodeLayout",
                                     "security"}) ||
      !HeaderFine(doc, "quorvel-recorder-state"))
    return dpmCtrlInvalidFile;
  RecorderState state;
  constexpr std::int64_t kHundredYears = 100LL * 366 * 24 * 3600;
  if (!json_checks::GetInt64(doc["clockOffsetSeconds"], &state.clockOffsetSeconds) ||
      state.clockOffsetSeconds < -kHundredYears || state.clockOffsetSeconds > kHundredYears)
    return dpmCtrlInvalidFile;
  const Json& leds = doc["leds"];
  if (!leds.is_array() || leds.size() != 2 || !json_checks::GetLong(leds[0], &state.leds[0]) ||
      !json_checks::GetLong(leds[1], &state.leds[1]) || !json_checks::GetLong(doc["lastButton"], &state.lastButton) ||
      !GetShortString(doc["welcomeScreen"], &state.welcomeScreen) ||
      !GetShortString(doc["displayImage"], &state.displayImage) ||
      !json_checks::GetBool(doc["barcodeScanner"], &state.barcodeScanner))
    return dpmCtrlInvalidFile;
  for (LONG led : state.leds)
    if (led < 0 || led > 3) return dpmCtrlInvalidFile;
  if (!PlainFileName(state.welcomeScreen) || !PlainFileName(state.displayImage)) return dpmCtrlInvalidFile;
  const Json& layout = doc["barcodeLayout"];
  if (!json_checks::HasExactly(layout, {"layout", "prefix", "postfix"}) ||
      !json_checks::GetLong(layout["layout"], &state.barcodeLayout) ||
      !PairsFromJson(layout["prefix"], &state.barcodePrefix) || !PairsFromJson(layout["postfix"], &state.barcodePostfix))
    return dpmCtrlInvalidFile;
  const Json& security = doc["security"];
  if (!json_checks::HasExactly(security, {"salt", "puk", "pin", "password"}) ||
      !GetShortString(security["salt"], &state.salt) || !GetShortString(security["puk"], &state.pukHash) ||
      !GetShortString(security["pin"], &state.pinHash) || !GetShortString(security["password"], &state.passwordHash))
    return dpmCtrlInvalidFile;
  *out = std::move(state);
  return S_OK;
}
