// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CButton: push buttons, check boxes (automatic or not) and radio buttons.
#include "platform/ui/Wnd.h"

class CButton : public CWnd {
 public:
  int GetCheck() const;        // BST_UNCHECKED / BST_CHECKED / BST_INDETERMINATE
  void SetCheck(int check);    // never notifies
  // Presses the button as a click would: an automatic box toggles, then BN_CLICKED reaches the parent.
  void Click();
};
