// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The audio of a DSS file, after its header: 512-byte blocks, each a 6-byte block header and 506
// bytes of frames; frames run on from one block into the next.
//
// Standard Play (DSS SP) frames hold 328 bits. Readers hand the codec 42-byte frames: 16-bit words,
// low byte first, with byte 40 always zero. On the card two frames share 82 bytes: the first is
// stored as its bytes 0 to 39, then byte 1 of the second frame, then its own byte 41; the second as
// 40 bytes holding its bytes 3, 0, 5, 2, 7, 4 ... 41, 38 (odd and even bytes interleaved, shifted).
// Long Play (G.723.1) frames are 24, 20, 4 or 1 bytes long, chosen by the two low bits of their first
// byte. An 0xFF where a frame would begin (its byte 0 once unpacked) ends the audio, and the writer
// fills the rest of the last block with 0xFF. This is how FFmpeg's DSS demuxer reads the audio.
//
// The block header this component writes: bytes 0-1 the offset in the block of the first frame that
// begins in it (little endian; 0xFFFF when none does), byte 2 the number of frames beginning in it
// (at most 255), bytes 3-5 zero. Readers skip block headers.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/Types.h"

inline constexpr size_t kDssBlockHeaderBytes = 6;
inline constexpr size_t kSpFrameBytes = 42;
inline constexpr int kSpFrameSamples = 264;  // at 11025 Hz
inline constexpr int kSpSampleRate = 11025;
inline constexpr int kLpFrameSamples = 240;  // at 8000 Hz
inline constexpr int kLpSampleRate = 8000;

// The frames of the audio after the header, in order, as the codec takes them.
std::vector<std::string> ReadDssFrames(std::string_view audio, std::uint8_t codec);
// How many frames ReadDssFrames would give for the audio from `offset` of the open file `fd`, read in
// small parts: the audio is never held whole.
HRESULT CountDssFrames(int fd, std::uint64_t offset, std::uint8_t codec, size_t* frames);
// Block-structured audio of these frames. E_INVALIDARG for a frame that is not one of the codec's
// (an SP frame not 42 bytes with byte 40 zero, an LP frame whose size does not match its first byte)
// or whose first byte is 0xFF.
HRESULT WriteDssFrames(const std::vector<std::string>& frames, std::uint8_t codec, std::string* audio);
// The length of `frames` frames of the codec, in milliseconds.
LONG DssMilliseconds(std::uint8_t codec, std::size_t frames);
// The duration of one frame, in milliseconds (rounded up).
LONG DssFrameMilliseconds(std::uint8_t codec);
