// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CDialog: a window made from a DialogTemplate, run modally (DoModal returns the end code) or
// created modeless (Create, then DestroyWindow).
//
// How a dialog class is written:
//
//   class CMarnDeviceDlg : public CDialog {
//    public:
//     explicit CMarnDeviceDlg(CMarnCtrlDlg* main)
//         : CDialog(kDeviceDlgTemplate, main), m_mainWindow(main) {
//       MapClicked(1019, &CMarnDeviceDlg::OnSynchronize);   // message map, in the constructor
//       MapClicked(1113, &CMarnDeviceDlg::OnCloseButton);
//     }
//    protected:
//     void DoDataExchange(CDataExchange* pDX) override {
//       CDialog::DoDataExchange(pDX);
//       DDX_Text(pDX, 1025, m_freeSpace);                     // int: "Please enter an integer."
//       DDX_Control(pDX, 1044, m_resultList);                 // attach a CListBox member
//     }
//     BOOL OnInitDialog() override { CDialog::OnInitDialog(); /* ... */ return TRUE; }
//     void OnCancel() override {}                             // Escape does nothing here
//     void OnClose() override { CDialog::OnClose(); /* ... */ }
//    private:
//     void OnSynchronize();
//     ...
//   };
//
// Escape and the close box reach OnCancel (the close box through WM_SYSCOMMAND SC_CLOSE -> WM_CLOSE ->
// OnClose, whose default sends IDCANCEL); Enter presses the default button (IDOK -> OnOK); F1 sends
// ID_HELP, which by default goes to the application's OnHelp. Before OK or Cancel runs, the focused
// edit, combo or list box sends its focus-loss notification, as if the focus had left it.
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Wnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(const DialogTemplate& tpl, CWnd* parent = nullptr);
  // From a template registered with RegisterDialogTemplate.
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // Creates the window, runs OnInitDialog, shows it and dispatches until EndDialog; returns the end
  // code, or -1 when the window could not be created (or a WM_QUIT ended the run).
  virtual INT_PTR DoModal();
  // Modeless: creates the window and runs OnInitDialog; shown when the template has WS_VISIBLE.
  BOOL Create(CWnd* parent = nullptr);
  BOOL Create(UINT templateId, CWnd* parent);
  // Ends a modal run with `result` (the window is destroyed after DoModal's loop); hides a modeless one.
  void EndDialog(int result);

  virtual BOOL OnInitDialog();  // default: UpdateData(FALSE); TRUE sets the focus to the first control
  virtual void OnOK();          // UpdateData(TRUE); on success EndDialog(IDOK)
  virtual void OnCancel();      // EndDialog(IDCANCEL)

  // The dialog manager's keys: Tab and Shift+Tab move the focus, Enter presses the default button,
  // Escape sends IDCANCEL, F1 sends ID_HELP, Alt+Space opens the system menu. A control whose
  // WM_GETDLGCODE answers DLGC_WANTTAB (DLGC_WANTALLKEYS) keeps those keys.
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL IsDialogMessage(MSG* pMsg);
  void NextDlgCtrl();
  void PrevDlgCtrl();
  void GotoDlgCtrl(CWnd* control);
  void SetDefID(UINT id);
  DWORD GetDefID() const;

  // Dialog units to pixels of this dialog's font: x * avgCharWidth / 4, y * charHeight / 8.
  void MapDialogRect(LPRECT rect) const;
  const DialogTemplate& GetTemplate() const { return m_template; }

  CWnd* m_pParentWnd = nullptr;

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;  // WM_INITDIALOG
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  BOOL CreateFromTemplate(CWnd* parent, bool modal);
  BOOL Command(WPARAM wParam, LPARAM lParam);
  DialogTemplate m_template;
  bool m_ended = false;
  int m_result = -1;
  void* m_loop = nullptr;
};
