// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a window handle stands for: the Qt widget, the object taking its messages, and the few facts
// of the platform's window that Qt does not keep. Private to platform/ui.
#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Wnd.h"

struct HFONT__ {
  QFont font;
};
struct HICON__ {
  QIcon icon;
  int width = 32;
};

enum class WindowKind { Plain, Dialog, Control };

struct HWND__ {
  QPointer<QWidget> widget;
  CWnd* attached = nullptr;           // the program's object, if any
  std::unique_ptr<CWnd> wrapper;      // FromHandle's object otherwise
  WindowKind windowKind = WindowKind::Plain;
  ControlKind kind = ControlKind::Static;
  int id = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;
  std::vector<HWND> children;         // creation (z) order
  HWND groupHead = nullptr;           // radio buttons: the first button of the group
  bool destroying = false;
  bool owned = false;                 // made by its object (Create), so destroyed with it
  bool programmatic = false;          // suppresses notifications while code changes the control
  bool typedText = false;             // editable combo: typed text, no selection
  bool focusLossSent = false;         // a dialog's leave path already notified this control's focus loss
  int failedExchanges = 0;            // UpdateData failures, so a caller can tell a handler's failure
  CFont font;                         // WM_GETFONT
  HICON icons[2] = {nullptr, nullptr};
  std::unique_ptr<CMenu> systemMenu;
  // List view
  DWORD listExStyle = 0;
  std::vector<int> columnFormats;
  COLORREF bkColor = CLR_DEFAULT;
  COLORREF textBkColor = CLR_DEFAULT;
  COLORREF textColor = CLR_DEFAULT;
};

namespace ui {

QString ToQt(const std::string& ansi);
std::string FromQt(const QString& text);

bool IsLive(HWND hwnd);
HWND HandleOf(const QObject* object);  // the handle of the nearest managed widget
// Makes a handle for a new widget and wires its input; `parent` may be null.
HWND NewWindow(QWidget* widget, WindowKind windowKind, ControlKind kind, int id, DWORD style, DWORD exStyle,
               HWND parent);
void Destroy(HWND hwnd);
// WM_SETFONT's common part: the window's font and its widget's; false for a null font.
bool SetWindowFont(HWND hwnd, HFONT font);
// Top-left of the client area in widget coordinates (inside the frame of scroll areas).
QPoint ClientOrigin(const QWidget* widget);
QRect ToQRect(const RECT& r);
RECT ToRect(const QRect& r);
LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void NotifyParent(HWND control, UINT code);
// The focus-loss notification an edit, combo or list box sends its parent; false for other kinds.
bool NotifyFocusLoss(HWND control);
int BaseUnitX(const QFont& font);
int BaseUnitY(const QFont& font);
void ApplyListFont(HWND list);
QWidget* FocusTarget(QWidget* widget);

// Control operations by handle, shared by the control classes and the dialog item helpers.
QString GetText(HWND hwnd);
void SetText(HWND hwnd, const QString& text);
int GetButtonCheck(HWND hwnd);
void SetButtonCheck(HWND hwnd, int check);
std::vector<HWND> RadioGroup(HWND member);
UINT DefaultDlgCode(HWND hwnd);
LRESULT ControlDefProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
// Makes the widget of a child window created by code (CEdit::Create, CListCtrl::Create ...).
BOOL CreateChild(CWnd* self, QWidget* widget, ControlKind kind, DWORD style, const RECT& rect, CWnd* parent, UINT id);
void ConfigureControl(HWND hwnd);
class QLineEdit* NewLineEdit(DWORD style, QWidget* parent);
class QTableWidget* NewListView(DWORD style, QWidget* parent);

// While Qt calls into us (events, signals), widgets are deleted later, never under Qt's feet.
struct QtEntry {
  QtEntry();
  ~QtEntry();
  static bool Active();
};

// The Qt input event behind the message being processed.
struct InputScope {
  explicit InputScope(QObject* receiver, QEvent* event);
  ~InputScope();
};
QEvent* CurrentInput(QObject** receiver);
bool ForwardCurrentInput(HWND hwnd, QEvent::Type type);
void UpdateModifiers(Qt::KeyboardModifiers modifiers);
void SetKeyDown(int vk, bool down);
// WM_CHARs made by TranslateMessage during the current key event, dispatched once it is handled.
void QueueTranslatedChar(const MSG& msg);
bool HasInputScope();
int CharOfCurrentKey();
// WM_QUIT reached the loop: ends the innermost modal run, else the application loop.
void HandleQuit(int exitCode);

}  // namespace ui
