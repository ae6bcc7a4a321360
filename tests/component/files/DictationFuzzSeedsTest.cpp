// SPDX-License-Identifier: GPL-3.0-or-later
// The dictation fuzz target's body on its seed corpus (fuzz/corpus/dictation) and on the cut and
// flipped forms of each seed, in every build.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "component/files/DictationCompanion.h"
#include "component/files/DssHeader.h"
#include "component/files/AudioFormat.h"
#include "fuzz/DictationInputFuzz.h"
#include "tests/component/TempFolder.h"

namespace {

int Fuzz(const std::string& bytes) {
  return FuzzDictationInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::vector<std::filesystem::path> Seeds() {
  std::vector<std::filesystem::path> seeds;
  for (const auto& entry : std::filesystem::directory_iterator(DICTATION_CORPUS)) seeds.push_back(entry.path());
  std::sort(seeds.begin(), seeds.end());
  return seeds;
}

TEST(DictationFuzzSeeds, EverySeedIsAValidFileOfItsKind) {
  const auto seeds = Seeds();
  ASSERT_GE(seeds.size(), 5u);
  for (const auto& seed : seeds) {
    const std::string bytes = ReadText(seed.string());
    const std::string kind = seed.extension().string();
    DssHeader header;
    DictationCompanion companion;
    AudioFormat format;
    const HRESULT read = kind == ".dss"    ? ReadDssHeader(bytes, &header)
                         : kind == ".json" ? CompanionFromJson(bytes, &companion)
                                           : AudioFormatFromWaveFormat(bytes, &format);
    EXPECT_EQ(read, S_OK) << seed;
  }
}

TEST(DictationFuzzSeeds, SeedsTheirCutsAndFlips) {
  for (const auto& seed : Seeds()) {
    const std::string bytes = ReadText(seed.string());
    EXPECT_EQ(Fuzz(bytes), 0) << seed;
    for (size_t n = 0; n < bytes.size(); n += 1 + bytes.size() / 97) {
      Fuzz(bytes.substr(0, n));  // a cut is the commonest damage
      std::string flipped = bytes;
      flipped[n] = static_cast<char>(~flipped[n]);
      Fuzz(flipped);
    }
  }
}

}  // namespace
