// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: owns the one component instance and its event sink for the whole run, starts the
// device session, opens the maintenance window, and keeps the result and event logs.
#include <memory>
#include <string>

#include "device/EventSink.h"
#include "device/IDPMControl.h"
#include "device/IEventLogTarget.h"
#include "fileinfo/FileInfoDlgOwner.h"
#include "maintenance/DeviceDlgOwner.h"
#include "maintenance/MarnDeviceDlg.h"
#include "platform/automation/ComPtr.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListBox.h"
#include "settings/LogList.h"

class CMarnCtrlDlg : public CDialog,
                    public IEventLogTarget,
                    public IDeviceDlgOwner,
                    public IFileInfoDlgOwner {
 public:
  static constexpr int kResultLines = 20;
  static constexpr int kEventLines = 1000;

  explicit CMarnCtrlDlg(CWnd* parent = nullptr);
  ~CMarnCtrlDlg() override;

  // "%u " with the running number, then the result's name.
  void LogResult(HRESULT result);
  // The same with a text of its own in place of the name.
  void LogText(const std::string& text);
  void RefreshStatus();
  // Fills a list box with the files of a folder, as the component lists them.
  void FillFileList(CListBox& list, std::string& folder);

  // IEventLogTarget, IDeviceDlgOwner and IFileInfoDlgOwner.
  void LogEvent(const std::string& line) override;
  std::string GetResultName(HRESULT code) override;
  std::string GetButtonName(LONG button) override;
  void RefreshFileLists() override;
  bool DispatchQueuedMessage() override;
  CWnd* OwnerWindow() override { return this; }
  IDPMControl* Control() const override { return m_pControl.Get(); }
  void OnDeviceDlgClosed() override;

  // Read by tests and the windows the main window opens.
  CEventSink* EventSink() const { return m_pEventSink.get(); }
  CMarnDeviceDlg* DeviceDlg() const { return m_pDeviceDlg.get(); }
  const std::string& DeviceStatus() const { return m_strDeviceStatus; }
  const std::string& ScannerStatus() const { return m_strScannerStatus; }

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnSysCommand(UINT id, LPARAM lParam) override;

 private:
  void MapHandlers();
  void EnableDeviceButtons(BOOL enable);
  // Creates the maintenance window in the given mode; false when one is open already.
  bool OpenDeviceDlg(bool maintenanceMode);

  void OnInitialize();
  void OnSetupDevice();
  void OnFormatSetTime();
  void OnClearEventLog();
  void OnClearResultLog();
  void OnGetStatus();
  LRESULT OnQueryDragIcon(WPARAM, LPARAM);

  // The hidden file-task controls (MarnCtrlDlgFileTasks.cpp).
  void MapFileTaskHandlers();
  void OnDeinitialize();
  void OnBrowseSourceFile();
  void OnBrowseSourceFolder();
  void OnBrowseDestFolder();
  void OnSelchangeSourceFiles();
  void OnCopy();
  void OnMove();
  void OnDelete();
  void OnConvert();
  void OnDecrypt();
  void OnSeparateSpokenInstructions();
  void OnNewFile();
  void OnStartDelayedTasks();
  void OnCancelTasks();
  void OnGetFileInfo();
  void OnSelchangeConversionFormat();
  void OnSelectCustomFormat();
  LRESULT OnDeleteRetiredDeviceDlg(WPARAM, LPARAM);

  CListBox m_destFileList;
  CListBox m_sourceFileList;
  CComboBox m_formatBox;
  CButton m_setupDeviceButton;
  CLogList m_eventLog{kEventLines};
  CLogList m_resultLog{kResultLines};
  std::string m_sourcePath;
  std::string m_destPath;
  int m_delayed = 0;
  std::string m_customFormatName;
  std::string m_strDeviceStatus;
  std::string m_strScannerStatus;
  int m_isDictation = 0;
  int m_isInstruction = 0;
  ComPtr<IDPMControl> m_pControl;
  HICON m_hIcon = nullptr;
  UINT m_nLogCounter = 0;
  std::string m_sourceFolder;
  std::unique_ptr<CEventSink> m_pEventSink;
  std::unique_ptr<CMarnDeviceDlg> m_pDeviceDlg;
  // A closed maintenance window whose object is deleted once its own handler has returned.
  std::unique_ptr<CMarnDeviceDlg> m_retiredDeviceDlg;
  std::string m_password;
  std::string m_newFileName;
  CComboBox m_recordingFormatBox;
  CButton m_formatButton;
};
