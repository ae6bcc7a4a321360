// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The formats convert writes, by the names --format takes, and the custom-format block that tells the
// component each one (a WAVEFORMATEX; component/files/README.md describes what it accepts).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/Types.h"

struct ConvertFormat {
  std::string_view name;       // "wav16"
  std::string_view extension;  // "wav"
  unsigned tag;                // the wave format tag
  unsigned sampleRate;
  unsigned bits;  // PCM and FLAC; 0 for the lossy formats, which take the encoder's own bit rate

  // The block for put_CustomFormat. `keepComplete`: an existing whole conversion is the result and a
  // damaged one is done again, as a batch that is run again wants.
  std::vector<BYTE> Block(bool keepComplete) const;

  // By name: wav16 (the default, also "0"), wav8 (also "1"), flac, opus, mp3; nullopt for any other.
  static std::optional<ConvertFormat> Named(std::string_view name);
  static std::string_view Names();  // "wav16|wav8|flac|opus|mp3"
};
