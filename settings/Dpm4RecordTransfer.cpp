// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Dpm4RecordTransfer.h"

namespace {

// `value` by reference: it is read after the call that fills it.
void ReadInto(HRESULT hr, const LONG& value, LONG& field) {
  if (SUCCEEDED(hr)) field = value;
}

}  // namespace

bool Dpm4RecordTransfer::FetchProfile(int profile) {
  return SUCCEEDED(m_settings.get_RecordingProfile(profile, m_profile.ReleaseAndGetAddressOf())) && m_profile;
}

void Dpm4RecordTransfer::Read(SmartButtonSetup& record) {
  for (int button = 0; button < kDpmSmartButtons; ++button)
    for (int state = 0; state < kDpmRecorderStates; ++state)
      m_settings.get_SmartButtonConfiguration(button, state, record.buttonFunction[button][state]);
  for (int area = 1; area <= kDpmDisplayAreas; ++area) m_settings.get_DisplayAreaMapping(area, record.displayArea[area - 1]);
  for (int p = 0; p < kDpmRecordingProfiles; ++p) {
    if (!FetchProfile(p)) continue;
    RecordingProfileSetup& profile = record.profile[p];
    LONG value = 0;
    ReadInto(m_profile->get_MicrophoneDirection(dpmPositionDesktop, &value), value, profile.micDirection[0]);
    ReadInto(m_profile->get_MicrophoneDirection(dpmPositionHandHeld, &value), value, profile.micDirection[1]);
    ReadInto(m_profile->get_ProfileMicSensitivity(&value), value, profile.micSensitivity);
    ReadInto(m_profile->get_AudioQuality(&value), value, profile.audioQuality);
  }
}

void Dpm4RecordTransfer::Write(const SmartButtonSetup& record, const std::function<void(HRESULT)>& smartButtonWritten) {
  for (int button = 0; button < kDpmSmartButtons; ++button)
    for (int state = 0; state < kDpmRecorderStates; ++state) {
      const HRESULT hr = m_settings.put_SmartButtonConfiguration(button, state, record.buttonFunction[button][state]);
      if (smartButtonWritten) smartButtonWritten(hr);
    }
  for (int area = 1; area <= kDpmDisplayAreas; ++area) m_settings.put_DisplayAreaMapping(area, record.displayArea[area - 1]);
  for (int p = 0; p < kDpmRecordingProfiles; ++p) {
    if (!FetchProfile(p)) continue;
    const RecordingProfileSetup& profile = record.profile[p];
    m_profile->put_MicrophoneDirection(dpmPositionDesktop, profile.micDirection[0]);
    m_profile->put_MicrophoneDirection(dpmPositionHandHeld, profile.micDirection[1]);
    m_profile->put_ProfileMicSensitivity(profile.micSensitivity);
    m_profile->put_AudioQuality(profile.audioQuality);
  }
}
