// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's commands: Write To Device, the write-all pass of Export Settings, Import,
// Reset Job Counter, and the keyword flags and grid edits.
#include "tests/settings/SettingsDialogFixture.h"

#include "device/DpmResults.h"
#include "smartbuttons/SmartButtonSetup.h"
#include "smartbuttons/SmartButtonsIds.h"
#include "tests/platform/ui/AccessibleDriver.h"

namespace {

constexpr const char* kQuestion = "Are you sure you wish to write these setting to the device ?";

Strings Dpm4RecordWrites() {
  Strings writes;
  for (int b = 0; b < 3; ++b)
    for (int s = 0; s < 5; ++s)
      writes.push_back("put_SmartButtonConfiguration(" + std::to_string(b) + ", " + std::to_string(s) + ", " +
                       std::to_string(b * 5 + s) + ")");
  for (int a = 1; a <= 4; ++a)
    writes.push_back("put_DisplayAreaMapping(" + std::to_string(a) + ", " + std::to_string(a + 4) + ")");
  for (int p = 0; p < 4; ++p) {
    writes.push_back("get_RecordingProfile(" + std::to_string(p) + ")");
    writes.push_back("put_MicrophoneDirection(0, " + std::to_string(p % 2) + ")");
    writes.push_back("put_MicrophoneDirection(1, 1)");
    writes.push_back("put_ProfileMicSensitivity(" + std::to_string(p % 3) + ")");
    writes.push_back("put_AudioQuality(17)");
  }
  return writes;
}

SmartButtonSetup SampleRecord() {
  SmartButtonSetup record{};
  for (int b = 0; b < 3; ++b)
    for (int s = 0; s < 5; ++s) record.buttonFunction[b][s] = b * 5 + s;
  for (int a = 0; a < 4; ++a) record.displayArea[a] = a + 5;
  for (int p = 0; p < 4; ++p) record.profile[p] = {17, p % 3, {p % 2, 1}};
  return record;
}

TEST_F(SettingsDialogTest, NoAtTheQuestionWritesNothing) {
  ScriptRecorder(26);
  host.NextMessageBoxAnswer(IDNO);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Click(d, IDC_WRITE_TO_DEVICE);
  });
  EXPECT_TRUE(spy.Calls().empty());
  ASSERT_EQ(host.Shown().size(), 1u);
  EXPECT_EQ(host.Shown()[0].text, kQuestion);
  EXPECT_EQ(host.Shown()[0].type & 0xF, static_cast<UINT>(MB_YESNO));
}

TEST_F(SettingsDialogTest, Dpm4RecorderGetsItsRecordBeforeTheCommit) {
  ScriptRecorder(26);
  host.NextMessageBoxAnswer(IDYES);
  Run([this](CMarnDeviceSettingsDlg& d) {
    g_smartButtonSetup = SampleRecord();
    spy.ClearCalls();
    Click(d, IDC_WRITE_TO_DEVICE);
  });
  Strings expected{"GetDeviceType()"};
  const Strings record = Dpm4RecordWrites();
  expected.insert(expected.end(), record.begin(), record.end());
  expected.push_back("SetDeviceSettings(settings#3)");
  EXPECT_EQ(spy.Calls(), expected);
  EXPECT_EQ(host.MessageTexts(), Strings{kQuestion}) << "success shows nothing";
  g_smartButtonSetup = {};
}

struct OlderRow {
  LONG appearance;
  Strings calls;
};

class OlderRecorderCommit : public SettingsDialogTest, public testing::WithParamInterface<OlderRow> {};

TEST_P(OlderRecorderCommit, AdvancedDisplayGetsItsOneArea) {
  ScriptRecorder(7);
  spy.SetValue("get_Appearance", GetParam().appearance);
  host.NextMessageBoxAnswer(IDYES);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Click(d, IDC_WRITE_TO_DEVICE);
  });
  EXPECT_EQ(spy.Calls(), GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Appearance, OlderRecorderCommit,
    testing::Values(OlderRow{1, {"GetDeviceType()", "get_Appearance()", "put_DisplayAreaMapping(1, 2)",
                                 "SetDeviceSettings(settings#3)"}},
                    OlderRow{0, {"GetDeviceType()", "get_Appearance()", "SetDeviceSettings(settings#3)"}}));

TEST_F(SettingsDialogTest, RefusedCommitIsShownByName) {
  ScriptRecorder(20);
  spy.SetResult("SetDeviceSettings", dpmCtrlWriteDeviceConfiguration);
  spy.SetResult("GetDeviceType", E_FAIL);  // an unknown type adds nothing, the commit still runs
  host.NextMessageBoxAnswer(IDYES);
  host.NextMessageBoxAnswer(IDOK);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Click(d, IDC_WRITE_TO_DEVICE);
    EXPECT_TRUE(Messages(d).empty()) << "Write To Device writes nothing to the message list";
  });
  EXPECT_EQ(spy.Calls(), (Strings{"GetDeviceType()", "SetDeviceSettings(settings#3)"}));
  EXPECT_EQ(host.MessageTexts(),
            (Strings{kQuestion, "Failed to set device settings: dpmCtrlWriteDeviceConfiguration"}));
}

// Export runs the write-all pass; its keyword part for three keywords and two rows.
TEST_F(SettingsDialogTest, WriteAllPassWritesNamesValuesAndFlagsInOrder) {
  ScriptRecorder(20, 3, 2);
  spy.SetValue("get_KeywordUsageString(0)", "Author");
  spy.SetValue("get_KeywordContentString(1, 1)", "v11");
  spy.SetValue("get_KeywordBarcodeScan(2)", -1);
  host.NextOpenFile("/tmp/settings.json");
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Click(d, IDC_EXPORT_SETTINGS);
  });
  const Strings names = spy.CallsTo("put_KeywordUsageString");
  EXPECT_EQ(names, (Strings{"put_KeywordUsageString(0, \"Author\")", "put_KeywordUsageString(1, \"\")",
                            "put_KeywordUsageString(2, \"\")"}));
  EXPECT_EQ(spy.CallsTo("put_KeywordContentString"),
            (Strings{"put_KeywordContentString(0, 0, \"\")", "put_KeywordContentString(1, 0, \"\")",
                     "put_KeywordContentString(2, 0, \"\")", "put_KeywordContentString(0, 1, \"\")",
                     "put_KeywordContentString(1, 1, \"v11\")", "put_KeywordContentString(2, 1, \"\")"}));
  Strings flags;
  for (const std::string& call : spy.Calls())
    if (call.rfind("put_Keyword", 0) == 0 && call.find("String") == std::string::npos) flags.push_back(call);
  EXPECT_EQ(flags, (Strings{"put_KeywordBarcodeScan(0, 0)", "put_KeywordBarcodeScan(1, 0)",
                            "put_KeywordBarcodeScan(2, -1)", "put_KeywordVoiceCommand(0, 0)",
                            "put_KeywordVoiceCommand(1, 0)", "put_KeywordVoiceCommand(2, 0)",
                            "put_KeywordMandatory(0, 0)", "put_KeywordMandatory(1, 0)", "put_KeywordMandatory(2, 0)"}));
  // The fixed part of the pass, and the commit to the file at the end.
  const Strings& calls = spy.Calls();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls[0], "put_FileNamePrefixString(\"\")");
  EXPECT_EQ(calls[1], "put_FileCounter(0)");
  EXPECT_EQ(calls[2], "put_FileCounterSource(0)");
  EXPECT_EQ(spy.CallsTo("ExportSettings"), Strings{"ExportSettings(\"/tmp/settings.json\", settings#3)"});
  EXPECT_EQ(CallsAfter("ExportSettings(\"/tmp/settings.json\", settings#3)").front(), "get_FileNamePrefixString()")
      << "a full load follows a successful export";
}

TEST_F(SettingsDialogTest, FailedNameWriteIsLoggedWithItsText) {
  ScriptRecorder(20, 1, 0);
  spy.SetValue("get_KeywordUsageString(0)", "Author");
  spy.SetResult("put_KeywordUsageString", dpmCtrlKeywordsLinked);
  host.NextOpenFile("/tmp/settings.json");
  Run([](CMarnDeviceSettingsDlg& d) {
    Click(d, IDC_EXPORT_SETTINGS);
    EXPECT_EQ(Messages(d), Strings{"0 put_KeywordUsageString(Author)  FAILED --> Error: dpmCtrlKeywordsLinked"});
  });
}

TEST_F(SettingsDialogTest, CancellingEitherFileDialogCallsNothing) {
  ScriptRecorder();
  host.NextOpenFile(std::nullopt);
  host.NextOpenFile(std::nullopt);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Click(d, IDC_IMPORT_SETTINGS);
    Click(d, IDC_EXPORT_SETTINGS);
    EXPECT_TRUE(spy.Calls().empty());
    EXPECT_NE(d.Settings(), nullptr);
  });
  EXPECT_EQ(host.Shown().size(), 2u);
}

TEST_F(SettingsDialogTest, RejectedImportKeepsTheValuesShownAndLeavesNoObject) {
  ScriptRecorder();
  spy.SetValue("get_FileNamePrefixString", "KEEP");
  spy.SetResult("ImportSettings", dpmCtrlInvalidFile);
  host.NextOpenFile("/tmp/damaged.json");
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Click(d, IDC_IMPORT_SETTINGS);
    EXPECT_EQ(host.MessageTexts(), Strings{"Error: dpmCtrlInvalidFile"});
    std::string prefix;
    d.GetDlgItemText(IDC_PREFIX_TEXT, prefix);
    EXPECT_EQ(prefix, "KEEP");
    EXPECT_EQ(d.Settings(), nullptr);
    Click(d, IDC_WRITE_TO_DEVICE);
    Click(d, IDC_DEVICE_BEEP);
    EXPECT_EQ(spy.Calls(), Strings{"ImportSettings(\"/tmp/damaged.json\")"});
  });
  EXPECT_EQ(host.MessageTexts(), Strings{"Error: dpmCtrlInvalidFile"}) << "no question without an object";
}

TEST_F(SettingsDialogTest, ImportReplacesTheObjectAndLoadsIt) {
  ScriptRecorder();
  host.NextOpenFile("/tmp/office.json");
  Run([this](CMarnDeviceSettingsDlg& d) {
    IDPMDeviceSettings* before = d.Settings();
    spy.ClearCalls();
    Click(d, IDC_IMPORT_SETTINGS);
    EXPECT_NE(d.Settings(), nullptr);
    EXPECT_NE(d.Settings(), before);
    EXPECT_EQ(spy.Calls().at(1), "get_FileNamePrefixString()");
  });
}

TEST_F(SettingsDialogTest, JobCounterResetIsShownEvenWhenTheWriteFails) {
  ScriptRecorder();
  spy.SetValue("get_FileCounter", 12);
  spy.SetResult("put_FileCounter", dpmCtrlNotSupported);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Click(d, IDC_RESET_JOB_COUNTER);
    EXPECT_EQ(Messages(d), Strings{"0 put_FileCounter() FAILED --> Error: dpmCtrlNotSupported"});
  });
  EXPECT_EQ(spy.Calls().front(), "put_FileCounter(0)");
  EXPECT_EQ(host.MessageTexts(), Strings{"Job Counter Reset"});
}

TEST_F(SettingsDialogTest, UnchangedBarcodeFlagWritesNothingButTheRowIsStillHandled) {
  ScriptRecorder(20, 3, 0);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.SetValue("get_KeywordBarcodeScan(1)", -1);             // the object has the flag already
    d.CheckDlgButton(IDC_KEYWORD_VOICE_FIRST + 1, BST_CHECKED);  // a change in the same row
    spy.ClearCalls();
    Click(d, IDC_KEYWORD_BARCODE_FIRST + 1);
    EXPECT_TRUE(Messages(d).empty());
  });
  EXPECT_TRUE(spy.CallsTo("put_KeywordBarcodeScan").empty());
  EXPECT_EQ(spy.CallsTo("put_KeywordVoiceCommand"), Strings{"put_KeywordVoiceCommand(1, -1)"});
  EXPECT_EQ(spy.CallsTo("get_KeywordMandatory").size(), 4u) << "the refresh of three boxes, then the row's own";
}

TEST_F(SettingsDialogTest, RejectedVoiceFlagTurnsBackAndRereadsTheMandatoryBoxes) {
  ScriptRecorder(20, 3, 0);
  spy.SetResult("put_KeywordVoiceCommand", dpmCtrlKeywordsLinked);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Click(d, IDC_KEYWORD_VOICE_FIRST + 2);
    EXPECT_FALSE(Checked(d, IDC_KEYWORD_VOICE_FIRST + 2));
    EXPECT_EQ(Messages(d), Strings{"0 put_KeywordVoiceCommand() FAILED --> Error: dpmCtrlKeywordsLinked"});
  });
  Strings expected{"get_KeywordBarcodeScan(2)", "get_KeywordVoiceCommand(2)", "put_KeywordVoiceCommand(2, -1)"};
  const Strings& calls = spy.Calls();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(Strings(calls.begin(), calls.begin() + 3), expected);
  const Strings refresh = CallsAfter("get_ScanKeywordsFromBarcode()");
  EXPECT_EQ(refresh, (Strings{"get_KeywordUsageCount()", "get_KeywordMandatory(0)", "get_KeywordMandatory(1)",
                              "get_KeywordMandatory(2)", "get_KeywordMandatory(2)"}))
      << "the refresh after the write, then the row's own mandatory box";
}

TEST_F(SettingsDialogTest, UseBarcodeForAllRereadsBarcodeAndMandatoryBoxesOnly) {
  ScriptRecorder(20, 2, 0);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.SetValue("get_KeywordBarcodeScan", -1);
    spy.SetValue("get_KeywordMandatory(1)", -1);
    spy.SetValue("get_KeywordVoiceCommand", -1);
    spy.ClearCalls();
    Click(d, IDC_SCAN_KEYWORDS_FROM_BARCODE);
    EXPECT_TRUE(Checked(d, IDC_KEYWORD_BARCODE_FIRST));
    EXPECT_TRUE(Checked(d, IDC_KEYWORD_MANDATORY_FIRST + 1));
    EXPECT_FALSE(Checked(d, IDC_KEYWORD_VOICE_FIRST));
  });
  EXPECT_EQ(spy.Calls(), (Strings{"put_ScanKeywordsFromBarcode(-1)", "get_KeywordUsageCount()",
                                  "get_KeywordBarcodeScan(0)", "get_KeywordMandatory(0)", "get_KeywordBarcodeScan(1)",
                                  "get_KeywordMandatory(1)"}));
}

// A real click on a cell and typed text end in the grid's report of the edit.
TEST_F(SettingsDialogTest, GridEditsWriteTheirKeywordAndRow) {
  ScriptRecorder(20, 3, 5);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    d.OnKeywordCellEdited(d.GetDlgItem(IDC_KEYWORD_NAMES)->GetSafeHwnd(), 0, 2, "Client");
    d.OnKeywordCellEdited(d.GetDlgItem(IDC_KEYWORD_VALUES)->GetSafeHwnd(), 4, 2, "Acme");
    d.OnKeywordCellEdited(d.GetSafeHwnd(), 1, 1, "ignored");
  });
  EXPECT_EQ(spy.Calls(), (Strings{"put_KeywordUsageString(2, \"Client\")", "put_KeywordContentString(2, 4, \"Acme\")"}));
}

TEST_F(SettingsDialogTest, TypedCellReachesTheSettingsObject) {
  ScriptRecorder(20, 3, 5);
  Run([this](CMarnDeviceSettingsDlg& d) {
    auto* values = static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_VALUES));
    CRect cell;
    ASSERT_TRUE(values->GetSubItemRect(4, 2, LVIR_BOUNDS, &cell));
    QWidget* grid = WidgetOf(*values);
    QWidget* target = grid;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(grid)) target = area->viewport();
    POINT screen{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    values->ClientToScreen(&screen);
    spy.ClearCalls();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFromGlobal(QPoint(screen.x, screen.y)));
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "Acme");
    QTest::keyClick(editor, Qt::Key_Return);
  });
  ASSERT_FALSE(spy.CallsTo("put_KeywordContentString").empty());
  EXPECT_EQ(spy.CallsTo("put_KeywordContentString").front(), "put_KeywordContentString(2, 4, \"Acme\")");
}

// A screen reader's text on a cell writes as typed text does.
TEST_F(SettingsDialogTest, CellTextSetByAClientReachesTheSettingsObject) {
  ScriptRecorder(20, 3, 5);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    ASSERT_TRUE(accessible::SetCellText(ControlWidget(d, IDC_KEYWORD_VALUES), 4, 2, "Acme"));
    ASSERT_TRUE(accessible::SetCellText(ControlWidget(d, IDC_KEYWORD_NAMES), 0, 1, "Client"));
    EXPECT_EQ(static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_VALUES))->GetItemText(4, 2), "Acme");
  });
  EXPECT_EQ(spy.CallsTo("put_KeywordContentString"), Strings{"put_KeywordContentString(2, 4, \"Acme\")"});
  EXPECT_EQ(spy.CallsTo("put_KeywordUsageString"), Strings{"put_KeywordUsageString(1, \"Client\")"});
}

}  // namespace

namespace {

// What the write-all pass writes, in its order, for a DPM4 recorder with three keywords and two rows
// that holds only neutral values and "v21" in keyword 2's second row.
Strings WriteAllPass() {
  Strings writes = {"put_FileNamePrefixString(\"\")", "put_FileCounter(0)", "put_FileCounterSource(0)",
                    "put_VoiceActivation(0)", "put_ProtectDevice(0)", "put_DLSButtonEnabled(0)", "put_DeviceBeep(0)",
                    "put_RecordingMode(0)", "put_DateTimeFormat(0)", "put_Appearance(0)",
                    "put_MicrophoneSensitivity(0)", "put_FileNamePrefixType(0)", "put_DownloadMode(0)",
                    "put_DownloadFilter(0)", "put_DeleteFilesAfterDownload(0)", "put_Keyword1String(\"\")"};
  for (int k = 0; k < 3; ++k) writes.push_back("put_KeywordUsageString(" + std::to_string(k) + ", \"\")");
  for (int r = 0; r < 2; ++r)
    for (int k = 0; k < 3; ++k)
      writes.push_back("put_KeywordContentString(" + std::to_string(k) + ", " + std::to_string(r) + ", \"" +
                       (k == 2 && r == 1 ? "v21" : "") + "\")");
  for (const char* put : {"put_RequiredInputType(0)", "put_TotalTimeType(0)", "put_UserStringCount(0)",
                          "put_DELButtonEnabled(0)", "put_InsertButtonEnabled(0)", "put_EOLButtonEnabled(0)",
                          "put_LinkKeywords(0)", "put_ScanKeywordsFromBarcode(0)", "put_BarcodeScanButton(0)",
                          "put_OneFile(0)", "put_RecordNotify(0)", "put_VoiceCommandType(0, 0)", "put_OS(0)",
                          "put_BarcodeMode(0)", "put_FunctionKey(0)", "put_FourPosSwitch(0)", "put_NoiseReduction(0)",
                          "put_RecordLevelInd(0)", "put_ProhibitFileAlteration(0)", "put_ProMode(0)",
                          "put_PlusButtonEnabled(0)", "put_MinusButtonEnabled(0)"})
    writes.push_back(put);
  for (const char* flag : {"put_KeywordBarcodeScan", "put_KeywordVoiceCommand", "put_KeywordMandatory"})
    for (int k = 0; k < 3; ++k) writes.push_back(std::string(flag) + "(" + std::to_string(k) + ", 0)");
  const Strings record = Dpm4RecordWrites();
  writes.insert(writes.end(), record.begin(), record.end());
  return writes;
}

// The whole pass in order, each write logged under its own name: a failed value keeps its text in an
// odd form, the mandatory flags log without their prefix, and the smart-button writes are checked here.
TEST_F(SettingsDialogTest, WriteAllPassWritesEverythingInOrderWithItsLogNames) {
  ScriptRecorder(27, 3, 2);
  spy.SetValue("get_KeywordContentString(2, 1)", "v21");
  spy.SetResult("put_KeywordContentString(2, 1, \"v21\")", E_FAIL);
  spy.SetResult("put_KeywordMandatory(1, 0)", E_FAIL);
  spy.SetResult("put_SmartButtonConfiguration(2, 4, 14)", E_FAIL);
  host.NextOpenFile("/tmp/settings.json");
  Run([this](CMarnDeviceSettingsDlg& d) {
    g_smartButtonSetup = SampleRecord();  // loading took the recorder's
    spy.ClearCalls();
    Click(d, IDC_EXPORT_SETTINGS);
    EXPECT_EQ(Messages(d), (Strings{"0 put_KeywordContentString v21)  FAILED --> Error: FAIL",
                                    "1 KeywordMandatory() FAILED --> Error: FAIL",
                                    "2 put_SmartButtonConfiguration() FAILED --> Error: FAIL"}));
  });
  g_smartButtonSetup = {};
  Strings writes;
  for (const std::string& call : spy.Calls()) {
    if (call.rfind("ExportSettings(", 0) == 0) break;
    if (call.rfind("put_", 0) == 0 || call.rfind("get_RecordingProfile(", 0) == 0) writes.push_back(call);
  }
  EXPECT_EQ(writes, WriteAllPass());
}

TEST_F(SettingsDialogTest, FailedExportIsShownByNameAndReloadsNothing) {
  ScriptRecorder(20, 1, 0);
  spy.SetResult("ExportSettings", dpmCtrlAccessDenied);
  host.NextOpenFile("/tmp/settings.json");
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Click(d, IDC_EXPORT_SETTINGS);
  });
  EXPECT_EQ(host.MessageTexts(), Strings{"Error: dpmCtrlAccessDenied"});
  ASSERT_FALSE(spy.Calls().empty());
  EXPECT_EQ(spy.Calls().back().rfind("ExportSettings(\"/tmp/settings.json\"", 0), 0u) << spy.Calls().back();
}

TEST_F(SettingsDialogTest, SuccessfulImportKeepsTheMessageList) {
  ScriptRecorder();
  spy.SetResult("put_OS", dpmCtrlNotSupported);
  host.NextOpenFile("/tmp/office.json");
  Run([](CMarnDeviceSettingsDlg& d) {
    Choose(d, IDC_OS, 6);
    const Strings before = Messages(d);
    ASSERT_EQ(before.size(), 1u);
    Click(d, IDC_IMPORT_SETTINGS);
    EXPECT_EQ(Messages(d), before);
  });
}

TEST_F(SettingsDialogTest, JobCounterResetWritesTheCounterOnceAndShowsZero) {
  ScriptRecorder();
  spy.SetValue("get_FileCounter", 12);
  Run([this](CMarnDeviceSettingsDlg& d) {
    spy.ClearCalls();
    Click(d, IDC_RESET_JOB_COUNTER);
    std::string counter;
    d.GetDlgItemText(IDC_FILE_COUNTER, counter);
    EXPECT_EQ(counter, "0");
  });
  EXPECT_EQ(spy.CallsTo("put_FileCounter"), Strings{"put_FileCounter(0)"});
}

}  // namespace

namespace {

// The DPM4 dialog opens on the record the settings dialog keeps; OK copies its edits back, Cancel
// leaves the record as it was.
class Dpm4Dialog : public SettingsDialogTest, public testing::WithParamInterface<int> {};

TEST_P(Dpm4Dialog, StartsFromTheRecordAndOnlyOkCopiesItBack) {
  const int end = GetParam();
  ScriptRecorder(27);
  int shown = -1;
  Run([&](CMarnDeviceSettingsDlg& d) {
    g_smartButtonSetup = SampleRecord();  // loading took the recorder's
    spy.ClearCalls();
    QTimer::singleShot(0, [&] {
      QWidget* nested = QApplication::activeModalWidget();
      auto* area = nested ? nested->findChild<QComboBox*>(QString::number(IDC_DISPLAY_AREA_1)) : nullptr;
      if (!area) return;
      shown = area->currentIndex();
      area->setCurrentIndex(2);
      emit area->activated(2);
      QTest::mouseClick(nested->findChild<QWidget*>(QString::number(end)), Qt::LeftButton);
    });
    Click(d, IDC_DPM4_SETTINGS);
  });
  const SmartButtonSetup after = g_smartButtonSetup;
  g_smartButtonSetup = {};
  EXPECT_EQ(shown, SampleRecord().displayArea[0]);
  EXPECT_EQ(after.displayArea[0], end == IDOK ? 2 : SampleRecord().displayArea[0]);
  EXPECT_EQ(after.buttonFunction[2][4], SampleRecord().buttonFunction[2][4]);
  EXPECT_TRUE(spy.CallsTo("put_DisplayAreaMapping").empty()) << "the record reaches the object only on a commit";
}

INSTANTIATE_TEST_SUITE_P(OkAndCancel, Dpm4Dialog, testing::Values(IDOK, IDCANCEL));

}  // namespace
