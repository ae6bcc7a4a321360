// SPDX-License-Identifier: GPL-3.0-or-later
// The component and the recorder tool changing one recorder's state at the same time, a thousand
// rounds each: no acknowledged change (a PUK above all) is lost to the other's write.
#include "tests/component/ComponentFixture.h"

#include <sstream>

#include "component/tool/RecorderTool.h"
#include "tests/component/ChildRacer.h"

namespace {

constexpr int kRounds = 1000;
// Hashing a PUK is slow by design: a few of them, spread over the rounds, are enough to race.
constexpr int kRoundsPerPuk = 100;

Round ToolRound(const std::string& root, const RecorderFolder& folder, int i) {
  // Alternately a button and the scanner: both fields are the tool's alone.
  RecorderState state;
  const bool lostBefore = folder.LoadState(&state) == S_OK && i > 0 && state.lastButton != (i - 1) % 30;
  std::ostringstream out, err;
  const std::vector<std::string> press = {"--root", root, "press", "desk", std::to_string(i % 30)};
  if (RecorderTool(out, err).Run(press) != 0) return Round::Failed;
  const std::vector<std::string> scanner = {"--root", root, "scanner", "desk", i % 2 ? "detach" : "attach"};
  if (RecorderTool(out, err).Run(scanner) != 0) return Round::Failed;
  if (folder.LoadState(&state) != S_OK) return Round::Failed;
  const bool lostAfter = state.lastButton != i % 30 || state.barcodeScanner != (i % 2 == 0);
  return lostBefore || lostAfter ? Round::Lost : Round::Fine;
}

TEST_F(ComponentTest, SetPukAndLedsRacingTheToolLoseNoUpdate) {
  TempFolder fast(FastTempBase());
  const std::string root = fast / "recorders";
  ::setenv("QUORVEL_RECORDERS", root.c_str(), 1);
  ASSERT_EQ(Tool("add DPM4_8500 desk"), 0);
  const RecorderFolder folder(root + "/desk");
  ASSERT_EQ(control->Initialize(0), S_OK);
  ComPtr<IDPMDevice> device = Device();
  ASSERT_TRUE(device);

  ChildRacer tool(kRounds, [&](int i) { return ToolRound(root, folder, i); });
  ASSERT_TRUE(tool.Started());
  Bstr puk = Text("12345678");
  int lostLeds = 0, lostPuks = 0, failed = 0;
  for (int i = 0; i < kRounds; ++i) {
    RecorderState state;
    if (folder.LoadState(&state) == S_OK && i > 0 && state.leds[0] != (i - 1) % 4) ++lostLeds;
    if (device->SetLED(0, i % 4) != S_OK) ++failed;
    if (i % kRoundsPerPuk == 0 && device->SetPUK(puk.Get()) != S_OK) ++failed;
    if (i % kRoundsPerPuk == kRoundsPerPuk - 1) {
      // The acknowledged PUK must still be there; it is then cleared for the next one, under the lock.
      EXPECT_EQ(folder.UpdateState([&](RecorderState& s) {
        lostPuks += s.pukHash.empty();
        s.pukHash.clear();
        return S_OK;
      }), S_OK);
    }
  }
  tool.Stop();
  const RaceOutcome other = tool.Wait();
  EXPECT_EQ(lostLeds, 0);
  EXPECT_EQ(lostPuks, 0);
  EXPECT_EQ(failed, 0);
  EXPECT_GE(other.rounds, kRounds);
  EXPECT_EQ(other.lost, 0);
  EXPECT_EQ(other.failed, 0);
  device = nullptr;
  EXPECT_EQ(control->Deinitialize(), S_OK);
}

}  // namespace
