// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MarnCtrlApp.h"

#include "app/AboutDlg.h"
#include "app/MarnCtrlDlg.h"
#include "app/RegistrationSwitch.h"
#include "app/Resources.h"
#include "platform/automation/Apartment.h"
#include "platform/automation/ClassRegistry.h"

CMarnCtrlApp::CMarnCtrlApp() : CWinApp("Quorvel") {}

BOOL CMarnCtrlApp::InitInstance() {
  if (!StartCom()) return FALSE;

  AfxEnableControlContainer();
  CCommandLineInfo cmdInfo;
  ParseCommandLine(cmdInfo);
  if (cmdInfo.m_bRunEmbedded || cmdInfo.m_bRunAutomated) return TRUE;

  RunMainWindow();
  // The main window's run was the program: go straight to exit processing.
  return FALSE;
}

// False when the process is to end without a window: COM could not start, or a registration run.
BOOL CMarnCtrlApp::StartCom() {
  m_bComInitialized = 1;
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
    m_bComInitialized = 0;
    return FALSE;
  }
  HookApartmentToEventLoop();
  m_module.Init({}, this);

  // Registration acts on an empty class table and a missing script: it only ends the run.
  switch (FindRegistrationSwitch(m_lpCmdLine)) {
    case RegistrationSwitch::UnregServer:
      m_module.UnregisterServer(IDR_REGISTRY_SCRIPT);
      break;
    case RegistrationSwitch::RegServer:
      m_module.RegisterServer(IDR_REGISTRY_SCRIPT);
      break;
    case RegistrationSwitch::None:
      if (SUCCEEDED(m_module.RegisterClassObjects(CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE))) return TRUE;
      m_bComInitialized = 0;
      UnhookApartmentFromEventLoop();
      CoUninitialize();
      return FALSE;
  }
  m_bComInitialized = 0;
  m_module.Term();
  UnhookApartmentFromEventLoop();
  CoUninitialize();
  return FALSE;
}

void CMarnCtrlApp::RunMainWindow() {
  CMarnCtrlDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
}

int CMarnCtrlApp::ExitInstance() {
  if (m_bComInitialized) {
    m_module.RevokeClassObjects();
    m_module.Term();
    UnhookApartmentFromEventLoop();
    CoUninitialize();
    m_bComInitialized = 0;
  }
  return CWinApp::ExitInstance();
}

void CMarnCtrlApp::OnHelp() {
  CAboutDlg about;
  about.DoModal();
}
