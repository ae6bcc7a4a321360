// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/CodePage.h"

#include <gtest/gtest.h>

#include <new>

#include "platform/automation/Bstr.h"

namespace {

class CodePageTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(SysLiveStringCount(), m_stringsAtStart); }
  long m_stringsAtStart = SysLiveStringCount();
};

TEST_F(CodePageTest, EveryByteSurvivesTheTripThroughUtf16) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  std::u16string wide = AnsiToWide(all);
  ASSERT_EQ(wide.size(), 256u);
  EXPECT_EQ(WideToAnsi(wide), all);

  Bstr text(AnsiToBstr(all));
  EXPECT_EQ(text.Length(), 256u);
  EXPECT_EQ(BstrToAnsi(text.Get()), all);
}

struct Mapping {
  unsigned char byte;
  char16_t unit;
};

void PrintTo(const Mapping& m, std::ostream* os) {
  *os << "byte " << int{m.byte} << " <-> U+" << std::hex << int{m.unit};
}

class CodePageMappingTest : public ::testing::TestWithParam<Mapping> {};

TEST_P(CodePageMappingTest, MapsBothWays) {
  const Mapping m = GetParam();
  EXPECT_EQ(AnsiToWide(std::string(1, static_cast<char>(m.byte))), std::u16string(1, m.unit));
  EXPECT_EQ(WideToAnsi(std::u16string(1, m.unit)), std::string(1, static_cast<char>(m.byte)));
}

INSTANTIATE_TEST_SUITE_P(Windows1252, CodePageMappingTest,
                         ::testing::Values(Mapping{0x41, u'A'}, Mapping{0x80, 0x20AC}, Mapping{0x8A, 0x0160},
                                           Mapping{0x99, 0x2122}, Mapping{0x9F, 0x0178}, Mapping{0xA0, 0x00A0},
                                           Mapping{0xE9, 0x00E9}, Mapping{0xFF, 0x00FF},
                                           // the undefined bytes keep their own number
                                           Mapping{0x81, 0x0081}, Mapping{0x8D, 0x008D}, Mapping{0x8F, 0x008F},
                                           Mapping{0x90, 0x0090}, Mapping{0x9D, 0x009D}));

TEST_F(CodePageTest, CharactersOutsideTheCodePageNarrowToQuestionMarks) {
  // U+0080 is the Euro sign's byte but not a Windows-1252 character; a surrogate pair is one character.
  EXPECT_EQ(WideToAnsi(u"a\u0100b\u0080c\u4E2D"), "a?b?c?");
  EXPECT_EQ(WideToAnsi(u"x\U0001F600y"), "x?y");
  EXPECT_EQ(WideToAnsi(std::u16string(1, char16_t{0xD800})), "?");
}

TEST_F(CodePageTest, NullBstrReadsAsEmpty) {
  EXPECT_EQ(BstrToAnsi(nullptr), "");
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  EXPECT_TRUE(Bstr().View().empty());
}

TEST_F(CodePageTest, EmbeddedZerosKeepTheLength) {
  const std::string text("a\0b\0", 4);
  Bstr converted(AnsiToBstr(text));
  EXPECT_EQ(converted.Length(), 4u);
  EXPECT_EQ(converted.Get()[4], u'\0');  // still terminated after the last character
  EXPECT_EQ(BstrToAnsi(converted.Get()), text);
}

TEST_F(CodePageTest, OutOfMemoryThrowsBadAlloc) {
  SysSimulateAllocFailures(1);
  EXPECT_THROW(AnsiToBstr("text"), std::bad_alloc);
  SysSimulateAllocFailures(1);
  EXPECT_THROW(Bstr(u"text"), std::bad_alloc);
  Bstr after(AnsiToBstr("fine"));  // the simulation ends with the failures asked for
  EXPECT_EQ(BstrToAnsi(after.Get()), "fine");
}

TEST_F(CodePageTest, StringsAreLengthPrefixedAndFreedOnce) {
  Bstr empty(SysAllocString(u""));
  EXPECT_FALSE(empty.IsNull());
  EXPECT_EQ(empty.Length(), 0u);
  EXPECT_EQ(SysAllocString(nullptr), nullptr);

  Bstr zeroed(SysAllocStringLen(nullptr, 3));
  EXPECT_EQ(zeroed.View(), std::u16string_view(u"\0\0\0", 3));
  EXPECT_EQ(SysLiveStringCount(), m_stringsAtStart + 2);

  Bstr moved(std::move(zeroed));
  EXPECT_TRUE(zeroed.IsNull());
  moved.Reset(SysAllocString(u"next"));
  EXPECT_EQ(moved.View(), u"next");
  EXPECT_EQ(SysLiveStringCount(), m_stringsAtStart + 2);
}

}  // namespace
