// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A detached copy of one recorder's settings: put_ changes the copy only; IDPMDevice::SetDeviceSettings
// commits it, IDPMControl::ExportSettings saves it. The slot order is the contract's, reserved slots
// included, so that a component built elsewhere lines up.
//
// Strings: get_ hands out a new BSTR the caller frees; put_ borrows the caller's. Booleans are
// VARIANT_TRUE (-1) or VARIANT_FALSE (0). Index arguments come first, the value last.
#include "device/DpmIds.h"
#include "platform/automation/Unknown.h"

struct IDPMRecordingProfile;

struct IDPMDeviceSettings : IDispatch {
  static constexpr IID kIid = IID_IDPMDeviceSettings;

  virtual HRESULT get_FileNamePrefixString(BSTR* value) = 0;
  virtual HRESULT put_FileNamePrefixString(BSTR value) = 0;
  virtual HRESULT get_FileNamePrefixType(LONG* value) = 0;
  virtual HRESULT put_FileNamePrefixType(LONG value) = 0;
  virtual HRESULT get_FileCounter(LONG* value) = 0;
  virtual HRESULT put_FileCounter(LONG value) = 0;
  virtual HRESULT get_DLSButtonEnabled(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_DLSButtonEnabled(VARIANT_BOOL value) = 0;
  virtual HRESULT get_DateTimeFormat(LONG* value) = 0;
  virtual HRESULT put_DateTimeFormat(LONG value) = 0;
  virtual HRESULT get_DeviceBeep(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_DeviceBeep(VARIANT_BOOL value) = 0;
  virtual HRESULT get_RecordingMode(LONG* value) = 0;
  virtual HRESULT put_RecordingMode(LONG value) = 0;
  virtual HRESULT get_VoiceActivation(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_VoiceActivation(VARIANT_BOOL value) = 0;
  virtual HRESULT get_ProtectDevice(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_ProtectDevice(VARIANT_BOOL value) = 0;
  virtual HRESULT get_MACAddress(BSTR* value) = 0;
  virtual HRESULT get_FirmwareVersion(BSTR* value) = 0;
  virtual HRESULT get_Appearance(LONG* value) = 0;
  virtual HRESULT put_Appearance(LONG value) = 0;
  virtual HRESULT get_KeywordUsageCount(LONG* count) = 0;
  virtual HRESULT get_KeywordUsageString(LONG keyword, BSTR* name) = 0;
  virtual HRESULT put_KeywordUsageString(LONG keyword, BSTR name) = 0;
  virtual HRESULT get_KeywordContentCount(LONG* rows) = 0;
  virtual HRESULT get_KeywordContentString(LONG keyword, LONG row, BSTR* value) = 0;
  virtual HRESULT put_KeywordContentString(LONG keyword, LONG row, BSTR value) = 0;
  virtual HRESULT get_DownloadMode(LONG* value) = 0;
  virtual HRESULT put_DownloadMode(LONG value) = 0;
  virtual HRESULT get_DownloadFilter(LONG* value) = 0;
  virtual HRESULT put_DownloadFilter(LONG value) = 0;
  virtual HRESULT get_Keyword1String(BSTR* value) = 0;
  virtual HRESULT put_Keyword1String(BSTR value) = 0;
  virtual HRESULT get_DeleteFilesAfterDownload(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_DeleteFilesAfterDownload(VARIANT_BOOL value) = 0;
  virtual HRESULT get_MicrophoneSensitivity(LONG* value) = 0;
  virtual HRESULT put_MicrophoneSensitivity(LONG value) = 0;
  virtual HRESULT get_FileCounterSource(LONG* value) = 0;
  virtual HRESULT put_FileCounterSource(LONG value) = 0;
  virtual HRESULT get_RequiredInputType(LONG* value) = 0;
  virtual HRESULT put_RequiredInputType(LONG value) = 0;
  virtual HRESULT get_TotalTimeType(LONG* value) = 0;
  virtual HRESULT put_TotalTimeType(LONG value) = 0;
  virtual HRESULT get_UserStringCount(LONG* value) = 0;
  virtual HRESULT put_UserStringCount(LONG value) = 0;
  virtual HRESULT get_DELButtonEnabled(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_DELButtonEnabled(VARIANT_BOOL value) = 0;
  virtual HRESULT get_InsertButtonEnabled(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_InsertButtonEnabled(VARIANT_BOOL value) = 0;
  virtual HRESULT get_EOLButtonEnabled(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_EOLButtonEnabled(VARIANT_BOOL value) = 0;
  virtual HRESULT get_LinkKeywords(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_LinkKeywords(VARIANT_BOOL value) = 0;
  virtual HRESULT get_ScanKeywordsFromBarcode(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_ScanKeywordsFromBarcode(VARIANT_BOOL value) = 0;
  virtual HRESULT get_BarcodeScanButton(LONG* value) = 0;
  virtual HRESULT put_BarcodeScanButton(LONG value) = 0;
  virtual HRESULT get_OneFile(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_OneFile(VARIANT_BOOL value) = 0;
  virtual HRESULT get_RecordNotify(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_RecordNotify(VARIANT_BOOL value) = 0;
  virtual HRESULT get_KeywordBarcodeScan(LONG keyword, VARIANT_BOOL* value) = 0;
  virtual HRESULT put_KeywordBarcodeScan(LONG keyword, VARIANT_BOOL value) = 0;
  virtual HRESULT get_KeywordVoiceCommand(LONG keyword, VARIANT_BOOL* value) = 0;
  virtual HRESULT put_KeywordVoiceCommand(LONG keyword, VARIANT_BOOL value) = 0;
  virtual HRESULT get_KeywordMandatory(LONG keyword, VARIANT_BOOL* value) = 0;
  virtual HRESULT put_KeywordMandatory(LONG keyword, VARIANT_BOOL value) = 0;
  // The program always passes index 0.
  virtual HRESULT get_VoiceCommandType(LONG index, LONG* value) = 0;
  virtual HRESULT put_VoiceCommandType(LONG index, LONG value) = 0;

  // Slots the program never calls; a component answers them with E_NOTIMPL.
  virtual HRESULT Reserved1() = 0;
  virtual HRESULT Reserved2() = 0;
  virtual HRESULT Reserved3() = 0;

  virtual HRESULT get_OS(LONG* value) = 0;
  virtual HRESULT put_OS(LONG value) = 0;
  virtual HRESULT get_BarcodeMode(LONG* value) = 0;
  virtual HRESULT put_BarcodeMode(LONG value) = 0;
  virtual HRESULT get_FunctionKey(LONG* value) = 0;
  virtual HRESULT put_FunctionKey(LONG value) = 0;
  virtual HRESULT get_NoiseReduction(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_NoiseReduction(VARIANT_BOOL value) = 0;
  virtual HRESULT get_FourPosSwitch(LONG* value) = 0;
  virtual HRESULT put_FourPosSwitch(LONG value) = 0;
  virtual HRESULT get_RecordLevelInd(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_RecordLevelInd(VARIANT_BOOL value) = 0;
  virtual HRESULT get_ProhibitFileAlteration(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_ProhibitFileAlteration(VARIANT_BOOL value) = 0;
  virtual HRESULT get_ProMode(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_ProMode(VARIANT_BOOL value) = 0;

  virtual HRESULT Reserved4() = 0;
  virtual HRESULT Reserved5() = 0;
  virtual HRESULT Reserved6() = 0;
  virtual HRESULT Reserved7() = 0;
  virtual HRESULT Reserved8() = 0;
  virtual HRESULT Reserved9() = 0;
  virtual HRESULT Reserved10() = 0;
  virtual HRESULT Reserved11() = 0;
  virtual HRESULT Reserved12() = 0;
  virtual HRESULT Reserved13() = 0;
  virtual HRESULT Reserved14() = 0;
  virtual HRESULT Reserved15() = 0;
  virtual HRESULT Reserved16() = 0;
  virtual HRESULT Reserved17() = 0;
  virtual HRESULT Reserved18() = 0;
  virtual HRESULT Reserved19() = 0;
  virtual HRESULT Reserved20() = 0;
  virtual HRESULT Reserved21() = 0;
  virtual HRESULT Reserved22() = 0;
  virtual HRESULT Reserved23() = 0;

  // DPM4 recorders only. Display areas are numbered 1 to 4.
  virtual HRESULT get_DisplayAreaMapping(LONG area, LONG* value) = 0;
  virtual HRESULT put_DisplayAreaMapping(LONG area, LONG value) = 0;

  virtual HRESULT Reserved24() = 0;
  virtual HRESULT Reserved25() = 0;
  virtual HRESULT Reserved26() = 0;
  virtual HRESULT Reserved27() = 0;

  // DPM4 recorders only. button 0 to 2, recorder state 0 to 4.
  virtual HRESULT get_SmartButtonConfiguration(LONG button, LONG state, LONG* function) = 0;
  virtual HRESULT put_SmartButtonConfiguration(LONG button, LONG state, LONG function) = 0;

  virtual HRESULT Reserved28() = 0;
  virtual HRESULT Reserved29() = 0;

  virtual HRESULT get_PlusButtonEnabled(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_PlusButtonEnabled(VARIANT_BOOL value) = 0;
  virtual HRESULT get_MinusButtonEnabled(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_MinusButtonEnabled(VARIANT_BOOL value) = 0;

  virtual HRESULT Reserved30() = 0;
  virtual HRESULT Reserved31() = 0;

  // DPM4 recorders only: profile 0 to 3, a new reference the caller releases. The profile edits
  // belong to this settings object.
  virtual HRESULT get_RecordingProfile(LONG profile, IDPMRecordingProfile** value) = 0;

 protected:
  ~IDPMDeviceSettings() = default;
};
