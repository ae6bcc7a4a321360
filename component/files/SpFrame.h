// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One DSS Standard Play frame from its coded parameters, as the SP decoder unpacks them: 328 bits,
// most significant first, in the order below; the bytes are then stored as 16-bit words, low byte
// first, in the 42 bytes a DSS reader hands to the codec (DssAudio.h).
#include <array>
#include <cstdint>
#include <string>

struct SpFrame {
  // Line spectral filter indexes: two of 5 bits, six of 4 bits, six of 3 bits.
  std::array<std::uint8_t, 14> filter{};
  struct Subframe {
    std::uint8_t adaptiveGain = 0;       // 5 bits
    std::uint32_t pulsePositions = 0;    // 31 bits: the combination of the seven pulse positions
    std::uint8_t gain = 0;               // 6 bits: fixed codebook gain index
    std::array<std::uint8_t, 7> pulses{};  // 3 bits each
  };
  std::array<Subframe, 4> subframes{};
  std::uint32_t pitch = 0;  // 24 bits: the combined pitch lags

  std::string Pack() const;
};
