// SPDX-License-Identifier: GPL-3.0-or-later
#include "keywords/KeywordListCtrl.h"

#include <algorithm>

#include "keywords/EditEx.h"
#include "keywords/KeywordGridOwner.h"

CKeywordListCtrl::CKeywordListCtrl() { MapNotifyReflect(LVN_ENDLABELEDIT, &CKeywordListCtrl::OnEndLabelEdit); }

void CKeywordListCtrl::SetEditableExtent(int columns, int rows) {
  m_lastEditableColumn = columns - 1;
  m_lastEditableRow = rows - 1;
}

int CKeywordListCtrl::ColumnCount() {
  CHeaderCtrl* header = GetHeaderCtrl();
  return header ? header->GetItemCount() : 0;
}

int CKeywordListCtrl::ColumnOffset(int column) const {
  int offset = 0;
  for (int c = 0; c < column; ++c) offset += GetColumnWidth(c);
  return offset;
}

int CKeywordListCtrl::HitTestCell(CPoint point, int& column) {
  int row = HitTest(point);
  column = 0;
  if ((GetStyle() & LVS_TYPEMASK) != LVS_REPORT) return row;

  int top = GetTopIndex();
  int count = GetItemCount();
  // The page may end one past the final row; only rows that exist have a rectangle.
  int last = std::min(top + GetCountPerPage(), count - 1);
  int columns = ColumnCount();
  for (row = top; row <= last; ++row) {
    CRect bounds;
    if (!GetItemRect(row, &bounds, LVIR_BOUNDS) || !bounds.PtInRect(point)) continue;
    int left = bounds.left;
    for (int c = 0; c < columns; ++c) {
      int width = GetColumnWidth(c);
      if (point.x >= left && point.x <= left + width) {
        column = c;
        return row;
      }
      left += width;
    }
  }
  return -1;
}

DWORD CKeywordListCtrl::EditorAlignment(int column) const {
  LVCOLUMN info;
  info.mask = LVCF_FMT;
  if (!GetColumn(column, &info)) return ES_LEFT;
  switch (info.fmt & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return ES_RIGHT;
    case LVCFMT_CENTER: return ES_CENTER;
    default: return ES_LEFT;
  }
}

CEditEx* CKeywordListCtrl::BeginCellEdit(int row, int column) {
  if (!IsWindow()) return nullptr;
  if (column < 0 || column >= ColumnCount()) return nullptr;
  // Key moves and the default extent can name rows past the end; they have no rectangle to cover.
  if (row < 0 || row >= GetItemCount()) return nullptr;
  int width = GetColumnWidth(column);
  if (width < kMinEditableWidth) return nullptr;

  int offset = ColumnOffset(column);
  CRect bounds;
  if (!GetItemRect(row, &bounds, LVIR_BOUNDS)) return nullptr;
  CRect client;
  GetClientRect(&client);
  int x = bounds.left + offset;
  if (x < 0 || x > client.right) {
    Scroll(CSize(x, 0));
    // Read the row again rather than assume the whole distance: the view stops at its scroll range.
    GetItemRect(row, &bounds, LVIR_BOUNDS);
  }

  CRect rect;
  rect.left = bounds.left + offset + 4;
  rect.right = std::min(rect.left + width - 3, client.right);
  rect.top = bounds.top;
  rect.bottom = bounds.bottom;

  auto* editor = new CEditEx(this, row, column, GetItemText(row, column));
  DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | EditorAlignment(column);
  // A failed creation has destroyed the window again, and the editor deleted itself with it.
  if (!editor->Create(style, rect, this, kEditorId)) return nullptr;
  return editor;
}

void CKeywordListCtrl::OnLButtonDown(UINT flags, CPoint point) {
  CListCtrl::OnLButtonDown(flags, point);
  int column = 0;
  int row = HitTestCell(point, column);
  if (row != -1 && row <= m_lastEditableRow && column <= m_lastEditableColumn) BeginCellEdit(row, column);
}

// F2 edits the focused row's first cell, as a click on it would; Tab goes on from there.
void CKeywordListCtrl::OnKeyDown(UINT nChar, UINT repeatCount, UINT flags) {
  if (nChar != VK_F2) {
    CListCtrl::OnKeyDown(nChar, repeatCount, flags);
    return;
  }
  const int row = std::max(GetNextItem(-1, LVNI_FOCUSED), 0);
  if (IsEditableCell(row, 0)) BeginCellEdit(row, 0);
}

bool CKeywordListCtrl::IsEditableCell(int row, int column) {
  return row >= 0 && row <= m_lastEditableRow && row < GetItemCount() && column >= 0 &&
         column <= m_lastEditableColumn && column < ColumnCount() && GetColumnWidth(column) >= kMinEditableWidth;
}

// The end of an edit made in place, or a text an accessibility client set on a cell (sent by the grid
// itself): that may name any cell and is taken only where a click would open the editor.
void CKeywordListCtrl::OnEndLabelEdit(NMHDR* header, LRESULT* result) {
  auto* info = reinterpret_cast<NMLVDISPINFO*>(header);
  const LVITEM& item = info->item;
  *result = 0;
  if (header->idFrom != kEditorId && !IsEditableCell(item.iItem, item.iSubItem)) return;
  if (item.pszText) SetItemText(item.iItem, item.iSubItem, item.pszText);
  if (!item.pszText) return;  // cancelled: the cell and the owner's data stay as they were
  if (auto* owner = dynamic_cast<IKeywordGridOwner*>(GetParent()))
    owner->OnKeywordCellEdited(m_hWnd, item.iItem, item.iSubItem, std::string(item.pszText));
}
