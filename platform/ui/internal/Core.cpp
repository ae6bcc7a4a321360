// SPDX-License-Identifier: GPL-3.0-or-later
// Window handles, the translation of Qt input into window messages, and destruction.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QResizeEvent>
#include <deque>
#include <unordered_set>
#include <utility>

#include "platform/automation/CodePage.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/internal/AccessibleButton.h"
#include "platform/ui/internal/AccessibleEdit.h"
#include "platform/ui/internal/WindowState.h"

namespace ui {
namespace {

const char* const kHandleProperty = "quorvel_hwnd";

std::unordered_set<HWND>& LiveHandles() {
  static std::unordered_set<HWND> handles;
  return handles;
}

int g_entryDepth = 0;
bool g_bypass = false;

struct InputFrame {
  QObject* receiver;
  QEvent* event;
  bool forwarded = false;
};
std::vector<InputFrame>& InputStack() {
  static std::vector<InputFrame> stack;
  return stack;
}
std::deque<MSG>& TranslatedChars() {
  static std::deque<MSG> chars;
  return chars;
}

bool g_shift = false;
bool g_control = false;
bool g_alt = false;
std::unordered_set<int>& KeysDown() {
  static std::unordered_set<int> keys;
  return keys;
}

int VkFromQt(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    default:
      if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
      return key < 0x100 ? key : 0;
  }
}

// The character TranslateMessage makes of a key event, 0 for none.
int CharOf(const QKeyEvent* key) {
  if (key->key() == Qt::Key_Backtab) return VK_TAB;
  if (key->key() == Qt::Key_Delete) return 0;
  QString text = key->text();
  if (text.isEmpty()) return 0;
  std::string ansi = FromQt(text.left(1));
  unsigned char c = ansi.empty() ? 0 : static_cast<unsigned char>(ansi[0]);
  if (c == 0x7F) return 0;
  if ((key->modifiers() & Qt::ControlModifier) && std::isalpha(c)) return c & 0x1F;
  return c;
}

void RunKey(HWND hwnd, QObject* receiver, QKeyEvent* key, bool down) {
  UpdateModifiers(key->modifiers());
  int vk = VkFromQt(key->key());
  SetKeyDown(vk, down);
  bool alt = (key->modifiers() & Qt::AltModifier) != 0;
  MSG msg;
  msg.hwnd = hwnd;
  msg.message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
  msg.wParam = static_cast<WPARAM>(vk);
  msg.lParam = down ? 1 : static_cast<LPARAM>(0xC0000001u);
  InputScope scope(receiver, key);
  bool taken = false;
  for (HWND w = hwnd; w && IsLive(w); w = w->parent) {
    CWnd* wnd = CWnd::FromHandle(w);
    if (wnd && wnd->PreTranslateMessage(&msg)) {
      taken = true;
      break;
    }
    if (w->windowKind != WindowKind::Control) break;
  }
  if (!taken) {
    if (down) TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
  while (!TranslatedChars().empty()) {
    MSG ch = TranslatedChars().front();
    TranslatedChars().pop_front();
    if (IsLive(ch.hwnd)) DispatchMessage(&ch);
  }
}

class InputFilter : public QObject {
 public:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (g_bypass) return false;
    HWND hwnd = HandleOf(object);
    if (!hwnd || hwnd->destroying) return false;
    QtEntry entry;
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        RunKey(hwnd, object, static_cast<QKeyEvent*>(event), event->type() == QEvent::KeyPress);
        return true;
      case QEvent::ShortcutOverride:
        event->accept();  // every key reaches the window as a key message
        return true;
      case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        UpdateModifiers(mouse->modifiers());
        if (mouse->button() != Qt::LeftButton) return false;
        QWidget* target = hwnd->widget;
        QPoint p = static_cast<QWidget*>(object)->mapTo(target->window(), mouse->position().toPoint());
        p = target->mapFrom(target->window(), p) - ClientOrigin(target);
        UINT flags = MK_LBUTTON | ((mouse->modifiers() & Qt::ShiftModifier) ? MK_SHIFT : 0) |
                     ((mouse->modifiers() & Qt::ControlModifier) ? MK_CONTROL : 0);
        InputScope scope(object, event);
        Dispatch(hwnd, WM_LBUTTONDOWN, flags, MAKELPARAM(static_cast<unsigned>(p.x()), static_cast<unsigned>(p.y())));
        return true;
      }
      case QEvent::FocusIn:
      case QEvent::FocusOut: {
        if (object != hwnd->widget) return false;
        auto* focus = static_cast<QFocusEvent*>(event);
        if (focus->reason() == Qt::PopupFocusReason) return false;
        g_bypass = true;
        QCoreApplication::sendEvent(object, event);
        g_bypass = false;
        if (!IsLive(hwnd)) return true;
        const bool alreadyNotified = std::exchange(hwnd->focusLossSent, false);
        if (event->type() == QEvent::FocusIn) {
          Dispatch(hwnd, WM_SETFOCUS, 0, 0);
        } else {
          HWND next = HandleOf(QApplication::focusWidget());
          Dispatch(hwnd, WM_KILLFOCUS, reinterpret_cast<WPARAM>(next), 0);
          if (!alreadyNotified) NotifyFocusLoss(hwnd);
        }
        return true;
      }
      case QEvent::Close:
        if (object != hwnd->widget || hwnd->windowKind == WindowKind::Control) return false;
        event->ignore();
        Dispatch(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
      case QEvent::WindowActivate:
      case QEvent::WindowDeactivate:
        if (object != hwnd->widget || hwnd->windowKind == WindowKind::Control) return false;
        Dispatch(hwnd, WM_ACTIVATE, event->type() == QEvent::WindowActivate ? WA_ACTIVE : WA_INACTIVE, 0);
        return false;
      case QEvent::Resize: {
        if (object != hwnd->widget || !hwnd->attached) return false;
        QSize size = static_cast<QResizeEvent*>(event)->size();
        Dispatch(hwnd, WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(static_cast<unsigned>(size.width()), static_cast<unsigned>(size.height())));
        return false;
      }
      default:
        return false;
    }
  }
};

InputFilter* Filter() {
  static InputFilter* filter = new InputFilter;
  return filter;
}

void Watch(QObject* object, HWND hwnd) {
  object->setProperty(kHandleProperty, QVariant::fromValue(reinterpret_cast<quintptr>(hwnd)));
  object->installEventFilter(Filter());
}

void ClearNames(QWidget* widget) {
  widget->setObjectName(QString());
  for (QWidget* child : widget->findChildren<QWidget*>()) child->setObjectName(QString());
}

void ReleaseState(HWND hwnd) {
  LiveHandles().erase(hwnd);
  if (hwnd->attached) {
    hwnd->attached->m_hWnd = nullptr;
    hwnd->attached = nullptr;
  }
  if (hwnd->parent && IsLive(hwnd->parent)) {
    auto& siblings = hwnd->parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
  }
}

// Once per run, before the first window is made.
void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(AccessibleButtonFor);
    QAccessible::installFactory(AccessibleEditFor);
    return true;
  }();
  (void)installed;
}

}  // namespace

QString ToQt(const std::string& ansi) {
  std::u16string wide = AnsiToWide(ansi);
  return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::string FromQt(const QString& text) {
  return WideToAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                        static_cast<size_t>(text.size())));
}

bool IsLive(HWND hwnd) { return hwnd && LiveHandles().count(hwnd) != 0; }

HWND HandleOf(const QObject* object) {
  for (const QObject* o = object; o; o = o->parent()) {
    QVariant v = o->property(kHandleProperty);
    if (v.isValid()) {
      HWND hwnd = reinterpret_cast<HWND>(v.value<quintptr>());
      return IsLive(hwnd) ? hwnd : nullptr;
    }
  }
  return nullptr;
}

HWND NewWindow(QWidget* widget, WindowKind windowKind, ControlKind kind, int id, DWORD style, DWORD exStyle,
               HWND parent) {
  InstallAccessibleInterfaces();
  auto* hwnd = new HWND__;
  hwnd->widget = widget;
  hwnd->windowKind = windowKind;
  hwnd->kind = kind;
  hwnd->id = id;
  hwnd->style = style;
  hwnd->exStyle = exStyle;
  hwnd->parent = parent;
  hwnd->font.Attach(new HFONT__{widget->font()});
  LiveHandles().insert(hwnd);
  if (parent) parent->children.push_back(hwnd);
  Watch(widget, hwnd);
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) Watch(area->viewport(), hwnd);
  if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) Watch(combo->lineEdit(), hwnd);
  QObject::connect(widget, &QObject::destroyed, [hwnd] {
    ReleaseState(hwnd);
    delete hwnd;
  });
  return hwnd;
}

bool SetWindowFont(HWND hwnd, HFONT font) {
  if (!font || !hwnd->widget) return false;
  hwnd->font.Attach(new HFONT__{font->font});
  hwnd->widget->setFont(font->font);
  return true;
}

void Destroy(HWND hwnd) {
  if (!IsLive(hwnd) || hwnd->destroying) return;
  hwnd->destroying = true;
  Dispatch(hwnd, WM_DESTROY, 0, 0);
  std::vector<HWND> children = hwnd->children;
  for (HWND child : children) Destroy(child);
  Dispatch(hwnd, WM_NCDESTROY, 0, 0);
  bool root = !hwnd->parent || !hwnd->parent->destroying;
  QPointer<QWidget> widget = hwnd->widget;
  ReleaseState(hwnd);
  if (!root || !widget) return;  // the parent's widget takes the children's along
  ClearNames(widget);
  widget->hide();
  if (QtEntry::Active()) {
    widget->setParent(nullptr);
    widget->deleteLater();
  } else {
    delete widget.data();
  }
}

QPoint ClientOrigin(const QWidget* widget) {
  if (auto* area = qobject_cast<const QAbstractScrollArea*>(widget)) return area->contentsRect().topLeft();
  return QPoint(0, 0);
}

QRect ToQRect(const RECT& r) { return QRect(QPoint(r.left, r.top), QSize(r.right - r.left, r.bottom - r.top)); }
RECT ToRect(const QRect& r) { return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessage(hwnd, message, wParam, lParam);
}

void NotifyParent(HWND control, UINT code) {
  if (!IsLive(control) || control->programmatic || !IsLive(control->parent)) return;
  SendMessage(control->parent, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(control->id), code),
              reinterpret_cast<LPARAM>(control));
}

bool NotifyFocusLoss(HWND control) {
  if (!IsLive(control) || control->windowKind != WindowKind::Control) return false;
  switch (control->kind) {
    case ControlKind::Edit: NotifyParent(control, EN_KILLFOCUS); return true;
    case ControlKind::ComboBox: NotifyParent(control, CBN_KILLFOCUS); return true;
    case ControlKind::ListBox: NotifyParent(control, LBN_KILLFOCUS); return true;
    default: return false;
  }
}

QtEntry::QtEntry() { ++g_entryDepth; }
QtEntry::~QtEntry() { --g_entryDepth; }
bool QtEntry::Active() { return g_entryDepth > 0; }

InputScope::InputScope(QObject* receiver, QEvent* event) { InputStack().push_back({receiver, event}); }
InputScope::~InputScope() { InputStack().pop_back(); }
bool HasInputScope() { return !InputStack().empty(); }

QEvent* CurrentInput(QObject** receiver) {
  if (InputStack().empty()) return nullptr;
  if (receiver) *receiver = InputStack().back().receiver;
  return InputStack().back().event;
}

// The platform's own handling of the key or click being processed: Qt's widget gets the event once.
bool ForwardCurrentInput(HWND hwnd, QEvent::Type type) {
  if (InputStack().empty()) return false;
  InputFrame& frame = InputStack().back();
  if (frame.forwarded || frame.event->type() != type || HandleOf(frame.receiver) != hwnd) return false;
  frame.forwarded = true;
  QPointer<QObject> receiver = frame.receiver;
  g_bypass = true;
  QCoreApplication::sendEvent(receiver, frame.event);
  g_bypass = false;
  return true;
}

void UpdateModifiers(Qt::KeyboardModifiers modifiers) {
  g_shift = modifiers & Qt::ShiftModifier;
  g_control = modifiers & Qt::ControlModifier;
  g_alt = modifiers & Qt::AltModifier;
}

void SetKeyDown(int vk, bool down) {
  if (vk == 0) return;
  if (down) KeysDown().insert(vk);
  else KeysDown().erase(vk);
}

void QueueTranslatedChar(const MSG& msg) { TranslatedChars().push_back(msg); }

int CharOfCurrentKey() {
  if (InputStack().empty()) return 0;
  QEvent* e = InputStack().back().event;
  if (e->type() != QEvent::KeyPress) return 0;
  return CharOf(static_cast<QKeyEvent*>(e));
}

}  // namespace ui

SHORT GetKeyState(int vk) {
  bool down;
  switch (vk) {
    case VK_SHIFT: down = ui::g_shift; break;
    case VK_CONTROL: down = ui::g_control; break;
    case VK_MENU: down = ui::g_alt; break;
    default: down = ui::KeysDown().count(vk) != 0;
  }
  return down ? static_cast<SHORT>(0x8000 | 1) : 0;
}

QWidget* WidgetFromHandle(HWND__* hwnd) { return ui::IsLive(hwnd) ? hwnd->widget.data() : nullptr; }
HWND__* HandleFromWidget(QWidget* widget) { return ui::HandleOf(widget); }
