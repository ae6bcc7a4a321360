// SPDX-License-Identifier: GPL-3.0-or-later
// show, export, diff and set over the real module.
#include "tests/quorvelctl/CtlFixture.h"

namespace {

struct FamilyRow {
  const char* model;
  size_t keywords;
  bool dpm4;
};

class ShowTest : public CtlTest, public ::testing::WithParamInterface<FamilyRow> {};

TEST_P(ShowTest, ShowsEverySettingOfTheModelFamily) {
  const FamilyRow& row = GetParam();
  ASSERT_EQ(Tool(std::string("add ") + row.model + " desk"), 0) << m_toolOutput;
  const CtlRun text = Ctl("show");
  ASSERT_EQ(text.exit, 0) << text.err;
  EXPECT_NE(text.out.find(std::string(row.model)), std::string::npos);
  EXPECT_NE(text.out.find("RecordingMode = dpmStandardPlay (0)"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("KeywordUsageString[0] = \"Author\""), std::string::npos) << text.out;

  const CtlRun json = Ctl("show --json");
  ASSERT_EQ(json.exit, 0) << json.err;
  const nlohmann::json settings = Parsed(json.out)["settings"];
  EXPECT_EQ(settings["RecordingMode"], "dpmStandardPlay");
  EXPECT_EQ(settings["DeviceBeep"], true);
  EXPECT_TRUE(settings.contains("KeywordMandatory[" + std::to_string(row.keywords - 1) + "]"));
  EXPECT_FALSE(settings.contains("KeywordMandatory[" + std::to_string(row.keywords) + "]"));
  EXPECT_EQ(settings.contains("SmartButtonConfiguration[0][0]"), row.dpm4);
  EXPECT_EQ(settings.contains("DisplayAreaMapping[4]"), row.dpm4);
  EXPECT_EQ(settings.contains("RecordingProfile[3].MicrophoneDirection[1]"), row.dpm4);
}

INSTANTIATE_TEST_SUITE_P(Families, ShowTest,
                         ::testing::Values(FamilyRow{"DPM_9350_00", 4, false}, FamilyRow{"DPM3_9600", 5, false},
                                           FamilyRow{"DPM4_8500", 5, true}),
                         [](const auto& info) { return std::string(info.param.model); });

TEST_F(CtlTest, ShowReadsASettingsFileAsWell) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
  ASSERT_EQ(Ctl("set KeywordUsageString[1]=Client").exit, 0);
  ASSERT_EQ(Ctl("export " + Path("desk.json")).exit, 0);
  const CtlRun shown = Ctl("show " + Path("desk.json"));
  ASSERT_EQ(shown.exit, 0) << shown.err;
  EXPECT_NE(shown.out.find("KeywordUsageString[1] = \"Client\""), std::string::npos) << shown.out;
}

TEST_F(CtlTest, ExportedFileEqualsItsRecorderAndDiffersFromAChangedOne) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
  const std::string file = Path("desk.json");
  ASSERT_EQ(Ctl("export " + file).exit, 0);
  CtlRun diff = Ctl("diff " + file + " @0");
  EXPECT_EQ(diff.exit, 0) << diff.out << diff.err;
  EXPECT_EQ(diff.out, "");

  ASSERT_EQ(Ctl("set RecordingMode=dpmQualityPlay").exit, 0);
  diff = Ctl("diff " + file + " @0");
  EXPECT_EQ(diff.exit, 1);
  EXPECT_EQ(diff.out, "RecordingMode: dpmStandardPlay (0) | dpmQualityPlay (6)\n");
  const nlohmann::json json = Parsed(Ctl("diff @0 " + file + " --json").out);
  EXPECT_EQ(json["equal"], false);
  EXPECT_EQ(json["differences"], nlohmann::json::parse(
                                     R"([{"setting":"RecordingMode","a":"dpmQualityPlay","b":"dpmStandardPlay"}])"));
}

TEST_F(CtlTest, DiffOfTwoRecordersIgnoresWhereTheyCameFrom) {
  ASSERT_EQ(Tool("add DPM4_8200 one"), 0);
  ASSERT_EQ(Tool("add DPM4_8200 two"), 0);
  EXPECT_EQ(Ctl("diff @0 @1").exit, 0) << "MAC address and firmware are not settings";
  EXPECT_EQ(Ctl("diff @0 @2").exit, 3);
}

TEST_F(CtlTest, SetCommitsEveryValueInOneStep) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
  const CtlRun set = Ctl("set DeviceBeep=false 'KeywordUsageString[2]=Client' 'KeywordContentString[2][0]=Smith'"
                         " 'SmartButtonConfiguration[0][1]=dpmSmartInstruction' 'DisplayAreaMapping[4]=7'"
                         " 'RecordingProfile[1].AudioQuality=dpmAudioQualityPlay'");
  ASSERT_EQ(set.exit, 0) << set.err;
  const std::string shown = ToolShow("desk");
  EXPECT_NE(shown.find("DeviceBeep = false"), std::string::npos) << shown;
  EXPECT_NE(shown.find("keyword 3 \"Client\""), std::string::npos) << shown;
  EXPECT_NE(shown.find("\"Smith\""), std::string::npos) << shown;
  EXPECT_NE(shown.find("area 4: dpmDisplayDateTime (7)"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Stopped: dpmSmartInstruction (11) | dpmSmartPriority (5)"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Speech Recognition Profile: audio quality dpmAudioQualityPlay (6)"), std::string::npos)
      << shown;
}

struct RefusalRow {
  const char* model;
  const char* assignments;  // a good value first, then the refused one
  const char* refused;      // what the error names
};

class SetRefusalTest : public CtlTest, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(SetRefusalTest, CommitsNothingAndNamesSettingAndCode) {
  const RefusalRow& row = GetParam();
  ASSERT_EQ(Tool(std::string("add ") + row.model + " desk"), 0);
  const std::string before = ToolShow("desk");
  const CtlRun set = Ctl(std::string("set DeviceBeep=false ") + row.assignments);
  EXPECT_EQ(set.exit, 1);
  EXPECT_NE(set.err.find(row.refused), std::string::npos) << set.err;
  EXPECT_EQ(std::count(set.err.begin(), set.err.end(), '\n'), 1) << set.err;
  EXPECT_EQ(ToolShow("desk"), before);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, SetRefusalTest,
    ::testing::Values(RefusalRow{"DPM4_8200", "RecordingMode=5", "RecordingMode=5 refused, nothing committed: invalid argument (E_INVALIDARG)"},
                      RefusalRow{"DPM_9450_52", "'KeywordVoiceCommand[1]=true'", "dpmCtrlNotSupported"},
                      RefusalRow{"DPM_9350_00", "'KeywordUsageString[0]=ABCDEFGHIJKLMNOPQ'", "dpmCtrlMaximumReached"},
                      RefusalRow{"DPM4_8200", "'KeywordBarcodeScan[0]=true' 'KeywordVoiceCommand[0]=true'",
                                 "dpmCtrlKwSetToBarcode"}));

TEST_F(CtlTest, FormatAndTimeReachTheRecorder) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
  const CtlRun time = Ctl("time");
  EXPECT_EQ(time.exit, 0) << time.err;
  const std::string shown = ToolShow("desk");
  const size_t open = shown.find("clock") == std::string::npos ? m_toolOutput.find(" s from this computer)") : 0;
  ASSERT_NE(open, std::string::npos) << m_toolOutput;
  const size_t start = m_toolOutput.rfind('(', open) + 1;
  EXPECT_LE(std::labs(std::strtol(m_toolOutput.c_str() + start, nullptr, 10)), 2) << m_toolOutput;
  EXPECT_EQ(Ctl("format").exit, 2);
  EXPECT_EQ(Ctl("format --yes").exit, 0);
}

// quorvelctl shows no button presses or scans, so it leaves them for a running program's session.
TEST_F(CtlTest, LeavesButtonPressesForTheProgram) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0) << ToolOutput();
  ASSERT_EQ(Tool("press desk record"), 0) << ToolOutput();
  for (const char* command : {"list", "show", "set DeviceBeep=false"}) EXPECT_EQ(Ctl(command).exit, 0) << command;
  EXPECT_EQ(EntryCount(Recorders() + "/desk/requests"), 1u);
}

}  // namespace
