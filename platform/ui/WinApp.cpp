// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/WinApp.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QFileInfo>
#include <memory>

#include "platform/automation/Apartment.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/internal/ShownReporter.h"
#include "platform/ui/internal/WindowState.h"

namespace {

CWinApp* g_app = nullptr;
int g_lockCount = 0;

struct ApartmentHook {
  std::shared_ptr<ApartmentDispatcher> dispatcher;
  std::unique_ptr<QSocketNotifier> notifier;
};
ApartmentHook& Hook() {
  static ApartmentHook hook;
  return hook;
}

bool EqualsNoCase(const std::string& a, const char* b) {
  return QString::fromStdString(a).compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

void CCommandLineInfo::ParseParam(const char* param, BOOL isFlag, BOOL) {
  std::string p = param ? param : "";
  if (!isFlag) {
    if (m_strFileName.empty()) {
      m_strFileName = p;
      m_nShellCommand = FileOpen;
    }
    return;
  }
  if (EqualsNoCase(p, "Embedding")) m_bRunEmbedded = TRUE;
  else if (EqualsNoCase(p, "Automation")) m_bRunAutomated = TRUE;
  else if (EqualsNoCase(p, "RegServer") || EqualsNoCase(p, "Register")) m_nShellCommand = AppRegister;
  else if (EqualsNoCase(p, "UnregServer") || EqualsNoCase(p, "Unregister")) m_nShellCommand = AppUnregister;
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName ? appName : "") { g_app = this; }
CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return m_exitCode; }
void CWinApp::OnHelp() {}

int CWinApp::Run() {
  HookApartmentToEventLoop();
  m_exitCode = QApplication::exec();
  return m_exitCode;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
  for (size_t i = 0; i < m_arguments.size(); ++i) {
    const std::string& arg = m_arguments[i];
    bool isFlag = !arg.empty() && (arg[0] == '-' || arg[0] == '/');
    info.ParseParam(isFlag ? arg.c_str() + 1 : arg.c_str(), isFlag, i + 1 == m_arguments.size());
  }
}

int CWinApp::WinMain(int argc, char** argv) {
  QApplication application(argc, argv);
  ui::ShownReporter::InstallFromEnvironment([] { PostQuitMessage(0); });
  m_pszExeName = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName().toStdString() : "";
  if (m_pszAppName.empty()) m_pszAppName = m_pszExeName;
  m_arguments.clear();
  m_lpCmdLine.clear();
  for (int i = 1; i < argc; ++i) {
    m_arguments.emplace_back(argv[i]);
    if (i > 1) m_lpCmdLine += ' ';
    m_lpCmdLine += argv[i];
  }
  if (InitInstance()) Run();
  int code = ExitInstance();
  UnhookApartmentFromEventLoop();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return code;
}

CWinApp* AfxGetApp() { return g_app; }
std::string AfxGetAppName() { return g_app && !g_app->m_pszAppName.empty() ? g_app->m_pszAppName : "Quorvel"; }

void AfxOleLockApp() { ++g_lockCount; }
void AfxOleUnlockApp() {
  if (g_lockCount > 0) --g_lockCount;
}
BOOL AfxOleCanExitApp() { return g_lockCount == 0; }
void AfxEnableControlContainer() {}

bool HookApartmentToEventLoop() {
  if (!QCoreApplication::instance()) return false;
  std::shared_ptr<ApartmentDispatcher> dispatcher = CoGetApartmentDispatcher();
  if (!dispatcher) return false;
  ApartmentHook& hook = Hook();
  if (hook.dispatcher == dispatcher && hook.notifier) return true;
  hook.notifier.reset();
  hook.dispatcher = dispatcher;
  hook.notifier = std::make_unique<QSocketNotifier>(dispatcher->WaitHandle(), QSocketNotifier::Read);
  std::weak_ptr<ApartmentDispatcher> weak = dispatcher;
  QObject::connect(hook.notifier.get(), &QSocketNotifier::activated, [weak] {
    if (auto d = weak.lock()) {
      ui::QtEntry entry;
      d->Pump();
    }
  });
  return true;
}

void UnhookApartmentFromEventLoop() {
  Hook().notifier.reset();
  Hook().dispatcher.reset();
}
