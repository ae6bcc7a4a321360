// SPDX-License-Identifier: GPL-3.0-or-later
#include "keywords/EditEx.h"

#include "keywords/KeywordListCtrl.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/MessageQueue.h"

namespace {

bool IsEditorKey(WPARAM key) {
  switch (key) {
    case VK_RETURN:
    case VK_DELETE:
    case VK_ESCAPE:
    case VK_TAB:
    case VK_UP:
    case VK_DOWN: return true;
    default: return false;
  }
}

bool ShiftHeld() { return GetKeyState(VK_SHIFT) < 0; }
bool ControlHeld() { return GetKeyState(VK_CONTROL) < 0; }

}  // namespace

CEditEx::CEditEx(CKeywordListCtrl* list, int row, int column, std::string initialText)
    : m_list(list), m_row(row), m_column(column), m_initialText(std::move(initialText)),
      m_listWindow(list ? list->GetSafeHwnd() : nullptr) {}

bool CEditEx::GridIsAlive() const {
  return m_list && ::IsWindow(m_listWindow) && CWnd::FromHandlePermanent(m_listWindow) == m_list;
}

int CEditEx::OnCreate(LPCREATESTRUCT cs) {
  if (CEdit::OnCreate(cs) == -1) return -1;
  SetFont(m_list->GetFont(), TRUE);
  SetWindowText(m_initialText);
  // Taking the focus closes whichever editor was open before, so there is never more than one.
  SetFocus();
  SetSel(0, -1);
  SendMessage(EM_SCROLLCARET);
  return 0;
}

BOOL CEditEx::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_KEYDOWN && (IsEditorKey(msg->wParam) || GetKeyState(VK_CONTROL) != 0)) {
    ::TranslateMessage(msg);
    ::DispatchMessage(msg);
    return TRUE;
  }
  return CEdit::PreTranslateMessage(msg);
}

UINT CEditEx::OnGetDlgCode() { return CEdit::OnGetDlgCode() | DLGC_WANTARROWS | DLGC_WANTTAB; }

// Each move opens the next editor, whose focus grab commits and closes this one: nothing here may
// touch the editor after BeginCellEdit.
void CEditEx::OnChar(UINT nChar, UINT repeatCount, UINT flags) {
  switch (nChar) {
    case VK_TAB:
      if (ShiftHeld()) MoveBackward();
      else MoveForward();
      return;
    case VK_RETURN: CommitAndMoveDown(); return;
    case VK_ESCAPE: Cancel(); return;
    default:
      CEdit::OnChar(nChar, repeatCount, flags);
      GrowToFitText();
  }
}

void CEditEx::MoveForward() {
  if (m_column < m_list->LastEditableColumn()) m_list->BeginCellEdit(m_row, m_column + 1);
  else if (m_row < m_list->LastEditableRow()) m_list->BeginCellEdit(m_row + 1, 0);
  else m_list->BeginCellEdit(0, 0);
}

void CEditEx::MoveBackward() {
  if (m_column > 0) m_list->BeginCellEdit(m_row, m_column - 1);
  else if (m_row > 0) m_list->BeginCellEdit(m_row - 1, m_list->LastEditableColumn());
}

void CEditEx::CommitAndMoveDown() {
  CKeywordListCtrl* list = m_list;
  HWND listWindow = m_listWindow;
  int row = m_row;
  int column = m_column;
  SendEndEdit();
  // The owner's handler runs in between; go on with copies and only if the grid is still there.
  if (!::IsWindow(listWindow) || CWnd::FromHandlePermanent(listWindow) != list) return;
  if (row < list->LastEditableRow()) list->BeginCellEdit(row + 1, column);
}

void CEditEx::Cancel() {
  m_cancelled = TRUE;
  m_list->SetFocus();  // the editor closes through its focus loss
}

void CEditEx::OnKeyDown(UINT nChar, UINT repeatCount, UINT flags) {
  switch (nChar) {
    case VK_UP:
      if (m_row > 0) m_list->BeginCellEdit(m_row - 1, m_column);
      return;
    case VK_DOWN:
      if (m_row < m_list->LastEditableRow()) m_list->BeginCellEdit(m_row + 1, m_column);
      return;
    case VK_HOME:
      if (ControlHeld()) {
        m_list->BeginCellEdit(0, m_column);
        return;
      }
      break;
    case VK_END:
      if (ControlHeld()) {
        m_list->BeginCellEdit(m_list->GetItemCount() - 1, m_column);
        return;
      }
      break;
    default: break;
  }
  CEdit::OnKeyDown(nChar, repeatCount, flags);
}

// The page keys act on release and, like Ctrl+Home and Ctrl+End, go by the item count.
void CEditEx::OnKeyUp(UINT nChar, UINT repeatCount, UINT flags) {
  int page = m_list->GetCountPerPage();
  int count = m_list->GetItemCount();
  switch (nChar) {
    case VK_PRIOR: {
      int row = m_row - page;
      m_list->BeginCellEdit(row > 0 ? row : 0, m_column);
      return;
    }
    case VK_NEXT: {
      int row = m_row + page;
      m_list->BeginCellEdit(row < count ? row : count - 1, m_column);
      return;
    }
    default: CEdit::OnKeyUp(nChar, repeatCount, flags);
  }
}

// Widens the editor to show the whole text, up to the grid's right edge; it never shrinks.
void CEditEx::GrowToFitText() {
  std::string text = GetWindowText();
  CClientDC dc(this);
  CFont* previous = dc.SelectObject(m_list->GetFont());
  SIZE extent;
  GetTextExtentPoint32(&dc, text.c_str(), static_cast<int>(text.size()), &extent);
  dc.SelectObject(previous);

  CRect rect;
  GetClientRect(&rect);
  MapWindowPoints(m_list, &rect);
  CRect grid;
  m_list->GetClientRect(&grid);
  if (rect.Width() >= extent.cx + 5) return;
  int right = rect.left + extent.cx + 5;
  rect.right = right >= grid.right ? grid.right : right;
  MoveWindow(&rect, TRUE);
}

void CEditEx::OnKillFocus(CWnd* newWnd) {
  CEdit::OnKillFocus(newWnd);
  SendEndEdit();
  DestroyWindow();
}

void CEditEx::SendEndEdit() {
  if (!GridIsAlive()) return;
  CWnd* parent = m_list->GetParent();
  if (!parent) return;
  std::string text = GetWindowText();
  NMLVDISPINFO info;
  info.hdr.hwndFrom = m_list->GetSafeHwnd();
  info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  info.hdr.code = LVN_ENDLABELEDIT;
  info.item.mask = LVIF_TEXT;
  info.item.iItem = m_row;
  info.item.iSubItem = m_column;
  info.item.pszText = m_cancelled ? nullptr : text.data();
  info.item.cchTextMax = static_cast<int>(text.size());
  ::SendMessage(parent->GetSafeHwnd(), WM_NOTIFY, static_cast<WPARAM>(m_list->GetDlgCtrlID()),
                reinterpret_cast<LPARAM>(&info));
}

void CEditEx::PostNcDestroy() { delete this; }
