// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks on the grid: which cell a point belongs to, the editable extent, and where the editor opens.
#include <gtest/gtest.h>

#include <QTest>

#include "GridHarness.h"
#include "platform/ui/Gdi.h"

namespace {

enum class Where { Center, BorderAfter, NarrowColumnInside, BelowLastRow };

struct ClickCase {
  const char* name;
  GridLayout layout;
  int row;
  int column;
  Where where;
  int expectedRow;  // -1: nothing opens
  int expectedColumn;
};
void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

GridLayout WithNarrowColumn() {
  GridLayout layout;
  layout.widths = {60, 60, 4, 60, 60};
  layout.extentColumns = 4;
  layout.extentRows = 3;
  return layout;
}

GridLayout NamesGrid() {  // the names grid's shape: one editable row
  GridLayout layout;
  layout.widths = {50, 50, 50, 50, 50};
  layout.rows = 2;
  layout.extentColumns = 4;
  layout.extentRows = 1;
  return layout;
}

GridLayout DefaultExtent() {  // no extent set: 6 columns by 20 rows
  GridLayout layout;
  layout.widths = {40, 40, 40, 40, 40, 40, 40};
  layout.rows = 22;
  layout.width = 320;
  layout.height = 600;
  return layout;
}

class Clicks : public testing::TestWithParam<ClickCase> {
 protected:
  GridHarness harness;
};

TEST_P(Clicks, OpenTheCellUnderThePointWithinTheExtent) {
  const ClickCase& c = GetParam();
  ASSERT_TRUE(harness.Open(c.layout));
  CPoint point;
  switch (c.where) {
    case Where::Center: point = harness.CellCenter(c.row, c.column); break;
    case Where::BorderAfter: point = harness.BorderAfter(c.row, c.column); break;
    case Where::NarrowColumnInside: point = harness.BorderAfter(c.row, c.column - 1); point.x += 2; break;
    case Where::BelowLastRow: {
      CRect last;
      harness.Grid().GetItemRect(harness.Grid().GetItemCount() - 1, &last, LVIR_BOUNDS);
      point = CPoint(20, last.bottom + 3);
      break;
    }
  }
  int column = -7;
  int hit = harness.Grid().HitTestCell(point, column);
  if (c.where == Where::BelowLastRow) {
    EXPECT_EQ(hit, -1);
  }

  harness.Click(point);

  CEditEx* editor = harness.Editor();
  if (c.expectedRow < 0) {
    EXPECT_EQ(editor, nullptr);
    EXPECT_EQ(harness.LiveEditors(), 0);
    return;
  }
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->Row(), c.expectedRow);
  EXPECT_EQ(editor->Column(), c.expectedColumn);
  EXPECT_EQ(hit, c.expectedRow);
  EXPECT_EQ(column, c.expectedColumn);
  EXPECT_EQ(harness.LiveEditors(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, Clicks,
    testing::Values(
        ClickCase{"InsideCell", WithNarrowColumn(), 1, 1, Where::Center, 1, 1},
        ClickCase{"BorderBelongsToLeftColumn", WithNarrowColumn(), 1, 0, Where::BorderAfter, 1, 0},
        ClickCase{"BorderBeforeNarrowColumn", WithNarrowColumn(), 2, 1, Where::BorderAfter, 2, 1},
        ClickCase{"NarrowColumnOpensNothing", WithNarrowColumn(), 1, 2, Where::NarrowColumnInside, -1, 0},
        ClickCase{"ColumnAfterNarrowOne", WithNarrowColumn(), 0, 3, Where::Center, 0, 3},
        ClickCase{"ColumnBeyondExtent", WithNarrowColumn(), 0, 4, Where::Center, -1, 0},
        ClickCase{"RowBeyondExtent", WithNarrowColumn(), 3, 1, Where::Center, -1, 0},
        ClickCase{"BelowLastRow", WithNarrowColumn(), 0, 0, Where::BelowLastRow, -1, 0},
        ClickCase{"NamesGridFourthColumn", NamesGrid(), 0, 3, Where::Center, 0, 3},
        ClickCase{"NamesGridFifthColumnIgnored", NamesGrid(), 0, 4, Where::Center, -1, 0},
        ClickCase{"NamesGridSecondRowIgnored", NamesGrid(), 1, 0, Where::Center, -1, 0},
        ClickCase{"DefaultExtentLastCell", DefaultExtent(), 19, 5, Where::Center, 19, 5},
        ClickCase{"DefaultExtentSeventhColumnIgnored", DefaultExtent(), 0, 6, Where::Center, -1, 0},
        ClickCase{"DefaultExtentTwentyFirstRowIgnored", DefaultExtent(), 20, 0, Where::Center, -1, 0}),
    [](const testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.name); });

TEST(EditorStartUp, TakesTextFontFocusAndSelectsAll) {
  GridHarness harness;
  ASSERT_TRUE(harness.Open(GridLayout{}));
  CFont bigger;
  ASSERT_TRUE(bigger.CreatePointFont(140, "Liberation Serif"));
  harness.Grid().SetFont(&bigger);

  harness.Click(harness.CellCenter(1, 2));

  CEditEx* editor = harness.Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->GetWindowText(), CellText(1, 2));
  int start = -1, end = -1;
  editor->GetSel(start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, static_cast<int>(CellText(1, 2).size()));
  EXPECT_EQ(CFont::FaceName(*editor->GetFont()), CFont::FaceName(*harness.Grid().GetFont()));
  EXPECT_EQ(CFont::PointSize(*editor->GetFont()), 14);
  EXPECT_EQ(editor->GetDlgCtrlID(), 1001);
  EXPECT_EQ(editor->GetParent(), &harness.Grid());
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
  EXPECT_EQ(editor->GetStyle() & style, style);
  UINT code = static_cast<UINT>(editor->SendMessage(WM_GETDLGCODE));
  EXPECT_EQ(code & (DLGC_WANTARROWS | DLGC_WANTTAB), DLGC_WANTARROWS | DLGC_WANTTAB);
}

struct PlacementCase {
  const char* name;
  int format;
  DWORD alignment;
};
void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class EditorPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(EditorPlacement, CoversTheCellInsetAndAlignedLikeTheColumn) {
  const PlacementCase& c = GetParam();
  GridHarness harness;
  GridLayout layout;
  layout.widths = {70, 90, 80};
  layout.formats = {LVCFMT_LEFT, c.format, LVCFMT_LEFT};
  ASSERT_TRUE(harness.Open(layout));
  CEditEx* editor = harness.Grid().BeginCellEdit(2, 1);
  ASSERT_NE(editor, nullptr);

  CRect row;
  harness.Grid().GetItemRect(2, &row, LVIR_BOUNDS);
  EXPECT_EQ(harness.EditorRect(editor), CRect(row.left + 70 + 4, row.top, row.left + 70 + 4 + 90 - 3, row.bottom));
  EXPECT_EQ(editor->GetStyle() & (ES_CENTER | ES_RIGHT), c.alignment);
}

INSTANTIATE_TEST_SUITE_P(Formats, EditorPlacement,
                         testing::Values(PlacementCase{"Left", LVCFMT_LEFT, ES_LEFT},
                                         PlacementCase{"Right", LVCFMT_RIGHT, ES_RIGHT},
                                         PlacementCase{"Center", LVCFMT_CENTER, ES_CENTER}),
                         [](const testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

TEST(EditorPlacement, StopsAtTheGridsRightEdge) {
  GridHarness harness;
  GridLayout layout;
  layout.widths = {150, 100};
  layout.width = 200;
  ASSERT_TRUE(harness.Open(layout));
  CEditEx* editor = harness.Grid().BeginCellEdit(0, 1);
  ASSERT_NE(editor, nullptr);
  CRect client;
  harness.Grid().GetClientRect(&client);
  CRect rect = harness.EditorRect(editor);
  EXPECT_EQ(rect.left, 154);
  EXPECT_EQ(rect.right, client.right);
}

TEST(EditorPlacement, ScrollsAColumnThatStartsOffScreenIntoView) {
  GridHarness harness;
  GridLayout layout;
  layout.widths = {80, 80, 80, 80, 80, 80};
  layout.width = 200;
  ASSERT_TRUE(harness.Open(layout));
  CRect client;
  harness.Grid().GetClientRect(&client);
  for (int column : {5, 3, 0}) {
    SCOPED_TRACE(testing::Message() << "column " << column);
    CEditEx* editor = harness.Grid().BeginCellEdit(1, column);
    ASSERT_NE(editor, nullptr);
    CRect row;
    harness.Grid().GetItemRect(1, &row, LVIR_BOUNDS);
    int columnLeft = row.left + 80 * column;
    EXPECT_GE(columnLeft, 0);
    EXPECT_LE(columnLeft, client.right);
    CRect rect = harness.EditorRect(editor);
    EXPECT_EQ(rect.left, columnLeft + 4);
    EXPECT_LE(rect.right, client.right);
  }
}

TEST(EditorGrowth, WidensToTheTextUpToTheGridEdgeAndNeverShrinks) {
  GridHarness harness;
  GridLayout layout;
  layout.widths = {80, 80, 80};
  layout.width = 300;
  ASSERT_TRUE(harness.Open(layout));
  harness.Click(harness.CellCenter(0, 1));
  CEditEx* editor = harness.Editor();
  ASSERT_NE(editor, nullptr);
  CRect grid;
  harness.Grid().GetClientRect(&grid);
  const CRect initial = harness.EditorRect(editor);
  EXPECT_EQ(initial.Width(), 77);

  harness.Type("ab");  // replaces the selected text; fits the cell
  EXPECT_EQ(harness.EditorRect(editor), initial);

  harness.Type("WWWWWWWWWW");
  CClientDC dc(editor);
  dc.SelectObject(harness.Grid().GetFont());
  const CSize extent = dc.GetTextExtent(editor->GetWindowText());
  CRect widened = harness.EditorRect(editor);
  ASSERT_GT(extent.cx + 5, initial.Width());
  EXPECT_EQ(widened.left, initial.left);
  EXPECT_EQ(widened.right, std::min<LONG>(initial.left + extent.cx + 5, grid.right));
  EXPECT_EQ(widened.top, initial.top);
  EXPECT_EQ(widened.bottom, initial.bottom);

  harness.Type(QString(60, QChar('W')));
  CRect full = harness.EditorRect(editor);
  EXPECT_EQ(full.right, grid.right);

  for (int i = 0; i < 70; ++i) harness.Press(Qt::Key_Backspace);
  EXPECT_EQ(editor->GetWindowText(), "ab");
  EXPECT_EQ(harness.EditorRect(editor), full);
}

}  // namespace
