// SPDX-License-Identifier: GPL-3.0-or-later
// The DSS header and audio blocks, written by the component and read back by it and by FFmpeg.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>

#include "component/files/DictationFile.h"
#include "component/files/DictationMaker.h"
#include "component/files/DssAudio.h"
#include "component/files/DssHeader.h"
#include "device/DpmResults.h"
#include "tests/component/TempFolder.h"
#include "tests/component/files/FfmpegProbe.h"

namespace {

DssHeader SampleHeader(int version) {
  DssHeader header;
  header.version = version;
  header.author = "J. Smith";
  header.recordingStart = "240229235930";
  header.recordingEnd = "240301000102";
  header.codec = kDssCodecStandardPlay;
  header.comment = "ward round";
  return header;
}

std::string SpFile(size_t frames) {
  std::string file;
  EXPECT_EQ(MakeSpDictation(frames, 1700000000, "DICT", &file), S_OK);
  return file;
}

class DssHeaderVersion : public ::testing::TestWithParam<int> {};

TEST_P(DssHeaderVersion, RoundTripsAndFfmpegReadsTheSameFields) {
  std::string file;
  ASSERT_EQ(NewDssFile(SampleHeader(GetParam()), &file), S_OK);
  ASSERT_EQ(file.size(), static_cast<size_t>(GetParam()) * 512);
  DssHeader back;
  ASSERT_EQ(ReadDssHeader(file, &back), S_OK);
  EXPECT_EQ(back.author, "J. Smith");
  EXPECT_EQ(back.recordingStart, "240229235930");
  EXPECT_EQ(back.recordingEnd, "240301000102");
  EXPECT_EQ(back.comment, "ward round");

  TempFolder folder;
  WriteText(folder / "a.dss", file);
  const DemuxedFile demuxed = Demux(folder / "a.dss");
  ASSERT_TRUE(demuxed.opened);
  EXPECT_EQ(demuxed.metadata.at("author"), "J. Smith");
  EXPECT_EQ(demuxed.metadata.at("date"), "2024-03-01T00:01:02");  // FFmpeg reads the end time
  EXPECT_EQ(demuxed.metadata.at("comment"), "ward round");
  EXPECT_EQ(demuxed.codec, "dss_sp");
  EXPECT_TRUE(demuxed.packets.empty());
}

INSTANTIATE_TEST_SUITE_P(Versions, DssHeaderVersion, ::testing::Values(2, 3));

TEST(DssHeader, RewriteChangesOnlyItsFieldsAndNeverTheAudio) {
  std::string file = SpFile(40);
  file[0x100] = '\x5A';  // a byte of another tool's, outside our fields
  const std::string before = file;
  DssHeader header;
  ASSERT_EQ(ReadDssHeader(file, &header), S_OK);
  header.author = "0123456789ABCDEF";  // the whole field
  ASSERT_EQ(WriteDssHeader(header, &file), S_OK);
  EXPECT_EQ(file.size(), before.size());
  EXPECT_EQ(file.substr(1024), before.substr(1024));
  EXPECT_EQ(file[0x100], '\x5A');
  DssHeader back;
  ASSERT_EQ(ReadDssHeader(file, &back), S_OK);
  EXPECT_EQ(back.author, "0123456789ABCDEF");
  header.author = "Al";  // shorter again: no trace of the longer one
  ASSERT_EQ(WriteDssHeader(header, &file), S_OK);
  ASSERT_EQ(ReadDssHeader(file, &back), S_OK);
  EXPECT_EQ(back.author, "Al");
}

struct BadHeaderRow {
  const char* name;
  std::string (*make)();
};

std::string WithByte(size_t at, char value) {
  std::string file = SpFile(3);
  file[at] = value;
  return file;
}

const BadHeaderRow kBadHeaders[] = {
    {"empty", [] { return std::string(); }},
    {"signature only", [] { return std::string("\x02" "dss"); }},
    {"cut inside the header", [] { return SpFile(3).substr(0, 1000); }},
    {"version 3 but 1024 bytes", [] { return WithByte(0, 3).substr(0, 1024); }},
    {"version 1", [] { return WithByte(0, 1); }},
    {"version 4", [] { return WithByte(0, 4); }},
    {"not dss", [] { return WithByte(1, 'x'); }},
    {"unknown codec", [] { return WithByte(0x2A4, 1); }},
    {"codec 0xFF", [] { return WithByte(0x2A4, '\xFF'); }},
};

class DssHeaderRefused : public ::testing::TestWithParam<BadHeaderRow> {};

TEST_P(DssHeaderRefused, AsDamaged) {
  DssHeader header;
  header.author = "untouched";
  EXPECT_EQ(ReadDssHeader(GetParam().make(), &header), dpmCtrlInvalidFile);
  EXPECT_EQ(header.author, "untouched");
}

INSTANTIATE_TEST_SUITE_P(Rows, DssHeaderRefused, ::testing::ValuesIn(kBadHeaders));

TEST(DssHeader, WriteRefusesWhatDoesNotFit) {
  std::string file = SpFile(1);
  const std::string before = file;
  DssHeader header = SampleHeader(2);
  header.author = std::string(17, 'a');
  EXPECT_EQ(WriteDssHeader(header, &file), E_INVALIDARG);
  header = SampleHeader(2);
  header.comment = std::string(65, 'c');
  EXPECT_EQ(WriteDssHeader(header, &file), E_INVALIDARG);
  header = SampleHeader(2);
  header.author = std::string("a\0b", 3);
  EXPECT_EQ(WriteDssHeader(header, &file), E_INVALIDARG);
  header = SampleHeader(3);  // the header's size is the file's
  EXPECT_EQ(WriteDssHeader(header, &file), E_INVALIDARG);
  header = SampleHeader(2);
  header.recordingEnd = "2403";
  EXPECT_EQ(WriteDssHeader(header, &file), E_INVALIDARG);
  EXPECT_EQ(file, before);
}

TEST(DssHeader, BlankTimesAndPaddingReadAsNothing) {
  std::string file = SpFile(1);
  file.replace(0x0C, 16, "Ann             ");  // blank padded, as some tools write it
  file.replace(0x26, 12, std::string(12, ' '));
  file.replace(0x32, 12, std::string(12, '\0'));
  DssHeader header;
  ASSERT_EQ(ReadDssHeader(file, &header), S_OK);
  EXPECT_EQ(header.author, "Ann");
  EXPECT_TRUE(header.recordingStart.empty());
  EXPECT_TRUE(header.recordingEnd.empty());
}

// Frame counts around the block edges (12 SP frames fill 506 bytes with 14 to spare).
class SpFrameCount : public ::testing::TestWithParam<size_t> {};

TEST_P(SpFrameCount, FfmpegReadsTheFramesThatWereWritten) {
  const size_t count = GetParam();
  std::vector<std::string> frames;
  for (size_t i = 0; i < count; ++i) {
    std::string frame(kSpFrameBytes, '\0');
    for (size_t b = 0; b < kSpFrameBytes; ++b) frame[b] = static_cast<char>((i * 7 + b * 13) & 0xFF);
    frame[40] = '\0';
    frames.push_back(frame);
  }
  std::string file, audio;
  ASSERT_EQ(NewDssFile(SampleHeader(2), &file), S_OK);
  ASSERT_EQ(WriteDssFrames(frames, kDssCodecStandardPlay, &audio), S_OK);
  EXPECT_EQ(ReadDssFrames(audio, kDssCodecStandardPlay), frames);

  TempFolder folder;
  WriteText(folder / "a.dss", file + audio);
  EXPECT_EQ(Demux(folder / "a.dss").packets, frames);
}

INSTANTIATE_TEST_SUITE_P(Counts, SpFrameCount, ::testing::Values(0, 1, 2, 11, 12, 13, 24, 25, 99, 100));

TEST(DssAudio, BlockHeadersSayWhereFramesBegin) {
  std::string audio;
  ASSERT_EQ(WriteDssFrames(std::vector<std::string>(30, std::string(kSpFrameBytes, '\0')), kDssCodecStandardPlay, &audio), S_OK);
  // Block 0: frames 0 to 12 begin in it, the first right after the block header.
  EXPECT_EQ(audio.substr(0, 3), std::string("\x06\x00\x0D", 3));
  // Block 1: frame 12 ran on into it; frame 13 begins at 13*41+1-506 = 28 bytes into its frames.
  EXPECT_EQ(static_cast<unsigned char>(audio[512]), 6 + 28);
  EXPECT_EQ(audio[514], 12);
}

TEST(DssAudio, LongPlayFramesAsFfmpegEncodesAndReadsThem) {
  const std::vector<std::string> frames = LongPlayFrames(50);
  ASSERT_EQ(frames.size(), 50u);
  DssHeader header = SampleHeader(2);
  header.codec = kDssCodecLongPlay;
  std::string file, audio;
  ASSERT_EQ(NewDssFile(header, &file), S_OK);
  ASSERT_EQ(WriteDssFrames(frames, kDssCodecLongPlay, &audio), S_OK);
  EXPECT_EQ(ReadDssFrames(audio, kDssCodecLongPlay), frames);
  TempFolder folder;
  WriteText(folder / "a.dss", file + audio);
  const DemuxedFile demuxed = Demux(folder / "a.dss");
  EXPECT_EQ(demuxed.codec, "g723_1");
  EXPECT_EQ(demuxed.packets, frames);
  EXPECT_EQ(DssMilliseconds(kDssCodecLongPlay, frames.size()), 1500);
}

TEST(DssAudio, WriterRefusesFramesTheCodecCannotHave) {
  std::string audio = "kept";
  std::string sp(kSpFrameBytes, '\0');
  sp[40] = 1;
  EXPECT_EQ(WriteDssFrames({sp}, kDssCodecStandardPlay, &audio), E_INVALIDARG);
  EXPECT_EQ(WriteDssFrames({std::string(41, '\0')}, kDssCodecStandardPlay, &audio), E_INVALIDARG);
  EXPECT_EQ(WriteDssFrames({std::string(20, '\0')}, kDssCodecLongPlay, &audio), E_INVALIDARG);  // 0 says 24
  EXPECT_EQ(WriteDssFrames({std::string(1, '\xFF')}, kDssCodecLongPlay, &audio), E_INVALIDARG);  // the end mark
  EXPECT_EQ(WriteDssFrames({std::string(kSpFrameBytes, '\0')}, 1, &audio), E_INVALIDARG);
  EXPECT_EQ(audio, "kept");
}

TEST(DssAudio, ReaderStopsAtTheEndMarkAndAtACutFrame) {
  const std::vector<std::string> frames = LongPlayFrames(3);
  std::string audio;
  ASSERT_EQ(WriteDssFrames(frames, kDssCodecLongPlay, &audio), S_OK);
  EXPECT_EQ(ReadDssFrames(audio + "\xFF" + std::string(30, '\0'), kDssCodecLongPlay).size(), 3u);
  EXPECT_EQ(ReadDssFrames(audio.substr(0, audio.size() - 1), kDssCodecLongPlay).size(), 2u);
  std::string sp;
  ASSERT_EQ(WriteDssFrames(std::vector<std::string>(5, std::string(kSpFrameBytes, '\0')), kDssCodecStandardPlay, &sp), S_OK);
  EXPECT_EQ(ReadDssFrames(sp.substr(0, sp.size() - 1), kDssCodecStandardPlay).size(), 4u);
  EXPECT_TRUE(ReadDssFrames(std::string(5, '\0'), kDssCodecStandardPlay).empty());  // a cut block header
}

TEST(DictationMaker, RecordedAudioIsAToneTheDecoderTakesWithoutComplaint) {
  const size_t frames = SpFramesFor(2000);
  EXPECT_EQ(frames, 84u);  // 2000 ms / 23.95 ms
  TempFolder folder;
  WriteText(folder / "a.dss", SpFile(frames));
  const DecodedAudio decoded = Decode(folder / "a.dss");
  ASSERT_TRUE(decoded.opened);
  EXPECT_EQ(decoded.codec, "dss_sp");
  EXPECT_EQ(decoded.samples, static_cast<long long>(frames) * kSpFrameSamples);
  EXPECT_EQ(decoded.warnings, 0);
  EXPECT_GT(decoded.rms, 100);    // audible
  EXPECT_LT(decoded.rms, 3000);   // and far from clipping
  EXPECT_EQ(DssMilliseconds(kDssCodecStandardPlay, frames), 2011);
}

// The count read in parts, from a file, agrees with the frames read whole: across the parts it reads
// at a time, and with the audio cut anywhere.
struct CountRow {
  std::uint8_t codec;
  size_t frames;
  size_t cut;  // bytes taken off the end
};

class DssFrameCount : public ::testing::TestWithParam<CountRow> {};

TEST_P(DssFrameCount, FromTheFileAgreesWithTheFramesReadWhole) {
  const CountRow row = GetParam();
  std::string audio;
  std::vector<std::string> frames(row.frames, std::string(kSpFrameBytes, '\0'));
  if (row.codec == kDssCodecLongPlay) {
    // Every LP frame size in turn: 24, 20, 4 and 1 bytes, chosen by the first byte's two low bits.
    for (size_t i = 0; i < frames.size(); ++i) frames[i] = std::string(std::array<size_t, 4>{24, 20, 4, 1}[i % 4], static_cast<char>(i % 4));
  }
  ASSERT_EQ(WriteDssFrames(frames, row.codec, &audio), S_OK);
  audio.resize(audio.size() - std::min(row.cut, audio.size()));
  TempFolder folder;
  WriteText(folder / "a.dss", std::string(1024, 'h') + audio);
  const int fd = ::open((folder / "a.dss").c_str(), O_RDONLY);
  size_t counted = 0;
  EXPECT_EQ(CountDssFrames(fd, 1024, row.codec, &counted), S_OK);
  ::close(fd);
  EXPECT_EQ(counted, ReadDssFrames(audio, row.codec).size());
}

INSTANTIATE_TEST_SUITE_P(Rows, DssFrameCount,
                         ::testing::Values(CountRow{kDssCodecStandardPlay, 0, 0}, CountRow{kDssCodecStandardPlay, 13, 0},
                                           CountRow{kDssCodecStandardPlay, 13, 1}, CountRow{kDssCodecStandardPlay, 13, 45},
                                           CountRow{kDssCodecStandardPlay, 5000, 0}, CountRow{kDssCodecStandardPlay, 5000, 300},
                                           CountRow{kDssCodecLongPlay, 50, 0}, CountRow{kDssCodecLongPlay, 50, 7},
                                           CountRow{kDssCodecLongPlay, 12000, 0}, CountRow{kDssCodecLongPlay, 12001, 501}));

// Other recorders fill header bytes this component neither reads nor writes: they are not ours to
// interpret, and such a file reads as the same dictation.
TEST_P(DssHeaderVersion, BytesOutsideOurFieldsDoNotChangeTheDictation) {
  std::string clean;
  ASSERT_EQ(NewDssFile(SampleHeader(GetParam()), &clean), S_OK);
  std::string filled = clean;
  for (size_t i = 4; i < filled.size(); ++i)
    if (filled[i] == '\0') filled[i] = static_cast<char>(0x20 + i % 90);
  // Our fields keep their padding: the author, times, codec and comment stay as written.
  for (auto [at, size] : {std::pair<size_t, size_t>{0x0C, 16}, {0x26, 24}, {0x2A4, 1}, {0x31E, 64}})
    filled.replace(at, size, clean.substr(at, size));
  std::string audio;
  ASSERT_EQ(WriteDssFrames(std::vector<std::string>(30, std::string(kSpFrameBytes, '\0')), kDssCodecStandardPlay, &audio), S_OK);
  TempFolder folder;
  WriteText(folder / "clean.dss", clean + audio);
  WriteText(folder / "filled.dss", filled + audio);
  DictationSnapshot a, b;
  ASSERT_EQ(DictationFile(folder / "clean.dss").Load(&a), S_OK);
  ASSERT_EQ(DictationFile(folder / "filled.dss").Load(&b), S_OK);
  EXPECT_EQ(b.type, kFileTypeDictation);
  EXPECT_EQ(b.header.author, a.header.author);
  EXPECT_EQ(b.header.comment, a.header.comment);
  EXPECT_EQ(b.frames, 30u);
  EXPECT_EQ(Demux(folder / "filled.dss").packets, Demux(folder / "clean.dss").packets);
}

// Reading a dictation's header, companion and length does not hold its audio: the peak memory of a
// child that loads a 200 MiB dictation grows by far less than the file.
TEST(DictationFile, LoadingALargeDictationKeepsMemoryFlat) {
  TempFolder folder;
  const std::string path = folder / "long.dss";
  WriteText(path, SpFile(12));
  constexpr off_t kBytes = 200 << 20;
  std::filesystem::resize_file(path, kBytes);  // sparse: whole blocks of silent frames
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    rusage before{}, after{};
    ::getrusage(RUSAGE_SELF, &before);
    DictationSnapshot snapshot;
    const bool loaded = DictationFile(path).Load(&snapshot) == S_OK && snapshot.frames > 4000000;
    ::getrusage(RUSAGE_SELF, &after);
    const long grewKiB = after.ru_maxrss - before.ru_maxrss;
    ::_exit(!loaded ? 2 : grewKiB < (32 << 10) ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: memory grew with the file; 2: not loaded";
}

}  // namespace
