// SPDX-License-Identifier: GPL-3.0-or-later
// Convert on its own: every format the custom format allows, the tags, the large-file form, a cancel
// half way, and an existing target: kept when whole, redone when damaged, left alone when foreign.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "component/files/ConvertTask.h"
#include "component/files/DictationMaker.h"
#include "component/files/DssAudio.h"
#include "component/files/DssHeader.h"
#include "device/DpmResults.h"
#include "tests/component/TempFolder.h"
#include "tests/component/files/FfmpegProbe.h"

namespace {

constexpr LONG kDictationMs = 1500;

// Goes on until `stopAt` percent, then asks the task to stop.
class StopAt final : public TaskProgress {
 public:
  explicit StopAt(LONG stopAt) : m_stopAt(stopAt) {}
  bool Report(LONG percent) override {
    if (percent >= m_stopAt) m_reason = dpmCtrlOperationCancelled;
    return SUCCEEDED(m_reason);
  }
  HRESULT Cancelled() const override { return m_reason; }

 private:
  LONG m_stopAt;
  HRESULT m_reason = S_OK;
};

double DictationMs() { return DssMilliseconds(kDssCodecStandardPlay, SpFramesFor(kDictationMs)); }

class ConvertFixture {
 protected:
  FileTask Task(const AudioFormat& format, LONG milliseconds = kDictationMs) {
    std::string dss;
    EXPECT_EQ(MakeSpDictation(SpFramesFor(milliseconds), 1700000000, "Dr. A", &dss), S_OK);
    WriteText(folder / "a.dss", dss);
    FileTask task;
    task.kind = FileTask::Kind::Convert;
    task.source = folder / "a.dss";
    task.destination = folder.Path();
    task.format = format;
    return task;
  }
  TempFolder folder;
};

struct FormatRow {
  AudioFormat format;
  const char* codec;
  int readRate;  // as FFmpeg reads it back (Ogg Opus always reads as 48 kHz)
  double slackMs;  // encoder delay and padding of the lossy formats
};

class ConvertTo : public ConvertFixture, public ::testing::TestWithParam<FormatRow> {};

TEST_P(ConvertTo, WritesTheFormatAtTheDictationsLengthWithItsTags) {
  StopAt never(101);
  const FileTask task = Task(GetParam().format);
  ASSERT_EQ(RunConvert(task, never), S_OK);
  const DecodedAudio audio = Decode(ConvertTarget(task));
  ASSERT_TRUE(audio.opened);
  EXPECT_EQ(audio.codec, GetParam().codec);
  EXPECT_EQ(audio.sampleRate, GetParam().readRate);
  EXPECT_EQ(audio.channels, GetParam().format.channels);
  EXPECT_NEAR(audio.samples * 1000.0 / audio.sampleRate, DictationMs(),
              DssFrameMilliseconds(kDssCodecStandardPlay) + GetParam().slackMs);
  EXPECT_GT(audio.rms, 0.0);
  EXPECT_EQ(audio.tags.at("artist"), "Dr. A");
  EXPECT_EQ(audio.tags.at("title"), "a.dss");
  EXPECT_EQ(audio.tags.at("date").size(), 19u) << audio.tags.at("date");
}

TEST_P(ConvertTo, StoppedHalfWayLeavesNothing) {
  StopAt half(50);
  EXPECT_EQ(RunConvert(Task(GetParam().format), half), dpmCtrlOperationCancelled);
  EXPECT_EQ(EntryCount(folder.Path()), 1u) << "only the source";
}

AudioFormat Encoded(AudioEncoding encoding, int rate, int bits = 0) {
  AudioFormat format{rate, 1, bits, false};
  format.encoding = encoding;
  return format;
}

INSTANTIATE_TEST_SUITE_P(Rows, ConvertTo,
                         ::testing::Values(FormatRow{{8000, 1, 8, false}, "pcm_u8", 8000, 0},
                                           FormatRow{{16000, 1, 16, false}, "pcm_s16le", 16000, 0},
                                           FormatRow{{48000, 2, 24, false}, "pcm_s24le", 48000, 0},
                                           FormatRow{{11025, 1, 32, false}, "pcm_s32le", 11025, 0},
                                           FormatRow{{44100, 2, 32, true}, "pcm_f32le", 44100, 0},
                                           FormatRow{Encoded(AudioEncoding::Flac, 16000, 16), "flac", 16000, 0},
                                           FormatRow{Encoded(AudioEncoding::Flac, 48000, 24), "flac", 48000, 0},
                                           FormatRow{Encoded(AudioEncoding::Opus, 16000), "opus", 48000, 30},
                                           FormatRow{Encoded(AudioEncoding::Mp3, 16000), "mp3", 16000, 80}));

class ConvertTest : public ConvertFixture, public ::testing::Test {};

// A WAV past what the RIFF form's sizes can say takes the RF64 form (a small limit stands in for 4 GiB).
TEST_F(ConvertTest, ALargeWaveTakesTheRf64FormThatFfmpegReadsWhole) {
  const FileTask task = Task(AudioFormat{});
  SetLargeWaveBytesForTests(1000);
  StopAt never(101);
  const HRESULT converted = RunConvert(task, never);
  SetLargeWaveBytesForTests(0);
  ASSERT_EQ(converted, S_OK);
  EXPECT_EQ(ReadText(folder / "a.wav").substr(0, 4), "RF64");
  const DecodedAudio audio = Decode(folder / "a.wav");
  ASSERT_TRUE(audio.opened);
  EXPECT_NEAR(audio.samples * 1000.0 / 16000, DictationMs(), DssFrameMilliseconds(kDssCodecStandardPlay));
}

// What an existing target becomes when complete conversions are kept.
struct ExistingRow {
  const char* name;
  AudioEncoding encoding;
  void (*change)(const std::string& target);  // what happened to it since
  HRESULT result;
  bool rewritten;
};

void Untouched(const std::string&) {}
void CutShort(const std::string& target) { std::filesystem::resize_file(target, std::filesystem::file_size(target) / 2); }
void OtherFile(const std::string& target) {
  std::filesystem::remove(target);
  std::ofstream(target) << "the user's own notes";
}

class ExistingTarget : public ConvertFixture, public ::testing::TestWithParam<ExistingRow> {};

TEST_P(ExistingTarget, IsKeptWhenWholeRedoneWhenDamagedAndLeftWhenForeign) {
  AudioFormat format = Encoded(GetParam().encoding, 16000, GetParam().encoding == AudioEncoding::Pcm ? 16 : 0);
  if (GetParam().encoding == AudioEncoding::Flac) format.bits = 16;
  format.keepComplete = true;
  const FileTask task = Task(format);
  StopAt never(101);
  ASSERT_EQ(RunConvert(task, never), S_OK);
  const std::string target = ConvertTarget(task);
  GetParam().change(target);
  const std::string before = ReadText(target);
  EXPECT_EQ(RunConvert(task, never), GetParam().result);
  const std::string after = ReadText(target);
  EXPECT_EQ(after != before, GetParam().rewritten);
  if (GetParam().rewritten) {
    EXPECT_NEAR(Decode(target).samples * 1000.0 / 16000, DictationMs(), DssFrameMilliseconds(kDssCodecStandardPlay) + 80);
  }
  EXPECT_EQ(EntryCount(folder.Path()), 2u) << "the source and the target, no temporary or lock file";
}

INSTANTIATE_TEST_SUITE_P(Rows, ExistingTarget,
                         ::testing::Values(ExistingRow{"Whole", AudioEncoding::Pcm, &Untouched, S_OK, false},
                                           ExistingRow{"CutShort", AudioEncoding::Pcm, &CutShort, S_OK, true},
                                           ExistingRow{"Foreign", AudioEncoding::Pcm, &OtherFile, dpmCtrlFileExists, false},
                                           ExistingRow{"WholeFlac", AudioEncoding::Flac, &Untouched, S_OK, false},
                                           ExistingRow{"CutShortFlac", AudioEncoding::Flac, &CutShort, S_OK, true},
                                           ExistingRow{"WholeOpus", AudioEncoding::Opus, &Untouched, S_OK, false},
                                           ExistingRow{"CutShortMp3", AudioEncoding::Mp3, &CutShort, S_OK, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Two conversions of one target at once: one writes it, the other finds it whole; nothing is left over.
TEST_F(ConvertTest, TwoConversionsOfOneTargetAtOnceBothSucceed) {
  AudioFormat keep;
  keep.keepComplete = true;
  const FileTask task = Task(keep, 60000);
  HRESULT results[2] = {E_FAIL, E_FAIL};
  std::thread other([&] {
    StopAt never(101);
    results[1] = RunConvert(task, never);
  });
  StopAt never(101);
  results[0] = RunConvert(task, never);
  other.join();
  EXPECT_EQ(results[0], S_OK);
  EXPECT_EQ(results[1], S_OK);
  EXPECT_EQ(EntryCount(folder.Path()), 2u);
}

}  // namespace
