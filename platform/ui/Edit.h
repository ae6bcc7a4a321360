// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CEdit: single- and multi-line edit fields (read-only, numeric, aligned). Create makes one on the heap
// as a child of any window, e.g. an in-place cell editor over a list control.
#include <string>

#include "platform/ui/Wnd.h"

class CEdit : public CWnd {
 public:
  // style: WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL plus ES_LEFT/ES_CENTER/ES_RIGHT ...
  // Sends WM_CREATE to this object once the window exists; -1 from OnCreate destroys it again.
  virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  // start 0, end -1 selects all; the caret goes to `end`.
  void SetSel(int start, int end, BOOL noScroll = FALSE);
  void GetSel(int& start, int& end) const;
  void ReplaceSel(const std::string& text);
  void SetReadOnly(BOOL readOnly = TRUE);
  void LimitText(int maxChars = 0);  // 0: no limit
  void SetMargins(int left, int right);
};
