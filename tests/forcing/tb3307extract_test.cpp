#include <gtest/gtest.h>

#include <filesystem>

#include "core/error.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::readFile;
using vmtest::testData;
using vmtest::writeFile;

class Tb3307Test : public vmtest::ToolTest {
 protected:
  void copyData() {
    for (const char* f : {"model.14", "tb3307.grd", "tb3307.tdb"})
      writeFile(f, readFile(testData(std::string("forcing/tb3307/") + f)));
  }
  std::string runTool(const std::string& answers = "model.14\n") {
    return run(answers, [](vm::Console& c) { vm::tb3307extract(c); });
  }
  static std::string expected(const std::string& f) { return readFile(testData("forcing/tb3307/expected/" + f)); }
};

const char* const kBanner =
    "\n -----------------------------------------------------\n"
    " This Program Extracts Harmonic Constiutents from the \n"
    " TB3307 Tidal Database\n"
    " -----------------------------------------------------\n\n"
    " Enter the name of the grid file to interpolate\n\n";

TEST_F(Tb3307Test, ReproducesTheReferenceRun) {
  copyData();
  const std::string out = runTool();
  EXPECT_EQ(out, kBanner + expected("console.txt"));
  EXPECT_EQ(readFile("tides.in"), expected("tides.in"));
  EXPECT_EQ(readFile("tides.out"), expected("tides.out"));
  EXPECT_EQ(readFile("model.14.TB3307"), expected("model.14.TB3307"));
}

TEST_F(Tb3307Test, InterpolationOfZeroAmplitudesAndPhasesAboveHalfATurn) {
  copyData();
  runTool();
  const std::string forcing = readFile("model.14.TB3307");
  // The third constituent of the data file (P1) is zero everywhere: output position 2,
  // code 2, amplitude 0 and phase 0 at every point.
  const size_t p1 = forcing.find("P1        \n");
  ASSERT_NE(p1, std::string::npos);
  EXPECT_EQ(forcing.substr(p1 + 11, 57), "  0.0000000000E+00  0.0000000000E+00         2         1\n");
  // M2 (data file position 6, output position 6, code 7) has phases of 200 to 340 degrees
  // at every node, so every interpolated phase is above 180.
  const size_t m2 = forcing.find("M2        \n");
  ASSERT_NE(m2, std::string::npos);
  for (int i = 0; i < 7; ++i) {
    const std::string line = forcing.substr(m2 + 11 + static_cast<size_t>(i) * 57, 57);
    EXPECT_EQ(line.substr(36, 10), "         7");
    EXPECT_GT(std::stod(line.substr(18, 18)), 180.0) << line;
  }
}

TEST_F(Tb3307Test, MeshWithoutOpenBoundaryWritesOnlyThePointFile) {
  writeFile("m.14", "m\n1 3\n1 0 0 1\n2 1 0 1\n3 0 1 1\n1 3 1 2 3\n0\n0\n0\n0\n");
  const std::string out = runTool("m.14\n");
  EXPECT_EQ(out, std::string(kBanner) +
                     "\n QORVEL Grid has been read\n Number of Open Boundary Nodes is            0\n\n"
                     " There are no open boundary nodes: nothing to interpolate.\n");
  EXPECT_EQ(readFile("tides.in"), "         0\n");
  EXPECT_FALSE(std::filesystem::exists("tides.out"));
  EXPECT_FALSE(std::filesystem::exists("m.14.TB3307"));
}

TEST_F(Tb3307Test, DataFileWithOtherThanTenConstituentsIsRefusedBeforeAnyOutput) {
  copyData();
  std::string tdb = readFile("tb3307.tdb");
  writeFile("tb3307.tdb", "9" + tdb.substr(2));
  EXPECT_THROW(runTool(), vm::Failure);
  EXPECT_FALSE(std::filesystem::exists("tides.in"));
  EXPECT_FALSE(std::filesystem::exists("tides.out"));
}

TEST_F(Tb3307Test, NodeMismatchStopsWithItsMessages) {
  copyData();
  // The first point lies in the element of database nodes 18, 19 and 5; the record of
  // node 18 is renumbered 70.
  std::string tdb = readFile("tb3307.tdb");
  const size_t at = tdb.find("\n      18 ");
  ASSERT_NE(at, std::string::npos);
  tdb.replace(at, 10, "\n      70 ");
  writeFile("tb3307.tdb", tdb);
  std::string out;
  try {
    runTool();
    FAIL() << "no stop";
  } catch (const vm::Failure& f) {
    EXPECT_NE(f.status(), 0);
  }
  out = run("model.14\n", [](vm::Console& c) {
    try {
      vm::tb3307extract(c);
    } catch (const vm::Failure&) {
    }
  });
  EXPECT_NE(out.find(" Interpolating Nodes ...\n           1\n"
                     " ERROR FINDING NODE           18  PROGRAM HAS FOUND NODE           70  IN ITS PLACE\n"
                     "  PROGRAM WILL NOW BE TERMINATED\n"),
            std::string::npos)
      << out;
  EXPECT_EQ(out.find("RESULTS HAVE BEEN STORED"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("model.14.TB3307"));
}

TEST_F(Tb3307Test, DatabaseNumbersOutsideTheirCountsAreErrors) {
  copyData();
  std::string grd = readFile("tb3307.grd");
  writeFile("tb3307.grd", grd.substr(0, grd.rfind("\n", grd.size() - 2) + 1) + "    24 3 1 2 21\n");
  EXPECT_THROW(runTool(), vm::Failure);
  writeFile("tb3307.grd", grd.substr(0, grd.rfind("\n", grd.size() - 2) + 1) + "    25 3 1 2 3\n");
  EXPECT_THROW(runTool(), vm::Failure);
}

TEST_F(Tb3307Test, MeshNamedLikeAnOutputIsRefusedBeforeAnythingIsWritten) {
  copyData();
  writeFile("tides.in", readFile("model.14"));
  EXPECT_THROW(runTool("tides.in\n"), vm::Failure);
  EXPECT_EQ(readFile("tides.in"), readFile("model.14"));
}

}  // namespace
