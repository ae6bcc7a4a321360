// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileinfo/MarnFileInfoDlg.h"

#include "fileinfo/FileInfoTemplate.h"
#include "fileinfo/FileTypeNames.h"
#include "platform/automation/Bstr.h"
#include "platform/automation/CodePage.h"
#include "platform/ui/DataExchange.h"

namespace {

constexpr RECT kSpokenInstructionRect{0, 0, 320, 220};

}  // namespace

CMarnFileInfoDlg::CMarnFileInfoDlg(IFileInfoDlgOwner* owner, IDPMFileInfo* info)
    : CDialog(FileInfoTemplate(), owner ? owner->OwnerWindow() : nullptr), m_owner(owner), m_pFileInfo(info) {
  MapClicked(IDC_FI_GET_ALL, &CMarnFileInfoDlg::OnGetAll);
  MapClicked(IDC_FI_PUT_ALL, &CMarnFileInfoDlg::OnPutAll);
  MapClicked(IDC_FI_SPOKEN_INSTRUCTIONS, &CMarnFileInfoDlg::OnSpokenInstructions);
  m_spokenInstructions.Create(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, kSpokenInstructionRect, this,
                              IDC_FI_SPOKEN_INSTRUCTIONS);
}

CMarnFileInfoDlg::~CMarnFileInfoDlg() {
  m_spokenInstructions.DestroyWindow();
  if (IsWindow()) DestroyWindow();
}

// The order decides which field a failed validation stops at.
void CMarnFileInfoDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_FI_AUTHOR, m_author);
  DDX_Text(pDX, IDC_FI_BARCODE, m_barcode);
  DDX_Text(pDX, IDC_FI_DICTATION_LENGTH, m_dictationLength);
  DDX_Text(pDX, IDC_FI_DOWNLOAD_DATE, m_downloadDate);
  DDX_Text(pDX, IDC_FI_DOWNLOAD_TIME, m_downloadTime);
  DDX_Text(pDX, IDC_FI_FILENAME, m_fileName);
  DDX_Text(pDX, IDC_FI_FIRMWARE, m_firmware);
  DDX_Text(pDX, IDC_FI_COMPRESSION_MODE, m_compressionMode);
  DDX_Text(pDX, IDC_FI_LAST_MODIFIED_DATE, m_lastModifiedDate);
  DDX_Text(pDX, IDC_FI_LAST_MODIFIED_TIME, m_lastModifiedTime);
  DDX_Text(pDX, IDC_FI_MAC_ADDRESS, m_macAddress);
  DDX_Text(pDX, IDC_FI_RECORDING_END_DATE, m_recordingEndDate);
  DDX_Text(pDX, IDC_FI_RECORDING_END_TIME, m_recordingEndTime);
  DDX_Text(pDX, IDC_FI_RECORDING_START_DATE, m_recordingStartDate);
  DDX_Text(pDX, IDC_FI_RECORDING_START_TIME, m_recordingStartTime);
  DDX_Text(pDX, IDC_FI_FILE_TYPE, m_fileType);
  DDX_Text(pDX, IDC_FI_PRIORITY, m_priority);
  DDX_Text(pDX, IDC_FI_INSTRUCTION_FILE_EXISTS, m_instructionFileExists);
  DDX_Text(pDX, IDC_FI_INSTRUCTION_LENGTH, m_instructionLength);
  DDX_Text(pDX, IDC_FI_KEYWORD_USAGE_COUNT, m_keywordUsageCount);
  DDX_Text(pDX, IDC_FI_KEYWORD_CONTENT_COUNT, m_keywordContentCount);
  DDX_Text(pDX, IDC_FI_JOB_NUMBER, m_jobNumber);
  DDX_Text(pDX, IDC_FI_PRODUCT_ID, m_productId);
  for (int n = 0; n < kFileInfoKeywordFields; ++n) DDX_Text(pDX, IDC_FI_KEYWORD_CONTENT_FIRST + n, m_keywordContent[n]);
  for (int n = 0; n < kFileInfoKeywordFields; ++n) DDX_Text(pDX, IDC_FI_KEYWORD_USAGE_FIRST + n, m_keywordUsage[n]);
  for (int n = 0; n < kFileInfoUserStrings; ++n) DDX_Text(pDX, IDC_FI_USER_STRING_FIRST + n, m_userString[n]);
  DDX_Text(pDX, IDC_FI_USER_STRING_COUNT, m_userStringCount);
  DDX_Text(pDX, IDC_FI_INSTRUCTION_FILENAME, m_instructionFileName);
  DDX_Text(pDX, IDC_FI_EOL, m_eol);
  DDX_Check(pDX, IDC_FI_IS_ENCRYPTED, m_isEncrypted);
}

void CMarnFileInfoDlg::Check(HRESULT result, const char* operation, const std::string& text) {
  if (SUCCEEDED(result)) return;
  m_errorText += std::string(operation) + "(" + text + ")  FAILED --> " + m_owner->GetResultName(result) + "\n";
}

// The out-string starts null, so a read that returns nothing leaves the field empty.
HRESULT CMarnFileInfoDlg::ReadString(HRESULT (IDPMFileInfo::*get)(BSTR*), std::string& value) {
  Bstr text;
  const HRESULT hr = (m_pFileInfo->*get)(text.Receive());
  value = BstrToAnsi(text.Get());
  return hr;
}

HRESULT CMarnFileInfoDlg::ReadIndexedString(HRESULT (IDPMFileInfo::*get)(LONG, BSTR*), LONG index,
                                            std::string& value) {
  Bstr text;
  const HRESULT hr = (m_pFileInfo->*get)(index, text.Receive());
  value = BstrToAnsi(text.Get());
  return hr;
}

// A flag the interface leaves unwritten keeps the field's value.
void CMarnFileInfoDlg::ReadFlag(HRESULT (IDPMFileInfo::*get)(VARIANT_BOOL*), int& value) {
  VARIANT_BOOL flag = value ? VARIANT_TRUE : VARIANT_FALSE;
  (m_pFileInfo->*get)(&flag);
  value = flag ? 1 : 0;
}

void CMarnFileInfoDlg::OnGetAll() {
  if (!m_pFileInfo) return;
  m_errorText.clear();
  IDPMFileInfo* info = m_pFileInfo;

  Check(ReadString(&IDPMFileInfo::get_FileName, m_fileName), "get_FileName", m_fileName);
  LONG type = 0;
  info->get_FileType(&type);
  m_fileType = FileTypeName(type);
  Check(ReadString(&IDPMFileInfo::get_LastModifiedDate, m_lastModifiedDate), "get_LastModifiedDate",
        m_lastModifiedDate);
  Check(ReadString(&IDPMFileInfo::get_LastModifiedTime, m_lastModifiedTime), "get_LastModifiedTime",
        m_lastModifiedTime);
  info->get_JobNumber(&m_jobNumber);
  Check(ReadString(&IDPMFileInfo::get_RecordingStartDate, m_recordingStartDate), "get_RecordingStartDate",
        m_recordingStartDate);
  Check(ReadString(&IDPMFileInfo::get_RecordingEndDate, m_recordingEndDate), "get_RecordingEndDate",
        m_recordingEndDate);
  Check(ReadString(&IDPMFileInfo::get_RecordingStartTime, m_recordingStartTime), "get_RecordingStartTime",
        m_recordingStartTime);
  Check(ReadString(&IDPMFileInfo::get_RecordingEndTime, m_recordingEndTime), "get_RecordingEndTime",
        m_recordingEndTime);
  info->get_DictationLength(&m_dictationLength);
  Check(ReadString(&IDPMFileInfo::get_Author, m_author), "get_Author", m_author);
  info->get_Priority(&m_priority);
  info->get_ProductId(&m_productId);
  ReadString(&IDPMFileInfo::get_MACAddress, m_macAddress);
  ReadString(&IDPMFileInfo::get_FirmwareVersion, m_firmware);
  LONG mode = 0;
  info->get_CompressionMode(&mode);
  m_compressionMode = CompressionModeName(mode);
  Check(ReadString(&IDPMFileInfo::get_DownloadDate, m_downloadDate), "get_DownloadDate", m_downloadDate);
  Check(ReadString(&IDPMFileInfo::get_DownloadTime, m_downloadTime), "get_DownloadTime", m_downloadTime);
  Check(ReadString(&IDPMFileInfo::get_BarcodeString, m_barcode), "get_BarcodeString", m_barcode);
  info->get_KeywordUsageCount(&m_keywordUsageCount);
  info->get_KeywordContentCount(&m_keywordContentCount);
  ReadFlag(&IDPMFileInfo::get_InstructionFileExists, m_instructionFileExists);
  ReadFlag(&IDPMFileInfo::get_EOL, m_eol);
  info->get_InstructionLength(&m_instructionLength);
  ReadString(&IDPMFileInfo::get_InstructionFileName, m_instructionFileName);
  ReadStrings();
  info->get_UserStringCount(&m_userStringCount);
  ReadFlag(&IDPMFileInfo::get_IsEncrypted, m_isEncrypted);
  UpdateData(FALSE);
  // A failed read would otherwise look like an empty field.
  if (!m_errorText.empty()) MessageBox(m_errorText.c_str(), nullptr, MB_OK);
}

void CMarnFileInfoDlg::ReadStrings() {
  for (LONG n = 0; n < kFileInfoKeywordFields; ++n) {
    Check(ReadIndexedString(&IDPMFileInfo::get_KeywordUsageString, n, m_keywordUsage[n]), "get_KeywordUsageString",
          m_keywordUsage[n]);
  }
  for (LONG n = 0; n < kFileInfoKeywordFields; ++n) {
    Check(ReadIndexedString(&IDPMFileInfo::get_KeywordContentString, n, m_keywordContent[n]),
          "get_KeywordContentString", m_keywordContent[n]);
  }
  for (LONG n = 0; n < kFileInfoUserStrings; ++n) {
    Check(ReadIndexedString(&IDPMFileInfo::get_UserString, n, m_userString[n]), "get_UserString", m_userString[n]);
  }
}

// A field that is not a number writes nothing: the fields after it still hold older values, and
// writing those would overwrite the file's strings with what the user never meant. Otherwise every
// write is made whatever the earlier ones did, and the failures show together.
void CMarnFileInfoDlg::OnPutAll() {
  if (!UpdateData(TRUE)) return;
  m_errorText.clear();
  IDPMFileInfo* info = m_pFileInfo;

  Check(info->put_Author(Bstr(AnsiToBstr(m_author)).Get()), "put_Author", m_author);
  info->put_Priority(m_priority);
  info->put_EOL(m_eol ? VARIANT_TRUE : VARIANT_FALSE);
  Check(info->put_DownloadDate(Bstr(AnsiToBstr(m_downloadDate)).Get()), "put_DownloadDate", m_downloadDate);
  Check(info->put_DownloadTime(Bstr(AnsiToBstr(m_downloadTime)).Get()), "put_DownloadTime", m_downloadTime);
  WriteStrings();
  if (!m_errorText.empty()) MessageBox(m_errorText.c_str(), nullptr, MB_OK);
}

void CMarnFileInfoDlg::WriteStrings() {
  for (LONG n = 0; n < kFileInfoKeywordFields; ++n) {
    Check(m_pFileInfo->put_KeywordUsageString(n, Bstr(AnsiToBstr(m_keywordUsage[n])).Get()),
          "put_KeywordUsageString", m_keywordUsage[n]);
  }
  for (LONG n = 0; n < kFileInfoKeywordFields; ++n) {
    Check(m_pFileInfo->put_KeywordContentString(n, Bstr(AnsiToBstr(m_keywordContent[n])).Get()),
          "put_KeywordContentString", m_keywordContent[n]);
  }
  for (LONG n = 0; n < kFileInfoUserStrings; ++n) {
    Check(m_pFileInfo->put_UserString(n, Bstr(AnsiToBstr(m_userString[n])).Get()), "put_UserString",
          m_userString[n]);
  }
}

// Every press asks the interface, even the one that hides the window.
void CMarnFileInfoDlg::OnSpokenInstructions() {
  Variant list;
  Check(m_pFileInfo->get_SpokenInstructionList(list.Get()), "get_SpokenInstructionList", "get");
  if (m_spokenInstructions.GetSafeHwnd() && m_spokenInstructions.IsWindowVisible()) {
    m_spokenInstructions.ShowWindow(SW_HIDE);
    return;
  }
  m_spokenInstructions.FillList(list.Get());
  m_spokenInstructions.ShowWindow(SW_SHOW);
}
