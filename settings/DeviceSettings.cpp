// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DeviceSettings.h"

#include "platform/automation/Bstr.h"
#include "platform/automation/CodePage.h"

namespace {

VARIANT_BOOL ToVariantBool(int value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

HRESULT KeepOnSuccess(HRESULT hr, LONG read, int& value) {
  if (SUCCEEDED(hr)) value = read;
  return hr;
}

}  // namespace

HRESULT CDeviceSettings::GetNumber(HRESULT (S::*get)(LONG*), int& value) {
  LONG number = 0;
  const HRESULT hr = (m_settings->*get)(&number);
  return KeepOnSuccess(hr, number, value);
}

HRESULT CDeviceSettings::GetBool(HRESULT (S::*get)(VARIANT_BOOL*), int& value) {
  VARIANT_BOOL flag = VARIANT_FALSE;
  const HRESULT hr = (m_settings->*get)(&flag);
  if (SUCCEEDED(hr)) value = flag != VARIANT_FALSE ? 1 : 0;
  return hr;
}

HRESULT CDeviceSettings::GetText(HRESULT (S::*get)(BSTR*), std::string& value) {
  Bstr text;
  const HRESULT hr = (m_settings->*get)(text.Receive());
  if (SUCCEEDED(hr)) value = BstrToAnsi(text.Get());
  return hr;
}

HRESULT CDeviceSettings::PutBool(HRESULT (S::*put)(VARIANT_BOOL), int value) {
  return (m_settings->*put)(ToVariantBool(value));
}

HRESULT CDeviceSettings::PutText(HRESULT (S::*put)(BSTR), const std::string& value) {
  Bstr text(AnsiToBstr(value));
  return (m_settings->*put)(text.Get());
}

HRESULT CDeviceSettings::get_FileNamePrefixString(std::string& value) { return GetText(&S::get_FileNamePrefixString, value); }
HRESULT CDeviceSettings::put_FileNamePrefixString(const std::string& value) { return PutText(&S::put_FileNamePrefixString, value); }
HRESULT CDeviceSettings::get_FileNamePrefixType(int& value) { return GetNumber(&S::get_FileNamePrefixType, value); }
HRESULT CDeviceSettings::put_FileNamePrefixType(int value) { return m_settings->put_FileNamePrefixType(value); }
HRESULT CDeviceSettings::get_FileCounter(int& value) { return GetNumber(&S::get_FileCounter, value); }
HRESULT CDeviceSettings::put_FileCounter(int value) { return m_settings->put_FileCounter(value); }
HRESULT CDeviceSettings::get_DLSButtonEnabled(int& value) { return GetBool(&S::get_DLSButtonEnabled, value); }
HRESULT CDeviceSettings::put_DLSButtonEnabled(int value) { return PutBool(&S::put_DLSButtonEnabled, value); }
HRESULT CDeviceSettings::get_DateTimeFormat(int& value) { return GetNumber(&S::get_DateTimeFormat, value); }
HRESULT CDeviceSettings::put_DateTimeFormat(int value) { return m_settings->put_DateTimeFormat(value); }
HRESULT CDeviceSettings::get_DeviceBeep(int& value) { return GetBool(&S::get_DeviceBeep, value); }
HRESULT CDeviceSettings::put_DeviceBeep(int value) { return PutBool(&S::put_DeviceBeep, value); }
HRESULT CDeviceSettings::get_RecordingMode(int& value) { return GetNumber(&S::get_RecordingMode, value); }
HRESULT CDeviceSettings::put_RecordingMode(int value) { return m_settings->put_RecordingMode(value); }
HRESULT CDeviceSettings::get_VoiceActivation(int& value) { return GetBool(&S::get_VoiceActivation, value); }
HRESULT CDeviceSettings::put_VoiceActivation(int value) { return PutBool(&S::put_VoiceActivation, value); }
HRESULT CDeviceSettings::get_ProtectDevice(int& value) { return GetBool(&S::get_ProtectDevice, value); }
HRESULT CDeviceSettings::put_ProtectDevice(int value) { return PutBool(&S::put_ProtectDevice, value); }
HRESULT CDeviceSettings::get_MACAddress(std::string& value) { return GetText(&S::get_MACAddress, value); }
HRESULT CDeviceSettings::get_FirmwareVersion(std::string& value) { return GetText(&S::get_FirmwareVersion, value); }
HRESULT CDeviceSettings::get_Appearance(int& value) { return GetNumber(&S::get_Appearance, value); }
HRESULT CDeviceSettings::put_Appearance(int value) { return m_settings->put_Appearance(value); }
HRESULT CDeviceSettings::get_KeywordUsageCount(int& count) { return GetNumber(&S::get_KeywordUsageCount, count); }
HRESULT CDeviceSettings::get_KeywordUsageString(int keyword, std::string& name) {
  Bstr text;
  const HRESULT hr = m_settings->get_KeywordUsageString(keyword, text.Receive());
  if (SUCCEEDED(hr)) name = BstrToAnsi(text.Get());
  return hr;
}

HRESULT CDeviceSettings::put_KeywordUsageString(int keyword, const std::string& name) {
  Bstr text(AnsiToBstr(name));
  return m_settings->put_KeywordUsageString(keyword, text.Get());
}

HRESULT CDeviceSettings::get_KeywordContentCount(int& rows) { return GetNumber(&S::get_KeywordContentCount, rows); }
HRESULT CDeviceSettings::get_KeywordContentString(int keyword, int row, std::string& value) {
  Bstr text;
  const HRESULT hr = m_settings->get_KeywordContentString(keyword, row, text.Receive());
  if (SUCCEEDED(hr)) value = BstrToAnsi(text.Get());
  return hr;
}

HRESULT CDeviceSettings::put_KeywordContentString(int keyword, int row, const std::string& value) {
  Bstr text(AnsiToBstr(value));
  return m_settings->put_KeywordContentString(keyword, row, text.Get());
}

HRESULT CDeviceSettings::get_DownloadMode(int& value) { return GetNumber(&S::get_DownloadMode, value); }
HRESULT CDeviceSettings::put_DownloadMode(int value) { return m_settings->put_DownloadMode(value); }
HRESULT CDeviceSettings::get_DownloadFilter(int& value) { return GetNumber(&S::get_DownloadFilter, value); }
HRESULT CDeviceSettings::put_DownloadFilter(int value) { return m_settings->put_DownloadFilter(value); }
HRESULT CDeviceSettings::get_Keyword1String(std::string& value) { return GetText(&S::get_Keyword1String, value); }
HRESULT CDeviceSettings::put_Keyword1String(const std::string& value) { return PutText(&S::put_Keyword1String, value); }
HRESULT CDeviceSettings::get_DeleteFilesAfterDownload(int& value) { return GetBool(&S::get_DeleteFilesAfterDownload, value); }
HRESULT CDeviceSettings::put_DeleteFilesAfterDownload(int value) { return PutBool(&S::put_DeleteFilesAfterDownload, value); }
HRESULT CDeviceSettings::get_MicrophoneSensitivity(int& value) { return GetNumber(&S::get_MicrophoneSensitivity, value); }
HRESULT CDeviceSettings::put_MicrophoneSensitivity(int value) { return m_settings->put_MicrophoneSensitivity(value); }
HRESULT CDeviceSettings::get_FileCounterSource(int& value) { return GetNumber(&S::get_FileCounterSource, value); }
HRESULT CDeviceSettings::put_FileCounterSource(int value) { return m_settings->put_FileCounterSource(value); }
HRESULT CDeviceSettings::get_RequiredInputType(int& value) { return GetNumber(&S::get_RequiredInputType, value); }
HRESULT CDeviceSettings::put_RequiredInputType(int value) { return m_settings->put_RequiredInputType(value); }
HRESULT CDeviceSettings::get_TotalTimeType(int& value) { return GetNumber(&S::get_TotalTimeType, value); }
HRESULT CDeviceSettings::put_TotalTimeType(int value) { return m_settings->put_TotalTimeType(value); }
HRESULT CDeviceSettings::get_UserStringCount(int& value) { return GetNumber(&S::get_UserStringCount, value); }
HRESULT CDeviceSettings::put_UserStringCount(int value) { return m_settings->put_UserStringCount(value); }
HRESULT CDeviceSettings::get_DELButtonEnabled(int& value) { return GetBool(&S::get_DELButtonEnabled, value); }
HRESULT CDeviceSettings::put_DELButtonEnabled(int value) { return PutBool(&S::put_DELButtonEnabled, value); }
HRESULT CDeviceSettings::get_InsertButtonEnabled(int& value) { return GetBool(&S::get_InsertButtonEnabled, value); }
HRESULT CDeviceSettings::put_InsertButtonEnabled(int value) { return PutBool(&S::put_InsertButtonEnabled, value); }
HRESULT CDeviceSettings::get_EOLButtonEnabled(int& value) { return GetBool(&S::get_EOLButtonEnabled, value); }
HRESULT CDeviceSettings::put_EOLButtonEnabled(int value) { return PutBool(&S::put_EOLButtonEnabled, value); }
HRESULT CDeviceSettings::get_LinkKeywords(int& value) { return GetBool(&S::get_LinkKeywords, value); }
HRESULT CDeviceSettings::put_LinkKeywords(int value) { return PutBool(&S::put_LinkKeywords, value); }
HRESULT CDeviceSettings::get_ScanKeywordsFromBarcode(int& value) { return GetBool(&S::get_ScanKeywordsFromBarcode, value); }
HRESULT CDeviceSettings::put_ScanKeywordsFromBarcode(int value) { return PutBool(&S::put_ScanKeywordsFromBarcode, value); }
HRESULT CDeviceSettings::get_BarcodeScanButton(int& value) { return GetNumber(&S::get_BarcodeScanButton, value); }
HRESULT CDeviceSettings::put_BarcodeScanButton(int value) { return m_settings->put_BarcodeScanButton(value); }
HRESULT CDeviceSettings::get_OneFile(int& value) { return GetBool(&S::get_OneFile, value); }
HRESULT CDeviceSettings::put_OneFile(int value) { return PutBool(&S::put_OneFile, value); }
HRESULT CDeviceSettings::get_RecordNotify(int& value) { return GetBool(&S::get_RecordNotify, value); }
HRESULT CDeviceSettings::put_RecordNotify(int value) { return PutBool(&S::put_RecordNotify, value); }
HRESULT CDeviceSettings::get_KeywordBarcodeScan(int keyword, int& value) {
  VARIANT_BOOL flag = VARIANT_FALSE;
  const HRESULT hr = m_settings->get_KeywordBarcodeScan(keyword, &flag);
  if (SUCCEEDED(hr)) value = flag != VARIANT_FALSE ? 1 : 0;
  return hr;
}

HRESULT CDeviceSettings::put_KeywordBarcodeScan(int keyword, int value) { return m_settings->put_KeywordBarcodeScan(keyword, ToVariantBool(value)); }
HRESULT CDeviceSettings::get_KeywordVoiceCommand(int keyword, int& value) {
  VARIANT_BOOL flag = VARIANT_FALSE;
  const HRESULT hr = m_settings->get_KeywordVoiceCommand(keyword, &flag);
  if (SUCCEEDED(hr)) value = flag != VARIANT_FALSE ? 1 : 0;
  return hr;
}

HRESULT CDeviceSettings::put_KeywordVoiceCommand(int keyword, int value) { return m_settings->put_KeywordVoiceCommand(keyword, ToVariantBool(value)); }
HRESULT CDeviceSettings::get_KeywordMandatory(int keyword, int& value) {
  VARIANT_BOOL flag = VARIANT_FALSE;
  const HRESULT hr = m_settings->get_KeywordMandatory(keyword, &flag);
  if (SUCCEEDED(hr)) value = flag != VARIANT_FALSE ? 1 : 0;
  return hr;
}

HRESULT CDeviceSettings::put_KeywordMandatory(int keyword, int value) { return m_settings->put_KeywordMandatory(keyword, ToVariantBool(value)); }
HRESULT CDeviceSettings::get_VoiceCommandType(int index, int& value) {
  LONG number = 0;
  const HRESULT hr = m_settings->get_VoiceCommandType(index, &number);
  return KeepOnSuccess(hr, number, value);
}
HRESULT CDeviceSettings::put_VoiceCommandType(int index, int value) { return m_settings->put_VoiceCommandType(index, value); }
HRESULT CDeviceSettings::get_OS(int& value) { return GetNumber(&S::get_OS, value); }
HRESULT CDeviceSettings::put_OS(int value) { return m_settings->put_OS(value); }
HRESULT CDeviceSettings::get_BarcodeMode(int& value) { return GetNumber(&S::get_BarcodeMode, value); }
HRESULT CDeviceSettings::put_BarcodeMode(int value) { return m_settings->put_BarcodeMode(value); }
HRESULT CDeviceSettings::get_FunctionKey(int& value) { return GetNumber(&S::get_FunctionKey, value); }
HRESULT CDeviceSettings::put_FunctionKey(int value) { return m_settings->put_FunctionKey(value); }
HRESULT CDeviceSettings::get_NoiseReduction(int& value) { return GetBool(&S::get_NoiseReduction, value); }
HRESULT CDeviceSettings::put_NoiseReduction(int value) { return PutBool(&S::put_NoiseReduction, value); }
HRESULT CDeviceSettings::get_FourPosSwitch(int& value) { return GetNumber(&S::get_FourPosSwitch, value); }
HRESULT CDeviceSettings::put_FourPosSwitch(int value) { return m_settings->put_FourPosSwitch(value); }
HRESULT CDeviceSettings::get_RecordLevelInd(int& value) { return GetBool(&S::get_RecordLevelInd, value); }
HRESULT CDeviceSettings::put_RecordLevelInd(int value) { return PutBool(&S::put_RecordLevelInd, value); }
HRESULT CDeviceSettings::get_ProhibitFileAlteration(int& value) { return GetBool(&S::get_ProhibitFileAlteration, value); }
HRESULT CDeviceSettings::put_ProhibitFileAlteration(int value) { return PutBool(&S::put_ProhibitFileAlteration, value); }
HRESULT CDeviceSettings::get_ProMode(int& value) { return GetBool(&S::get_ProMode, value); }
HRESULT CDeviceSettings::put_ProMode(int value) { return PutBool(&S::put_ProMode, value); }
HRESULT CDeviceSettings::get_DisplayAreaMapping(int area, int& value) {
  LONG number = 0;
  const HRESULT hr = m_settings->get_DisplayAreaMapping(area, &number);
  return KeepOnSuccess(hr, number, value);
}
HRESULT CDeviceSettings::put_DisplayAreaMapping(int area, int value) { return m_settings->put_DisplayAreaMapping(area, value); }
HRESULT CDeviceSettings::get_SmartButtonConfiguration(int button, int state, int& value) {
  LONG number = 0;
  const HRESULT hr = m_settings->get_SmartButtonConfiguration(button, state, &number);
  return KeepOnSuccess(hr, number, value);
}
HRESULT CDeviceSettings::put_SmartButtonConfiguration(int button, int state, int value) { return m_settings->put_SmartButtonConfiguration(button, state, value); }
HRESULT CDeviceSettings::get_PlusButtonEnabled(int& value) { return GetBool(&S::get_PlusButtonEnabled, value); }
HRESULT CDeviceSettings::put_PlusButtonEnabled(int value) { return PutBool(&S::put_PlusButtonEnabled, value); }
HRESULT CDeviceSettings::get_MinusButtonEnabled(int& value) { return GetBool(&S::get_MinusButtonEnabled, value); }
HRESULT CDeviceSettings::put_MinusButtonEnabled(int value) { return PutBool(&S::put_MinusButtonEnabled, value); }
HRESULT CDeviceSettings::get_RecordingProfile(int profile, IDPMRecordingProfile** value) { return m_settings->get_RecordingProfile(profile, value); }
