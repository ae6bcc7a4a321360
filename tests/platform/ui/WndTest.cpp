// SPDX-License-Identifier: GPL-3.0-or-later
// The object FromHandle gives for each kind of window, and messages a window class adds of its own.
#include <gtest/gtest.h>

#include <typeindex>

#include "UiTestSupport.h"

namespace {

struct WrapperCase {
  const char* name;
  ControlTemplate control;
  std::type_index expected;
};

class WrapperByKind : public ::testing::TestWithParam<WrapperCase> {};

TEST_P(WrapperByKind, IsTheControlsOwnClass) {
  const WrapperCase& row = GetParam();
  CDialog dialog(SmallTemplate({row.control}));
  ASSERT_TRUE(dialog.Create());
  CWnd* wrapper = dialog.GetDlgItem(row.control.id);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(std::type_index(typeid(*wrapper)), row.expected);
  EXPECT_EQ(wrapper, dialog.GetDlgItem(row.control.id)) << "one wrapper per window";
  EXPECT_EQ(wrapper->GetDlgCtrlID(), row.control.id);
  dialog.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, WrapperByKind,
    ::testing::Values(WrapperCase{"Push", PushButton(1000, "Go", 5, 5, 40, 14), typeid(CButton)},
                      WrapperCase{"DefPush", DefPushButton(1001, "OK", 5, 5, 40, 14), typeid(CButton)},
                      WrapperCase{"Check", CheckBox(1002, "A", 5, 5, 40, 10), typeid(CButton)},
                      WrapperCase{"AutoCheck", AutoCheckBox(1003, "B", 5, 5, 40, 10), typeid(CButton)},
                      WrapperCase{"Radio", RadioButton(1004, "C", 5, 5, 40, 10), typeid(CButton)},
                      WrapperCase{"Static", LText("Text", 5, 5, 40, 10, 1005), typeid(CStatic)},
                      WrapperCase{"Icon", IconControl(1006, 5, 5, 20, 20), typeid(CStatic)},
                      WrapperCase{"Group", GroupBox("G", 5, 5, 80, 40, 1007), typeid(CStatic)},
                      WrapperCase{"Edit", Edit(1008, 5, 5, 40, 12), typeid(CEdit)},
                      WrapperCase{"Combo", ComboBox(1009, 5, 5, 40, 50), typeid(CComboBox)},
                      WrapperCase{"List", ListBox(1010, 5, 5, 40, 40), typeid(CListBox)},
                      WrapperCase{"ListView", ListView(1011, 5, 5, 80, 40), typeid(CListCtrl)}),
    [](const ::testing::TestParamInfo<WrapperCase>& info) { return std::string(info.param.name); });

TEST(Wnd, AnAttachedObjectTakesThePlaceOfTheWrapper) {
  CDialog dialog(SmallTemplate({Edit(1073, 5, 5, 40, 12)}));
  ASSERT_TRUE(dialog.Create());
  CEdit own;
  ASSERT_TRUE(own.SubclassDlgItem(1073, &dialog));
  EXPECT_EQ(dialog.GetDlgItem(1073), &own);
  own.Detach();
  EXPECT_NE(dialog.GetDlgItem(1073), &own);
  dialog.DestroyWindow();
}

// A window class with a message of its own: WM_INITDIALOG for a dialog, anything for a subclass.
class CInitCounter : public CDialog {
 public:
  explicit CInitCounter(const DialogTemplate& tpl) : CDialog(tpl) {}
  BOOL OnInitDialog() override {
    ++inits;
    return FALSE;
  }
  int inits = 0;
};

TEST(Wnd, OnlyADialogTakesWmInitDialog) {
  CInitCounter dialog(SmallTemplate({}));
  ASSERT_TRUE(dialog.Create());
  EXPECT_EQ(dialog.inits, 1);
  EXPECT_EQ(dialog.SendMessage(WM_INITDIALOG), FALSE) << "the dialog's own answer";
  EXPECT_EQ(dialog.inits, 2);

  CWnd plain;
  ASSERT_TRUE(plain.CreateEx(0, AfxRegisterWndClass(0), "plain", WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
  EXPECT_EQ(plain.SendMessage(WM_INITDIALOG), 0);
  plain.DestroyWindow();
  dialog.DestroyWindow();
}

}  // namespace
