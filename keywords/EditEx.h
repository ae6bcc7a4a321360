// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CEditEx: the in-place cell editor of a CKeywordListCtrl. It lives on the heap while one cell is being
// edited, commits when it loses the focus (and on Enter), moves from cell to cell like a spreadsheet
// cursor, and deletes itself once its window is gone.
#include <string>

#include "platform/ui/Edit.h"

class CKeywordListCtrl;

class CEditEx : public CEdit {
 public:
  CEditEx(CKeywordListCtrl* list, int row, int column, std::string initialText);

  int Row() const { return m_row; }
  int Column() const { return m_column; }

  // Enter, Delete, Escape, Tab, Up, Down and every key with Ctrl go straight to the editor, so the
  // dialog never turns them into default-button, cancel or focus moves.
  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  int OnCreate(LPCREATESTRUCT cs) override;
  void OnKillFocus(CWnd* newWnd) override;
  void OnChar(UINT nChar, UINT repeatCount, UINT flags) override;
  void OnKeyDown(UINT nChar, UINT repeatCount, UINT flags) override;
  void OnKeyUp(UINT nChar, UINT repeatCount, UINT flags) override;
  UINT OnGetDlgCode() override;
  void PostNcDestroy() override;

 private:
  ~CEditEx() override = default;  // only PostNcDestroy deletes an editor

  void MoveForward();
  void MoveBackward();
  void CommitAndMoveDown();
  void Cancel();
  void GrowToFitText();
  void SendEndEdit();
  bool GridIsAlive() const;

  CKeywordListCtrl* m_list;
  int m_row;
  int m_column;
  std::string m_initialText;
  BOOL m_cancelled = FALSE;
  HWND m_listWindow = nullptr;  // to notice a grid that went away before the editor
};
