// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The header of a DSS dictation, limited to the fields whose place other tools know and read:
//
//   0x000  version byte, 2 or 3, then "dss"; the header is version x 512 bytes long
//   0x00C  author, 16 bytes, padded with zeros (blanks are read as padding too)
//   0x026  recording start, 12 ASCII digits YYMMDDhhmmss (zeros or blanks: not recorded)
//   0x032  recording end, the same
//   0x2A4  audio codec: 0 Standard Play (DSS SP), 2 Long Play (G.723.1)
//   0x31E  comment, 64 bytes, padded like the author
//
// Reading never trusts the file: every field lies inside the header, and the header inside the file.
// Writing changes only these fields; every other byte of the header and the audio after it stay as
// they were. What a dictation has besides these lives in its companion (DictationCompanion.h).
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/automation/Types.h"

inline constexpr std::uint8_t kDssCodecStandardPlay = 0;
inline constexpr std::uint8_t kDssCodecLongPlay = 2;
inline constexpr size_t kDssBlockBytes = 512;
inline constexpr size_t kDssMaxHeaderBytes = 3 * kDssBlockBytes;  // version 3
inline constexpr size_t kDssAuthorBytes = 16;
inline constexpr size_t kDssCommentBytes = 64;

struct DssHeader {
  int version = 2;
  std::string author;          // bytes as stored, without padding
  std::string recordingStart;  // the 12 bytes as stored; empty when not recorded
  std::string recordingEnd;
  std::uint8_t codec = kDssCodecStandardPlay;
  std::string comment;

  size_t Bytes() const { return static_cast<size_t>(version) * kDssBlockBytes; }
};

// Whether the first bytes name a DSS file, or a DS2 file (which this component recognises only).
bool HasDssSignature(std::string_view file);
bool HasDs2Signature(std::string_view file);

// dpmCtrlInvalidFile unless `file` starts with a whole DSS header of version 2 or 3 whose codec is
// one of the two above.
HRESULT ReadDssHeader(std::string_view file, DssHeader* header);
// Writes the fields over the header at the start of `file`. E_INVALIDARG when a field does not fit
// its place, the version differs from the file's, or `file` holds no whole header.
HRESULT WriteDssHeader(const DssHeader& header, std::string* file);
// A file of just this header: zeros but for the fields.
HRESULT NewDssFile(const DssHeader& header, std::string* file);
