// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog data exchange between value members and controls. An exchange that fails (an integer field
// holding no integer) shows the framework's prompt through the host, puts the focus on the field and
// stops there: the fields before it were exchanged, every DDX_ call after it does nothing, and
// UpdateData returns FALSE. Code of its own inside DoDataExchange checks pDX->Failed().
#include <string>

#include "platform/ui/Wnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: controls -> members
  CWnd* m_pDlgWnd;

  // The control of `id` (null when the dialog has none); remembered for Fail's focus.
  HWND PrepareCtrl(int id);
  HWND PrepareEditCtrl(int id);
  // Stops the exchange: focus on the last prepared control (its text selected for an edit field).
  void Fail();
  bool Failed() const { return m_failed; }

 private:
  HWND m_lastControl = nullptr;
  bool m_lastIsEdit = false;
  bool m_failed = false;
};

void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// Decimal with optional sign and surrounding blanks; anything else (empty, out of range) fails with
// "Please enter an integer.".
void DDX_Text(CDataExchange* pDX, int id, int& value);
// Unsigned decimal; fails with "Please enter a positive integer.".
void DDX_Text(CDataExchange* pDX, int id, UINT& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);     // BST_ value
// `id` is the first radio button of its group; the index of the checked one, -1 when none is.
void DDX_Radio(CDataExchange* pDX, int id, int& value);
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);   // combo selection, -1 for none
// Attaches `control` to the dialog's control `id` on the first exchange.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// The framework's prompts, as shown.
inline constexpr const char* kPromptInteger = "Please enter an integer.";
inline constexpr const char* kPromptPositiveInteger = "Please enter a positive integer.";
// Shown when a command ran out of memory and was abandoned.
inline constexpr const char* kPromptOutOfMemory = "Out of memory.";
