// SPDX-License-Identifier: GPL-3.0-or-later
// CWnd itself: creation and destruction, relations, state, text, and the dialog item helpers.
#include "platform/ui/Wnd.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/internal/ControlFactory.h"
#include "platform/ui/internal/MessageMap.h"
#include "platform/ui/internal/WindowState.h"

CWnd::CWnd() : m_map(std::make_unique<MessageMap>()) {}

CWnd::~CWnd() {
  HWND hwnd = m_hWnd;
  m_hWnd = nullptr;
  if (!ui::IsLive(hwnd) || hwnd->attached != this) return;
  hwnd->attached = nullptr;
  if (hwnd->owned) ui::Destroy(hwnd);
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  if (!ui::IsLive(hwnd)) return nullptr;
  if (hwnd->attached) return hwnd->attached;
  if (!hwnd->wrapper) hwnd->wrapper = ui::MakeWrapper(hwnd);
  return hwnd->wrapper.get();
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) { return ui::IsLive(hwnd) ? hwnd->attached : nullptr; }

BOOL CWnd::CreateEx(DWORD exStyle, const char*, const char* windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id) {
  QWidget* widget;
  HWND parentHwnd = parent ? parent->m_hWnd : nullptr;
  if (style & WS_CHILD) {
    if (!ui::IsLive(parentHwnd)) return FALSE;
    widget = new QWidget(parentHwnd->widget);
  } else {
    QWidget* owner = ui::IsLive(parentHwnd) ? parentHwnd->widget->window() : nullptr;
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
    if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
    widget = new QWidget(owner, flags);
  }
  HWND hwnd = ui::NewWindow(widget, WindowKind::Plain, ControlKind::Static, static_cast<int>(id), style,
                            exStyle, parentHwnd);
  hwnd->owned = true;
  hwnd->attached = this;
  m_hWnd = hwnd;
  if (windowName) widget->setWindowTitle(ui::ToQt(windowName));
  MoveWindow(&rect, FALSE);
  if (style & WS_VISIBLE) widget->show();
  CREATESTRUCT cs{parentHwnd, id, rect, style, exStyle};
  if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow();
    return FALSE;
  }
  return TRUE;
}

BOOL CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id) {
  return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::DestroyWindow() {
  if (!ui::IsLive(m_hWnd)) return FALSE;
  ui::Destroy(m_hWnd);
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (!parent) return FALSE;
  HWND hwnd = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
  return hwnd ? Attach(hwnd) : FALSE;
}

BOOL CWnd::Attach(HWND hwnd) {
  if (!ui::IsLive(hwnd)) return FALSE;
  if (hwnd->attached && hwnd->attached != this) hwnd->attached->m_hWnd = nullptr;
  hwnd->attached = this;
  m_hWnd = hwnd;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hwnd = m_hWnd;
  if (ui::IsLive(hwnd) && hwnd->attached == this) hwnd->attached = nullptr;
  m_hWnd = nullptr;
  return hwnd;
}

BOOL CWnd::IsWindow() const { return ::IsWindow(m_hWnd); }

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

BOOL CWnd::ShowWindow(int cmdShow) {
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return FALSE;
  QWidget* w = m_hWnd->widget;
  BOOL wasVisible = !w->isHidden();
  if (cmdShow == SW_HIDE) {
    w->hide();
  } else {
    w->show();
    if (w->isWindow() && cmdShow != SW_SHOWNA) {
      w->raise();
      w->activateWindow();
    }
  }
  return wasVisible;
}

BOOL CWnd::EnableWindow(BOOL enable) {
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return FALSE;
  BOOL wasDisabled = !m_hWnd->widget->isEnabled();
  m_hWnd->widget->setEnabled(enable != FALSE);
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

DWORD CWnd::GetStyle() const {
  if (!ui::IsLive(m_hWnd)) return 0;
  DWORD style = m_hWnd->style & ~(WS_VISIBLE | WS_DISABLED);
  if (m_hWnd->widget && !m_hWnd->widget->isHidden()) style |= WS_VISIBLE;
  if (m_hWnd->widget && !m_hWnd->widget->isEnabled()) style |= WS_DISABLED;
  return style;
}
DWORD CWnd::GetExStyle() const { return ui::IsLive(m_hWnd) ? m_hWnd->exStyle : 0; }

void CWnd::SetWindowText(const std::string& text) {
  if (ui::IsLive(m_hWnd)) ui::SetText(m_hWnd, ui::ToQt(text));
}
void CWnd::GetWindowText(std::string& text) const { text = GetWindowText(); }
std::string CWnd::GetWindowText() const { return ui::IsLive(m_hWnd) ? ui::FromQt(ui::GetText(m_hWnd)) : std::string(); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

void CWnd::SetFont(CFont* font, BOOL redraw) {
  if (font) SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), redraw);
}
CFont* CWnd::GetFont() const { return ui::IsLive(m_hWnd) ? &m_hWnd->font : nullptr; }

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
  if (!ui::IsLive(m_hWnd)) return nullptr;
  HICON previous = m_hWnd->icons[bigIcon ? 1 : 0];
  m_hWnd->icons[bigIcon ? 1 : 0] = icon;
  if (icon && m_hWnd->widget && (bigIcon || !m_hWnd->icons[1])) m_hWnd->widget->setWindowIcon(icon->icon);
  return previous;
}
HICON CWnd::GetIcon(BOOL bigIcon) const { return ui::IsLive(m_hWnd) ? m_hWnd->icons[bigIcon ? 1 : 0] : nullptr; }

CMenu* CWnd::GetSystemMenu(BOOL revert) const {
  if (!ui::IsLive(m_hWnd) || !(m_hWnd->style & WS_SYSMENU)) return nullptr;
  if (revert) {
    m_hWnd->systemMenu.reset();
    return nullptr;
  }
  if (!m_hWnd->systemMenu) m_hWnd->systemMenu = std::make_unique<CMenu>();
  return m_hWnd->systemMenu.get();
}

void CWnd::SetDlgItemText(int id, const std::string& text) {
  if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}
void CWnd::GetDlgItemText(int id, std::string& text) const {
  CWnd* item = GetDlgItem(id);
  text = item ? item->GetWindowText() : std::string();
}
void CWnd::CheckDlgButton(int id, UINT check) { ui::SetButtonCheck(::GetDlgItem(m_hWnd, id), static_cast<int>(check)); }
UINT CWnd::IsDlgButtonChecked(int id) const {
  return static_cast<UINT>(ui::GetButtonCheck(::GetDlgItem(m_hWnd, id)));
}
void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
  for (int id = firstId; id <= lastId; ++id) CheckDlgButton(id, id == checkId ? BST_CHECKED : BST_UNCHECKED);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  if (!dx.Failed()) return TRUE;
  if (ui::IsLive(m_hWnd)) ++m_hWnd->failedExchanges;
  return FALSE;
}
void CWnd::DoDataExchange(CDataExchange*) {}

const char* AfxRegisterWndClass(UINT, void*, void*, HICON) { return "AfxWnd"; }
