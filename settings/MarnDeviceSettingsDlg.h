// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device settings dialog: the recorder's whole configuration in one window. It edits a settings
// object of the component, writing every change into it at once; Write To Device commits the object
// to the recorder, Import and Export Settings go through settings files.
#include <memory>
#include <string>

#include "device/IDPMDeviceSettings.h"
#include "device/IDPMRecordingProfile.h"
#include "keywords/KeywordGridOwner.h"
#include "keywords/KeywordListCtrl.h"
#include "platform/automation/ComPtr.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListBox.h"
#include "settings/DeviceSettings.h"
#include "settings/LogList.h"
#include "settings/SettingsDlgOwner.h"

class CMarnDeviceSettingsDlg : public CDialog, public IKeywordGridOwner {
 public:
  static constexpr int kMessageLines = 30;
  // The running number of the message list's lines, for the whole run.
  static inline int s_logNumber = 0;

  explicit CMarnDeviceSettingsDlg(ISettingsDlgOwner* deviceDialog);
  ~CMarnDeviceSettingsDlg() override;

  // Reads every property of the settings object into the dialog; a partial load (after a logged
  // failure) leaves the grids, the later lists, the keyword flags and the DPM4 record alone.
  void LoadFromSettings(bool full);
  // Writes every value of the dialog into the settings object, each write logged; false when a field
  // held no valid value, and nothing was written.
  bool StoreToSettings();
  // A failure becomes a numbered line of the message list, after which the dialog re-reads the object.
  void LogResult(HRESULT result, const std::string& name);
  void RefreshMandatoryFlags();
  void OnKeywordCellEdited(HWND listWindow, int row, int column, std::string text) override;

  IDPMDeviceSettings* Settings() const { return m_settings.Get(); }
  const std::string& LastLogLine() const { return m_logLine; }

  ISettingsDlgOwner* m_deviceDialog;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  // OK, Escape and the close box ask first when the settings object holds changes not yet committed.
  void OnOK() override;
  void OnCancel() override;

 private:
  static int Checked(int value);
  static int FlagRows(int keywordCount);
  void MapHandlers();
  IDPMDevice* Device() const;
  ISettingsMainWindow* MainWindow() const;
  std::string ResultName(HRESULT code) const;
  void ReleaseSettings();
  void AttachSettings(ComPtr<IDPMDeviceSettings> settings);
  // Controls to value fields; false when a field held no valid value (it was shown and focused).
  bool TakeControls();
  // Value fields to controls, without the notifications that transfer raises.
  void ShowFields();
  bool Transferring() const { return m_transferring; }

  // Commands.
  void OnReadFromDevice();
  void OnWriteToDevice();
  // Write To Device's commit without its question; true when the recorder took the settings.
  bool CommitToDevice();
  // Whether the dialog may close: nothing uncommitted, or the user had it written or dropped.
  bool MayLeave();
  // A successful write into the settings object leaves it with changes the recorder does not have.
  HRESULT Changed(HRESULT hr);
  void OnImportSettings();
  void OnExportSettings();
  void OnResetJobCounter();
  void OnDpm4Settings();

  // Immediate writes.
  void OnDlsButtonEnabled();
  void OnDeviceBeep();
  void OnProtectDevice();
  void OnVoiceActivation();
  void OnChangeFileCounter();
  void OnSelchangeFileCounterSource();
  void OnRadioGroup();
  void OnKillfocusPrefixText();
  void OnSelchangeRecordingMode();
  void OnKillfocusDownloadMode();
  void OnKillfocusDownloadFilter();
  void OnKillfocusKeyword1String();
  void OnDeleteFilesAfterDownload();
  void OnSelchangeRequiredInputType();
  void OnSelchangeTotalTimeType();
  void OnKillfocusUserStringCount();
  void OnDelButtonEnabled();
  void OnInsertButtonEnabled();
  void OnEolButtonEnabled();
  void OnLinkKeywords();
  void OnScanKeywordsFromBarcode();
  void OnSelchangeBarcodeScanButton();
  void OnOneFile();
  void OnRecordNotify();
  void OnSelchangeVoiceCommandType();
  void OnSelchangeOs();
  void OnSelchangeBarcodeMode();
  void OnSelchangeFunctionKey();
  void OnSelchangeFourPosSwitch();
  void OnNoiseReduction();
  void OnRecordLevelInd();
  void OnProhibitFileAlteration();
  void OnProMode();
  void OnPlusButtonEnabled();
  void OnMinusButtonEnabled();
  void OnKeywordFlagClicked(UINT id);
  void OnKeywordFlag(int keyword);

  // A check box, radio or text field handler: take the controls, then write one field.
  template <class Write>
  void WriteField(Write write, const char* name);
  // A list handler whose failed write is followed by reading the value back into the list.
  void WriteListWithReadBack(CComboBox& list, HRESULT (CDeviceSettings::*put)(int),
                             HRESULT (CDeviceSettings::*get)(int&), const char* name);

  // Loading.
  void RebuildKeywordGrids(int& keywordCount);
  static void ShowKeywordColumn(CKeywordListCtrl& grid, int column, const std::string& heading, int width);
  void LoadKeywordFlags(int keywordCount);
  void LoadDeviceTypeFeatures();
  void SelectList(CComboBox& list, HRESULT (CDeviceSettings::*get)(int&));
  void SetKeywordFlagBox(int firstId, int keyword, HRESULT (CDeviceSettings::*get)(int, int&));

  // Writing.
  void WriteModelSpecificValues(bool logged);
  // False when the user cancelled.
  bool ChooseSettingsFile(std::string& path);
  IDPMControl* Control() const;
  void StoreKeywordTexts(int keywords, int rows);
  void StoreKeywordFlags(int keywords);
  void HandleKeywordFlag(int firstId, int keyword, HRESULT (CDeviceSettings::*get)(int, int&),
                         HRESULT (CDeviceSettings::*put)(int, int), const char* name);

  ComPtr<IDPMDeviceSettings> m_settings;
  std::unique_ptr<CDeviceSettings> m_settingsWrapper;
  ComPtr<IDPMRecordingProfile> m_profile;
  std::string m_logLine;
  bool m_transferring = false;
  bool m_reloadingAfterFailure = false;
  bool m_uncommitted = false;

  // Value fields: booleans 0/1, radio groups -1 while no button is chosen.
  int m_dlsButtonEnabled = 0;
  int m_protectDevice = 0;
  int m_deviceBeep = 0;
  int m_recordNotify = 0;
  int m_eolButtonEnabled = 0;
  int m_proMode = 0;
  int m_plusButtonEnabled = 0;
  int m_minusButtonEnabled = 0;
  int m_scanKeywordsFromBarcode = 0;
  int m_dateTimeFormat = -1;
  int m_appearance = -1;
  int m_microphoneSensitivity = -1;
  int m_fileNamePrefixType = -1;
  std::string m_fileNamePrefixString;
  std::string m_macAddress;
  std::string m_firmwareVersion;
  int m_fileCounter = 0;
  int m_voiceActivation = 0;
  int m_downloadMode = 0;
  int m_downloadFilter = 0;
  std::string m_keyword1String;
  int m_deleteFilesAfterDownload = 0;
  int m_userStringCount = 0;
  int m_delButtonEnabled = 0;
  int m_insertButtonEnabled = 0;
  int m_linkKeywords = 0;
  int m_oneFile = 0;
  int m_noiseReduction = 0;
  int m_recordLevelInd = 0;
  int m_prohibitFileAlteration = 0;

  // Control objects.
  CComboBox m_recordingMode;
  CComboBox m_barcodeScanButton;
  CComboBox m_voiceCommandType;
  CComboBox m_barcodeMode;
  CComboBox m_functionKey;
  CComboBox m_fourPosSwitch;
  CComboBox m_fileCounterSource;
  CComboBox m_requiredInputType;
  CComboBox m_totalTimeType;
  CComboBox m_os;
  CKeywordListCtrl m_valuesGrid;
  CKeywordListCtrl m_namesGrid;
  CLogList m_messageList{kMessageLines};
  CButton m_dpm4Button;
  CButton m_plusButton;
  CButton m_minusButton;
};
