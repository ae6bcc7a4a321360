// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device-control component as the commands use it: created by its class id through the registry
// in this thread's apartment, started (Initialize) only when a command needs a recorder, and ended
// in order when the command is done. The session never makes the desktop program's default
// recorder: an administrator's tool reports what is there and leaves an empty folder empty.
#include <string>

#include "device/IDPMControl.h"
#include "device/IDPMDevice.h"
#include "device/IDPMDeviceSettings.h"
#include "platform/automation/ComPtr.h"

class CControlSession {
 public:
  // checkCommitsOnly: a dry run, in which the component checks each commit and stores nothing.
  explicit CControlSession(bool checkCommitsOnly = false) : m_checkCommitsOnly(checkCommitsOnly) {}
  CControlSession(const CControlSession&) = delete;
  CControlSession& operator=(const CControlSession&) = delete;
  ~CControlSession();

  // The apartment and the component; what CoCreateInstance answers.
  HRESULT Create();
  IDPMControl* Control() const { return m_control.Get(); }
  bool ChecksCommitsOnly() const { return m_checkCommitsOnly; }

  // Starts the session on first use, then the recorder with that index.
  HRESULT Device(LONG index, ComPtr<IDPMDevice>* out);
  // How many recorders are connected (0 when none).
  HRESULT DeviceCount(LONG* count);
  HRESULT Import(const std::string& path, ComPtr<IDPMDeviceSettings>* out);
  HRESULT Export(const std::string& path, IDPMDeviceSettings* settings);
  HRESULT Start();

 private:
  bool m_checkCommitsOnly;
  bool m_apartment = false;
  bool m_started = false;
  ComPtr<IDPMControl> m_control;
};
