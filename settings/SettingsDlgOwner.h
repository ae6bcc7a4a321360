// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the settings dialog needs of the windows above it: its parent (the device maintenance window)
// gives the device object, and the main window behind it the component and the names of result codes.
// Declared here so that the arrows between the folders point one way.
#include <string>

#include "device/IDPMControl.h"
#include "device/IDPMDevice.h"
#include "platform/automation/Types.h"

class CWnd;

class ISettingsMainWindow {
 public:
  // Null when the component could not be created.
  virtual IDPMControl* Control() const = 0;
  virtual std::string GetResultName(HRESULT code) = 0;

 protected:
  ~ISettingsMainWindow() = default;
};

class ISettingsDlgOwner {
 public:
  // The parent window of the settings dialog.
  virtual CWnd* SettingsParent() = 0;
  // The recorder's device object; null when there is none.
  virtual IDPMDevice* Device() const = 0;
  // Null when the main window is gone.
  virtual ISettingsMainWindow* MainWindow() = 0;

 protected:
  ~ISettingsDlgOwner() = default;
};
