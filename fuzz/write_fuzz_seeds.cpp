// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the component's seed corpora: FOLDER/<parser>/<seed> for every fuzzed parser, and prints one
// line per parser, "<parser> <input limit>", for the script that runs the fuzzers.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fuzz/ComponentFuzzSeeds.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_fuzz_seeds FOLDER\n");
    return 2;
  }
  for (FuzzedParser parser : kFuzzedParsers) {
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / FuzzedParserName(parser);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::vector<FuzzSeed> seeds = ComponentFuzzSeeds(parser);
    for (const FuzzSeed& seed : seeds) {
      std::ofstream out(folder / seed.name, std::ios::binary);
      out << seed.text;
      if (!out.flush()) {
        std::fprintf(stderr, "write_fuzz_seeds: cannot write %s\n", (folder / seed.name).c_str());
        return 1;
      }
    }
    std::printf("%s %zu\n", FuzzedParserName(parser), FuzzMaxLength(seeds));
  }
  return 0;
}
