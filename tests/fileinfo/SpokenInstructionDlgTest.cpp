// SPDX-License-Identifier: GPL-3.0-or-later
// The spoken-instruction window: its rows from the component's array, its size, and its close box.
#include <gtest/gtest.h>

#include <QWidget>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "fileinfo/SmSpokenInstructionDlg.h"
#include "platform/automation/SafeArray.h"
#include "platform/ui/MessageQueue.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace {

using Pairs = std::vector<std::pair<LONG, LONG>>;

// The component's shape: dimension 1 start and end, dimension 2 one per instruction.
void MakeList(VARIANT* v, const Pairs& pairs) {
  SAFEARRAYBOUND bounds[2] = {{2, 0}, {static_cast<ULONG>(pairs.size()), 0}};
  SAFEARRAY* array = SafeArrayCreate(VT_I4, 2, bounds);
  for (LONG r = 0; r < static_cast<LONG>(pairs.size()); ++r) {
    const std::array<LONG, 2> start{0, r};
    const std::array<LONG, 2> end{1, r};
    SafeArrayPutElement(array, start, &pairs[r].first);
    SafeArrayPutElement(array, end, &pairs[r].second);
  }
  v->vt = VT_ARRAY | VT_I4;
  v->parray = array;
}

class SpokenInstructionDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(owner.Create());
    ASSERT_TRUE(window.Create(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, RECT{0, 0, 320, 220}, &owner, 1085));
    arraysBefore = SafeArrayLiveCount();
  }
  void TearDown() override { EXPECT_EQ(SafeArrayLiveCount(), arraysBefore) << "FillList frees what it took"; }

  bool Fill(const Pairs& pairs) {
    Variant v;
    MakeList(v.Get(), pairs);
    return window.FillList(v.Get());
  }

  std::vector<std::vector<std::string>> Rows() {
    std::vector<std::vector<std::string>> rows;
    CListCtrl& list = window.List();
    for (int i = 0; i < list.GetItemCount(); ++i) {
      rows.push_back({list.GetItemText(i, 0), list.GetItemText(i, 1), std::to_string(list.GetItemData(i))});
    }
    return rows;
  }

  CDialog owner{SmallTemplate({})};
  CSmSpokenInstructionDlg window;
  long arraysBefore = 0;
};

TEST_F(SpokenInstructionDlgTest, CreatedHiddenWithTitleEdgesAndTwoRightAlignedColumns) {
  EXPECT_FALSE(window.IsWindowVisible());
  EXPECT_EQ(window.GetWindowText(), "SpokenInstructionList");
  EXPECT_EQ(window.GetExStyle() & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), WS_EX_CLIENTEDGE | WS_EX_STATICEDGE);
  CListCtrl& list = window.List();
  EXPECT_EQ(list.GetDlgCtrlID(), 1);
  for (int column = 0; column < 2; ++column) {
    LVCOLUMN info{};
    char text[32] = {};
    info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    ASSERT_TRUE(list.GetColumn(column, &info));
    EXPECT_EQ(std::string(text), column == 0 ? "Start" : "End");
    EXPECT_EQ(info.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
    EXPECT_EQ(info.cx, 60);
  }
}

TEST_F(SpokenInstructionDlgTest, FillsOneRowPerInstructionWithItsIndexAsData) {
  EXPECT_TRUE(Fill({{10, 20}, {30, 45}, {50, 60}}));
  EXPECT_EQ(Rows(), (std::vector<std::vector<std::string>>{{"10", "20", "0"}, {"30", "45", "1"}, {"50", "60", "2"}}));
}

TEST_F(SpokenInstructionDlgTest, NegativeValuesKeepTheirSign) {
  EXPECT_TRUE(Fill({{-1, -2147483647 - 1}}));
  EXPECT_EQ(Rows(), (std::vector<std::vector<std::string>>{{"-1", "-2147483648", "0"}}));
}

TEST_F(SpokenInstructionDlgTest, FillingAgainReplacesTheRows) {
  Fill({{1, 2}, {3, 4}});
  Fill({{5, 6}});
  EXPECT_EQ(Rows(), (std::vector<std::vector<std::string>>{{"5", "6", "0"}}));
}

TEST_F(SpokenInstructionDlgTest, MissingEmptyOrWrongVariantsEmptyTheList) {
  Fill({{1, 2}});
  EXPECT_FALSE(window.FillList(nullptr));
  EXPECT_EQ(window.List().GetItemCount(), 0);

  Fill({{1, 2}});
  Variant empty;
  EXPECT_FALSE(window.FillList(empty.Get()));
  EXPECT_EQ(window.List().GetItemCount(), 0);

  // Not an array at all: never read as one.
  Variant number;
  number->vt = VT_I4;
  number->lVal = 0x1234;
  EXPECT_FALSE(window.FillList(number.Get()));
  EXPECT_EQ(window.List().GetItemCount(), 0);
}

TEST_F(SpokenInstructionDlgTest, TakesTheArrayOverAndLeavesTheVariantEmpty) {
  Variant v;
  MakeList(v.Get(), {{7, 8}});
  EXPECT_TRUE(window.FillList(v.Get()));
  EXPECT_EQ(v->vt, VT_EMPTY);
  EXPECT_EQ(SafeArrayLiveCount(), arraysBefore);
}

TEST_F(SpokenInstructionDlgTest, ResizingFillsTheClientAreaWithTheList) {
  window.ShowWindow(SW_SHOW);
  window.MoveWindow(10, 10, 400, 300);
  RECT client{};
  window.GetClientRect(&client);
  RECT list{};
  window.List().GetWindowRect(&list);
  window.ScreenToClient(&list);
  EXPECT_EQ(list.left, 0);
  EXPECT_EQ(list.top, 0);
  EXPECT_EQ(list.right - list.left, client.right - client.left);
  EXPECT_EQ(list.bottom - list.top, client.bottom - client.top);
}

TEST_F(SpokenInstructionDlgTest, CloseBoxHidesAndPostsOneMessageWithTheNotificationValue) {
  window.ShowWindow(SW_SHOW);
  ASSERT_TRUE(WidgetOf(window));
  WidgetOf(window)->close();
  EXPECT_TRUE(window.IsWindow()) << "closing only hides";
  EXPECT_FALSE(window.IsWindowVisible());

  MSG msg{};
  ASSERT_TRUE(PeekMessage(&msg, owner.GetSafeHwnd(), WM_SPOKENINSTRUCTION_CLOSE, WM_SPOKENINSTRUCTION_CLOSE,
                          PM_REMOVE));
  EXPECT_EQ(msg.wParam, 1085u);
  EXPECT_EQ(msg.lParam, 0);
  EXPECT_FALSE(PeekMessage(&msg, owner.GetSafeHwnd(), WM_SPOKENINSTRUCTION_CLOSE, WM_SPOKENINSTRUCTION_CLOSE,
                           PM_REMOVE));

  Fill({{1, 2}});
  window.ShowWindow(SW_SHOW);
  EXPECT_TRUE(window.IsWindowVisible());
}

TEST(SpokenInstructionMessage, IsTheRegisteredNumberOfItsName) {
  EXPECT_EQ(WM_SPOKENINSTRUCTION_CLOSE, RegisterWindowMessage("WM_SPOKENINSTRUCTION_CLOSE"));
  EXPECT_GE(WM_SPOKENINSTRUCTION_CLOSE, 0xC000u);
}

}  // namespace
