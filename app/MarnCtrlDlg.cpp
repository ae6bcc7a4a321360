// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MarnCtrlDlg.h"

#include "app/MainDlgTemplate.h"
#include "app/MainDlgIds.h"
#include "app/PathText.h"
#include "app/Resources.h"
#include "device/DpmIds.h"
#include "device/IDPMFileList.h"
#include "device/ResultNames.h"
#include "maintenance/FileListNames.h"
#include "platform/automation/Bstr.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/CodePage.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageQueue.h"

namespace {

// Posted to itself: a closed maintenance window is deleted once the handler that closed it is done.
constexpr UINT WM_DELETE_RETIRED_DEVICE_DLG = WM_APP + 1;

const char* DeviceStatusText(LONG status) {
  switch (status) {
    case 0: return "Disconnected";
    case 1: return "Connected";
    case 2: return "Ready";
    default: return "Unknown";
  }
}

const char* ScannerStatusText(LONG status) {
  switch (status) {
    case 0: return "";
    case 1: return "Barcode Scanner connected";
    default: return "Unknown Barcode Scanner status";
  }
}

}  // namespace

CMarnCtrlDlg::CMarnCtrlDlg(CWnd* parent) : CDialog(MainDlgTemplate(), parent) {
  m_hIcon = LoadResourceIcon(IDR_MAINFRAME);
  MapHandlers();
}

// The sink goes before the component it listens to, and both before the apartment ends.
CMarnCtrlDlg::~CMarnCtrlDlg() {
  if (IsWindow()) DestroyWindow();
  if (m_pEventSink && m_pControl) {
    m_pEventSink->Detach(m_pControl.Get());
    m_pEventSink.reset();
  }
  if (m_pControl) m_pControl.Reset();
  m_retiredDeviceDlg.reset();
  m_pDeviceDlg.reset();
  if (m_hIcon) DestroyIcon(m_hIcon);
}

void CMarnCtrlDlg::MapHandlers() {
  MapClicked(IDC_INITIALIZE, &CMarnCtrlDlg::OnInitialize);
  MapClicked(IDC_SETUP_DEVICE, &CMarnCtrlDlg::OnSetupDevice);
  MapClicked(IDC_FORMAT_SET_TIME, &CMarnCtrlDlg::OnFormatSetTime);
  MapClicked(IDC_CLEAR_EVENT_LOG, &CMarnCtrlDlg::OnClearEventLog);
  MapClicked(IDC_CLEAR_RESULT_LOG, &CMarnCtrlDlg::OnClearResultLog);
  MapClicked(IDC_GET_STATUS, &CMarnCtrlDlg::OnGetStatus);
  MapMessage(WM_QUERYDRAGICON, &CMarnCtrlDlg::OnQueryDragIcon);
  MapMessage(WM_DELETE_RETIRED_DEVICE_DLG, &CMarnCtrlDlg::OnDeleteRetiredDeviceDlg);
  MapFileTaskHandlers();
}

void CMarnCtrlDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_DEST_FILES, m_destFileList);
  DDX_Control(pDX, IDC_SOURCE_FILES, m_sourceFileList);
  DDX_Control(pDX, IDC_CONVERSION_FORMAT, m_formatBox);
  DDX_Control(pDX, IDC_SETUP_DEVICE, m_setupDeviceButton);
  DDX_Control(pDX, IDC_EVENT_LOG, m_eventLog);
  DDX_Control(pDX, IDC_RESULT_LOG, m_resultLog);
  DDX_Text(pDX, IDC_SOURCE_PATH, m_sourcePath);
  DDX_Text(pDX, IDC_DEST_PATH, m_destPath);
  DDX_Check(pDX, IDC_DELAYED, m_delayed);
  DDX_Text(pDX, IDC_CUSTOM_FORMAT_NAME, m_customFormatName);
  DDX_Text(pDX, IDC_DEVICE_STATUS, m_strDeviceStatus);
  DDX_Text(pDX, IDC_SCANNER_STATUS, m_strScannerStatus);
  DDX_Check(pDX, IDC_IS_DICTATION, m_isDictation);
  DDX_Check(pDX, IDC_IS_INSTRUCTION, m_isInstruction);
  DDX_Text(pDX, IDC_PASSWORD, m_password);
  DDX_Text(pDX, IDC_NEW_FILE_NAME, m_newFileName);
  DDX_Control(pDX, IDC_RECORDING_FORMAT, m_recordingFormatBox);
  DDX_Control(pDX, IDC_FORMAT_SET_TIME, m_formatButton);
}

BOOL CMarnCtrlDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  const std::string about = LoadResourceString(IDS_ABOUTBOX);
  if (CMenu* systemMenu = GetSystemMenu(FALSE); systemMenu && !about.empty()) {
    systemMenu->AppendMenu(MF_SEPARATOR);
    systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about.c_str());
  }
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);
  m_nLogCounter = 0;

  const HRESULT created = CoCreateInstance(CLSID_DPMControl, nullptr, CLSCTX_ALL, IID_IDPMControl,
                                           m_pControl.ReleaseAndGetVoidAddress());
  if (FAILED(created)) {
    m_pControl = nullptr;
    MessageBox("ERROR: CoCreateInstance() failed - DPMCtrl.dll not registered!", nullptr, MB_OK);
    PostQuitMessage(0);
  }

  m_pEventSink = std::make_unique<CEventSink>(this);
  if (FAILED(m_pEventSink->Attach(m_pControl.Get()))) {
    m_pEventSink.reset();
    LogText("DispEventAdvise failed");
    return FALSE;
  }

  m_formatBox.SetCurSel(0);
  EnableDeviceButtons(FALSE);
  return TRUE;
}

void CMarnCtrlDlg::OnSysCommand(UINT id, LPARAM lParam) {
  if ((id & 0xFFF0) == IDM_ABOUTBOX) return;
  CDialog::OnSysCommand(id, lParam);
}

LRESULT CMarnCtrlDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hIcon); }

void CMarnCtrlDlg::EnableDeviceButtons(BOOL enable) {
  m_setupDeviceButton.EnableWindow(enable);
  m_formatButton.EnableWindow(enable);
}

std::string CMarnCtrlDlg::GetResultName(HRESULT code) { return ::GetResultName(code); }

std::string CMarnCtrlDlg::GetButtonName(LONG button) { return ::GetButtonName(button); }

void CMarnCtrlDlg::LogResult(HRESULT result) { LogText(GetResultName(result)); }

void CMarnCtrlDlg::LogText(const std::string& text) {
  const std::string line = std::to_string(m_nLogCounter) + " " + text;
  ++m_nLogCounter;
  m_resultLog.AppendLine(line);
}

void CMarnCtrlDlg::LogEvent(const std::string& line) {
  m_eventLog.AppendLine(line);
  EnableDeviceButtons(!(m_pEventSink && m_pEventSink->ConnectedDevices() == 0));
}

void CMarnCtrlDlg::OnInitialize() {
  if (!m_pControl) return;
  LogResult(m_pControl->Initialize(0));
  RefreshStatus();
}

// Stops at the first failing call and leaves the window as it was.
void CMarnCtrlDlg::RefreshStatus() {
  if (!m_pControl) return;
  m_strDeviceStatus.clear();
  LONG status = 0;
  HRESULT hr = m_pControl->get_DeviceStatus(&status);
  LogResult(hr);
  if (FAILED(hr)) return;
  m_strDeviceStatus = DeviceStatusText(status);

  LONG scanner = 0;
  hr = m_pControl->get_BarcodeScannerStatus(&scanner);
  LogResult(hr);
  if (FAILED(hr)) return;
  m_strScannerStatus = ScannerStatusText(scanner);
  UpdateData(FALSE);
}

void CMarnCtrlDlg::OnGetStatus() { RefreshStatus(); }

void CMarnCtrlDlg::OnClearEventLog() { m_eventLog.ResetContent(); }

void CMarnCtrlDlg::OnClearResultLog() { m_resultLog.ResetContent(); }

bool CMarnCtrlDlg::OpenDeviceDlg(bool maintenanceMode) {
  if (m_pDeviceDlg && m_pDeviceDlg->IsWindow()) return false;
  m_pDeviceDlg = std::make_unique<CMarnDeviceDlg>(this);
  m_pDeviceDlg->m_maintenanceMode = maintenanceMode;
  return m_pDeviceDlg->Create(this) != FALSE;
}

// The settings dialog has run (or the device could not be had) by the time the window exists.
void CMarnCtrlDlg::OnSetupDevice() {
  if (m_pDeviceDlg && m_pDeviceDlg->IsWindow()) return;
  OpenDeviceDlg(false);
  OnDeviceDlgClosed();
}

void CMarnCtrlDlg::OnFormatSetTime() {
  if (m_pDeviceDlg && m_pDeviceDlg->IsWindow()) return;
  if (OpenDeviceDlg(true)) EnableDeviceButtons(FALSE);
}

void CMarnCtrlDlg::OnDeviceDlgClosed() {
  if (m_pDeviceDlg) {
    m_pDeviceDlg->DestroyWindow();
    m_retiredDeviceDlg = std::move(m_pDeviceDlg);
    PostMessage(WM_DELETE_RETIRED_DEVICE_DLG);
  }
  EnableDeviceButtons(TRUE);
}

LRESULT CMarnCtrlDlg::OnDeleteRetiredDeviceDlg(WPARAM, LPARAM) {
  m_retiredDeviceDlg.reset();
  return 0;
}

void CMarnCtrlDlg::RefreshFileLists() {
  FillFileList(m_sourceFileList, m_sourceFolder);
  FillFileList(m_destFileList, m_destPath);
}

void CMarnCtrlDlg::FillFileList(CListBox& list, std::string& folder) {
  if (!m_pControl || folder.empty()) return;
  ComPtr<IDPMFileList> files;
  HRESULT hr = m_pControl->get_FileList(files.ReleaseAndGetAddressOf());
  if (FAILED(hr) || !files) {
    LogResult(FAILED(hr) ? hr : E_POINTER);
    return;
  }
  {
    Bstr path(AnsiToBstr(folder));
    hr = files->put_Folder(path.Get());
  }
  // A path naming a file: try its folder once.
  if (FAILED(hr) && FolderOf(folder, folder)) {
    Bstr path(AnsiToBstr(folder));
    hr = files->put_Folder(path.Get());
  }
  if (FAILED(hr)) {
    LogResult(hr);
    return;
  }
  hr = FillWithFileNames(list, files.Get());
  if (FAILED(hr)) LogResult(hr);
}

bool CMarnCtrlDlg::DispatchQueuedMessage() {
  MSG msg;
  if (!::PeekMessage(&msg, GetSafeHwnd(), 0, 0, PM_REMOVE)) return false;
  ::TranslateMessage(&msg);
  ::DispatchMessage(&msg);
  return true;
}
