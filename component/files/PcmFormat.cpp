#include "component/files/PcmFormat.h"

#include "device/DpmResults.h"

namespace {

constexpr unsigned kWaveFormatPcm = 1;
constexpr unsigned kWaveFormatFloat = 3;
constexpr size_t kBaseBytes = 16;  // WAVEFORMAT plus bits per sample (PCMWAVEFORMAT)

unsigned Little(std::string_view bytes, size_t at, size_t count) {
  unsigned value = 0;
  for (size_t i = count; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

bool BitsFit(unsigned tag, unsigned bits) {
  if (tag == kWaveFormatFloat) return bits == 32;
  return bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

HRESULT PcmFormatFromWaveFormat(std::string_view block, PcmFormat* format) {
  if (block.size() < kBaseBytes) return dpmCtrlInvalidWaveFormat;
  const unsigned tag = Little(block, 0, 2), channels = Little(block, 2, 2), rate = Little(block, 4, 4),
                 perSecond = Little(block, 8, 4), align = Little(block, 12, 2), bits = Little(block, 14, 2);
  if (block.size() >= kBaseBytes + 2 && Little(block, 16, 2) > block.size() - kBaseBytes - 2)
    return dpmCtrlInvalidWaveFormat;  // its extra bytes are not all there
  if (tag != kWaveFormatPcm && tag != kWaveFormatFloat) return dpmCtrlAudioFormatNotSupported;
  if (channels == 0 || rate == 0 || bits == 0 || bits % 8 != 0 || align != channels * bits / 8 ||
      perSecond != static_cast<unsigned long long>(rate) * align)
    return dpmCtrlInvalidWaveFormat;
  if (channels > 2 || rate < 8000 || rate > 48000 || !BitsFit(tag, bits)) return dpmCtrlAudioFormatNotSupported;
  *format = {static_cast<int>(rate), static_cast<int>(channels), static_cast<int>(bits), tag == kWaveFormatFloat};
  return S_OK;
}
