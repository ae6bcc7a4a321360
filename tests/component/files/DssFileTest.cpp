// The DSS header and audio blocks, written by the component and read back by it and by FFmpeg.
#include <gtest/gtest.h>

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

}  // namespace
