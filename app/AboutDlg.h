// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box, opened by the application's Help command.
#include "platform/ui/Dialog.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();
  ~CAboutDlg() override;

 protected:
  BOOL OnInitDialog() override;

 private:
  HICON m_hIcon = nullptr;
};
