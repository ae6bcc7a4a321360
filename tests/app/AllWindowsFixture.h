// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every window of the program opened modeless over the spy component: the main window, the maintenance
// window, and over it the settings, smart buttons and file information dialogs, as the program opens them.
#include <memory>

#include "fileinfo/MarnFileInfoDlg.h"
#include "platform/automation/Bstr.h"
#include "settings/MarnDeviceSettingsDlg.h"
#include "smartbuttons/SmartButtons.h"
#include "tests/app/MainWindowFixture.h"

enum class Window { Main, Maintenance, Settings, SmartButtons, FileInfo };

inline const char* NameOf(Window w) {
  static const char* const kNames[] = {"Main", "Maintenance", "Settings", "SmartButtons", "FileInfo"};
  return kNames[static_cast<int>(w)];
}

class AllWindows : public MainWindowTest {
 protected:
  CWnd& OpenWindow(Window which) {
    CWnd& opened = OpenWithoutCalls(which);
    spy.ClearCalls();
    return opened;
  }

  void TearDown() override {
    window.reset();
    info = nullptr;
    control = nullptr;
    MainWindowTest::TearDown();
  }

  std::unique_ptr<CDialog> window;
  ComPtr<IDPMControl> control;
  ComPtr<IDPMFileInfo> info;

 private:
  CWnd& OpenWithoutCalls(Window which) {
    Open();
    spy.SetValue("GetDeviceType", 27);
    spy.Fire(DPMEventDeviceConnected, {LONG{0}});
    if (which == Window::Main) return *dlg;
    Click(*dlg, IDC_FORMAT_SET_TIME);
    CMarnDeviceDlg* device = dlg->DeviceDlg();
    if (which == Window::Maintenance || !device) return device ? static_cast<CWnd&>(*device) : *dlg;
    if (which == Window::SmartButtons) return Made(std::make_unique<CSmartButtons>(device));
    if (which == Window::Settings) return Made(std::make_unique<CMarnDeviceSettingsDlg>(device));
    control = spy.CreateControl();
    Bstr path(u"x.dss");
    EXPECT_EQ(control->get_IDPMFileInfo(path.Get(), info.ReleaseAndGetAddressOf()), S_OK);
    return Made(std::make_unique<CMarnFileInfoDlg>(dlg.get(), info.Get()));
  }

  CWnd& Made(std::unique_ptr<CDialog> made) {
    window = std::move(made);
    EXPECT_TRUE(window->Create(dlg->DeviceDlg()));
    window->ShowWindow(SW_SHOW);
    return *window;
  }
};

