// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files as a user meets them with the recorder tool and ordinary files: a file carries every
// setting, keyword and DPM4 value to another recorder of the model; a file of another model, a
// damaged file and a read-only target folder each fail with their code and change nothing.
#include "tests/component/ComponentFixture.h"

#include <ostream>

#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace {

using nlohmann::json;

constexpr VARIANT_BOOL T = VARIANT_TRUE;
constexpr VARIANT_BOOL F = VARIANT_FALSE;

// Recorders sorted by name, so their device indexes follow: desk 0, older 1, twin 2.
class SettingsFiles : public ComponentTest {
 protected:
  void SetUp() override {
    ComponentTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
    ASSERT_EQ(Tool("add DPM4_8000 older"), 0);
    ASSERT_EQ(Tool("add DPM4_8200 twin"), 0);
    ASSERT_EQ(control->Initialize(0), S_OK);
    desk = Device(0);
    older = Device(1);
    twin = Device(2);
    settings = SettingsOf(desk.Get());
  }
  void TearDown() override {
    settings = nullptr;
    desk = older = twin = nullptr;
    ComponentTest::TearDown();
  }

  // `dpmrecorder show` from its settings on, without the identity, state and card of the recorder.
  std::string ShownSettings(const std::string& name) {
    EXPECT_EQ(Tool("show " + name), 0);
    const std::string shown = ToolOutput();
    const size_t begin = shown.find("\nsettings:\n");
    const size_t end = shown.find("\ncard:");
    EXPECT_NE(begin, std::string::npos) << shown;
    EXPECT_NE(end, std::string::npos) << shown;
    return begin == std::string::npos || end == std::string::npos ? shown : shown.substr(begin + 1, end - begin);
  }
  std::string Committed(const std::string& name) const { return ReadText(Recorders() + "/" + name + "/settings.json"); }

  HRESULT Export(const std::string& path, IDPMDeviceSettings* object) {
    Bstr text = Text(path.c_str());
    return control->ExportSettings(text.Get(), object);
  }
  HRESULT Import(const std::string& path, ComPtr<IDPMDeviceSettings>* object) {
    Bstr text = Text(path.c_str());
    return control->ImportSettings(text.Get(), object->ReleaseAndGetAddressOf());
  }
  // A settings file of the desk as it is, then damaged.
  std::string DamagedFile(const std::function<void(std::string&)>& damage) {
    const std::string path = scratch / "damaged.json";
    EXPECT_EQ(Export(path, settings.Get()), S_OK);
    std::string text = ReadText(path);
    damage(text);
    WriteText(path, text);
    return path;
  }

  // What a user changes in every part of the settings dialog, DPM4 record included.
  void EditEverything(IDPMDeviceSettings* s) {
    Bstr name = Text("Doctor"), first = Text("Dr. Who"), last = Text("Zz \"9\""), subject = Text("Memo"),
         prefix = Text("AB_1");
    ASSERT_EQ(s->put_DeviceBeep(F), S_OK);
    ASSERT_EQ(s->put_DateTimeFormat(dpmDateTimeAmPm), S_OK);
    ASSERT_EQ(s->put_RecordingMode(dpmQualityPlay), S_OK);
    ASSERT_EQ(s->put_FunctionKey(dpmFunctionKeyMute), S_OK);
    ASSERT_EQ(s->put_FourPosSwitch(dpmSwitchGrundig), S_OK);
    ASSERT_EQ(s->put_FileNamePrefixString(prefix.Get()), S_OK);
    ASSERT_EQ(s->put_ProMode(T), S_OK);
    ASSERT_EQ(s->put_KeywordUsageString(1, name.Get()), S_OK);
    ASSERT_EQ(s->put_KeywordContentString(0, 3, first.Get()), S_OK);
    ASSERT_EQ(s->put_KeywordContentString(4, 99, last.Get()), S_OK);
    ASSERT_EQ(s->put_KeywordContentString(2, 99, subject.Get()), S_OK);
    ASSERT_EQ(s->put_KeywordBarcodeScan(0, T), S_OK);
    ASSERT_EQ(s->put_KeywordVoiceCommand(2, T), S_OK);
    ASSERT_EQ(s->put_KeywordMandatory(4, T), S_OK);
    ASSERT_EQ(s->put_SmartButtonConfiguration(dpmSmartButtonRight, dpmStatePlayBack, dpmSmartPlaybackSpeed), S_OK);
    ASSERT_EQ(s->put_SmartButtonConfiguration(dpmSmartButtonLeft, dpmStateRecord, dpmSmartIndexMarker), S_OK);
    ASSERT_EQ(s->put_DisplayAreaMapping(4, dpmDisplayCreationDateTime), S_OK);
    ComPtr<IDPMRecordingProfile> profile;
    ASSERT_EQ(s->get_RecordingProfile(dpmProfilePersonal, profile.ReleaseAndGetAddressOf()), S_OK);
    ASSERT_EQ(profile->put_AudioQuality(dpmAudioQualityPlay), S_OK);
    ASSERT_EQ(profile->put_ProfileMicSensitivity(dpmSensitivityHigh), S_OK);
    ASSERT_EQ(profile->put_MicrophoneDirection(dpmPositionHandHeld, dpmMicOmniDirectional), S_OK);
  }

  ComPtr<IDPMDevice> desk, older, twin;
  ComPtr<IDPMDeviceSettings> settings;
};

TEST_F(SettingsFiles, CarryEverySettingToAnotherRecorderOfTheModel) {
  EditEverything(settings.Get());
  ASSERT_EQ(desk->SetDeviceSettings(settings.Get()), S_OK);
  ASSERT_NE(ShownSettings("desk"), ShownSettings("twin"));

  // As the dialog does it: read the recorder, export; then import on the other one and write it.
  ComPtr<IDPMDeviceSettings> read = SettingsOf(desk.Get());
  ASSERT_EQ(Export(scratch / "desk.json", read.Get()), S_OK);
  ComPtr<IDPMDeviceSettings> imported;
  ASSERT_EQ(Import(scratch / "desk.json", &imported), S_OK);
  ASSERT_EQ(twin->SetDeviceSettings(imported.Get()), S_OK);

  const std::string shown = ShownSettings("twin");
  EXPECT_EQ(shown, ShownSettings("desk"));
  for (const char* line : {"  DeviceBeep = false\n", "  RecordingMode = dpmQualityPlay (6)\n",
                           "  keyword 2 \"Doctor\": barcode no, voice command no, mandatory no\n",
                           "  keyword 3 \"Subject\": barcode no, voice command yes, mandatory yes\n",
                           "  row 100: \"\" | \"\" | \"Memo\" | \"\" | \"Zz \\\"9\\\"\"\n",
                           "  Play Back: dpmSmartKeyword1 (1) | dpmSmartPriority (5) | dpmSmartPlaybackSpeed (17)\n",
                           "  area 4: dpmDisplayCreationDateTime (8)\n",
                           "  Personal Profile: audio quality dpmAudioQualityPlay (6), sensitivity dpmSensitivityHigh (2), "
                           "desktop dpmMicUniDirectional (0), hand held dpmMicOmniDirectional (1)\n"}) {
    EXPECT_NE(shown.find(line), std::string::npos) << line << shown;
  }
  // Each recorder keeps its own identity.
  Bstr deskMac, twinMac;
  EXPECT_EQ(desk->GetMACAddress(deskMac.Receive()), S_OK);
  EXPECT_EQ(twin->GetMACAddress(twinMac.Receive()), S_OK);
  EXPECT_NE(deskMac.View(), twinMac.View());
  EXPECT_NE(Committed("twin").find(BstrToAnsi(twinMac.Get())), std::string::npos);
}

// A settings file names its model; a recorder of another model refuses it whole, in either direction.
TEST_F(SettingsFiles, OfAnotherModelAreRefusedByTheRecorderAndChangeNothing) {
  EditEverything(settings.Get());
  ASSERT_EQ(Export(scratch / "desk.json", settings.Get()), S_OK);
  ComPtr<IDPMDeviceSettings> imported;
  ASSERT_EQ(Import(scratch / "desk.json", &imported), S_OK);
  LONG rows = 0;
  EXPECT_EQ(imported->get_KeywordContentCount(&rows), S_OK);
  EXPECT_EQ(rows, 100);
  VARIANT_BOOL barcode = F;
  EXPECT_EQ(imported->get_KeywordBarcodeScan(0, &barcode), S_OK);
  EXPECT_EQ(barcode, T) << "the file's own DPM4_8200 settings";

  const std::string olderBefore = Committed("older");
  EXPECT_EQ(older->SetDeviceSettings(imported.Get()), dpmCtrlNotSupported);
  EXPECT_EQ(Committed("older"), olderBefore);

  ComPtr<IDPMDeviceSettings> olderSettings = SettingsOf(older.Get());
  ASSERT_EQ(Export(scratch / "older.json", olderSettings.Get()), S_OK);
  ASSERT_EQ(Import(scratch / "older.json", &imported), S_OK);
  EXPECT_EQ(imported->put_KeywordBarcodeScan(0, T), dpmCtrlNotSupported) << "a DPM4_8000 object: no barcode";
  const std::string twinBefore = Committed("twin");
  EXPECT_EQ(twin->SetDeviceSettings(imported.Get()), dpmCtrlNotSupported);
  EXPECT_EQ(Committed("twin"), twinBefore);
  // The recorder of the file's own model takes it.
  EXPECT_EQ(older->SetDeviceSettings(imported.Get()), S_OK);
}

struct Damage {
  const char* what;
  std::function<void(std::string&)> damage;
};

// Test names and messages show the row, not its bytes.
void PrintTo(const Damage& row, std::ostream* out) { *out << row.what; }

// A change made to the file as json.
std::function<void(std::string&)> Edit(std::function<void(json&)> edit) {
  return [edit](std::string& text) {
    json doc = json::parse(text);
    edit(doc);
    text = doc.dump(2);
  };
}

class DamagedSettingsFile : public SettingsFiles, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedSettingsFile, IsAnInvalidFileAndChangesNothing) {
  const std::string path = DamagedFile(GetParam().damage);
  const std::string file = ReadText(path);
  const std::string committed = Committed("desk");
  ComPtr<IDPMDeviceSettings> imported;
  EXPECT_EQ(Import(path, &imported), dpmCtrlInvalidFile);
  EXPECT_FALSE(imported);
  EXPECT_EQ(ReadText(path), file);
  EXPECT_EQ(Committed("desk"), committed);
  // The object the dialog held before is still whole and can be committed.
  EXPECT_EQ(desk->SetDeviceSettings(settings.Get()), S_OK);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedSettingsFile,
    ::testing::Values(
        Damage{"RecordingModeNoModelHas", Edit([](json& d) { d["settings"]["RecordingMode"] = 5; })},
        Damage{"FlagAsNumber", Edit([](json& d) { d["settings"]["DeviceBeep"] = 1; })},
        Damage{"BarcodeAndVoiceOnOneKeyword", Edit([](json& d) {
                 d["keywords"][1]["barcodeScan"] = true;
                 d["keywords"][1]["voiceCommand"] = true;
                 d["keywords"][1]["mandatory"] = true;
               })},
        Damage{"ValueTooLongForTheModel",
               Edit([](json& d) { d["keywords"][0]["values"][0] = "ABCDEFGHIJKLMNOPQRSTU"; })},
        Damage{"RowMissing", Edit([](json& d) { d["keywords"][0]["values"].erase(99); })},
        Damage{"SmartButtonPastTheList", Edit([](json& d) { d["dpm4"]["smartButtons"][2][4] = 18; })},
        Damage{"ProfileMissing", Edit([](json& d) { d["dpm4"]["recordingProfiles"].erase(3); })},
        Damage{"UnknownModel", Edit([](json& d) { d["deviceType"] = 9; })},
        Damage{"NameOfAnotherModel", Edit([](json& d) { d["deviceName"] = "DPM4_8000"; })},
        Damage{"UnknownKey", Edit([](json& d) { d["settings"]["Volume"] = 3; })},
        Damage{"CutShort", [](std::string& text) { text.resize(text.size() / 2); }},
        Damage{"NotText", [](std::string& text) { text[text.size() / 3] = '\0'; }}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(SettingsFiles, ExportIntoAReadOnlyFolderWritesNothingAndKeepsTheObject) {
  EditEverything(settings.Get());
  ASSERT_EQ(Export(scratch / "before.json", settings.Get()), S_OK);
  const std::string folder = scratch / "locked";
  ASSERT_EQ(::mkdir(folder.c_str(), 0555), 0);
  EXPECT_EQ(Export(folder + "/desk.json", settings.Get()), dpmCtrlAccessDenied);
  EXPECT_EQ(EntryCount(folder), 0u);
  ASSERT_EQ(Export(scratch / "after.json", settings.Get()), S_OK);
  EXPECT_EQ(ReadText(scratch / "after.json"), ReadText(scratch / "before.json"));
}

}  // namespace
