// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving the settings dialog with changes the recorder does not have yet: the question, each answer,
// each way of leaving, and what counts as a change.
#include "tests/settings/SettingsDialogFixture.h"

#include "device/DpmResults.h"

namespace {

constexpr const char* kLeave =
    "The settings have changes that are not written to the device yet. Write them to the device now?";

struct Leaving {
  const char* name;
  void (*leave)(CMarnDeviceSettingsDlg&);
};

const Leaving kWays[] = {
    {"OK", [](CMarnDeviceSettingsDlg& d) { SettingsDialogTest::Click(d, IDOK); }},
    {"Escape", [](CMarnDeviceSettingsDlg& d) { QTest::keyClick(ControlWidget(d, IDC_DEVICE_BEEP), Qt::Key_Escape); }},
    {"CloseBox", [](CMarnDeviceSettingsDlg& d) { WidgetOf(d)->close(); }},
};

struct Answer {
  const char* name;
  int answer;
  bool commits;
  bool closes;
};

const Answer kAnswers[] = {{"Yes", IDYES, true, true}, {"No", IDNO, false, true}, {"Cancel", IDCANCEL, false, false}};

class LeaveQuestion : public SettingsDialogTest, public testing::WithParamInterface<std::tuple<Leaving, Answer>> {};

TEST_P(LeaveQuestion, AnswersAfterAChange) {
  const auto& [way, answer] = GetParam();
  ScriptRecorder(20);
  host.NextMessageBoxAnswer(answer.answer);
  Run([&](CMarnDeviceSettingsDlg& d) {
    Click(d, IDC_DEVICE_BEEP);
    spy.ClearCalls();
    way.leave(d);
    EXPECT_EQ(!d.IsWindowVisible(), answer.closes);
  });
  ASSERT_EQ(host.MessageTexts(), Strings{kLeave});
  EXPECT_EQ(host.Shown()[0].type, MB_YESNOCANCEL | MB_ICONQUESTION);
  EXPECT_EQ(spy.CallsTo("SetDeviceSettings").size(), answer.commits ? 1u : 0u);
  if (!answer.commits) {
    EXPECT_EQ(spy.Calls(), Strings{}) << "nothing is written on " << answer.name;
  }
}

INSTANTIATE_TEST_SUITE_P(WaysAndAnswers, LeaveQuestion, testing::Combine(testing::ValuesIn(kWays), testing::ValuesIn(kAnswers)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
                         });

TEST_F(SettingsDialogTest, FailedCommitAtLeavingKeepsTheDialogOpen) {
  ScriptRecorder(20);
  spy.SetResult("SetDeviceSettings", dpmCtrlWriteDeviceConfiguration);
  host.NextMessageBoxAnswer(IDYES);
  Run([&](CMarnDeviceSettingsDlg& d) {
    Click(d, IDC_DEVICE_BEEP);
    Click(d, IDOK);
    EXPECT_TRUE(d.IsWindowVisible());
  });
  EXPECT_EQ(host.MessageTexts(), (Strings{kLeave, "Failed to set device settings: dpmCtrlWriteDeviceConfiguration"}));
}

// What leaves changes behind, and what clears them; `pending` says whether leaving then asks.
struct Change {
  const char* name;
  void (*act)(SettingsDialogTest&, CMarnDeviceSettingsDlg&);
  bool pending;
};

class Changes : public SettingsDialogTest, public testing::WithParamInterface<Change> {};

TEST_P(Changes, DecideWhetherLeavingAsks) {
  ScriptRecorder(27);
  Run([this](CMarnDeviceSettingsDlg& d) {
    GetParam().act(*this, d);
    host.Clear();
    Click(d, IDOK);  // unanswered: the cautious Cancel keeps it open for Run to end
  });
  EXPECT_EQ(host.MessageTexts(), GetParam().pending ? Strings{kLeave} : Strings{});
}

INSTANTIATE_TEST_SUITE_P(
    Sources, Changes,
    testing::Values(
        Change{"Nothing", [](SettingsDialogTest&, CMarnDeviceSettingsDlg&) {}, false},
        Change{"RefusedWrite",
               [](SettingsDialogTest& t, CMarnDeviceSettingsDlg& d) {
                 t.spy.SetResult("put_DeviceBeep", dpmCtrlNotSupported);
                 SettingsDialogTest::Click(d, IDC_DEVICE_BEEP);
               },
               false},
        Change{"List", [](SettingsDialogTest&, CMarnDeviceSettingsDlg& d) { SettingsDialogTest::Choose(d, IDC_OS, 2); },
               true},
        Change{"GridEdit",
               [](SettingsDialogTest&, CMarnDeviceSettingsDlg& d) {
                 d.OnKeywordCellEdited(d.GetDlgItem(IDC_KEYWORD_VALUES)->GetSafeHwnd(), 0, 0, "Acme");
               },
               true},
        Change{"Import",
               [](SettingsDialogTest& t, CMarnDeviceSettingsDlg& d) {
                 t.host.NextOpenFile("/tmp/office.json");
                 SettingsDialogTest::Click(d, IDC_IMPORT_SETTINGS);
               },
               true},
        Change{"ResetJobCounter",
               [](SettingsDialogTest&, CMarnDeviceSettingsDlg& d) { SettingsDialogTest::Click(d, IDC_RESET_JOB_COUNTER); },
               true},
        Change{"Dpm4DialogOk",
               [](SettingsDialogTest&, CMarnDeviceSettingsDlg& d) {
                 QTimer::singleShot(0, [] {
                   if (QWidget* modal = QApplication::activeModalWidget())
                     QTest::mouseClick(modal->findChild<QWidget*>(QString::number(IDOK)), Qt::LeftButton);
                 });
                 SettingsDialogTest::Click(d, IDC_DPM4_SETTINGS);
               },
               true},
        Change{"ThenReadFromDevice",
               [](SettingsDialogTest&, CMarnDeviceSettingsDlg& d) {
                 SettingsDialogTest::Click(d, IDC_DEVICE_BEEP);
                 SettingsDialogTest::Click(d, IDC_READ_FROM_DEVICE);
               },
               false},
        Change{"ThenWriteToDevice",
               [](SettingsDialogTest& t, CMarnDeviceSettingsDlg& d) {
                 SettingsDialogTest::Click(d, IDC_DEVICE_BEEP);
                 t.host.NextMessageBoxAnswer(IDYES);
                 SettingsDialogTest::Click(d, IDC_WRITE_TO_DEVICE);
               },
               false}),
    [](const testing::TestParamInfo<Change>& info) { return std::string(info.param.name); });

}  // namespace

// Text typed into a field written on focus loss, then the dialog left with the focus still there (or
// moved to OK by a click): written once, and the question sees it.
class LeaveFromTypedField : public SettingsDialogTest, public testing::WithParamInterface<Leaving> {};

TEST_P(LeaveFromTypedField, WritesTheFieldOnceAndAsks) {
  ScriptRecorder(20);
  spy.SetValue("get_FileNamePrefixString", "AB");
  host.NextMessageBoxAnswer(IDNO);
  Run([&](CMarnDeviceSettingsDlg& d) {
    QWidget* prefix = ControlWidget(d, IDC_PREFIX_TEXT);
    prefix->setFocus();
    QTest::keyClicks(prefix, "C");
    GetParam().leave(d);
    EXPECT_FALSE(d.IsWindowVisible());
  });
  EXPECT_EQ(spy.CallsTo("put_FileNamePrefixString"), Strings{"put_FileNamePrefixString(\"ABC\")"});
  EXPECT_EQ(host.MessageTexts(), Strings{kLeave});
}

INSTANTIATE_TEST_SUITE_P(
    Ways, LeaveFromTypedField,
    testing::Values(
        Leaving{"Enter", [](CMarnDeviceSettingsDlg& d) { QTest::keyClick(ControlWidget(d, IDC_PREFIX_TEXT), Qt::Key_Return); }},
        Leaving{"Escape", [](CMarnDeviceSettingsDlg& d) { QTest::keyClick(ControlWidget(d, IDC_PREFIX_TEXT), Qt::Key_Escape); }},
        Leaving{"CloseBox", [](CMarnDeviceSettingsDlg& d) { WidgetOf(d)->close(); }},
        Leaving{"ClickOnOk", [](CMarnDeviceSettingsDlg& d) { SettingsDialogTest::Click(d, IDOK); }}),
    [](const testing::TestParamInfo<Leaving>& info) { return std::string(info.param.name); });

// A keyword cell being edited (opened by F2) when the close box is pressed is written first, and the
// question sees it.
TEST_F(SettingsDialogTest, CloseBoxWritesAnOpenCellAndAsks) {
  ScriptRecorder(20);
  host.NextMessageBoxAnswer(IDNO);
  Run([&](CMarnDeviceSettingsDlg& d) {
    auto* values = static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_VALUES));
    values->SetFocus();
    values->SetItemState(1, LVIS_FOCUSED, LVIS_FOCUSED);
    QTest::keyClick(WidgetOf(*values), Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, WidgetOf(*values));
    QTest::keyClicks(editor, "Acme");
    WidgetOf(d)->close();
    EXPECT_FALSE(d.IsWindowVisible());
  });
  EXPECT_EQ(spy.CallsTo("put_KeywordContentString"), Strings{"put_KeywordContentString(0, 1, \"Acme\")"});
  EXPECT_EQ(host.MessageTexts(), Strings{kLeave});
}

TEST_F(SettingsDialogTest, EnterOnAnInvalidFieldShowsItsErrorOnceAndStays) {
  ScriptRecorder(20);
  Run([&](CMarnDeviceSettingsDlg& d) {
    QWidget* mode = ControlWidget(d, IDC_DOWNLOAD_MODE);
    mode->show();  // shown by some recorders' layouts; an int too large fails its exchange
    mode->setFocus();
    QTest::keyClicks(mode, "99999999999");
    QTest::keyClick(mode, Qt::Key_Return);
    EXPECT_TRUE(d.IsWindowVisible());
    EXPECT_EQ(host.MessageTexts(), Strings{"Please enter an integer."});
  });
  EXPECT_EQ(spy.CallsTo("put_DownloadMode"), Strings{});
}
