// SPDX-License-Identifier: GPL-3.0-or-later
// Immediate writes: every control writes its property the moment it changes, and failures become
// numbered lines of the message list followed by a re-read of the settings object.
#include "tests/settings/SettingsDialogFixture.h"

#include <QLineEdit>

#include "device/DpmResults.h"

namespace {

// The five writes any of the nine radio buttons makes, with the values after the click.
Strings RadioWrites(int dateTime, int appearance, int sensitivity, int prefixType) {
  return {"put_DateTimeFormat(" + std::to_string(dateTime) + ")", "put_Appearance(" + std::to_string(appearance) + ")",
          "put_MicrophoneSensitivity(" + std::to_string(sensitivity) + ")",
          "put_FileNamePrefixType(" + std::to_string(prefixType) + ")", "put_FileNamePrefixString(\"AB\")"};
}

struct RadioRow {
  int id;
  Strings writes;
};

class RadioButtons : public SettingsDialogTest, public testing::WithParamInterface<RadioRow> {};

// Stored: 24 hours, classic, medium, keyword 1.
TEST_P(RadioButtons, AnyButtonWritesAllFiveInOrder) {
  ScriptRecorder();
  spy.SetValue("get_DateTimeFormat", 1);
  spy.SetValue("get_MicrophoneSensitivity", 1);
  spy.SetValue("get_FileNamePrefixString", "AB");
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Click(d, GetParam().id);
  });
  EXPECT_EQ(spy.Calls(), GetParam().writes);
}

INSTANTIATE_TEST_SUITE_P(
    Nine, RadioButtons,
    testing::Values(RadioRow{IDC_DATE_TIME_AM_PM, RadioWrites(0, 0, 1, 0)},
                    RadioRow{IDC_DATE_TIME_24_HOURS, RadioWrites(1, 0, 1, 0)},
                    RadioRow{IDC_APPEARANCE_CLASSIC, RadioWrites(1, 0, 1, 0)},
                    RadioRow{IDC_APPEARANCE_ADVANCED, RadioWrites(1, 1, 1, 0)},
                    RadioRow{IDC_SENSITIVITY_LOW, RadioWrites(1, 0, 0, 0)},
                    RadioRow{IDC_SENSITIVITY_MEDIUM, RadioWrites(1, 0, 1, 0)},
                    RadioRow{IDC_SENSITIVITY_HIGH, RadioWrites(1, 0, 2, 0)},
                    RadioRow{IDC_PREFIX_KEYWORD1, RadioWrites(1, 0, 1, 0)},
                    RadioRow{IDC_PREFIX_STRING, RadioWrites(1, 0, 1, 1)}));

struct BoxRow {
  int id;
  const char* write;
};

class CheckBoxes : public SettingsDialogTest, public testing::WithParamInterface<BoxRow> {};

// Every box starts cleared, so one click writes true.
TEST_P(CheckBoxes, OneClickWritesItsPropertyOnce) {
  ScriptRecorder();
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    if (d.GetDlgItem(GetParam().id)->IsWindowVisible()) {
      Click(d, GetParam().id);
    } else {
      d.CheckDlgButton(GetParam().id, BST_CHECKED);
      Notify(d, GetParam().id);
    }
  });
  EXPECT_EQ(spy.Calls(), Strings{GetParam().write});
}

INSTANTIATE_TEST_SUITE_P(
    Each, CheckBoxes,
    testing::Values(BoxRow{IDC_DLS_BUTTON_ENABLED, "put_DLSButtonEnabled(-1)"},
                    BoxRow{IDC_DEVICE_BEEP, "put_DeviceBeep(-1)"}, BoxRow{IDC_PROTECT_DEVICE, "put_ProtectDevice(-1)"},
                    BoxRow{IDC_RECORD_NOTIFY, "put_RecordNotify(-1)"},
                    BoxRow{IDC_EOL_BUTTON_ENABLED, "put_EOLButtonEnabled(-1)"}, BoxRow{IDC_PRO_MODE, "put_ProMode(-1)"},
                    BoxRow{IDC_PLUS_BUTTON_ENABLED, "put_PlusButtonEnabled(-1)"},
                    BoxRow{IDC_MINUS_BUTTON_ENABLED, "put_MinusButtonEnabled(-1)"},
                    BoxRow{IDC_VOICE_ACTIVATION, "put_VoiceActivation(-1)"},
                    BoxRow{IDC_DELETE_FILES_AFTER_DOWNLOAD, "put_DeleteFilesAfterDownload(-1)"},
                    BoxRow{IDC_LINK_KEYWORDS, "put_LinkKeywords(-1)"}, BoxRow{IDC_ONE_FILE, "put_OneFile(-1)"},
                    BoxRow{IDC_NOISE_REDUCTION, "put_NoiseReduction(-1)"},
                    BoxRow{IDC_RECORD_LEVEL_IND, "put_RecordLevelInd(-1)"},
                    BoxRow{IDC_PROHIBIT_FILE_ALTERATION, "put_ProhibitFileAlteration(-1)"}));

struct ListRow {
  int id;
  int index;
  Strings writes;
};

class Lists : public SettingsDialogTest, public testing::WithParamInterface<ListRow> {};

TEST_P(Lists, ChoosingAnEntryWritesItsValue) {
  ScriptRecorder(27, 0, 0);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Choose(d, GetParam().id, GetParam().index);
  });
  EXPECT_EQ(spy.Calls(), GetParam().writes);
}

INSTANTIATE_TEST_SUITE_P(
    Each, Lists,
    testing::Values(ListRow{IDC_RECORDING_MODE, 3, {"put_RecordingMode(3)"}},
                    ListRow{IDC_RECORDING_MODE, 5, {"put_RecordingMode(6)"}},
                    ListRow{IDC_RECORDING_MODE, 6, {"put_RecordingMode(17)"}},
                    ListRow{IDC_BARCODE_SCAN_BUTTON, 11, {"put_BarcodeScanButton(11)"}},
                    ListRow{IDC_VOICE_COMMAND_TYPE, 1, {"put_VoiceCommandType(0, 1)"}},
                    ListRow{IDC_BARCODE_MODE, 1, {"put_BarcodeMode(1)"}},
                    ListRow{IDC_FUNCTION_KEY, 15, {"put_FunctionKey(15)"}},
                    ListRow{IDC_FOUR_POS_SWITCH, 3, {"put_FourPosSwitch(3)"}},
                    ListRow{IDC_FILE_COUNTER_SOURCE, 1, {"put_FileCounterSource(1)"}},
                    ListRow{IDC_TOTAL_TIME_TYPE, 1, {"put_TotalTimeType(1)"}},
                    ListRow{IDC_OS, 6, {"put_OS(6)"}},
                    // A keyword count of 0: the mandatory boxes' refresh reads only the count.
                    ListRow{IDC_REQUIRED_INPUT_TYPE, 2, {"put_RequiredInputType(2)", "get_KeywordUsageCount()"}}));

TEST_F(SettingsDialogTest, PrefixTextIsWrittenOnceWhenChangedAndNeverWhenNot) {
  ScriptRecorder();
  spy.SetValue("get_FileNamePrefixString", "AB");
  Run([this](CMarnDeviceSettingsDlg& d) {
    QWidget* prefix = ControlWidget(d, IDC_PREFIX_TEXT);
    QWidget* other = ControlWidget(d, IDC_READ_FROM_DEVICE);
    spy.ClearCalls();
    prefix->setFocus();
    other->setFocus();
    EXPECT_TRUE(spy.Calls().empty());
    prefix->setFocus();
    QTest::keyClicks(prefix, "C");
    other->setFocus();
    prefix->setFocus();
    other->setFocus();
  });
  EXPECT_EQ(spy.Calls(), Strings{"put_FileNamePrefixString(\"ABC\")"});
}

TEST_F(SettingsDialogTest, ProgrammaticTransfersWriteNothing) {
  ScriptRecorder();
  spy.SetValue("get_FileCounter", 42);
  Run([this](CMarnDeviceSettingsDlg& d) {
    std::string counter;
    d.GetDlgItemText(IDC_FILE_COUNTER, counter);
    EXPECT_EQ(counter, "42");
    spy.ClearCalls();
    d.SetDlgItemText(IDC_FILE_COUNTER, "43");  // what typing into the field would raise
  });
  EXPECT_EQ(spy.CallsTo("put_FileCounter"), Strings{"put_FileCounter(43)"});
}

TEST_F(SettingsDialogTest, FailedListWriteShowsTheValueReadBack) {
  ScriptRecorder();
  spy.SetValue("get_OS", 4);
  spy.SetResult("put_OS", dpmCtrlNotSupported);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Choose(d, IDC_OS, 6);
    EXPECT_EQ(Selection(d, IDC_OS), 4);
    EXPECT_EQ(spy.Calls().front(), "put_OS(6)");
    EXPECT_EQ(spy.Calls().back(), "get_OS()");
    EXPECT_EQ(Messages(d), Strings{"0 put_OS() FAILED --> Error: dpmCtrlNotSupported"});
  });
}

TEST_F(SettingsDialogTest, FailureLinesAreNumberedAndKeepTheNewestThirty) {
  ScriptRecorder();
  spy.SetResult("put_DeviceBeep", dpmCtrlNotSupported);
  Run([this](CMarnDeviceSettingsDlg& d) {
    Click(d, IDC_DLS_BUTTON_ENABLED);  // a successful write adds no line
    EXPECT_TRUE(Messages(d).empty());
    for (int i = 0; i < 31; ++i) Click(d, IDC_DEVICE_BEEP);
    const Strings lines = Messages(d);
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines.front(), "1 put_DeviceBeep() FAILED --> Error: dpmCtrlNotSupported");
    EXPECT_EQ(lines.back(), "30 put_DeviceBeep() FAILED --> Error: dpmCtrlNotSupported");
    EXPECT_EQ(d.LastLogLine(), lines.back());
    EXPECT_EQ(static_cast<CListBox*>(d.GetDlgItem(IDC_MESSAGE_LIST))->GetCurSel(), 29);
    EXPECT_FALSE(Checked(d, IDC_DEVICE_BEEP)) << "the box shows what the object kept";
  });
}

TEST_F(SettingsDialogTest, FirstFailureAfterEmptyingIsNumberedZero) {
  ScriptRecorder();
  CMarnDeviceSettingsDlg::s_logNumber = 57;
  spy.SetResult("put_ProMode", E_FAIL);
  Run([](CMarnDeviceSettingsDlg& d) {
    Click(d, IDC_PRO_MODE);
    EXPECT_EQ(Messages(d), Strings{"0 put_ProMode() FAILED --> Error: FAIL"});
  });
}

TEST_F(SettingsDialogTest, ARereadThatAlwaysFailsCannotLoop) {
  ScriptRecorder();
  spy.SetResult("get_MACAddress", dpmCtrlUsbInterface);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    d.CheckDlgButton(IDC_DEVICE_BEEP, BST_CHECKED);
    spy.SetResult("put_DeviceBeep", E_FAIL);
    Notify(d, IDC_DEVICE_BEEP);
    const Strings lines = Messages(d);
    // The write's failure and the one failing read of its reload; the reload starts no other.
    ASSERT_EQ(lines.size(), 2u + 2u) << "two lines from the load, two from the write";
    EXPECT_EQ(lines[2], "2 put_DeviceBeep() FAILED --> Error: FAIL");
    EXPECT_EQ(lines[3], "3 get_MACAddress() FAILED --> Error: Usb Interface");
    EXPECT_EQ(spy.CallsTo("get_MACAddress").size(), 1u);
  });
}

}  // namespace

namespace {

// Leaving a field writes it: the number fields every time, the keyword-1 text only when it changed.
// The fields are hidden, so the focus loss is the notification a user's action would send.
struct FocusRow {
  int id;
  std::string put;
  Strings untouched;  // the writes of leaving the field as loaded
  std::string text;   // what the field then holds
  std::string typed;  // and the write of leaving it
};
class FocusLoss : public SettingsDialogTest, public testing::WithParamInterface<FocusRow> {};

TEST_P(FocusLoss, LeavingTheFieldWritesItsValue) {
  const FocusRow& row = GetParam();
  ScriptRecorder();
  spy.SetValue("get_DownloadMode", 1);
  spy.SetValue("get_DownloadFilter", 1);
  spy.SetValue("get_UserStringCount", 1);
  spy.SetValue("get_Keyword1String", "K");
  Run([this, &row](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Notify(d, row.id, EN_KILLFOCUS);
    EXPECT_EQ(spy.CallsTo(row.put), row.untouched);
    spy.ClearCalls();
    d.SetDlgItemText(row.id, row.text);
    Notify(d, row.id, EN_KILLFOCUS);
    EXPECT_EQ(spy.CallsTo(row.put), Strings{row.typed});
  });
}

INSTANTIATE_TEST_SUITE_P(
    NumberAndTextFields, FocusLoss,
    testing::Values(
        FocusRow{IDC_DOWNLOAD_MODE, "put_DownloadMode", {"put_DownloadMode(1)"}, "2", "put_DownloadMode(2)"},
        FocusRow{IDC_DOWNLOAD_FILTER, "put_DownloadFilter", {"put_DownloadFilter(1)"}, "3", "put_DownloadFilter(3)"},
        FocusRow{IDC_USER_STRING_COUNT, "put_UserStringCount", {"put_UserStringCount(1)"}, "4",
                 "put_UserStringCount(4)"},
        FocusRow{IDC_KEYWORD1_STRING, "put_Keyword1String", {}, "K2", "put_Keyword1String(\"K2\")"}));

}  // namespace
