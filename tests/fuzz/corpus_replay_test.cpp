// Replays the committed fuzzing corpus of every fuzz target: each input must end in a clean
// stop or a normal return (under the sanitizer build: without any report).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz.hpp"

namespace {

namespace fs = std::filesystem;

TEST(FuzzCorpus, EveryCommittedInputRunsCleanly) {
  const fs::path corpus = VELMORANT_FUZZ_CORPUS;
  const fs::path back = fs::current_path();
  fuzz::enterScratch();
  ASSERT_FALSE(fuzz::targets().empty());
  for (const auto& t : fuzz::targets()) {
    const fs::path dir = corpus / t.name;
    EXPECT_TRUE(fs::is_directory(dir)) << "no corpus for fuzz target " << t.name;
    if (!fs::is_directory(dir)) continue;
    std::vector<fs::path> inputs;
    for (const auto& e : fs::directory_iterator(dir)) inputs.push_back(e.path());
    std::sort(inputs.begin(), inputs.end());
    for (const auto& p : inputs) {
      SCOPED_TRACE(p.string());
      std::ifstream f(p, std::ios::binary);
      const std::vector<char> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
      t.run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      fuzz::clean();
    }
  }
  fs::current_path(back);
}

}  // namespace
