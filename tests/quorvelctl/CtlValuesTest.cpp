// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's forms of setting names and values, without a component.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "quorvelctl/cli/CommandLine.h"
#include "quorvelctl/session/RecorderInfo.h"
#include "quorvelctl/cli/ResultText.h"
#include "quorvelctl/settings/SettingAssignment.h"
#include "quorvelctl/settings/SettingCatalog.h"
#include "quorvelctl/cli/TextCodec.h"
#include "device/DpmValueNames.h"

namespace {

struct KeyRow {
  const char* text;
  const char* name;  // null: refused
  SettingIndex index;
};

class KeyTest : public ::testing::TestWithParam<KeyRow> {};

TEST_P(KeyTest, ParsesOrRefuses) {
  const KeyRow& row = GetParam();
  const SettingDescriptor* setting = nullptr;
  SettingIndex index;
  std::string error;
  const bool parsed = CSettingCatalog::ParseKey(row.text, &setting, &index, &error);
  ASSERT_EQ(parsed, row.name != nullptr) << error;
  if (!parsed) {
    EXPECT_FALSE(error.empty());
    return;
  }
  EXPECT_EQ(setting->name, row.name);
  EXPECT_EQ(index, row.index);
  EXPECT_EQ(FormatSettingKey(*setting, index), row.text) << "the printed name is the name set takes";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTest,
    ::testing::Values(KeyRow{"RecordingMode", "RecordingMode", {}}, KeyRow{"MACAddress", "MACAddress", {}},
                      KeyRow{"KeywordUsageString[2]", "KeywordUsageString", {2}},
                      KeyRow{"KeywordContentString[1][99]", "KeywordContentString", {1, 99}},
                      KeyRow{"SmartButtonConfiguration[2][4]", "SmartButtonConfiguration", {2, 4}},
                      KeyRow{"DisplayAreaMapping[1]", "DisplayAreaMapping", {1}},
                      KeyRow{"RecordingProfile[3].AudioQuality", "AudioQuality", {3}},
                      KeyRow{"RecordingProfile[0].MicrophoneDirection[1]", "MicrophoneDirection", {0, 1}},
                      KeyRow{"RecordingMode[0]", nullptr, {}}, KeyRow{"KeywordUsageString", nullptr, {}},
                      KeyRow{"KeywordContentString[1]", nullptr, {}}, KeyRow{"KeywordUsageString[x]", nullptr, {}},
                      KeyRow{"KeywordUsageString[]", nullptr, {}}, KeyRow{"KeywordUsageString[1", nullptr, {}},
                      KeyRow{"KeywordUsageString[1]x", nullptr, {}}, KeyRow{"AudioQuality", nullptr, {}},
                      KeyRow{"RecordingProfile[1].RecordingMode", nullptr, {}},
                      KeyRow{"RecordingProfile[1]AudioQuality", nullptr, {}}, KeyRow{"Nonsense", nullptr, {}},
                      KeyRow{"", nullptr, {}}));

struct AssignmentRow {
  const char* text;
  bool parses;
  const char* display;  // the value as shown, when it parses
};

class AssignmentTest : public ::testing::TestWithParam<AssignmentRow> {};

TEST_P(AssignmentTest, ParsesValueOfTheSettingsKind) {
  const AssignmentRow& row = GetParam();
  CSettingAssignment assignment;
  std::string error;
  ASSERT_EQ(CSettingAssignment::Parse(row.text, &assignment, &error), row.parses) << error;
  if (row.parses) {
    EXPECT_EQ(assignment.Value().Display(), row.display);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, AssignmentTest,
    ::testing::Values(AssignmentRow{"RecordingMode=dpmQualityPlay", true, "dpmQualityPlay (6)"},
                      AssignmentRow{"RecordingMode=6", true, "dpmQualityPlay (6)"},
                      AssignmentRow{"RecordingMode=5", true, "5"},  // the component judges the range
                      AssignmentRow{"RecordingMode=dpmAudioMp3", false, ""},  // another setting's name
                      AssignmentRow{"RecordingMode=", false, ""}, AssignmentRow{"FileCounter=-3", true, "-3"},
                      AssignmentRow{"FileCounter=99999999999", false, ""}, AssignmentRow{"FileCounter=1x", false, ""},
                      AssignmentRow{"DeviceBeep=false", true, "false"}, AssignmentRow{"DeviceBeep=1", true, "true"},
                      AssignmentRow{"DeviceBeep=yes", false, ""},
                      AssignmentRow{"FileNamePrefixString=\"A B\"", true, "\"A B\""},
                      AssignmentRow{"FileNamePrefixString=AB", true, "\"AB\""},
                      AssignmentRow{"FileNamePrefixString=", true, "\"\""},
                      AssignmentRow{"KeywordUsageString[2]=K=V", true, "\"K=V\""},
                      AssignmentRow{"KeywordUsageString[2]=\xC3\xA9t\xC3\xA9", true, "\"\xC3\xA9t\xC3\xA9\""},
                      AssignmentRow{"KeywordUsageString[2]=\xFF", false, ""},  // not UTF-8
                      AssignmentRow{"SmartButtonConfiguration[0][1]=dpmSmartPriority", true, "dpmSmartPriority (5)"},
                      AssignmentRow{"RecordingProfile[1].AudioQuality=dpmAudioMp3", true, "dpmAudioMp3 (17)"},
                      AssignmentRow{"MACAddress=00:00", false, ""},  // read-only
                      AssignmentRow{"RecordingMode", false, ""}));

TEST(SettingValueTest, JsonGivesTheFormSetTakes) {
  for (const SettingDescriptor& setting : CSettingCatalog::All()) {
    if (setting.kind != ValueKind::Number) continue;
    for (const ValueName& name : setting.names) {
      const nlohmann::json json = CSettingValue::Number(name.code, setting.names).ToJson();
      CSettingValue back;
      std::string error;
      ASSERT_TRUE(CSettingValue::Parse(setting.kind, setting.names, json.get<std::string>(), &back, &error));
      EXPECT_EQ(back.AsNumber(), name.code) << setting.name;
    }
  }
}

TEST(SettingCatalogTest, NamesAreUniqueWithinTheirScope) {
  for (const SettingDescriptor& setting : CSettingCatalog::All()) {
    const bool inProfile = setting.group == SettingGroup::Profile || setting.group == SettingGroup::ProfilePosition;
    EXPECT_EQ(CSettingCatalog::Find(setting.name, inProfile), &setting) << setting.name;
    EXPECT_EQ(!setting.put, setting.group == SettingGroup::Identity) << setting.name;
  }
}

TEST(TextCodecTest, RoundTripsTextBeyondTheCodePage) {
  const std::string text = "\xE2\x82\xAC \xC3\xBC \xF0\x9F\x8E\x99";  // euro, u umlaut, a microphone
  std::optional<Bstr> wide = Utf8ToBstr(text);
  ASSERT_TRUE(wide);
  EXPECT_EQ(BstrToUtf8(wide->Get()), text);
  EXPECT_EQ(BstrToUtf8(nullptr), "");
  EXPECT_FALSE(Utf8ToBstr("\xC3"));
}

struct LineRow {
  std::vector<std::string> words;
  bool parses;
  unsigned given;
};

class CommandLineTest : public ::testing::TestWithParam<LineRow> {};

TEST_P(CommandLineTest, ParsesOptionsAnywhere) {
  const LineRow& row = GetParam();
  CommandLine line;
  std::string error;
  ASSERT_EQ(CCommandLine::Parse(row.words, &line, &error), row.parses) << error;
  if (row.parses) {
    EXPECT_EQ(line.given, row.given);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineTest,
    ::testing::Values(LineRow{{"apply", "f", "--all", "--dry-run", "--json"}, true, kOptAll | kOptDryRun | kOptJson},
                      LineRow{{"--json", "show", "-d", "2"}, true, kOptJson | kOptDevice},
                      LineRow{{"watch", "--apply", "f"}, true, kOptApply},
                      LineRow{{"export", "--", "-odd-name"}, true, 0}, LineRow{{"show", "-d"}, false, 0},
                      LineRow{{"show", "-d", "x"}, false, 0}, LineRow{{"show", "-d", "-1"}, false, 0},
                      LineRow{{"show", "--verbose"}, false, 0}, LineRow{{"watch", "--apply"}, false, 0}));

TEST(CommandLineTest, KeepsArgumentsInOrder) {
  CommandLine line;
  std::string error;
  ASSERT_TRUE(CCommandLine::Parse({"set", "A=1", "-d", "3", "B=2", "--", "-C=3"}, &line, &error));
  EXPECT_EQ(line.command, "set");
  EXPECT_EQ(line.arguments, (std::vector<std::string>{"A=1", "B=2", "-C=3"}));
  EXPECT_EQ(line.device, 3);
}

}  // namespace

TEST(RecorderInfoTest, NamesTheRecorderByItsDrive) {
  EXPECT_EQ(RecorderInfo::NameOfDrive("/home/a/recorders/desk/card"), "desk");
  EXPECT_EQ(RecorderInfo::NameOfDrive("/home/a/recorders/desk/card/"), "desk");
  EXPECT_EQ(RecorderInfo::NameOfDrive("/media/a/DPM4"), "DPM4");
}

// The platform's codes in words; the component's by the program's names; any other by its number.
TEST(ResultTextTest, NamesEveryKindOfCode) {
  EXPECT_EQ(CResultText::Of(REGDB_E_CLASSNOTREG), "class not registered (REGDB_E_CLASSNOTREG)");
  EXPECT_EQ(CResultText::Of(E_OUTOFMEMORY), "out of memory (E_OUTOFMEMORY)");
  EXPECT_EQ(CResultText::Of(HresultOf(0x800409FE)), "dpmCtrlNotSupported");
  EXPECT_EQ(CResultText::Of(HresultOf(0x80040A00)), "-2147218944 (Unknown)");
}
