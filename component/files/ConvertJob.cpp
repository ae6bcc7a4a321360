// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/ConvertJob.h"

#include "component/files/DssAudio.h"

long long ConvertJob::Milliseconds() const { return DssMilliseconds(codec, frames); }

std::uint64_t ConvertJob::WaveDataBytes() const {
  const bool lp = codec != 0;
  const std::uint64_t inSamples = static_cast<std::uint64_t>(frames) * (lp ? kLpFrameSamples : kSpFrameSamples);
  const std::uint64_t inRate = lp ? kLpSampleRate : kSpSampleRate;
  const std::uint64_t bytesPerSample = static_cast<std::uint64_t>(format.bits / 8) * format.channels;
  return inSamples * static_cast<std::uint64_t>(format.sampleRate) / inRate * bytesPerSample;
}
