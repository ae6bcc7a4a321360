// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/internal/ControlFactory.h"

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/internal/WindowState.h"

namespace ui {
namespace {

std::unique_ptr<CWnd> MakeControlWrapper(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::CheckBox:
    case ControlKind::AutoCheckBox:
    case ControlKind::RadioButton: return std::make_unique<CButton>();
    case ControlKind::Edit: return std::make_unique<CEdit>();
    case ControlKind::ComboBox: return std::make_unique<CComboBox>();
    case ControlKind::ListBox: return std::make_unique<CListBox>();
    case ControlKind::ListView: return std::make_unique<CListCtrl>();
    case ControlKind::Static:
    case ControlKind::Icon:
    case ControlKind::GroupBox: return std::make_unique<CStatic>();
  }
  return std::make_unique<CStatic>();
}

}  // namespace

std::unique_ptr<CWnd> MakeWrapper(HWND hwnd) {
  std::unique_ptr<CWnd> wrapper =
      hwnd->windowKind == WindowKind::Control ? MakeControlWrapper(hwnd->kind) : std::make_unique<CWnd>();
  wrapper->m_hWnd = hwnd;
  return wrapper;
}

}  // namespace ui
