// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// platform/ui: the program's dialog framework, on Qt Widgets underneath but with no Qt in sight.
//
//   WinTypes.h       handles, messages, styles, codes, NMHDR / LVITEM / NMLVDISPINFO / LVCOLUMN
//   Geometry.h       CPoint, CSize, CRect
//   DialogTemplate.h DialogTemplate, ControlTemplate and builders (PushButton, Edit, ComboBox ...)
//   Wnd.h            CWnd: handles, state, geometry, messages, virtual handlers, message map
//   Dialog.h         CDialog: DoModal / Create, EndDialog, OnInitDialog, OnOK, OnCancel, dialog keys
//   Button.h Static.h Edit.h ComboBox.h ListBox.h ListCtrl.h HeaderCtrl.h   the controls
//   DataExchange.h   CDataExchange, DDX_Text / Check / Radio / CBIndex / Control
//   Gdi.h            CFont, icons, CClientDC and text extents
//   Menu.h           CMenu (the system menu)
//   MessageQueue.h   PostMessage, PeekMessage, DispatchMessage, RegisterWindowMessage, GetKeyState
//   HostServices.h   IHostServices, AfxMessageBox; ScriptedHost.h for tests (quorvel_ui_scripted)
//   WinApp.h         CWinApp, command line, the apartment hook
//
// A dialog class (see Dialog.h for the full sketch):
//
//   const DialogTemplate kAboutTemplate{.id = 100, .caption = "Selvarin", .cx = 240, .cy = 59,
//       .controls = {IconControl(1236, 11, 17, 20, 20), LText("Selvarin  Quorvel", 40, 10, 119, 8),
//                    LText("Version ", 40, 25, 30, 8), LText("", 70, 25, 40, 8, 1235),
//                    DefPushButton(IDOK, "OK", 183, 7, 50, 14)}};
//
//   class CAboutDlg : public CDialog {
//    public:
//     CAboutDlg() : CDialog(kAboutTemplate) {}
//     BOOL OnInitDialog() override {
//       CDialog::OnInitDialog();
//       SetDlgItemText(1235, "2.0.1");
//       return TRUE;
//     }
//   };
//   CAboutDlg().DoModal();  // IDOK on "OK" or Enter, IDCANCEL on Escape or the close box
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/HostServices.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Static.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WinTypes.h"
#include "platform/ui/Wnd.h"
