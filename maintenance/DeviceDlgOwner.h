// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the maintenance window, and the dialogs it carries, need of the main window: the component,
// the names of result codes and buttons, and being closed again.
#include <string>

#include "device/IDPMControl.h"
#include "platform/automation/Types.h"
#include "settings/SettingsDlgOwner.h"

class CWnd;

class IDeviceDlgOwner : public ISettingsMainWindow {
 public:
  // The main window itself, parent and owner of the maintenance window.
  virtual CWnd* OwnerWindow() = 0;
  // Control() and GetResultName() come with ISettingsMainWindow: the component, held by the main window
  // for the whole run (null when it could not be created), and the names of result codes.
  virtual std::string GetButtonName(LONG button) = 0;
  // The maintenance window has finished: destroy it and enable the device buttons again.
  virtual void OnDeviceDlgClosed() = 0;

 protected:
  ~IDeviceDlgOwner() = default;
};
