// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CWinApp: the application object. WinMain creates the Qt application, installs the Qt host,
// hooks the apartment dispatcher into its loop (once COM is up) and runs
// InitInstance; when that returns TRUE the application loop runs until WM_QUIT; then ExitInstance.
// A dialog-based program runs its main window modally inside InitInstance and returns FALSE.
#include <string>
#include <vector>

#include "platform/ui/WinTypes.h"

class CWnd;

// What the framework's standard command-line parser found.
class CCommandLineInfo {
 public:
  enum { FileNew, FileOpen, FilePrint, FileNothing, AppRegister, AppUnregister };
  int m_nShellCommand = FileNew;
  BOOL m_bRunEmbedded = FALSE;   // "-Embedding" or "/Embedding"
  BOOL m_bRunAutomated = FALSE;  // "-Automation" or "/Automation"
  std::string m_strFileName;
  // One argument at a time; flags come without their "-" or "/".
  virtual void ParseParam(const char* param, BOOL isFlag, BOOL isLast);
  virtual ~CCommandLineInfo() = default;
};

class CWinApp {
 public:
  explicit CWinApp(const char* appName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance();
  virtual int ExitInstance();  // returns the process exit code
  virtual int Run();           // the application loop, until WM_QUIT
  virtual void OnHelp();       // ID_HELP: nothing by default

  // The whole life of the program; returns the exit code.
  int WinMain(int argc, char** argv);

  void ParseCommandLine(CCommandLineInfo& info) const;
  const std::vector<std::string>& Arguments() const { return m_arguments; }  // without the program

  CWnd* m_pMainWnd = nullptr;
  std::string m_pszAppName;   // caption of AfxMessageBox
  std::string m_lpCmdLine;    // the arguments after the program name, joined by blanks
  std::string m_pszExeName;

 private:
  std::vector<std::string> m_arguments;
  int m_exitCode = 0;
};

CWinApp* AfxGetApp();
std::string AfxGetAppName();
// The application's lock count for COM object lifetime.
void AfxOleLockApp();
void AfxOleUnlockApp();
BOOL AfxOleCanExitApp();
void AfxEnableControlContainer();

// Runs the calling thread's apartment dispatcher from Qt's event loop: a socket notifier on its
// WaitHandle() pumps it. False outside an apartment or without a Qt application. Idempotent.
bool HookApartmentToEventLoop();
void UnhookApartmentFromEventLoop();
