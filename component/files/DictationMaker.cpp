// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/DictationMaker.h"

#include <vector>

#include "component/files/DictationTime.h"
#include "component/files/DssAudio.h"
#include "component/files/DssHeader.h"
#include "component/files/SpFrame.h"

namespace {

// Mid-range filter indexes, no adaptive part, one strong pulse train per subframe: a steady,
// quiet buzz the decoder reproduces without complaint.
std::string ToneFrame() {
  SpFrame frame;
  for (size_t i = 0; i < frame.filter.size(); ++i) frame.filter[i] = i < 2 ? 16 : i < 8 ? 8 : 4;
  for (SpFrame::Subframe& sub : frame.subframes) {
    sub.gain = 60;
    sub.pulses.fill(3);
  }
  return frame.Pack();
}

std::string Digits(std::time_t when) {
  DictationTime time;
  return DictationTime::FromLocal(when, &time) ? time.Digits() : std::string();
}

}  // namespace

size_t SpFramesFor(LONG milliseconds) {
  if (milliseconds <= 0) return 0;
  const long long frames =
      (static_cast<long long>(milliseconds) * kSpSampleRate + kSpFrameSamples * 500LL) / (kSpFrameSamples * 1000LL);
  return frames > 0 ? static_cast<size_t>(frames) : 1;
}

HRESULT MakeEmptyDictation(std::uint8_t codec, std::time_t now, std::string* file) {
  DssHeader header;
  header.codec = codec;
  header.recordingStart = header.recordingEnd = Digits(now);
  return NewDssFile(header, file);
}

HRESULT MakeSpDictation(size_t frames, std::time_t end, std::string_view author, std::string* file) {
  DssHeader header;
  header.author = std::string(author);
  const long long seconds = static_cast<long long>(DssMilliseconds(kDssCodecStandardPlay, frames) / 1000);
  header.recordingStart = Digits(end - static_cast<std::time_t>(seconds));
  header.recordingEnd = Digits(end);
  std::string bytes, audio;
  if (HRESULT hr = NewDssFile(header, &bytes); FAILED(hr)) return hr;
  if (HRESULT hr = WriteDssFrames(std::vector<std::string>(frames, ToneFrame()), kDssCodecStandardPlay, &audio);
      FAILED(hr))
    return hr;
  *file = bytes + audio;
  return S_OK;
}
