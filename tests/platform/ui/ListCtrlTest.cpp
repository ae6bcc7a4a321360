// SPDX-License-Identifier: GPL-3.0-or-later
// The report-view list control: columns, cells, geometry in client coordinates, scrolling.
#include <gtest/gtest.h>

#include <QTableWidget>

#include "AccessibleDriver.h"
#include "UiTestSupport.h"

namespace {

DialogTemplate ListTemplate(DWORD style) { return SmallTemplate({ListView(1161, 5, 5, 150, 80, style)}); }

class ListCtrl : public ::testing::TestWithParam<DWORD> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    ASSERT_TRUE(list.SubclassDlgItem(1161, &dialog));
    for (int c = 0; c < 4; ++c) list.InsertColumn(c, "K" + std::to_string(c), c == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT, 70);
    for (int r = 0; r < 20; ++r) list.InsertItem(r, "row" + std::to_string(r));
  }
  void TearDown() override { dialog.DestroyWindow(); }
  CDialog dialog{ListTemplate(GetParam())};
  CListCtrl list;
};

TEST_P(ListCtrl, ColumnsKeepWidthAndFormat) {
  EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 4);
  EXPECT_EQ(list.SendMessage(HDM_GETITEMCOUNT), 4);
  LVCOLUMN column;
  column.mask = LVCF_FMT | LVCF_WIDTH;
  ASSERT_TRUE(list.GetColumn(1, &column));
  EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
  EXPECT_EQ(column.cx, 70);
  EXPECT_TRUE(list.SetColumnWidth(2, 3));
  EXPECT_EQ(list.GetColumnWidth(2), 3);  // narrow columns stay narrow
  EXPECT_EQ(list.GetColumnWidth(9), 0);
  EXPECT_TRUE(list.DeleteColumn(0));
  EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 3);
  ASSERT_TRUE(list.GetColumn(0, &column));
  EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
}

TEST_P(ListCtrl, SetColumnChangesHeadingFormatAndWidthOfAnExistingColumn) {
  std::string heading = "Client";
  LVCOLUMN change{};
  change.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
  change.fmt = LVCFMT_CENTER;
  change.cx = 33;
  change.pszText = heading.data();
  ASSERT_TRUE(list.SetColumn(2, &change));
  EXPECT_FALSE(list.SetColumn(4, &change));
  char text[16] = {};
  LVCOLUMN read{};
  read.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
  read.pszText = text;
  read.cchTextMax = sizeof text;
  ASSERT_TRUE(list.GetColumn(2, &read));
  EXPECT_STREQ(text, "Client");
  EXPECT_EQ(read.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_CENTER);
  EXPECT_EQ(read.cx, 33);
  EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 4);
}

TEST_P(ListCtrl, EmptyTextsAndRepeatedColoursChangeWhatTheyShould) {
  EXPECT_TRUE(list.SetItemText(5, 3, ""));
  EXPECT_EQ(list.GetItemText(5, 3), "");
  EXPECT_TRUE(list.SetItemText(5, 3, "x"));
  EXPECT_TRUE(list.SetItemText(5, 3, ""));
  EXPECT_EQ(list.GetItemText(5, 3), "") << "an empty text clears a cell that had one";
  EXPECT_TRUE(list.SetTextBkColor(RGB(1, 2, 3)));
  EXPECT_TRUE(list.SetTextBkColor(RGB(1, 2, 3)));
  EXPECT_EQ(list.GetTextBkColor(), RGB(1, 2, 3));
  EXPECT_TRUE(list.SetItemText(6, 2, "y"));
  auto* table = qobject_cast<QTableWidget*>(WidgetOf(list));
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->item(6, 2)->background().color(), QColor(1, 2, 3)) << "a new cell takes the text background";
}

TEST_P(ListCtrl, CellsHoldTextAndRowsData) {
  EXPECT_EQ(list.GetItemCount(), 20);
  EXPECT_TRUE(list.SetItemText(3, 2, "Author"));
  EXPECT_EQ(list.GetItemText(3, 2), "Author");
  EXPECT_EQ(list.GetItemText(3, 0), "row3");
  EXPECT_FALSE(list.SetItemText(3, 7, "x"));
  EXPECT_EQ(list.GetItemText(99, 0), "");
  EXPECT_TRUE(list.SetItemData(4, 1234));
  EXPECT_EQ(list.GetItemData(4), 1234u);
  EXPECT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_P(ListCtrl, RowBoundsSpanAllColumnsAndHitTestFindsTheRow) {
  CRect first, second;
  ASSERT_TRUE(list.GetItemRect(0, &first, LVIR_BOUNDS));
  ASSERT_TRUE(list.GetItemRect(1, &second, LVIR_BOUNDS));
  EXPECT_EQ(first.Width(), 4 * 70);
  EXPECT_EQ(second.top, first.bottom);
  EXPECT_EQ(list.HitTest(CPoint(first.left + 5, second.top + 1)), 1);
  EXPECT_EQ(list.HitTest(CPoint(first.left + 5, -50)), -1);
  EXPECT_FALSE(list.GetItemRect(20, &first, LVIR_BOUNDS));
  // Client coordinates start below a visible header.
  if (GetParam() & LVS_NOCOLUMNHEADER) {
    EXPECT_EQ(first.top, 0);
  } else {
    EXPECT_GT(first.top, 0);
  }
}

TEST_P(ListCtrl, ScrollMovesTopIndexAndRowRectangles) {
  int page = list.GetCountPerPage();
  CRect client;
  list.GetClientRect(&client);
  CRect row;
  list.GetItemRect(0, &row, LVIR_BOUNDS);
  EXPECT_GT(page, 0);
  EXPECT_LE(page * row.Height(), client.Height());
  EXPECT_EQ(list.GetTopIndex(), 0);
  list.Scroll(CSize(0, 3 * row.Height()));
  EXPECT_EQ(list.GetTopIndex(), 3);
  list.Scroll(CSize(25, 0));
  CRect moved;
  list.GetItemRect(3, &moved, LVIR_BOUNDS);
  EXPECT_EQ(moved.left, row.left - 25);
  EXPECT_EQ(moved.top, row.top);
  EXPECT_EQ(list.SendMessage(LVM_GETTOPINDEX), 3);
}

TEST_P(ListCtrl, LookSettingsAreKept) {
  EXPECT_EQ(list.SetExtendedStyle(LVS_EX_GRIDLINES), 0u);
  EXPECT_EQ(list.GetExtendedStyle(), LVS_EX_GRIDLINES);
  EXPECT_TRUE(Control<QTableWidget>(dialog, 1161)->showGrid());
  list.SetBkColor(RGB(255, 255, 224));
  list.SetTextColor(RGB(0, 0, 128));
  EXPECT_EQ(list.GetBkColor(), RGB(255, 255, 224));
  EXPECT_EQ(list.GetTextColor(), RGB(0, 0, 128));
  EXPECT_NE(list.GetFont(), nullptr);
  EXPECT_EQ(list.SendMessage(WM_GETFONT), reinterpret_cast<LRESULT>(list.GetFont()->GetSafeHandle()));
}

INSTANTIATE_TEST_SUITE_P(Views, ListCtrl,
                         ::testing::Values(DWORD{LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_NOSCROLL | LVS_EDITLABELS},
                                           DWORD{LVS_REPORT}),
                         [](const auto& info) { return info.param & LVS_NOCOLUMNHEADER ? std::string("NoHeader")
                                                                                        : std::string("WithHeader"); });

// A cell set by an accessibility client shows nothing by itself: a list that edits labels tells its
// owner, as an edit made in place would; any other list takes nothing.
class CRecordingList : public CListCtrl {
 public:
  CRecordingList() { MapNotifyReflect(LVN_ENDLABELEDIT, &CRecordingList::OnEndLabelEdit); }
  std::vector<std::string> edits;

 private:
  void OnEndLabelEdit(NMHDR* header, LRESULT* result) {
    const LVITEM& item = reinterpret_cast<NMLVDISPINFO*>(header)->item;
    edits.push_back(std::to_string(item.iItem) + "," + std::to_string(item.iSubItem) + "=" + item.pszText);
    *result = 0;
  }
};

struct ClientText {
  const char* name;
  DWORD style;
  int column;  // 0 holds the row's text; 2 has no cell yet
  std::vector<std::string> edits;
};
void PrintTo(const ClientText& row, std::ostream* os) { *os << row.name; }

class ClientTexts : public ::testing::TestWithParam<ClientText> {};

TEST_P(ClientTexts, ReachTheOwnerOrNothing) {
  CDialog dialog{ListTemplate(GetParam().style)};
  ASSERT_TRUE(dialog.Create());
  dialog.ShowWindow(SW_SHOW);
  CRecordingList list;
  ASSERT_TRUE(list.SubclassDlgItem(1161, &dialog));
  for (int c = 0; c < 3; ++c) list.InsertColumn(c, "K" + std::to_string(c), LVCFMT_LEFT, 40);
  for (int r = 0; r < 3; ++r) list.InsertItem(r, "row" + std::to_string(r));
  const std::string before = list.GetItemText(1, GetParam().column);

  ASSERT_TRUE(accessible::SetCellText(Control<QTableWidget>(dialog, 1161), 1, GetParam().column, "typed"));

  EXPECT_EQ(list.edits, GetParam().edits);
  EXPECT_EQ(list.GetItemText(1, GetParam().column), before);
  dialog.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ClientTexts,
    ::testing::Values(ClientText{"EditsLabelsCellWithText", LVS_REPORT | LVS_EDITLABELS, 0, {"1,0=typed"}},
                      ClientText{"EditsLabelsEmptyCell", LVS_REPORT | LVS_EDITLABELS, 2, {"1,2=typed"}},
                      ClientText{"ReadOnlyCellWithText", LVS_REPORT, 0, {}},
                      ClientText{"ReadOnlyEmptyCell", LVS_REPORT, 2, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
