#pragma once
// IDPMDeviceSettings: a detached copy of one recorder's settings. Every put_ goes through
// SettingsEditor (capability, value, keyword rules, then the change); nothing reaches a recorder until
// IDPMDevice::SetDeviceSettings commits the object. Reads of a setting the model lacks give its
// neutral value. get_RecordingProfile is dpmCtrlNotSupported on models without DPM4 profiles.
#include <memory>

#include "component/objects/DualInterface.h"
#include "component/objects/SettingsData.h"
#include "component/settings/SettingsEditor.h"
#include "device/IDPMDeviceSettings.h"
#include "platform/automation/ComObject.h"

class DPMDeviceSettings
    : public ComObject<DPMDeviceSettings, DualInterface<IDPMDeviceSettings>, IRecorderSettingsData> {
 public:
  DPMDeviceSettings(std::atomic<long>* moduleObjects, std::shared_ptr<SettingsHolder> holder)
      : ComObject(moduleObjects), m_moduleObjects(moduleObjects), m_holder(std::move(holder)) {}

  std::shared_ptr<SettingsHolder> Holder() override { return m_holder; }

  HRESULT get_FileNamePrefixString(BSTR* value) override { return GetText(Setting::FileNamePrefixString, value); }
  HRESULT put_FileNamePrefixString(BSTR value) override { return PutText(Setting::FileNamePrefixString, value); }
  HRESULT get_FileNamePrefixType(LONG* value) override { return GetNumber(Setting::FileNamePrefixType, value); }
  HRESULT put_FileNamePrefixType(LONG value) override { return PutNumber(Setting::FileNamePrefixType, value); }
  HRESULT get_FileCounter(LONG* value) override { return GetNumber(Setting::FileCounter, value); }
  HRESULT put_FileCounter(LONG value) override { return PutNumber(Setting::FileCounter, value); }
  HRESULT get_DLSButtonEnabled(VARIANT_BOOL* value) override { return GetFlag(Setting::DLSButtonEnabled, value); }
  HRESULT put_DLSButtonEnabled(VARIANT_BOOL value) override { return PutFlag(Setting::DLSButtonEnabled, value); }
  HRESULT get_DateTimeFormat(LONG* value) override { return GetNumber(Setting::DateTimeFormat, value); }
  HRESULT put_DateTimeFormat(LONG value) override { return PutNumber(Setting::DateTimeFormat, value); }
  HRESULT get_DeviceBeep(VARIANT_BOOL* value) override { return GetFlag(Setting::DeviceBeep, value); }
  HRESULT put_DeviceBeep(VARIANT_BOOL value) override { return PutFlag(Setting::DeviceBeep, value); }
  HRESULT get_RecordingMode(LONG* value) override { return GetNumber(Setting::RecordingMode, value); }
  HRESULT put_RecordingMode(LONG value) override { return PutNumber(Setting::RecordingMode, value); }
  HRESULT get_VoiceActivation(VARIANT_BOOL* value) override { return GetFlag(Setting::VoiceActivation, value); }
  HRESULT put_VoiceActivation(VARIANT_BOOL value) override { return PutFlag(Setting::VoiceActivation, value); }
  HRESULT get_ProtectDevice(VARIANT_BOOL* value) override { return GetFlag(Setting::ProtectDevice, value); }
  HRESULT put_ProtectDevice(VARIANT_BOOL value) override { return PutFlag(Setting::ProtectDevice, value); }
  HRESULT get_MACAddress(BSTR* value) override;
  HRESULT get_FirmwareVersion(BSTR* value) override;
  HRESULT get_Appearance(LONG* value) override { return GetNumber(Setting::Appearance, value); }
  HRESULT put_Appearance(LONG value) override { return PutNumber(Setting::Appearance, value); }
  HRESULT get_KeywordUsageCount(LONG* count) override;
  HRESULT get_KeywordUsageString(LONG keyword, BSTR* name) override;
  HRESULT put_KeywordUsageString(LONG keyword, BSTR name) override;
  HRESULT get_KeywordContentCount(LONG* rows) override;
  HRESULT get_KeywordContentString(LONG keyword, LONG row, BSTR* value) override;
  HRESULT put_KeywordContentString(LONG keyword, LONG row, BSTR value) override;
  HRESULT get_DownloadMode(LONG* value) override { return GetNumber(Setting::DownloadMode, value); }
  HRESULT put_DownloadMode(LONG value) override { return PutNumber(Setting::DownloadMode, value); }
  HRESULT get_DownloadFilter(LONG* value) override { return GetNumber(Setting::DownloadFilter, value); }
  HRESULT put_DownloadFilter(LONG value) override { return PutNumber(Setting::DownloadFilter, value); }
  HRESULT get_Keyword1String(BSTR* value) override { return GetText(Setting::Keyword1String, value); }
  HRESULT put_Keyword1String(BSTR value) override { return PutText(Setting::Keyword1String, value); }
  HRESULT get_DeleteFilesAfterDownload(VARIANT_BOOL* value) override { return GetFlag(Setting::DeleteFilesAfterDownload, value); }
  HRESULT put_DeleteFilesAfterDownload(VARIANT_BOOL value) override { return PutFlag(Setting::DeleteFilesAfterDownload, value); }
  HRESULT get_MicrophoneSensitivity(LONG* value) override { return GetNumber(Setting::MicrophoneSensitivity, value); }
  HRESULT put_MicrophoneSensitivity(LONG value) override { return PutNumber(Setting::MicrophoneSensitivity, value); }
  HRESULT get_FileCounterSource(LONG* value) override { return GetNumber(Setting::FileCounterSource, value); }
  HRESULT put_FileCounterSource(LONG value) override { return PutNumber(Setting::FileCounterSource, value); }
  HRESULT get_RequiredInputType(LONG* value) override { return GetNumber(Setting::RequiredInputType, value); }
  HRESULT put_RequiredInputType(LONG value) override { return PutNumber(Setting::RequiredInputType, value); }
  HRESULT get_TotalTimeType(LONG* value) override { return GetNumber(Setting::TotalTimeType, value); }
  HRESULT put_TotalTimeType(LONG value) override { return PutNumber(Setting::TotalTimeType, value); }
  HRESULT get_UserStringCount(LONG* value) override { return GetNumber(Setting::UserStringCount, value); }
  HRESULT put_UserStringCount(LONG value) override { return PutNumber(Setting::UserStringCount, value); }
  HRESULT get_DELButtonEnabled(VARIANT_BOOL* value) override { return GetFlag(Setting::DELButtonEnabled, value); }
  HRESULT put_DELButtonEnabled(VARIANT_BOOL value) override { return PutFlag(Setting::DELButtonEnabled, value); }
  HRESULT get_InsertButtonEnabled(VARIANT_BOOL* value) override { return GetFlag(Setting::InsertButtonEnabled, value); }
  HRESULT put_InsertButtonEnabled(VARIANT_BOOL value) override { return PutFlag(Setting::InsertButtonEnabled, value); }
  HRESULT get_EOLButtonEnabled(VARIANT_BOOL* value) override { return GetFlag(Setting::EOLButtonEnabled, value); }
  HRESULT put_EOLButtonEnabled(VARIANT_BOOL value) override { return PutFlag(Setting::EOLButtonEnabled, value); }
  HRESULT get_LinkKeywords(VARIANT_BOOL* value) override { return GetFlag(Setting::LinkKeywords, value); }
  HRESULT put_LinkKeywords(VARIANT_BOOL value) override { return PutFlag(Setting::LinkKeywords, value); }
  HRESULT get_ScanKeywordsFromBarcode(VARIANT_BOOL* value) override { return GetFlag(Setting::ScanKeywordsFromBarcode, value); }
  HRESULT put_ScanKeywordsFromBarcode(VARIANT_BOOL value) override { return PutFlag(Setting::ScanKeywordsFromBarcode, value); }
  HRESULT get_BarcodeScanButton(LONG* value) override { return GetNumber(Setting::BarcodeScanButton, value); }
  HRESULT put_BarcodeScanButton(LONG value) override { return PutNumber(Setting::BarcodeScanButton, value); }
  HRESULT get_OneFile(VARIANT_BOOL* value) override { return GetFlag(Setting::OneFile, value); }
  HRESULT put_OneFile(VARIANT_BOOL value) override { return PutFlag(Setting::OneFile, value); }
  HRESULT get_RecordNotify(VARIANT_BOOL* value) override { return GetFlag(Setting::RecordNotify, value); }
  HRESULT put_RecordNotify(VARIANT_BOOL value) override { return PutFlag(Setting::RecordNotify, value); }
  HRESULT get_KeywordBarcodeScan(LONG keyword, VARIANT_BOOL* value) override;
  HRESULT put_KeywordBarcodeScan(LONG keyword, VARIANT_BOOL value) override;
  HRESULT get_KeywordVoiceCommand(LONG keyword, VARIANT_BOOL* value) override;
  HRESULT put_KeywordVoiceCommand(LONG keyword, VARIANT_BOOL value) override;
  HRESULT get_KeywordMandatory(LONG keyword, VARIANT_BOOL* value) override;
  HRESULT put_KeywordMandatory(LONG keyword, VARIANT_BOOL value) override;
  HRESULT get_VoiceCommandType(LONG index, LONG* value) override;
  HRESULT put_VoiceCommandType(LONG index, LONG value) override;
  HRESULT Reserved1() override { return E_NOTIMPL; }
  HRESULT Reserved2() override { return E_NOTIMPL; }
  HRESULT Reserved3() override { return E_NOTIMPL; }
  HRESULT get_OS(LONG* value) override { return GetNumber(Setting::OS, value); }
  HRESULT put_OS(LONG value) override { return PutNumber(Setting::OS, value); }
  HRESULT get_BarcodeMode(LONG* value) override { return GetNumber(Setting::BarcodeMode, value); }
  HRESULT put_BarcodeMode(LONG value) override { return PutNumber(Setting::BarcodeMode, value); }
  HRESULT get_FunctionKey(LONG* value) override { return GetNumber(Setting::FunctionKey, value); }
  HRESULT put_FunctionKey(LONG value) override { return PutNumber(Setting::FunctionKey, value); }
  HRESULT get_NoiseReduction(VARIANT_BOOL* value) override { return GetFlag(Setting::NoiseReduction, value); }
  HRESULT put_NoiseReduction(VARIANT_BOOL value) override { return PutFlag(Setting::NoiseReduction, value); }
  HRESULT get_FourPosSwitch(LONG* value) override { return GetNumber(Setting::FourPosSwitch, value); }
  HRESULT put_FourPosSwitch(LONG value) override { return PutNumber(Setting::FourPosSwitch, value); }
  HRESULT get_RecordLevelInd(VARIANT_BOOL* value) override { return GetFlag(Setting::RecordLevelInd, value); }
  HRESULT put_RecordLevelInd(VARIANT_BOOL value) override { return PutFlag(Setting::RecordLevelInd, value); }
  HRESULT get_ProhibitFileAlteration(VARIANT_BOOL* value) override { return GetFlag(Setting::ProhibitFileAlteration, value); }
  HRESULT put_ProhibitFileAlteration(VARIANT_BOOL value) override { return PutFlag(Setting::ProhibitFileAlteration, value); }
  HRESULT get_ProMode(VARIANT_BOOL* value) override { return GetFlag(Setting::ProMode, value); }
  HRESULT put_ProMode(VARIANT_BOOL value) override { return PutFlag(Setting::ProMode, value); }
  HRESULT Reserved4() override { return E_NOTIMPL; }
  HRESULT Reserved5() override { return E_NOTIMPL; }
  HRESULT Reserved6() override { return E_NOTIMPL; }
  HRESULT Reserved7() override { return E_NOTIMPL; }
  HRESULT Reserved8() override { return E_NOTIMPL; }
  HRESULT Reserved9() override { return E_NOTIMPL; }
  HRESULT Reserved10() override { return E_NOTIMPL; }
  HRESULT Reserved11() override { return E_NOTIMPL; }
  HRESULT Reserved12() override { return E_NOTIMPL; }
  HRESULT Reserved13() override { return E_NOTIMPL; }
  HRESULT Reserved14() override { return E_NOTIMPL; }
  HRESULT Reserved15() override { return E_NOTIMPL; }
  HRESULT Reserved16() override { return E_NOTIMPL; }
  HRESULT Reserved17() override { return E_NOTIMPL; }
  HRESULT Reserved18() override { return E_NOTIMPL; }
  HRESULT Reserved19() override { return E_NOTIMPL; }
  HRESULT Reserved20() override { return E_NOTIMPL; }
  HRESULT Reserved21() override { return E_NOTIMPL; }
  HRESULT Reserved22() override { return E_NOTIMPL; }
  HRESULT Reserved23() override { return E_NOTIMPL; }
  HRESULT get_DisplayAreaMapping(LONG area, LONG* value) override;
  HRESULT put_DisplayAreaMapping(LONG area, LONG value) override;
  HRESULT Reserved24() override { return E_NOTIMPL; }
  HRESULT Reserved25() override { return E_NOTIMPL; }
  HRESULT Reserved26() override { return E_NOTIMPL; }
  HRESULT Reserved27() override { return E_NOTIMPL; }
  HRESULT get_SmartButtonConfiguration(LONG button, LONG state, LONG* function) override;
  HRESULT put_SmartButtonConfiguration(LONG button, LONG state, LONG function) override;
  HRESULT Reserved28() override { return E_NOTIMPL; }
  HRESULT Reserved29() override { return E_NOTIMPL; }
  HRESULT get_PlusButtonEnabled(VARIANT_BOOL* value) override { return GetFlag(Setting::PlusButtonEnabled, value); }
  HRESULT put_PlusButtonEnabled(VARIANT_BOOL value) override { return PutFlag(Setting::PlusButtonEnabled, value); }
  HRESULT get_MinusButtonEnabled(VARIANT_BOOL* value) override { return GetFlag(Setting::MinusButtonEnabled, value); }
  HRESULT put_MinusButtonEnabled(VARIANT_BOOL value) override { return PutFlag(Setting::MinusButtonEnabled, value); }
  HRESULT Reserved30() override { return E_NOTIMPL; }
  HRESULT Reserved31() override { return E_NOTIMPL; }
  HRESULT get_RecordingProfile(LONG profile, IDPMRecordingProfile** value) override;

 private:
  HRESULT GetNumber(Setting s, LONG* value) const;
  HRESULT PutNumber(Setting s, LONG value);
  HRESULT GetFlag(Setting s, VARIANT_BOOL* value) const;
  HRESULT PutFlag(Setting s, VARIANT_BOOL value);
  HRESULT GetText(Setting s, BSTR* value) const;
  HRESULT PutText(Setting s, BSTR value);
  SettingsEditor Editor() const { return SettingsEditor(*m_holder->model, m_holder->settings); }

  std::atomic<long>* m_moduleObjects;
  std::shared_ptr<SettingsHolder> m_holder;
};
