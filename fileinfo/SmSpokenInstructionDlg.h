// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spoken-instruction list of a dictation: a plain sizeable window with a two-column report list
// ("Start", "End"). Closing it only hides it and tells its owner by WM_SPOKENINSTRUCTION_CLOSE.
#include "platform/automation/Variant.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Wnd.h"

// The registered message's number, the same for the whole run.
UINT SpokenInstructionCloseMessage();
#define WM_SPOKENINSTRUCTION_CLOSE SpokenInstructionCloseMessage()

class CSmSpokenInstructionDlg : public CWnd {
 public:
  static constexpr UINT kListId = 1;
  static constexpr int kColumnWidth = 60;

  CSmSpokenInstructionDlg();
  ~CSmSpokenInstructionDlg() override;

  // Non-zero on success. The owner gets the close message with `notification` as its first parameter.
  BOOL Create(DWORD style, const RECT& rect, CWnd* owner, UINT notification);
  // Replaces the rows with the instructions of a two-dimensional VT_I4 array, which it takes over and
  // destroys. False (and no rows) for a missing or empty variant.
  bool FillList(VARIANT* list);

  CListCtrl& List() { return m_list; }

 protected:
  void OnSize(UINT type, int cx, int cy) override;
  void OnClose() override;

 private:
  CWnd* m_owner = nullptr;
  CListCtrl m_list;
  UINT m_notification = 0;
};
