// SPDX-License-Identifier: GPL-3.0-or-later
// The hidden file-task controls over the real module and a dictation recorded on a simulated card:
// listing the card, reading and writing the dictation's information, and a copy whose end refreshes
// the destination list.
#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "fileinfo/MarnFileInfoDlg.h"
#include "tests/app/EndToEndFixture.h"

namespace {

class FileTasksEndToEndTest : public EndToEndTest {
 protected:
  void SetUp() override {
    EndToEndTest::SetUp();
    ASSERT_EQ(Tool("add DPM4_8200 r1"), 0) << m_toolOutput;
    ASSERT_EQ(Tool("record r1 3 1-2"), 0) << m_toolOutput;
    StartSession();
  }

  std::string LastResultName() {
    const Strings lines = Lines(*dlg, IDC_RESULT_LOG);
    return lines.empty() ? "" : lines.back().substr(lines.back().find(' ') + 1);
  }

  std::string Card() { return Recorders() + "/r1/card"; }

  void ListCard() {
    host.NextFolder(Card());
    Command(*dlg, IDC_BROWSE_SOURCE_FOLDER);
  }

  // Runs the file information dialog on the source path; `inside` acts on it while it runs.
  void WithFileInfo(const std::function<void(CWnd&)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
      CWnd* info = CWnd::FromHandle(HandleFromWidget(QApplication::activeModalWidget()));
      ASSERT_NE(info, nullptr) << "no file information dialog";
      inside(*info);
      ran = true;
      info->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Command(*dlg, IDC_GET_FILE_INFO);
    EXPECT_TRUE(ran);
  }
};

TEST_F(FileTasksEndToEndTest, RecordedDictationIsListedReadAndItsAuthorWrittenBack) {
  ListCard();
  const Strings files = Lines(*dlg, IDC_SOURCE_FILES);
  const auto it = std::find(files.begin(), files.end(), "DICT0001.DSS");
  ASSERT_NE(it, files.end()) << "the recorded dictation is listed";
  auto* list = static_cast<CListBox*>(dlg->GetDlgItem(IDC_SOURCE_FILES));
  list->SetCurSel(static_cast<int>(it - files.begin()));
  dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SOURCE_FILES, LBN_SELCHANGE), 0);
  ASSERT_EQ(Text(*dlg, IDC_SOURCE_PATH), Card() + "/DICT0001.DSS");

  WithFileInfo([&](CWnd& info) {
    info.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FI_GET_ALL, BN_CLICKED), 0);
    EXPECT_EQ(Text(info, IDC_FI_FILENAME), "DICT0001.DSS");
    EXPECT_EQ(Text(info, IDC_FI_FILE_TYPE), "dpmFileTypeDictation");
    EXPECT_NE(Text(info, IDC_FI_RECORDING_START_DATE), "");

    info.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FI_SPOKEN_INSTRUCTIONS, BN_CLICKED), 0);
    auto& spoken = static_cast<CMarnFileInfoDlg&>(info).SpokenInstructions();
    EXPECT_TRUE(spoken.IsWindowVisible());
    EXPECT_EQ(spoken.List().GetItemCount(), 1) << "the one instruction recorded";

    info.SetDlgItemText(IDC_FI_AUTHOR, "Dr Quill");
    info.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FI_PUT_ALL, BN_CLICKED), 0);
    EXPECT_TRUE(host.MessageTexts().empty()) << "every write of what was read succeeds";
  });
  EXPECT_EQ(LastResultName(), "OK");

  WithFileInfo([&](CWnd& info) {
    info.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FI_GET_ALL, BN_CLICKED), 0);
    EXPECT_EQ(Text(info, IDC_FI_AUTHOR), "Dr Quill");
  });
}

TEST_F(FileTasksEndToEndTest, CopyEndsAtHundredAndRefreshesTheDestinationList) {
  const std::string out = Path("out");
  std::filesystem::create_directory(out);
  host.NextFolder(out);
  Command(*dlg, IDC_BROWSE_DEST_FOLDER);
  ASSERT_TRUE(Lines(*dlg, IDC_DEST_FILES).empty());

  dlg->SetDlgItemText(IDC_SOURCE_PATH, Card() + "/DICT0001.DSS");
  Command(*dlg, IDC_COPY);
  EXPECT_EQ(LastResultName(), "OK");
  ASSERT_TRUE(PumpUntil([&] {
    const Strings listed = Lines(*dlg, IDC_DEST_FILES);
    return std::find(listed.begin(), listed.end(), "DICT0001.DSS") != listed.end();
  })) << "the destination list was not refreshed";
  EXPECT_TRUE(std::filesystem::exists(out + "/DICT0001.DSS"));
  EXPECT_EQ(CountStartingWith(Lines(*dlg, IDC_EVENT_LOG), "DPMEventProgress(Copy " + Card() + "/DICT0001.DSS, 100, 0)"),
            1u);
}

}  // namespace
