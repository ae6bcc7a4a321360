// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/MarnDeviceDlg.h"

#include <cstdio>

#include "device/IDPMCapabilities.h"
#include "maintenance/BarcodePairList.h"
#include "maintenance/CapabilitiesReport.h"
#include "maintenance/DeviceDlgIds.h"
#include "maintenance/DeviceDlgTemplate.h"
#include "maintenance/DeviceTypes.h"
#include "maintenance/FileListNames.h"
#include "platform/automation/Bstr.h"
#include "platform/automation/CodePage.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/HostServices.h"
#include "settings/MarnDeviceSettingsDlg.h"

namespace {

constexpr const char* kConfirmFormat =
    "Format Card erases every dictation on the recorder's card. Format it now?";

}  // namespace

CMarnDeviceDlg::CMarnDeviceDlg(IDeviceDlgOwner* mainWindow)
    : CDialog(DeviceDlgTemplate(), mainWindow->OwnerWindow()), m_mainWindow(mainWindow) {
  MapHandlers();
}

CMarnDeviceDlg::~CMarnDeviceDlg() {
  if (IsWindow()) DestroyWindow();
  ReleaseDevice();
}

void CMarnDeviceDlg::MapHandlers() {
  MapClicked(IDC_SYNCHRONIZE_DATE_TIME, &CMarnDeviceDlg::OnSynchronizeDateTime);
  MapClicked(IDC_FORMAT_CARD, &CMarnDeviceDlg::OnFormatCard);
  MapClicked(IDC_CLOSE, &CMarnDeviceDlg::OnCloseButton);

  MapClicked(IDC_GET_FREE_DISK_SPACE, &CMarnDeviceDlg::OnGetFreeDiskSpace);
  MapClicked(IDC_GET_FIRMWARE_VERSION, &CMarnDeviceDlg::OnGetFirmwareVersion);
  MapClicked(IDC_GET_MAC_ADDRESS, &CMarnDeviceDlg::OnGetMacAddress);
  MapClicked(IDC_GET_DRIVE_LETTER, &CMarnDeviceDlg::OnGetDriveLetter);
  MapClicked(IDC_GET_FILE_COUNT, &CMarnDeviceDlg::OnGetFileCount);
  MapClicked(IDC_REFRESH_DEVICE_FILES, &CMarnDeviceDlg::OnRefreshFileList);
  MapClicked(IDC_BROWSE_SCREEN, &CMarnDeviceDlg::OnBrowseScreen);
  MapClicked(IDC_PUT_WELCOME_SCREEN, &CMarnDeviceDlg::OnPutWelcomeScreen);
  MapClicked(IDC_DISPLAY_SCREEN, &CMarnDeviceDlg::OnDisplayScreen);
  MapClicked(IDC_LED1, &CMarnDeviceDlg::OnLed1);
  MapClicked(IDC_LED2, &CMarnDeviceDlg::OnLed2);
  MapClicked(IDC_GET_LAST_BUTTON, &CMarnDeviceDlg::OnGetLastButton);
  MapClicked(IDC_GET_DEVICE_TYPE, &CMarnDeviceDlg::OnGetDeviceType);
  MapClicked(IDC_GET_CAPABILITIES, &CMarnDeviceDlg::OnGetCapabilities);
  MapClicked(IDC_GET_OEM_STRING, &CMarnDeviceDlg::OnGetOemString);
  MapClicked(IDC_GET_BUILD_NUMBER, &CMarnDeviceDlg::OnGetBuildNumber);
  MapClicked(IDC_GET_PUK_SET, &CMarnDeviceDlg::OnGetPukSet);
  MapClicked(IDC_SET_PUK, &CMarnDeviceDlg::OnSetPuk);
  MapClicked(IDC_SET_PIN, &CMarnDeviceDlg::OnSetPin);
  MapClicked(IDC_SET_ENCRYPTION_PASSWORD, &CMarnDeviceDlg::OnSetEncryptionPassword);
  MapClicked(IDC_DELETE_DEVICE_FILE, &CMarnDeviceDlg::OnDeleteDeviceFile);
  MapClicked(IDC_OPEN_DEVICE_SETTINGS, &CMarnDeviceDlg::OnSetupDevice);
  MapClicked(IDC_GET_KEYBOARD_LAYOUT, &CMarnDeviceDlg::OnGetBarcodeKeyboardLayout);
  MapClicked(IDC_SET_KEYBOARD_LAYOUT, &CMarnDeviceDlg::OnSetBarcodeKeyboardLayout);
  MapSelChange(IDC_KEYBOARD_LAYOUTS, &CMarnDeviceDlg::OnSelchangeKeyboardLayout);
}

void CMarnDeviceDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_RESULT_LIST, m_resultList);
  DDX_Text(pDX, IDC_FREE_DISK_SPACE, m_freeDiskSpace);
  DDX_Text(pDX, IDC_DEVICE_FIRMWARE_VERSION, m_firmwareVersion);
  DDX_Text(pDX, IDC_DEVICE_MAC_ADDRESS, m_macAddress);
  DDX_Text(pDX, IDC_DRIVE_LETTER, m_driveLetter);
  DDX_Text(pDX, IDC_SCREEN_PATH, m_screenPath);
  DDX_Text(pDX, IDC_LAST_BUTTON, m_lastButton);
  DDX_Text(pDX, IDC_DEVICE_TYPE, m_deviceType);
  DDX_Text(pDX, IDC_CAPABILITIES, m_capabilities);
  DDX_Text(pDX, IDC_OEM_STRING, m_oemString);
  DDX_Text(pDX, IDC_BUILD_NUMBER, m_buildNumber);
  DDX_Check(pDX, IDC_PUK_SET, m_pukSet);
  DDX_Text(pDX, IDC_PUK, m_puk);
  DDX_Text(pDX, IDC_PIN, m_pin);
  DDX_Text(pDX, IDC_ENCRYPTION_PASSWORD, m_encryptionPassword);
  DDX_Text(pDX, IDC_DEVICE_FILE_NAME, m_deviceFileName);
  DDX_Text(pDX, IDC_KEYBOARD_LAYOUT, m_keyboardLayout);
  DDX_Text(pDX, IDC_BARCODE_PREFIX, m_prefix);
  DDX_Text(pDX, IDC_BARCODE_POSTFIX, m_postfix);
}

BOOL CMarnDeviceDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // Without a component there is nothing to ask; that reads as a null pointer, not a crash.
  IDPMControl* control = m_mainWindow->Control();
  const HRESULT result = control ? control->GetDevice(0, m_device.ReleaseAndGetAddressOf()) : E_POINTER;
  LogResult(result);
  if (FAILED(result)) {
    m_device = nullptr;
    return FALSE;
  }
  if (m_maintenanceMode) return TRUE;
  RunSettingsDialog();
  OnOK();
  return TRUE;
}

void CMarnDeviceDlg::RunSettingsDialog() {
  CMarnDeviceSettingsDlg settings(this);
  settings.DoModal();
}

void CMarnDeviceDlg::LogResult(HRESULT result) {
  if (m_resultList.GetSafeHwnd()) m_resultList.AppendLine(m_mainWindow->GetResultName(result));
}

void CMarnDeviceDlg::OnSynchronizeDateTime() {
  if (!m_device) return;
  LogResult(m_device->SynchronizeDateTime());
}

// Formatting loses every dictation on the card, so one slip of the mouse must not do it.
void CMarnDeviceDlg::OnFormatCard() {
  if (!m_device) return;
  if (MessageBox(kConfirmFormat, nullptr, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) return;
  LogResult(m_device->FormatCard());
}

void CMarnDeviceDlg::OnCloseButton() { CloseDialog(); }

void CMarnDeviceDlg::OnClose() {
  CDialog::OnClose();
  CloseDialog();
}

void CMarnDeviceDlg::OnDestroy() {
  ReleaseDevice();
  CDialog::OnDestroy();
}

void CMarnDeviceDlg::ReleaseDevice() {
  m_fileList = nullptr;
  m_device = nullptr;
}

// The main window destroys this window; nothing here may touch the object afterwards.
void CMarnDeviceDlg::CloseDialog() {
  ReleaseDevice();
  m_mainWindow->OnDeviceDlgClosed();
}

void CMarnDeviceDlg::Finish(HRESULT result) {
  LogResult(result);
  if (SUCCEEDED(result)) UpdateData(FALSE);
}

bool CMarnDeviceDlg::TakeFields() { return UpdateData(TRUE) != FALSE; }

HRESULT CMarnDeviceDlg::GetText(HRESULT (IDPMDevice::*getter)(BSTR*), std::string* text) {
  Bstr value;
  const HRESULT hr = (m_device.Get()->*getter)(value.Receive());
  if (SUCCEEDED(hr)) *text = BstrToAnsi(value.Get());
  return hr;
}

void CMarnDeviceDlg::OnGetFreeDiskSpace() {
  if (!m_device) return;
  LONG space = 0;
  const HRESULT hr = m_device->GetFreeDiskSpace(&space);
  if (SUCCEEDED(hr)) m_freeDiskSpace = space;
  Finish(hr);
}

void CMarnDeviceDlg::OnGetFirmwareVersion() {
  if (m_device) Finish(GetText(&IDPMDevice::GetFirmwareVersion, &m_firmwareVersion));
}

void CMarnDeviceDlg::OnGetMacAddress() {
  if (m_device) Finish(GetText(&IDPMDevice::GetMACAddress, &m_macAddress));
}

void CMarnDeviceDlg::OnGetDriveLetter() {
  if (m_device) Finish(GetText(&IDPMDevice::GetDriveLetter, &m_driveLetter));
}

void CMarnDeviceDlg::OnGetOemString() {
  if (m_device) Finish(GetText(&IDPMDevice::GetOEMString, &m_oemString));
}

// Shows a count even without a device or when the call fails, then 0.
void CMarnDeviceDlg::OnGetFileCount() {
  LONG count = 0;
  if (m_device) {
    const HRESULT hr = m_device->get_FileCount(&count);
    LogResult(hr);
    if (FAILED(hr)) count = 0;
  }
  SetDlgItemText(IDC_FILE_COUNT, std::to_string(count));
}

void CMarnDeviceDlg::OnRefreshFileList() {
  if (!m_fileList) return;
  HRESULT hr = m_fileList->Refresh();
  LogResult(hr);
  if (FAILED(hr)) return;
  auto* files = static_cast<CListBox*>(GetDlgItem(IDC_DEVICE_FILES));
  if (files) LogResult(FillWithFileNames(*files, m_fileList.Get()));
}

void CMarnDeviceDlg::OnBrowseScreen() {
  std::string path;
  if (!GetHostServices().GetOpenFileName(GetSafeHwnd(), OpenFileRequest{}, path)) return;
  m_screenPath = path;
  SetDlgItemText(IDC_SCREEN_PATH, m_screenPath);
}

void CMarnDeviceDlg::OnPutWelcomeScreen() {
  if (!m_device || !TakeFields()) return;
  Bstr path(AnsiToBstr(m_screenPath));
  Finish(m_device->PutWelcomeScreen(path.Get()));
}

void CMarnDeviceDlg::OnDisplayScreen() {
  if (!m_device || !TakeFields()) return;
  Bstr path(AnsiToBstr(m_screenPath));
  Finish(m_device->DisplayScreen(path.Get()));
}

void CMarnDeviceDlg::OnLed1() { SetLed(0, IDC_LED1_STATE); }
void CMarnDeviceDlg::OnLed2() { SetLed(1, IDC_LED2_STATE); }

void CMarnDeviceDlg::SetLed(LONG led, int comboId) {
  if (!m_device) return;
  const auto* states = static_cast<CComboBox*>(GetDlgItem(comboId));
  const int state = states ? states->GetCurSel() : CB_ERR;
  Finish(m_device->SetLED(led, state));
}

void CMarnDeviceDlg::OnGetLastButton() {
  if (!m_device) return;
  LONG button = 0;
  const HRESULT hr = m_device->GetLastButtonEvent(&button);
  if (SUCCEEDED(hr)) m_lastButton = m_mainWindow->GetButtonName(button);
  Finish(hr);
}

void CMarnDeviceDlg::OnGetDeviceType() {
  if (!m_device) return;
  LONG type = 0;
  const HRESULT hr = m_device->GetDeviceType(&type);
  if (SUCCEEDED(hr)) m_deviceType = DeviceTypeName(type);
  Finish(hr);
}

// Only a failure is logged here.
void CMarnDeviceDlg::OnGetCapabilities() {
  if (!m_device) return;
  ComPtr<IDPMCapabilities> capabilities;
  const HRESULT hr = m_device->GetCapabilities(capabilities.ReleaseAndGetAddressOf());
  if (FAILED(hr) || !capabilities) {
    LogResult(FAILED(hr) ? hr : E_POINTER);
    return;
  }
  m_capabilities = BuildCapabilitiesReport(capabilities.Get());
  UpdateData(FALSE);
}

void CMarnDeviceDlg::OnGetBuildNumber() {
  if (!m_device) return;
  LONG build = 0;
  const HRESULT hr = m_device->GetBuildNumber(&build);
  if (SUCCEEDED(hr)) m_buildNumber = build;
  Finish(hr);
}

void CMarnDeviceDlg::OnGetPukSet() {
  if (!m_device) return;
  VARIANT_BOOL set = VARIANT_FALSE;
  const HRESULT hr = m_device->GetPUKSet(&set);
  if (SUCCEEDED(hr)) m_pukSet = set != 0 ? BST_CHECKED : BST_UNCHECKED;
  Finish(hr);
}

void CMarnDeviceDlg::OnSetPuk() {
  if (!m_device || !TakeFields()) return;
  Bstr puk(AnsiToBstr(m_puk));
  Finish(m_device->SetPUK(puk.Get()));
}

void CMarnDeviceDlg::OnSetPin() {
  if (!m_device || !TakeFields()) return;
  Bstr puk(AnsiToBstr(m_puk));
  Bstr pin(AnsiToBstr(m_pin));
  Finish(m_device->SetPIN(puk.Get(), pin.Get()));
}

void CMarnDeviceDlg::OnSetEncryptionPassword() {
  if (!m_device || !TakeFields()) return;
  Bstr oldKey(AnsiToBstr(m_puk));
  Bstr password(AnsiToBstr(m_encryptionPassword));
  Finish(m_device->SetEncryptionPassword(oldKey.Get(), password.Get()));
}

void CMarnDeviceDlg::OnDeleteDeviceFile() {
  if (!m_device || !TakeFields()) return;
  Bstr name(AnsiToBstr(m_deviceFileName));
  Finish(m_device->DeleteDeviceFile(name.Get()));
}

void CMarnDeviceDlg::OnSetupDevice() {
  if (m_device) RunSettingsDialog();
}

void CMarnDeviceDlg::OnGetBarcodeKeyboardLayout() {
  if (!m_device) return;
  LONG layout = 0;
  Variant prefix, postfix;
  const HRESULT hr = m_device->GetBarcodeKeyboardLayout(&layout, prefix.Get(), postfix.Get());
  if (SUCCEEDED(hr)) {
    m_keyboardLayout = layout;
    m_prefix = BarcodePairsFromVariant(*prefix.Get());
    m_postfix = BarcodePairsFromVariant(*postfix.Get());
  }
  Finish(hr);
}

void CMarnDeviceDlg::OnSetBarcodeKeyboardLayout() {
  if (!m_device || !TakeFields()) return;
  Variant prefix, postfix;
  HRESULT hr = BarcodePairsToVariant(m_prefix, prefix.Get());
  if (SUCCEEDED(hr)) hr = BarcodePairsToVariant(m_postfix, postfix.Get());
  if (SUCCEEDED(hr)) hr = m_device->SetBarcodeKeyboardLayout(m_keyboardLayout, prefix.Get(), postfix.Get());
  Finish(hr);
}

void CMarnDeviceDlg::OnSelchangeKeyboardLayout() {
  const auto* layouts = static_cast<CComboBox*>(GetDlgItem(IDC_KEYBOARD_LAYOUTS));
  if (!layouts || layouts->GetCurSel() < 0) return;
  char text[16];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(layouts->GetItemData(layouts->GetCurSel())));
  SetDlgItemText(IDC_KEYBOARD_LAYOUT, text);
}
