// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/AudioFormat.h"

#include <algorithm>
#include <array>

#include "device/DpmResults.h"

namespace {

constexpr unsigned kWaveFormatPcm = 1;
constexpr unsigned kWaveFormatFloat = 3;
constexpr unsigned kWaveFormatMp3 = 0x0055;
constexpr unsigned kWaveFormatOpus = 0x704F;
constexpr unsigned kWaveFormatFlac = 0xF1AC;
constexpr size_t kBaseBytes = 16;  // WAVEFORMAT plus bits per sample (PCMWAVEFORMAT)
constexpr std::string_view kOptionsMark = "QVRL";
constexpr unsigned kOptionKeepComplete = 1;

constexpr std::array<unsigned, 9> kMp3Rates{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
constexpr std::array<unsigned, 5> kOpusRates{8000, 12000, 16000, 24000, 48000};

unsigned Little(std::string_view bytes, size_t at, size_t count) {
  unsigned value = 0;
  for (size_t i = count; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

template <size_t N>
bool OneOf(const std::array<unsigned, N>& values, unsigned value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

bool PcmBitsFit(unsigned tag, unsigned bits) {
  if (tag == kWaveFormatFloat) return bits == 32;
  return bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

HRESULT PcmFormat(unsigned tag, unsigned channels, unsigned rate, unsigned perSecond, unsigned align, unsigned bits,
                  AudioFormat* format) {
  if (channels == 0 || rate == 0 || bits == 0 || bits % 8 != 0 || align != channels * bits / 8 ||
      perSecond != static_cast<unsigned long long>(rate) * align)
    return dpmCtrlInvalidWaveFormat;
  if (!PcmBitsFit(tag, bits)) return dpmCtrlAudioFormatNotSupported;
  format->bits = static_cast<int>(bits);
  format->isFloat = tag == kWaveFormatFloat;
  return S_OK;
}

// FLAC, MP3 and Opus: block align is the codec's business; bytes per second give the bit rate.
HRESULT EncodedFormat(unsigned tag, unsigned rate, unsigned perSecond, unsigned bits, AudioFormat* format) {
  switch (tag) {
    case kWaveFormatFlac:
      if (bits != 0 && bits != 16 && bits != 24) return dpmCtrlAudioFormatNotSupported;
      format->encoding = AudioEncoding::Flac;
      format->bits = bits == 24 ? 24 : 16;
      return S_OK;
    case kWaveFormatMp3:
      if (!OneOf(kMp3Rates, rate)) return dpmCtrlAudioFormatNotSupported;
      format->encoding = AudioEncoding::Mp3;
      break;
    default:
      if (!OneOf(kOpusRates, rate)) return dpmCtrlAudioFormatNotSupported;
      format->encoding = AudioEncoding::Opus;
      break;
  }
  format->bits = 0;
  format->bitRate = static_cast<long>(perSecond) * 8;
  return S_OK;
}

}  // namespace

const char* AudioFormat::Extension() const {
  switch (encoding) {
    case AudioEncoding::Flac: return "flac";
    case AudioEncoding::Opus: return "opus";
    case AudioEncoding::Mp3: return "mp3";
    case AudioEncoding::Pcm: break;
  }
  return "wav";
}

HRESULT AudioFormatFromWaveFormat(std::string_view block, AudioFormat* format) {
  if (block.size() < kBaseBytes) return dpmCtrlInvalidWaveFormat;
  const unsigned tag = Little(block, 0, 2), channels = Little(block, 2, 2), rate = Little(block, 4, 4),
                 perSecond = Little(block, 8, 4), align = Little(block, 12, 2), bits = Little(block, 14, 2);
  const unsigned extra = block.size() >= kBaseBytes + 2 ? Little(block, 16, 2) : 0;
  if (extra > block.size() - std::min(block.size(), kBaseBytes + 2)) return dpmCtrlInvalidWaveFormat;
  AudioFormat f;
  f.sampleRate = static_cast<int>(rate);
  f.channels = static_cast<int>(channels);
  HRESULT hr = dpmCtrlAudioFormatNotSupported;
  if (tag == kWaveFormatPcm || tag == kWaveFormatFloat) {
    hr = PcmFormat(tag, channels, rate, perSecond, align, bits, &f);
  } else if (tag == kWaveFormatFlac || tag == kWaveFormatMp3 || tag == kWaveFormatOpus) {
    hr = channels == 0 || rate == 0 ? dpmCtrlInvalidWaveFormat : EncodedFormat(tag, rate, perSecond, bits, &f);
  }
  if (FAILED(hr)) return hr;
  if (channels > 2 || rate < 8000 || rate > 48000) return dpmCtrlAudioFormatNotSupported;
  // Our options, when the extra bytes begin with the mark (other extra bytes are the codec's).
  const std::string_view options = block.substr(std::min(block.size(), kBaseBytes + 2), extra);
  if (options.size() >= kOptionsMark.size() + 4 && options.substr(0, kOptionsMark.size()) == kOptionsMark)
    f.keepComplete = (Little(options, kOptionsMark.size(), 4) & kOptionKeepComplete) != 0;
  *format = f;
  return S_OK;
}
