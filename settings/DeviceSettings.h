// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CDeviceSettings: the settings dialog's thin wrapper of one settings object. Each method forwards to
// the operation of the same name and returns its result unchanged; inside, booleans are 0 or 1 and
// texts are the program's narrow text, while the interface takes automation booleans and strings.
// Reads change their out value only on success. It neither adds nor releases a reference: the dialog
// owns the settings object and destroys the wrapper first.
#include <string>

#include "device/IDPMDeviceSettings.h"
#include "device/IDPMRecordingProfile.h"
#include "platform/automation/Types.h"

class CDeviceSettings {
 public:
  explicit CDeviceSettings(IDPMDeviceSettings* settings) : m_settings(settings) {}
  virtual ~CDeviceSettings() = default;
  CDeviceSettings(const CDeviceSettings&) = delete;
  CDeviceSettings& operator=(const CDeviceSettings&) = delete;

  IDPMDeviceSettings* Get() const { return m_settings; }

  HRESULT get_FileNamePrefixString(std::string& value);
  HRESULT put_FileNamePrefixString(const std::string& value);
  HRESULT get_FileNamePrefixType(int& value);
  HRESULT put_FileNamePrefixType(int value);
  HRESULT get_FileCounter(int& value);
  HRESULT put_FileCounter(int value);
  HRESULT get_DLSButtonEnabled(int& value);
  HRESULT put_DLSButtonEnabled(int value);
  HRESULT get_DateTimeFormat(int& value);
  HRESULT put_DateTimeFormat(int value);
  HRESULT get_DeviceBeep(int& value);
  HRESULT put_DeviceBeep(int value);
  HRESULT get_RecordingMode(int& value);
  HRESULT put_RecordingMode(int value);
  HRESULT get_VoiceActivation(int& value);
  HRESULT put_VoiceActivation(int value);
  HRESULT get_ProtectDevice(int& value);
  HRESULT put_ProtectDevice(int value);
  HRESULT get_MACAddress(std::string& value);
  HRESULT get_FirmwareVersion(std::string& value);
  HRESULT get_Appearance(int& value);
  HRESULT put_Appearance(int value);
  HRESULT get_KeywordUsageCount(int& count);
  HRESULT get_KeywordUsageString(int keyword, std::string& name);
  HRESULT put_KeywordUsageString(int keyword, const std::string& name);
  HRESULT get_KeywordContentCount(int& rows);
  HRESULT get_KeywordContentString(int keyword, int row, std::string& value);
  HRESULT put_KeywordContentString(int keyword, int row, const std::string& value);
  HRESULT get_DownloadMode(int& value);
  HRESULT put_DownloadMode(int value);
  HRESULT get_DownloadFilter(int& value);
  HRESULT put_DownloadFilter(int value);
  HRESULT get_Keyword1String(std::string& value);
  HRESULT put_Keyword1String(const std::string& value);
  HRESULT get_DeleteFilesAfterDownload(int& value);
  HRESULT put_DeleteFilesAfterDownload(int value);
  HRESULT get_MicrophoneSensitivity(int& value);
  HRESULT put_MicrophoneSensitivity(int value);
  HRESULT get_FileCounterSource(int& value);
  HRESULT put_FileCounterSource(int value);
  HRESULT get_RequiredInputType(int& value);
  HRESULT put_RequiredInputType(int value);
  HRESULT get_TotalTimeType(int& value);
  HRESULT put_TotalTimeType(int value);
  HRESULT get_UserStringCount(int& value);
  HRESULT put_UserStringCount(int value);
  HRESULT get_DELButtonEnabled(int& value);
  HRESULT put_DELButtonEnabled(int value);
  HRESULT get_InsertButtonEnabled(int& value);
  HRESULT put_InsertButtonEnabled(int value);
  HRESULT get_EOLButtonEnabled(int& value);
  HRESULT put_EOLButtonEnabled(int value);
  HRESULT get_LinkKeywords(int& value);
  HRESULT put_LinkKeywords(int value);
  HRESULT get_ScanKeywordsFromBarcode(int& value);
  HRESULT put_ScanKeywordsFromBarcode(int value);
  HRESULT get_BarcodeScanButton(int& value);
  HRESULT put_BarcodeScanButton(int value);
  HRESULT get_OneFile(int& value);
  HRESULT put_OneFile(int value);
  HRESULT get_RecordNotify(int& value);
  HRESULT put_RecordNotify(int value);
  HRESULT get_KeywordBarcodeScan(int keyword, int& value);
  HRESULT put_KeywordBarcodeScan(int keyword, int value);
  HRESULT get_KeywordVoiceCommand(int keyword, int& value);
  HRESULT put_KeywordVoiceCommand(int keyword, int value);
  HRESULT get_KeywordMandatory(int keyword, int& value);
  HRESULT put_KeywordMandatory(int keyword, int value);
  HRESULT get_VoiceCommandType(int index, int& value);
  HRESULT put_VoiceCommandType(int index, int value);
  HRESULT get_OS(int& value);
  HRESULT put_OS(int value);
  HRESULT get_BarcodeMode(int& value);
  HRESULT put_BarcodeMode(int value);
  HRESULT get_FunctionKey(int& value);
  HRESULT put_FunctionKey(int value);
  HRESULT get_NoiseReduction(int& value);
  HRESULT put_NoiseReduction(int value);
  HRESULT get_FourPosSwitch(int& value);
  HRESULT put_FourPosSwitch(int value);
  HRESULT get_RecordLevelInd(int& value);
  HRESULT put_RecordLevelInd(int value);
  HRESULT get_ProhibitFileAlteration(int& value);
  HRESULT put_ProhibitFileAlteration(int value);
  HRESULT get_ProMode(int& value);
  HRESULT put_ProMode(int value);
  HRESULT get_DisplayAreaMapping(int area, int& value);
  HRESULT put_DisplayAreaMapping(int area, int value);
  HRESULT get_SmartButtonConfiguration(int button, int state, int& value);
  HRESULT put_SmartButtonConfiguration(int button, int state, int value);
  HRESULT get_PlusButtonEnabled(int& value);
  HRESULT put_PlusButtonEnabled(int value);
  HRESULT get_MinusButtonEnabled(int& value);
  HRESULT put_MinusButtonEnabled(int value);
  // The profile object belongs to the caller, who releases it.
  HRESULT get_RecordingProfile(int profile, IDPMRecordingProfile** value);

 private:
  using S = IDPMDeviceSettings;
  HRESULT GetNumber(HRESULT (S::*get)(LONG*), int& value);
  HRESULT GetBool(HRESULT (S::*get)(VARIANT_BOOL*), int& value);
  HRESULT GetText(HRESULT (S::*get)(BSTR*), std::string& value);
  HRESULT PutBool(HRESULT (S::*put)(VARIANT_BOOL), int value);
  HRESULT PutText(HRESULT (S::*put)(BSTR), const std::string& value);

  IDPMDeviceSettings* m_settings;
};
