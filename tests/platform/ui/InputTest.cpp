// SPDX-License-Identifier: GPL-3.0-or-later
// Keys, clicks, focus loss and destruction reach a heap editor over a list control the way the
// platform delivers them, and notifications come back to the list by reflection.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTableWidget>

#include "UiTestSupport.h"

namespace {

struct Seen {
  std::vector<UINT> chars;
  std::vector<bool> shiftWithChar;
  std::vector<UINT> keysDown;
  std::vector<UINT> keysUp;
  std::vector<std::string> committed;  // "(null)" for a cancelled edit
  std::vector<UINT_PTR> notifySources;
  std::vector<CPoint> clicks;
  bool editorDeleted = false;
};

class CTestList : public CListCtrl {
 public:
  explicit CTestList(Seen& seen) : m_seen(seen) { MapNotifyReflect(LVN_ENDLABELEDIT, &CTestList::OnEndLabelEdit); }

 protected:
  void OnLButtonDown(UINT flags, CPoint point) override {
    CListCtrl::OnLButtonDown(flags, point);
    m_seen.clicks.push_back(point);
  }

 private:
  void OnEndLabelEdit(NMHDR* header, LRESULT* result) {
    auto* info = reinterpret_cast<NMLVDISPINFO*>(header);
    m_seen.notifySources.push_back(header->idFrom);
    m_seen.committed.push_back(info->item.pszText ? info->item.pszText : "(null)");
    if (info->item.pszText) SetItemText(info->item.iItem, info->item.iSubItem, info->item.pszText);
    *result = 0;
  }
  Seen& m_seen;
};

class CTestEditor : public CEdit {
 public:
  CTestEditor(CTestList* list, Seen& seen) : m_list(list), m_seen(seen) {}

  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
      TranslateMessage(msg);
      DispatchMessage(msg);
      return TRUE;
    }
    return CEdit::PreTranslateMessage(msg);
  }

 protected:
  UINT OnGetDlgCode() override { return CEdit::OnGetDlgCode() | DLGC_WANTARROWS | DLGC_WANTTAB; }
  void OnChar(UINT ch, UINT repeat, UINT flags) override {
    m_seen.chars.push_back(ch);
    m_seen.shiftWithChar.push_back(GetKeyState(VK_SHIFT) < 0);
    if (ch == VK_ESCAPE) {
      m_cancelled = true;
      m_list->SetFocus();
      return;
    }
    if (ch == VK_TAB || ch == VK_RETURN) return;
    CEdit::OnChar(ch, repeat, flags);
  }
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override {
    m_seen.keysDown.push_back(key);
    CEdit::OnKeyDown(key, repeat, flags);
  }
  void OnKeyUp(UINT key, UINT repeat, UINT flags) override {
    m_seen.keysUp.push_back(key);
    CEdit::OnKeyUp(key, repeat, flags);
  }
  void OnKillFocus(CWnd* next) override {
    CEdit::OnKillFocus(next);
    std::string text = GetWindowText();
    NMLVDISPINFO info;
    info.hdr.hwndFrom = m_list->m_hWnd;
    info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    info.hdr.code = LVN_ENDLABELEDIT;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = 0;
    info.item.iSubItem = 1;
    info.item.pszText = m_cancelled ? nullptr : text.data();
    info.item.cchTextMax = static_cast<int>(text.size());
    m_list->GetParent()->SendMessage(WM_NOTIFY, static_cast<WPARAM>(m_list->GetDlgCtrlID()),
                                     reinterpret_cast<LPARAM>(&info));
    DestroyWindow();
  }
  void PostNcDestroy() override {
    m_seen.editorDeleted = true;
    delete this;
  }

 private:
  CTestList* m_list;
  Seen& m_seen;
  bool m_cancelled = false;
};

DialogTemplate GridTemplate() {
  return SmallTemplate({ListView(1161, 5, 5, 180, 80, LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_NOSCROLL),
                        DefPushButton(IDOK, "OK", 140, 100, 50, 14)});
}

class CGridDlg : public CDialog {
 public:
  explicit CGridDlg(Seen& seen) : CDialog(GridTemplate()), list(seen) {}
  CTestList list;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 1161, list); }
};

class Input : public ::testing::Test {
 protected:
  // Runs the grid dialog modally with an editor open over cell (0, 1).
  INT_PTR Run(std::function<void(CTestEditor*, QLineEdit*)> interaction) {
    return RunModal(dialog, [this, interaction] {
      dialog.list.InsertColumn(0, "a", LVCFMT_LEFT, 60);
      dialog.list.InsertColumn(1, "b", LVCFMT_RIGHT, 60);
      dialog.list.InsertItem(0, "x");
      dialog.list.SetItemText(0, 1, "old");
      CRect cell;
      dialog.list.GetSubItemRect(0, 1, LVIR_BOUNDS, &cell);
      auto* editor = new CTestEditor(&dialog.list, seen);
      EXPECT_TRUE(editor->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | ES_RIGHT, cell, &dialog.list, 1001));
      editor->SetWindowText("old");
      editor->SetFocus();
      editor->SetSel(0, -1);
      interaction(editor, qobject_cast<QLineEdit*>(WidgetOf(*editor)));
      if (dialog.IsWindow()) dialog.EndDialog(IDCANCEL);
    });
  }
  Seen seen;
  CGridDlg dialog{seen};
};

TEST_F(Input, TypedCharactersReachOnCharAndTheDefaultInsertsThem) {
  Run([&](CTestEditor*, QLineEdit* edit) {
    QTest::keyClicks(edit, "ab");
    EXPECT_EQ(edit->text(), "ab");  // replaced the selected "old"
  });
  EXPECT_EQ(seen.chars, (std::vector<UINT>{'a', 'b'}));
  EXPECT_EQ(seen.keysDown, (std::vector<UINT>{'A', 'B'}));
  EXPECT_EQ(seen.keysUp, (std::vector<UINT>{'A', 'B'}));
}

TEST_F(Input, TabReachesAnEditorThatWantsItWithTheShiftStateOfTheInput) {
  Run([&](CTestEditor*, QLineEdit* edit) {
    QTest::keyClick(edit, Qt::Key_Tab);
    QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), edit);
  });
  EXPECT_EQ(seen.chars, (std::vector<UINT>{VK_TAB, VK_TAB}));
  EXPECT_EQ(seen.shiftWithChar, (std::vector<bool>{false, true}));
}

TEST_F(Input, PreTranslatedEnterAndEscapeNeverReachTheDialog) {
  INT_PTR result = Run([&](CTestEditor*, QLineEdit* edit) {
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(dialog.IsWindowVisible());
    QTest::keyClick(edit, Qt::Key_Escape);  // cancels the edit, focus goes to the list
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(dialog.list.GetItemText(0, 1), "old");
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(seen.chars, (std::vector<UINT>{VK_RETURN, VK_ESCAPE}));
  EXPECT_EQ(seen.committed, std::vector<std::string>{"(null)"});
  EXPECT_TRUE(seen.editorDeleted);
}

TEST_F(Input, FocusLossCommitsThroughReflectionAndTheEditorDeletesItself) {
  HWND editorHwnd = nullptr;
  Run([&](CTestEditor* editor, QLineEdit* edit) {
    editorHwnd = editor->m_hWnd;
    QTest::keyClicks(edit, "new");
    dialog.GetDlgItem(IDOK)->SetFocus();
    EXPECT_TRUE(seen.editorDeleted);
    EXPECT_FALSE(IsWindow(editorHwnd));
  });
  EXPECT_EQ(seen.committed, std::vector<std::string>{"new"});
  EXPECT_EQ(seen.notifySources, std::vector<UINT_PTR>{1001});
}

TEST_F(Input, ClickReachesTheListInClientCoordinates) {
  Run([&](CTestEditor*, QLineEdit*) {
    CRect row;
    ASSERT_TRUE(dialog.list.GetItemRect(0, &row, LVIR_BOUNDS));
    QTableWidget* table = Control<QTableWidget>(dialog, 1161);
    QPoint inViewport(10, row.top + 3);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, inViewport);
    ASSERT_EQ(seen.clicks.size(), 1u);
    EXPECT_EQ(dialog.list.HitTest(seen.clicks[0]), 0);
  });
  ASSERT_EQ(seen.clicks.size(), 1u);
  EXPECT_EQ(seen.clicks[0].x, 10);
  EXPECT_TRUE(seen.editorDeleted);  // the click took the focus
}

}  // namespace
