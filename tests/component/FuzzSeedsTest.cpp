// The fuzz target's body on a few seeds, so every build runs it (the fuzzer itself needs clang).
#include <gtest/gtest.h>

#include <string>

#include "component/RecorderRequest.h"
#include "component/RecorderState.h"
#include "component/SettingsJson.h"
#include "fuzz/ComponentInputFuzz.h"

namespace {

void Feed(const std::string& seed) {
  EXPECT_EQ(FuzzComponentInput(reinterpret_cast<const std::uint8_t*>(seed.data()), seed.size()), 0);
  // Every prefix too: truncation is the commonest damage.
  for (size_t n = 0; n < seed.size(); n += 1 + seed.size() / 64)
    FuzzComponentInput(reinterpret_cast<const std::uint8_t*>(seed.data()), n);
}

TEST(FuzzSeeds, SettingsOfEveryModel) {
  for (const RecorderModel& model : AllRecorderModels()) Feed(SettingsToJson(FactorySettings(model)));
}

TEST(FuzzSeeds, RecorderFilesAndRequests) {
  Feed(StateToJson(RecorderState{}));
  Feed(IdentityToJson(RecorderIdentity{28, "00C0FFEE", "00:0E:18:00:00:01", "4.2.17", "Orvane", 1280}));
  Feed(RequestToJson(RecorderRequest{RecorderRequest::Kind::Barcode, 0, "4711", false}));
  Feed(R"({"action":"button","button":4})");
  Feed(std::string(64, '[') + "\"\\u0000\\ud800\"" + std::string(64, ']'));
  Feed("\xff\xfe\x00{}");
}

}  // namespace
