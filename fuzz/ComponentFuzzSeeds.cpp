// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/ComponentFuzzSeeds.h"

#include <algorithm>

#include "component/recorders/RecorderRequest.h"
#include "component/recorders/RecorderState.h"
#include "component/settings/SettingsJson.h"

namespace {

constexpr std::size_t kSmallestLimit = 4096;

// A model's factory settings with every kind of value moved off its default.
RecorderSettings Edited(const RecorderModel& model) {
  RecorderSettings s = FactorySettings(model);
  s.Text(Setting::FileNamePrefixString) = u"AB_1";
  s.Number(Setting::FileCounter) = 4711;
  s.keywords.back().name = u"Client";
  s.keywords.back().values.back() = u"last \"row\"";
  s.macAddress = u"00:0E:18:01:02:03";
  if (model.IsDpm4()) {
    s.dpm4.smartButtons[2][4] = 17;
    s.dpm4.displayAreas[3] = 8;
    s.dpm4.profiles[1] = {6, 2, {1, 0}};
  }
  return s;
}

std::vector<FuzzSeed> SettingsSeeds() {
  std::vector<FuzzSeed> seeds;
  for (const RecorderModel& model : AllRecorderModels()) {
    seeds.push_back({std::string(model.name) + "-factory.json", SettingsToJson(FactorySettings(model))});
    seeds.push_back({std::string(model.name) + "-edited.json", SettingsToJson(Edited(model))});
  }
  return seeds;
}

std::vector<FuzzSeed> IdentitySeeds() {
  std::vector<FuzzSeed> seeds;
  for (const RecorderModel& model : AllRecorderModels()) {
    RecorderIdentity identity{model.type, "00C0FFEE", "00:0E:18:00:00:01", model.IsDpm4() ? "4.2.17" : "2.1.9",
                              "Orvane", 1000 + model.type * 10};
    seeds.push_back({std::string(model.name) + ".json", IdentityToJson(identity)});
  }
  return seeds;
}

std::vector<FuzzSeed> StateSeeds() {
  RecorderState fresh;
  fresh.clockOffsetSeconds = -(3 * 3600 + 17 * 60 + 42);
  fresh.salt = "00112233445566778899aabbccddeeff";
  RecorderState used = fresh;
  used.clockOffsetSeconds = 0;
  used.leds = {1, 3};
  used.lastButton = 29;
  used.welcomeScreen = "welcome.bmp";
  used.displayImage = "display.bmp";
  used.barcodeScanner = true;
  used.barcodeLayout = 0x0407;
  for (std::size_t i = 0; i < used.barcodePrefix.size(); ++i) {
    used.barcodePrefix[i] = {static_cast<LONG>(i), 255};
    used.barcodePostfix[i] = {2, static_cast<LONG>(100 + i)};
  }
  used.pukHash = "$argon2id$v=19$m=65536,t=2,p=1$c2FsdHNhbHRzYWx0c2FsdA$aGFzaGhhc2hoYXNoaGFzaGhhc2hoYXNoaGFzaGhhc2g";
  used.pinHash = std::string(64, 'a');
  used.passwordHash = std::string(64, 'b');
  return {{"fresh.json", StateToJson(fresh)}, {"used.json", StateToJson(used)}};
}

std::vector<FuzzSeed> RequestSeeds() {
  using Kind = RecorderRequest::Kind;
  return {{"press.json", RequestToJson({Kind::Button, 4, "", false})},
          {"release.json", RequestToJson({Kind::Button, 29, "", false})},
          {"barcode.json", RequestToJson({Kind::Barcode, 0, "4711-ABC", false})},
          {"attach.json", RequestToJson({Kind::Scanner, 0, "", true})},
          {"detach.json", RequestToJson({Kind::Scanner, 0, "", false})}};
}

}  // namespace

const char* FuzzedParserName(FuzzedParser parser) {
  switch (parser) {
    case FuzzedParser::Settings: return "settings";
    case FuzzedParser::Identity: return "identity";
    case FuzzedParser::State: return "state";
    case FuzzedParser::Request: return "request";
  }
  return "";
}

std::vector<FuzzSeed> ComponentFuzzSeeds(FuzzedParser parser) {
  switch (parser) {
    case FuzzedParser::Settings: return SettingsSeeds();
    case FuzzedParser::Identity: return IdentitySeeds();
    case FuzzedParser::State: return StateSeeds();
    case FuzzedParser::Request: return RequestSeeds();
  }
  return {};
}

std::size_t FuzzMaxLength(const std::vector<FuzzSeed>& seeds) {
  std::size_t largest = 0;
  for (const FuzzSeed& seed : seeds) largest = std::max(largest, seed.text.size());
  return std::max(kSmallestLimit, 2 * largest);
}
