// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the component hands the converter module for one conversion: the open dictation, its frame
// count and codec, the format to write, and the tags the output carries where its format has them.
#include <cstdint>
#include <string>

#include "component/files/AudioFormat.h"

// A WAV file of more bytes than this takes the RF64 form, whose sizes are 64-bit: the RIFF form's
// 32-bit sizes cannot describe it.
inline constexpr std::uint64_t kLargeWaveBytes = 0xFFFFFFFFull - (1u << 20);

struct ConvertTags {
  std::string title;    // the dictation's file name
  std::string author;   // UTF-8
  std::string date;     // recording start, "YYYY-MM-DD hh:mm:ss"; empty when not recorded
  std::string comment;  // UTF-8
};

struct ConvertJob {
  int source = -1;  // the DSS file, open to read
  size_t frames = 0;
  std::uint8_t codec = 0;
  AudioFormat format;
  ConvertTags tags;
  std::uint64_t largeWaveBytes = kLargeWaveBytes;

  // The audio's length in milliseconds.
  long long Milliseconds() const;
  // The bytes a PCM WAV of the whole dictation takes, headers aside.
  std::uint64_t WaveDataBytes() const;
};

// What an existing target is to a conversion that would write it.
enum class TargetState : int {
  Complete = 0,  // this dictation's audio in this format, whole
  Damaged = 1,   // an earlier conversion of this dictation that is cut short or unreadable in part
  Foreign = 2,   // anything else: not ours to replace
};
