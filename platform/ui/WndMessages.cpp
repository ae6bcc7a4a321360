// SPDX-License-Identifier: GPL-3.0-or-later
// CWnd's message processing: dispatch, the message map, the handlers by message and the platform's
// default behaviour.
#include <new>
#include <vector>

#include "platform/ui/DataExchange.h"
#include "platform/ui/HostServices.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/internal/MessageMap.h"
#include "platform/ui/internal/WindowState.h"

namespace {

std::vector<MSG>& CurrentMessages() {
  static std::vector<MSG> stack;
  return stack;
}

}  // namespace

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg || !ui::IsLive(msg->hwnd)) return 0;
  CWnd* wnd = CWnd::FromHandle(msg->hwnd);
  if (!wnd) return 0;
  CurrentMessages().push_back(*msg);
  LRESULT result = wnd->WindowProc(msg->message, msg->wParam, msg->lParam);
  CurrentMessages().pop_back();
  return result;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessage(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}
int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
  return GetHostServices().MessageBox(m_hWnd, text ? text : "", caption ? std::string(caption) : AfxGetAppName(), type);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  for (const auto& entry : m_map->messages) {
    if (entry.message == message) {
      auto fn = entry.fn;  // the handler may destroy this object
      return fn(wParam, lParam);
    }
  }
  LRESULT result = 0;
  if (OnWndMsg(message, wParam, lParam, &result)) return result;
  return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  *result = 0;
  const auto lo = static_cast<UINT>(LOWORD(static_cast<std::uintptr_t>(lParam)));
  const auto hi = static_cast<UINT>(HIWORD(static_cast<std::uintptr_t>(lParam)));
  switch (message) {
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_NOTIFY: return OnNotify(wParam, lParam, result);
    case WM_CREATE: *result = OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)); break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_NCDESTROY: OnNcDestroy(); break;
    case WM_CLOSE: OnClose(); break;
    case WM_SIZE: OnSize(static_cast<UINT>(wParam), static_cast<int>(lo), static_cast<int>(hi)); break;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)), HIWORD(wParam)); break;
    case WM_SETFOCUS: OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam))); break;
    case WM_KILLFOCUS: OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam))); break;
    case WM_CHAR: OnChar(static_cast<UINT>(wParam), lo, hi); break;
    case WM_KEYDOWN: OnKeyDown(static_cast<UINT>(wParam), lo, hi); break;
    case WM_KEYUP: OnKeyUp(static_cast<UINT>(wParam), lo, hi); break;
    case WM_LBUTTONDOWN: OnLButtonDown(static_cast<UINT>(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))); break;
    case WM_GETDLGCODE: *result = OnGetDlgCode(); break;
    case WM_SYSCOMMAND: OnSysCommand(static_cast<UINT>(wParam), lParam); break;
    case WM_HSCROLL: OnHScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam))); break;
    case WM_VSCROLL: OnVScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam))); break;
    default: return FALSE;
  }
  return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = m_hWnd;
  if (!ui::IsLive(hwnd)) return 0;
  bool handled = false;
  LRESULT result = ui::ControlDefProc(hwnd, message, wParam, lParam, handled);
  if (handled) return result;
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (ui::CharOfCurrentKey() == 0 || message == WM_SYSKEYDOWN) ui::ForwardCurrentInput(hwnd, QEvent::KeyPress);
      return 0;
    case WM_CHAR: ui::ForwardCurrentInput(hwnd, QEvent::KeyPress); return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP: ui::ForwardCurrentInput(hwnd, QEvent::KeyRelease); return 0;
    case WM_LBUTTONDOWN:
      if (!ui::ForwardCurrentInput(hwnd, QEvent::MouseButtonPress) && hwnd->widget &&
          hwnd->widget->focusPolicy() != Qt::NoFocus)
        hwnd->widget->setFocus(Qt::MouseFocusReason);
      return 0;
    case WM_SETFONT: ui::SetWindowFont(hwnd, reinterpret_cast<HFONT>(wParam)); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(hwnd->font.GetSafeHandle());
    case WM_SETTEXT:
      if (lParam) ui::SetText(hwnd, ui::ToQt(reinterpret_cast<const char*>(lParam)));
      return TRUE;
    case WM_CLOSE: DestroyWindow(); return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) ::SendMessage(hwnd, WM_CLOSE, 0, 0);
      return 0;
    case WM_GETDLGCODE: return ui::DefaultDlgCode(hwnd);
    default: return 0;
  }
}

LRESULT CWnd::Default() {
  if (CurrentMessages().empty()) return 0;
  MSG msg = CurrentMessages().back();
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* CWnd::GetCurrentMessage() const { return CurrentMessages().empty() ? nullptr : &CurrentMessages().back(); }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
  UINT code = HIWORD(wParam);
  int id = static_cast<SHORT>(LOWORD(wParam));
  int uid = LOWORD(wParam);
  for (const auto& entry : m_map->commands) {
    if (entry.code != code) continue;
    int match = (entry.first < 0 || entry.last < 0) ? id : uid;
    if (match >= entry.first && match <= entry.last) {
      auto fn = entry.fn;
      // Running out of memory abandons the command with the framework's report, as on the platform.
      try {
        fn(static_cast<UINT>(uid));
      } catch (const std::bad_alloc&) {
        AfxMessageBox(kPromptOutOfMemory, MB_OK | MB_ICONSTOP);
      }
      return TRUE;
    }
  }
  return FALSE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header) return FALSE;
  if (ui::IsLive(header->hwndFrom)) {
    CWnd* source = FromHandle(header->hwndFrom);
    if (source && source != this && source->OnChildNotify(WM_NOTIFY, 0, lParam, pResult)) return TRUE;
  }
  for (const auto& entry : m_map->notifies) {
    if (!entry.reflected && entry.code == header->code && static_cast<UINT_PTR>(entry.id) == header->idFrom) {
      auto fn = entry.fn;
      fn(header, pResult);
      return TRUE;
    }
  }
  return FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult) {
  if (message != WM_NOTIFY || !lParam) return FALSE;
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  for (const auto& entry : m_map->notifies) {
    if (entry.reflected && entry.code == header->code) {
      auto fn = entry.fn;
      fn(header, pResult);
      return TRUE;
    }
  }
  return FALSE;
}

void CWnd::PostNcDestroy() {}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() {
  Default();
  HWND hwnd = m_hWnd;
  if (ui::IsLive(hwnd) && hwnd->attached == this) hwnd->attached = nullptr;
  m_hWnd = nullptr;
  PostNcDestroy();
}
void CWnd::OnClose() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CWnd*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CWnd*) { Default(); }

void CWnd::AddCommandHandler(UINT code, int firstId, int lastId, std::function<void(UINT)> handler) {
  m_map->commands.push_back({code, firstId, lastId, std::move(handler)});
}
void CWnd::AddNotifyHandler(UINT code, int id, bool reflected, std::function<void(NMHDR*, LRESULT*)> handler) {
  m_map->notifies.push_back({code, id, reflected, std::move(handler)});
}
void CWnd::AddMessageHandler(UINT message, std::function<LRESULT(WPARAM, LPARAM)> handler) {
  m_map->messages.push_back({message, std::move(handler)});
}
