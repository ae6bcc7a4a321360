// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CKeywordListCtrl: a report-view grid whose cells are edited in place. A click on a cell within the
// editable extent, or F2, opens a CEditEx over it; the editor's end-of-edit notification comes back to the
// grid by reflection, which sets the cell and tells the owner (the parent, an IKeywordGridOwner).
#include "platform/ui/ListCtrl.h"

class CEditEx;

class CKeywordListCtrl : public CListCtrl {
 public:
  static constexpr UINT kEditorId = 1001;
  // Columns narrower than this are hidden ones, never edited.
  static constexpr int kMinEditableWidth = 5;

  CKeywordListCtrl();

  // Clicks, Tab, Enter and Down stay within columns 0..columns-1 and rows 0..rows-1.
  void SetEditableExtent(int columns, int rows);
  int LastEditableColumn() const { return m_lastEditableColumn; }
  int LastEditableRow() const { return m_lastEditableRow; }

  // The row under a point in client coordinates, or -1; `column` gets the column (a point on a border
  // belongs to the column on its left).
  int HitTestCell(CPoint point, int& column);
  // Opens the editor over a cell; null for a cell that does not exist or a column too narrow to edit.
  CEditEx* BeginCellEdit(int row, int column);

 protected:
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnKeyDown(UINT nChar, UINT repeatCount, UINT flags) override;

 private:
  void OnEndLabelEdit(NMHDR* header, LRESULT* result);
  bool IsEditableCell(int row, int column);
  int ColumnCount();
  int ColumnOffset(int column) const;
  DWORD EditorAlignment(int column) const;

  int m_lastEditableColumn = 5;
  int m_lastEditableRow = 19;
};
