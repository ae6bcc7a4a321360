// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDlg.h"

#include "app/AboutDlgIds.h"
#include "app/Resources.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/Static.h"

namespace {

const DialogTemplate& AboutTemplate() {
  static const DialogTemplate kTemplate{
      .id = IDD_ABOUTBOX,
      .caption = "Selvarin",
      .cx = 240,
      .cy = 59,
      .controls = {IconControl(IDC_ABOUT_ICON, 11, 17, 20, 20),
                   LText("Selvarin  Quorvel", 40, 10, 119, 8),
                   LText("Version ", 40, 25, 30, 8),
                   LText("", 70, 25, 60, 8, IDC_ABOUT_VERSION),
                   DefPushButton(IDOK, "OK", 183, 7, 50, 14).Group()}};
  return kTemplate;
}

}  // namespace

CAboutDlg::CAboutDlg() : CDialog(AboutTemplate()) {}

CAboutDlg::~CAboutDlg() {
  if (IsWindow()) DestroyWindow();
  if (m_hIcon) DestroyIcon(m_hIcon);
}

BOOL CAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_hIcon = LoadResourceIcon(IDR_MAINFRAME);
  if (auto* icon = static_cast<CStatic*>(GetDlgItem(IDC_ABOUT_ICON))) icon->SetIcon(m_hIcon);
  SetDlgItemText(IDC_ABOUT_VERSION, "2.0.1");
  return TRUE;
}
