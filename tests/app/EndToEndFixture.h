// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window against the real DPMCtrl module loaded through the registry, over simulated
// recorders of the test's own, driven by real clicks. Events reach the window only through the event
// loop, so each step pumps it until the window shows what the component reported.
#include "tests/app/MainWindowFixture.h"

#include <QCoreApplication>
#include <chrono>
#include <functional>
#include <sstream>
#include <thread>

#include "maintenance/DeviceDlgIds.h"
#include "tests/support/RealModule.h"

using Strings = std::vector<std::string>;

inline constexpr const char* kConnected = "DPMEventDeviceConnected(";

inline size_t CountStartingWith(const Strings& lines, const std::string& prefix) {
  size_t count = 0;
  for (const std::string& line : lines) count += line.rfind(prefix, 0) == 0 ? 1 : 0;
  return count;
}

class EndToEndTest : public MainWindowTest, protected RealModule {
 protected:
  bool RegisterComponent() const override { return false; }

  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_EQ(RegisterModule(), S_OK);
  }

  void TearDown() override {
    dlg.reset();
    EXPECT_TRUE(spy.Calls().empty()) << "the spy, not the module, served the window";
    PumpUntil([] { return false; }, std::chrono::milliseconds(0));
    const long live = LiveObjects();
    EXPECT_NE(live, -1) << "the module is not loaded";
    if (live != -1) {
      EXPECT_EQ(live, 0) << "the module still has live objects";
    }
    MainWindowTest::TearDown();
  }

  // Runs the event loop until `done` holds or the deadline passes; whether it held.
  static bool PumpUntil(const std::function<bool()>& done,
                        std::chrono::milliseconds patience = std::chrono::seconds(5)) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      if (done()) return true;
      if (std::chrono::steady_clock::now() >= deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  // The recorders the tool lists: name, then model.
  std::vector<std::pair<std::string, std::string>> Recorded() {
    std::vector<std::pair<std::string, std::string>> recorders;
    EXPECT_EQ(Tool("list"), 0) << m_toolOutput;
    std::istringstream in(m_toolOutput);
    for (std::string line; std::getline(in, line);) {
      const size_t tab = line.find('\t');
      if (tab != std::string::npos) recorders.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    }
    return recorders;
  }

  // One line of `dpmrecorder show`, without its label.
  std::string Shown(const std::string& name, const std::string& label) {
    EXPECT_EQ(Tool("show " + name), 0) << m_toolOutput;
    std::istringstream in(m_toolOutput);
    for (std::string line; std::getline(in, line);) {
      if (line.rfind(label + ":", 0) == 0) return line.substr(line.find_first_not_of(' ', label.size() + 1));
    }
    return {};
  }

  // The recorder clock's distance from this computer's, in seconds, as the tool reports it.
  long ClockOffset(const std::string& name) {
    const std::string clock = Shown(name, "clock");
    const size_t open = clock.find('(');
    EXPECT_NE(open, std::string::npos) << clock;
    return open == std::string::npos ? 1L << 30 : std::strtol(clock.c_str() + open + 1, nullptr, 10);
  }

  // Opens the window and presses "Initialize": the session makes the default recorder (when the folder
  // has none) and connects every recorder.
  void StartSession() { StartSessionWith(1); }
  void StartSessionWith(size_t recorders) {
    Open();
    Click(*dlg, IDC_INITIALIZE);
    ASSERT_TRUE(PumpUntil([&] { return CountStartingWith(Lines(*dlg, IDC_EVENT_LOG), kConnected) == recorders; }))
        << "not every connect event reached the event log";
  }

};
