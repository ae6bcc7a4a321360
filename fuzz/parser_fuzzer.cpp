// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for one parser, chosen by QUORVEL_FUZZ_BODY at build time (see CMakeLists.txt).
#include "fuzz/ComponentInputFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return QUORVEL_FUZZ_BODY(data, size);
}
