// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the dictation readers: clang++ -fsanitize=fuzzer (see CMakeLists.txt).
#include "fuzz/DictationInputFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzDictationInput(data, size);
}
