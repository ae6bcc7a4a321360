// SPDX-License-Identifier: GPL-3.0-or-later
// apply and watch: one reference file to many recorders.
#include <algorithm>

#include "tests/quorvelctl/CtlFixture.h"

namespace {

class ApplyTest : public CtlTest {
 protected:
  // Three recorders; the reference is the first one's settings with two changes, and the third is of
  // a model that refuses a file of another model.
  void SetUp() override {
    CtlTest::SetUp();
    ASSERT_EQ(Tool("add DPM4_8200 one"), 0);
    ASSERT_EQ(Tool("add DPM4_8200 two"), 0);
    ASSERT_EQ(Tool("add DPM4_8000 three"), 0);
    const std::string one = " -d " + std::to_string(IndexOf("one"));
    ASSERT_EQ(Ctl("set RecordingMode=dpmQualityPlay 'KeywordUsageString[4]=Ward'" + one).exit, 0);
    ASSERT_EQ(Ctl("export " + Reference() + one).exit, 0);
    ASSERT_EQ(Ctl("set RecordingMode=dpmStandardPlay 'KeywordUsageString[4]=Client'" + one).exit, 0);
  }
  std::string Reference() const { return Path("reference.json"); }
  // Each recorder's settings as the tool shows them.
  std::vector<std::string> AllShown() { return {ToolShow("one"), ToolShow("two"), ToolShow("three")}; }
  // The recorder numbered in list order of the tool's name.
  int IndexOf(const std::string& name) {
    const nlohmann::json list = Parsed(Ctl("list --json").out)["recorders"];
    const std::string mac = ToolShowMac(name);
    for (const auto& recorder : list) {
      if (recorder["macAddress"] == mac) return recorder["index"];
    }
    return -1;
  }
  std::string ToolShowMac(const std::string& name) {
    for (const std::string& line : Lines(ToolShow(name))) {
      if (line.rfind("MAC:", 0) == 0) return line.substr(line.find_first_not_of(' ', 4));
    }
    return {};
  }
};

TEST_F(ApplyTest, AllUpdatesWholeRecordersAndGoesOnPastARefusal) {
  const std::string untouched = ToolShow("three");
  const CtlRun apply = Ctl("apply " + Reference() + " --all");
  EXPECT_EQ(apply.exit, 1) << apply.out << apply.err;
  for (const char* name : {"one", "two"}) {
    EXPECT_EQ(Ctl("diff " + Reference() + " @" + std::to_string(IndexOf(name))).exit, 0) << name;
  }
  EXPECT_EQ(ToolShow("three"), untouched);
  // Each recorder's heading, then its changes (indented); the refusal said once.
  std::vector<std::string> headings;
  for (const std::string& line : Lines(apply.out)) {
    if (line.rfind("  ", 0) == 0) {
      EXPECT_FALSE(headings.empty()) << "a change before any heading: " << apply.out;
    } else if (line.rfind("recorder ", 0) == 0) {
      headings.push_back(line.substr(line.find("): ") + 3));
    }
  }
  std::sort(headings.begin(), headings.end());
  EXPECT_EQ(headings, (std::vector<std::string>{"refused (writing the settings: dpmCtrlNotSupported), nothing changed",
                                                "updated, 2 setting(s) changed", "updated, 2 setting(s) changed"}))
      << apply.out;
  EXPECT_NE(apply.out.find("  RecordingMode: dpmStandardPlay (0) | dpmQualityPlay (6)"), std::string::npos);
  EXPECT_EQ(apply.err, "");
}

// The dry run reports what the real run then does, refusal and exit code included, and changes nothing.
TEST_F(ApplyTest, DryRunReportsWhatTheRealRunDoes) {
  const std::vector<std::string> before = AllShown();
  const CtlRun dry = Ctl("apply " + Reference() + " --all --dry-run --json");
  EXPECT_EQ(AllShown(), before);
  const CtlRun real = Ctl("apply " + Reference() + " --all --json");
  EXPECT_EQ(dry.exit, 1) << dry.err;
  EXPECT_EQ(real.exit, dry.exit);
  const nlohmann::json dryRecorders = Parsed(dry.out)["recorders"], realRecorders = Parsed(real.out)["recorders"];
  ASSERT_EQ(dryRecorders.size(), 3u);
  ASSERT_EQ(realRecorders.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    const std::string status = dryRecorders[i]["status"];
    EXPECT_EQ(status == "dry-run" ? "updated" : status, realRecorders[i]["status"]) << i;
    EXPECT_EQ(dryRecorders[i]["changes"], realRecorders[i]["changes"]) << i;
    EXPECT_EQ(dryRecorders[i].value("result", ""), realRecorders[i].value("result", "")) << i;
  }
}

TEST_F(ApplyTest, OneRecorderByNumber) {
  const int two = IndexOf("two");
  const CtlRun apply = Ctl("apply " + Reference() + " -d " + std::to_string(two));
  EXPECT_EQ(apply.exit, 0) << apply.err;
  EXPECT_EQ(Ctl("diff " + Reference() + " @" + std::to_string(two)).exit, 0);
  EXPECT_EQ(Ctl("diff " + Reference() + " @" + std::to_string(IndexOf("one"))).exit, 1);
  EXPECT_EQ(Ctl("apply " + Reference() + " -d 7").exit, 3);
}

TEST_F(ApplyTest, ImportRefusesAFileOfAnotherModel) {
  const std::string untouched = ToolShow("three");
  const CtlRun import = Ctl("import " + Reference() + " -d " + std::to_string(IndexOf("three")));
  EXPECT_EQ(import.exit, 1);
  EXPECT_NE(import.out.find(": refused (writing the settings: dpmCtrlNotSupported), nothing changed"),
            std::string::npos) << import.out;
  EXPECT_EQ(ToolShow("three"), untouched);
}

TEST_F(ApplyTest, ADamagedFileChangesNothing) {
  WriteText(Path("damaged.json"), ReadText(Reference()).substr(0, 200));
  const std::vector<std::string> before = AllShown();
  const CtlRun apply = Ctl("apply " + Path("damaged.json") + " --all");
  EXPECT_EQ(apply.exit, 1);
  EXPECT_NE(apply.err.find("dpmCtrlInvalidFile"), std::string::npos) << apply.err;
  EXPECT_EQ(AllShown(), before);
}

TEST_F(ApplyTest, WatchAppliesToConnectedAndNewRecordersAndEndsOnSigterm) {
  const pid_t watch = Spawn({"watch", "--apply", Reference()});
  ASSERT_GT(watch, 0);
  ASSERT_TRUE(WaitForLines(3)) << ReadText(Path("spawn.out")) << ReadText(Path("spawn.err"));
  ASSERT_EQ(Tool("add DPM4_8200 four"), 0);
  const bool served = WaitForLines(4);
  ::kill(watch, SIGTERM);
  int status = 0;
  ASSERT_EQ(::waitpid(watch, &status, 0), watch);
  ASSERT_TRUE(served) << ReadText(Path("spawn.out"));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  const std::vector<std::string> lines = Lines(ReadText(Path("spawn.out")));
  EXPECT_NE(lines[3].find("updated, 2 setting(s) changed"), std::string::npos) << lines[3];
  EXPECT_EQ(Ctl("diff " + Reference() + " @" + std::to_string(IndexOf("four"))).exit, 0);
}

TEST_F(ApplyTest, WatchAppliesAReplacedReferenceAndKeepsTheOldOneForADamagedFile) {
  const pid_t watch = Spawn({"watch", "--apply", Reference()});
  ASSERT_GT(watch, 0);
  const bool started = WaitForLines(3);
  WriteText(Path("damaged.json"), "{");
  std::filesystem::rename(Path("damaged.json"), Reference());
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  while (ReadText(Path("spawn.err")).find("dpmCtrlInvalidFile") == std::string::npos &&
         std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const std::string one = " -d " + std::to_string(IndexOf("one"));
  EXPECT_EQ(Ctl("set DeviceBeep=false" + one).exit, 0);
  EXPECT_EQ(Ctl("export " + Path("next.json") + one).exit, 0);
  std::filesystem::rename(Path("next.json"), Reference());
  const bool reapplied = WaitForLines(6);
  ::kill(watch, SIGTERM);
  int status = 0;
  ASSERT_EQ(::waitpid(watch, &status, 0), watch);
  ASSERT_TRUE(started && reapplied) << ReadText(Path("spawn.out")) << ReadText(Path("spawn.err"));
  EXPECT_NE(ReadText(Path("spawn.err")).find("dpmCtrlInvalidFile"), std::string::npos);
  for (const char* name : {"one", "two"}) {
    EXPECT_EQ(Ctl("diff " + Reference() + " @" + std::to_string(IndexOf(name))).exit, 0) << name;
  }
}

TEST_F(ApplyTest, WatchLogsJsonLines) {
  const pid_t watch = Spawn({"watch", "--json", "--apply", Reference()});
  ASSERT_GT(watch, 0);
  const bool logged = WaitForLines(3);
  ::kill(watch, SIGINT);
  int status = 0;
  ASSERT_EQ(::waitpid(watch, &status, 0), watch);
  ASSERT_TRUE(logged);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  for (const std::string& line : Lines(ReadText(Path("spawn.out")))) {
    const nlohmann::json json = Parsed(line);
    EXPECT_TRUE(json.contains("time") && json.contains("status")) << line;
  }
}

}  // namespace
