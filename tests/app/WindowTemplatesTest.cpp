// SPDX-License-Identifier: GPL-3.0-or-later
// Templates 102 (the main window) and 100 (the About box): the frame, and each control a user sees
// with its id, kind, caption and place; everything else in them stays hidden.
#include "tests/app/MainWindowFixture.h"

#include "app/AboutDlg.h"
#include "tests/support/VisibleControls.h"

namespace {

const std::vector<VisibleControlRow> kMainWindowControls{
    {1000, ControlKind::PushButton, "Initialize", {5, 15, 73, 22}},
    {1015, ControlKind::PushButton, "Setup Device", {6, 44, 72, 24}},
    {1199, ControlKind::PushButton, "Format/Set Time", {6, 74, 72, 24}},
    {IDOK, ControlKind::DefPushButton, "Exit", {184, 105, 74, 23}},
    {IDC_STATIC, ControlKind::GroupBox, "Instructions", {88, 12, 170, 89}},
    {IDC_STATIC, ControlKind::Static,
     "To use this program first connect the device and then press the Inialize button then press the Setup "
     "Device. On the next screen you can set up some global settings for the device, User Name, Worktype, "
     "Subject, ect...",
     {98, 27, 154, 65}},
    {1163, ControlKind::Static, "", {120, 68, 63, 10}},
    {IDC_STATIC, ControlKind::Static, "Setup for Orvane DPM_9350 to DPM4-8500", {6, 108, 174, 18},
     SS_CENTER | SS_SUNKEN},
};

// The About box fixes no places but the icon's side.
const std::vector<VisibleControlRow> kAboutControls{
    {1236, ControlKind::Icon, "", {}},
    {IDC_STATIC, ControlKind::Static, "Selvarin  Quorvel", {}},
    {IDC_STATIC, ControlKind::Static, "Version ", {}},
    {1235, ControlKind::Static, "", {}},
    {IDOK, ControlKind::DefPushButton, "OK", {}},
};

TEST_F(MainWindowTest, TemplateHasTheDescribedFrameAndVisibleControls) {
  Open();
  const DialogTemplate& t = dlg->GetTemplate();
  ExpectFrame(t, {102, "Selvarin Quorvel Version 2.0", 269, 131});
  const DWORD frame = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  EXPECT_EQ(t.style & (frame | WS_THICKFRAME), frame);
  EXPECT_EQ(t.exStyle & WS_EX_APPWINDOW, static_cast<DWORD>(WS_EX_APPWINDOW));
  ExpectVisibleControls(t, kMainWindowControls);
  ExpectShown(*dlg, kMainWindowControls);
}

TEST(AboutBox, TemplateHasTheDescribedFrameAndVisibleControls) {
  ScriptedHost host;
  ScopedHost scoped(host);
  CAboutDlg about;
  const DialogTemplate& t = about.GetTemplate();
  ExpectFrame(t, {100, "Selvarin", 240, 59, ""});
  ExpectVisibleControls(t, kAboutControls);
  const ControlTemplate* icon = FindControl(t, kAboutControls[0]);
  ASSERT_NE(icon, nullptr);
  for (const ControlTemplate& c : t.controls) {
    if (&c != icon) {
      EXPECT_LT(icon->rect.x + icon->rect.cx, c.rect.x) << c.text;
    }
  }
  ASSERT_TRUE(about.Create(nullptr));
  about.ShowWindow(SW_SHOW);
  ExpectShown(about, kAboutControls);
}

}  // namespace
