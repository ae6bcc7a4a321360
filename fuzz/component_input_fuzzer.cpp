// libFuzzer entry for the component's parsers: clang++ -fsanitize=fuzzer (see CMakeLists.txt).
#include "fuzz/ComponentInputFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzComponentInput(data, size);
}
