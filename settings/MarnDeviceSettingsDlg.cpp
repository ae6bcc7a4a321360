// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/MarnDeviceSettingsDlg.h"

#include <algorithm>

#include "device/DpmValues.h"
#include "device/IDPMCapabilities.h"
#include "platform/automation/Bstr.h"
#include "platform/automation/CodePage.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/HostServices.h"
#include "settings/DeviceSettingsIds.h"
#include "settings/DeviceSettingsLists.h"
#include "settings/DeviceSettingsTemplate.h"
#include "settings/Dpm4RecordTransfer.h"

namespace {

constexpr const char* kFailedToGetSettings = "Failed to get device settings";

}  // namespace

CMarnDeviceSettingsDlg::CMarnDeviceSettingsDlg(ISettingsDlgOwner* deviceDialog)
    : CDialog(DeviceSettingsTemplate(), deviceDialog ? deviceDialog->SettingsParent() : nullptr),
      m_deviceDialog(deviceDialog) {
  MapHandlers();
}

CMarnDeviceSettingsDlg::~CMarnDeviceSettingsDlg() {
  if (IsWindow()) DestroyWindow();
  ReleaseSettings();
}

void CMarnDeviceSettingsDlg::MapHandlers() {
  MapClicked(IDC_READ_FROM_DEVICE, &CMarnDeviceSettingsDlg::OnReadFromDevice);
  MapClicked(IDC_WRITE_TO_DEVICE, &CMarnDeviceSettingsDlg::OnWriteToDevice);
  MapClicked(IDC_IMPORT_SETTINGS, &CMarnDeviceSettingsDlg::OnImportSettings);
  MapClicked(IDC_EXPORT_SETTINGS, &CMarnDeviceSettingsDlg::OnExportSettings);
  MapClicked(IDC_RESET_JOB_COUNTER, &CMarnDeviceSettingsDlg::OnResetJobCounter);
  MapClicked(IDC_DPM4_SETTINGS, &CMarnDeviceSettingsDlg::OnDpm4Settings);

  MapClicked(IDC_DLS_BUTTON_ENABLED, &CMarnDeviceSettingsDlg::OnDlsButtonEnabled);
  MapClicked(IDC_DEVICE_BEEP, &CMarnDeviceSettingsDlg::OnDeviceBeep);
  MapClicked(IDC_PROTECT_DEVICE, &CMarnDeviceSettingsDlg::OnProtectDevice);
  MapClicked(IDC_VOICE_ACTIVATION, &CMarnDeviceSettingsDlg::OnVoiceActivation);
  MapChange(IDC_FILE_COUNTER, &CMarnDeviceSettingsDlg::OnChangeFileCounter);
  MapSelChange(IDC_FILE_COUNTER_SOURCE, &CMarnDeviceSettingsDlg::OnSelchangeFileCounterSource);
  for (int radio : {IDC_DATE_TIME_AM_PM, IDC_DATE_TIME_24_HOURS, IDC_APPEARANCE_CLASSIC, IDC_APPEARANCE_ADVANCED,
                    IDC_SENSITIVITY_LOW, IDC_SENSITIVITY_MEDIUM, IDC_SENSITIVITY_HIGH, IDC_PREFIX_KEYWORD1,
                    IDC_PREFIX_STRING}) {
    MapClicked(radio, &CMarnDeviceSettingsDlg::OnRadioGroup);
  }
  MapKillFocus(IDC_PREFIX_TEXT, &CMarnDeviceSettingsDlg::OnKillfocusPrefixText);
  MapSelChange(IDC_RECORDING_MODE, &CMarnDeviceSettingsDlg::OnSelchangeRecordingMode);
  MapKillFocus(IDC_DOWNLOAD_MODE, &CMarnDeviceSettingsDlg::OnKillfocusDownloadMode);
  MapKillFocus(IDC_DOWNLOAD_FILTER, &CMarnDeviceSettingsDlg::OnKillfocusDownloadFilter);
  MapKillFocus(IDC_KEYWORD1_STRING, &CMarnDeviceSettingsDlg::OnKillfocusKeyword1String);
  MapClicked(IDC_DELETE_FILES_AFTER_DOWNLOAD, &CMarnDeviceSettingsDlg::OnDeleteFilesAfterDownload);
  MapSelChange(IDC_REQUIRED_INPUT_TYPE, &CMarnDeviceSettingsDlg::OnSelchangeRequiredInputType);
  MapSelChange(IDC_TOTAL_TIME_TYPE, &CMarnDeviceSettingsDlg::OnSelchangeTotalTimeType);
  MapKillFocus(IDC_USER_STRING_COUNT, &CMarnDeviceSettingsDlg::OnKillfocusUserStringCount);
  MapClicked(IDC_DEL_BUTTON_ENABLED, &CMarnDeviceSettingsDlg::OnDelButtonEnabled);
  MapClicked(IDC_INSERT_BUTTON_ENABLED, &CMarnDeviceSettingsDlg::OnInsertButtonEnabled);
  MapClicked(IDC_EOL_BUTTON_ENABLED, &CMarnDeviceSettingsDlg::OnEolButtonEnabled);
  MapClicked(IDC_LINK_KEYWORDS, &CMarnDeviceSettingsDlg::OnLinkKeywords);
  MapClicked(IDC_SCAN_KEYWORDS_FROM_BARCODE, &CMarnDeviceSettingsDlg::OnScanKeywordsFromBarcode);
  MapSelChange(IDC_BARCODE_SCAN_BUTTON, &CMarnDeviceSettingsDlg::OnSelchangeBarcodeScanButton);
  MapClicked(IDC_ONE_FILE, &CMarnDeviceSettingsDlg::OnOneFile);
  MapClicked(IDC_RECORD_NOTIFY, &CMarnDeviceSettingsDlg::OnRecordNotify);
  MapSelChange(IDC_VOICE_COMMAND_TYPE, &CMarnDeviceSettingsDlg::OnSelchangeVoiceCommandType);
  MapSelChange(IDC_OS, &CMarnDeviceSettingsDlg::OnSelchangeOs);
  MapSelChange(IDC_BARCODE_MODE, &CMarnDeviceSettingsDlg::OnSelchangeBarcodeMode);
  MapSelChange(IDC_FUNCTION_KEY, &CMarnDeviceSettingsDlg::OnSelchangeFunctionKey);
  MapSelChange(IDC_FOUR_POS_SWITCH, &CMarnDeviceSettingsDlg::OnSelchangeFourPosSwitch);
  MapClicked(IDC_NOISE_REDUCTION, &CMarnDeviceSettingsDlg::OnNoiseReduction);
  MapClicked(IDC_RECORD_LEVEL_IND, &CMarnDeviceSettingsDlg::OnRecordLevelInd);
  MapClicked(IDC_PROHIBIT_FILE_ALTERATION, &CMarnDeviceSettingsDlg::OnProhibitFileAlteration);
  MapClicked(IDC_PRO_MODE, &CMarnDeviceSettingsDlg::OnProMode);
  MapClicked(IDC_PLUS_BUTTON_ENABLED, &CMarnDeviceSettingsDlg::OnPlusButtonEnabled);
  MapClicked(IDC_MINUS_BUTTON_ENABLED, &CMarnDeviceSettingsDlg::OnMinusButtonEnabled);
  MapCommandRange(BN_CLICKED, IDC_KEYWORD_BARCODE_FIRST, IDC_KEYWORD_MANDATORY_FIRST + kKeywordFlagRows - 1,
                  &CMarnDeviceSettingsDlg::OnKeywordFlagClicked);
}

void CMarnDeviceSettingsDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_RECORDING_MODE, m_recordingMode);
  DDX_Control(pDX, IDC_BARCODE_SCAN_BUTTON, m_barcodeScanButton);
  DDX_Control(pDX, IDC_VOICE_COMMAND_TYPE, m_voiceCommandType);
  DDX_Control(pDX, IDC_BARCODE_MODE, m_barcodeMode);
  DDX_Control(pDX, IDC_FUNCTION_KEY, m_functionKey);
  DDX_Control(pDX, IDC_FOUR_POS_SWITCH, m_fourPosSwitch);
  DDX_Control(pDX, IDC_FILE_COUNTER_SOURCE, m_fileCounterSource);
  DDX_Control(pDX, IDC_REQUIRED_INPUT_TYPE, m_requiredInputType);
  DDX_Control(pDX, IDC_TOTAL_TIME_TYPE, m_totalTimeType);
  DDX_Control(pDX, IDC_OS, m_os);
  DDX_Control(pDX, IDC_KEYWORD_VALUES, m_valuesGrid);
  DDX_Control(pDX, IDC_KEYWORD_NAMES, m_namesGrid);
  DDX_Control(pDX, IDC_MESSAGE_LIST, m_messageList);
  DDX_Control(pDX, IDC_DPM4_SETTINGS, m_dpm4Button);
  DDX_Control(pDX, IDC_PLUS_BUTTON_ENABLED, m_plusButton);
  DDX_Control(pDX, IDC_MINUS_BUTTON_ENABLED, m_minusButton);

  DDX_Check(pDX, IDC_DLS_BUTTON_ENABLED, m_dlsButtonEnabled);
  DDX_Check(pDX, IDC_PROTECT_DEVICE, m_protectDevice);
  DDX_Check(pDX, IDC_DEVICE_BEEP, m_deviceBeep);
  DDX_Check(pDX, IDC_RECORD_NOTIFY, m_recordNotify);
  DDX_Check(pDX, IDC_EOL_BUTTON_ENABLED, m_eolButtonEnabled);
  DDX_Check(pDX, IDC_PRO_MODE, m_proMode);
  DDX_Check(pDX, IDC_SCAN_KEYWORDS_FROM_BARCODE, m_scanKeywordsFromBarcode);
  DDX_Radio(pDX, IDC_DATE_TIME_AM_PM, m_dateTimeFormat);
  DDX_Radio(pDX, IDC_APPEARANCE_CLASSIC, m_appearance);
  DDX_Radio(pDX, IDC_SENSITIVITY_LOW, m_microphoneSensitivity);
  DDX_Radio(pDX, IDC_PREFIX_KEYWORD1, m_fileNamePrefixType);
  DDX_Text(pDX, IDC_PREFIX_TEXT, m_fileNamePrefixString);

  DDX_Text(pDX, IDC_MAC_ADDRESS, m_macAddress);
  DDX_Text(pDX, IDC_FIRMWARE_VERSION, m_firmwareVersion);
  DDX_Text(pDX, IDC_FILE_COUNTER, m_fileCounter);
  DDX_Check(pDX, IDC_VOICE_ACTIVATION, m_voiceActivation);
  DDX_Text(pDX, IDC_DOWNLOAD_MODE, m_downloadMode);
  DDX_Text(pDX, IDC_DOWNLOAD_FILTER, m_downloadFilter);
  DDX_Text(pDX, IDC_KEYWORD1_STRING, m_keyword1String);
  DDX_Check(pDX, IDC_DELETE_FILES_AFTER_DOWNLOAD, m_deleteFilesAfterDownload);
  DDX_Text(pDX, IDC_USER_STRING_COUNT, m_userStringCount);
  DDX_Check(pDX, IDC_DEL_BUTTON_ENABLED, m_delButtonEnabled);
  DDX_Check(pDX, IDC_INSERT_BUTTON_ENABLED, m_insertButtonEnabled);
  DDX_Check(pDX, IDC_LINK_KEYWORDS, m_linkKeywords);
  DDX_Check(pDX, IDC_ONE_FILE, m_oneFile);
  DDX_Check(pDX, IDC_NOISE_REDUCTION, m_noiseReduction);
  DDX_Check(pDX, IDC_RECORD_LEVEL_IND, m_recordLevelInd);
  DDX_Check(pDX, IDC_PROHIBIT_FILE_ALTERATION, m_prohibitFileAlteration);
}

BOOL CMarnDeviceSettingsDlg::OnInitDialog() {
  m_transferring = true;
  CDialog::OnInitDialog();
  m_transferring = false;
  ReleaseSettings();
  for (CKeywordListCtrl* grid : {&m_valuesGrid, &m_namesGrid}) {
    grid->SetExtendedStyle(LVS_EX_GRIDLINES);
    grid->DeleteAllItems();
    grid->BeginCellEdit(0, 0);
  }
  m_messageList.ResetContent();
  OnReadFromDevice();
  return TRUE;
}

// --- The windows above ---

IDPMDevice* CMarnDeviceSettingsDlg::Device() const { return m_deviceDialog ? m_deviceDialog->Device() : nullptr; }

ISettingsMainWindow* CMarnDeviceSettingsDlg::MainWindow() const {
  return m_deviceDialog ? m_deviceDialog->MainWindow() : nullptr;
}

std::string CMarnDeviceSettingsDlg::ResultName(HRESULT code) const {
  ISettingsMainWindow* main = MainWindow();
  return main ? main->GetResultName(code) : std::to_string(code) + " (Unknown)";
}

// --- The settings object ---

void CMarnDeviceSettingsDlg::ReleaseSettings() {
  m_settingsWrapper.reset();
  m_profile = nullptr;
  m_settings = nullptr;
}

void CMarnDeviceSettingsDlg::AttachSettings(ComPtr<IDPMDeviceSettings> settings) {
  ReleaseSettings();
  m_settings = std::move(settings);
  m_settingsWrapper = std::make_unique<CDeviceSettings>(m_settings.Get());
}

bool CMarnDeviceSettingsDlg::TakeControls() { return UpdateData(TRUE) != FALSE; }

// Setting a field's text raises its change notification; the values shown are not the user's edits.
void CMarnDeviceSettingsDlg::ShowFields() {
  m_transferring = true;
  UpdateData(FALSE);
  m_transferring = false;
}

int CMarnDeviceSettingsDlg::Checked(int value) { return value ? BST_CHECKED : BST_UNCHECKED; }

// The flag boxes exist for keyword indexes 0 to 4 only.
int CMarnDeviceSettingsDlg::FlagRows(int keywordCount) { return std::clamp(keywordCount, 0, kKeywordFlagRows); }

// --- Message list ---

void CMarnDeviceSettingsDlg::LogResult(HRESULT result, const std::string& name) {
  if (SUCCEEDED(result) || !m_messageList.GetSafeHwnd()) return;
  if (m_messageList.GetCount() == 0) s_logNumber = 0;
  m_logLine = std::to_string(s_logNumber) + " " + name + " FAILED --> Error: " + ResultName(result);
  m_messageList.AppendLine(m_logLine);
  s_logNumber = static_cast<int>(static_cast<unsigned>(s_logNumber) + 1u);
  // The reload's own logged reads may fail as well; they are listed, but start no reload of their own.
  if (m_reloadingAfterFailure) return;
  m_reloadingAfterFailure = true;
  LoadFromSettings(false);
  m_reloadingAfterFailure = false;
}

// --- Read From Device and loading ---

void CMarnDeviceSettingsDlg::OnReadFromDevice() {
  ReleaseSettings();
  ComPtr<IDPMDeviceSettings> settings;
  if (IDPMDevice* device = Device()) {
    if (FAILED(device->GetDeviceSettings(settings.ReleaseAndGetAddressOf()))) {
      MessageBox(kFailedToGetSettings);
      return;
    }
  }
  AttachSettings(std::move(settings));
  m_uncommitted = false;
  m_messageList.ResetContent();
  LoadFromSettings(true);
}

void CMarnDeviceSettingsDlg::SelectList(CComboBox& list, HRESULT (CDeviceSettings::*get)(int&)) {
  int value = 0;
  if (SUCCEEDED((m_settingsWrapper.get()->*get)(value))) list.SetCurSel(value);
}

void CMarnDeviceSettingsDlg::LoadFromSettings(bool full) {
  if (!m_settings || !m_settingsWrapper) return;
  CDeviceSettings& s = *m_settingsWrapper;
  LogResult(s.get_FileNamePrefixString(m_fileNamePrefixString), "get_FileNamePrefixString()");
  LogResult(s.get_MACAddress(m_macAddress), "get_MACAddress()");
  LogResult(s.get_FirmwareVersion(m_firmwareVersion), "get_FirmwareVersion()");
  s.get_FileCounter(m_fileCounter);
  SelectList(m_fileCounterSource, &CDeviceSettings::get_FileCounterSource);
  s.get_VoiceActivation(m_voiceActivation);
  s.get_ProtectDevice(m_protectDevice);
  s.get_DLSButtonEnabled(m_dlsButtonEnabled);
  s.get_DeviceBeep(m_deviceBeep);
  int recordingMode = 0;
  if (SUCCEEDED(s.get_RecordingMode(recordingMode))) m_recordingMode.SetCurSel(RecordingModeIndex(recordingMode));
  s.get_DateTimeFormat(m_dateTimeFormat);
  s.get_Appearance(m_appearance);
  s.get_MicrophoneSensitivity(m_microphoneSensitivity);
  s.get_FileNamePrefixType(m_fileNamePrefixType);
  LogResult(s.get_DownloadMode(m_downloadMode), "get_DownloadMode()");
  LogResult(s.get_DownloadFilter(m_downloadFilter), "get_DownloadFilter()");
  s.get_DeleteFilesAfterDownload(m_deleteFilesAfterDownload);
  s.get_Keyword1String(m_keyword1String);
  SelectList(m_requiredInputType, &CDeviceSettings::get_RequiredInputType);
  SelectList(m_totalTimeType, &CDeviceSettings::get_TotalTimeType);
  s.get_UserStringCount(m_userStringCount);
  s.get_DELButtonEnabled(m_delButtonEnabled);
  s.get_InsertButtonEnabled(m_insertButtonEnabled);
  s.get_EOLButtonEnabled(m_eolButtonEnabled);
  s.get_LinkKeywords(m_linkKeywords);
  s.get_ScanKeywordsFromBarcode(m_scanKeywordsFromBarcode);
  if (!full) {
    ShowFields();
    return;
  }

  int keywordCount = 0;
  RebuildKeywordGrids(keywordCount);
  SelectList(m_barcodeScanButton, &CDeviceSettings::get_BarcodeScanButton);
  s.get_OneFile(m_oneFile);
  s.get_RecordNotify(m_recordNotify);
  int voiceCommandType = 0;
  if (SUCCEEDED(s.get_VoiceCommandType(0, voiceCommandType))) m_voiceCommandType.SetCurSel(voiceCommandType);
  SelectList(m_os, &CDeviceSettings::get_OS);
  SelectList(m_barcodeMode, &CDeviceSettings::get_BarcodeMode);
  SelectList(m_functionKey, &CDeviceSettings::get_FunctionKey);
  SelectList(m_fourPosSwitch, &CDeviceSettings::get_FourPosSwitch);
  s.get_NoiseReduction(m_noiseReduction);
  s.get_RecordLevelInd(m_recordLevelInd);
  s.get_ProhibitFileAlteration(m_prohibitFileAlteration);
  s.get_ProMode(m_proMode);
  s.get_PlusButtonEnabled(m_plusButtonEnabled);
  m_plusButton.SetCheck(Checked(m_plusButtonEnabled));
  s.get_MinusButtonEnabled(m_minusButtonEnabled);
  m_minusButton.SetCheck(Checked(m_minusButtonEnabled));
  LoadKeywordFlags(keywordCount);
  LoadDeviceTypeFeatures();
  ShowFields();
}

// A previous load's columns are taken over or removed: inserting beside them would show every keyword
// twice after a second load.
void CMarnDeviceSettingsDlg::ShowKeywordColumn(CKeywordListCtrl& grid, int column, const std::string& heading,
                                               int width) {
  if (column >= grid.GetHeaderCtrl()->GetItemCount()) {
    grid.InsertColumn(column, heading, LVCFMT_LEFT, width);
  } else {
    LVCOLUMN info{};
    info.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    info.fmt = LVCFMT_LEFT;
    info.cx = width;
    std::string text = heading;
    info.pszText = text.data();
    grid.SetColumn(column, &info);
  }
  grid.SetColumnWidth(column, width);
}

void CMarnDeviceSettingsDlg::RebuildKeywordGrids(int& keywordCount) {
  CDeviceSettings& s = *m_settingsWrapper;
  m_valuesGrid.DeleteAllItems();
  m_namesGrid.DeleteAllItems();
  CRect client;
  m_valuesGrid.GetClientRect(&client);
  const int columnWidth = client.Width() / 5;

  int keywords = 0;
  int rows = 0;
  s.get_KeywordUsageCount(keywords);
  s.get_KeywordContentCount(rows);
  m_namesGrid.SetEditableExtent(keywords, 1);
  m_valuesGrid.SetEditableExtent(keywords, rows);
  m_valuesGrid.SetBkColor(GetSysColor(COLOR_BTNFACE));
  const COLORREF textBackground = m_valuesGrid.GetTextBkColor();

  int rowLimit = rows;
  ComPtr<IDPMCapabilities> capabilities;
  if (IDPMDevice* device = Device(); device && SUCCEEDED(device->GetCapabilities(capabilities.ReleaseAndGetAddressOf())) &&
                                     capabilities) {
    LONG limit = 0;
    if (SUCCEEDED(capabilities->get_KeywordContent(&limit))) rowLimit = limit;
  }
  capabilities = nullptr;

  for (CKeywordListCtrl* grid : {&m_valuesGrid, &m_namesGrid})
    for (int last = grid->GetHeaderCtrl()->GetItemCount() - 1; last >= std::max(keywords, 0); --last)
      grid->DeleteColumn(last);
  m_namesGrid.InsertItem(0, "");
  for (int k = 0; k < keywords; ++k) {
    std::string name;
    s.get_KeywordUsageString(k, name);
    ShowKeywordColumn(m_valuesGrid, k, name, columnWidth);
    ShowKeywordColumn(m_namesGrid, k, name, columnWidth);
    m_namesGrid.SetItemText(0, k, name);
  }
  for (int r = 0; r < rows; ++r) {
    m_valuesGrid.InsertItem(r, "");
    for (int k = 0; k < keywords && r < rowLimit; ++k) {
      m_valuesGrid.SetTextBkColor(textBackground);
      std::string value;
      s.get_KeywordContentString(k, r, value);
      m_valuesGrid.SetItemText(r, k, value);
    }
  }
  keywordCount = keywords;
}

void CMarnDeviceSettingsDlg::SetKeywordFlagBox(int firstId, int keyword, HRESULT (CDeviceSettings::*get)(int, int&)) {
  int flag = 0;
  if (SUCCEEDED((m_settingsWrapper.get()->*get)(keyword, flag))) CheckDlgButton(firstId + keyword, Checked(flag));
}

void CMarnDeviceSettingsDlg::LoadKeywordFlags(int keywordCount) {
  const int rows = FlagRows(keywordCount);
  for (int k = 0; k < rows; ++k) SetKeywordFlagBox(IDC_KEYWORD_BARCODE_FIRST, k, &CDeviceSettings::get_KeywordBarcodeScan);
  for (int k = 0; k < rows; ++k) SetKeywordFlagBox(IDC_KEYWORD_VOICE_FIRST, k, &CDeviceSettings::get_KeywordVoiceCommand);
  for (int k = 0; k < rows; ++k) SetKeywordFlagBox(IDC_KEYWORD_MANDATORY_FIRST, k, &CDeviceSettings::get_KeywordMandatory);
  // Boxes of keywords the recorder lacks stay disabled for the life of the dialog.
  for (int i = rows; i < kKeywordFlagRows; ++i)
    for (int first : {IDC_KEYWORD_MANDATORY_FIRST, IDC_KEYWORD_BARCODE_FIRST, IDC_KEYWORD_VOICE_FIRST})
      GetDlgItem(first + i)->EnableWindow(FALSE);
}

void CMarnDeviceSettingsDlg::LoadDeviceTypeFeatures() {
  IDPMDevice* device = Device();
  LONG type = 0;
  if (!device || FAILED(device->GetDeviceType(&type))) return;
  if (type < kFirstDpm4DeviceType) {
    m_dpm4Button.ShowWindow(SW_HIDE);
    return;
  }
  m_dpm4Button.ShowWindow(SW_SHOW);
  Dpm4RecordTransfer(*m_settingsWrapper, m_profile).Read(g_smartButtonSetup);
}

void CMarnDeviceSettingsDlg::RefreshMandatoryFlags() {
  if (!m_settings || !m_settingsWrapper) return;
  int keywordCount = 0;
  m_settingsWrapper->get_KeywordUsageCount(keywordCount);
  for (int k = 0; k < FlagRows(keywordCount); ++k)
    SetKeywordFlagBox(IDC_KEYWORD_MANDATORY_FIRST, k, &CDeviceSettings::get_KeywordMandatory);
}

// --- Immediate writes ---

template <class Write>
void CMarnDeviceSettingsDlg::WriteField(Write write, const char* name) {
  if (!m_settings || !m_settingsWrapper || Transferring() || !TakeControls()) return;
  LogResult(Changed(write(*m_settingsWrapper)), name);
}

void CMarnDeviceSettingsDlg::WriteListWithReadBack(CComboBox& list, HRESULT (CDeviceSettings::*put)(int),
                                                   HRESULT (CDeviceSettings::*get)(int&), const char* name) {
  if (!m_settings || !m_settingsWrapper) return;
  const HRESULT hr = Changed((m_settingsWrapper.get()->*put)(list.GetCurSel()));
  LogResult(hr, name);
  if (FAILED(hr)) SelectList(list, get);
}

void CMarnDeviceSettingsDlg::OnDlsButtonEnabled() {
  WriteField([this](CDeviceSettings& s) { return s.put_DLSButtonEnabled(m_dlsButtonEnabled); }, "put_DLSButtonEnabled()");
}
void CMarnDeviceSettingsDlg::OnDeviceBeep() {
  WriteField([this](CDeviceSettings& s) { return s.put_DeviceBeep(m_deviceBeep); }, "put_DeviceBeep()");
}
void CMarnDeviceSettingsDlg::OnProtectDevice() {
  WriteField([this](CDeviceSettings& s) { return s.put_ProtectDevice(m_protectDevice); }, "put_ProtectDevice()");
}
void CMarnDeviceSettingsDlg::OnVoiceActivation() {
  WriteField([this](CDeviceSettings& s) { return s.put_VoiceActivation(m_voiceActivation); }, "put_VoiceActivation()");
}
void CMarnDeviceSettingsDlg::OnChangeFileCounter() {
  WriteField([this](CDeviceSettings& s) { return s.put_FileCounter(m_fileCounter); }, "put_FileCounter()");
}
void CMarnDeviceSettingsDlg::OnDeleteFilesAfterDownload() {
  WriteField([this](CDeviceSettings& s) { return s.put_DeleteFilesAfterDownload(m_deleteFilesAfterDownload); },
             "put_DeleteFilesAfterDownload()");
}
void CMarnDeviceSettingsDlg::OnKillfocusDownloadMode() {
  WriteField([this](CDeviceSettings& s) { return s.put_DownloadMode(m_downloadMode); }, "put_DownloadMode()");
}
void CMarnDeviceSettingsDlg::OnKillfocusDownloadFilter() {
  WriteField([this](CDeviceSettings& s) { return s.put_DownloadFilter(m_downloadFilter); }, "put_DownloadFilter()");
}
void CMarnDeviceSettingsDlg::OnKillfocusUserStringCount() {
  WriteField([this](CDeviceSettings& s) { return s.put_UserStringCount(m_userStringCount); }, "put_UserStringCount()");
}
void CMarnDeviceSettingsDlg::OnDelButtonEnabled() {
  WriteField([this](CDeviceSettings& s) { return s.put_DELButtonEnabled(m_delButtonEnabled); }, "put_DELButtonEnabled()");
}
void CMarnDeviceSettingsDlg::OnInsertButtonEnabled() {
  WriteField([this](CDeviceSettings& s) { return s.put_InsertButtonEnabled(m_insertButtonEnabled); },
             "put_InsertButtonEnabled()");
}
void CMarnDeviceSettingsDlg::OnEolButtonEnabled() {
  WriteField([this](CDeviceSettings& s) { return s.put_EOLButtonEnabled(m_eolButtonEnabled); }, "put_EOLButtonEnabled()");
}
void CMarnDeviceSettingsDlg::OnLinkKeywords() {
  WriteField([this](CDeviceSettings& s) { return s.put_LinkKeywords(m_linkKeywords); }, "put_LinkKeywords()");
}
void CMarnDeviceSettingsDlg::OnOneFile() {
  WriteField([this](CDeviceSettings& s) { return s.put_OneFile(m_oneFile); }, "put_OneFile()");
}
void CMarnDeviceSettingsDlg::OnRecordNotify() {
  WriteField([this](CDeviceSettings& s) { return s.put_RecordNotify(m_recordNotify); }, "put_RecordNotify()");
}
void CMarnDeviceSettingsDlg::OnNoiseReduction() {
  WriteField([this](CDeviceSettings& s) { return s.put_NoiseReduction(m_noiseReduction); }, "put_NoiseReduction()");
}
void CMarnDeviceSettingsDlg::OnRecordLevelInd() {
  WriteField([this](CDeviceSettings& s) { return s.put_RecordLevelInd(m_recordLevelInd); }, "put_RecordLevelInd()");
}
void CMarnDeviceSettingsDlg::OnProhibitFileAlteration() {
  WriteField([this](CDeviceSettings& s) { return s.put_ProhibitFileAlteration(m_prohibitFileAlteration); },
             "put_ProhibitFileAlteration()");
}
void CMarnDeviceSettingsDlg::OnProMode() {
  WriteField([this](CDeviceSettings& s) { return s.put_ProMode(m_proMode); }, "put_ProMode()");
}
void CMarnDeviceSettingsDlg::OnPlusButtonEnabled() {
  WriteField(
      [this](CDeviceSettings& s) {
        m_plusButtonEnabled = m_plusButton.GetCheck() == BST_CHECKED ? 1 : 0;
        return s.put_PlusButtonEnabled(m_plusButtonEnabled);
      },
      "put_PlusButtonEnabled()");
}
void CMarnDeviceSettingsDlg::OnMinusButtonEnabled() {
  WriteField(
      [this](CDeviceSettings& s) {
        m_minusButtonEnabled = m_minusButton.GetCheck() == BST_CHECKED ? 1 : 0;
        return s.put_MinusButtonEnabled(m_minusButtonEnabled);
      },
      "put_MinusButtonEnabled()");
}

// Any button of the four groups writes all five values, the prefix text included.
void CMarnDeviceSettingsDlg::OnRadioGroup() {
  if (!m_settings || !m_settingsWrapper || !TakeControls()) return;
  CDeviceSettings& s = *m_settingsWrapper;
  LogResult(Changed(s.put_DateTimeFormat(m_dateTimeFormat)), "put_DateTimeFormat()");
  LogResult(Changed(s.put_Appearance(m_appearance)), "put_Appearance()");
  LogResult(Changed(s.put_MicrophoneSensitivity(m_microphoneSensitivity)), "put_MicrophoneSensitivity()");
  LogResult(Changed(s.put_FileNamePrefixType(m_fileNamePrefixType)), "put_FileNamePrefixType()");
  LogResult(Changed(s.put_FileNamePrefixString(m_fileNamePrefixString)), "put_FileNamePrefixString()");
}

void CMarnDeviceSettingsDlg::OnKillfocusPrefixText() {
  const std::string before = m_fileNamePrefixString;
  if (!m_settings || !m_settingsWrapper || !TakeControls() || m_fileNamePrefixString == before) return;
  LogResult(Changed(m_settingsWrapper->put_FileNamePrefixString(m_fileNamePrefixString)), "put_FileNamePrefixString()");
}

void CMarnDeviceSettingsDlg::OnKillfocusKeyword1String() {
  const std::string before = m_keyword1String;
  if (!m_settings || !m_settingsWrapper || !TakeControls() || m_keyword1String == before) return;
  LogResult(Changed(m_settingsWrapper->put_Keyword1String(m_keyword1String)), "put_Keyword1String()");
}

void CMarnDeviceSettingsDlg::OnSelchangeFileCounterSource() {
  if (!m_settings || !m_settingsWrapper) return;
  LogResult(Changed(m_settingsWrapper->put_FileCounterSource(m_fileCounterSource.GetCurSel())), "put_FileCounterSource()");
}

void CMarnDeviceSettingsDlg::OnSelchangeRecordingMode() {
  if (!m_settings || !m_settingsWrapper) return;
  LogResult(Changed(m_settingsWrapper->put_RecordingMode(RecordingModeValue(m_recordingMode.GetCurSel()))),
            "put_RecordingMode()");
}

void CMarnDeviceSettingsDlg::OnSelchangeRequiredInputType() {
  if (!m_settings || !m_settingsWrapper) return;
  LogResult(Changed(m_settingsWrapper->put_RequiredInputType(m_requiredInputType.GetCurSel())), "put_RequiredInputType()");
  RefreshMandatoryFlags();
}

void CMarnDeviceSettingsDlg::OnSelchangeTotalTimeType() {
  if (!m_settings || !m_settingsWrapper) return;
  LogResult(Changed(m_settingsWrapper->put_TotalTimeType(m_totalTimeType.GetCurSel())), "put_TotalTimeType()");
}

void CMarnDeviceSettingsDlg::OnSelchangeBarcodeScanButton() {
  if (!m_settings || !m_settingsWrapper) return;
  LogResult(Changed(m_settingsWrapper->put_BarcodeScanButton(m_barcodeScanButton.GetCurSel())), "put_BarcodeScanButton()");
}

void CMarnDeviceSettingsDlg::OnSelchangeVoiceCommandType() {
  if (!m_settings || !m_settingsWrapper) return;
  CDeviceSettings& s = *m_settingsWrapper;
  const HRESULT hr = Changed(s.put_VoiceCommandType(0, m_voiceCommandType.GetCurSel()));
  LogResult(hr, "put_VoiceCommandType()");
  int value = 0;
  if (FAILED(hr) && SUCCEEDED(s.get_VoiceCommandType(0, value))) m_voiceCommandType.SetCurSel(value);
}

void CMarnDeviceSettingsDlg::OnSelchangeOs() {
  WriteListWithReadBack(m_os, &CDeviceSettings::put_OS, &CDeviceSettings::get_OS, "put_OS()");
}
void CMarnDeviceSettingsDlg::OnSelchangeBarcodeMode() {
  WriteListWithReadBack(m_barcodeMode, &CDeviceSettings::put_BarcodeMode, &CDeviceSettings::get_BarcodeMode,
                        "put_BarcodeMode()");
}
void CMarnDeviceSettingsDlg::OnSelchangeFunctionKey() {
  WriteListWithReadBack(m_functionKey, &CDeviceSettings::put_FunctionKey, &CDeviceSettings::get_FunctionKey,
                        "put_FunctionKey()");
}
void CMarnDeviceSettingsDlg::OnSelchangeFourPosSwitch() {
  WriteListWithReadBack(m_fourPosSwitch, &CDeviceSettings::put_FourPosSwitch, &CDeviceSettings::get_FourPosSwitch,
                        "put_FourPosSwitch()");
}
