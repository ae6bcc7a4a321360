// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileinfo/SmSpokenInstructionDlg.h"

#include <array>
#include <cstdio>
#include <string>

#include "platform/automation/SafeArray.h"
#include "platform/ui/MessageQueue.h"

namespace {

constexpr const char* kTitle = "SpokenInstructionList";

// Registered on the first creation and kept for the run.
const char* WindowClassName() {
  static const std::string name = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW);
  return name.c_str();
}

std::string Decimal(LONG value) {
  char text[16];
  std::snprintf(text, sizeof text, "%ld", static_cast<long>(value));
  return text;
}

}  // namespace

UINT SpokenInstructionCloseMessage() {
  static const UINT message = RegisterWindowMessage("WM_SPOKENINSTRUCTION_CLOSE");
  return message;
}

CSmSpokenInstructionDlg::CSmSpokenInstructionDlg() = default;

CSmSpokenInstructionDlg::~CSmSpokenInstructionDlg() {
  if (IsWindow()) DestroyWindow();
}

BOOL CSmSpokenInstructionDlg::Create(DWORD style, const RECT& rect, CWnd* owner, UINT notification) {
  const char* className = WindowClassName();
  m_owner = owner;
  m_notification = notification;
  CWnd* parent = owner && owner->GetSafeHwnd() ? owner : nullptr;
  if (!CreateEx(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE, className, kTitle, style, rect, parent, 0)) return FALSE;

  const RECT listRect{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  if (m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, listRect, this, kListId)) {
    m_list.InsertColumn(0, "Start", LVCFMT_RIGHT, kColumnWidth);
    m_list.InsertColumn(1, "End", LVCFMT_RIGHT, kColumnWidth);
  }
  // Without a visible owner (the file information dialog while it is built) this centres on the screen.
  CenterWindow(m_owner);
  return TRUE;
}

bool CSmSpokenInstructionDlg::FillList(VARIANT* list) {
  if (m_list.GetSafeHwnd()) m_list.DeleteAllItems();
  if (!list || list->vt == VT_EMPTY) return false;
  // Anything but a number array would be read as one; it is freed and shown as no instructions.
  if (list->vt != (VT_ARRAY | VT_I4)) {
    VariantClear(list);
    return false;
  }

  SafeArrayHolder array(list->parray);
  list->parray = nullptr;
  list->vt = VT_EMPTY;

  LONG lastRow = 0;
  if (FAILED(SafeArrayGetUBound(array.Get(), 2, &lastRow))) lastRow = 0;
  for (LONG row = 0; row <= lastRow; ++row) {
    LONG start = 0;
    LONG end = 0;
    const std::array<LONG, 2> startAt{0, row};
    const std::array<LONG, 2> endAt{1, row};
    SafeArrayGetElement(array.Get(), startAt, &start);
    SafeArrayGetElement(array.Get(), endAt, &end);
    if (!m_list.GetSafeHwnd()) continue;
    const int item = m_list.InsertItem(static_cast<int>(row), Decimal(start));
    m_list.SetItemData(item, static_cast<DWORD_PTR>(row));
    m_list.SetItemText(item, 1, Decimal(end));
  }
  return true;
}

void CSmSpokenInstructionDlg::OnSize(UINT type, int cx, int cy) {
  CWnd::OnSize(type, cx, cy);
  if (m_list.GetSafeHwnd()) {
    m_list.MoveWindow(0, 0, cx, cy);
    m_list.Invalidate();
  }
}

// Hides instead of closing: the owner keeps the window for the next press of its button.
void CSmSpokenInstructionDlg::OnClose() {
  if (m_owner && m_owner->GetSafeHwnd()) m_owner->PostMessage(WM_SPOKENINSTRUCTION_CLOSE, m_notification, 0);
  ShowWindow(SW_HIDE);
}
