// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound format a conversion writes, and the one a wave format block describes.
#include <cstdint>
#include <string_view>

#include "platform/automation/Types.h"

enum class AudioEncoding { Pcm, Flac, Opus, Mp3 };

struct AudioFormat {
  int sampleRate = 16000;
  int channels = 1;
  int bits = 16;          // PCM 8 (unsigned), 16, 24 or 32 (signed), 32 for float; FLAC 16 or 24; lossy 0
  bool isFloat = false;
  AudioEncoding encoding = AudioEncoding::Pcm;
  long bitRate = 0;            // lossy formats: bits per second, 0 for the encoder's own choice
  bool keepComplete = false;   // an earlier complete conversion is the result (README.md)

  bool operator==(const AudioFormat&) const = default;
  // "wav", "flac", "opus", "mp3": the target's extension.
  const char* Extension() const;
};

// The block of a WAVEFORMATEX (tag, channels, rate, bytes per second, block align, bits, and the
// optional extra size and bytes), as README.md describes it. dpmCtrlInvalidWaveFormat for a block
// that is too short or contradicts itself; dpmCtrlAudioFormatNotSupported for a sound format this
// component does not write.
HRESULT AudioFormatFromWaveFormat(std::string_view block, AudioFormat* format);
