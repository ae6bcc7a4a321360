// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and exit of the application object, the registration switches, and the About box on the
// Help command.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "app/AboutDlg.h"
#include "app/AboutDlgIds.h"
#include "app/MarnCtrlApp.h"
#include "app/RegistrationSwitch.h"
#include "tests/app/MainWindowFixture.h"

namespace {

using Strings = std::vector<std::string>;

struct SwitchCase {
  const char* line;
  RegistrationSwitch expected;
};

class RegistrationSwitches : public testing::TestWithParam<SwitchCase> {};

TEST_P(RegistrationSwitches, MatchTheWholeRestOfTheLine) {
  EXPECT_EQ(FindRegistrationSwitch(GetParam().line), GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RegistrationSwitches,
    testing::Values(SwitchCase{"/regserver", RegistrationSwitch::RegServer},
                    SwitchCase{"-UNREGSERVER", RegistrationSwitch::UnregServer},
                    SwitchCase{"/RegServer", RegistrationSwitch::RegServer},
                    SwitchCase{"/RegServer extra", RegistrationSwitch::None},
                    SwitchCase{"/RegServerx", RegistrationSwitch::None},
                    SwitchCase{"file -x /unregserver", RegistrationSwitch::UnregServer},
                    SwitchCase{"--regserver", RegistrationSwitch::RegServer},  // the scan goes on after the first "-"
                    SwitchCase{"regserver", RegistrationSwitch::None},
                    SwitchCase{"", RegistrationSwitch::None}),
    [](const testing::TestParamInfo<SwitchCase>& info) { return "Line" + std::to_string(info.index); });

// The application object in this process, with an empty registry: a window shows itself by the
// missing-component message box (answered by the script), after which its run ends.
class AppStartup : public testing::Test {
 protected:
  BOOL Start(const std::string& commandLine) {
    app.m_lpCmdLine = commandLine;
    return app.InitInstance();
  }
  void TearDown() override {
    app.ExitInstance();
    MSG msg;
    while (PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  TempRegistry registry;
  ScriptedHost host;
  ScopedHost scopedHost{host};
  CMarnCtrlApp app;
};

TEST_F(AppStartup, RegistrationSwitchesEndWithoutAWindow) {
  for (const char* line : {"/regserver", "-UNREGSERVER"}) {
    EXPECT_FALSE(Start(line)) << line;
    EXPECT_EQ(app.m_bComInitialized, 0) << line;
    EXPECT_TRUE(host.Shown().empty()) << line;
  }
  EXPECT_EQ(CoGetApartmentDispatcher(), nullptr) << "COM is shut down again";
}

TEST_F(AppStartup, OtherLinesRunTheMainWindow) {
  for (const char* line : {"/RegServer extra", ""}) {
    host.Clear();
    EXPECT_FALSE(Start(line)) << "start-up ends after the main window's run";
    EXPECT_EQ(host.MessageTexts(), Strings{"ERROR: CoCreateInstance() failed - DPMCtrl.dll not registered!"})
        << line;
    EXPECT_EQ(app.m_bComInitialized, 1);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    app.ExitInstance();
    EXPECT_EQ(app.m_bComInitialized, 0);
  }
}

// Runs `check` on the modal window that opens next, then presses its OK button.
void OnNextModal(std::function<void(CWnd&)> check) {
  QTimer::singleShot(0, [check] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    CWnd* wnd = CWnd::FromHandle(HandleFromWidget(modal));
    ASSERT_NE(wnd, nullptr);
    check(*wnd);
    Click(*wnd, IDOK);
  });
}

TEST(AboutBox, ShowsTheNameAndVersion) {
  ScriptedHost host;
  ScopedHost scoped(host);
  CAboutDlg about;
  std::string version, caption;
  bool hasName = false;
  OnNextModal([&](CWnd& box) {
    version = Text(box, IDC_ABOUT_VERSION);
    caption = box.GetWindowText();
    QWidget* w = WidgetOf(box);
    for (QWidget* child : w->findChildren<QWidget*>()) {
      if (child->property("text").toString() == "Selvarin  Quorvel") hasName = true;
    }
  });
  EXPECT_EQ(about.DoModal(), IDOK);
  EXPECT_EQ(version, "2.0.1");
  EXPECT_EQ(caption, "Selvarin");
  EXPECT_TRUE(hasName);
}

TEST_F(MainWindowTest, F1OpensTheAboutBoxOwnedByTheMainWindowAndCentredOverIt) {
  CMarnCtrlApp app;
  Open();
  app.m_pMainWnd = dlg.get();
  // Away from the screen's centre, where an unowned box would land.
  CRect frame;
  dlg->GetWindowRect(&frame);
  dlg->MoveWindow(17, 23, frame.Width(), frame.Height());
  std::string version;
  CWnd* parent = nullptr;
  QPoint boxCentre, mainCentre;
  OnNextModal([&](CWnd& box) {
    version = Text(box, IDC_ABOUT_VERSION);
    parent = box.GetParent();
    boxCentre = WidgetOf(box)->frameGeometry().center();
    mainCentre = WidgetOf(*dlg)->frameGeometry().center();
  });
  QTest::keyClick(WidgetOf(*dlg), Qt::Key_F1);
  app.m_pMainWnd = nullptr;
  EXPECT_EQ(version, "2.0.1");
  EXPECT_EQ(parent, dlg.get());
  // Halving odd sizes rounds both centres.
  EXPECT_LE(std::abs(boxCentre.x() - mainCentre.x()), 2) << boxCentre.x() << " over " << mainCentre.x();
  EXPECT_LE(std::abs(boxCentre.y() - mainCentre.y()), 2) << boxCentre.y() << " over " << mainCentre.y();
  EXPECT_TRUE(dlg->IsWindowVisible());
}

// The real program: registration switches end the process at once with exit code 0. A window would
// stay on the missing-component message box, and the wait would time out (-1).
int RunProgram(const std::string& argument, const std::string& registry) {
  const std::string program = QUORVEL_PROGRAM;
  const pid_t child = fork();
  if (child == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QUORVEL_REGISTRY", registry.c_str(), 1);
    execl(program.c_str(), program.c_str(), argument.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -3;
}

TEST(Program, RegistrationSwitchesExitWithoutAWindow) {
  TempRegistry registry;
  for (const char* argument : {"/regserver", "-UNREGSERVER"}) {
    EXPECT_EQ(RunProgram(argument, registry.Path()), 0) << argument;
  }
}

}  // namespace
