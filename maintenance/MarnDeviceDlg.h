// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device maintenance window: holds the device object of the first connected recorder while it
// lives, synchronises the recorder's clock and formats its card. In setup mode it is the unseen
// carrier of the device settings dialog.
#include <string>

#include "device/IDPMDevice.h"
#include "device/IDPMFileList.h"
#include "maintenance/DeviceDlgOwner.h"
#include "platform/automation/ComPtr.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListBox.h"
#include "settings/LogList.h"

class CMarnDeviceDlg : public CDialog, public ISettingsDlgOwner {
 public:
  static constexpr int kResultLines = 20;

  explicit CMarnDeviceDlg(IDeviceDlgOwner* mainWindow);
  ~CMarnDeviceDlg() override;

  // What the settings dialog asks of the window that carries it.
  CWnd* SettingsParent() override { return this; }
  IDPMDevice* Device() const override { return m_device.Get(); }
  ISettingsMainWindow* MainWindow() override { return m_mainWindow; }

  // The result's name as a new, selected last line of the result list, which keeps the newest 20.
  void LogResult(HRESULT result);

  IDeviceDlgOwner* m_mainWindow;
  ComPtr<IDPMDevice> m_device;
  // Set by the main window before the window is created; false is setup mode.
  bool m_maintenanceMode = false;
  // Never set by the program: only the hidden Refresh control would use it.
  ComPtr<IDPMFileList> m_fileList;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  // Escape does nothing; there is no Cancel button.
  void OnCancel() override {}
  void OnClose() override;
  void OnDestroy() override;
  // Consumed, so the dialog manager's focus handling on activation does not run.
  void OnActivate(UINT state, CWnd* other, BOOL minimized) override {}

  // Runs the device settings dialog modally with this window as its parent.
  virtual void RunSettingsDialog();

 private:
  void MapHandlers();
  void ReleaseDevice();
  void CloseDialog();

  void OnSynchronizeDateTime();
  void OnFormatCard();
  void OnCloseButton();

  // Hidden controls.
  void OnGetFreeDiskSpace();
  void OnGetFirmwareVersion();
  void OnGetMacAddress();
  void OnGetDriveLetter();
  void OnGetFileCount();
  void OnRefreshFileList();
  void OnBrowseScreen();
  void OnPutWelcomeScreen();
  void OnDisplayScreen();
  void OnLed1();
  void OnLed2();
  void SetLed(LONG led, int comboId);
  void OnGetLastButton();
  void OnGetDeviceType();
  void OnGetCapabilities();
  void OnGetOemString();
  void OnGetBuildNumber();
  void OnGetPukSet();
  void OnSetPuk();
  void OnSetPin();
  void OnSetEncryptionPassword();
  void OnDeleteDeviceFile();
  void OnSetupDevice();
  void OnGetBarcodeKeyboardLayout();
  void OnSetBarcodeKeyboardLayout();
  void OnSelchangeKeyboardLayout();

  // Logs the result, and on success shows the variables in the fields.
  void Finish(HRESULT result);
  // Takes the fields into the variables first; false when a field held no valid value.
  bool TakeFields();
  HRESULT GetText(HRESULT (IDPMDevice::*getter)(BSTR*), std::string* text);

  CLogList m_resultList{kResultLines};
  int m_freeDiskSpace = 0;
  std::string m_firmwareVersion;
  std::string m_macAddress;
  std::string m_driveLetter;
  std::string m_screenPath;
  std::string m_lastButton;
  std::string m_deviceType;
  std::string m_capabilities;
  std::string m_oemString;
  int m_buildNumber = 0;
  int m_pukSet = 0;
  std::string m_puk;
  std::string m_pin;
  std::string m_encryptionPassword;
  std::string m_deviceFileName;
  int m_keyboardLayout = 0;
  std::string m_prefix;
  std::string m_postfix;
};
