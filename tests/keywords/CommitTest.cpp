// SPDX-License-Identifier: GPL-3.0-or-later
// Ending an edit: commit on Enter and on focus loss, cancel on Escape, the notification's way back to
// the grid by reflection, and the editor's life (one at a time, deleted with its window).
#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QWidget>

#include "GridHarness.h"
#include "platform/ui/testing/QtBridge.h"
#include "tests/platform/ui/AccessibleDriver.h"

namespace {

class Commit : public testing::Test {
 protected:
  void SetUp() override {
    GridLayout layout;
    layout.rows = 5;
    layout.extentColumns = 4;
    layout.extentRows = 4;
    ASSERT_TRUE(harness.Open(layout));
    grid = harness.Grid().GetSafeHwnd();
  }
  GridHarness harness;
  HWND grid = nullptr;
};

TEST_F(Commit, EnterThenMoveReportsTheSameTextTwice) {
  harness.Click(harness.CellCenter(1, 1));
  harness.Type("abc");
  harness.Press(Qt::Key_Return);

  EXPECT_EQ(harness.Grid().GetItemText(1, 1), "abc");
  EXPECT_EQ(harness.Dialog().m_edits, (std::vector<CellEdit>{{grid, 1, 1, "abc"}, {grid, 1, 1, "abc"}}));
  ASSERT_NE(harness.Editor(), nullptr);
  EXPECT_EQ(harness.Editor()->Row(), 2);
  EXPECT_EQ(harness.Dialog().m_okCount, 0);  // Enter never reaches the default button
}

TEST_F(Commit, EnterInLastEditableRowCommitsAndKeepsEditing) {
  harness.Click(harness.CellCenter(3, 2));
  CEditEx* editor = harness.Editor();
  harness.Type("first");
  harness.Press(Qt::Key_Return);

  EXPECT_EQ(harness.Grid().GetItemText(3, 2), "first");
  EXPECT_EQ(harness.Dialog().m_edits, (std::vector<CellEdit>{{grid, 3, 2, "first"}}));
  ASSERT_EQ(harness.Editor(), editor);
  harness.Type("+more");
  harness.Press(Qt::Key_Tab);
  EXPECT_EQ(harness.Dialog().m_edits.back(), (CellEdit{grid, 3, 2, "first+more"}));
}

TEST_F(Commit, FocusLeavingTheEditorCommitsAndClosesIt) {
  harness.Click(harness.CellCenter(0, 3));
  harness.Type("typed");
  harness.ClickWidget(harness.Dialog().GetDlgItem(IDCANCEL)->GetSafeHwnd());

  EXPECT_EQ(harness.Dialog().m_edits, (std::vector<CellEdit>{{grid, 0, 3, "typed"}}));
  EXPECT_EQ(harness.Grid().GetItemText(0, 3), "typed");
  EXPECT_EQ(harness.LiveEditors(), 0);
}

TEST_F(Commit, EscapeAfterTypingLeavesCellAndOwnerAlone) {
  harness.Click(harness.CellCenter(2, 1));
  harness.Type("discarded");
  harness.Press(Qt::Key_Escape);

  EXPECT_EQ(harness.Grid().GetItemText(2, 1), CellText(2, 1));
  EXPECT_TRUE(harness.Dialog().m_edits.empty());
  EXPECT_EQ(harness.LiveEditors(), 0);
  EXPECT_EQ(::GetFocus(), grid);
  EXPECT_EQ(harness.Dialog().m_cancelCount, 0);  // Escape never cancels the dialog
}

TEST_F(Commit, ClickOnAnotherCellCommitsTheOpenOne) {
  harness.Click(harness.CellCenter(0, 0));
  harness.Type("x");
  harness.Click(harness.CellCenter(2, 3));

  EXPECT_EQ(harness.Dialog().m_edits, (std::vector<CellEdit>{{grid, 0, 0, "x"}}));
  ASSERT_NE(harness.Editor(), nullptr);
  EXPECT_EQ(harness.Editor()->Row(), 2);
  EXPECT_EQ(harness.Editor()->Column(), 3);
  EXPECT_EQ(harness.LiveEditors(), 1);
}

TEST_F(Commit, OnlyOneEditorEverAndEachGoesWithItsWindow) {
  HWND previous = nullptr;
  for (int step = 0; step < 6; ++step) {
    CEditEx* editor = harness.Grid().BeginCellEdit(step % 3, step % 4);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(harness.LiveEditors(), 1);
    if (previous) {
      EXPECT_FALSE(::IsWindow(previous));
    }
    previous = editor->GetSafeHwnd();
    harness.Press(step % 2 ? Qt::Key_Tab : Qt::Key_Down);
    EXPECT_EQ(harness.LiveEditors(), 1);
    EXPECT_FALSE(::IsWindow(previous));
    previous = harness.Editor()->GetSafeHwnd();
  }
  harness.Grid().SetFocus();
  GridHarness::Settle();
  EXPECT_EQ(harness.LiveEditors(), 0);
  EXPECT_FALSE(::IsWindow(previous));
}

TEST_F(Commit, ClosingTheDialogTakesTheOpenEditorAlong) {
  CEditEx* editor = harness.Grid().BeginCellEdit(1, 1);
  ASSERT_NE(editor, nullptr);
  const HWND window = editor->GetSafeHwnd();
  QPointer<QWidget> widget = WidgetFromHandle(window);
  ASSERT_FALSE(widget.isNull());
  harness.Close();  // the editor deletes itself with its window
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ(CWnd::FromHandlePermanent(window), nullptr);
  EXPECT_TRUE(widget.isNull());
}

// A text an accessibility client sets on a cell is taken where a click would open the editor.
TEST_F(Commit, ClientTextReachesTheOwnerInsideTheExtentOnly) {
  QWidget* table = WidgetFromHandle(grid);
  ASSERT_TRUE(accessible::SetCellText(table, 1, 2, "inside"));
  ASSERT_TRUE(accessible::SetCellText(table, 4, 0, "below"));  // rows 0 to 3 are editable

  EXPECT_EQ(harness.Dialog().m_edits, (std::vector<CellEdit>{{grid, 1, 2, "inside"}}));
  EXPECT_EQ(harness.Grid().GetItemText(1, 2), "inside");
  EXPECT_EQ(harness.Grid().GetItemText(4, 0), CellText(4, 0));
}

// F2 opens the editor on the focused row's first cell, as a click there would; a row a click could not
// edit stays closed.
TEST_F(Commit, F2EditsTheFocusedRow) {
  for (const auto& [row, opens] : {std::pair{4, false}, std::pair{2, true}}) {
    harness.Grid().SetFocus();
    harness.Grid().SetItemState(row, LVIS_FOCUSED, LVIS_FOCUSED);
    harness.Press(Qt::Key_F2);
    CEditEx* editor = harness.Editor();
    ASSERT_EQ(editor != nullptr, opens) << "row " << row;
    if (!editor) continue;
    EXPECT_EQ(editor->Row(), row);
    EXPECT_EQ(editor->Column(), 0);
    EXPECT_EQ(accessible::Announced(QApplication::focusWidget()), "K0, row 3");  // a screen reader's name
    harness.Type("key");
    harness.Press(Qt::Key_Tab);
  }
  EXPECT_EQ(harness.Dialog().m_edits, (std::vector<CellEdit>{{grid, 2, 0, "key"}}));
}

// A notification that reaches the grid's parent is taken back by the grid, whoever sent it: the
// editor, or the list view's own label editing.
struct ReflectionCase {
  const char* name;
  const char* text;  // null: cancelled
  UINT code;
  bool handled;
};
void PrintTo(const ReflectionCase& c, std::ostream* os) { *os << c.name; }

class Reflection : public testing::TestWithParam<ReflectionCase> {};

TEST_P(Reflection, EndLabelEditSetsTheCellAndTellsTheOwner) {
  const ReflectionCase& c = GetParam();
  GridHarness harness;
  ASSERT_TRUE(harness.Open(GridLayout{}));
  HWND grid = harness.Grid().GetSafeHwnd();
  std::string text = c.text ? c.text : "";
  NMLVDISPINFO info;
  info.hdr = {grid, 1001, c.code};
  info.item.mask = LVIF_TEXT;
  info.item.iItem = 2;
  info.item.iSubItem = 3;
  info.item.pszText = c.text ? text.data() : nullptr;
  info.item.cchTextMax = static_cast<int>(text.size());

  LRESULT result = harness.Dialog().SendMessage(WM_NOTIFY, GridDialog::kGridId, reinterpret_cast<LPARAM>(&info));

  EXPECT_EQ(result, 0);
  bool edited = c.handled && c.text;
  EXPECT_EQ(harness.Grid().GetItemText(2, 3), edited ? std::string(c.text) : CellText(2, 3));
  std::vector<CellEdit> expected;
  if (edited) expected.push_back({grid, 2, 3, c.text});
  EXPECT_EQ(harness.Dialog().m_edits, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Notify, Reflection,
    testing::Values(ReflectionCase{"Text", "new", LVN_ENDLABELEDIT, true},
                    ReflectionCase{"EmptyText", "", LVN_ENDLABELEDIT, true},
                    ReflectionCase{"Cancelled", nullptr, LVN_ENDLABELEDIT, true},
                    ReflectionCase{"OtherNotification", "new", LVN_BEGINLABELEDIT, false}),
    [](const testing::TestParamInfo<ReflectionCase>& info) { return std::string(info.param.name); });

struct NoEditorCase {
  const char* name;
  int columns;
  int row;
  int column;
};
void PrintTo(const NoEditorCase& c, std::ostream* os) { *os << c.name; }

class NoEditor : public testing::TestWithParam<NoEditorCase> {};

TEST_P(NoEditor, ForACellThatDoesNotExist) {
  const NoEditorCase& c = GetParam();
  GridHarness harness;
  GridLayout layout;
  layout.widths.assign(static_cast<size_t>(c.columns), 60);
  layout.rows = 3;
  ASSERT_TRUE(harness.Open(layout));

  EXPECT_EQ(harness.Grid().BeginCellEdit(c.row, c.column), nullptr);
  GridHarness::Settle();
  EXPECT_EQ(harness.LiveEditors(), 0);
  EXPECT_EQ(harness.Editor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, NoEditor,
    testing::Values(NoEditorCase{"NoColumnsYet", 0, 0, 0},
                    NoEditorCase{"ColumnBeyondHeader", 2, 0, 2},
                    NoEditorCase{"NegativeColumn", 2, 0, -1},
                    NoEditorCase{"RowPastTheEnd", 2, 3, 0},
                    NoEditorCase{"RowWithinDefaultExtentButMissing", 2, 19, 1},
                    NoEditorCase{"NegativeRow", 2, -1, 0}),
    [](const testing::TestParamInfo<NoEditorCase>& info) { return std::string(info.param.name); });

}  // namespace
