// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/SpFrame.h"

#include "component/files/DssAudio.h"

namespace {

class BitWriter {
 public:
  void Put(std::uint32_t value, int bits) {
    for (int i = bits - 1; i >= 0; --i) {
      if (value >> i & 1u) m_bytes[m_bit / 8] |= static_cast<char>(0x80 >> (m_bit % 8));
      ++m_bit;
    }
  }
  const std::string& Bytes() const { return m_bytes; }

 private:
  std::string m_bytes = std::string(kSpFrameBytes, '\0');
  size_t m_bit = 0;
};

}  // namespace

std::string SpFrame::Pack() const {
  BitWriter bits;
  for (size_t i = 0; i < filter.size(); ++i) bits.Put(filter[i], i < 2 ? 5 : i < 8 ? 4 : 3);
  for (const Subframe& sub : subframes) {
    bits.Put(sub.adaptiveGain, 5);
    bits.Put(sub.pulsePositions, 31);
    bits.Put(sub.gain, 6);
    for (std::uint8_t pulse : sub.pulses) bits.Put(pulse, 3);
  }
  bits.Put(pitch, 24);
  // 16-bit words, low byte first; byte 41 of the bit string is padding, so byte 40 stays zero.
  const std::string& stream = bits.Bytes();
  std::string frame(kSpFrameBytes, '\0');
  for (size_t i = 0; i < kSpFrameBytes; i += 2) {
    frame[i] = stream[i + 1];
    frame[i + 1] = stream[i];
  }
  return frame;
}
