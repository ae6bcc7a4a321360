// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CListBox: plain list boxes, sorted or not.
#include <string>

#include "platform/ui/Wnd.h"

class CListBox : public CWnd {
 public:
  int AddString(const std::string& text);
  int InsertString(int index, const std::string& text);  // -1 appends
  int DeleteString(UINT index);                          // remaining count, LB_ERR if bad
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);                              // -1 clears
  int GetText(int index, std::string& text) const;       // length, LB_ERR for a bad index
  std::string GetText(int index) const;
  int GetTextLen(int index) const;
  int SetItemData(int index, DWORD_PTR data);
  DWORD_PTR GetItemData(int index) const;
  int GetTopIndex() const;
};
