// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application: starts the apartment and the COM module, answers the registration switches, and
// runs the main window modally; the process ends when it closes.
#include "app/MarnCtrlModule.h"
#include "platform/ui/WinApp.h"

class CMarnCtrlApp : public CWinApp {
 public:
  CMarnCtrlApp();

  BOOL InitInstance() override;
  int ExitInstance() override;
  // The framework's Help command (F1 in the main window): the About box.
  void OnHelp() override;

  // 1 while COM is up for the program; read at exit.
  LONG m_bComInitialized = 0;
  CMarnCtrlModule m_module;

 private:
  BOOL StartCom();
  void RunMainWindow();
};
