#include <gtest/gtest.h>

#include <filesystem>

#include "core/error.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::readFile;
using vmtest::testData;
using vmtest::writeFile;

class Decompose53Test : public vmtest::ToolTest {
 protected:
  void copyData() {
    for (const char* f : {"grid.14", "harm.53"}) writeFile(f, readFile(testData(std::string("forcing/decompose/") + f)));
  }
  std::string runTool(const std::string& answers) {
    return run(answers, [](vm::Console& c) { vm::decompose53(c); });
  }
};

const char* const kOneConstituent =
    "1\n 0.1 1.0 0.0 M2\n 5\n"
    " 1\n 0.5 10\n 2\n 0.25 20\n 3\n 0.125 30\n 4\n 1 40\n 5\n 2 50\n";

TEST_F(Decompose53Test, WritesAmplitudeAndPhaseFilesPerConstituent) {
  copyData();
  const std::string out = runTool("grid.14\nharm.53\n");
  for (const char* f : {"harm.53.M2.amp.63", "harm.53.M2.pha.63", "harm.53.K1.amp.63", "harm.53.K1.pha.63"})
    EXPECT_EQ(readFile(f), readFile(testData(std::string("forcing/decompose/expected/") + f))) << f;
  EXPECT_EQ(out.substr(0, out.find("grid.14\n") + 8),
            "\n Enter name of Grid File\n\n Enter name of Fort.53 File\n\n"
            " START! READING of Global data:  grid.14\n");
  EXPECT_EQ(out.substr(out.size() - 25), " GRID SUCCESSFULLY READ!\n");
}

TEST_F(Decompose53Test, OneConstituentGivesTwoFilesBesideTheHarmonicFile) {
  copyData();
  std::filesystem::create_directory("run");
  writeFile("run/h.53", kOneConstituent);
  runTool("grid.14\n'run/h.53'\n");  // a slash ends an unquoted answer
  std::vector<std::string> made;
  for (const auto& e : std::filesystem::directory_iterator("run")) made.push_back(e.path().filename().string());
  std::sort(made.begin(), made.end());
  EXPECT_EQ(made, (std::vector<std::string>{"h.53", "h.53.M2.amp.63", "h.53.M2.pha.63"}));
  const std::string pha = readFile("run/h.53.M2.pha.63");
  EXPECT_NE(pha.find("\n           4   2.0000000000000000        2.0000000000000000        40.000000000000000     \n"),
            std::string::npos);
  // Every file ends with ten lines holding 0, whatever boundaries the mesh has.
  std::string tail;
  for (int k = 0; k < 10; ++k) tail += "           0\n";
  EXPECT_EQ(pha.substr(pha.size() - tail.size()), tail);
}

TEST_F(Decompose53Test, RepeatedConstituentNameIsRefusedBeforeAnyOutput) {
  copyData();
  writeFile("h.53", "2\n 0.1 1.0 0.0 M2\n 0.2 1.0 0.0 M2\n 5\n");
  EXPECT_THROW(runTool("grid.14\nh.53\n"), vm::Failure);
  EXPECT_FALSE(std::filesystem::exists("h.53.M2.amp.63"));
  EXPECT_FALSE(std::filesystem::exists("h.53.M2.pha.63"));
}

}  // namespace
