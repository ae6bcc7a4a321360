// SPDX-License-Identifier: GPL-3.0-or-later
// Two recorder tools changing one recorder at the same time, a thousand rounds each: every change
// each of them made is still there when it looks again.
#include <gtest/gtest.h>

#include <sstream>

#include "component/recorders/RecorderFolder.h"
#include "component/tool/RecorderTool.h"
#include "tests/component/ChildRacer.h"
#include "tests/component/TempFolder.h"

namespace {

constexpr int kRounds = 1000;

int RunTool(const std::string& root, std::vector<std::string> args) {
  std::ostringstream out, err;
  args.insert(args.begin(), {"--root", root});
  return RecorderTool(out, err).Run(args);
}

// One round of a racer: its field must still hold what it wrote last, before and after it writes
// the next value.
template <class Field>
Round Change(const RecorderFolder& folder, const std::vector<std::string>& command, Field field, LONG before,
             LONG after) {
  RecorderState state;
  bool lost = folder.LoadState(&state) == S_OK && field(state) != before;
  if (RunTool(std::filesystem::path(folder.Path()).parent_path().string(), command) != 0) return Round::Failed;
  if (folder.LoadState(&state) != S_OK) return Round::Failed;
  lost = lost || field(state) != after;
  return lost ? Round::Lost : Round::Fine;
}

TEST(RecorderRace, PressAndScannerLoseNoUpdate) {
  TempFolder root(FastTempBase());
  ASSERT_EQ(RunTool(root.Path(), {"add", "DPM4_8200", "desk"}), 0);
  const RecorderFolder folder(root / "desk");
  const auto button = [](const RecorderState& s) { return s.lastButton; };
  const auto scanner = [](const RecorderState& s) { return static_cast<LONG>(s.barcodeScanner); };

  ChildRacer presses(kRounds, [&](int i) {
    const LONG code = i % 30;
    return Change(folder, {"press", "desk", std::to_string(code)}, button, i == 0 ? -1 : (i - 1) % 30, code);
  });
  ChildRacer attaches(kRounds, [&](int i) {
    const bool attach = i % 2 == 0;
    return Change(folder, {"scanner", "desk", attach ? "attach" : "detach"}, scanner, i == 0 ? 0 : !attach, attach);
  });
  ASSERT_TRUE(presses.Started() && attaches.Started());
  presses.Stop();  // each ends after its rounds
  attaches.Stop();
  const RaceOutcome a = presses.Wait(), b = attaches.Wait();
  EXPECT_EQ(a.rounds, kRounds);
  EXPECT_EQ(a.lost, 0);
  EXPECT_EQ(a.failed, 0);
  EXPECT_EQ(b.rounds, kRounds);
  EXPECT_EQ(b.lost, 0);
  EXPECT_EQ(b.failed, 0);
  RecorderState state;
  ASSERT_EQ(folder.LoadState(&state), S_OK);
  EXPECT_EQ(state.lastButton, (kRounds - 1) % 30);
  EXPECT_EQ(state.barcodeScanner, (kRounds - 1) % 2 == 0);
}

// Two tools recording at once: each recording gets a number of its own, none replaces another.
TEST(RecorderRace, RecordingsTakeANumberEach) {
  constexpr int kRecordings = 100;
  TempFolder root(FastTempBase());
  ASSERT_EQ(RunTool(root.Path(), {"add", "DPM4_8200", "desk"}), 0);
  const auto record = [&](int) {
    return RunTool(root.Path(), {"record", "desk", "0.01"}) == 0 ? Round::Fine : Round::Failed;
  };
  ChildRacer first(kRecordings, record), second(kRecordings, record);
  ASSERT_TRUE(first.Started() && second.Started());
  first.Stop();
  second.Stop();
  EXPECT_EQ(first.Wait().failed, 0);
  EXPECT_EQ(second.Wait().failed, 0);
  size_t dictations = 0;
  for (const auto& entry : std::filesystem::directory_iterator(root / "desk/card"))
    dictations += entry.path().extension() == ".DSS";
  EXPECT_EQ(dictations, 2u * kRecordings);
}

}  // namespace
