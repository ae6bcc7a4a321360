// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz targets' bodies on their seed corpora, so every build runs them (the fuzzers need clang):
// every seed is a valid file its parser accepts, and every seed and its prefixes pass the body.
#include <gtest/gtest.h>

#include <string>

#include "component/recorders/RecorderRequest.h"
#include "component/recorders/RecorderState.h"
#include "component/settings/SettingsJson.h"
#include "fuzz/ComponentFuzzSeeds.h"
#include "fuzz/ComponentInputFuzz.h"

namespace {

using Body = int (*)(const std::uint8_t*, std::size_t);

struct Target {
  FuzzedParser parser;
  Body body;
  bool (*accepts)(const std::string&);
};

void PrintTo(const Target& row, std::ostream* out) { *out << FuzzedParserName(row.parser); }

int Feed(Body body, const std::string& text, size_t length) {
  return body(reinterpret_cast<const std::uint8_t*>(text.data()), length);
}

class FuzzSeeds : public ::testing::TestWithParam<Target> {};

TEST_P(FuzzSeeds, AreValidAndPassTheBody) {
  const std::vector<FuzzSeed> seeds = ComponentFuzzSeeds(GetParam().parser);
  ASSERT_FALSE(seeds.empty());
  for (const FuzzSeed& seed : seeds) {
    SCOPED_TRACE(seed.name);
    EXPECT_TRUE(GetParam().accepts(seed.text));
    EXPECT_EQ(Feed(GetParam().body, seed.text, seed.text.size()), 0);
    // Every prefix too: truncation is the commonest damage.
    for (size_t n = 0; n < seed.text.size(); n += 1 + seed.text.size() / 64) Feed(GetParam().body, seed.text, n);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Parsers, FuzzSeeds,
    ::testing::Values(Target{FuzzedParser::Settings, FuzzSettingsFile,
                             [](const std::string& t) {
                               RecorderSettings s;
                               return SUCCEEDED(SettingsFromJson(t, &s));
                             }},
                      Target{FuzzedParser::Identity, FuzzIdentityFile,
                             [](const std::string& t) {
                               RecorderIdentity i;
                               return SUCCEEDED(IdentityFromJson(t, &i));
                             }},
                      Target{FuzzedParser::State, FuzzStateFile,
                             [](const std::string& t) {
                               RecorderState s;
                               return SUCCEEDED(StateFromJson(t, &s));
                             }},
                      Target{FuzzedParser::Request, FuzzRequestFile,
                             [](const std::string& t) {
                               RecorderRequest r;
                               return RequestFromJson(t, &r);
                             }}),
    [](const auto& info) { return std::string(FuzzedParserName(info.param.parser)); });

TEST(FuzzSeeds, HostileScrapsPassEveryBody) {
  const std::string scraps[] = {std::string(64, '[') + "\"\\u0000\\ud800\"" + std::string(64, ']'),
                                std::string("\xff\xfe\x00{}", 5), "{\"action\":\"button\",\"button\":4,\"button\":4}"};
  for (const std::string& scrap : scraps)
    for (Body body : {FuzzSettingsFile, FuzzIdentityFile, FuzzStateFile, FuzzRequestFile})
      EXPECT_EQ(Feed(body, scrap, scrap.size()), 0);
}

}  // namespace
