// SPDX-License-Identifier: GPL-3.0-or-later
// Read From Device and loading the settings object into the dialog: the exact order of the reads,
// the grids, the lists, the keyword flags and what depends on the recorder's type.
#include "tests/settings/SettingsDialogFixture.h"

#include "device/DpmResults.h"
#include "smartbuttons/SmartButtonSetup.h"

namespace {

Strings PartialLoadReads() {
  return {"get_FileNamePrefixString()", "get_MACAddress()", "get_FirmwareVersion()", "get_FileCounter()",
          "get_FileCounterSource()", "get_VoiceActivation()", "get_ProtectDevice()", "get_DLSButtonEnabled()",
          "get_DeviceBeep()", "get_RecordingMode()", "get_DateTimeFormat()", "get_Appearance()",
          "get_MicrophoneSensitivity()", "get_FileNamePrefixType()", "get_DownloadMode()", "get_DownloadFilter()",
          "get_DeleteFilesAfterDownload()", "get_Keyword1String()", "get_RequiredInputType()",
          "get_TotalTimeType()", "get_UserStringCount()", "get_DELButtonEnabled()", "get_InsertButtonEnabled()",
          "get_EOLButtonEnabled()", "get_LinkKeywords()", "get_ScanKeywordsFromBarcode()"};
}

void Append(Strings& to, const Strings& more) { to.insert(to.end(), more.begin(), more.end()); }

// A full load of a DPM4 recorder with three keywords and two value rows.
Strings FullLoadReads() {
  Strings calls{"GetDeviceSettings()"};
  Append(calls, PartialLoadReads());
  Append(calls, {"get_KeywordUsageCount()", "get_KeywordContentCount()", "GetCapabilities()", "get_KeywordContent()",
                 "get_KeywordUsageString(0)", "get_KeywordUsageString(1)", "get_KeywordUsageString(2)",
                 "get_KeywordContentString(0, 0)", "get_KeywordContentString(1, 0)", "get_KeywordContentString(2, 0)",
                 "get_KeywordContentString(0, 1)", "get_KeywordContentString(1, 1)", "get_KeywordContentString(2, 1)",
                 "get_BarcodeScanButton()", "get_OneFile()", "get_RecordNotify()", "get_VoiceCommandType(0)",
                 "get_OS()", "get_BarcodeMode()", "get_FunctionKey()", "get_FourPosSwitch()", "get_NoiseReduction()",
                 "get_RecordLevelInd()", "get_ProhibitFileAlteration()", "get_ProMode()", "get_PlusButtonEnabled()",
                 "get_MinusButtonEnabled()", "get_KeywordBarcodeScan(0)", "get_KeywordBarcodeScan(1)",
                 "get_KeywordBarcodeScan(2)", "get_KeywordVoiceCommand(0)", "get_KeywordVoiceCommand(1)",
                 "get_KeywordVoiceCommand(2)", "get_KeywordMandatory(0)", "get_KeywordMandatory(1)",
                 "get_KeywordMandatory(2)", "GetDeviceType()"});
  for (int b = 0; b < 3; ++b)
    for (int s = 0; s < 5; ++s)
      calls.push_back("get_SmartButtonConfiguration(" + std::to_string(b) + ", " + std::to_string(s) + ")");
  for (int a = 1; a <= 4; ++a) calls.push_back("get_DisplayAreaMapping(" + std::to_string(a) + ")");
  for (int p = 0; p < 4; ++p)
    Append(calls, {"get_RecordingProfile(" + std::to_string(p) + ")", "get_MicrophoneDirection(0)",
                   "get_MicrophoneDirection(1)", "get_ProfileMicSensitivity()", "get_AudioQuality()"});
  return calls;
}

TEST_F(SettingsDialogTest, FullLoadReadsInOrder) {
  ScriptRecorder();
  Run([](CMarnDeviceSettingsDlg&) {});
  EXPECT_EQ(spy.Calls(), FullLoadReads());
}

TEST_F(SettingsDialogTest, PartialLoadAfterAFailureRereadsOnlyTheFirstGroup) {
  ScriptRecorder();
  spy.SetResult("put_DeviceBeep", dpmCtrlNotSupported);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Click(d, IDC_DEVICE_BEEP);
  });
  Strings expected{"put_DeviceBeep(-1)"};
  Append(expected, PartialLoadReads());
  EXPECT_EQ(spy.Calls(), expected);
}

TEST_F(SettingsDialogTest, ValuesReachTheirControls) {
  ScriptRecorder(27, 2, 1);
  spy.SetValue("get_FileNamePrefixString", "DICT");
  spy.SetValue("get_DeviceBeep", -1);
  spy.SetValue("get_ProtectDevice", -1);
  spy.SetValue("get_Appearance", 1);
  spy.SetValue("get_MicrophoneSensitivity", 2);
  spy.SetValue("get_FileNamePrefixType", 1);
  spy.SetValue("get_FunctionKey", 15);
  spy.SetValue("get_BarcodeScanButton", 11);
  spy.SetValue("get_OS", 7);  // no such entry
  spy.SetValue("get_PlusButtonEnabled", -1);
  spy.SetValue("get_KeywordUsageString(1)", "Author");
  spy.SetValue("get_KeywordContentString(1, 0)", "Smith");
  Run([](CMarnDeviceSettingsDlg& d) {
    EXPECT_EQ(d.GetWindowText(), "Selvarin DPM Device Settings");
    std::string prefix;
    d.GetDlgItemText(IDC_PREFIX_TEXT, prefix);
    EXPECT_EQ(prefix, "DICT");
    EXPECT_TRUE(Checked(d, IDC_DEVICE_BEEP));
    EXPECT_TRUE(Checked(d, IDC_PROTECT_DEVICE));
    EXPECT_FALSE(Checked(d, IDC_DLS_BUTTON_ENABLED));
    EXPECT_TRUE(Checked(d, IDC_APPEARANCE_ADVANCED));
    EXPECT_FALSE(Checked(d, IDC_APPEARANCE_CLASSIC));
    EXPECT_TRUE(Checked(d, IDC_SENSITIVITY_HIGH));
    EXPECT_TRUE(Checked(d, IDC_PREFIX_STRING));
    EXPECT_EQ(Selection(d, IDC_FUNCTION_KEY), 15);
    EXPECT_EQ(Selection(d, IDC_BARCODE_SCAN_BUTTON), 11);
    EXPECT_EQ(Selection(d, IDC_OS), -1);
    EXPECT_TRUE(Checked(d, IDC_PLUS_BUTTON_ENABLED));
    auto* names = static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_NAMES));
    auto* values = static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_VALUES));
    EXPECT_EQ(names->GetItemText(0, 1), "Author");
    EXPECT_EQ(values->GetItemText(0, 1), "Smith");
    char heading[32] = {};
    LVCOLUMN column{};
    column.mask = LVCF_TEXT;
    column.pszText = heading;
    column.cchTextMax = sizeof heading;
    ASSERT_TRUE(values->GetColumn(1, &column));
    EXPECT_STREQ(heading, "Author");
  });
}

struct RecordingModeRow {
  LONG stored;
  int shown;
};

class RecordingModeShown : public SettingsDialogTest, public testing::WithParamInterface<RecordingModeRow> {};

TEST_P(RecordingModeShown, SelectsTheEntryOfTheStoredValue) {
  ScriptRecorder();
  spy.SetValue("get_RecordingMode", GetParam().stored);
  Run([](CMarnDeviceSettingsDlg& d) { EXPECT_EQ(Selection(d, IDC_RECORDING_MODE), GetParam().shown); });
}

INSTANTIATE_TEST_SUITE_P(Values, RecordingModeShown,
                         testing::Values(RecordingModeRow{0, 0}, RecordingModeRow{4, 4}, RecordingModeRow{5, 5},
                                         RecordingModeRow{6, 5}, RecordingModeRow{9, 5}, RecordingModeRow{16, 5},
                                         RecordingModeRow{17, 6}, RecordingModeRow{18, 5}, RecordingModeRow{-1, -1}));

TEST_F(SettingsDialogTest, ThreeKeywordsGiveThreeColumnsAndDisableTheLastFlagRows) {
  ScriptRecorder(27, 3, 2);
  spy.SetValue("get_KeywordBarcodeScan(1)", -1);
  spy.SetValue("get_KeywordMandatory(2)", -1);
  Run([](CMarnDeviceSettingsDlg& d) {
    auto* values = static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_VALUES));
    EXPECT_EQ(values->GetHeaderCtrl()->GetItemCount(), 3);
    EXPECT_EQ(static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_NAMES))->GetHeaderCtrl()->GetItemCount(), 3);
    EXPECT_EQ(values->GetItemCount(), 2);
    EXPECT_TRUE(Checked(d, IDC_KEYWORD_BARCODE_FIRST + 1));
    EXPECT_FALSE(Checked(d, IDC_KEYWORD_BARCODE_FIRST + 2));
    EXPECT_TRUE(Checked(d, IDC_KEYWORD_MANDATORY_FIRST + 2));
    for (int first : {IDC_KEYWORD_BARCODE_FIRST, IDC_KEYWORD_VOICE_FIRST, IDC_KEYWORD_MANDATORY_FIRST}) {
      for (int k = 0; k < 3; ++k) EXPECT_TRUE(d.GetDlgItem(first + k)->IsWindowEnabled()) << first + k;
      for (int k = 3; k < 5; ++k) EXPECT_FALSE(d.GetDlgItem(first + k)->IsWindowEnabled()) << first + k;
    }
  });
}

TEST_F(SettingsDialogTest, RowsBeyondTheCapabilityStayEmpty) {
  ScriptRecorder(27, 2, 20);
  spy.SetValue("get_KeywordContent", 10);
  spy.SetValue("get_KeywordContentString", "x");
  Run([](CMarnDeviceSettingsDlg& d) {
    auto* values = static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_VALUES));
    ASSERT_EQ(values->GetItemCount(), 20);
    for (int r = 0; r < 20; ++r)
      for (int k = 0; k < 2; ++k) EXPECT_EQ(values->GetItemText(r, k), r < 10 ? "x" : "") << r << "," << k;
  });
  EXPECT_EQ(spy.CallsTo("get_KeywordContentString").size(), 20u);
}

TEST_F(SettingsDialogTest, ColumnsAreAFifthOfTheGridWhateverTheirNumber) {
  ScriptRecorder(27, 2, 1);
  Run([](CMarnDeviceSettingsDlg& d) {
    auto* values = static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_VALUES));
    CRect window, client;
    values->GetWindowRect(&window);
    values->GetClientRect(&client);
    // A grid whose client area is 400 pixels wide.
    const int frame = window.Width() - client.Width();
    values->MoveWindow(10, 10, 400 + frame, 200);
    values->GetClientRect(&client);
    ASSERT_EQ(client.Width(), 400);
    Click(d, IDC_READ_FROM_DEVICE);
    EXPECT_EQ(values->GetColumnWidth(0), 80);
    EXPECT_EQ(values->GetColumnWidth(1), 80);
    EXPECT_EQ(values->GetHeaderCtrl()->GetItemCount(), 2) << "a second load replaces the columns";
    EXPECT_EQ(static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_NAMES))->GetColumnWidth(1), 80);
  });
}

TEST_F(SettingsDialogTest, Dpm4RecorderShowsItsButtonAndFillsTheRecord) {
  g_smartButtonSetup = {};
  ScriptRecorder(27);
  spy.SetValue("get_SmartButtonConfiguration(2, 4)", 17);
  spy.SetValue("get_DisplayAreaMapping(3)", 8);
  spy.SetValue("get_AudioQuality", 6);
  spy.SetValue("get_MicrophoneDirection(1)", 1);
  Run([](CMarnDeviceSettingsDlg& d) { EXPECT_TRUE(d.GetDlgItem(IDC_DPM4_SETTINGS)->IsWindowVisible()); });
  EXPECT_EQ(g_smartButtonSetup.buttonFunction[2][4], 17);
  EXPECT_EQ(g_smartButtonSetup.displayArea[2], 8);
  for (const RecordingProfileSetup& profile : g_smartButtonSetup.profile) {
    EXPECT_EQ(profile.audioQuality, 6);
    EXPECT_EQ(profile.micDirection[0], 0);
    EXPECT_EQ(profile.micDirection[1], 1);
  }
  g_smartButtonSetup = {};
}

TEST_F(SettingsDialogTest, OlderRecorderHidesTheButtonAndLeavesTheRecord) {
  g_smartButtonSetup = {};
  g_smartButtonSetup.displayArea[0] = 5;
  ScriptRecorder(20);
  Run([](CMarnDeviceSettingsDlg& d) { EXPECT_FALSE(d.GetDlgItem(IDC_DPM4_SETTINGS)->IsWindowVisible()); });
  EXPECT_TRUE(spy.CallsTo("get_SmartButtonConfiguration").empty());
  EXPECT_TRUE(spy.CallsTo("get_RecordingProfile").empty());
  EXPECT_EQ(g_smartButtonSetup.displayArea[0], 5);
  g_smartButtonSetup = {};
}

TEST_F(SettingsDialogTest, WithoutSettingsTheDialogShowsTheFailureAndDoesNothing) {
  ScriptRecorder();
  spy.SetResult("GetDeviceSettings", dpmCtrlReadDeviceConfiguration);
  host.NextMessageBoxAnswer(IDOK);
  Run([this](CMarnDeviceSettingsDlg& d) {
    EXPECT_EQ(host.MessageTexts(), Strings{"Failed to get device settings"});
    spy.ClearCalls();
    for (int id : std::initializer_list<int>{IDC_DEVICE_BEEP, IDC_DATE_TIME_24_HOURS, IDC_WRITE_TO_DEVICE, IDC_EXPORT_SETTINGS,
                   IDC_RESET_JOB_COUNTER, IDC_KEYWORD_BARCODE_FIRST + 1, IDC_SCAN_KEYWORDS_FROM_BARCODE})
      Click(d, id);
    Choose(d, IDC_RECORDING_MODE, 2);
    Choose(d, IDC_FUNCTION_KEY, 3);
    d.OnKeywordCellEdited(d.GetDlgItem(IDC_KEYWORD_VALUES)->GetSafeHwnd(), 0, 0, "x");
    EXPECT_TRUE(spy.Calls().empty()) << spy.Calls().front();
    EXPECT_EQ(d.Settings(), nullptr);
  });
  EXPECT_EQ(host.MessageTexts(), Strings{"Failed to get device settings"});
}

TEST_F(SettingsDialogTest, ReadFromDeviceEmptiesTheMessageList) {
  ScriptRecorder();
  spy.SetResult("put_DeviceBeep", E_FAIL);
  Run([this](CMarnDeviceSettingsDlg& d) {
    Click(d, IDC_DEVICE_BEEP);
    ASSERT_EQ(Messages(d).size(), 1u);
    spy.ClearCalls();
    Click(d, IDC_READ_FROM_DEVICE);
    EXPECT_TRUE(Messages(d).empty());
    EXPECT_EQ(spy.Calls().front(), "GetDeviceSettings()");
  });
}

}  // namespace
