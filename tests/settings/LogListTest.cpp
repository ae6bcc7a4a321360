// SPDX-License-Identifier: GPL-3.0-or-later
// The capped log list the windows share: the newest lines stay, the last is selected.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Ui.h"
#include "settings/LogList.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace {

constexpr int kListId = 1044;

struct CapRow {
  int capacity;
  int appended;
  std::vector<std::string> kept;
};

class LogListTest : public testing::TestWithParam<CapRow> {};

std::vector<std::string> Lines(const CListBox& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.GetCount(); ++i) lines.push_back(list.GetText(i));
  return lines;
}

TEST_P(LogListTest, KeepsTheNewestLinesWithTheLastSelected) {
  const CapRow& row = GetParam();
  CDialog dialog(SmallTemplate({ListBox(kListId, 5, 5, 150, 80)}));
  ASSERT_TRUE(dialog.Create());
  CLogList list(row.capacity);
  ASSERT_TRUE(list.SubclassDlgItem(kListId, &dialog));
  for (int i = 1; i <= row.appended; ++i) list.AppendLine("line " + std::to_string(i));
  EXPECT_EQ(Lines(list), row.kept);
  EXPECT_EQ(list.GetCurSel(), static_cast<int>(row.kept.size()) - 1);
  dialog.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Caps, LogListTest,
                         testing::Values(CapRow{3, 0, {}}, CapRow{3, 2, {"line 1", "line 2"}},
                                         CapRow{3, 3, {"line 1", "line 2", "line 3"}},
                                         CapRow{3, 5, {"line 3", "line 4", "line 5"}}, CapRow{1, 2, {"line 2"}}));

}  // namespace
