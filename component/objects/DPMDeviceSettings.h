// SPDX-License-Identifier: GPL-3.0-or-later
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

  // Every scalar setting of the schema, its accessors generated from its kind.
#define DPM_SCALAR_ACCESSORS(name, kind, ...) DPM_SCALAR_ACCESSORS_##kind(name)
#define DPM_SCALAR_ACCESSORS_Text(name) DPM_SCALAR_PROPERTY(name, BSTR, Text)
#define DPM_SCALAR_ACCESSORS_Flag(name) DPM_SCALAR_PROPERTY(name, VARIANT_BOOL, Flag)
#define DPM_SCALAR_ACCESSORS_Number(name) DPM_SCALAR_PROPERTY(name, LONG, Number)
#define DPM_SCALAR_PROPERTY(name, T, how)                                                 \
  HRESULT get_##name(T* value) override { return Get##how(Setting::name, value); }     \
  HRESULT put_##name(T value) override { return Put##how(Setting::name, value); }
#define DPM_SCALAR_ACCESSORS_IndexedNumber(name)                                                       \
  HRESULT get_##name(LONG index, LONG* value) override { return GetNumberAt(Setting::name, index, value); } \
  HRESULT put_##name(LONG index, LONG value) override { return PutNumberAt(Setting::name, index, value); }
  DPM_SCALAR_SETTINGS(DPM_SCALAR_ACCESSORS)
#undef DPM_SCALAR_ACCESSORS
#undef DPM_SCALAR_ACCESSORS_Text
#undef DPM_SCALAR_ACCESSORS_Flag
#undef DPM_SCALAR_ACCESSORS_Number
#undef DPM_SCALAR_ACCESSORS_IndexedNumber
#undef DPM_SCALAR_PROPERTY

  HRESULT get_MACAddress(BSTR* value) override;
  HRESULT get_FirmwareVersion(BSTR* value) override;
  HRESULT get_KeywordUsageCount(LONG* count) override;
  HRESULT get_KeywordUsageString(LONG keyword, BSTR* name) override;
  HRESULT put_KeywordUsageString(LONG keyword, BSTR name) override;
  HRESULT get_KeywordContentCount(LONG* rows) override;
  HRESULT get_KeywordContentString(LONG keyword, LONG row, BSTR* value) override;
  HRESULT put_KeywordContentString(LONG keyword, LONG row, BSTR value) override;
  HRESULT get_KeywordBarcodeScan(LONG keyword, VARIANT_BOOL* value) override;
  HRESULT put_KeywordBarcodeScan(LONG keyword, VARIANT_BOOL value) override;
  HRESULT get_KeywordVoiceCommand(LONG keyword, VARIANT_BOOL* value) override;
  HRESULT put_KeywordVoiceCommand(LONG keyword, VARIANT_BOOL value) override;
  HRESULT get_KeywordMandatory(LONG keyword, VARIANT_BOOL* value) override;
  HRESULT put_KeywordMandatory(LONG keyword, VARIANT_BOOL value) override;
  HRESULT Reserved1() override { return E_NOTIMPL; }
  HRESULT Reserved2() override { return E_NOTIMPL; }
  HRESULT Reserved3() override { return E_NOTIMPL; }
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
  HRESULT GetNumberAt(Setting s, LONG index, LONG* value) const;
  HRESULT PutNumberAt(Setting s, LONG index, LONG value);
  SettingsEditor Editor() const { return SettingsEditor(*m_holder->model, m_holder->settings); }

  std::atomic<long>* m_moduleObjects;
  std::shared_ptr<SettingsHolder> m_holder;
};
