// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CComboBox: drop-down lists and editable drop-downs (sorted or not). Typing into an editable one
// leaves the selection at -1, as on the platform.
#include <string>

#include "platform/ui/Wnd.h"

class CComboBox : public CWnd {
 public:
  int AddString(const std::string& text);              // sorted boxes insert in order; returns the index
  int InsertString(int index, const std::string& text);  // -1 appends; never sorts
  int DeleteString(UINT index);                         // returns the remaining count, CB_ERR if bad
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);                             // -1 clears; CB_ERR for a bad index
  int GetLBText(int index, std::string& text) const;    // length, CB_ERR for a bad index
  std::string GetLBText(int index) const;
  int SetItemData(int index, DWORD_PTR data);
  DWORD_PTR GetItemData(int index) const;
  int FindStringExact(int startAfter, const std::string& text) const;  // case-insensitive, CB_ERR
  int SelectString(int startAfter, const std::string& prefix);
};
