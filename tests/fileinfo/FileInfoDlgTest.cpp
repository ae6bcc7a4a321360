// SPDX-License-Identifier: GPL-3.0-or-later
// The file information dialog against the spy's file-information object: what it reads, what it
// writes, the failure lines, and the spoken-instruction window it toggles.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "device/ResultNames.h"
#include "fileinfo/MarnFileInfoDlg.h"
#include "platform/automation/Apartment.h"
#include "platform/automation/Bstr.h"
#include "platform/ui/ScriptedHost.h"
#include "tests/platform/ui/UiTestSupport.h"
#include "tests/support/SpyComponent.h"

namespace {

using Strings = std::vector<std::string>;

class TestOwner : public IFileInfoDlgOwner {
 public:
  CWnd* OwnerWindow() override { return nullptr; }
  std::string GetResultName(HRESULT code) override { return ::GetResultName(code); }
};

class FileInfoDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    control = spy.CreateControl();
    Bstr path(u"x.dss");
    ASSERT_EQ(control->get_IDPMFileInfo(path.Get(), info.ReleaseAndGetAddressOf()), S_OK);
  }
  void TearDown() override {
    dlg.reset();
    info = nullptr;
    control = nullptr;
    EXPECT_EQ(spy.LiveObjects(), 0);
    EXPECT_EQ(spy.OutstandingReferences(), 0);
    CoUninitialize();
  }

  void Open() {
    dlg = std::make_unique<CMarnFileInfoDlg>(&owner, info.Get());
    ASSERT_TRUE(dlg->Create(nullptr));
    dlg->ShowWindow(SW_SHOW);
    spy.ClearCalls();
  }
  void Press(int id) { dlg->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
  std::string Text(int id) {
    std::string text;
    dlg->GetDlgItemText(id, text);
    return text;
  }
  void Type(int id, const std::string& text) { dlg->SetDlgItemText(id, text); }
  Strings Puts() {
    Strings puts;
    for (const std::string& call : spy.Calls())
      if (call.rfind("put_", 0) == 0) puts.push_back(call);
    return puts;
  }

  SpyComponent spy;
  ScriptedHost host;
  ScopedHost scopedHost{host};
  TestOwner owner;
  ComPtr<IDPMControl> control;
  ComPtr<IDPMFileInfo> info;
  std::unique_ptr<CMarnFileInfoDlg> dlg;
};

TEST_F(FileInfoDlgTest, FreshDialogShowsEmptyTextsZerosAndAClearedBox) {
  Open();
  for (int id : std::vector<int>{IDC_FI_FILENAME, IDC_FI_FILE_TYPE, IDC_FI_AUTHOR, IDC_FI_BARCODE, IDC_FI_DOWNLOAD_DATE,
                 IDC_FI_KEYWORD_USAGE_FIRST, IDC_FI_KEYWORD_CONTENT_FIRST + 4, IDC_FI_USER_STRING_FIRST + 1})
    EXPECT_EQ(Text(id), "") << id;
  for (int id : std::vector<int>{IDC_FI_PRODUCT_ID, IDC_FI_JOB_NUMBER, IDC_FI_DICTATION_LENGTH, IDC_FI_INSTRUCTION_FILE_EXISTS,
                 IDC_FI_INSTRUCTION_LENGTH, IDC_FI_PRIORITY, IDC_FI_EOL, IDC_FI_USER_STRING_COUNT,
                 IDC_FI_KEYWORD_USAGE_COUNT, IDC_FI_KEYWORD_CONTENT_COUNT})
    EXPECT_EQ(Text(id), "0") << id;
  EXPECT_EQ(dlg->IsDlgButtonChecked(IDC_FI_IS_ENCRYPTED), BST_UNCHECKED);
  EXPECT_TRUE(spy.Calls().empty()) << "nothing is read before get (all)";
  EXPECT_FALSE(dlg->SpokenInstructions().IsWindowVisible());
}

TEST_F(FileInfoDlgTest, TemplateKeepsItsSizeReadOnlyFieldsAndAnInertEncryptedBox) {
  Open();
  const DialogTemplate& t = dlg->GetTemplate();
  EXPECT_EQ(t.id, 130u);
  EXPECT_EQ(t.caption, "FileInfo");
  EXPECT_EQ(t.cx, 573);
  EXPECT_EQ(t.cy, 306);
  const std::vector<int> writable = {IDC_FI_DOWNLOAD_DATE, IDC_FI_DOWNLOAD_TIME, IDC_FI_AUTHOR, IDC_FI_PRIORITY,
                                     IDC_FI_EOL, IDC_FI_USER_STRING_FIRST, IDC_FI_USER_STRING_FIRST + 1,
                                     1072, 1073, 1074, 1075, 1076, 1077, 1078, 1079, 1080, 1081};
  int edits = 0;
  for (const ControlTemplate& c : t.controls) {
    if (c.kind != ControlKind::Edit) continue;
    ++edits;
    const bool isWritable = std::find(writable.begin(), writable.end(), c.id) != writable.end();
    EXPECT_EQ((c.style & ES_READONLY) == 0, isWritable) << c.id;
  }
  EXPECT_EQ(edits, 38);
  auto* box = Control<QCheckBox>(*dlg, IDC_FI_IS_ENCRYPTED);
  ASSERT_NE(box, nullptr);
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_EQ(dlg->IsDlgButtonChecked(IDC_FI_IS_ENCRYPTED), BST_UNCHECKED) << "a click does not change it";
}

TEST_F(FileInfoDlgTest, GetAllMakesItsThirtyNineReadsInOrder) {
  Open();
  Press(IDC_FI_GET_ALL);
  EXPECT_EQ(spy.Calls(),
            (Strings{"get_FileName()", "get_FileType()", "get_LastModifiedDate()", "get_LastModifiedTime()",
                     "get_JobNumber()", "get_RecordingStartDate()", "get_RecordingEndDate()",
                     "get_RecordingStartTime()", "get_RecordingEndTime()", "get_DictationLength()", "get_Author()",
                     "get_Priority()", "get_ProductId()", "get_MACAddress()", "get_FirmwareVersion()",
                     "get_CompressionMode()", "get_DownloadDate()", "get_DownloadTime()", "get_BarcodeString()",
                     "get_KeywordUsageCount()", "get_KeywordContentCount()", "get_InstructionFileExists()",
                     "get_EOL()", "get_InstructionLength()", "get_InstructionFileName()",
                     "get_KeywordUsageString(0)", "get_KeywordUsageString(1)", "get_KeywordUsageString(2)",
                     "get_KeywordUsageString(3)", "get_KeywordUsageString(4)", "get_KeywordContentString(0)",
                     "get_KeywordContentString(1)", "get_KeywordContentString(2)", "get_KeywordContentString(3)",
                     "get_KeywordContentString(4)", "get_UserString(0)", "get_UserString(1)",
                     "get_UserStringCount()", "get_IsEncrypted()"}));
}

TEST_F(FileInfoDlgTest, GetAllShowsWhatTheInterfaceReturns) {
  spy.SetValue("get_FileName", "D0001.dss");
  spy.SetValue("get_Author", "Gr\xfcn");
  spy.SetValue("get_JobNumber", 42);
  spy.SetValue("get_Priority", -3);
  spy.SetValue("get_KeywordUsageString(3)", "Worktype");
  spy.SetValue("get_UserString(1)", "second");
  spy.SetValue("get_EOL", -1);
  spy.SetValue("get_InstructionFileExists", -1);
  spy.SetValue("get_IsEncrypted", -1);
  spy.SetNullString("get_BarcodeString");
  Open();
  Press(IDC_FI_GET_ALL);
  EXPECT_EQ(Text(IDC_FI_FILENAME), "D0001.dss");
  EXPECT_EQ(Text(IDC_FI_AUTHOR), "Gr\xfcn");
  EXPECT_EQ(Text(IDC_FI_JOB_NUMBER), "42");
  EXPECT_EQ(Text(IDC_FI_PRIORITY), "-3");
  EXPECT_EQ(Text(IDC_FI_KEYWORD_USAGE_FIRST + 3), "Worktype");
  EXPECT_EQ(Text(IDC_FI_USER_STRING_FIRST + 1), "second");
  EXPECT_EQ(Text(IDC_FI_BARCODE), "");
  EXPECT_EQ(Text(IDC_FI_EOL), "1");
  EXPECT_EQ(Text(IDC_FI_INSTRUCTION_FILE_EXISTS), "1");
  EXPECT_EQ(dlg->IsDlgButtonChecked(IDC_FI_IS_ENCRYPTED), BST_CHECKED);
}

struct NameRow {
  const char* operation;
  LONG value;
  int field;
  const char* shown;
};

class FileInfoNameTest : public FileInfoDlgTest, public testing::WithParamInterface<NameRow> {};

TEST_P(FileInfoNameTest, ShowsTheTableText) {
  spy.SetValue(GetParam().operation, GetParam().value);
  Open();
  Press(IDC_FI_GET_ALL);
  EXPECT_EQ(Text(GetParam().field), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, FileInfoNameTest,
    testing::Values(NameRow{"get_FileType", 2, IDC_FI_FILE_TYPE, "dpmFileTypeDictation"},
                    NameRow{"get_FileType", 3, IDC_FI_FILE_TYPE, "dpmFileTypeInstruction"},
                    NameRow{"get_FileType", 4, IDC_FI_FILE_TYPE, "unknown file type"},
                    NameRow{"get_FileType", -1, IDC_FI_FILE_TYPE, "unknown file type"},
                    NameRow{"get_CompressionMode", 4, IDC_FI_COMPRESSION_MODE, "dpmTSLongPLayWithSilenceComp"},
                    NameRow{"get_CompressionMode", 5, IDC_FI_COMPRESSION_MODE, "unknown compression mode"},
                    NameRow{"get_CompressionMode", 6, IDC_FI_COMPRESSION_MODE, "dpmQualityPlayNoSilenceComp"},
                    NameRow{"get_CompressionMode", 16, IDC_FI_COMPRESSION_MODE, "unknown compression mode"},
                    NameRow{"get_CompressionMode", 17, IDC_FI_COMPRESSION_MODE, "dpmMP3"},
                    NameRow{"get_CompressionMode", -1, IDC_FI_COMPRESSION_MODE, "unknown compression mode"}));

TEST_F(FileInfoDlgTest, PutAllMakesItsSeventeenWritesInOrderEmptyFieldsIncluded) {
  Open();
  Type(IDC_FI_AUTHOR, "Ann");
  Type(IDC_FI_PRIORITY, "7");
  Type(IDC_FI_EOL, "2");
  Type(IDC_FI_DOWNLOAD_DATE, "12/08/2026");
  Type(IDC_FI_DOWNLOAD_TIME, "not a time");
  Type(IDC_FI_KEYWORD_CONTENT_FIRST + 1, "Letter");
  Type(IDC_FI_USER_STRING_FIRST, "u1");
  Press(IDC_FI_PUT_ALL);
  EXPECT_EQ(spy.Calls(),
            (Strings{"put_Author(\"Ann\")", "put_Priority(7)", "put_EOL(-1)", "put_DownloadDate(\"12/08/2026\")",
                     "put_DownloadTime(\"not a time\")", "put_KeywordUsageString(0, \"\")",
                     "put_KeywordUsageString(1, \"\")", "put_KeywordUsageString(2, \"\")",
                     "put_KeywordUsageString(3, \"\")", "put_KeywordUsageString(4, \"\")",
                     "put_KeywordContentString(0, \"\")", "put_KeywordContentString(1, \"Letter\")",
                     "put_KeywordContentString(2, \"\")", "put_KeywordContentString(3, \"\")",
                     "put_KeywordContentString(4, \"\")", "put_UserString(0, \"u1\")", "put_UserString(1, \"\")"}));
  EXPECT_TRUE(host.Shown().empty()) << "a run without failures shows nothing";
}

TEST_F(FileInfoDlgTest, EolZeroIsWrittenAsFalse) {
  Open();
  Type(IDC_FI_EOL, "0");
  Press(IDC_FI_PUT_ALL);
  EXPECT_EQ(spy.CallsTo("put_EOL"), Strings{"put_EOL(0)"});
}

TEST_F(FileInfoDlgTest, FailingWritesAreAllMadeAndShownTogetherInCallOrder) {
  spy.SetResult("put_KeywordContentString(1, \"B\")", E_INVALIDARG);
  spy.SetResult("put_KeywordContentString(3, \"D\")", E_FAIL);
  spy.SetResult("put_Priority", E_FAIL);  // not logged
  Open();
  for (int n = 0; n < 5; ++n) Type(IDC_FI_KEYWORD_CONTENT_FIRST + n, std::string(1, static_cast<char>('A' + n)));
  Press(IDC_FI_PUT_ALL);
  EXPECT_EQ(Puts().size(), 17u);
  const std::string expected = "put_KeywordContentString(B)  FAILED --> " + ::GetResultName(E_INVALIDARG) +
                               "\nput_KeywordContentString(D)  FAILED --> " + ::GetResultName(E_FAIL) + "\n";
  EXPECT_EQ(host.MessageTexts(), Strings{expected});
}

struct NotANumberRow {
  int field;
  const char* text;
};

class FileInfoNotANumberTest : public FileInfoDlgTest, public testing::WithParamInterface<NotANumberRow> {};

// Writing the stale values after the prompt would blank the file's strings in a dialog never read.
TEST_P(FileInfoNotANumberTest, PromptsFocusesTheFieldAndWritesNothing) {
  Open();
  WidgetOf(*dlg)->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(*dlg)));
  Type(IDC_FI_AUTHOR, "New author");
  Type(IDC_FI_KEYWORD_USAGE_FIRST, "new usage");
  Type(GetParam().field, GetParam().text);
  Press(IDC_FI_PUT_ALL);
  EXPECT_EQ(host.MessageTexts(), Strings{"Please enter an integer."});
  EXPECT_TRUE(Puts().empty());
  EXPECT_EQ(CWnd::GetFocus(), dlg->GetDlgItem(GetParam().field));
  EXPECT_EQ(Text(IDC_FI_KEYWORD_USAGE_FIRST), "new usage") << "what was typed stays";

  host.Clear();
  Type(GetParam().field, "3");
  Press(IDC_FI_PUT_ALL);
  EXPECT_EQ(Puts().size(), 17u);
  EXPECT_EQ(spy.CallsTo("put_Author"), Strings{"put_Author(\"New author\")"});
}

INSTANTIATE_TEST_SUITE_P(Fields, FileInfoNotANumberTest,
                         testing::Values(NotANumberRow{IDC_FI_PRIORITY, "high"}, NotANumberRow{IDC_FI_EOL, "yes"},
                                         NotANumberRow{IDC_FI_PRIORITY, ""}));

TEST_F(FileInfoDlgTest, SpokenInstructionsToggleAndQueryOnEveryPress) {
  spy.SetValue("get_SpokenInstructionList", SpyPairs{{{10, 20}, {30, 45}}});
  Open();
  Press(IDC_FI_SPOKEN_INSTRUCTIONS);
  CSmSpokenInstructionDlg& window = dlg->SpokenInstructions();
  EXPECT_TRUE(window.IsWindowVisible());
  EXPECT_EQ(window.List().GetItemCount(), 2);
  EXPECT_EQ(window.List().GetItemText(1, 1), "45");

  spy.SetResult("get_SpokenInstructionList", E_FAIL);
  Press(IDC_FI_SPOKEN_INSTRUCTIONS);
  EXPECT_FALSE(window.IsWindowVisible());
  EXPECT_EQ(spy.CallsTo("get_SpokenInstructionList").size(), 2u);
  EXPECT_EQ(dlg->ErrorText(), "get_SpokenInstructionList(get)  FAILED --> " + ::GetResultName(E_FAIL) + "\n");
}

TEST_F(FileInfoDlgTest, AFailingQueryShowsAnEmptyList) {
  spy.SetResult("get_SpokenInstructionList", E_FAIL);
  Open();
  Press(IDC_FI_SPOKEN_INSTRUCTIONS);
  EXPECT_TRUE(dlg->SpokenInstructions().IsWindowVisible());
  EXPECT_EQ(dlg->SpokenInstructions().List().GetItemCount(), 0);
}

TEST_F(FileInfoDlgTest, FailingLoggedReadsCollectLinesWithTheFieldText) {
  spy.SetResult("get_Author", E_FAIL);
  spy.SetResult("get_JobNumber", E_FAIL);  // not logged
  spy.SetResult("get_UserString(1)", E_INVALIDARG);
  Open();
  Press(IDC_FI_GET_ALL);
  const std::string expected = "get_Author()  FAILED --> " + ::GetResultName(E_FAIL) +
                               "\nget_UserString()  FAILED --> " + ::GetResultName(E_INVALIDARG) + "\n";
  EXPECT_EQ(dlg->ErrorText(), expected);
  EXPECT_EQ(host.MessageTexts(), Strings{expected}) << "shown, as failed writes are";

  host.Clear();
  spy.SetResult("get_Author", S_OK);
  spy.SetResult("get_UserString(1)", S_OK);
  Press(IDC_FI_GET_ALL);
  EXPECT_TRUE(host.Shown().empty());
}

TEST_F(FileInfoDlgTest, DestroyingTheDialogDestroysTheShownListWindow) {
  Open();
  Press(IDC_FI_SPOKEN_INSTRUCTIONS);
  HWND list = dlg->SpokenInstructions().GetSafeHwnd();
  ASSERT_TRUE(::IsWindow(list));
  dlg.reset();
  EXPECT_FALSE(::IsWindow(list));
}

}  // namespace
