// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One of the four DPM4 recording profiles of a settings object; edits change that settings object.
#include "device/DpmIds.h"
#include "platform/automation/Unknown.h"

struct IDPMRecordingProfile : IDispatch {
  static constexpr IID kIid = IID_IDPMRecordingProfile;

  // 0 Standard Play, 6 Quality Play, 17 MP3.
  virtual HRESULT get_AudioQuality(LONG* value) = 0;
  virtual HRESULT put_AudioQuality(LONG value) = 0;
  virtual HRESULT get_ProfileMicSensitivity(LONG* value) = 0;
  virtual HRESULT put_ProfileMicSensitivity(LONG value) = 0;
  // position: 0 desktop, 1 hand held.
  virtual HRESULT get_MicrophoneDirection(LONG position, LONG* value) = 0;
  virtual HRESULT put_MicrophoneDirection(LONG position, LONG value) = 0;

 protected:
  ~IDPMRecordingProfile() = default;
};
