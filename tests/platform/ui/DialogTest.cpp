// SPDX-License-Identifier: GPL-3.0-or-later
// Modal runs, the dialog manager's keys, clicks reaching the message map, and control behaviour.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "UiTestSupport.h"

namespace {

DialogTemplate ButtonsTemplate() {
  return SmallTemplate({
      PushButton(1000, "Initialize", 5, 5, 60, 14),
      CheckBox(1200, "Is Encrypted", 5, 25, 60, 10).Style(BS_LEFTTEXT),
      AutoCheckBox(1078, "Beep", 70, 25, 60, 10),
      RadioButton(1080, "AM/PM", 5, 40, 40, 10).Group(),
      RadioButton(1081, "24 Hours", 50, 40, 40, 10),
      RadioButton(1083, "Classic", 5, 55, 40, 10).Group(),
      RadioButton(1085, "Advanced", 50, 55, 40, 10),
      ComboBox(1187, 5, 70, 80, 50, CBS_DROPDOWN).Entries({"Orvane", "Grundig"}),
      Edit(1073, 100, 70, 50, 12),
      DefPushButton(IDOK, "OK", 140, 100, 50, 14),
  });
}

class CCountingDlg : public CDialog {
 public:
  CCountingDlg() : CDialog(ButtonsTemplate()) {
    MapClicked(1000, &CCountingDlg::OnInitialize);
    MapCommand(CBN_EDITCHANGE, 1187, &CCountingDlg::OnEditCombo);
  }
  int initialized = 0;
  int comboEdits = 0;
  bool ignoreEscape = false;
  int sysCommands = 0;
  UINT lastSysCommand = 0;

 protected:
  void OnCancel() override {
    if (!ignoreEscape) CDialog::OnCancel();
  }
  void OnSysCommand(UINT id, LPARAM lParam) override {
    ++sysCommands;
    lastSysCommand = id;
    CDialog::OnSysCommand(id, lParam);
  }

 private:
  void OnInitialize() { ++initialized; }
  void OnEditCombo() { ++comboEdits; }
};

struct EndCase {
  const char* name;
  std::function<void(CDialog&)> act;
  INT_PTR expected;
};

class ModalEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(ModalEnd, EndsTheRunWithItsCode) {
  CCountingDlg dialog;
  INT_PTR result = RunModal(dialog, [&] { GetParam().act(dialog); });
  EXPECT_EQ(result, GetParam().expected);
  EXPECT_FALSE(dialog.IsWindow());
}

INSTANTIATE_TEST_SUITE_P(
    Dialog, ModalEnd,
    ::testing::Values(
        EndCase{"OkClick", [](CDialog& d) { QTest::mouseClick(Control(d, IDOK), Qt::LeftButton); }, IDOK},
        EndCase{"Enter",
                [](CDialog& d) {
                  d.GetDlgItem(1073)->SetFocus();
                  QTest::keyClick(Control(d, 1073), Qt::Key_Return);
                },
                IDOK},
        EndCase{"Escape", [](CDialog& d) { QTest::keyClick(Control(d, 1073), Qt::Key_Escape); }, IDCANCEL},
        EndCase{"CloseBox", [](CDialog& d) { WidgetOf(d)->close(); }, IDCANCEL},
        EndCase{"EndDialogCode", [](CDialog& d) { d.EndDialog(77); }, 77},
        EndCase{"Quit", [](CDialog&) { PostQuitMessage(0); }, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Dialog, OverriddenEscapeKeepsTheDialogOpen) {
  CCountingDlg dialog;
  dialog.ignoreEscape = true;
  bool stillOpen = false;
  INT_PTR result = RunModal(dialog, [&] {
    QTest::keyClick(Control(dialog, 1073), Qt::Key_Escape);
    WidgetOf(dialog)->close();  // the close box is the Cancel command too
    stillOpen = dialog.IsWindowVisible();
    dialog.EndDialog(IDOK);
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(result, IDOK);
  EXPECT_GE(dialog.sysCommands, 1);
  EXPECT_EQ(dialog.lastSysCommand, SC_CLOSE);
}

TEST(Dialog, RealClickReachesTheMappedHandler) {
  CCountingDlg dialog;
  ASSERT_TRUE(dialog.Create());
  QTest::mouseClick(Control(dialog, 1000), Qt::LeftButton);
  EXPECT_EQ(dialog.initialized, 1);
  dialog.DestroyWindow();
}

TEST(Dialog, NonAutomaticCheckBoxIgnoresClicksAutomaticOneToggles) {
  CCountingDlg dialog;
  ASSERT_TRUE(dialog.Create());
  QTest::mouseClick(Control(dialog, 1200), Qt::LeftButton);
  QTest::mouseClick(Control(dialog, 1078), Qt::LeftButton);
  EXPECT_EQ(dialog.IsDlgButtonChecked(1200), 0u);
  EXPECT_EQ(dialog.IsDlgButtonChecked(1078), 1u);
  dialog.CheckDlgButton(1200, BST_CHECKED);
  EXPECT_EQ(dialog.IsDlgButtonChecked(1200), 1u);
  dialog.DestroyWindow();
}

TEST(Dialog, RadioClickUnchecksOnlyItsOwnGroup) {
  CCountingDlg dialog;
  ASSERT_TRUE(dialog.Create());
  dialog.CheckDlgButton(1083, BST_CHECKED);
  QTest::mouseClick(Control(dialog, 1080), Qt::LeftButton);
  QTest::mouseClick(Control(dialog, 1081), Qt::LeftButton);
  QTest::mouseClick(Control(dialog, 1081), Qt::LeftButton);  // a checked radio stays checked
  EXPECT_EQ(dialog.IsDlgButtonChecked(1080), 0u);
  EXPECT_EQ(dialog.IsDlgButtonChecked(1081), 1u);
  EXPECT_EQ(dialog.IsDlgButtonChecked(1083), 1u);
  dialog.DestroyWindow();
}

TEST(Dialog, TypingIntoAnEditableComboLeavesNoSelection) {
  CCountingDlg dialog;
  ASSERT_TRUE(dialog.Create());
  auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(1187));
  combo->SetCurSel(1);
  EXPECT_EQ(combo->GetCurSel(), 1);
  QLineEdit* edit = Control<QComboBox>(dialog, 1187)->lineEdit();
  QTest::keyClicks(edit, "xy");
  EXPECT_EQ(combo->GetCurSel(), CB_ERR);
  EXPECT_EQ(combo->GetWindowText(), "Grundigxy");
  EXPECT_EQ(dialog.comboEdits, 2);
  dialog.DestroyWindow();
}

class CHelpApp : public CWinApp {
 public:
  void OnHelp() override { ++helps; }
  int helps = 0;
};

TEST(Dialog, F1RaisesTheApplicationsHelpCommand) {
  CHelpApp app;
  CCountingDlg dialog;
  INT_PTR result = RunModal(dialog, [&] {
    QTest::keyClick(Control(dialog, 1073), Qt::Key_F1);
    dialog.EndDialog(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(app.helps, 1);
}

TEST(Dialog, SystemMenuCommandsReachTheHook) {
  CCountingDlg dialog;
  ASSERT_TRUE(dialog.Create());
  CMenu* menu = dialog.GetSystemMenu(FALSE);
  ASSERT_NE(menu, nullptr);
  menu->AppendMenu(MF_SEPARATOR);
  menu->AppendMenu(MF_STRING, 0x10, "About Selvarin DPM");
  EXPECT_EQ(menu->GetMenuItemCount(), 2);
  dialog.SendMessage(WM_SYSCOMMAND, 0x10, 0);
  EXPECT_EQ(dialog.lastSysCommand, 0x10u);
  EXPECT_TRUE(dialog.IsWindow());
  dialog.DestroyWindow();
}

TEST(Dialog, TabMovesTheFocusButAnEditKeepsArrows) {
  CCountingDlg dialog;
  RunModal(dialog, [&] {
    dialog.GetDlgItem(1073)->SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(IDOK));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(1073));
    dialog.EndDialog(IDCANCEL);
  });
}

}  // namespace
