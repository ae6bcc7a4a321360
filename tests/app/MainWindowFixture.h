// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window created modeless against the spy component and a scripted host, with real widgets
// on the offscreen platform. Every test ends by proving the spy got back each reference it gave.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/MainDlgIds.h"
#include "app/MarnCtrlDlg.h"
#include "device/DpmEvents.h"
#include "platform/automation/Apartment.h"
#include "platform/ui/Ui.h"
#include "platform/ui/ScriptedHost.h"
#include "platform/ui/testing/QtBridge.h"
#include "tests/support/SpyComponent.h"
#include "tests/support/TempRegistry.h"

inline QWidget* WidgetOf(const CWnd& wnd) { return WidgetFromHandle(wnd.m_hWnd); }

inline QWidget* ControlWidget(const CWnd& dialog, int id) {
  QWidget* w = WidgetOf(dialog);
  return w ? w->findChild<QWidget*>(QString::number(id)) : nullptr;
}

// A real mouse click on a control the user can reach.
inline void Click(const CWnd& dialog, int id) {
  QWidget* button = ControlWidget(dialog, id);
  ASSERT_NE(button, nullptr) << "no control " << id;
  QTest::mouseClick(button, Qt::LeftButton);
}

// A hidden control cannot be clicked; its command is what a click would send.
inline void Command(CWnd& dialog, int id) { dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

inline std::vector<std::string> Lines(const CWnd& dialog, int id) {
  std::vector<std::string> lines;
  auto* list = static_cast<CListBox*>(dialog.GetDlgItem(id));
  for (int i = 0; list && i < list->GetCount(); ++i) lines.push_back(list->GetText(i));
  return lines;
}

inline int Selection(const CWnd& dialog, int id) {
  auto* list = static_cast<CListBox*>(dialog.GetDlgItem(id));
  return list ? list->GetCurSel() : LB_ERR;
}

inline std::string Text(const CWnd& dialog, int id) {
  std::string text;
  dialog.GetDlgItemText(id, text);
  return text;
}

inline bool Enabled(const CWnd& dialog, int id) { return dialog.GetDlgItem(id)->IsWindowEnabled() != FALSE; }

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    if (RegisterComponent()) {
      ASSERT_EQ(SpyComponent::RegisterClass(), S_OK);
    }
  }

  void TearDown() override {
    dlg.reset();
    DropQueuedQuit();
    EXPECT_EQ(spy.SinkCount(), 0u);
    EXPECT_EQ(spy.LiveObjects(), 0);
    EXPECT_EQ(spy.OutstandingReferences(), 0);
    CoUninitialize();
  }

  // Tests of a missing component leave the registry empty.
  virtual bool RegisterComponent() const { return true; }

  void Open() {
    dlg = std::make_unique<CMarnCtrlDlg>();
    ASSERT_TRUE(dlg->Create(nullptr));
    dlg->ShowWindow(SW_SHOW);
    spy.ClearCalls();
  }

  static bool DropQueuedQuit() {
    MSG msg;
    return PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
  }

  bool DeviceButtonsEnabled() const {
    const bool setup = Enabled(*dlg, IDC_SETUP_DEVICE);
    EXPECT_EQ(setup, Enabled(*dlg, IDC_FORMAT_SET_TIME)) << "the device buttons always switch together";
    return setup;
  }

  TempRegistry registry;
  SpyComponent spy;
  ScriptedHost host;
  ScopedHost scopedHost{host};
  std::unique_ptr<CMarnCtrlDlg> dlg;
};
