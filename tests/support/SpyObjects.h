// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spy implementations of the whole device contract. Each records its calls in the shared log
// (see SpyObject.h for the form) and answers what the test scripted.
#include <memory>

#include "device/IDPMCapabilities.h"
#include "device/IDPMControl.h"
#include "device/IDPMDevice.h"
#include "device/IDPMDeviceSettings.h"
#include "device/IDPMFileInfo.h"
#include "device/IDPMFileList.h"
#include "device/IDPMRecordingProfile.h"
#include "device/SettingSchema.h"
#include "platform/automation/ComPtr.h"
#include "platform/automation/ConnectionPointImpl.h"
#include "tests/support/SpyObject.h"

// A reserved slot a caller must never use: logged, and refused.
#define SPY_RESERVED(name) \
  HRESULT name() override { m_rec.In(#name, {}); return E_NOTIMPL; }

class SpyRecordingProfile final : public SpyObject<IDPMRecordingProfile> {
 public:
  explicit SpyRecordingProfile(std::shared_ptr<SpyState> state) : SpyObject(std::move(state), "profile") {}
  SPY_PROP(AudioQuality, LONG)
  SPY_PROP(ProfileMicSensitivity, LONG)
  SPY_PROP1(MicrophoneDirection, LONG)
};

// Every scalar setting of the schema; an indexed one logs its index like any indexed property.
#define SPY_SCALAR(name, kind, ...) SPY_SCALAR_##kind(name)
#define SPY_SCALAR_Text(name) SPY_PROP(name, BSTR)
#define SPY_SCALAR_Flag(name) SPY_PROP(name, VARIANT_BOOL)
#define SPY_SCALAR_Number(name) SPY_PROP(name, LONG)
#define SPY_SCALAR_IndexedNumber(name) SPY_PROP1(name, LONG)

class SpyDeviceSettings final : public SpyObject<IDPMDeviceSettings> {
 public:
  explicit SpyDeviceSettings(std::shared_ptr<SpyState> state) : SpyObject(std::move(state), "settings") {}
  DPM_SCALAR_SETTINGS(SPY_SCALAR)
  SPY_GET(get_MACAddress, BSTR)
  SPY_GET(get_FirmwareVersion, BSTR)
  SPY_GET(get_KeywordUsageCount, LONG)
  SPY_PROP1(KeywordUsageString, BSTR)
  SPY_GET(get_KeywordContentCount, LONG)
  SPY_PROP2(KeywordContentString, BSTR)
  SPY_PROP1(KeywordBarcodeScan, VARIANT_BOOL)
  SPY_PROP1(KeywordVoiceCommand, VARIANT_BOOL)
  SPY_PROP1(KeywordMandatory, VARIANT_BOOL)
  SPY_RESERVED(Reserved1)
  SPY_RESERVED(Reserved2)
  SPY_RESERVED(Reserved3)
  SPY_RESERVED(Reserved4)
  SPY_RESERVED(Reserved5)
  SPY_RESERVED(Reserved6)
  SPY_RESERVED(Reserved7)
  SPY_RESERVED(Reserved8)
  SPY_RESERVED(Reserved9)
  SPY_RESERVED(Reserved10)
  SPY_RESERVED(Reserved11)
  SPY_RESERVED(Reserved12)
  SPY_RESERVED(Reserved13)
  SPY_RESERVED(Reserved14)
  SPY_RESERVED(Reserved15)
  SPY_RESERVED(Reserved16)
  SPY_RESERVED(Reserved17)
  SPY_RESERVED(Reserved18)
  SPY_RESERVED(Reserved19)
  SPY_RESERVED(Reserved20)
  SPY_RESERVED(Reserved21)
  SPY_RESERVED(Reserved22)
  SPY_RESERVED(Reserved23)
  SPY_PROP1(DisplayAreaMapping, LONG)
  SPY_RESERVED(Reserved24)
  SPY_RESERVED(Reserved25)
  SPY_RESERVED(Reserved26)
  SPY_RESERVED(Reserved27)
  SPY_PROP2(SmartButtonConfiguration, LONG)
  SPY_RESERVED(Reserved28)
  SPY_RESERVED(Reserved29)
  SPY_RESERVED(Reserved30)
  SPY_RESERVED(Reserved31)
  HRESULT get_RecordingProfile(LONG profile, IDPMRecordingProfile** value) override;
};

class SpyCapabilities final : public SpyObject<IDPMCapabilities> {
 public:
  explicit SpyCapabilities(std::shared_ptr<SpyState> state) : SpyObject(std::move(state), "capabilities") {}
  SPY_GET(get_VendorId, LONG)
  SPY_GET(get_ProductId, LONG)
  SPY_GET(get_Name, BSTR)
  SPY_GET(get_DisplayModes, LONG)
  SPY_GET(get_KeywordUsage, LONG)
  SPY_GET(get_KeywordContent, LONG)
  SPY_GET(get_Instruction, VARIANT_BOOL)
  SPY_GET(get_Priority, VARIANT_BOOL)
  SPY_GET(get_KeywordsReadOnly, VARIANT_BOOL)
  SPY_GET(get_RequiredInputType, VARIANT_BOOL)
  SPY_GET(get_UserStringMax, LONG)
  SPY_GET(get_LinkKeywords, VARIANT_BOOL)
  SPY_GET(get_ScanKeywordsFromBarcode, VARIANT_BOOL)
  SPY_GET(get_KeywordBarcodeScan, VARIANT_BOOL)
  SPY_GET(get_KeywordVoiceCommand, VARIANT_BOOL)
  SPY_GET(get_KeywordMandatory, VARIANT_BOOL)
  SPY_GET1(get_MaxKeywordVoiceCommands, LONG)
  SPY_GET(get_SetBarcodeScanButton, VARIANT_BOOL)
  SPY_GET(get_QualityPlay, VARIANT_BOOL)
  SPY_GET(get_BarcodeEvent, VARIANT_BOOL)
  SPY_GET(get_FunctionKey, VARIANT_BOOL)
  SPY_GET(get_Encryption, VARIANT_BOOL)
  SPY_GET(get_Security, VARIANT_BOOL)
  SPY_GET(get_ProhibitFileAlteration, VARIANT_BOOL)
  SPY_GET(get_FourPosSwitch, VARIANT_BOOL)
};

class SpyFileInfo final : public SpyObject<IDPMFileInfo> {
 public:
  explicit SpyFileInfo(std::shared_ptr<SpyState> state) : SpyObject(std::move(state), "fileinfo") {}
  SPY_GET(get_FileName, BSTR)
  SPY_GET(get_FileType, LONG)
  SPY_GET(get_LastModifiedDate, BSTR)
  SPY_GET(get_LastModifiedTime, BSTR)
  SPY_GET(get_JobNumber, LONG)
  SPY_GET(get_RecordingStartDate, BSTR)
  SPY_GET(get_RecordingStartTime, BSTR)
  SPY_GET(get_RecordingEndDate, BSTR)
  SPY_GET(get_RecordingEndTime, BSTR)
  SPY_GET(get_DictationLength, LONG)
  SPY_PROP(Author, BSTR)
  SPY_PROP(Priority, LONG)
  SPY_GET(get_ProductId, LONG)
  SPY_GET(get_MACAddress, BSTR)
  SPY_GET(get_FirmwareVersion, BSTR)
  SPY_GET(get_CompressionMode, LONG)
  SPY_GET(get_DownloadDate, BSTR)
  SPY_GET(get_DownloadTime, BSTR)
  SPY_GET(get_BarcodeString, BSTR)
  SPY_GET(get_KeywordUsageCount, LONG)
  SPY_PROP1(KeywordUsageString, BSTR)
  SPY_GET(get_KeywordContentCount, LONG)
  SPY_PROP1(KeywordContentString, BSTR)
  SPY_GET(get_InstructionFileExists, VARIANT_BOOL)
  SPY_GET(get_InstructionLength, LONG)
  SPY_PROP(EOL, VARIANT_BOOL)
  SPY_PROP1(UserString, BSTR)
  SPY_GET(get_UserStringCount, LONG)
  SPY_GET(get_InstructionFileName, BSTR)
  SPY_PUT(put_DownloadDate, BSTR)
  SPY_PUT(put_DownloadTime, BSTR)
  SPY_GET(get_SpokenInstructionList, VARIANT)
  SPY_GET(get_IsEncrypted, VARIANT_BOOL)
};

class SpyFileList final : public SpyObject<IDPMFileList> {
 public:
  explicit SpyFileList(std::shared_ptr<SpyState> state) : SpyObject(std::move(state), "filelist") {}
  SPY_PUT(put_Folder, BSTR)
  SPY_GET(get_Count, LONG)
  SPY_GET1(get_Item, BSTR)
  SPY_VERB(Refresh)
};

class SpyDevice final : public SpyObject<IDPMDevice> {
 public:
  explicit SpyDevice(std::shared_ptr<SpyState> state) : SpyObject(std::move(state), "device") {}
  HRESULT GetDeviceSettings(IDPMDeviceSettings** settings) override;
  HRESULT SetDeviceSettings(IDPMDeviceSettings* settings) override;
  HRESULT GetCapabilities(IDPMCapabilities** capabilities) override;
  SPY_GET(GetDeviceType, LONG)
  SPY_VERB(SynchronizeDateTime)
  SPY_VERB(FormatCard)
  SPY_GET(GetFreeDiskSpace, LONG)
  SPY_GET(GetFirmwareVersion, BSTR)
  SPY_GET(GetMACAddress, BSTR)
  SPY_GET(GetDriveLetter, BSTR)
  SPY_GET(get_FileCount, LONG)
  SPY_PUT(PutWelcomeScreen, BSTR)
  SPY_PUT(DisplayScreen, BSTR)
  HRESULT SetLED(LONG led, LONG state) override { return m_rec.In("SetLED", {SpyArg(led), SpyArg(state)}); }
  SPY_GET(GetLastButtonEvent, LONG)
  SPY_GET(GetOEMString, BSTR)
  SPY_GET(GetBuildNumber, LONG)
  SPY_GET(GetPUKSet, VARIANT_BOOL)
  SPY_PUT(SetPUK, BSTR)
  HRESULT SetPIN(BSTR puk, BSTR pin) override { return m_rec.In("SetPIN", {SpyArg(puk), SpyArg(pin)}); }
  HRESULT SetEncryptionPassword(BSTR oldKey, BSTR password) override {
    return m_rec.In("SetEncryptionPassword", {SpyArg(oldKey), SpyArg(password)});
  }
  SPY_PUT(DeleteDeviceFile, BSTR)
  // Scripted under "GetBarcodeKeyboardLayout" (the layout), ".prefix" and ".postfix" (pair lists).
  HRESULT GetBarcodeKeyboardLayout(LONG* layout, VARIANT* prefix, VARIANT* postfix) override;
  HRESULT SetBarcodeKeyboardLayout(LONG layout, VARIANT* prefix, VARIANT* postfix) override {
    return m_rec.In("SetBarcodeKeyboardLayout", {SpyArg(layout), SpyArg(prefix), SpyArg(postfix)});
  }
};

class SpyControl final : public SpyObject<IDPMControl>, public IConnectionPointContainer {
 public:
  explicit SpyControl(std::shared_ptr<SpyState> state);
  ~SpyControl() override;

  HRESULT QueryInterface(REFIID iid, void** out) override;
  ULONG AddRef() override { return SpyObject::AddRef(); }
  ULONG Release() override { return SpyObject::Release(); }
  HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

  HRESULT Initialize(LONG flags) override { return m_rec.In("Initialize", {SpyArg(flags)}); }
  SPY_VERB(Deinitialize)
  SPY_GET(get_DeviceStatus, LONG)
  SPY_GET(get_BarcodeScannerStatus, LONG)
  HRESULT GetDevice(LONG index, IDPMDevice** device) override;
  HRESULT ImportSettings(BSTR path, IDPMDeviceSettings** settings) override;
  HRESULT ExportSettings(BSTR path, IDPMDeviceSettings* settings) override;
  HRESULT Copy(BSTR source, BSTR destination, VARIANT_BOOL delayed) override {
    return m_rec.In("Copy", {SpyArg(source), SpyArg(destination), SpyArg(delayed)});
  }
  HRESULT Move(BSTR source, BSTR destination, VARIANT_BOOL delayed) override {
    return m_rec.In("Move", {SpyArg(source), SpyArg(destination), SpyArg(delayed)});
  }
  HRESULT Delete(BSTR source, VARIANT_BOOL delayed) override {
    return m_rec.In("Delete", {SpyArg(source), SpyArg(delayed)});
  }
  HRESULT Convert(BSTR source, BSTR destination, LONG format, VARIANT_BOOL delayed) override {
    return m_rec.In("Convert", {SpyArg(source), SpyArg(destination), SpyArg(format), SpyArg(delayed)});
  }
  HRESULT Decrypt(BSTR source, BSTR destination, LONG format, VARIANT_BOOL delayed, BSTR password) override {
    return m_rec.In("Decrypt", {SpyArg(source), SpyArg(destination), SpyArg(format), SpyArg(delayed),
                                SpyArg(password)});
  }
  HRESULT SeparateSpokenInstructions(BSTR source, BSTR destination, VARIANT_BOOL isDictation,
                                     VARIANT_BOOL isInstruction, VARIANT_BOOL delayed) override {
    return m_rec.In("SeparateSpokenInstructions", {SpyArg(source), SpyArg(destination), SpyArg(isDictation),
                                                   SpyArg(isInstruction), SpyArg(delayed)});
  }
  HRESULT NewFile(BSTR path, BSTR password, LONG recordingMode) override {
    return m_rec.In("NewFile", {SpyArg(path), SpyArg(password), SpyArg(recordingMode)});
  }
  HRESULT put_CustomFormat(VARIANT* format) override { return m_rec.In("put_CustomFormat", {SpyArg(format)}); }
  SPY_VERB(StartDelayedTasks)
  HRESULT CancelTasks(HRESULT reason) override { return m_rec.In("CancelTasks", {SpyArg(reason)}); }
  HRESULT get_IDPMFileInfo(BSTR path, IDPMFileInfo** info) override;
  HRESULT get_FileList(IDPMFileList** list) override;

  // The sinks advised on the event connection point, one reference each.
  std::vector<ComPtr<IDispatch>> Sinks() const;

 private:
  ComPtr<ConnectionPointImpl> m_events;
};
