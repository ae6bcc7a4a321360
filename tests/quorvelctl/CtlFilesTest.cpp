// SPDX-License-Identifier: GPL-3.0-or-later
// The dictation-file commands over dictations the recorder tool records, checked against FFmpeg.
#include <poll.h>
#include <pty.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "tests/component/files/FfmpegProbe.h"
#include "tests/quorvelctl/CtlFixture.h"

namespace {

namespace fs = std::filesystem;

// A Standard Play frame: 264 samples at 11025 Hz.
constexpr double kFrameMs = 264.0 * 1000 / 11025;

class CtlFilesTest : public CtlTest {
 protected:
  void SetUp() override {
    CtlTest::SetUp();
    ASSERT_EQ(Tool("add DPM4_8200 desk"), 0) << m_toolOutput;
  }

  // Records on the desk recorder's card; the dictation's path.
  std::string Record(const std::string& arguments) {
    EXPECT_EQ(Tool("record desk " + arguments), 0) << m_toolOutput;
    return Card() + "/" + Lines(m_toolOutput).at(0);
  }
  std::string Card() const { return Recorders() + "/desk/card"; }

  static std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(CtlFilesTest, FilesListsTheDictationsWithTheirLengths) {
  const CtlRun empty = Ctl("files");
  EXPECT_EQ(empty.exit, 0) << empty.err;
  EXPECT_EQ(empty.out, "");
  Record("12.5");
  Record("3 1-2");
  const CtlRun text = Ctl("files");
  ASSERT_EQ(text.exit, 0) << text.err;
  const std::vector<std::string> lines = Lines(text.out);
  ASSERT_EQ(lines.size(), 2u) << text.out;
  EXPECT_EQ(lines[0].rfind("DICT0001.DSS\tDICT\t0:00:12.", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("DICT0002.DSS\tDICT\t0:00:0", 0), 0u) << lines[1];

  const nlohmann::json json = Parsed(Ctl("files --json").out);
  ASSERT_EQ(json["dictations"].size(), 2u) << json;
  EXPECT_EQ(json["folder"], Card());
  EXPECT_NEAR(json["dictations"][0]["lengthMs"].get<double>(), 12500, kFrameMs);
  EXPECT_NEAR(json["dictations"][1]["lengthMs"].get<double>(), 3000, kFrameMs);
  EXPECT_FALSE(json["dictations"][1]["recordingEnd"].get<std::string>().empty());
}

// The card's folder comes from the component as a text and goes back to it as the list's folder.
TEST_F(CtlTest, FilesOfACardUnderAFolderWithANonAsciiName) {
  const std::string root = Path("J\xC3\xBCrgen/recorders");
  ::setenv("QUORVEL_RECORDERS", root.c_str(), 1);
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0) << m_toolOutput;
  ASSERT_EQ(Tool("record desk 2"), 0) << m_toolOutput;
  const CtlRun run = Ctl("files --json");
  ASSERT_EQ(run.exit, 0) << run.err;
  const nlohmann::json json = Parsed(run.out);
  EXPECT_EQ(json["folder"], root + "/desk/card");
  EXPECT_EQ(json["dictations"].size(), 1u) << json;
}

TEST_F(CtlFilesTest, FilesNamesADamagedDictationAndListsTheOthers) {
  Record("2");
  const std::string damaged = Record("2");
  { std::ofstream(damaged + ".json") << "{ not json"; }
  const CtlRun run = Ctl("files");
  EXPECT_EQ(run.exit, 1);
  EXPECT_EQ(Lines(run.out).size(), 1u) << run.out;
  EXPECT_EQ(run.err, "quorvelctl: " + damaged + ": dpmCtrlInvalidFile\n");
}

TEST_F(CtlFilesTest, InfoGivesEveryProperty) {
  const std::string dictation = Record("3 1-2");
  const CtlRun run = Ctl("info --json " + dictation);
  ASSERT_EQ(run.exit, 0) << run.err;
  const nlohmann::json json = Parsed(run.out);
  EXPECT_EQ(json["FileName"], "DICT0001.DSS");
  EXPECT_EQ(json["FileType"], 2);
  EXPECT_EQ(json["JobNumber"], 1);
  EXPECT_EQ(json["Author"], "DICT");
  EXPECT_EQ(json["SpokenInstructionList"], nlohmann::json::parse("[[1000,2000]]"));
  EXPECT_EQ(json["KeywordUsageString"][0], "Author");
  EXPECT_EQ(json["IsEncrypted"], false);
  EXPECT_FALSE(json.contains("unreadable"));
  EXPECT_EQ(json.size(), 28u) << "one key per property of the file information";
  const CtlRun text = Ctl("info " + dictation);
  EXPECT_EQ(Lines(text.out).size(), 28u);
  EXPECT_NE(text.out.find("\nFileType: 2 (dictation)\n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("\nCompressionMode: 0 (dpmStandardPlay)\n"), std::string::npos) << text.out;
}

TEST_F(CtlFilesTest, InfoOfAFileWithoutDictationFieldsShowsTheirCodes) {
  const std::string ds2 = Path("NOTE.DS2");
  { std::ofstream(ds2) << "\x03" "ds2 not a public format"; }
  const CtlRun run = Ctl("info --json " + ds2);
  ASSERT_EQ(run.exit, 0) << run.err;
  const nlohmann::json json = Parsed(run.out);
  EXPECT_EQ(json["FileType"], 1);
  EXPECT_EQ(json["unreadable"]["Author"], "dpmCtrlNotSupported") << json;
  EXPECT_NE(Ctl("info " + ds2).out.find("\nAuthor: (dpmCtrlNotSupported)\n"), std::string::npos);
}

struct ConvertRow {
  const char* format;
  int sampleRate;
};

class CtlConvertTest : public CtlFilesTest, public ::testing::WithParamInterface<ConvertRow> {};

TEST_P(CtlConvertTest, GivesAWaveFfmpegReadsAtTheDictationsLength) {
  const std::string dictation = Record("7.25");
  const double lengthMs = Parsed(Ctl("info --json " + dictation).out)["DictationLength"].get<double>();
  const std::string wave = Path("out.wav");
  const CtlRun run = Ctl("convert " + dictation + " " + wave + GetParam().format);
  ASSERT_EQ(run.exit, 0) << run.err;
  EXPECT_EQ(run.err, "") << "no progress bar without a terminal";
  const DecodedAudio audio = Decode(wave);
  ASSERT_TRUE(audio.opened);
  EXPECT_EQ(audio.container, "wav");
  EXPECT_EQ(audio.sampleRate, GetParam().sampleRate);
  EXPECT_EQ(audio.channels, 1);
  EXPECT_NEAR(audio.samples * 1000.0 / audio.sampleRate, lengthMs, kFrameMs);

  const CtlRun again = Ctl("convert --json " + dictation + " " + wave);
  EXPECT_EQ(again.exit, 1);
  EXPECT_EQ(again.err, "quorvelctl: convert " + dictation + ": dpmCtrlFileExists\n");
}

INSTANTIATE_TEST_SUITE_P(Formats, CtlConvertTest,
                         ::testing::Values(ConvertRow{"", 16000}, ConvertRow{" --format 0", 16000},
                                           ConvertRow{" --format 1", 8000}));

// quorvelctl on a terminal of its own, so that it draws its progress bar.
class TerminalRun {
 public:
  explicit TerminalRun(const std::vector<std::string>& arguments) {
    winsize size{};
    size.ws_row = 24;
    size.ws_col = 200;  // wide enough for the bar's whole text
    m_pid = ::forkpty(&m_terminal, nullptr, nullptr, &size);
    if (m_pid == 0) {
      std::vector<char*> argv{const_cast<char*>(QUORVELCTL_PROGRAM)};
      for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      ::execv(QUORVELCTL_PROGRAM, argv.data());
      ::_exit(127);
    }
  }
  ~TerminalRun() {
    if (m_terminal >= 0) ::close(m_terminal);
  }
  pid_t Pid() const { return m_pid; }

  // Reads the terminal until `text` shows (generously; no timing is asserted).
  bool WaitFor(const std::string& text) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (m_output.find(text) == std::string::npos && std::chrono::steady_clock::now() < giveUp) {
      if (!ReadSome(100)) return false;
    }
    return m_output.find(text) != std::string::npos;
  }
  // The exit code, with the rest of the output read.
  int Wait() {
    while (ReadSome(100)) {
    }
    int status = 0;
    ::waitpid(m_pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  const std::string& Output() const { return m_output; }

 private:
  // False at the terminal's end (the program has gone).
  bool ReadSome(int ms) {
    pollfd ready{m_terminal, POLLIN, 0};
    if (::poll(&ready, 1, ms) <= 0) return true;
    char buffer[4096];
    const ssize_t got = ::read(m_terminal, buffer, sizeof buffer);
    if (got <= 0) return false;
    m_output.append(buffer, static_cast<size_t>(got));
    return true;
  }

  int m_terminal = -1;
  pid_t m_pid = -1;
  std::string m_output;
};

class CtlCancelTest : public CtlFilesTest, public ::testing::WithParamInterface<int> {};

TEST_P(CtlCancelTest, AStopSignalCancelsTheConversionAndLeavesNoTarget) {
  // An hour of audio: the conversion is still running when the first progress shows.
  const std::string dictation = Record("3600");
  fs::create_directory(Path("out"));
  const std::string wave = Path("out/long.wav");
  TerminalRun run({"convert", dictation, wave, "--format", "1"});
  ASSERT_GT(run.Pid(), 0);
  ASSERT_TRUE(run.WaitFor("% Convert ")) << run.Output();
  ::kill(run.Pid(), GetParam());
  EXPECT_EQ(run.Wait(), 1) << run.Output();
  EXPECT_NE(run.Output().find("quorvelctl: convert " + dictation + ": dpmCtrlOperationCancelled"), std::string::npos)
      << run.Output();
  EXPECT_EQ(run.Output().find("100%"), std::string::npos) << "a cancelled task is not drawn as done";
  EXPECT_TRUE(Names(Path("out")).empty()) << "no target, whole or partial, is left";
}

// SIGHUP too: a terminal closed (an ssh session dropped) in the middle of a conversion.
INSTANTIATE_TEST_SUITE_P(Signals, CtlCancelTest, ::testing::Values(SIGINT, SIGTERM, SIGHUP));

TEST_F(CtlFilesTest, TheBarOnATerminalEndsFullAndOnItsOwnLine) {
  const std::string dictation = Record("2");
  TerminalRun run({"copy", dictation, Folder()});
  EXPECT_EQ(run.Wait(), 0) << run.Output();
  EXPECT_NE(run.Output().find("[####################] 100% Copy "), std::string::npos) << run.Output();
  EXPECT_NE(run.Output().find("\r\ncopied " + dictation), std::string::npos) << run.Output();
}

TEST_F(CtlFilesTest, CopyAndMovePutTheDictationAndItsCompanionInTheFolder) {
  const std::string first = Record("2");
  const std::string second = Record("2");
  fs::create_directory(Path("copies"));
  fs::create_directory(Path("moved"));
  const CtlRun copy = Ctl("copy --json " + first + " " + Path("copies"));
  ASSERT_EQ(copy.exit, 0) << copy.err;
  EXPECT_EQ(Parsed(copy.out)["done"], "copied");
  EXPECT_EQ(Names(Path("copies")), (std::vector<std::string>{"DICT0001.DSS", "DICT0001.DSS.json"}));
  EXPECT_TRUE(fs::exists(first) && fs::exists(first + ".json"));

  const CtlRun move = Ctl("move " + second + " " + Path("moved"));
  ASSERT_EQ(move.exit, 0) << move.err;
  EXPECT_EQ(move.out, "moved " + second + " to " + Path("moved") + "\n");
  EXPECT_EQ(Names(Path("moved")), (std::vector<std::string>{"DICT0002.DSS", "DICT0002.DSS.json"}));
  EXPECT_FALSE(fs::exists(second) || fs::exists(second + ".json"));
  EXPECT_EQ(Lines(Ctl("files").out).size(), 1u);
}

struct FailureRow {
  const char* command;  // %C the card, %T the test's folder
  int exit;
  const char* error;  // what stderr's one line ends with
};

class CtlFileFailureTest : public CtlFilesTest, public ::testing::WithParamInterface<FailureRow> {};

std::string Expand(std::string text, const std::string& card, const std::string& folder) {
  for (size_t at; (at = text.find("%C")) != std::string::npos;) text.replace(at, 2, card);
  for (size_t at; (at = text.find("%T")) != std::string::npos;) text.replace(at, 2, folder);
  return text;
}

TEST_P(CtlFileFailureTest, ExitsWithOneLineNamingTheCode) {
  Record("1");
  const CtlRun run = Ctl(Expand(GetParam().command, Card(), Folder()));
  EXPECT_EQ(run.exit, GetParam().exit) << run.err;
  EXPECT_EQ(run.out, "");
  ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
  const std::string error = Expand(GetParam().error, Card(), Folder());
  EXPECT_TRUE(run.err.ends_with(error + "\n")) << run.err;
  EXPECT_EQ(Names(Card()), (std::vector<std::string>{"DICT0001.DSS", "DICT0001.DSS.json"})) << "nothing lost";
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CtlFileFailureTest,
    ::testing::Values(FailureRow{"info %T/absent.DSS", 1, ": dpmCtrlFileNotFound"},
                      FailureRow{"convert %T/absent.DSS %T/out.wav", 1, ": dpmCtrlFileNotFound"},
                      FailureRow{"copy %T/absent.DSS %T", 1, ": dpmCtrlFileNotFound"},
                      FailureRow{"move %C/DICT0001.DSS %T/nowhere", 1,
                                 ": %T/nowhere is not a folder: dpmCtrlPathNotFound"},
                      FailureRow{"copy %C/DICT0001.DSS %C/DICT0001.DSS", 1,
                                 ": %C/DICT0001.DSS is not a folder: dpmCtrlPathNotFound"},
                      FailureRow{"copy %C/DICT0001.DSS %C", 1, ": dpmCtrlFileExists"},
                      FailureRow{"convert %C/DICT0001.DSS %T/nowhere/", 1,
                                 ": %T/nowhere/ is not a folder: dpmCtrlPathNotFound"},
                      FailureRow{"info \"%T/$(printf 'bad\\377.DSS')\"", 1, ": a name that is not UTF-8: invalid argument (E_INVALIDARG)"},
                      FailureRow{"files -d 1", 3, "recorder 1: NoDeviceConnected"}));

// FFmpeg's complaints about damaged audio are not the command's errors: stderr keeps to its own lines.
TEST_F(CtlFilesTest, ConvertOfDamagedAudioLeavesStderrEmpty) {
  const std::string dictation = Record("60");
  std::string bytes = ReadText(dictation);
  std::mt19937 noise(7);
  for (size_t i = 1024; i < bytes.size(); ++i) bytes[i] = static_cast<char>(noise());
  { std::ofstream(dictation, std::ios::binary | std::ios::trunc) << bytes; }
  const CtlRun run = Ctl("convert " + dictation + " " + Path("out.wav"));
  EXPECT_EQ(run.exit, 0) << run.err;
  EXPECT_EQ(run.err, "");
}

// Output that cannot be written (stdout on a full disk) is a failure, not a silent success.
class CtlFullOutputTest : public CtlFilesTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CtlFullOutputTest, ExitsNonZeroSayingSo) {
  Record("1");
  const std::string command = std::string(QUORVELCTL_PROGRAM) + " " + Expand(GetParam(), Card(), Folder());
  const int status = std::system((command + " >/dev/full 2>" + Path("ctl.err")).c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(ReadText(Path("ctl.err")), "quorvelctl: the output could not be written\n");
}

INSTANTIATE_TEST_SUITE_P(Commands, CtlFullOutputTest,
                         ::testing::Values("info --json %C/DICT0001.DSS", "files", "list --json",
                                           "copy %C/DICT0001.DSS %T"));

// A file-size limit stands in for a full disk: the write fails, and the command says so in one line
// and leaves neither target nor temporary file behind.
class CtlFullDiskTest : public CtlFilesTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CtlFullDiskTest, FailsWithTheCodeAndLeavesNothingBehind) {
  Record("30");
  fs::create_directory(Path("out"));
  const CtlRun run = Ctl(Expand(GetParam(), Card(), Folder()), "ulimit -f 8; ");
  EXPECT_EQ(run.exit, 1) << "killed by the limit's signal?";
  EXPECT_TRUE(run.err.ends_with(": dpmCtrlOutOfDiskSpace\n")) << run.err;
  EXPECT_TRUE(Names(Path("out")).empty());
  EXPECT_EQ(Names(Card()), (std::vector<std::string>{"DICT0001.DSS", "DICT0001.DSS.json"})) << "nothing lost";
}

// The recorder tool under the same limit: the card is full, and nothing half-written stays on it.
TEST_F(CtlFilesTest, TheToolRecordingOnAFullCardLeavesNothingOnIt) {
  const std::string record = "ulimit -f 8; " + ToolPath() + " record desk 30 >" + Path("tool.out") + " 2>&1";
  const int status = std::system(record.c_str());
  const std::string said = ReadText(Path("tool.out"));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << said;
  EXPECT_NE(said.find("the card of desk is full"), std::string::npos) << said;
  EXPECT_TRUE(Names(Card()).empty());
}

INSTANTIATE_TEST_SUITE_P(Tasks, CtlFullDiskTest,
                         ::testing::Values("convert %C/DICT0001.DSS %T/out/o.wav", "copy %C/DICT0001.DSS %T/out"));

// A batch: every dictation of a folder, one of them a DS2 file that is named and skipped; run again,
// only what is missing or damaged is converted.
TEST_F(CtlFilesTest, ABatchNamesWhatFailsAndRunAgainDoesOnlyWhatIsMissing) {
  for (const char* seconds : {"2", "3", "2"}) Record(seconds);
  { std::ofstream(Card() + "/NOTE.DS2") << "\x03" "ds2 not a public format"; }
  fs::create_directory(Path("out"));
  const CtlRun first = Ctl("convert -r -j 2 --format flac --json " + Card() + " " + Path("out"));
  EXPECT_EQ(first.exit, 1);
  const std::string ds2 = "/NOTE.DS2: a DS2 dictation, whose format is not public: dpmCtrlAudioFormatNotSupported\n";
  EXPECT_NE(first.err.find("convert " + Card() + ds2), std::string::npos) << first.err;
  EXPECT_NE(first.err.find("convert: 1 of 4 dictations not converted\n"), std::string::npos) << first.err;
  ASSERT_EQ(Lines(first.out).size(), 4u) << first.out;
  for (const std::string& line : Lines(first.out)) EXPECT_TRUE(Parsed(line).contains("source")) << line;
  EXPECT_EQ(Names(Path("out")), (std::vector<std::string>{"DICT0001.flac", "DICT0002.flac", "DICT0003.flac"}));

  fs::resize_file(Path("out/DICT0002.flac"), fs::file_size(Path("out/DICT0002.flac")) / 2);
  const CtlRun again = Ctl("convert -r -j 1 --format flac " + Card() + " " + Path("out"));
  EXPECT_EQ(again.exit, 1);
  EXPECT_EQ(again.out, "already converted " + Card() + "/DICT0001.DSS to " + Path("out/DICT0001.flac") + "\n" +
                           "converted " + Card() + "/DICT0002.DSS to " + Path("out/DICT0002.flac") + "\n" +
                           "already converted " + Card() + "/DICT0003.DSS to " + Path("out/DICT0003.flac") + "\n");
  EXPECT_NEAR(Decode(Path("out/DICT0002.flac")).samples / 16.0, 3000, kFrameMs);
  EXPECT_EQ(Names(Path("out")).size(), 3u) << "no temporary or lock file is left";
}

// Two batches into one folder at once: each target is written once, and both end well.
TEST_F(CtlFilesTest, TwoBatchesIntoOneFolderAtOnceBothSucceed) {
  for (int i = 0; i < 4; ++i) Record("20");
  fs::create_directory(Path("out"));
  int status[2] = {-1, -1};
  std::vector<std::thread> batches;
  for (int i = 0; i < 2; ++i) {
    batches.emplace_back([&, i] {
      const std::string log = Path("batch" + std::to_string(i) + ".log");
      status[i] = std::system((std::string(QUORVELCTL_PROGRAM) + " convert -r -j 2 " + Card() + " " + Path("out") +
                               " >" + log + " 2>&1").c_str());
    });
  }
  for (std::thread& batch : batches) batch.join();
  for (int i = 0; i < 2; ++i) EXPECT_EQ(status[i], 0) << ReadText(Path("batch" + std::to_string(i) + ".log"));
  EXPECT_EQ(Names(Path("out")),
            (std::vector<std::string>{"DICT0001.wav", "DICT0002.wav", "DICT0003.wav", "DICT0004.wav"}));
  EXPECT_NEAR(Decode(Path("out/DICT0004.wav")).samples / 16.0, 20000, kFrameMs);
}

}  // namespace
