// libFuzzer entry points for a fuzzing executable linked with exactly one target.
#include "fuzz.hpp"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::enterScratch();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::targets().front().run(data, size);
  fuzz::clean();
  return 0;
}
