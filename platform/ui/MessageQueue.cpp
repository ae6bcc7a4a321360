// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/MessageQueue.h"

#include <QApplication>
#include <QEvent>
#include <deque>
#include <map>
#include <string>

#include "platform/ui/internal/WindowState.h"

namespace {

std::deque<MSG>& Queue() {
  static std::deque<MSG> queue;
  return queue;
}

const QEvent::Type kDeliverEvent = static_cast<QEvent::Type>(QEvent::User + 0x51);

// One Qt event per posted message; each takes the oldest message still queued.
class Deliverer : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() != kDeliverEvent) return QObject::event(e);
    if (Queue().empty()) return true;
    MSG msg = Queue().front();
    Queue().pop_front();
    ui::QtEntry entry;
    if (msg.message == WM_QUIT) ui::HandleQuit(static_cast<int>(msg.wParam));
    else DispatchMessage(&msg);
    return true;
  }
};

Deliverer* TheDeliverer() {
  static Deliverer* deliverer = new Deliverer;
  return deliverer;
}

void Enqueue(const MSG& msg) {
  Queue().push_back(msg);
  if (QCoreApplication::instance()) QCoreApplication::postEvent(TheDeliverer(), new QEvent(kDeliverEvent));
}

bool InFilter(const MSG& m, UINT lo, UINT hi) { return (lo == 0 && hi == 0) || (m.message >= lo && m.message <= hi); }

}  // namespace

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!ui::IsLive(hwnd)) return FALSE;
  MSG msg;
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  Enqueue(msg);
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  MSG msg;
  msg.message = WM_QUIT;
  msg.wParam = static_cast<WPARAM>(exitCode);
  Enqueue(msg);
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!ui::IsLive(hwnd)) return 0;
  MSG msg;
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  return DispatchMessage(&msg);
}

BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
  auto& queue = Queue();
  for (auto it = queue.begin(); it != queue.end(); ++it) {
    if ((hwnd && it->hwnd != hwnd) || !InFilter(*it, filterMin, filterMax)) continue;
    *msg = *it;
    if (removeFlags & PM_REMOVE) queue.erase(it);
    return TRUE;
  }
  return FALSE;
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg || msg->message != WM_KEYDOWN) return FALSE;
  int ch = 0;
  if (ui::HasInputScope()) {
    ch = ui::CharOfCurrentKey();
  } else {
    int vk = static_cast<int>(msg->wParam);
    bool shift = GetKeyState(VK_SHIFT) < 0;
    if (vk == VK_TAB || vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_BACK || vk == VK_SPACE) ch = vk;
    else if (vk >= 'A' && vk <= 'Z') ch = shift ? vk : vk + ('a' - 'A');
    else if (vk >= '0' && vk <= '9') ch = vk;
  }
  if (ch == 0) return FALSE;
  MSG charMsg = *msg;
  charMsg.message = WM_CHAR;
  charMsg.wParam = static_cast<WPARAM>(ch);
  if (ui::HasInputScope()) ui::QueueTranslatedChar(charMsg);
  else PostMessage(charMsg.hwnd, charMsg.message, charMsg.wParam, charMsg.lParam);
  return TRUE;
}

UINT RegisterWindowMessage(const char* name) {
  static std::map<std::string, UINT> registered;
  if (!name || !*name) return 0;
  auto [it, inserted] = registered.try_emplace(name, static_cast<UINT>(0xC000 + registered.size()));
  return it->second;
}

BOOL IsWindow(HWND hwnd) { return ui::IsLive(hwnd) ? TRUE : FALSE; }
HWND GetFocus() { return ui::HandleOf(QApplication::focusWidget()); }
HWND SetFocus(HWND hwnd) {
  HWND previous = GetFocus();
  if (ui::IsLive(hwnd) && hwnd->widget) ui::FocusTarget(hwnd->widget)->setFocus(Qt::OtherFocusReason);
  return previous;
}
HWND GetParent(HWND hwnd) { return ui::IsLive(hwnd) && ui::IsLive(hwnd->parent) ? hwnd->parent : nullptr; }
HWND GetDlgItem(HWND dialog, int id) {
  if (!ui::IsLive(dialog)) return nullptr;
  for (HWND child : dialog->children)
    if (child->id == id) return child;
  return nullptr;
}
int GetDlgCtrlID(HWND hwnd) { return ui::IsLive(hwnd) ? hwnd->id : 0; }
BOOL IsWindowVisible(HWND hwnd) { return ui::IsLive(hwnd) && hwnd->widget && hwnd->widget->isVisible(); }
BOOL IsWindowEnabled(HWND hwnd) { return ui::IsLive(hwnd) && hwnd->widget && hwnd->widget->isEnabled(); }
