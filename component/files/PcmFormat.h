#pragma once
// A PCM sound format a conversion writes, and the one a wave format block describes.
#include <cstdint>
#include <string_view>

#include "platform/automation/Types.h"

struct PcmFormat {
  int sampleRate = 16000;
  int channels = 1;
  int bits = 16;          // 8 (unsigned), 16, 24 or 32 (signed); 32 for float
  bool isFloat = false;

  bool operator==(const PcmFormat&) const = default;
};

// The block of a WAVEFORMATEX (tag, channels, rate, bytes per second, block align, bits, and the
// optional extra size). dpmCtrlInvalidWaveFormat for a block that is too short or contradicts
// itself; dpmCtrlAudioFormatNotSupported for a sound format other than PCM or IEEE float, or one
// outside 1-2 channels, 8000-48000 Hz.
HRESULT PcmFormatFromWaveFormat(std::string_view block, PcmFormat* format);
