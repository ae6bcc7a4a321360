// SPDX-License-Identifier: GPL-3.0-or-later
// Exit codes, help, and the JSON of every command that prints.
#include "tests/quorvelctl/CtlFixture.h"

namespace {

class UsageTest : public CtlTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UsageTest, ExitsTwoWithOneLineOnStderr) {
  const CtlRun run = Ctl(GetParam());
  EXPECT_EQ(run.exit, 2) << run.out << run.err;
  EXPECT_EQ(run.out, "");
  if (GetParam()[0] == '\0') {
    EXPECT_EQ(run.err.rfind("usage: quorvelctl COMMAND", 0), 0u) << run.err;
  } else {
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

INSTANTIATE_TEST_SUITE_P(Errors, UsageTest,
                         ::testing::Values("", "frobnicate", "list --verbose", "list extra", "list --all",
                                           "show a b", "show -d", "show -d x", "export", "import", "diff one",
                                           "diff a b c", "diff @x @0", "set", "set RecordingMode",
                                           "set Nonsense=1", "set RecordingMode=sideways", "set MACAddress=1",
                                           "apply f", "apply f -d 0 --all", "apply --all", "watch",
                                           "watch --apply", "watch extra --apply f", "time --yes", "format",
                                           "format --dry-run --yes", "help nonsense", "files extra", "files --all",
                                           "info", "info a b", "info a -d 0", "convert a", "convert a b -j 0",
                                           "convert a b --format 2", "convert a b --format ogg", "convert a b -d 0",
                                           "copy a", "copy a b --format 1", "move a b c", "move --dry-run a b"));

TEST_F(CtlTest, HelpForTheProgramAndEachCommand) {
  const CtlRun help = Ctl("--help");
  EXPECT_EQ(help.exit, 0);
  for (const char* command : {"list", "show", "export", "import", "diff", "set", "apply", "watch", "time", "format",
                              "files", "info", "convert", "copy", "move"}) {
    EXPECT_NE(help.out.find(std::string("  ") + command), std::string::npos) << command;
    const CtlRun own = Ctl(std::string(command) + " --help");
    EXPECT_EQ(own.exit, 0) << command;
    EXPECT_EQ(own.out.rfind(std::string("usage: quorvelctl ") + command, 0), 0u) << own.out;
    EXPECT_EQ(Ctl(std::string("help ") + command).out, own.out);
  }
  EXPECT_NE(Ctl("set --help").out.find("KeywordUsageString[2]=Client"), std::string::npos);
}

TEST_F(CtlTest, NoComponentOrNoRecorderExitsThree) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
  EXPECT_EQ(Ctl("show -d 1").exit, 3);
  EXPECT_EQ(Ctl("time -d 5").exit, 3);
  const std::string registry = std::getenv("QUORVEL_REGISTRY");
  const CtlRun none = Ctl("list --json");
  ASSERT_EQ(none.exit, 0);
  // An entry others could have changed is refused by its reason.
  const std::string entry = registry + "/classes/{6563FB62-676E-4057-87A1-F008E86F01B1}";
  std::filesystem::permissions(entry, std::filesystem::perms::others_write, std::filesystem::perm_options::add);
  const CtlRun unsafe = Ctl("list");
  EXPECT_EQ(unsafe.exit, 3);
  EXPECT_EQ(unsafe.err, "quorvelctl: creating the device-control component: registry entry refused: others could "
                        "change it (REGDB_E_UNSAFEENTRY)\n");
  std::filesystem::remove_all(registry);
  const CtlRun missing = Ctl("list");
  EXPECT_EQ(missing.exit, 3);
  EXPECT_EQ(missing.err, "quorvelctl: creating the device-control component: class not registered (REGDB_E_CLASSNOTREG)\n");
}

TEST_F(CtlTest, ListNamesEachRecorder) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
  ASSERT_EQ(Tool("add DPM_9450_52 ward"), 0);
  const CtlRun list = Ctl("list");
  EXPECT_EQ(list.exit, 0) << list.err;
  EXPECT_NE(list.out.find("\tdesk\tDPM4_8200\t"), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("\tward\tDPM_9450_52\t"), std::string::npos) << list.out;
}

// An administrator's look at an office PC without recorders finds none and makes none.
class ReadOnlyTest : public CtlTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ReadOnlyTest, OnNoRecorderExitsThreeAndMakesNone) {
  std::filesystem::create_directories(Recorders());
  const CtlRun run = Ctl(GetParam());
  EXPECT_EQ(run.exit, 3) << run.out << run.err;
  EXPECT_TRUE(std::filesystem::is_empty(Recorders()));
}

INSTANTIATE_TEST_SUITE_P(Commands, ReadOnlyTest,
                         ::testing::Values("list", "show", "diff @0 @0", "files", "export never.json"));

TEST_F(CtlTest, MissingSettingsFileNamesTheCode) {
  const CtlRun run = Ctl("show " + Path("absent.json"));
  EXPECT_EQ(run.exit, 1);
  EXPECT_EQ(run.err, "quorvelctl: reading settings file " + Path("absent.json") + ": dpmCtrlFileNotFound\n");
}

TEST_F(CtlTest, EveryCommandThatPrintsGivesOneJsonDocument) {
  ASSERT_EQ(Tool("add DPM4_8200 one"), 0);
  ASSERT_EQ(Tool("add DPM4_8200 two"), 0);
  ASSERT_EQ(Tool("record one 2"), 0);
  const std::string dictation = Recorders() + "/one/card/" + Lines(m_toolOutput).at(0);
  const std::string file = Path("one.json");
  std::filesystem::create_directory(Path("moved"));
  const std::vector<std::pair<std::string, const char*>> commands{
      {"list --json", "recorders"},
      {"show --json", "settings"},
      {"export --json " + file, "exported"},
      {"show --json " + file, "settings"},
      {"import --json -d 1 " + file, "status"},
      {"diff --json @0 " + file, "equal"},
      {"set --json 'KeywordUsageString[0]=\xC3\x84rztin'", "set"},
      {"apply --json --all --dry-run " + file, "recorders"},
      {"apply --json -d 1 " + file, "recorders"},
      {"time --json", "done"},
      {"files --json", "dictations"},
      {"info --json " + dictation, "DictationLength"},
      {"convert --json " + dictation + " " + Path("one.wav"), "done"},
      {"copy --json " + dictation + " " + Folder(), "done"},
      {"move --json " + Path(Lines(m_toolOutput).at(0)) + " " + Path("moved"), "done"},
      {"format --json --yes", "done"},
  };
  for (const auto& [command, key] : commands) {
    const CtlRun run = Ctl(command);
    EXPECT_EQ(run.exit, 0) << command << ": " << run.err;
    EXPECT_EQ(Lines(run.out).size(), 1u) << command;
    EXPECT_TRUE(Parsed(run.out).contains(key)) << command << ": " << run.out;
  }
  EXPECT_EQ(Parsed(Ctl("show --json").out)["settings"]["KeywordUsageString[0]"], "\xC3\x84rztin");
}

}  // namespace
