// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/DictationInputFuzz.h"

#include <cstdlib>
#include <string>
#include <string_view>

#include "component/files/DictationCompanion.h"
#include "component/files/DssAudio.h"
#include "component/files/DssHeader.h"
#include "component/files/AudioFormat.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void FuzzHeaderAndAudio(std::string_view bytes) {
  DssHeader header;
  if (FAILED(ReadDssHeader(bytes, &header))) return;
  std::string copy(bytes);
  DssHeader again;
  Check(SUCCEEDED(WriteDssHeader(header, &copy)) && copy.size() == bytes.size());
  Check(SUCCEEDED(ReadDssHeader(copy, &again)) && again.author == header.author &&
        again.recordingEnd == header.recordingEnd && again.comment == header.comment);
  // Whatever frames are read can be written, and read back the same.
  const std::vector<std::string> frames = ReadDssFrames(bytes.substr(header.Bytes()), header.codec);
  std::string audio;
  Check(SUCCEEDED(WriteDssFrames(frames, header.codec, &audio)));
  Check(ReadDssFrames(audio, header.codec) == frames);
}

void FuzzCompanion(std::string_view text) {
  DictationCompanion companion;
  if (FAILED(CompanionFromJson(text, &companion))) return;
  DictationCompanion again;
  Check(SUCCEEDED(CompanionFromJson(CompanionToJson(companion), &again)));
  Check(again.jobNumber == companion.jobNumber && again.spokenInstructions == companion.spokenInstructions &&
        again.barcode == companion.barcode && again.downloadDate == companion.downloadDate);
}

}  // namespace

int FuzzDictationInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  FuzzHeaderAndAudio(bytes);
  FuzzCompanion(bytes);
  AudioFormat format;
  AudioFormatFromWaveFormat(bytes, &format);
  return 0;
}
