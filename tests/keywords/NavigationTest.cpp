// SPDX-License-Identifier: GPL-3.0-or-later
// Keys on the open editor: the spreadsheet-cursor moves, their limits, and what each move reports.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "GridHarness.h"

namespace {

// Five columns, the fourth only 4 pixels wide; six rows of which the first five are editable.
GridLayout NavigationGrid() {
  GridLayout layout;
  layout.widths = {60, 60, 60, 4, 60};
  layout.rows = 6;
  layout.extentColumns = 5;
  layout.extentRows = 5;
  return layout;
}

struct MoveCase {
  const char* name;
  int row;
  int column;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  int expectedRow;
  int expectedColumn;
  bool staysOpen;  // the same editor is still open on the same cell
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class EditorMoves : public testing::TestWithParam<MoveCase> {
 protected:
  GridHarness harness;
};

TEST_P(EditorMoves, OpenTheExpectedCellAndReportTheLeftOne) {
  const MoveCase& c = GetParam();
  ASSERT_TRUE(harness.Open(NavigationGrid()));
  CEditEx* start = harness.Grid().BeginCellEdit(c.row, c.column);
  ASSERT_NE(start, nullptr);
  HWND startWindow = start->GetSafeHwnd();
  ASSERT_EQ(harness.Editor(), start);

  harness.Press(c.key, c.modifiers);

  CEditEx* editor = harness.Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->Row(), c.expectedRow);
  EXPECT_EQ(editor->Column(), c.expectedColumn);
  EXPECT_EQ(harness.LiveEditors(), 1);
  EXPECT_EQ(::IsWindow(startWindow) != FALSE, c.staysOpen);
  if (c.staysOpen) {
    EXPECT_EQ(editor->GetSafeHwnd(), startWindow);
  }

  std::vector<CellEdit> expected;
  CellEdit left{harness.Grid().GetSafeHwnd(), c.row, c.column, CellText(c.row, c.column)};
  if (c.key == Qt::Key_Return) expected.push_back(left);  // Enter commits at once
  if (!c.staysOpen) expected.push_back(left);             // and the focus loss once more
  EXPECT_EQ(harness.Dialog().m_edits, expected);
  EXPECT_EQ(harness.Dialog().m_okCount, 0);
  EXPECT_EQ(harness.Dialog().m_cancelCount, 0);
}

const Qt::KeyboardModifiers kNone = Qt::NoModifier;
const Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, EditorMoves,
    testing::Values(
        MoveCase{"TabNextColumn", 1, 1, Qt::Key_Tab, kNone, 1, 2, false},
        MoveCase{"TabWrapsToNextRow", 1, 4, Qt::Key_Tab, kNone, 2, 0, false},
        MoveCase{"TabFromLastEditableCellWrapsToOrigin", 4, 4, Qt::Key_Tab, kNone, 0, 0, false},
        MoveCase{"TabIntoNarrowColumnStays", 1, 2, Qt::Key_Tab, kNone, 1, 2, true},
        MoveCase{"ShiftTabPreviousColumn", 1, 2, Qt::Key_Backtab, kShift, 1, 1, false},
        MoveCase{"ShiftTabWrapsToPreviousRow", 2, 0, Qt::Key_Backtab, kShift, 1, 4, false},
        MoveCase{"ShiftTabAtOriginStays", 0, 0, Qt::Key_Backtab, kShift, 0, 0, true},
        MoveCase{"ShiftTabIntoNarrowColumnStays", 1, 4, Qt::Key_Backtab, kShift, 1, 4, true},
        MoveCase{"EnterMovesDown", 1, 2, Qt::Key_Return, kNone, 2, 2, false},
        MoveCase{"EnterInLastEditableRowStays", 4, 2, Qt::Key_Return, kNone, 4, 2, true},
        MoveCase{"UpMovesUp", 2, 1, Qt::Key_Up, kNone, 1, 1, false},
        MoveCase{"UpInFirstRowStays", 0, 1, Qt::Key_Up, kNone, 0, 1, true},
        MoveCase{"DownMovesDown", 2, 1, Qt::Key_Down, kNone, 3, 1, false},
        MoveCase{"DownInLastEditableRowStays", 4, 1, Qt::Key_Down, kNone, 4, 1, true},
        MoveCase{"CtrlHomeToFirstRow", 3, 2, Qt::Key_Home, kCtrl, 0, 2, false},
        MoveCase{"CtrlEndToLastItemBeyondExtent", 0, 2, Qt::Key_End, kCtrl, 5, 2, false},
        MoveCase{"HomeWithoutCtrlStays", 2, 2, Qt::Key_Home, kNone, 2, 2, true},
        MoveCase{"EndWithoutCtrlStays", 2, 2, Qt::Key_End, kNone, 2, 2, true},
        MoveCase{"LeftStays", 2, 2, Qt::Key_Left, kNone, 2, 2, true},
        MoveCase{"RightStays", 2, 2, Qt::Key_Right, kNone, 2, 2, true}),
    [](const testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

// With the grid's default extent (6 x 20) a short grid has no row or column to move to.
struct MissingCellCase {
  const char* name;
  int row;
  int column;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};
void PrintTo(const MissingCellCase& c, std::ostream* os) { *os << c.name; }

class MovesToMissingCells : public testing::TestWithParam<MissingCellCase> {
 protected:
  GridHarness harness;
};

TEST_P(MovesToMissingCells, KeepTheEditorWhereItIs) {
  const MissingCellCase& c = GetParam();
  GridLayout layout;
  layout.widths = {60, 60};
  layout.rows = 3;
  ASSERT_TRUE(harness.Open(layout));
  CEditEx* start = harness.Grid().BeginCellEdit(c.row, c.column);
  ASSERT_NE(start, nullptr);

  harness.Press(c.key, c.modifiers);

  EXPECT_EQ(harness.Editor(), start);
  EXPECT_EQ(harness.LiveEditors(), 1);
  // Only Enter reports, once, before it finds no row below.
  EXPECT_EQ(harness.Dialog().m_edits.size(), c.key == Qt::Key_Return ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MovesToMissingCells,
    testing::Values(MissingCellCase{"DownPastLastRow", 2, 0, Qt::Key_Down, Qt::NoModifier},
                    MissingCellCase{"TabPastLastColumn", 2, 1, Qt::Key_Tab, Qt::NoModifier},
                    MissingCellCase{"EnterPastLastRow", 2, 1, Qt::Key_Return, Qt::NoModifier}),
    [](const testing::TestParamInfo<MissingCellCase>& info) { return std::string(info.param.name); });

TEST(EditorPageKeys, GoByPageAndItemCountNotByExtent) {
  GridHarness harness;
  GridLayout layout;
  layout.rows = 40;
  layout.extentColumns = 4;
  layout.extentRows = 2;  // the page keys ignore the editable extent
  ASSERT_TRUE(harness.Open(layout));
  const int page = harness.Grid().GetCountPerPage();
  const int count = harness.Grid().GetItemCount();
  ASSERT_GT(page, 1);
  ASSERT_LT(3 * page, count);

  struct Step {
    int row;
    Qt::Key key;
    int expected;
  };
  const Step steps[] = {
      {0, Qt::Key_PageDown, page},
      {page + 1, Qt::Key_PageDown, 2 * page + 1},
      {count - 2, Qt::Key_PageDown, count - 1},
      {count - 1, Qt::Key_PageDown, count - 1},
      {page + 1, Qt::Key_PageUp, 1},
      {page, Qt::Key_PageUp, 0},
      {1, Qt::Key_PageUp, 0},
      {0, Qt::Key_PageUp, 0},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << "from row " << step.row << (step.key == Qt::Key_PageUp ? " up" : " down"));
    ASSERT_NE(harness.Grid().BeginCellEdit(step.row, 1), nullptr);
    harness.Press(step.key);
    CEditEx* editor = harness.Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Row(), step.expected);
    EXPECT_EQ(editor->Column(), 1);
    EXPECT_EQ(harness.LiveEditors(), 1);
  }
}

TEST(EditorPageKeys, ActOnReleaseOnly) {
  GridHarness harness;
  GridLayout layout;
  layout.rows = 40;
  ASSERT_TRUE(harness.Open(layout));
  CEditEx* start = harness.Grid().BeginCellEdit(0, 0);
  ASSERT_NE(start, nullptr);
  QTest::keyPress(QApplication::focusWidget(), Qt::Key_PageDown);
  EXPECT_EQ(harness.Editor(), start);
  QTest::keyRelease(QApplication::focusWidget(), Qt::Key_PageDown);
  ASSERT_NE(harness.Editor(), nullptr);
  EXPECT_EQ(harness.Editor()->Row(), harness.Grid().GetCountPerPage());
}

}  // namespace
