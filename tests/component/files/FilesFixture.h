// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real module with one simulated recorder ("rec", a DPM4_8200) whose card the recorder tool
// fills, and the progress events of file tasks as the sink records them.
#include <algorithm>

#include "device/DpmEvents.h"
#include "device/IDPMFileList.h"
#include "tests/component/ComponentFixture.h"

struct Progress {
  std::string text;
  LONG percent;
  LONG result;
};

class FilesTest : public ComponentTest {
 protected:
  void SetUp() override {
    ComponentTest::SetUp();
    ASSERT_EQ(Tool("add DPM4_8200 rec"), 0);
  }
  void TearDown() override {
    if (auto hold = Hook<void (*)(int)>("DPMCtrlHoldTasks")) hold(0);
    ComponentTest::TearDown();
  }

  std::string Card() const { return Recorders() + "/rec/card"; }
  // Records on the card ("SECONDS [START-END ...]"); the new file's path.
  std::string Record(const std::string& arguments) {
    EXPECT_EQ(Tool("record rec " + arguments), 0) << ToolOutput();
    std::string name = ToolOutput();
    while (!name.empty() && name.back() == '\n') name.pop_back();
    return Card() + "/" + name;
  }
  ComPtr<IDPMFileInfo> Info(const std::string& path) {
    ComPtr<IDPMFileInfo> info;
    EXPECT_EQ(control->get_IDPMFileInfo(Text(path.c_str()).Get(), info.ReleaseAndGetAddressOf()), S_OK) << path;
    return info;
  }
  void HoldAt(int percent) {
    auto hold = Hook<void (*)(int)>("DPMCtrlHoldTasks");
    ASSERT_NE(hold, nullptr);
    hold(percent);
  }

  std::vector<Progress> ProgressEvents() const {
    std::vector<Progress> out;
    for (const RecordedEvent& e : sink.events)
      if (e.id == DPMEventProgress && e.texts.size() == 1 && e.numbers.size() == 2)
        out.push_back({e.texts[0], e.numbers[0], e.numbers[1]});
    return out;
  }
  size_t Ended() const {
    const auto events = ProgressEvents();
    return static_cast<size_t>(std::count_if(events.begin(), events.end(), [](const Progress& p) { return p.percent == 100; }));
  }
  // Pumps until `count` tasks have ended or a generous time has passed (no timing is asserted).
  bool PumpUntilEnded(size_t count) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (Ended() < count && std::chrono::steady_clock::now() < giveUp) CoGetApartmentDispatcher()->PumpFor(20);
    return Ended() >= count;
  }
  bool PumpUntilPercent(LONG percent) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    auto reached = [&] {
      for (const Progress& p : ProgressEvents())
        if (p.percent >= percent) return true;
      return false;
    };
    while (!reached() && std::chrono::steady_clock::now() < giveUp) CoGetApartmentDispatcher()->PumpFor(20);
    return reached();
  }
};

inline std::string TextOf(const Bstr& text) { return BstrToAnsi(text.Get()); }
