// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands' pure parts: the progress line and the length of a dictation as text.
#include <gtest/gtest.h>

#include "quorvelctl/files/FileCommands.h"
#include "quorvelctl/cli/ProgressBar.h"

namespace {

struct BarRow {
  const char* text;
  LONG percent;
  size_t width;
  const char* line;
};

class BarTest : public ::testing::TestWithParam<BarRow> {};

TEST_P(BarTest, FitsTheLine) {
  const BarRow& row = GetParam();
  const std::string line = CProgressBar::Line(row.text, row.percent, row.width);
  EXPECT_EQ(line, row.line);
  EXPECT_LE(line.size(), std::max<size_t>(row.width, 26));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BarTest,
    ::testing::Values(BarRow{"Copy /c/A.DSS", 0, 80, "[....................]   0% Copy /c/A.DSS"},
                      BarRow{"Copy /c/A.DSS", 45, 80, "[#########...........]  45% Copy /c/A.DSS"},
                      BarRow{"Copy /c/A.DSS", 100, 80, "[####################] 100% Copy /c/A.DSS"},
                      // Out of range percentages are clamped rather than overrunning the bar.
                      BarRow{"x", 250, 80, "[####################] 100% x"},
                      BarRow{"x", -5, 80, "[....................]   0% x"},
                      // The path's start gives way, so its file name stays.
                      BarRow{"Convert /long/folder/A.DSS", 50, 40, "[##########..........]  50% ...der/A.DSS"},
                      // Nothing of the text fits: the bar alone.
                      BarRow{"Convert /c/A.DSS", 50, 28, "[##########..........]  50%"},
                      // A cut never splits a UTF-8 character.
                      BarRow{"Copy /c/\xC3\x84rztin.DSS", 10, 41, "[##..................]  10% ...rztin.DSS"}));

TEST(LengthTextTest, HoursMinutesSecondsMilliseconds) {
  EXPECT_EQ(CFileCommands::LengthText(0), "0:00:00.000");
  EXPECT_EQ(CFileCommands::LengthText(12500), "0:00:12.500");
  EXPECT_EQ(CFileCommands::LengthText(3723004), "1:02:03.004");
  EXPECT_EQ(CFileCommands::LengthText(36000000), "10:00:00.000");
}

}  // namespace
