// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's file-task controls. They are created hidden and never shown; their handlers keep
// the component's file operations known and working.
#include <string>

#include "app/MainDlgIds.h"
#include "app/MarnCtrlDlg.h"
#include "app/PathText.h"
#include "device/DpmResults.h"
#include "device/DpmValues.h"
#include "fileinfo/MarnFileInfoDlg.h"
#include "platform/automation/Bstr.h"
#include "platform/automation/CodePage.h"
#include "platform/automation/SafeArray.h"
#include "platform/automation/Variant.h"
#include "platform/ui/HostServices.h"

namespace {

VARIANT_BOOL AsBool(int flag) { return flag ? VARIANT_TRUE : VARIANT_FALSE; }

Bstr ToBstr(const std::string& text) { return Bstr(AnsiToBstr(text)); }

// The chooser's own name, else "<tag> <format>" without trailing blanks.
std::string CustomFormatName(const AudioFormatChoice& choice) {
  if (!choice.name.empty()) return choice.name;
  std::string name = choice.formatTag + " " + choice.format;
  name.erase(name.find_last_not_of(' ') + 1);
  return name;
}

}  // namespace

void CMarnCtrlDlg::MapFileTaskHandlers() {
  MapClicked(IDC_DEINITIALIZE, &CMarnCtrlDlg::OnDeinitialize);
  MapClicked(IDC_BROWSE_SOURCE_FILE, &CMarnCtrlDlg::OnBrowseSourceFile);
  MapClicked(IDC_BROWSE_SOURCE_FOLDER, &CMarnCtrlDlg::OnBrowseSourceFolder);
  MapClicked(IDC_BROWSE_DEST_FOLDER, &CMarnCtrlDlg::OnBrowseDestFolder);
  MapSelChange(IDC_SOURCE_FILES, &CMarnCtrlDlg::OnSelchangeSourceFiles);
  MapClicked(IDC_COPY, &CMarnCtrlDlg::OnCopy);
  MapClicked(IDC_MOVE, &CMarnCtrlDlg::OnMove);
  MapClicked(IDC_DELETE, &CMarnCtrlDlg::OnDelete);
  MapClicked(IDC_CONVERT, &CMarnCtrlDlg::OnConvert);
  MapClicked(IDC_DECRYPT, &CMarnCtrlDlg::OnDecrypt);
  MapClicked(IDC_SEPARATE_SPOKEN_INSTRUCTIONS, &CMarnCtrlDlg::OnSeparateSpokenInstructions);
  MapClicked(IDC_NEW_FILE, &CMarnCtrlDlg::OnNewFile);
  MapClicked(IDC_START_DELAYED_TASKS, &CMarnCtrlDlg::OnStartDelayedTasks);
  MapClicked(IDC_CANCEL_TASKS, &CMarnCtrlDlg::OnCancelTasks);
  MapClicked(IDC_GET_FILE_INFO, &CMarnCtrlDlg::OnGetFileInfo);
  MapSelChange(IDC_CONVERSION_FORMAT, &CMarnCtrlDlg::OnSelchangeConversionFormat);
  MapClicked(IDC_SELECT_CUSTOM_FORMAT, &CMarnCtrlDlg::OnSelectCustomFormat);
}

void CMarnCtrlDlg::OnDeinitialize() {
  EnableDeviceButtons(FALSE);
  if (m_pControl) LogResult(m_pControl->Deinitialize());
}

// The browsers take the fields first, so that copying the members back keeps what was typed.
void CMarnCtrlDlg::OnBrowseSourceFile() {
  UpdateData(TRUE);
  std::string path;
  if (!GetHostServices().GetOpenFileName(GetSafeHwnd(), OpenFileRequest{}, path)) return;
  m_sourcePath = path;
  if (FolderOf(path, m_sourceFolder)) FillFileList(m_sourceFileList, m_sourceFolder);
  UpdateData(FALSE);
}

void CMarnCtrlDlg::OnBrowseSourceFolder() {
  std::string folder;
  if (!GetHostServices().BrowseForFolder(GetSafeHwnd(), "Select Folder:", BIF_STATUSTEXT, folder)) return;
  m_sourceFolder = folder;
  FillFileList(m_sourceFileList, m_sourceFolder);
}

void CMarnCtrlDlg::OnBrowseDestFolder() {
  UpdateData(TRUE);
  std::string folder;
  if (!GetHostServices().BrowseForFolder(GetSafeHwnd(), "Select Destination Folder:", 0, folder)) return;
  m_destPath = folder;
  FillFileList(m_destFileList, m_destPath);
  UpdateData(FALSE);
}

void CMarnCtrlDlg::OnSelchangeSourceFiles() {
  UpdateData(TRUE);
  const int selected = m_sourceFileList.GetCurSel();
  if (selected < 0) return;
  m_sourcePath = m_sourceFolder + kPathSeparator + m_sourceFileList.GetText(selected);
  UpdateData(FALSE);
}

void CMarnCtrlDlg::OnCopy() {
  if (!m_pControl) return;
  UpdateData(TRUE);
  LogResult(m_pControl->Copy(ToBstr(m_sourcePath).Get(), ToBstr(m_destPath).Get(), AsBool(m_delayed)));
}

void CMarnCtrlDlg::OnMove() {
  if (!m_pControl) return;
  UpdateData(TRUE);
  LogResult(m_pControl->Move(ToBstr(m_sourcePath).Get(), ToBstr(m_destPath).Get(), AsBool(m_delayed)));
}

void CMarnCtrlDlg::OnDelete() {
  if (!m_pControl) return;
  UpdateData(TRUE);
  LogResult(m_pControl->Delete(ToBstr(m_sourcePath).Get(), AsBool(m_delayed)));
}

void CMarnCtrlDlg::OnConvert() {
  if (!m_pControl) return;
  UpdateData(TRUE);
  LogResult(m_pControl->Convert(ToBstr(m_sourcePath).Get(), ToBstr(m_destPath).Get(), m_formatBox.GetCurSel(),
                                AsBool(m_delayed)));
}

void CMarnCtrlDlg::OnDecrypt() {
  if (!m_pControl) return;
  UpdateData(TRUE);
  LogResult(m_pControl->Decrypt(ToBstr(m_sourcePath).Get(), ToBstr(m_destPath).Get(), m_formatBox.GetCurSel(),
                                AsBool(m_delayed), ToBstr(m_password).Get()));
}

void CMarnCtrlDlg::OnSeparateSpokenInstructions() {
  if (!m_pControl) return;
  UpdateData(TRUE);
  LogResult(m_pControl->SeparateSpokenInstructions(ToBstr(m_sourcePath).Get(), ToBstr(m_destPath).Get(),
                                                   AsBool(m_isDictation), AsBool(m_isInstruction),
                                                   AsBool(m_delayed)));
}

void CMarnCtrlDlg::OnNewFile() {
  if (!m_pControl) return;
  UpdateData(TRUE);
  const std::string path = JoinPath(m_destPath, m_newFileName);
  LogResult(m_pControl->NewFile(ToBstr(path).Get(), ToBstr(m_password).Get(), m_recordingFormatBox.GetCurSel()));
}

void CMarnCtrlDlg::OnStartDelayedTasks() {
  if (!m_pControl) return;
  UpdateData(TRUE);
  LogResult(m_pControl->StartDelayedTasks());
}

// Cancelling is its own report: the tasks end with this code in their progress events.
void CMarnCtrlDlg::OnCancelTasks() {
  if (!m_pControl) return;
  UpdateData(TRUE);
  m_pControl->CancelTasks(dpmCtrlOperationCancelled);
}

void CMarnCtrlDlg::OnGetFileInfo() {
  if (!m_pControl) return;
  UpdateData(TRUE);
  ComPtr<IDPMFileInfo> info;
  const HRESULT hr = m_pControl->get_IDPMFileInfo(ToBstr(m_sourcePath).Get(), info.ReleaseAndGetAddressOf());
  LogResult(hr);
  if (FAILED(hr) || !info) return;
  CMarnFileInfoDlg dialog(this, info.Get());
  dialog.DoModal();
}

void CMarnCtrlDlg::OnSelchangeConversionFormat() {
  GetDlgItem(IDC_SELECT_CUSTOM_FORMAT)->EnableWindow(m_formatBox.GetCurSel() == dpmConvertCustom);
}

void CMarnCtrlDlg::OnSelectCustomFormat() {
  AudioFormatRequest request;
  request.title = "Select Audio Format";
  request.initialName = "Hallo";
  request.style = ACMFORMATCHOOSE_STYLEF_CONTEXTHELP;
  request.enumFlags = ACM_FORMATENUMF_INPUT;
  request.maxFormatSize = ACM_METRIC_MAX_SIZE_FORMAT;
  AudioFormatChoice choice;
  if (!GetHostServices().ChooseAudioFormat(GetSafeHwnd(), request, choice)) return;

  m_customFormatName = CustomFormatName(choice);
  SetDlgItemText(IDC_CUSTOM_FORMAT_NAME, m_customFormatName);
  if (!m_pControl) return;
  Variant format;
  HRESULT hr = MakeByteArray(choice.block, format.Get());
  if (SUCCEEDED(hr)) hr = m_pControl->put_CustomFormat(format.Get());
  LogResult(hr);
}
