// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/DssAudio.h"

#include <sys/stat.h>

#include <cerrno>

#include "component/files/DssHeader.h"
#include "component/recorders/FileAccess.h"

namespace {

constexpr size_t kPayloadBytes = kDssBlockBytes - kDssBlockHeaderBytes;
constexpr char kEnd = '\xFF';

size_t LpFrameBytes(char first) {
  static constexpr size_t kSizes[] = {24, 20, 4, 1};
  return kSizes[static_cast<unsigned char>(first) & 3];
}

// The frame bytes of the audio, block headers left out.
std::string Payload(std::string_view audio) {
  std::string payload;
  payload.reserve(audio.size());
  for (size_t at = 0; at < audio.size(); at += kDssBlockBytes) {
    std::string_view block = audio.substr(at, kDssBlockBytes);
    if (block.size() > kDssBlockHeaderBytes) payload.append(block.substr(kDssBlockHeaderBytes));
  }
  return payload;
}

// The stored form of SP frame `index`: see DssAudio.h.
std::string StoredSpFrame(const std::vector<std::string>& frames, size_t index) {
  const std::string& frame = frames[index];
  if (index % 2 == 0) {
    std::string stored = frame.substr(0, 40);
    stored += index + 1 < frames.size() ? frames[index + 1][1] : kEnd;
    stored += frame[41];
    return stored;
  }
  std::string stored(40, '\0');
  for (size_t k = 0; k < 20; ++k) {
    stored[2 * k + 1] = frame[2 * k];
    stored[2 * k] = frame[2 * k + 3];
  }
  return stored;
}

bool ValidFrame(std::string_view frame, std::uint8_t codec) {
  if (codec == kDssCodecStandardPlay) return frame.size() == kSpFrameBytes && frame[40] == '\0';
  return codec == kDssCodecLongPlay && !frame.empty() && frame[0] != kEnd && frame.size() == LpFrameBytes(frame[0]);
}

std::vector<std::string> SpFrames(std::string_view payload) {
  std::vector<std::string> frames;
  size_t at = 0;
  char carried = 0;  // byte 1 of an odd frame, stored in the even frame before it
  for (bool odd = false;; odd = !odd) {
    const size_t stored = odd ? 40 : 42;
    if (payload.size() - at < stored) break;
    std::string_view in = payload.substr(at, stored);
    std::string frame(kSpFrameBytes, '\0');
    if (odd) {
      frame[1] = carried;
      for (size_t k = 0; k < 20; ++k) {
        frame[2 * k] = in[2 * k + 1];
        frame[2 * k + 3] = in[2 * k];
      }
    } else {
      frame.replace(0, 40, in.substr(0, 40));
      carried = in[40];
      frame[41] = in[41];
    }
    frame[40] = '\0';
    frames.push_back(std::move(frame));
    at += stored;
  }
  return frames;
}

std::vector<std::string> LpFrames(std::string_view payload) {
  std::vector<std::string> frames;
  for (size_t at = 0; at < payload.size() && payload[at] != kEnd;) {
    const size_t size = LpFrameBytes(payload[at]);
    if (payload.size() - at < size) break;
    frames.emplace_back(payload.substr(at, size));
    at += size;
  }
  return frames;
}

void PutBlockHeader(std::string* block, const std::vector<size_t>& starts, size_t blockBegin) {
  size_t first = 0xFFFF, count = 0;
  for (size_t start : starts) {
    if (start < blockBegin || start >= blockBegin + kPayloadBytes) continue;
    if (count++ == 0) first = start - blockBegin + kDssBlockHeaderBytes;
  }
  (*block)[0] = static_cast<char>(first & 0xFF);
  (*block)[1] = static_cast<char>(first >> 8);
  (*block)[2] = static_cast<char>(count > 255 ? 255 : count);
}

// Counts LP frames as LpFrames finds them, fed the payload in parts.
class LpFrameCounter {
 public:
  // False once the audio has ended.
  bool Feed(std::string_view payload) {
    for (char byte : payload) {
      if (m_left == 0) {
        if (byte == kEnd) return false;
        m_left = LpFrameBytes(byte);
      }
      if (--m_left == 0) ++m_frames;
    }
    return true;
  }
  size_t Frames() const { return m_frames; }

 private:
  size_t m_left = 0;  // bytes of the current frame still to come
  size_t m_frames = 0;
};

constexpr size_t kCountBlocks = 128;  // read at a time

}  // namespace

HRESULT CountDssFrames(int fd, std::uint64_t offset, std::uint8_t codec, size_t* frames) {
  // SP frames are stored in pairs of 42 and 40 bytes: their count follows from the file's size.
  if (codec == kDssCodecStandardPlay) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return ResultFromErrno(errno);
    const std::uint64_t size = static_cast<std::uint64_t>(st.st_size), audio = size > offset ? size - offset : 0;
    const std::uint64_t last = audio % kDssBlockBytes;
    const std::uint64_t payload = audio / kDssBlockBytes * kPayloadBytes + (last > kDssBlockHeaderBytes ? last - kDssBlockHeaderBytes : 0);
    constexpr std::uint64_t kPair = 82, kFirst = 42;
    *frames = static_cast<size_t>(payload / kPair * 2 + (payload % kPair >= kFirst));
    return S_OK;
  }
  LpFrameCounter lp;
  for (std::string part;; offset += part.size()) {
    if (HRESULT hr = ReadAt(fd, offset, kCountBlocks * kDssBlockBytes, &part); FAILED(hr)) return hr;
    bool going = true;
    for (size_t at = 0; going && at < part.size(); at += kDssBlockBytes) {
      std::string_view block = std::string_view(part).substr(at, kDssBlockBytes);
      if (block.size() > kDssBlockHeaderBytes) going = lp.Feed(block.substr(kDssBlockHeaderBytes));
    }
    if (!going || part.size() < kCountBlocks * kDssBlockBytes) break;
  }
  *frames = codec == kDssCodecLongPlay ? lp.Frames() : 0;
  return S_OK;
}

std::vector<std::string> ReadDssFrames(std::string_view audio, std::uint8_t codec) {
  const std::string payload = Payload(audio);
  if (codec == kDssCodecStandardPlay) return SpFrames(payload);
  if (codec == kDssCodecLongPlay) return LpFrames(payload);
  return {};
}

HRESULT WriteDssFrames(const std::vector<std::string>& frames, std::uint8_t codec, std::string* audio) {
  std::string stream;
  std::vector<size_t> starts;
  starts.reserve(frames.size());
  for (size_t i = 0; i < frames.size(); ++i) {
    if (!ValidFrame(frames[i], codec)) return E_INVALIDARG;
    starts.push_back(stream.size());
    stream += codec == kDssCodecStandardPlay ? StoredSpFrame(frames, i) : frames[i];
  }
  std::string blocks;
  blocks.reserve((stream.size() / kPayloadBytes + 1) * kDssBlockBytes);
  for (size_t at = 0; at < stream.size(); at += kPayloadBytes) {
    std::string block(kDssBlockHeaderBytes, '\0');
    PutBlockHeader(&block, starts, at);
    block += stream.substr(at, kPayloadBytes);
    blocks += block;
  }
  *audio = std::move(blocks);
  return S_OK;
}

LONG DssMilliseconds(std::uint8_t codec, std::size_t frames) {
  const long long n = static_cast<long long>(frames);
  if (codec == kDssCodecLongPlay) return static_cast<LONG>(n * kLpFrameSamples * 1000 / kLpSampleRate);
  return static_cast<LONG>((n * kSpFrameSamples * 1000 + kSpSampleRate / 2) / kSpSampleRate);
}

LONG DssFrameMilliseconds(std::uint8_t codec) {
  return codec == kDssCodecLongPlay ? 30 : (kSpFrameSamples * 1000 + kSpSampleRate - 1) / kSpSampleRate;
}
