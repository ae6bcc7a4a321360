// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The properties of one dictation file. Dates and times are the component's own texts, passed through.
#include "device/DpmIds.h"
#include "platform/automation/Unknown.h"

struct IDPMFileInfo : IDispatch {
  static constexpr IID kIid = IID_IDPMFileInfo;

  virtual HRESULT get_FileName(BSTR* value) = 0;
  // 0 other, 1 non-DPM2, 2 dictation, 3 instruction.
  virtual HRESULT get_FileType(LONG* value) = 0;
  virtual HRESULT get_LastModifiedDate(BSTR* value) = 0;
  virtual HRESULT get_LastModifiedTime(BSTR* value) = 0;
  virtual HRESULT get_JobNumber(LONG* value) = 0;
  virtual HRESULT get_RecordingStartDate(BSTR* value) = 0;
  virtual HRESULT get_RecordingStartTime(BSTR* value) = 0;
  virtual HRESULT get_RecordingEndDate(BSTR* value) = 0;
  virtual HRESULT get_RecordingEndTime(BSTR* value) = 0;
  virtual HRESULT get_DictationLength(LONG* value) = 0;
  virtual HRESULT get_Author(BSTR* value) = 0;
  virtual HRESULT put_Author(BSTR value) = 0;
  virtual HRESULT get_Priority(LONG* value) = 0;
  virtual HRESULT put_Priority(LONG value) = 0;
  virtual HRESULT get_ProductId(LONG* value) = 0;
  virtual HRESULT get_MACAddress(BSTR* value) = 0;
  virtual HRESULT get_FirmwareVersion(BSTR* value) = 0;
  // The recording modes: 0 to 4, 6 quality play, 17 MP3.
  virtual HRESULT get_CompressionMode(LONG* value) = 0;
  virtual HRESULT get_DownloadDate(BSTR* value) = 0;
  virtual HRESULT get_DownloadTime(BSTR* value) = 0;
  virtual HRESULT get_BarcodeString(BSTR* value) = 0;
  virtual HRESULT get_KeywordUsageCount(LONG* value) = 0;
  virtual HRESULT get_KeywordUsageString(LONG index, BSTR* value) = 0;
  virtual HRESULT put_KeywordUsageString(LONG index, BSTR value) = 0;
  virtual HRESULT get_KeywordContentCount(LONG* value) = 0;
  virtual HRESULT get_KeywordContentString(LONG index, BSTR* value) = 0;
  virtual HRESULT put_KeywordContentString(LONG index, BSTR value) = 0;
  virtual HRESULT get_InstructionFileExists(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_InstructionLength(LONG* value) = 0;
  virtual HRESULT get_EOL(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_EOL(VARIANT_BOOL value) = 0;
  virtual HRESULT get_UserString(LONG index, BSTR* value) = 0;
  virtual HRESULT put_UserString(LONG index, BSTR value) = 0;
  virtual HRESULT get_UserStringCount(LONG* value) = 0;
  virtual HRESULT get_InstructionFileName(BSTR* value) = 0;
  virtual HRESULT put_DownloadDate(BSTR value) = 0;
  virtual HRESULT put_DownloadTime(BSTR value) = 0;
  // VT_ARRAY|VT_I4, two dimensions: dimension 1 has two elements (0 start, 1 end), dimension 2 one
  // per instruction; both start at 0. The caller clears the variant. Empty when there is none.
  virtual HRESULT get_SpokenInstructionList(VARIANT* list) = 0;
  virtual HRESULT get_IsEncrypted(VARIANT_BOOL* value) = 0;

 protected:
  ~IDPMFileInfo() = default;
};
