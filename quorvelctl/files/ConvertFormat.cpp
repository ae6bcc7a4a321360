// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/files/ConvertFormat.h"

#include <array>

namespace {

// Speech: every format is mono, and the compressed ones keep the 16 kHz of wav16.
constexpr std::array<ConvertFormat, 5> kFormats{{
    {"wav16", "wav", 0x0001, 16000, 16},
    {"wav8", "wav", 0x0001, 8000, 16},
    {"flac", "flac", 0xF1AC, 16000, 16},
    {"opus", "opus", 0x704F, 16000, 0},
    {"mp3", "mp3", 0x0055, 16000, 0},
}};

constexpr unsigned kChannels = 1;
constexpr char kOptionsMark[] = "QVRL";
constexpr unsigned kOptionKeepComplete = 1;

void Put(std::vector<BYTE>* block, unsigned value, int bytes) {
  for (int i = 0; i < bytes; ++i) block->push_back(static_cast<BYTE>(value >> (8 * i) & 0xFF));
}

}  // namespace

std::vector<BYTE> ConvertFormat::Block(bool keepComplete) const {
  const unsigned align = bits ? kChannels * bits / 8 : 0;
  const unsigned perSecond = tag == 0x0001 ? sampleRate * align : 0;  // 0: the encoder's own bit rate
  std::vector<BYTE> block;
  Put(&block, tag, 2);
  Put(&block, kChannels, 2);
  Put(&block, sampleRate, 4);
  Put(&block, perSecond, 4);
  Put(&block, align, 2);
  Put(&block, bits, 2);
  Put(&block, 8, 2);  // the extra bytes: our options
  for (const char* c = kOptionsMark; *c; ++c) block.push_back(static_cast<BYTE>(*c));
  Put(&block, keepComplete ? kOptionKeepComplete : 0, 4);
  return block;
}

std::optional<ConvertFormat> ConvertFormat::Named(std::string_view name) {
  if (name.empty() || name == "0") name = "wav16";
  if (name == "1") name = "wav8";
  for (const ConvertFormat& format : kFormats)
    if (format.name == name) return format;
  return std::nullopt;
}

std::string_view ConvertFormat::Names() { return "wav16|wav8|flac|opus|mp3"; }
