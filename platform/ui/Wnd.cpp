#include "platform/ui/Wnd.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <new>

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/HostServices.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Static.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/internal/WindowState.h"

struct CWnd::MessageMap {
  struct Command {
    UINT code;
    int first;
    int last;
    std::function<void(UINT)> fn;
  };
  struct Notify {
    UINT code;
    int id;
    bool reflected;
    std::function<void(NMHDR*, LRESULT*)> fn;
  };
  struct Message {
    UINT message;
    std::function<LRESULT(WPARAM, LPARAM)> fn;
  };
  std::vector<Command> commands;
  std::vector<Notify> notifies;
  std::vector<Message> messages;
};

CWnd::MessageMap* WndAccess::Map(CWnd* wnd) { return wnd->m_map.get(); }

namespace {

std::vector<MSG>& CurrentMessages() {
  static std::vector<MSG> stack;
  return stack;
}

std::unique_ptr<CWnd> MakeWrapper(HWND hwnd) {
  std::unique_ptr<CWnd> wrapper;
  if (hwnd->windowKind == WindowKind::Control) {
    switch (hwnd->kind) {
      case ControlKind::PushButton:
      case ControlKind::DefPushButton:
      case ControlKind::CheckBox:
      case ControlKind::AutoCheckBox:
      case ControlKind::RadioButton: wrapper = std::make_unique<CButton>(); break;
      case ControlKind::Edit: wrapper = std::make_unique<CEdit>(); break;
      case ControlKind::ComboBox: wrapper = std::make_unique<CComboBox>(); break;
      case ControlKind::ListBox: wrapper = std::make_unique<CListBox>(); break;
      case ControlKind::ListView: wrapper = std::make_unique<CListCtrl>(); break;
      default: wrapper = std::make_unique<CStatic>(); break;
    }
  } else {
    wrapper = std::make_unique<CWnd>();
  }
  wrapper->m_hWnd = hwnd;
  return wrapper;
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
  if (!hwnd->wrapper) hwnd->wrapper = MakeWrapper(hwnd);
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
CWnd* CWnd::GetTopLevelParent() const {
  HWND h = m_hWnd;
  while (ui::IsLive(h) && h->windowKind == WindowKind::Control && ui::IsLive(h->parent)) h = h->parent;
  return FromHandle(h);
}

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
BOOL CWnd::IsIconic() const {
  return ui::IsLive(m_hWnd) && m_hWnd->widget && m_hWnd->widget->window()->isMinimized();
}

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
int CWnd::GetWindowTextLength() const { return static_cast<int>(GetWindowText().size()); }

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

void CWnd::GetClientRect(LPRECT rect) const {
  *rect = RECT{};
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return;
  QWidget* w = m_hWnd->widget;
  QSize size = w->size();
  if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
    // As on the platform, a scroll bar that is shown is not part of the client area.
    size = area->contentsRect().size();
    if (area->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn || area->verticalScrollBar()->isVisible())
      size.rwidth() -= area->verticalScrollBar()->sizeHint().width();
    if (area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn || area->horizontalScrollBar()->isVisible())
      size.rheight() -= area->horizontalScrollBar()->sizeHint().height();
  }
  *rect = RECT{0, 0, size.width(), size.height()};
}

void CWnd::GetWindowRect(LPRECT rect) const {
  *rect = RECT{};
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return;
  QWidget* w = m_hWnd->widget;
  if (w->isWindow()) *rect = ui::ToRect(w->frameGeometry());
  else *rect = ui::ToRect(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
}

void CWnd::ClientToScreen(LPPOINT point) const {
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return;
  QWidget* w = m_hWnd->widget;
  QPoint p = w->mapToGlobal(QPoint(point->x, point->y) + ui::ClientOrigin(w));
  *point = POINT{p.x(), p.y()};
}
void CWnd::ClientToScreen(LPRECT rect) const {
  POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
  ClientToScreen(&a);
  ClientToScreen(&b);
  *rect = RECT{a.x, a.y, b.x, b.y};
}
void CWnd::ScreenToClient(LPPOINT point) const {
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return;
  QWidget* w = m_hWnd->widget;
  QPoint p = w->mapFromGlobal(QPoint(point->x, point->y)) - ui::ClientOrigin(w);
  *point = POINT{p.x(), p.y()};
}
void CWnd::ScreenToClient(LPRECT rect) const {
  POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
  ScreenToClient(&a);
  ScreenToClient(&b);
  *rect = RECT{a.x, a.y, b.x, b.y};
}
void CWnd::MapWindowPoints(CWnd* to, LPRECT rect) const {
  ClientToScreen(rect);
  if (to) to->ScreenToClient(rect);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return;
  QWidget* w = m_hWnd->widget;
  if (w->isWindow()) {
    w->move(x, y);
    w->resize(width, height);
  } else {
    QPoint origin = w->parentWidget() ? ui::ClientOrigin(w->parentWidget()) : QPoint();
    w->setGeometry(x + origin.x(), y + origin.y(), width, height);
  }
  if (repaint) w->update();
}
void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
  MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return;
  QWidget* w = m_hWnd->widget;
  QWidget* owner = alternateOwner && ui::IsLive(alternateOwner->m_hWnd) ? alternateOwner->m_hWnd->widget.data()
                                                                         : w->parentWidget();
  QRect area;
  if (owner && owner->window()->isVisible()) {
    area = owner->window()->frameGeometry();
  } else {
    CWinApp* app = AfxGetApp();
    QWidget* main = app && app->m_pMainWnd && ui::IsLive(app->m_pMainWnd->m_hWnd) ? app->m_pMainWnd->m_hWnd->widget.data()
                                                                                   : nullptr;
    QScreen* screen = main ? main->screen() : QGuiApplication::primaryScreen();
    if (screen) area = screen->availableGeometry();
  }
  if (w->isWindow()) w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
}

void CWnd::Invalidate(BOOL) {
  if (ui::IsLive(m_hWnd) && m_hWnd->widget) m_hWnd->widget->update();
}
void CWnd::UpdateWindow() {
  if (ui::IsLive(m_hWnd) && m_hWnd->widget) m_hWnd->widget->repaint();
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
  return dx.Failed() ? FALSE : TRUE;
}
void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  for (const auto& entry : m_map->messages) {
    if (entry.message == message) {
      auto fn = entry.fn;  // the handler may destroy this object
      return fn(wParam, lParam);
    }
  }
  switch (message) {
    case WM_COMMAND:
      if (OnCommand(wParam, lParam)) return 0;
      break;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (OnNotify(wParam, lParam, &result)) return result;
      break;
    }
    case WM_CREATE: return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_NCDESTROY: OnNcDestroy(); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_SIZE: OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                         HIWORD(static_cast<std::uintptr_t>(lParam))); return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)), HIWORD(wParam));
      return 0;
    case WM_SETFOCUS: OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam))); return 0;
    case WM_KILLFOCUS: OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam))); return 0;
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_KEYUP: {
      UINT repeat = LOWORD(static_cast<std::uintptr_t>(lParam));
      UINT flags = HIWORD(static_cast<std::uintptr_t>(lParam));
      if (message == WM_CHAR) OnChar(static_cast<UINT>(wParam), repeat, flags);
      else if (message == WM_KEYDOWN) OnKeyDown(static_cast<UINT>(wParam), repeat, flags);
      else OnKeyUp(static_cast<UINT>(wParam), repeat, flags);
      return 0;
    }
    case WM_LBUTTONDOWN:
      OnLButtonDown(static_cast<UINT>(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
      return 0;
    case WM_GETDLGCODE: return OnGetDlgCode();
    case WM_SYSCOMMAND: OnSysCommand(static_cast<UINT>(wParam), lParam); return 0;
    case WM_HSCROLL:
    case WM_VSCROLL: {
      CWnd* bar = FromHandle(reinterpret_cast<HWND>(lParam));
      if (message == WM_HSCROLL) OnHScroll(LOWORD(wParam), HIWORD(wParam), bar);
      else OnVScroll(LOWORD(wParam), HIWORD(wParam), bar);
      return 0;
    }
    case WM_INITDIALOG:
      if (auto* dialog = dynamic_cast<CDialog*>(this)) return dialog->OnInitDialog();
      break;
    default: break;
  }
  return DefWindowProc(message, wParam, lParam);
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
    case WM_SETFONT: {
      auto font = reinterpret_cast<HFONT>(wParam);
      if (!font || !hwnd->widget) return 0;
      hwnd->font.Attach(new HFONT__{font->font});
      hwnd->widget->setFont(font->font);
      if (hwnd->kind == ControlKind::ListView && hwnd->windowKind == WindowKind::Control) ui::ApplyListFont(hwnd);
      return 0;
    }
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

const char* AfxRegisterWndClass(UINT, void*, void*, HICON) { return "AfxWnd"; }
