// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The properties of one dictation file, read from and written back through its IDPMFileInfo. The
// dialog owns the spoken-instruction window, which it creates hidden and toggles with its button.
#include <string>

#include "device/IDPMFileInfo.h"
#include "fileinfo/FileInfoDlgOwner.h"
#include "fileinfo/FileInfoIds.h"
#include "fileinfo/SmSpokenInstructionDlg.h"
#include "platform/ui/Dialog.h"

class CMarnFileInfoDlg : public CDialog {
 public:
  // `info` is borrowed: the opener releases it after this object is destroyed.
  CMarnFileInfoDlg(IFileInfoDlgOwner* owner, IDPMFileInfo* info);
  ~CMarnFileInfoDlg() override;

  CSmSpokenInstructionDlg& SpokenInstructions() { return m_spokenInstructions; }
  const std::string& ErrorText() const { return m_errorText; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnGetAll();
  void OnPutAll();
  void OnSpokenInstructions();

  void ReadStrings();
  void WriteStrings();
  // Adds "<operation>(<text>)  FAILED --> <name>" when the result is a failure.
  void Check(HRESULT result, const char* operation, const std::string& text);
  HRESULT ReadString(HRESULT (IDPMFileInfo::*get)(BSTR*), std::string& value);
  HRESULT ReadIndexedString(HRESULT (IDPMFileInfo::*get)(LONG, BSTR*), LONG index, std::string& value);
  void ReadFlag(HRESULT (IDPMFileInfo::*get)(VARIANT_BOOL*), int& value);

  IFileInfoDlgOwner* m_owner;
  IDPMFileInfo* m_pFileInfo;
  std::string m_errorText;
  CSmSpokenInstructionDlg m_spokenInstructions;

  std::string m_fileName;
  std::string m_fileType;
  int m_productId = 0;
  std::string m_firmware;
  std::string m_macAddress;
  int m_jobNumber = 0;
  std::string m_compressionMode;
  std::string m_barcode;
  std::string m_lastModifiedDate;
  std::string m_lastModifiedTime;
  std::string m_downloadDate;
  std::string m_recordingStartDate;
  std::string m_recordingStartTime;
  std::string m_downloadTime;
  std::string m_recordingEndDate;
  std::string m_recordingEndTime;
  int m_dictationLength = 0;
  int m_instructionFileExists = 0;
  std::string m_instructionFileName;
  int m_instructionLength = 0;
  std::string m_author;
  int m_priority = 0;
  int m_eol = 0;
  std::string m_userString[kFileInfoUserStrings];
  int m_userStringCount = 0;
  std::string m_keywordUsage[kFileInfoKeywordFields];
  int m_keywordUsageCount = 0;
  std::string m_keywordContent[kFileInfoKeywordFields];
  int m_keywordContentCount = 0;
  int m_isEncrypted = 0;
};
