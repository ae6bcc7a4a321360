// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/DataExchange.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/HostServices.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/internal/WindowState.h"

CDataExchange::CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd) {}

HWND CDataExchange::PrepareCtrl(int id) {
  m_lastControl = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
  m_lastIsEdit = false;
  return m_lastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
  HWND hwnd = PrepareCtrl(id);
  m_lastIsEdit = true;
  return hwnd;
}

void CDataExchange::Fail() {
  m_failed = true;
  if (!IsWindow(m_lastControl)) return;
  ::SetFocus(m_lastControl);
  if (m_lastIsEdit) SendMessage(m_lastControl, EM_SETSEL, 0, -1);
}

namespace {

CWnd* Control(CDataExchange* pDX, int id, bool edit) {
  if (pDX->Failed()) return nullptr;
  HWND hwnd = edit ? pDX->PrepareEditCtrl(id) : pDX->PrepareCtrl(id);
  return CWnd::FromHandle(hwnd);
}

// Blanks, an optional sign and decimal digits, blanks; nothing else and nothing out of range.
bool ParseInteger(const std::string& text, long long min, long long max, bool allowSign, long long& value) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (!allowSign && text[i] == '-') return false;
    negative = text[i] == '-';
    ++i;
  }
  size_t digits = i;
  long long v = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    v = v * 10 + (text[i] - '0');
    if (v > max + 1) return false;
    ++i;
  }
  if (i == digits) return false;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  if (i != text.size()) return false;
  if (negative) v = -v;
  if (v < min || v > max) return false;
  value = v;
  return true;
}

void PromptAndFail(CDataExchange* pDX, const char* prompt) {
  AfxMessageBox(prompt, MB_ICONEXCLAMATION);
  pDX->Fail();
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
  CWnd* control = Control(pDX, id, true);
  if (!control) return;
  if (pDX->m_bSaveAndValidate) value = control->GetWindowText();
  else control->SetWindowText(value);
}

namespace {
template <class T>
void ExchangeNumber(CDataExchange* pDX, int id, T& value, long long min, long long max, bool allowSign,
                    const char* prompt) {
  CWnd* control = Control(pDX, id, true);
  if (!control) return;
  if (!pDX->m_bSaveAndValidate) {
    control->SetWindowText(std::to_string(value));
    return;
  }
  long long parsed = 0;
  if (!ParseInteger(control->GetWindowText(), min, max, allowSign, parsed)) return PromptAndFail(pDX, prompt);
  value = static_cast<T>(parsed);
}
}  // namespace

void DDX_Text(CDataExchange* pDX, int id, int& value) {
  ExchangeNumber(pDX, id, value, INT_MIN, INT_MAX, true, kPromptInteger);
}

void DDX_Text(CDataExchange* pDX, int id, UINT& value) {
  ExchangeNumber(pDX, id, value, 0, UINT_MAX, false, kPromptPositiveInteger);
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
  CWnd* control = Control(pDX, id, false);
  if (!control) return;
  if (pDX->m_bSaveAndValidate) value = ui::GetButtonCheck(control->m_hWnd);
  else ui::SetButtonCheck(control->m_hWnd, value);
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
  CWnd* control = Control(pDX, id, false);
  if (!control) return;
  std::vector<HWND> group = ui::RadioGroup(control->m_hWnd);
  if (pDX->m_bSaveAndValidate) {
    value = -1;
    for (size_t i = 0; i < group.size(); ++i)
      if (ui::GetButtonCheck(group[i]) == BST_CHECKED) {
        value = static_cast<int>(i);
        break;
      }
  } else {
    for (size_t i = 0; i < group.size(); ++i)
      ui::SetButtonCheck(group[i], static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED);
  }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index) {
  auto* combo = dynamic_cast<CComboBox*>(Control(pDX, id, false));
  if (!combo) return;
  if (pDX->m_bSaveAndValidate) index = combo->GetCurSel();
  else combo->SetCurSel(index);
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (pDX->Failed() || control.m_hWnd) return;
  control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
}
