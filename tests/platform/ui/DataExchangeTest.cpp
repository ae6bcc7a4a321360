// SPDX-License-Identifier: GPL-3.0-or-later
// Data exchange in both directions for every kind, and the integer prompt that stops it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include "UiTestSupport.h"
#include "platform/ui/ScriptedHost.h"

namespace {

DialogTemplate FieldsTemplate() {
  return SmallTemplate({
      Edit(1095, 5, 5, 60, 12),
      Edit(1076, 5, 20, 60, 12),
      Edit(1093, 5, 35, 60, 12),
      Edit(1094, 5, 50, 60, 12),
      AutoCheckBox(1082, "Voice Activation", 80, 5, 80, 10),
      RadioButton(1086, "Low", 80, 20, 30, 10).Group(),
      RadioButton(1087, "Medium", 110, 20, 30, 10),
      RadioButton(1088, "High", 140, 20, 30, 10),
      ComboBox(1152, 80, 35, 100, 40).Entries({"dpmContinueExistingFileCounter", "dpmStartNewFileCounter"}),
      Edit(1099, 5, 70, 150, 30, ES_MULTILINE),
  });
}

class CFieldsDlg : public CDialog {
 public:
  CFieldsDlg() : CDialog(FieldsTemplate()) {}
  std::string name = "Kw";
  int counter = 7;
  int mode = 1;
  UINT filter = 2;
  int voice = 1;
  int sensitivity = 2;
  int source = 1;
  std::string notes = "a\r\nb";

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, 1095, name);
    DDX_Text(pDX, 1076, counter);
    DDX_Text(pDX, 1093, mode);
    DDX_Text(pDX, 1094, filter);
    DDX_Check(pDX, 1082, voice);
    DDX_Radio(pDX, 1086, sensitivity);
    DDX_CBIndex(pDX, 1152, source);
    DDX_Text(pDX, 1099, notes);
  }
};

class DataExchange : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog.Create()); }
  void TearDown() override { dialog.DestroyWindow(); }
  ScriptedHost host;
  ScopedHost scoped{host};
  CFieldsDlg dialog;
};

TEST_F(DataExchange, MembersReachTheControlsAndComeBack) {
  EXPECT_EQ(dialog.GetDlgItem(1076)->GetWindowText(), "7");
  EXPECT_EQ(dialog.IsDlgButtonChecked(1088), 1u);
  EXPECT_EQ(static_cast<CComboBox*>(dialog.GetDlgItem(1152))->GetCurSel(), 1);

  dialog.SetDlgItemText(1095, "Author");
  dialog.SetDlgItemText(1076, " -12 ");
  dialog.SetDlgItemText(1094, "4000000000");
  dialog.CheckDlgButton(1082, BST_UNCHECKED);
  dialog.CheckRadioButton(1086, 1088, 1086);
  static_cast<CComboBox*>(dialog.GetDlgItem(1152))->SetCurSel(0);
  dialog.SetDlgItemText(1099, "x\r\ny");
  ASSERT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(dialog.name, "Author");
  EXPECT_EQ(dialog.counter, -12);
  EXPECT_EQ(dialog.filter, 4000000000u);
  EXPECT_EQ(dialog.voice, 0);
  EXPECT_EQ(dialog.sensitivity, 0);
  EXPECT_EQ(dialog.source, 0);
  EXPECT_EQ(dialog.notes, "x\r\ny");
  EXPECT_TRUE(host.Shown().empty());
}

TEST_F(DataExchange, NoneCheckedAndNoSelectionReadAsMinusOne) {
  dialog.sensitivity = -1;
  dialog.source = -1;
  dialog.UpdateData(FALSE);
  dialog.sensitivity = 5;
  dialog.source = 5;
  ASSERT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(dialog.sensitivity, -1);
  EXPECT_EQ(dialog.source, -1);
}

struct BadNumber {
  const char* text;
  int field;
  const char* prompt;
};

class BadInteger : public DataExchange, public ::testing::WithParamInterface<BadNumber> {};

TEST_P(BadInteger, StopsTheExchangeAtTheFieldWithThePrompt) {
  QWidget* window = WidgetOf(dialog);
  dialog.ShowWindow(SW_SHOW);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  dialog.SetDlgItemText(1095, "Taken");
  dialog.SetDlgItemText(GetParam().field, GetParam().text);
  dialog.SetDlgItemText(1093, "99");
  dialog.CheckDlgButton(1082, BST_UNCHECKED);
  EXPECT_FALSE(dialog.UpdateData(TRUE));
  EXPECT_EQ(dialog.name, "Taken");  // before the bad field: taken
  EXPECT_EQ(dialog.voice, 1);       // after it: untouched
  if (GetParam().field == 1076) {
    EXPECT_EQ(dialog.mode, 1);
  }
  ASSERT_EQ(host.Shown().size(), 1u);
  EXPECT_EQ(host.Shown()[0].text, GetParam().prompt);
  EXPECT_EQ(host.Shown()[0].type & MB_TYPEMASK, MB_OK);
  EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(GetParam().field));
  EXPECT_EQ(Control<QLineEdit>(dialog, GetParam().field)->selectedText(), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(DataExchange, BadInteger,
                         ::testing::Values(BadNumber{"12a", 1076, "Please enter an integer."},
                                           BadNumber{"", 1076, "Please enter an integer."},
                                           BadNumber{"--1", 1076, "Please enter an integer."},
                                           BadNumber{"99999999999", 1076, "Please enter an integer."},
                                           BadNumber{"-3", 1094, "Please enter a positive integer."}));

TEST_F(DataExchange, OkWithABadFieldKeepsTheDialogOpen) {
  CFieldsDlg modal;
  INT_PTR result = RunModal(modal, [&] {
    modal.SetDlgItemText(1076, "x");
    modal.GetDlgItem(1095)->SetFocus();
    QTest::keyClick(Control(modal, 1095), Qt::Key_Return);
    EXPECT_TRUE(modal.IsWindowVisible());
    modal.SetDlgItemText(1076, "5");
    modal.GetDlgItem(1095)->SetFocus();
    QTest::keyClick(Control(modal, 1095), Qt::Key_Return);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(modal.counter, 5);
  EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Please enter an integer."});
}

TEST(ScriptedHostTest, AnswersInOrderAndCautiouslyWhenUnscripted) {
  ScriptedHost host;
  ScopedHost scoped(host);
  host.NextMessageBoxAnswer(IDYES);
  host.NextFolder(std::string("/tmp/dict"));
  EXPECT_EQ(AfxMessageBox("Are you sure?", MB_YESNO | MB_ICONQUESTION), IDYES);
  EXPECT_EQ(AfxMessageBox("Again?", MB_YESNO), IDNO);
  std::string folder;
  EXPECT_TRUE(GetHostServices().BrowseForFolder(nullptr, "Select Folder:", BIF_STATUSTEXT, folder));
  EXPECT_EQ(folder, "/tmp/dict");
  std::string path;
  EXPECT_FALSE(GetHostServices().GetOpenFileName(nullptr, {}, path));
  ASSERT_EQ(host.Shown().size(), 4u);
  EXPECT_EQ(host.Shown()[0].caption, AfxGetAppName());
  EXPECT_EQ(host.Shown()[2].text, "Select Folder:");
  EXPECT_EQ(host.PendingAnswers(), 0u);
}

}  // namespace
