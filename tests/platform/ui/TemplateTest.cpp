// SPDX-License-Identifier: GPL-3.0-or-later
// Templates render real widgets where their dialog units say, with names tests and readers can use.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>

#include "UiTestSupport.h"

namespace {

DialogTemplate LayoutTemplate() {
  return SmallTemplate({
      PushButton(1000, "Initialize", 5, 15, 73, 22),
      GroupBox("Instructions", 88, 12, 100, 60),
      LText("File Counter:", 6, 44, 50, 10),
      Edit(1076, 60, 42, 50, 13, ES_AUTOHSCROLL | ES_NUMBER),
      AutoCheckBox(1082, "Voice Activation", 5, 60, 80, 10).Hidden(),
      ListBox(1183, 5, 75, 150, 30).Disabled(),
      LText("Mode", 5, 108, 30, 8),
      ComboBox(1084, 40, 106, 60, 50).Entries({"b", "a"}),
      LText("Version ", 120, 44, 30, 8),
      LText("", 150, 44, 40, 8, 1235),
      LText("", 120, 60, 40, 8, 1236),
  });
}

class TemplateTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog.Create()); }
  void TearDown() override { dialog.DestroyWindow(); }
  CDialog dialog{LayoutTemplate()};
};

TEST_F(TemplateTest, DialogFontResolvesToLiberationSans) {
  QFontInfo info(WidgetOf(dialog)->font());
  EXPECT_EQ(info.family(), "Liberation Sans");
  EXPECT_EQ(MapFontFace("MS Shell Dlg"), "Liberation Sans");
  EXPECT_EQ(MapFontFace("Courier New"), "Courier New");
}

TEST_F(TemplateTest, ControlsSitAtTheirDialogUnitRectangles) {
  QFontMetrics fm(WidgetOf(dialog)->font());
  int bx = (fm.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 + 1) / 2;
  int by = fm.height();
  auto px = [](int units, int base, int div) { return static_cast<int>(std::lround(double(units) * base / div)); };
  EXPECT_EQ(WidgetOf(dialog)->size(), QSize(px(200, bx, 4), px(120, by, 8)));
  for (const ControlTemplate& c : LayoutTemplate().controls) {
    if (c.id == IDC_STATIC) continue;
    SCOPED_TRACE(c.id);
    QWidget* w = Control(dialog, c.id);
    ASSERT_NE(w, nullptr);
    QRect expected(px(c.rect.x, bx, 4), px(c.rect.y, by, 8), px(c.rect.x + c.rect.cx, bx, 4) - px(c.rect.x, bx, 4),
                   px(c.rect.y + c.rect.cy, by, 8) - px(c.rect.y, by, 8));
    EXPECT_EQ(w->pos(), expected.topLeft());
    EXPECT_EQ(w->width(), expected.width());
    if (c.kind != ControlKind::ComboBox) {
      EXPECT_EQ(w->height(), expected.height());
    }
  }
}

TEST_F(TemplateTest, HiddenControlsExistKeepValuesAndStayHidden) {
  CWnd* box = dialog.GetDlgItem(1082);
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->IsWindowVisible());
  dialog.CheckDlgButton(1082, BST_CHECKED);
  EXPECT_EQ(dialog.IsDlgButtonChecked(1082), static_cast<UINT>(BST_CHECKED));
  EXPECT_FALSE(dialog.GetDlgItem(1183)->IsWindowEnabled());
  EXPECT_TRUE(Control(dialog, 1082)->isHidden());
}

// What a screen reader hears for the widget.
std::string Announced(QWidget* w) {
  QAccessibleInterface* a = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
  return a ? a->text(QAccessible::Name).toStdString() : "<no interface>";
}

TEST_F(TemplateTest, FieldsAreAnnouncedByTheirLabelStaticsByTheirOwnText) {
  EXPECT_EQ(Announced(Control(dialog, 1076)), "File Counter:");
  EXPECT_EQ(Announced(Control(dialog, 1084)), "Mode");
  EXPECT_EQ(Announced(Control(dialog, 1183)), "") << "the check box between it and \"File Counter:\" is not its label";
  // Empty statics beside and below a label are filled by code; they never take the label's name.
  EXPECT_EQ(Announced(Control(dialog, 1235)), "");
  EXPECT_EQ(Announced(Control(dialog, 1236)), "");
  dialog.SetDlgItemText(1235, "2.0.1");
  EXPECT_EQ(Announced(Control(dialog, 1235)), "2.0.1");
  dialog.SetDlgItemText(1235, "2.0.2");
  EXPECT_EQ(Announced(Control(dialog, 1235)), "2.0.2");
}

TEST_F(TemplateTest, InitialEntriesFillTheListWithoutSelection) {
  auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(1084));
  EXPECT_EQ(combo->GetCount(), 2);
  EXPECT_EQ(combo->GetLBText(0), "b");
  EXPECT_EQ(combo->GetCurSel(), CB_ERR);
}

TEST(TemplateRegistry, DialogFromRegisteredId) {
  RegisterDialogTemplate(SmallTemplate({PushButton(7, "x", 1, 1, 20, 10)}, 4242));
  CDialog dialog(4242u);
  ASSERT_TRUE(dialog.Create());
  EXPECT_NE(dialog.GetDlgItem(7), nullptr);
  dialog.DestroyWindow();
  EXPECT_EQ(FindDialogTemplate(4243), nullptr);
}

}  // namespace
