// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// IDPMRecordingProfile: one DPM4 recording profile of a settings object; edits change that object.
#include <memory>

#include "component/objects/DualInterface.h"
#include "component/objects/SettingsData.h"
#include "device/IDPMRecordingProfile.h"
#include "platform/automation/ComObject.h"

class DPMRecordingProfile : public ComObject<DPMRecordingProfile, DualInterface<IDPMRecordingProfile>> {
 public:
  DPMRecordingProfile(std::atomic<long>* moduleObjects, std::shared_ptr<SettingsHolder> holder, LONG index)
      : ComObject(moduleObjects), m_holder(std::move(holder)), m_index(index) {}

  HRESULT get_AudioQuality(LONG* value) override;
  HRESULT put_AudioQuality(LONG value) override;
  HRESULT get_ProfileMicSensitivity(LONG* value) override;
  HRESULT put_ProfileMicSensitivity(LONG value) override;
  HRESULT get_MicrophoneDirection(LONG position, LONG* value) override;
  HRESULT put_MicrophoneDirection(LONG position, LONG value) override;

 private:
  const RecordingProfileEntry& Entry() const { return m_holder->settings.dpm4.profiles[static_cast<size_t>(m_index)]; }

  std::shared_ptr<SettingsHolder> m_holder;
  LONG m_index;
};
