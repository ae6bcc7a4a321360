// SPDX-License-Identifier: GPL-3.0-or-later
// The companion file format, recording times and wave format blocks.
#include <gtest/gtest.h>

#include "component/files/DictationCompanion.h"
#include "component/files/DictationTime.h"
#include "component/files/AudioFormat.h"
#include "device/DpmResults.h"

namespace {

DictationCompanion FullCompanion() {
  DictationCompanion c;
  c.instruction = true;
  c.jobNumber = 2147483647;
  c.priority = 15;
  c.endOfLetter = true;
  c.compressionMode = 4;
  c.keywordUsage = {u"Author", u"", u"Typ\u00e9"};
  c.keywordContent = {u"12345678901234567890"};
  c.userStrings = std::vector<std::u16string>(8, u"u");
  c.barcode = u"4711";
  c.downloadDate = "2024-02-29";
  c.downloadTime = "23:59:59";
  c.spokenInstructions = {{0, 10}, {10, 4000}};
  c.instructionFile = "DICT0001_I.DSS";
  c.productId = 283;
  c.macAddress = "00:0E:18:00:00:01";
  c.firmwareVersion = "4.2.17";
  return c;
}

TEST(DictationCompanion, RoundTripsEveryField) {
  const DictationCompanion c = FullCompanion();
  DictationCompanion back;
  ASSERT_EQ(CompanionFromJson(CompanionToJson(c), &back), S_OK);
  EXPECT_EQ(back, c);
}

TEST(DictationCompanion, TrailingEmptySlotsAreNotWritten) {
  DictationCompanion c;
  c.keywordUsage = {u"a", u"", u""};
  DictationCompanion back;
  ASSERT_EQ(CompanionFromJson(CompanionToJson(c), &back), S_OK);
  EXPECT_EQ(back.keywordUsage, std::vector<std::u16string>{u"a"});
}

struct CompanionDamage {
  const char* name;
  void (*damage)(std::string&);
};

void Replace(std::string& text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  text.replace(at, from.size(), to);
}

const CompanionDamage kDamages[] = {
    {"not JSON", [](std::string& t) { t = "{"; }},
    {"a key missing", [](std::string& t) { Replace(t, "\"priority\": 15,", ""); }},
    {"a key unknown", [](std::string& t) { Replace(t, "\"priority\": 15,", "\"priority\": 15, \"colour\": 1,"); }},
    {"another format", [](std::string& t) { Replace(t, "quorvel-dictation", "quorvel-recorder-state"); }},
    {"version 2", [](std::string& t) { Replace(t, "\"formatVersion\": 1", "\"formatVersion\": 2"); }},
    {"another kind", [](std::string& t) { Replace(t, "\"instruction\"", "\"memo\""); }},
    {"priority 16", [](std::string& t) { Replace(t, "\"priority\": 15", "\"priority\": 16"); }},
    {"negative job", [](std::string& t) { Replace(t, "2147483647", "-1"); }},
    {"job past 32 bits", [](std::string& t) { Replace(t, "2147483647", "2147483648"); }},
    {"mode 6", [](std::string& t) { Replace(t, "\"compressionMode\": 4", "\"compressionMode\": 6"); }},
    {"flag as number", [](std::string& t) { Replace(t, "\"endOfLetter\": true", "\"endOfLetter\": 1"); }},
    {"keyword name of 17", [](std::string& t) { Replace(t, "\"Author\"", "\"12345678901234567\""); }},
    {"keyword value of 21", [](std::string& t) { Replace(t, "12345678901234567890", "123456789012345678901"); }},
    {"six keywords", [](std::string& t) { Replace(t, "\"Author\",", "\"a\", \"b\", \"c\", \"Author\","); }},
    {"nine user strings", [](std::string& t) { Replace(t, "\"userStrings\": [", "\"userStrings\": [\"x\","); }},
    {"a control character", [](std::string& t) { Replace(t, "\"4711\"", "\"47\\u000111\""); }},
    {"outside Latin-1", [](std::string& t) { Replace(t, "\"4711\"", "\"\\u20ac\""); }},
    {"not UTF-8", [](std::string& t) { Replace(t, "\"4711\"", "\"\xff\""); }},
    {"date of Feb 30", [](std::string& t) { Replace(t, "2024-02-29", "2024-02-30"); }},
    {"time of 24:00", [](std::string& t) { Replace(t, "23:59:59", "24:00:00"); }},
    {"instructions overlapping", [](std::string& t) { Replace(t, "10,\n      4000", "5,\n      4000"); }},
    {"instruction ending at its start", [](std::string& t) { Replace(t, "0,\n      10", "0,\n      0"); }},
    {"instruction file in another folder", [](std::string& t) { Replace(t, "DICT0001_I.DSS", "../x.DSS"); }},
    {"instruction file not a dictation", [](std::string& t) { Replace(t, "DICT0001_I.DSS", "notes.txt"); }},
    {"MAC of 18", [](std::string& t) { Replace(t, "00:0E:18:00:00:01", "00:0E:18:00:00:011"); }},
    {"product id past 16 bits", [](std::string& t) { Replace(t, "\"productId\": 283", "\"productId\": 65536"); }},
    {"deeply nested", [](std::string& t) { t = std::string(100, '[') + std::string(100, ']'); }},
    {"too big", [](std::string& t) { t += std::string(kMaxCompanionBytes, ' '); }},
};

class CompanionRefused : public ::testing::TestWithParam<CompanionDamage> {};

TEST_P(CompanionRefused, AsDamagedLeavingTheOutputAlone) {
  std::string text = CompanionToJson(FullCompanion());
  GetParam().damage(text);
  DictationCompanion out;
  out.jobNumber = 99;
  EXPECT_EQ(CompanionFromJson(text, &out), dpmCtrlInvalidFile);
  EXPECT_EQ(out.jobNumber, 99);
}

INSTANTIATE_TEST_SUITE_P(Rows, CompanionRefused, ::testing::ValuesIn(kDamages));

TEST(DictationCompanion, NamesAreTheDictationsWithJsonAdded) {
  EXPECT_EQ(CompanionPathOf("/card/DICT0001.DSS"), "/card/DICT0001.DSS.json");
  EXPECT_TRUE(IsCompanionName("DICT0001.DSS.json"));
  EXPECT_TRUE(IsCompanionName("a.ds2.json"));
  EXPECT_FALSE(IsCompanionName("settings.json"));
  EXPECT_FALSE(IsCompanionName("DICT0001.DSS"));
}

struct TimeRow {
  const char* digits;
  bool valid;
  const char* date;
  const char* time;
};

const TimeRow kTimes[] = {
    {"240229235959", true, "2024-02-29", "23:59:59"},
    {"000101000000", true, "2000-01-01", "00:00:00"},
    {"230229120000", false, "", ""},  // not a leap year
    {"241301120000", false, "", ""},
    {"240100120000", false, "", ""},
    {"240101240000", false, "", ""},
    {"240101126000", false, "", ""},
    {"2401011200", false, "", ""},
    {"24010112000x", false, "", ""},
    {"24-1-1120000", false, "", ""},
};

class DictationTimeDigits : public ::testing::TestWithParam<TimeRow> {};

TEST_P(DictationTimeDigits, ParseOnlyRealTimes) {
  DictationTime time;
  ASSERT_EQ(DictationTime::FromDigits(GetParam().digits, &time), GetParam().valid);
  if (!GetParam().valid) return;
  EXPECT_EQ(time.DateText(), GetParam().date);
  EXPECT_EQ(time.TimeText(), GetParam().time);
  EXPECT_EQ(time.Digits(), GetParam().digits);
}

INSTANTIATE_TEST_SUITE_P(Rows, DictationTimeDigits, ::testing::ValuesIn(kTimes));

TEST(DictationTime, DateAndTimeTexts) {
  EXPECT_TRUE(IsDateText("2024-02-29"));
  EXPECT_TRUE(IsDateText("1970-01-01"));
  EXPECT_FALSE(IsDateText("1969-12-31"));
  EXPECT_FALSE(IsDateText("2023-02-29"));
  EXPECT_FALSE(IsDateText("2024-2-29"));
  EXPECT_FALSE(IsDateText("2024/02/29"));
  EXPECT_TRUE(IsTimeText("00:00:00"));
  EXPECT_FALSE(IsTimeText("23:60:00"));
  EXPECT_FALSE(IsTimeText("1:00:00"));
  DictationTime time;
  EXPECT_FALSE(DictationTime::FromLocal(0, &time));  // 1970: the header has no place for it
}

// WAVEFORMATEX blocks: tag, channels, rate, bytes/s, align, bits, [extra size].
std::string Block(unsigned tag, unsigned channels, unsigned rate, unsigned bits, int extra = -1) {
  const unsigned align = channels * bits / 8;
  const unsigned perSecond = rate * align;
  std::string b;
  auto put = [&b](unsigned v, int n) {
    for (int i = 0; i < n; ++i) b += static_cast<char>(v >> (8 * i) & 0xFF);
  };
  put(tag, 2), put(channels, 2), put(rate, 4), put(perSecond, 4), put(align, 2), put(bits, 2);
  if (extra >= 0) put(static_cast<unsigned>(extra), 2);
  return b;
}

AudioFormat Encoded(AudioEncoding encoding, int rate, int bits, long bitRate) {
  AudioFormat format{rate, 1, bits, false};
  format.encoding = encoding;
  format.bitRate = bitRate;
  return format;
}

struct WaveRow {
  const char* name;
  std::string block;
  HRESULT result;
  AudioFormat format;
};

const WaveRow kWaves[] = {
    {"PCM 16 kHz mono", Block(1, 1, 16000, 16), S_OK, {16000, 1, 16, false}},
    {"PCM 44.1 kHz 8-bit stereo with extra size", Block(1, 2, 44100, 8, 0), S_OK, {44100, 2, 8, false}},
    {"PCM 24-bit", Block(1, 1, 48000, 24), S_OK, {48000, 1, 24, false}},
    {"float", Block(3, 1, 22050, 32), S_OK, {22050, 1, 32, true}},
    {"too short", Block(1, 1, 16000, 16).substr(0, 14), dpmCtrlInvalidWaveFormat, {}},
    {"extra size past the block", Block(1, 1, 16000, 16, 4), dpmCtrlInvalidWaveFormat, {}},
    {"no channels", Block(1, 0, 16000, 16), dpmCtrlInvalidWaveFormat, {}},
    {"odd bits", Block(1, 1, 16000, 12), dpmCtrlInvalidWaveFormat, {}},
    {"GSM 6.10", Block(0x31, 1, 8000, 16), dpmCtrlAudioFormatNotSupported, {}},
    {"ADPCM", Block(2, 1, 8000, 4), dpmCtrlAudioFormatNotSupported, {}},
    {"six channels", Block(1, 6, 16000, 16), dpmCtrlAudioFormatNotSupported, {}},
    {"4 kHz", Block(1, 1, 4000, 16), dpmCtrlAudioFormatNotSupported, {}},
    {"96 kHz", Block(1, 1, 96000, 16), dpmCtrlAudioFormatNotSupported, {}},
    {"float of 16 bits", Block(3, 1, 16000, 16), dpmCtrlAudioFormatNotSupported, {}},
    {"FLAC", Block(0xF1AC, 1, 16000, 16), S_OK, Encoded(AudioEncoding::Flac, 16000, 16, 0)},
    {"FLAC of 8 bits", Block(0xF1AC, 1, 16000, 8), dpmCtrlAudioFormatNotSupported, {}},
    {"MP3 at 128 kbit/s", Block(0x55, 1, 16000, 0).replace(8, 4, std::string("\x80\x3E\x00\x00", 4)), S_OK,
     Encoded(AudioEncoding::Mp3, 16000, 0, 128000)},
    {"Opus at 44.1 kHz", Block(0x704F, 1, 44100, 0), dpmCtrlAudioFormatNotSupported, {}},
    {"Opus keeping complete conversions", Block(0x704F, 2, 48000, 0, 8) + "QVRL" + std::string("\x01\0\0\0", 4), S_OK,
     [] {
       AudioFormat f = Encoded(AudioEncoding::Opus, 48000, 0, 0);
       f.channels = 2;
       f.keepComplete = true;
       return f;
     }()},
    {"extra bytes of the codec's own", Block(1, 1, 16000, 16, 4) + "MPEG", S_OK, {16000, 1, 16, false}},
};

class WaveFormatBlock : public ::testing::TestWithParam<WaveRow> {};

TEST_P(WaveFormatBlock, GivesThePcmFormatOrItsRefusal) {
  AudioFormat format{1, 1, 1, false};
  EXPECT_EQ(AudioFormatFromWaveFormat(GetParam().block, &format), GetParam().result);
  if (GetParam().result == S_OK) EXPECT_EQ(format, GetParam().format);
  else EXPECT_EQ(format, (AudioFormat{1, 1, 1, false}));
}

INSTANTIATE_TEST_SUITE_P(Rows, WaveFormatBlock, ::testing::ValuesIn(kWaves));

TEST(WaveFormatBlock, ContradictingBytesPerSecond) {
  std::string block = Block(1, 1, 16000, 16);
  block[8] ^= 1;
  AudioFormat format;
  EXPECT_EQ(AudioFormatFromWaveFormat(block, &format), dpmCtrlInvalidWaveFormat);
}

}  // namespace
