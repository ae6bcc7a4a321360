// The main window against the real DPMCtrl module loaded through the registry, over simulated
// recorders of the test's own, driven by real clicks. Events reach the window only through the event
// loop, so each step pumps it until the window shows what the component reported.
#include "tests/app/MainWindowFixture.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "platform/automation/ClassRegistry.h"
#include "tests/component/TempFolder.h"

namespace {

using Strings = std::vector<std::string>;

constexpr int kSynchronize = 1019;
constexpr int kFormatCard = 1022;
constexpr int kClose = 1113;
constexpr int kResultList = 1044;
constexpr const char* kConnected = "DPMEventDeviceConnected(";

size_t CountStartingWith(const Strings& lines, const std::string& prefix) {
  size_t count = 0;
  for (const std::string& line : lines) count += line.rfind(prefix, 0) == 0 ? 1 : 0;
  return count;
}

class EndToEndTest : public MainWindowTest {
 protected:
  bool RegisterComponent() const override { return false; }

  void SetUp() override {
    ::setenv("QUORVEL_RECORDERS", Recorders().c_str(), 1);
    MainWindowTest::SetUp();
    ASSERT_EQ(RegisterServerModule(DPMCTRL_MODULE, false), S_OK);
  }

  void TearDown() override {
    dlg.reset();
    EXPECT_TRUE(spy.Calls().empty()) << "the spy, not the module, served the window";
    PumpUntil([] { return false; }, std::chrono::milliseconds(0));
    auto live = LiveObjectsHook();
    EXPECT_NE(live, nullptr) << "the module is not loaded";
    if (live) {
      EXPECT_EQ(live(), 0) << "the module still has live objects";
    }
    MainWindowTest::TearDown();
    ::unsetenv("QUORVEL_RECORDERS");
  }

  static long (*LiveObjectsHook())() {
    void* module = ::dlopen(DPMCTRL_MODULE, RTLD_NOW | RTLD_NOLOAD);
    void* symbol = module ? ::dlsym(module, "DPMCtrlLiveObjects") : nullptr;
    if (module) ::dlclose(module);
    return reinterpret_cast<long (*)()>(symbol);
  }

  std::string Recorders() const { return m_recorders.Path() + "/recorders"; }

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

  // Runs the recorder tool as its own process over the same recorders folder; its exit code.
  int Tool(const std::string& arguments) {
    const std::string out = m_recorders.Path() + "/tool.out";
    const std::string command = std::string(DPMRECORDER_TOOL) + " " + arguments + " >" + out + " 2>&1";
    const int status = std::system(command.c_str());
    m_toolOutput = ReadText(out);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

  // Opens the window and presses "Initialize": the session makes the default recorder and connects it.
  void StartSession() {
    Open();
    Click(*dlg, kInitialize);
    ASSERT_TRUE(PumpUntil([&] { return CountStartingWith(Lines(*dlg, kEventLog), kConnected) == 1; }))
        << "no connect event in the event log";
  }

  std::string m_toolOutput;
  TempFolder m_recorders;
};

TEST_F(EndToEndTest, InitializeFormatAndSetTimeThroughTheWindows) {
  Open();
  EXPECT_FALSE(DeviceButtonsEnabled());
  Click(*dlg, kInitialize);
  EXPECT_EQ(Lines(*dlg, kResultLog).at(0), "0 OK");
  ASSERT_TRUE(PumpUntil([&] { return CountStartingWith(Lines(*dlg, kEventLog), kConnected) == 1; }))
      << "no connect event in the event log";
  EXPECT_TRUE(PumpUntil([&] { return DeviceButtonsEnabled(); }));
  EXPECT_EQ(dlg->EventSink()->ConnectedDevices(), 1);

  const auto recorders = Recorded();
  ASSERT_EQ(recorders.size(), 1u) << m_toolOutput;
  const std::string name = recorders[0].first;
  EXPECT_EQ(recorders[0].second, "DPM4_8200");
  EXPECT_GT(std::labs(ClockOffset(name)), 60) << "a new recorder's clock is not set";

  // Something on the card for the format to remove.
  const std::string dictation = m_recorders.Path() + "/letter.dss";
  std::ofstream(dictation) << "dictation";
  ASSERT_EQ(Tool("put " + name + " " + dictation), 0) << m_toolOutput;
  ASSERT_EQ(Shown(name, "card"), "1 file(s)");

  Click(*dlg, kFormatSetTime);
  ASSERT_NE(dlg->DeviceDlg(), nullptr);
  CMarnDeviceDlg& device = *dlg->DeviceDlg();
  EXPECT_TRUE(device.IsWindowVisible());
  EXPECT_FALSE(DeviceButtonsEnabled());
  EXPECT_EQ(Lines(device, kResultList), Strings{"OK"}) << "getting the device";

  Click(device, kSynchronize);
  Click(device, kFormatCard);
  EXPECT_EQ(Lines(device, kResultList), (Strings{"OK", "OK", "OK"}));
  EXPECT_LE(std::labs(ClockOffset(name)), 2);
  EXPECT_EQ(Shown(name, "card"), "0 file(s)");
  EXPECT_TRUE(host.Shown().empty()) << "nothing is asked or reported in a message box";

  Click(device, kClose);
  EXPECT_TRUE(PumpUntil([&] { return dlg->DeviceDlg() == nullptr; }));
  EXPECT_TRUE(DeviceButtonsEnabled());
}

TEST_F(EndToEndTest, RecorderAddedByTheToolReachesTheEventLog) {
  StartSession();
  ASSERT_EQ(Tool("add DPM4_8500 desk"), 0) << m_toolOutput;
  EXPECT_TRUE(PumpUntil([&] { return CountStartingWith(Lines(*dlg, kEventLog), kConnected) == 2; }))
      << "the second recorder's connect event never arrived";
  EXPECT_EQ(dlg->EventSink()->ConnectedDevices(), 2);
  EXPECT_TRUE(DeviceButtonsEnabled());

  ASSERT_EQ(Tool("remove desk"), 0) << m_toolOutput;
  EXPECT_TRUE(PumpUntil([&] { return dlg->EventSink()->ConnectedDevices() == 1; }))
      << "the disconnect event never arrived";
  EXPECT_TRUE(DeviceButtonsEnabled());
}

}  // namespace
