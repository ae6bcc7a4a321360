// SPDX-License-Identifier: GPL-3.0-or-later
// What `dpmrecorder show` prints of a recorder's settings, and the value-code names it prints with:
// the names cover exactly the codes the component accepts.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>

#include "component/models/SettingInfo.h"
#include "component/models/SettingValueNames.h"
#include "component/models/ValueCodes.h"
#include "component/settings/SettingsEditor.h"
#include "component/settings/SettingsReport.h"

namespace {

bool HasName(ValueNames names, LONG code) { return !NameOfValue(names, code).empty(); }

std::string Report(const RecorderModel& model, const RecorderSettings& settings) {
  std::ostringstream out;
  SettingsReport(model, settings).Write(out);
  return out.str();
}

TEST(SettingsReport, PrintsEverySettingOfTheModelKeywordsAndTheRowsWithValues) {
  const RecorderModel& model = *FindRecorderModel(5);  // DPM_9250: two keywords, five rows, classic display
  RecorderSettings settings = FactorySettings(model);
  settings.Number(Setting::RecordingMode) = dpmLongPlay;
  settings.Text(Setting::Keyword1String) = u"say \"hi\" \\o/";
  settings.keywords[1].name = u"Type ";
  settings.keywords[1].values[3] = u"Letter";
  settings.keywords[0].values[4] = u"M\u00FCller";
  EXPECT_EQ(Report(model, settings),
            "settings:\n"
            "  FileNamePrefixString = \"DICT\"\n"
            "  FileNamePrefixType = dpmPrefixString (1)\n"
            "  FileCounter = 1\n"
            "  DLSButtonEnabled = true\n"
            "  DateTimeFormat = dpmDateTime24Hours (1)\n"
            "  DeviceBeep = true\n"
            "  RecordingMode = dpmLongPlay (2)\n"
            "  ProtectDevice = false\n"
            "  Appearance = dpmAppearanceClassic (0)\n"
            "  DownloadMode = dpmDownloadOff (0)\n"
            "  DownloadFilter = dpmDownloadAll (0)\n"
            "  Keyword1String = \"say \\\"hi\\\" \\\\o/\"\n"
            "  DeleteFilesAfterDownload = false\n"
            "  MicrophoneSensitivity = dpmSensitivityMedium (1)\n"
            "  FileCounterSource = dpmContinueExistingFileCounter (0)\n"
            "  TotalTimeType = dpmTotalTimeRemaining (0)\n"
            "  DELButtonEnabled = true\n"
            "  InsertButtonEnabled = true\n"
            "  EOLButtonEnabled = true\n"
            "  RecordNotify = true\n"
            "  OS = dpmOS_LINUX (6)\n"
            "keywords:\n"
            "  keyword 1 \"Author\": barcode no, voice command no, mandatory no\n"
            "  keyword 2 \"Type \": barcode no, voice command no, mandatory no\n"
            "keyword values (5 rows, one column per keyword; empty rows left out):\n"
            "  row 1: \"Author 1\" | \"\"\n"
            "  row 4: \"\" | \"Letter\"\n"
            "  row 5: \"M\xC3\xBCller\" | \"\"\n");
}

TEST(SettingsReport, PrintsTheDpm4RecordByButtonStateAreaAndProfile) {
  const RecorderModel& model = *FindRecorderModel(28);
  RecorderSettings settings = FactorySettings(model);
  settings.keywords[2].voiceCommand = settings.keywords[2].mandatory = true;
  settings.dpm4.smartButtons[dpmSmartButtonRight][dpmStatePlayBack] = dpmSmartPlaybackSpeed;
  settings.dpm4.displayAreas[3] = dpmDisplayCreationDateTime;
  settings.dpm4.profiles[dpmProfilePersonal] = {dpmAudioMp3, dpmSensitivityHigh, {dpmMicOmniDirectional, 0}};
  const std::string report = Report(model, settings);
  for (const char* line : {
           "  keyword 3 \"Subject\": barcode no, voice command yes, mandatory yes\n",
           "smart buttons (left | middle | right):\n"
           "  Stopped New: dpmSmartKeyword1 (1) | dpmSmartPriority (5) | dpmSmartEol (6)\n",
           "  Play Back: dpmSmartKeyword1 (1) | dpmSmartPriority (5) | dpmSmartPlaybackSpeed (17)\n"
           "display areas:\n"
           "  area 1: dpmDisplayKeyword1 (1)\n",
           "  area 4: dpmDisplayCreationDateTime (8)\n"
           "recording profiles:\n"
           "  Dictation Profile: audio quality dpmAudioStandardPlay (0), sensitivity dpmSensitivityMedium (1), "
           "desktop dpmMicUniDirectional (0), hand held dpmMicUniDirectional (0)\n",
           "  Personal Profile: audio quality dpmAudioMp3 (17), sensitivity dpmSensitivityHigh (2), "
           "desktop dpmMicOmniDirectional (1), hand held dpmMicUniDirectional (0)\n"}) {
    EXPECT_NE(report.find(line), std::string::npos) << line << "\nin:\n" << report;
  }
  // An older model with the advanced display shows its one area and no smart buttons or profiles.
  const RecorderModel& older = *FindRecorderModel(7);
  const std::string olderReport = Report(older, FactorySettings(older));
  EXPECT_NE(olderReport.find("display areas:\n  area 1: dpmDisplayBlank (0)\n"), std::string::npos) << olderReport;
  EXPECT_EQ(olderReport.find("area 2"), std::string::npos);
  EXPECT_EQ(olderReport.find("smart buttons"), std::string::npos);
  EXPECT_EQ(olderReport.find("recording profiles"), std::string::npos);
}

// The codes a setting's names cover are exactly those some model accepts.
TEST(ValueNames, CoverExactlyTheAcceptedCodesOfEverySetting) {
  for (const SettingInfo& info : AllSettingInfos()) {
    SCOPED_TRACE(info.name);
    const auto names = NamedValuesOf(info.id);
    if (info.kind != SettingKind::Number || info.id == Setting::FileCounter || info.id == Setting::UserStringCount) {
      EXPECT_TRUE(names.empty());
      continue;
    }
    for (LONG code = -2; code <= 20; ++code) {
      bool accepted = false;
      for (const RecorderModel& model : AllRecorderModels()) {
        RecorderSettings scratch = NeutralSettings(model);
        accepted = accepted || SUCCEEDED(SettingsEditor(model, scratch).CheckNumberRange(info.id, code));
      }
      EXPECT_EQ(HasName(names, code), accepted) << code;
    }
  }
}

TEST(ValueNames, CoverExactlyTheCodesOfTheDpm4Record) {
  std::uint32_t qualities = 0;
  for (const RecorderModel& model : AllRecorderModels()) qualities |= model.dpm4.audioQualities;
  for (LONG code = -2; code <= 40; ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(HasName(value_names::SmartButtonFunction(), code), SmartButtonFunctionValid(code));
    EXPECT_EQ(HasName(value_names::DisplayContent(), code), DisplayContentValid(code));
    EXPECT_EQ(HasName(value_names::MicrophoneSensitivity(), code), SensitivityValid(code));
    EXPECT_EQ(HasName(value_names::MicrophoneDirection(), code), MicDirectionValid(code));
    EXPECT_EQ(HasName(value_names::AudioQuality(), code), code >= 0 && code < 32 && (qualities >> code & 1u));
  }
  EXPECT_EQ(NameOfValue(value_names::SmartButtonFunction(), dpmSmartPlaybackSpeed), "dpmSmartPlaybackSpeed");
  EXPECT_EQ(NameOfValue(NamedValuesOf(Setting::OS), dpmOS_LINUX), "dpmOS_LINUX");
}

}  // namespace
