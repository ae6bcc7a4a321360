// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Seed corpora for the component's fuzz targets: valid files of each kind for every recorder model,
// so a fuzzer starts from inputs that parse all the way down (the smallest settings file is over
// 2 KB, more than random bytes ever assemble).
#include <cstddef>
#include <string>
#include <vector>

enum class FuzzedParser { Settings, Identity, State, Request };

struct FuzzSeed {
  std::string name;  // a file name
  std::string text;
};

inline constexpr FuzzedParser kFuzzedParsers[] = {FuzzedParser::Settings, FuzzedParser::Identity,
                                                  FuzzedParser::State, FuzzedParser::Request};

// "settings", "identity", "state", "request": the target is <name>_file_fuzzer.
const char* FuzzedParserName(FuzzedParser parser);
std::vector<FuzzSeed> ComponentFuzzSeeds(FuzzedParser parser);
// The input limit for the fuzzer: room for the largest seed to grow to twice its size.
std::size_t FuzzMaxLength(const std::vector<FuzzSeed>& seeds);
