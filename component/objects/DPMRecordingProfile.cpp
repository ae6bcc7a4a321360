// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/objects/DPMRecordingProfile.h"

#include "component/models/ValueCodes.h"
#include "component/settings/SettingsEditor.h"

HRESULT DPMRecordingProfile::get_AudioQuality(LONG* value) {
  if (!value) return E_POINTER;
  *value = Entry().audioQuality;
  return S_OK;
}

HRESULT DPMRecordingProfile::put_AudioQuality(LONG value) {
  return SettingsEditor(*m_holder->model, m_holder->settings).PutProfileAudioQuality(m_index, value);
}

HRESULT DPMRecordingProfile::get_ProfileMicSensitivity(LONG* value) {
  if (!value) return E_POINTER;
  *value = Entry().micSensitivity;
  return S_OK;
}

HRESULT DPMRecordingProfile::put_ProfileMicSensitivity(LONG value) {
  return SettingsEditor(*m_holder->model, m_holder->settings).PutProfileMicSensitivity(m_index, value);
}

HRESULT DPMRecordingProfile::get_MicrophoneDirection(LONG position, LONG* value) {
  if (!value) return E_POINTER;
  if (!DevicePositionValid(position)) return E_INVALIDARG;
  *value = Entry().micDirection[static_cast<size_t>(position)];
  return S_OK;
}

HRESULT DPMRecordingProfile::put_MicrophoneDirection(LONG position, LONG value) {
  return SettingsEditor(*m_holder->model, m_holder->settings).PutProfileMicDirection(m_index, position, value);
}
