// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file format and the recorder-state files: round trips, and strict refusal of damaged
// or hostile text.
#include <gtest/gtest.h>

#include <ostream>

#include <nlohmann/json.hpp>

#include "component/recorders/RecorderRequest.h"
#include "component/recorders/RecorderState.h"
#include "component/settings/SettingsEditor.h"
#include "component/settings/SettingsJson.h"
#include "device/DpmResults.h"

namespace {

using nlohmann::json;

RecorderSettings Edited(const RecorderModel& model) {
  RecorderSettings s = FactorySettings(model);
  s.Text(Setting::FileNamePrefixString) = u"AB_1";
  s.Number(Setting::FileCounter) = 4711;
  s.keywords.back().name = model.charset == DisplayCharset::Latin1 ? u"Gr\u00FC\u00DFe" : u"Greetings";
  s.keywords.back().values.back() = u"last \"row\"";
  s.macAddress = u"00:0E:18:01:02:03";
  if (model.IsDpm4()) {
    s.dpm4.smartButtons[2][4] = 17;
    s.dpm4.displayAreas[3] = 8;
    s.dpm4.profiles[1] = {6, 2, {1, 0}};
  }
  return s;
}

TEST(SettingsJson, EveryModelRoundTrips) {
  for (const RecorderModel& model : AllRecorderModels()) {
    SCOPED_TRACE(model.name);
    const RecorderSettings original = Edited(model);
    ASSERT_EQ(ValidateSettings(model, original), S_OK);
    RecorderSettings read;
    ASSERT_EQ(SettingsFromJson(SettingsToJson(original), &read), S_OK);
    EXPECT_EQ(read, original);
  }
}

TEST(SettingsJson, IsReadableJsonWithItsHeader) {
  const json doc = json::parse(SettingsToJson(FactorySettings(*FindRecorderModel(27))));
  EXPECT_EQ(doc["format"], "quorvel-recorder-settings");
  EXPECT_EQ(doc["formatVersion"], 1);
  EXPECT_EQ(doc["deviceName"], "DPM4_8200");
  EXPECT_EQ(doc["settings"]["DeviceBeep"], true);
  EXPECT_EQ(doc["keywords"][0]["name"], "Author");
  EXPECT_EQ(doc["dpm4"]["recordingProfiles"].size(), 4u);
}

struct BadFile {
  const char* what;
  std::function<std::string(json&)> make;  // edits the document, or returns a text of its own
};

// Test names and messages show the row, not its bytes.
void PrintTo(const BadFile& row, std::ostream* out) { *out << row.what; }

class SettingsJsonRefusal : public ::testing::TestWithParam<BadFile> {};

TEST_P(SettingsJsonRefusal, IsInvalidFileAndLeavesTheTargetAlone) {
  json doc = json::parse(SettingsToJson(FactorySettings(*FindRecorderModel(27))));
  std::string text = GetParam().make(doc);
  if (text.empty()) text = doc.dump();
  RecorderSettings target = FactorySettings(*FindRecorderModel(0));
  const RecorderSettings before = target;
  EXPECT_EQ(SettingsFromJson(text, &target), dpmCtrlInvalidFile);
  EXPECT_EQ(target, before);
}

const BadFile kBadFiles[] = {
    {"Empty", [](json&) { return std::string(" "); }},
    {"Garbage", [](json&) { return std::string("\x7f" "ELF\x01\x02 not json at all"); }},
    {"Truncated", [](json& d) { std::string t = d.dump(); return t.substr(0, t.size() / 2); }},
    {"Oversized", [](json& d) { d["settings"]["FileNamePrefixString"] = std::string(kMaxSettingsFileBytes, 'A'); return std::string(); }},
    {"DeeplyNested", [](json&) { return std::string(100000, '[') + std::string(100000, ']'); }},
    {"NotAnObject", [](json&) { return std::string("[1, 2, 3]"); }},
    {"UnknownTopKey", [](json& d) { d["extra"] = 1; return std::string(); }},
    {"UnknownSetting", [](json& d) { d["settings"]["Volume"] = 3; return std::string(); }},
    {"UnknownKeywordKey", [](json& d) { d["keywords"][0]["color"] = "red"; return std::string(); }},
    {"MissingSetting", [](json& d) { d["settings"].erase("DeviceBeep"); return std::string(); }},
    {"MissingDpm4", [](json& d) { d.erase("dpm4"); return std::string(); }},
    {"WrongFormat", [](json& d) { d["format"] = "something-else"; return std::string(); }},
    {"FutureVersion", [](json& d) { d["formatVersion"] = 2; return std::string(); }},
    {"UnknownModel", [](json& d) { d["deviceType"] = 9; return std::string(); }},
    {"NameOfOtherModel", [](json& d) { d["deviceName"] = "DPM4_8000"; return std::string(); }},
    {"FlagAsNumber", [](json& d) { d["settings"]["DeviceBeep"] = 1; return std::string(); }},
    {"NumberAsString", [](json& d) { d["settings"]["FileCounter"] = "12"; return std::string(); }},
    {"NumberAsFloat", [](json& d) { d["settings"]["FileCounter"] = 1.5; return std::string(); }},
    {"NumberPastLong", [](json& d) { d["settings"]["FileCounter"] = 4294967297LL; return std::string(); }},
    {"NumberOutOfRange", [](json& d) { d["settings"]["RecordingMode"] = 5; return std::string(); }},
    {"TooFewKeywords", [](json& d) { d["keywords"].erase(0); return std::string(); }},
    {"TooManyRows", [](json& d) { d["keywords"][0]["values"].push_back("x"); return std::string(); }},
    {"ValueNotString", [](json& d) { d["keywords"][0]["values"][0] = 7; return std::string(); }},
    {"BadUtf8", [](json& d) { std::string t = d.dump(); t.replace(t.find("Author"), 6, "Au\xC3(or"); return t; }},
    {"CharacterTheDisplayLacks", [](json& d) { d["keywords"][0]["name"] = "\xE2\x82\xAC"; return std::string(); }},
    {"KeywordRuleBroken", [](json& d) { d["keywords"][1]["barcodeScan"] = true; return std::string(); }},
    {"SmartButtonsShort", [](json& d) { d["dpm4"]["smartButtons"][0].erase(0); return std::string(); }},
    {"ProfileDirectionThree", [](json& d) { d["dpm4"]["recordingProfiles"][0]["micDirection"][1] = 3; return std::string(); }},
};

INSTANTIATE_TEST_SUITE_P(Rows, SettingsJsonRefusal, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(RecorderStateJson, RoundTripsAndRefusesDamage) {
  RecorderState state;
  state.clockOffsetSeconds = -12345;
  state.leds = {1, 3};
  state.barcodePrefix[9] = {2, 255};
  state.pukHash = "0123456789abcdef";
  RecorderState read;
  ASSERT_EQ(StateFromJson(StateToJson(state), &read), S_OK);
  EXPECT_EQ(read.clockOffsetSeconds, -12345);
  EXPECT_EQ(read.leds[1], 3);
  EXPECT_EQ(read.barcodePrefix[9][1], 255);
  EXPECT_EQ(read.pukHash, state.pukHash);

  json doc = json::parse(StateToJson(state));
  doc["welcomeScreen"] = "../../etc/passwd";
  EXPECT_EQ(StateFromJson(doc.dump(), &read), dpmCtrlInvalidFile);
  doc = json::parse(StateToJson(state));
  doc["leds"][0] = 4;
  EXPECT_EQ(StateFromJson(doc.dump(), &read), dpmCtrlInvalidFile);
  EXPECT_EQ(StateFromJson("{", &read), dpmCtrlInvalidFile);
}

TEST(RecorderIdentityJson, RefusesAnUnknownModel) {
  RecorderIdentity identity{27, "ABCD", "00:0E:18:00:00:01", "4.2.17", "Orvane", 1270};
  RecorderIdentity read;
  ASSERT_EQ(IdentityFromJson(IdentityToJson(identity), &read), S_OK);
  EXPECT_EQ(read.serialNumber, "ABCD");
  identity.deviceType = 21;
  EXPECT_EQ(IdentityFromJson(IdentityToJson(identity), &read), dpmCtrlInvalidFile);
}

TEST(RecorderRequestJson, AcceptsOnlyWellFormedRequests) {
  RecorderRequest request;
  EXPECT_TRUE(RequestFromJson(R"({"action":"button","button":29})", &request));
  EXPECT_EQ(request.button, 29);
  EXPECT_TRUE(RequestFromJson(R"({"action":"barcode","code":"4711"})", &request));
  EXPECT_EQ(request.code, "4711");
  for (const char* bad : {R"({"action":"button","button":30})", R"({"action":"button","button":-1})",
                          R"({"action":"barcode","code":""})", R"({"action":"barcode","code":"a\nb"})",
                          R"({"action":"scanner","attached":1})", R"({"action":"reboot"})", "[]", "garbage"})
    EXPECT_FALSE(RequestFromJson(bad, &request)) << bad;
}

// Strict files: a key given twice is refused even when the second one would be a good value.
struct Duplicated {
  const char* what;
  std::string text;      // a valid file
  const char* object;    // the object (its key and brace, as written) that gets a key twice; "" for the top
  const char* repeated;  // "key": value, inserted at its start
  std::function<bool(std::string_view)> accepts;
};

void PrintTo(const Duplicated& row, std::ostream* out) { *out << row.what; }

class DuplicateKeys : public ::testing::TestWithParam<Duplicated> {};

TEST_P(DuplicateKeys, AreRefused) {
  const Duplicated& row = GetParam();
  ASSERT_TRUE(row.accepts(row.text)) << "the file is valid before the key is repeated";
  std::string text = row.text;
  const size_t object = *row.object ? text.find(row.object) : 0;
  ASSERT_NE(object, std::string::npos);
  text.insert(text.find('{', object) + 1, std::string(row.repeated) + ",");
  EXPECT_FALSE(row.accepts(text)) << text.substr(0, 200);
}

bool SettingsAccepted(std::string_view text) {
  RecorderSettings settings;
  return SUCCEEDED(SettingsFromJson(text, &settings));
}
bool IdentityAccepted(std::string_view text) {
  RecorderIdentity identity;
  return SUCCEEDED(IdentityFromJson(text, &identity));
}
bool StateAccepted(std::string_view text) {
  RecorderState state;
  return SUCCEEDED(StateFromJson(text, &state));
}
bool RequestAccepted(std::string_view text) {
  RecorderRequest request;
  return RequestFromJson(text, &request);
}

const std::string kSettings = SettingsToJson(FactorySettings(*FindRecorderModel(27)));
const std::string kIdentity = IdentityToJson({27, "ABCD", "00:0E:18:00:00:01", "4.2.17", "Orvane", 1270});
const std::string kState = StateToJson(RecorderState{});

INSTANTIATE_TEST_SUITE_P(
    Rows, DuplicateKeys,
    ::testing::Values(
        Duplicated{"SettingsHeader", kSettings, "", R"("deviceType": 27)", SettingsAccepted},
        Duplicated{"SettingsValue", kSettings, R"("settings": {)", R"("DeviceBeep": false)", SettingsAccepted},
        Duplicated{"SettingsKeyword", kSettings, R"("keywords": [)", R"("mandatory": true)", SettingsAccepted},
        Duplicated{"Identity", kIdentity, "", R"("serialNumber": "EFGH")", IdentityAccepted},
        Duplicated{"State", kState, "", R"("lastButton": 4)", StateAccepted},
        Duplicated{"StateSecurity", kState, R"("security": {)", R"("puk": "")", StateAccepted},
        Duplicated{"Request", R"({"action":"button","button":4})", "", R"("button": 5)", RequestAccepted}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
