// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's commands: writing to the recorder and to the settings object, settings
// files, the job counter, the DPM4 dialog, and the keyword flags and grid edits.
#include <algorithm>

#include "device/DpmValues.h"
#include "platform/automation/Bstr.h"
#include "platform/automation/CodePage.h"
#include "platform/ui/HostServices.h"
#include "settings/DeviceSettingsIds.h"
#include "settings/DeviceSettingsLists.h"
#include "settings/Dpm4RecordTransfer.h"
#include "settings/MarnDeviceSettingsDlg.h"
#include "smartbuttons/SmartButtons.h"

namespace {

constexpr const char* kConfirmWrite = "Are you sure you wish to write these setting to the device ?";
constexpr const char* kFailedToSetSettings = "Failed to set device settings: ";
constexpr const char* kJobCounterReset = "Job Counter Reset";
constexpr const char* kErrorPrefix = "Error: ";
constexpr const char* kConfirmLeave =
    "The settings have changes that are not written to the device yet. Write them to the device now?";

}  // namespace

IDPMControl* CMarnDeviceSettingsDlg::Control() const {
  ISettingsMainWindow* main = MainWindow();
  return main ? main->Control() : nullptr;
}

// --- Write To Device ---

void CMarnDeviceSettingsDlg::OnWriteToDevice() {
  if (!m_settings || !m_settingsWrapper) return;
  if (MessageBox(kConfirmWrite, nullptr, MB_YESNO) != IDYES) return;
  CommitToDevice();
}

bool CMarnDeviceSettingsDlg::CommitToDevice() {
  IDPMDevice* device = Device();
  if (!device) return false;
  WriteModelSpecificValues(false);
  const HRESULT hr = device->SetDeviceSettings(m_settings.Get());
  if (FAILED(hr)) {
    MessageBox((kFailedToSetSettings + ResultName(hr)).c_str());
    return false;
  }
  m_uncommitted = false;
  return true;
}

HRESULT CMarnDeviceSettingsDlg::Changed(HRESULT hr) {
  if (SUCCEEDED(hr)) m_uncommitted = true;
  return hr;
}

// --- Leaving ---

void CMarnDeviceSettingsDlg::OnOK() {
  if (TakeControls() && MayLeave()) EndDialog(IDOK);
}

void CMarnDeviceSettingsDlg::OnCancel() {
  if (MayLeave()) EndDialog(IDCANCEL);
}

// Without a settings object or a device there is nothing that could be written, so nothing is asked.
bool CMarnDeviceSettingsDlg::MayLeave() {
  if (!m_uncommitted || !m_settings || !m_settingsWrapper || !Device()) return true;
  switch (MessageBox(kConfirmLeave, nullptr, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return CommitToDevice();
    case IDNO: return true;
    default: return false;
  }
}

// What no control writes: the DPM4 record, or on older recorders with the advanced display the one
// display area they have. Nothing when the type cannot be read.
void CMarnDeviceSettingsDlg::WriteModelSpecificValues(bool logged) {
  IDPMDevice* device = Device();
  LONG type = 0;
  if (!device || FAILED(device->GetDeviceType(&type))) return;
  CDeviceSettings& s = *m_settingsWrapper;
  if (type >= kFirstDpm4DeviceType) {
    Dpm4RecordTransfer transfer(s, m_profile);
    if (logged)
      transfer.Write(g_smartButtonSetup, [this](HRESULT hr) { LogResult(hr, "put_SmartButtonConfiguration()"); });
    else
      transfer.Write(g_smartButtonSetup);
    return;
  }
  int appearance = dpmAppearanceClassic;
  s.get_Appearance(appearance);
  if (appearance > dpmAppearanceClassic) s.put_DisplayAreaMapping(1, dpmDisplayKeyword2);
}

// --- StoreToSettings ---

bool CMarnDeviceSettingsDlg::StoreToSettings() {
  if (!m_settings || !m_settingsWrapper) return true;
  if (!TakeControls()) return false;
  CDeviceSettings& s = *m_settingsWrapper;
  LogResult(s.put_FileNamePrefixString(m_fileNamePrefixString), "put_FileNamePrefixString()");
  LogResult(s.put_FileCounter(m_fileCounter), "put_FileCounter()");
  LogResult(s.put_FileCounterSource(m_fileCounterSource.GetCurSel()), "put_FileCounterSource()");
  LogResult(s.put_VoiceActivation(m_voiceActivation), "put_VoiceActivation()");
  LogResult(s.put_ProtectDevice(m_protectDevice), "put_ProtectDevice()");
  LogResult(s.put_DLSButtonEnabled(m_dlsButtonEnabled), "put_DLSButtonEnabled()");
  LogResult(s.put_DeviceBeep(m_deviceBeep), "put_DeviceBeep()");
  LogResult(s.put_RecordingMode(RecordingModeValue(m_recordingMode.GetCurSel())), "put_RecordingMode()");
  LogResult(s.put_DateTimeFormat(m_dateTimeFormat), "put_DateTimeFormat()");
  LogResult(s.put_Appearance(m_appearance), "put_Appearance()");
  LogResult(s.put_MicrophoneSensitivity(m_microphoneSensitivity), "put_MicrophoneSensitivity()");
  LogResult(s.put_FileNamePrefixType(m_fileNamePrefixType), "put_FileNamePrefixType()");
  LogResult(s.put_DownloadMode(m_downloadMode), "put_DownloadMode()");
  LogResult(s.put_DownloadFilter(m_downloadFilter), "put_DownloadFilter()");
  LogResult(s.put_DeleteFilesAfterDownload(m_deleteFilesAfterDownload), "put_DeleteFilesAfterDownload()");
  LogResult(s.put_Keyword1String(m_keyword1String), "put_Keyword1String()");

  int keywords = 0;
  int rows = 0;
  s.get_KeywordUsageCount(keywords);
  s.get_KeywordContentCount(rows);
  StoreKeywordTexts(keywords, rows);

  LogResult(s.put_RequiredInputType(m_requiredInputType.GetCurSel()), "put_RequiredInputType()");
  LogResult(s.put_TotalTimeType(m_totalTimeType.GetCurSel()), "put_TotalTimeType()");
  LogResult(s.put_UserStringCount(m_userStringCount), "put_UserStringCount()");
  LogResult(s.put_DELButtonEnabled(m_delButtonEnabled), "put_DELButtonEnabled()");
  LogResult(s.put_InsertButtonEnabled(m_insertButtonEnabled), "put_InsertButtonEnabled()");
  LogResult(s.put_EOLButtonEnabled(m_eolButtonEnabled), "put_EOLButtonEnabled()");
  LogResult(s.put_LinkKeywords(m_linkKeywords), "put_LinkKeywords()");
  LogResult(s.put_ScanKeywordsFromBarcode(m_scanKeywordsFromBarcode), "put_ScanKeywordsFromBarcode()");
  LogResult(s.put_BarcodeScanButton(m_barcodeScanButton.GetCurSel()), "put_BarcodeScanButton()");
  LogResult(s.put_OneFile(m_oneFile), "put_OneFile()");
  LogResult(s.put_RecordNotify(m_recordNotify), "put_RecordNotify()");
  LogResult(s.put_VoiceCommandType(0, m_voiceCommandType.GetCurSel()), "put_VoiceCommandType()");
  LogResult(s.put_OS(m_os.GetCurSel()), "put_OS()");
  LogResult(s.put_BarcodeMode(m_barcodeMode.GetCurSel()), "put_BarcodeMode()");
  LogResult(s.put_FunctionKey(m_functionKey.GetCurSel()), "put_FunctionKey()");
  LogResult(s.put_FourPosSwitch(m_fourPosSwitch.GetCurSel()), "put_FourPosSwitch()");
  LogResult(s.put_NoiseReduction(m_noiseReduction), "put_NoiseReduction()");
  LogResult(s.put_RecordLevelInd(m_recordLevelInd), "put_RecordLevelInd()");
  LogResult(s.put_ProhibitFileAlteration(m_prohibitFileAlteration), "put_ProhibitFileAlteration()");
  LogResult(s.put_ProMode(m_proMode), "put_ProMode()");
  LogResult(s.put_PlusButtonEnabled(m_plusButtonEnabled), "put_PlusButtonEnabled()");
  LogResult(s.put_MinusButtonEnabled(m_minusButtonEnabled), "put_MinusButtonEnabled()");
  StoreKeywordFlags(keywords);
  WriteModelSpecificValues(true);
  return true;
}

void CMarnDeviceSettingsDlg::StoreKeywordTexts(int keywords, int rows) {
  CDeviceSettings& s = *m_settingsWrapper;
  // The log names carry the text, so they are made only for a failure.
  for (int k = 0; k < keywords; ++k) {
    const std::string name = m_namesGrid.GetItemText(0, k);
    if (const HRESULT hr = s.put_KeywordUsageString(k, name); FAILED(hr))
      LogResult(hr, "put_KeywordUsageString(" + name + ") ");
  }
  for (int r = 0; r < rows; ++r)
    for (int k = 0; k < keywords; ++k) {
      const std::string value = m_valuesGrid.GetItemText(r, k);
      if (const HRESULT hr = s.put_KeywordContentString(k, r, value); FAILED(hr))
        LogResult(hr, "put_KeywordContentString " + value + ") ");
    }
}

void CMarnDeviceSettingsDlg::StoreKeywordFlags(int keywords) {
  CDeviceSettings& s = *m_settingsWrapper;
  const int rows = FlagRows(keywords);
  auto checked = [this](int id) { return IsDlgButtonChecked(id) == BST_CHECKED ? 1 : 0; };
  for (int k = 0; k < rows; ++k)
    LogResult(s.put_KeywordBarcodeScan(k, checked(IDC_KEYWORD_BARCODE_FIRST + k)), "put_KeywordBarcodeScan()");
  for (int k = 0; k < rows; ++k)
    LogResult(s.put_KeywordVoiceCommand(k, checked(IDC_KEYWORD_VOICE_FIRST + k)), "put_KeywordVoiceCommand()");
  for (int k = 0; k < rows; ++k)
    LogResult(s.put_KeywordMandatory(k, checked(IDC_KEYWORD_MANDATORY_FIRST + k)), "KeywordMandatory()");
}

// --- Settings files ---

bool CMarnDeviceSettingsDlg::ChooseSettingsFile(std::string& path) {
  return GetHostServices().GetOpenFileName(GetSafeHwnd(), OpenFileRequest{}, path);
}

void CMarnDeviceSettingsDlg::OnImportSettings() {
  std::string path;
  if (!ChooseSettingsFile(path)) return;
  const Bstr widePath(AnsiToBstr(path));
  if (!m_deviceDialog || !MainWindow()) return;
  ReleaseSettings();
  IDPMControl* control = Control();
  ComPtr<IDPMDeviceSettings> imported;
  const HRESULT hr = control ? control->ImportSettings(widePath.Get(), imported.ReleaseAndGetAddressOf()) : E_POINTER;
  if (FAILED(hr)) {
    MessageBox((kErrorPrefix + ResultName(hr)).c_str());
    return;
  }
  AttachSettings(std::move(imported));
  m_uncommitted = true;
  LoadFromSettings(true);
}

// Without a settings object there is nothing to save, so the file dialog is not even shown.
void CMarnDeviceSettingsDlg::OnExportSettings() {
  if (!m_settings || !m_settingsWrapper) return;
  std::string path;
  if (!ChooseSettingsFile(path)) return;
  const Bstr widePath(AnsiToBstr(path));
  if (!m_deviceDialog || !MainWindow()) return;
  if (!StoreToSettings()) return;
  IDPMControl* control = Control();
  const HRESULT hr = control ? control->ExportSettings(widePath.Get(), m_settings.Get()) : E_POINTER;
  if (FAILED(hr)) {
    MessageBox((kErrorPrefix + ResultName(hr)).c_str());
    return;
  }
  LoadFromSettings(true);
}

// --- Job counter and the DPM4 dialog ---

void CMarnDeviceSettingsDlg::OnResetJobCounter() {
  if (!m_settings || !m_settingsWrapper) return;
  m_fileCounter = 0;
  // The field shows it too, or the next exchange would take the old count back.
  m_transferring = true;
  SetDlgItemText(IDC_FILE_COUNTER, "0");
  m_transferring = false;
  LogResult(Changed(m_settingsWrapper->put_FileCounter(0)), "put_FileCounter()");
  MessageBox(kJobCounterReset);
}

void CMarnDeviceSettingsDlg::OnDpm4Settings() {
  CSmartButtons dialog(this);
  dialog.SetSetup(g_smartButtonSetup);
  if (dialog.DoModal() != IDOK) return;
  g_smartButtonSetup = dialog.GetSetup();
  m_uncommitted = true;  // the record reaches the settings object only with the commit
}

// --- Keyword flags and grid edits ---

void CMarnDeviceSettingsDlg::OnKeywordFlagClicked(UINT id) {
  OnKeywordFlag(static_cast<int>(id - IDC_KEYWORD_BARCODE_FIRST) % kKeywordFlagRows);
}

void CMarnDeviceSettingsDlg::OnKeywordFlag(int keyword) {
  if (!m_settings || !m_settingsWrapper) return;
  HandleKeywordFlag(IDC_KEYWORD_BARCODE_FIRST, keyword, &CDeviceSettings::get_KeywordBarcodeScan,
                    &CDeviceSettings::put_KeywordBarcodeScan, "put_KeywordBarcodeScan()");
  HandleKeywordFlag(IDC_KEYWORD_VOICE_FIRST, keyword, &CDeviceSettings::get_KeywordVoiceCommand,
                    &CDeviceSettings::put_KeywordVoiceCommand, "put_KeywordVoiceCommand()");
  HandleKeywordFlag(IDC_KEYWORD_MANDATORY_FIRST, keyword, &CDeviceSettings::get_KeywordMandatory,
                    &CDeviceSettings::put_KeywordMandatory, "KeywordMandatory()");
}

// Writes a box only when it differs from the object; a refused write turns the box back. The component
// may change mandatory flags after a barcode or voice-command write, so those boxes are read again.
void CMarnDeviceSettingsDlg::HandleKeywordFlag(int firstId, int keyword, HRESULT (CDeviceSettings::*get)(int, int&),
                                               HRESULT (CDeviceSettings::*put)(int, int), const char* name) {
  const int id = firstId + keyword;
  if (!GetDlgItem(id) || !m_settingsWrapper) return;
  CDeviceSettings& s = *m_settingsWrapper;
  const int wanted = IsDlgButtonChecked(id) == BST_CHECKED ? 1 : 0;
  int current = 0;
  if (SUCCEEDED((s.*get)(keyword, current)) && current == wanted) return;
  const HRESULT hr = Changed((s.*put)(keyword, wanted));
  if (FAILED(hr)) CheckDlgButton(id, Checked(!wanted));
  LogResult(hr, name);
  if (firstId != IDC_KEYWORD_MANDATORY_FIRST) RefreshMandatoryFlags();
}

void CMarnDeviceSettingsDlg::OnScanKeywordsFromBarcode() {
  if (!m_settings || !m_settingsWrapper || !TakeControls()) return;
  CDeviceSettings& s = *m_settingsWrapper;
  LogResult(Changed(s.put_ScanKeywordsFromBarcode(m_scanKeywordsFromBarcode)), "put_ScanKeywordsFromBarcode()");
  int keywords = 0;
  s.get_KeywordUsageCount(keywords);
  for (int k = 0; k < FlagRows(keywords); ++k) {
    int flag = 0;
    if (SUCCEEDED(s.get_KeywordBarcodeScan(k, flag))) CheckDlgButton(IDC_KEYWORD_BARCODE_FIRST + k, Checked(flag));
    if (SUCCEEDED(s.get_KeywordMandatory(k, flag))) CheckDlgButton(IDC_KEYWORD_MANDATORY_FIRST + k, Checked(flag));
  }
}

void CMarnDeviceSettingsDlg::OnKeywordCellEdited(HWND listWindow, int row, int column, std::string text) {
  if (!m_settings || !m_settingsWrapper) return;
  if (listWindow == m_valuesGrid.GetSafeHwnd()) {
    LogResult(Changed(m_settingsWrapper->put_KeywordContentString(column, row, text)),
              "put_KeywordContentString " + text + ") ");
  } else if (listWindow == m_namesGrid.GetSafeHwnd()) {
    LogResult(Changed(m_settingsWrapper->put_KeywordUsageString(column, text)), "put_KeywordUsageString(" + text + ") ");
  }
}
