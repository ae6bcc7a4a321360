// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CWnd: a window of the platform, known by its HWND. Every control of a dialog has one; a C++ object of
// a CWnd subclass can be attached to it (SubclassDlgItem, DDX_Control) to take its messages.
//
// Messages reach WindowProc, which gives them to the message map first and then, through OnWndMsg, to
// the On... virtual handlers below; a handler that wants the platform's own behaviour calls Default()
// (or the base class's handler, which does the same). Key presses first walk PreTranslateMessage from
// the focused window up through its parents; a window that returns TRUE there has taken the key.
//
// Message map (registered in the constructor, one handler per (notification, control id)):
//   MapCommand(BN_CLICKED, 1000, &CMarnCtrlDlg::OnInitialize);       // also MapClicked(1000, ...)
//   MapCommand(CBN_SELCHANGE, 1050, &CMarnCtrlDlg::OnSelchangeFormat); // MapSelChange
//   MapCommand(EN_KILLFOCUS, 1073, &CMarnDeviceSettingsDlg::OnKillfocusPrefix);
//   MapNotify(NM_CLICK, 1161, &CDlg::OnClickGrid);                     // WM_NOTIFY from a control
//   MapNotifyReflect(LVN_ENDLABELEDIT, &CKeywordListCtrl::OnEndLabelEdit);  // taken back by the control
//   MapMessage(WM_SPOKENINSTRUCTION_CLOSE, &CDlg::OnSpokenClosed);    // any (registered) window message
#include <functional>
#include <memory>
#include <string>

#include "platform/ui/Geometry.h"
#include "platform/ui/WinTypes.h"

class CDataExchange;
class CFont;
class CMenu;

class CWnd {
 public:
  CWnd();
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // The object taking the window's messages: the attached one, else a wrapper of the control's class
  // (CButton, CEdit, CComboBox, CListBox, CListCtrl, CStatic or CWnd) owned by the window. Null for a
  // null or destroyed window.
  static CWnd* FromHandle(HWND hwnd);
  // Only an object attached by the program (Create, SubclassDlgItem, Attach); else null.
  static CWnd* FromHandlePermanent(HWND hwnd);

  // --- Creation and destruction ---
  // A plain window (className from AfxRegisterWndClass, ignored otherwise). Without WS_CHILD it is a
  // top-level window owned by `parent`; with it, a child at `rect` in the parent's client coordinates.
  virtual BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                        const RECT& rect, CWnd* parent, UINT id);
  BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
              UINT id);
  // Sends WM_DESTROY and WM_NCDESTROY (children first); after it the object has no window.
  virtual BOOL DestroyWindow();
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  BOOL Attach(HWND hwnd);
  HWND Detach();
  BOOL IsWindow() const;

  // --- Relations ---
  CWnd* GetDlgItem(int id) const;
  int GetDlgCtrlID() const;
  CWnd* GetParent() const;

  // --- State ---
  BOOL ShowWindow(int cmdShow);
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL IsWindowVisible() const;
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  void SetWindowText(const std::string& text);
  void GetWindowText(std::string& text) const;
  std::string GetWindowText() const;
  CWnd* SetFocus();
  static CWnd* GetFocus();
  void SetFont(CFont* font, BOOL redraw = TRUE);
  CFont* GetFont() const;
  HICON SetIcon(HICON icon, BOOL bigIcon);
  HICON GetIcon(BOOL bigIcon) const;
  // The window's system menu (null without WS_SYSMENU); items appended to it send WM_SYSCOMMAND.
  CMenu* GetSystemMenu(BOOL revert) const;

  // --- Geometry (client coordinates of the parent for child windows, screen for top-level) ---
  void GetClientRect(LPRECT rect) const;
  void GetWindowRect(LPRECT rect) const;  // screen coordinates
  void ClientToScreen(LPPOINT point) const;
  void ClientToScreen(LPRECT rect) const;
  void ScreenToClient(LPPOINT point) const;
  void ScreenToClient(LPRECT rect) const;
  void MapWindowPoints(CWnd* to, LPRECT rect) const;  // null: the screen
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
  void CenterWindow(CWnd* alternateOwner = nullptr);
  void Invalidate(BOOL erase = TRUE);
  void UpdateWindow();

  // --- Messages ---
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);

  // --- Dialog item helpers ---
  void SetDlgItemText(int id, const std::string& text);
  void GetDlgItemText(int id, std::string& text) const;
  void CheckDlgButton(int id, UINT check);
  UINT IsDlgButtonChecked(int id) const;
  void CheckRadioButton(int firstId, int lastId, int checkId);

  // Data exchange: FALSE fills the controls from the members, TRUE takes the controls into the
  // members and validates; returns FALSE when a field failed (the exchange stopped there).
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* pDX);

  // --- Message processing ---
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The platform's own behaviour for a message (text insertion, caret moves, default click ...).
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // DefWindowProc for the message being handled.
  LRESULT Default();
  const MSG* GetCurrentMessage() const;
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // WM_COMMAND: the message map; TRUE when handled.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // WM_NOTIFY: first reflected to the source control (NMHDR::hwndFrom) through OnChildNotify, then
  // the message map.
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // A notification sent to this control's parent, offered back to the control; TRUE consumes it.
  // Default: the MapNotifyReflect entries.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // After WM_NCDESTROY, when the window is gone. Heap objects that own themselves `delete this` here.
  virtual void PostNcDestroy();

 protected:
  // Gives a message to its On... handler; TRUE (with *result) when one took it, else WindowProc runs
  // DefWindowProc. A subclass with messages of its own (a dialog's WM_INITDIALOG) extends it.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  // Handlers by message; each default runs Default().
  virtual int OnCreate(LPCREATESTRUCT cs);
  virtual void OnDestroy();
  virtual void OnNcDestroy();  // detaches the object, then PostNcDestroy()
  virtual void OnClose();
  virtual void OnSize(UINT type, int cx, int cy);
  virtual void OnActivate(UINT state, CWnd* other, BOOL minimized);
  virtual void OnSetFocus(CWnd* oldWnd);
  virtual void OnKillFocus(CWnd* newWnd);
  virtual void OnChar(UINT nChar, UINT repeatCount, UINT flags);
  virtual void OnKeyDown(UINT nChar, UINT repeatCount, UINT flags);
  virtual void OnKeyUp(UINT nChar, UINT repeatCount, UINT flags);
  virtual void OnLButtonDown(UINT flags, CPoint point);
  virtual UINT OnGetDlgCode();
  virtual void OnSysCommand(UINT id, LPARAM lParam);
  virtual void OnHScroll(UINT code, UINT pos, CWnd* scrollBar);
  virtual void OnVScroll(UINT code, UINT pos, CWnd* scrollBar);

  // --- Message map registration ---
  template <class T>
  void MapCommand(UINT code, int id, void (T::*fn)()) {
    AddCommandHandler(code, id, id, [this, fn](UINT) { (static_cast<T*>(this)->*fn)(); });
  }
  template <class T>
  void MapCommandRange(UINT code, int firstId, int lastId, void (T::*fn)(UINT)) {
    AddCommandHandler(code, firstId, lastId, [this, fn](UINT id) { (static_cast<T*>(this)->*fn)(id); });
  }
  template <class T>
  void MapClicked(int id, void (T::*fn)()) { MapCommand(BN_CLICKED, id, fn); }
  template <class T>
  void MapSelChange(int id, void (T::*fn)()) { MapCommand(CBN_SELCHANGE, id, fn); }  // == LBN_SELCHANGE
  template <class T>
  void MapChange(int id, void (T::*fn)()) { MapCommand(EN_CHANGE, id, fn); }
  template <class T>
  void MapKillFocus(int id, void (T::*fn)()) { MapCommand(EN_KILLFOCUS, id, fn); }
  template <class T>
  void MapNotify(UINT code, int id, void (T::*fn)(NMHDR*, LRESULT*)) {
    AddNotifyHandler(code, id, false,
                     [this, fn](NMHDR* h, LRESULT* r) { (static_cast<T*>(this)->*fn)(h, r); });
  }
  template <class T>
  void MapNotifyReflect(UINT code, void (T::*fn)(NMHDR*, LRESULT*)) {
    AddNotifyHandler(code, 0, true,
                     [this, fn](NMHDR* h, LRESULT* r) { (static_cast<T*>(this)->*fn)(h, r); });
  }
  template <class T>
  void MapMessage(UINT message, LRESULT (T::*fn)(WPARAM, LPARAM)) {
    AddMessageHandler(message, [this, fn](WPARAM w, LPARAM l) { return (static_cast<T*>(this)->*fn)(w, l); });
  }

  void AddCommandHandler(UINT code, int firstId, int lastId, std::function<void(UINT)> handler);
  void AddNotifyHandler(UINT code, int id, bool reflected, std::function<void(NMHDR*, LRESULT*)> handler);
  void AddMessageHandler(UINT message, std::function<LRESULT(WPARAM, LPARAM)> handler);

 private:
  struct MessageMap;
  std::unique_ptr<MessageMap> m_map;
};

// A window class name for CreateEx; the class styles are accepted and ignored.
const char* AfxRegisterWndClass(UINT classStyle, void* cursor = nullptr, void* background = nullptr,
                                HICON icon = nullptr);
constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
