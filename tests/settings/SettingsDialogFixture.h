// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings dialog run modally against the spy component and a scripted host, with real widgets on
// the offscreen platform. The fixture stands in for the maintenance window above the dialog: it holds
// the spy's control and device object. Every test ends by proving the spy got back each reference.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "device/ResultNames.h"
#include "platform/automation/Apartment.h"
#include "platform/ui/ScriptedHost.h"
#include "platform/ui/Ui.h"
#include "platform/ui/testing/QtBridge.h"
#include "settings/DeviceSettingsIds.h"
#include "settings/MarnDeviceSettingsDlg.h"
#include "tests/platform/ui/UiTestSupport.h"
#include "tests/support/SpyComponent.h"

using Strings = std::vector<std::string>;

class SpySettingsOwner : public ISettingsDlgOwner, public ISettingsMainWindow {
 public:
  CWnd* SettingsParent() override { return nullptr; }
  IDPMDevice* Device() const override { return device.Get(); }
  ISettingsMainWindow* MainWindow() override { return this; }
  IDPMControl* Control() const override { return control.Get(); }
  std::string GetResultName(HRESULT code) override { return ::GetResultName(code); }

  ComPtr<IDPMControl> control;
  ComPtr<IDPMDevice> device;
};

inline QWidget* ControlWidget(const CWnd& dialog, int id) {
  QWidget* w = WidgetOf(dialog);
  return w ? w->findChild<QWidget*>(QString::number(id)) : nullptr;
}

class SettingsDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    owner.control = spy.CreateControl();
    ASSERT_TRUE(owner.control);
    ASSERT_EQ(owner.control->GetDevice(0, owner.device.ReleaseAndGetAddressOf()), S_OK);
    CMarnDeviceSettingsDlg::s_logNumber = 0;
  }

  void TearDown() override {
    owner.device = nullptr;
    owner.control = nullptr;
    EXPECT_EQ(spy.LiveObjects(), 0);
    EXPECT_EQ(spy.OutstandingReferences(), 0);
    CoUninitialize();
  }

 public:
  // Runs the dialog modally; `act` runs once it is shown, and the dialog then closes with OK. The spy's
  // call log starts with the dialog.
  void Run(const std::function<void(CMarnDeviceSettingsDlg&)>& act) {
    spy.ClearCalls();
    CMarnDeviceSettingsDlg dialog(&owner);
    EXPECT_EQ(RunModal(dialog,
                       [&dialog, &act] {
                         HWND hwnd = dialog.m_hWnd;
                         act(dialog);
                         if (CWnd::FromHandlePermanent(hwnd) == &dialog) dialog.EndDialog(IDOK);
                       }),
              IDOK);
  }

  // A recorder with three keywords, two value rows and room for ten, of the given type.
  void ScriptRecorder(LONG type = 27, LONG keywords = 3, LONG rows = 2) {
    spy.SetValue("GetDeviceType", type);
    spy.SetValue("get_KeywordUsageCount", keywords);
    spy.SetValue("get_KeywordContentCount", rows);
    spy.SetValue("get_KeywordContent", 10);
  }

  static void Click(const CWnd& dialog, int id) {
    QWidget* w = ControlWidget(dialog, id);
    ASSERT_NE(w, nullptr) << "no control " << id;
    QTest::mouseClick(w, Qt::LeftButton);
  }

  // A hidden control cannot be clicked; its notification is what a user's action would send.
  static void Notify(CWnd& dialog, int id, UINT code = BN_CLICKED) {
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), 0);
  }

  // Chooses a list entry as a user does: the list's activation raises the selection change.
  static void Choose(const CWnd& dialog, int id, int index) {
    auto* combo = qobject_cast<QComboBox*>(ControlWidget(dialog, id));
    ASSERT_NE(combo, nullptr) << "no list " << id;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }

  static int Selection(const CWnd& dialog, int id) {
    return static_cast<CComboBox*>(dialog.GetDlgItem(id))->GetCurSel();
  }

  static Strings Messages(const CWnd& dialog) {
    Strings lines;
    auto* list = static_cast<CListBox*>(dialog.GetDlgItem(IDC_MESSAGE_LIST));
    for (int i = 0; i < list->GetCount(); ++i) lines.push_back(list->GetText(i));
    return lines;
  }

  static bool Checked(const CWnd& dialog, int id) { return dialog.IsDlgButtonChecked(id) == BST_CHECKED; }

  // The calls after the first one named `name`, up to the end of the log.
  Strings CallsAfter(const std::string& line) const {
    const Strings& calls = spy.Calls();
    for (size_t i = 0; i < calls.size(); ++i)
      if (calls[i] == line) return Strings(calls.begin() + static_cast<long>(i) + 1, calls.end());
    return {};
  }

  SpyComponent spy;
  SpySettingsOwner owner;
  ScriptedHost host;
  ScopedHost scopedHost{host};
};
