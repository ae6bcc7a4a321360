// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What FFmpeg, the reference reader, makes of a file: the DSS demuxer's metadata and packets, and a
// WAV file's format and length. Tests compare it with what the component wrote.
#include <map>
#include <string>
#include <vector>

struct DemuxedFile {
  bool opened = false;
  std::map<std::string, std::string> metadata;
  std::string codec;  // "dss_sp", "g723_1"
  int sampleRate = 0;
  std::vector<std::string> packets;
};

struct DecodedAudio {
  bool opened = false;
  std::string container;  // "wav"
  std::string codec;      // "pcm_s16le" ...
  int sampleRate = 0;
  int channels = 0;
  long long samples = 0;  // per channel
  double rms = 0;         // of the first channel, in the decoder's own sample scale
  int warnings = 0;       // FFmpeg's warnings and errors while decoding
  std::map<std::string, std::string> tags;  // the container's and the stream's, keys as FFmpeg gives them
};

DemuxedFile Demux(const std::string& path);
DecodedAudio Decode(const std::string& path);
// G.723.1 frames of `frames` x 30 ms of a tone, made by FFmpeg's encoder.
std::vector<std::string> LongPlayFrames(int frames);
