// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's hidden file-task controls against the spy: the arguments each task passes, the
// browsers, the file lists and their refresh when a task reports 100.
#include <QApplication>
#include <QTimer>

#include "device/DpmResults.h"
#include "device/ResultNames.h"
#include "fileinfo/FileInfoIds.h"
#include "tests/app/MainWindowFixture.h"

namespace {

using Strings = std::vector<std::string>;

class FileTasksTest : public MainWindowTest {
 protected:
  void Type(int id, const std::string& text) { dlg->SetDlgItemText(id, text); }
  void Check(int id) { dlg->CheckDlgButton(id, BST_CHECKED); }
  void Choose(int comboId, int index) {
    auto* combo = static_cast<CComboBox*>(dlg->GetDlgItem(comboId));
    combo->SetCurSel(index);
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo->m_hWnd));
  }
  void SelectSource(int index) {
    auto* list = static_cast<CListBox*>(dlg->GetDlgItem(IDC_SOURCE_FILES));
    list->SetCurSel(index);
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SOURCE_FILES, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list->m_hWnd));
  }
  // A folder of the spy holding the given names.
  void ScriptFolder(const Strings& names) {
    spy.SetValue("get_Count", static_cast<LONG>(names.size()));
    for (size_t i = 0; i < names.size(); ++i) spy.SetValue("get_Item(" + std::to_string(i + 1) + ")", names[i]);
  }
  std::string LastResult() {
    const Strings lines = Lines(*dlg, IDC_RESULT_LOG);
    return lines.empty() ? "" : lines.back().substr(lines.back().find(' ') + 1);
  }
};

struct TaskRow {
  const char* name;
  int button;
  bool delayed;
  std::string expected;
};

class FileTaskArgumentsTest : public FileTasksTest, public testing::WithParamInterface<TaskRow> {};

TEST_P(FileTaskArgumentsTest, PassesTheFieldsAsTheyStand) {
  spy.SetResult(GetParam().expected, dpmCtrlFileNotFound);
  Open();
  Type(IDC_SOURCE_PATH, "/card/D1.DSS");
  Type(IDC_DEST_PATH, "/out");
  Type(IDC_PASSWORD, "pw");
  Type(IDC_NEW_FILE_NAME, "a.dss");
  Check(IDC_IS_INSTRUCTION);
  if (GetParam().delayed) Check(IDC_DELAYED);
  Choose(IDC_CONVERSION_FORMAT, 1);
  spy.ClearCalls();
  Command(*dlg, GetParam().button);
  EXPECT_EQ(spy.Calls(), Strings{GetParam().expected});
  EXPECT_EQ(LastResult(), ::GetResultName(dpmCtrlFileNotFound)) << "the result is logged";
}

INSTANTIATE_TEST_SUITE_P(
    Tasks, FileTaskArgumentsTest,
    testing::Values(TaskRow{"Copy", IDC_COPY, false, "Copy(\"/card/D1.DSS\", \"/out\", 0)"},
                    TaskRow{"CopyDelayed", IDC_COPY, true, "Copy(\"/card/D1.DSS\", \"/out\", -1)"},
                    TaskRow{"Move", IDC_MOVE, true, "Move(\"/card/D1.DSS\", \"/out\", -1)"},
                    TaskRow{"Delete", IDC_DELETE, false, "Delete(\"/card/D1.DSS\", 0)"},
                    TaskRow{"Convert", IDC_CONVERT, true, "Convert(\"/card/D1.DSS\", \"/out\", 1, -1)"},
                    TaskRow{"Decrypt", IDC_DECRYPT, false, "Decrypt(\"/card/D1.DSS\", \"/out\", 1, 0, \"pw\")"},
                    TaskRow{"Separate", IDC_SEPARATE_SPOKEN_INSTRUCTIONS, true,
                            "SeparateSpokenInstructions(\"/card/D1.DSS\", \"/out\", 0, -1, -1)"},
                    TaskRow{"NewFileWithoutFormat", IDC_NEW_FILE, false, "NewFile(\"/out/a.dss\", \"pw\", -1)"},
                    TaskRow{"StartDelayed", IDC_START_DELAYED_TASKS, false, "StartDelayedTasks()"},
                    TaskRow{"Deinitialize", IDC_DEINITIALIZE, false, "Deinitialize()"}),
    [](const testing::TestParamInfo<TaskRow>& info) { return std::string(info.param.name); });

struct NewFileRow {
  const char* destination;
  const char* expected;
};

class NewFilePathTest : public FileTasksTest, public testing::WithParamInterface<NewFileRow> {};

TEST_P(NewFilePathTest, JoinsTheDestinationAndTheNameWithOneSeparator) {
  Open();
  Type(IDC_DEST_PATH, GetParam().destination);
  Type(IDC_NEW_FILE_NAME, "a.dss");
  Choose(IDC_RECORDING_FORMAT, 5);
  spy.ClearCalls();
  Command(*dlg, IDC_NEW_FILE);
  EXPECT_EQ(spy.Calls(), Strings{std::string("NewFile(\"") + GetParam().expected + "\", \"\", 5)"});
}

INSTANTIATE_TEST_SUITE_P(Paths, NewFilePathTest,
                         testing::Values(NewFileRow{"/dict", "/dict/a.dss"}, NewFileRow{"/dict/", "/dict/a.dss"},
                                         NewFileRow{"", "a.dss"}));

TEST_F(FileTasksTest, DeinitializeSwitchesTheDeviceButtonsOff) {
  Open();
  spy.Fire(DPMEventDeviceConnected, {LONG{0}});
  ASSERT_TRUE(DeviceButtonsEnabled());
  Command(*dlg, IDC_DEINITIALIZE);
  EXPECT_FALSE(DeviceButtonsEnabled());
}

TEST_F(FileTasksTest, CancelPassesTheCancellationCodeAndLogsNothing) {
  spy.SetResult("CancelTasks", E_FAIL);
  Open();
  const Strings before = Lines(*dlg, IDC_RESULT_LOG);
  Command(*dlg, IDC_CANCEL_TASKS);
  EXPECT_EQ(spy.Calls(), Strings{"CancelTasks(" + std::to_string(dpmCtrlOperationCancelled) + ")"});
  EXPECT_EQ(Lines(*dlg, IDC_RESULT_LOG), before);
}

TEST_F(FileTasksTest, SelectCustomIsEnabledOnlyWhileCustomIsChosen) {
  Open();
  EXPECT_FALSE(Enabled(*dlg, IDC_SELECT_CUSTOM_FORMAT)) << "created disabled";
  for (int entry = 0; entry < 5; ++entry) {
    Choose(IDC_CONVERSION_FORMAT, entry);
    EXPECT_FALSE(Enabled(*dlg, IDC_SELECT_CUSTOM_FORMAT)) << entry;
  }
  Choose(IDC_CONVERSION_FORMAT, 5);
  EXPECT_TRUE(Enabled(*dlg, IDC_SELECT_CUSTOM_FORMAT));
  Choose(IDC_CONVERSION_FORMAT, 0);
  EXPECT_FALSE(Enabled(*dlg, IDC_SELECT_CUSTOM_FORMAT));
}

TEST_F(FileTasksTest, CustomFormatNamedByTagAndFormatWhenItHasNoName) {
  Open();
  host.NextAudioFormat(AudioFormatChoice{"", "PCM", "16,000 kHz, 16 Bit, Mono   ", std::vector<BYTE>(18, 1)});
  Command(*dlg, IDC_SELECT_CUSTOM_FORMAT);
  ASSERT_EQ(host.Shown().size(), 1u);
  EXPECT_EQ(host.Shown()[0].kind, ScriptedHost::Kind::AudioFormat);
  EXPECT_EQ(host.Shown()[0].text, "Select Audio Format");
  EXPECT_EQ(Text(*dlg, IDC_CUSTOM_FORMAT_NAME), "PCM 16,000 kHz, 16 Bit, Mono");
  EXPECT_EQ(spy.Calls(), Strings{"put_CustomFormat(bytes[18])"});
  EXPECT_EQ(LastResult(), ::GetResultName(S_OK));

  host.NextAudioFormat(AudioFormatChoice{"Phone quality", "PCM", "8,000 kHz", std::vector<BYTE>(18, 2)});
  Command(*dlg, IDC_SELECT_CUSTOM_FORMAT);
  EXPECT_EQ(Text(*dlg, IDC_CUSTOM_FORMAT_NAME), "Phone quality");

  spy.ClearCalls();
  host.NextAudioFormat(std::nullopt);
  Command(*dlg, IDC_SELECT_CUSTOM_FORMAT);
  EXPECT_TRUE(spy.Calls().empty()) << "a cancelled chooser changes nothing";
  EXPECT_EQ(Text(*dlg, IDC_CUSTOM_FORMAT_NAME), "Phone quality");
}

TEST_F(FileTasksTest, BrowsingASourceFileListsItsFolderAndKeepsTypedFields) {
  ScriptFolder({"D1.DSS", "", "D2.DSS"});
  Open();
  Type(IDC_DEST_PATH, "/typed");
  host.NextOpenFile("/card/D2.DSS");
  Command(*dlg, IDC_BROWSE_SOURCE_FILE);
  EXPECT_EQ(Text(*dlg, IDC_SOURCE_PATH), "/card/D2.DSS");
  EXPECT_EQ(Text(*dlg, IDC_DEST_PATH), "/typed");
  EXPECT_EQ(spy.Calls(), (Strings{"get_FileList()", "put_Folder(\"/card\")", "get_Count()", "get_Item(1)",
                                  "get_Item(2)", "get_Item(3)"}));
  EXPECT_EQ(Lines(*dlg, IDC_SOURCE_FILES), (Strings{"D1.DSS", "D2.DSS"})) << "empty names are left out";

  SelectSource(1);
  EXPECT_EQ(Text(*dlg, IDC_SOURCE_PATH), "/card/D2.DSS");
  SelectSource(0);
  EXPECT_EQ(Text(*dlg, IDC_SOURCE_PATH), "/card/D1.DSS");
}

TEST_F(FileTasksTest, BrowsersUseTheirTitlesAndACancelChangesNothing) {
  Open();
  host.NextFolder(std::nullopt);
  Command(*dlg, IDC_BROWSE_SOURCE_FOLDER);
  host.NextFolder(std::nullopt);
  Command(*dlg, IDC_BROWSE_DEST_FOLDER);
  host.NextOpenFile(std::nullopt);
  Command(*dlg, IDC_BROWSE_SOURCE_FILE);
  ASSERT_EQ(host.Shown().size(), 3u);
  EXPECT_EQ(host.Shown()[0].text, "Select Folder:");
  EXPECT_EQ(host.Shown()[0].type & BIF_STATUSTEXT, BIF_STATUSTEXT);
  EXPECT_EQ(host.Shown()[1].text, "Select Destination Folder:");
  EXPECT_EQ(host.Shown()[2].kind, ScriptedHost::Kind::OpenFile);
  EXPECT_TRUE(spy.Calls().empty());
}

TEST_F(FileTasksTest, AFolderTextNamingAFileFillsFromItsFolder) {
  spy.SetResult("put_Folder(\"/dict/x.dss\")", dpmCtrlPathNotFound);
  ScriptFolder({"x.dss"});
  Open();
  host.NextFolder("/dict/x.dss");
  Command(*dlg, IDC_BROWSE_DEST_FOLDER);
  EXPECT_EQ(spy.CallsTo("put_Folder"), (Strings{"put_Folder(\"/dict/x.dss\")", "put_Folder(\"/dict\")"}));
  EXPECT_EQ(Lines(*dlg, IDC_DEST_FILES), Strings{"x.dss"});
  EXPECT_EQ(Text(*dlg, IDC_DEST_PATH), "/dict") << "the stored folder text is cut too";
}

TEST_F(FileTasksTest, FillFailuresAreLoggedAndEndTheFill) {
  spy.SetResult("put_Folder", dpmCtrlPathNotFound);
  Open();
  host.NextFolder("/nowhere/deeper");
  Command(*dlg, IDC_BROWSE_SOURCE_FOLDER);
  EXPECT_EQ(spy.CallsTo("put_Folder").size(), 2u) << "one retry, no more";
  EXPECT_TRUE(spy.CallsTo("get_Count").empty());
  EXPECT_EQ(LastResult(), ::GetResultName(dpmCtrlPathNotFound));

  spy.SetResult("put_Folder", S_OK);
  ScriptFolder({"a", "b", "c"});
  spy.SetResult("get_Item(2)", E_FAIL);
  spy.ClearCalls();
  host.NextFolder("/card");
  Command(*dlg, IDC_BROWSE_SOURCE_FOLDER);
  EXPECT_EQ(spy.CallsTo("get_Item"), (Strings{"get_Item(1)", "get_Item(2)"}));
  EXPECT_EQ(Lines(*dlg, IDC_SOURCE_FILES), Strings{"a"});
  EXPECT_EQ(LastResult(), ::GetResultName(E_FAIL));
}

TEST_F(FileTasksTest, ProgressAtExactlyHundredRefillsBothLists) {
  ScriptFolder({"old.dss"});
  Open();
  host.NextFolder("/src");
  Command(*dlg, IDC_BROWSE_SOURCE_FOLDER);
  host.NextFolder("/dst");
  Command(*dlg, IDC_BROWSE_DEST_FOLDER);
  ASSERT_EQ(Lines(*dlg, IDC_SOURCE_FILES), Strings{"old.dss"});
  ASSERT_EQ(Lines(*dlg, IDC_DEST_FILES), Strings{"old.dss"});

  ScriptFolder({"new1.dss", "new2.dss"});
  spy.ClearCalls();
  for (LONG percent : {99, 101}) {
    spy.Fire(DPMEventProgress, {std::string("Copy /src/old.dss"), percent, LONG{0}});
    EXPECT_TRUE(spy.CallsTo("get_FileList").empty()) << percent;
  }
  EXPECT_EQ(Lines(*dlg, IDC_DEST_FILES), Strings{"old.dss"});

  spy.Fire(DPMEventProgress, {std::string("Copy /src/old.dss"), LONG{100}, LONG{0}});
  EXPECT_EQ(spy.CallsTo("put_Folder"), (Strings{"put_Folder(\"/src\")", "put_Folder(\"/dst\")"}));
  EXPECT_EQ(Lines(*dlg, IDC_SOURCE_FILES), (Strings{"new1.dss", "new2.dss"}));
  EXPECT_EQ(Lines(*dlg, IDC_DEST_FILES), (Strings{"new1.dss", "new2.dss"}));
}

TEST_F(FileTasksTest, FileInfoRunsTheDialogOnTheReturnedInterfaceAndReleasesIt) {
  spy.SetValue("get_FileName", "D1.DSS");
  Open();
  Type(IDC_SOURCE_PATH, "/card/D1.DSS");
  std::string shownName;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    CWnd* info = CWnd::FromHandle(HandleFromWidget(modal));
    ASSERT_NE(info, nullptr);
    info->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FI_GET_ALL, BN_CLICKED), 0);
    info->GetDlgItemText(IDC_FI_FILENAME, shownName);
    info->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  Command(*dlg, IDC_GET_FILE_INFO);
  EXPECT_EQ(spy.Calls().front(), "get_IDPMFileInfo(\"/card/D1.DSS\")");
  EXPECT_EQ(shownName, "D1.DSS");
  EXPECT_EQ(spy.LiveObjects(), 1) << "only the control is left";
}

TEST_F(FileTasksTest, FailedFileInfoIsLoggedAndOpensNothing) {
  spy.SetResult("get_IDPMFileInfo", dpmCtrlFileNotFound);
  Open();
  Command(*dlg, IDC_GET_FILE_INFO);
  EXPECT_EQ(spy.Calls(), Strings{"get_IDPMFileInfo(\"\")"});
  EXPECT_EQ(LastResult(), ::GetResultName(dpmCtrlFileNotFound));
}

}  // namespace
