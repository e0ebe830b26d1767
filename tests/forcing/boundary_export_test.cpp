#include <gtest/gtest.h>

#include "core/error.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::readFile;
using vmtest::testData;
using vmtest::writeFile;

class ExportOobTest : public vmtest::ToolTest {};

std::string secondLine(const std::string& text) { return text.substr(text.find('\n') + 1); }

const char* const kMeshLines =
    "mesh\n"
    "1 3\n"
    "1 -89.5 29.25 1\n"
    "2 -89.0 29.0 1\n"
    "3 -89.0 29.5 1\n"
    "1 3 1 2 3\n";

TEST_F(ExportOobTest, WritesLocationAndPointsFilesWithDuplicatesInFileOrder) {
  writeFile("small.14", readFile(testData("forcing/small.14")));
  const std::string out = run("small.14\npts.txt\n2005 08 01 06 00 00\n2005 08 11 06 00 00\n",
                              [](vm::Console& c) { vm::exportoob(c, "unix"); });
  EXPECT_EQ(readFile("tides.OSU"), readFile(testData("forcing/boundary_export.osu")));
  EXPECT_EQ(readFile("pts.txt"), readFile(testData("forcing/boundary_export.points")));
  const std::string dashes(58, '-');
  EXPECT_EQ(out, "\n " + dashes +
                     "\n This Program Exports Open Boundary Nodal Coordinates\n"
                     " to be used as input for the OSU Tidal Model Driver Program\n " +
                     dashes +
                     "\n\n Enter name of grid file\n Enter name of the output points file\n\n"
                     " Enter the Initial DateTime (Year Month Day Hour Min Second)\n YYYY MM DD HH MM SS\n\n"
                     " Enter the Final DateTime (Year Month Day Hour Min Second)\n YYYY MM DD HH MM SS\n\n");
}

TEST_F(ExportOobTest, RunLengthCountsYearsAsQuarterDaysAndIgnoresLeapDays) {
  writeFile("m.14", std::string(kMeshLines) + "1\n1\n1\n1\n0\n0\n");
  run("m.14\np\n2008 12 31 00 00 00\n2009 01 01 00 00 00\n", [](vm::Console& c) { vm::exportoob(c, "unix"); });
  EXPECT_EQ(secondLine(readFile("tides.OSU")).substr(49), "         108000\n");
  // Across a leap day the day of the year ignores it: 2008-02-28 to 2008-03-01 is one day.
  run("m.14\np\n2008 02 28 00 00 00\n2008 03 01 12 30 15\n", [](vm::Console& c) { vm::exportoob(c, "unix"); });
  EXPECT_EQ(secondLine(readFile("tides.OSU")).substr(49), "         131415\n");
  // A century apart does not wrap around.
  run("m.14\np\n1950 01 01 00 00 00\n2050 01 01 00 00 00\n", [](vm::Console& c) { vm::exportoob(c, "unix"); });
  EXPECT_EQ(secondLine(readFile("tides.OSU")).substr(49), "     3155760000\n");
}

TEST_F(ExportOobTest, FieldsThatDoNotFitAreAsterisks) {
  writeFile("m.14", std::string(kMeshLines) + "1\n1\n1\n1\n0\n0\n");
  // The line as the oracle (boundary_export.f90) prints it.
  run("m.14\np\n2008 100 31 00 -5 00\n2008 100 32 06 -5 00\n", [](vm::Console& c) { vm::exportoob(c, "unix"); });
  EXPECT_EQ(secondLine(readFile("tides.OSU")), "  29.25000 270.50000   2008  ** 31 00 ** 00 30            108000\n");
}

TEST_F(ExportOobTest, PointsFileNamingTheMeshIsAskedAgain) {
  writeFile("m.14", std::string(kMeshLines) + "1\n1\n1\n1\n0\n0\n");
  const std::string out = run("m.14\nm.14\ntides.OSU\np\n2008 1 1 0 0 0\n2008 1 2 0 0 0\n",
                              [](vm::Console& c) { vm::exportoob(c, "unix"); });
  EXPECT_EQ(readFile("p"), "           1\n -89.50000  29.25000\n");
  EXPECT_NE(readFile("m.14").find("mesh"), std::string::npos);
  size_t asks = 0;
  for (size_t at = out.find("output points file"); at != std::string::npos; at = out.find("output points file", at + 1))
    ++asks;
  EXPECT_EQ(asks, 3u);
}

TEST_F(ExportOobTest, NodeNumbersOutsideTheNodeCountAreRefused) {
  writeFile("m.14", "mesh\n1 3\n1 0 0 1\n7 1 0 1\n3 0 1 1\n1 3 1 2 3\n1\n1\n1\n1\n0\n0\n");
  EXPECT_THROW(run("m.14\np\n2008 1 1 0 0 0\n2008 1 2 0 0 0\n", [](vm::Console& c) { vm::exportoob(c, "unix"); }),
               vm::Failure);
  // A boundary node that no node line carries (node 2 is missing, 3 is given twice).
  writeFile("m.14", "mesh\n1 3\n1 0 0 1\n3 1 0 1\n3 0 1 1\n1 3 1 2 3\n1\n1\n1\n2\n0\n0\n");
  EXPECT_THROW(run("m.14\np\n2008 1 1 0 0 0\n2008 1 2 0 0 0\n", [](vm::Console& c) { vm::exportoob(c, "unix"); }),
               vm::Failure);
}

class TidalExtractTest : public vmtest::ToolTest {};

TEST_F(TidalExtractTest, OsuConstituentsComeOutInTheToolkitOrder) {
  writeFile("osu.txt", readFile(testData("forcing/osu_result.txt")));
  const std::string out = run("osu.txt\n3\nex.txt\n", [](vm::Console& c) { vm::osuextract(c); });
  EXPECT_EQ(readFile("ex.txt"), readFile(testData("forcing/osu_extract.txt")));
  EXPECT_EQ(out,
            " Enter the name of the OSU file\n Enter the number of stations\n Enter the name of the extract file\n");
}

TEST_F(TidalExtractTest, FesConstituentsComeOutInTheToolkitOrder) {
  writeFile("fes.txt", readFile(testData("forcing/fes_result.txt")));
  const std::string out = run("fes.txt\n2\nfes.out\n", [](vm::Console& c) { vm::fes2004extract(c); });
  EXPECT_EQ(readFile("fes.out"), readFile(testData("forcing/fes_extract.txt")));
  EXPECT_EQ(out,
            " Enter the name of the FES2004 file\n Enter the number of stations\n"
            " Enter the name of the extract file\n");
}

TEST_F(TidalExtractTest, ExtractFileNamingTheResultFileIsAskedAgain) {
  writeFile("fes.txt", readFile(testData("forcing/fes_result.txt")));
  run("fes.txt\n1\nfes.txt\nfes.out\n", [](vm::Console& c) { vm::fes2004extract(c); });
  EXPECT_EQ(readFile("fes.txt"), readFile(testData("forcing/fes_result.txt")));
  EXPECT_EQ(readFile("fes.out").substr(0, 53), " Q1\n      1.009000     19.123456         1         1\n");
}

}  // namespace
