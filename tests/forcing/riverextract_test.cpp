#include <gtest/gtest.h>

#include <filesystem>

#include "core/error.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::readFile;
using vmtest::testData;
using vmtest::writeFile;

class RiverTest : public vmtest::ToolTest {
 protected:
  void copyData() {
    for (const char* f : {"river.14", "profiles.txt"}) writeFile(f, readFile(testData(std::string("forcing/river/") + f)));
  }
  std::string runTool(const std::string& answers) {
    return run(answers, [](vm::Console& c) { vm::riverextract(c); });
  }
  static std::string expected(const std::string& f) { return readFile(testData("forcing/river/expected/" + f)); }
};

const std::string kHead =
    "\n ----------------------------------------------------------\n"
    " River Boundary Extraction Tool\n"
    " ----------------------------------------------------------\n\n"
    " Enter name of Grid File\n\n"
    " START! READING of Global data:  river.14\n"
    "   |\n"
    "   + \n"
    " GRID SUCCESSFULLY READ!\n"
    "           1           2\n"
    "           2           2\n\n"
    " Useful Information (Avg Flows)\n\n"
    " (3-Days Prior to LandFall to end of Wind Data)\n"
    " Gustav  -  8552 cms (302,000 cfs)\n"
    " Ike     - 12006 cms (424,000 cfs)\n"
    " Katrina -  5069 cms (179,000 cfs)\n"
    " Rita    -  5635 cms (199,000 cfs)\n\n"
    " (Average of 7-Days Prior to LandFall)\n"
    " Gustav  -  8807 cms (311,000 cfs)\n"
    " Ike     - 12318 cms (435,000 cfs)\n"
    " Katrina -  4842 cms (171,000 cfs)\n"
    " Rita    -  5437 cms (192,000 cfs)\n\n";
const std::string kFlowMenu =
    " Select Flow Option (1 or 2):\n  1) Mississippi Flow (Atchafalaya = 30% of Total)\n  2) Manual Entry\n";
const std::string kForcingMenu = " Select River Forcing Option (1 or 2):\n 1) Uniform\n 2) Input from File\n 3) HV27\n";

TEST_F(RiverTest, ManualFlowsFollowingProfilesFromAFile) {
  copyData();
  const std::string out = runTool(
      "river.14\n2\n1000\n'Lower Mississippi at the bar'\n2500.5\nAtch\n2\nprofiles.txt\nriver.out\n");
  EXPECT_EQ(readFile("river.out"), expected("profiles.out"));
  const std::string console = expected("profiles.console");
  const size_t rows = console.find("Linear");
  EXPECT_EQ(out, kHead + kFlowMenu +
                     " Enter Flowrate (cms) for River:           1\n\n Enter River Identification:\n"
                     " Enter Flowrate (cms) for River:           2\n\n Enter River Identification:\n\n" +
                     kForcingMenu + "\n Enter name of River Flow Input File:\n\n Reading Source File\n\n" +
                     console.substr(0, rows) + " " + console.substr(rows) +
                     "\n Enter name of River Flow Output File\n\n");
}

TEST_F(RiverTest, MississippiSplitWithUniformFluxes) {
  copyData();
  const std::string out = runTool("river.14\n1\n7000\n1\nriver.out\n");
  EXPECT_EQ(readFile("river.out"), expected("uniform.out"));
  EXPECT_EQ(out, kHead + kFlowMenu + " Enter Flowrate in Mississippi River (cms)\n\n" + expected("uniform.console") +
                     "\n" + kForcingMenu + "\n\n Enter name of River Flow Output File\n\n");
  // Every node of a river gets the same flux, whatever the spacing of its nodes.
  EXPECT_EQ(readFile("river.out").substr(0, 18), readFile("river.out").substr(12 * 68, 18));
}

TEST_F(RiverTest, BuiltInProfilesOnTheirOwnPoints) {
  copyData();
  const std::string out = runTool("river.14\n1\n7000\n3\nriver.out\n");
  EXPECT_EQ(readFile("river.out"), expected("hv27.out"));
  const std::string console = expected("hv27.console");
  const size_t factors = console.find("Linear");
  EXPECT_NE(out.find(" " + console.substr(factors)), std::string::npos) << out;
}

TEST_F(RiverTest, UnacceptableOptionsAreAskedAgain) {
  copyData();
  const std::string out = runTool("river.14\n3\n0\n1\n7000\n4\n1\nriver.out\n");
  EXPECT_EQ(readFile("river.out"), expected("uniform.out"));
  EXPECT_NE(out.find(kFlowMenu + kFlowMenu + kFlowMenu + " Enter Flowrate"), std::string::npos);
  EXPECT_NE(out.find(kForcingMenu + kForcingMenu + "\n"), std::string::npos);
}

TEST_F(RiverTest, MississippiSplitNeedsExactlyTwoRivers) {
  copyData();
  // A third river: the type-0 segment of two nodes becomes a river.
  std::string mesh = readFile("river.14");
  mesh.replace(mesh.find("2 0\n"), 4, "2 52\n");
  writeFile("river.14", mesh);
  const std::string out = runTool("river.14\n1\n2\n10\n'A'\n20\nB\n30\nC\n1\nriver.out\n");
  EXPECT_NE(out.find(kFlowMenu + " Flow option 1 needs exactly two river boundaries; the grid has           3 .\n" +
                     kFlowMenu + " Enter Flowrate (cms) for River:           1\n"),
            std::string::npos)
      << out;
  EXPECT_EQ(readFile("river.out").substr(18, 50), "     0.00          ! A" + std::string(17, ' ') + "        27\n");
}

TEST_F(RiverTest, ProfileFileBreakingTheRulesWritesNothing) {
  copyData();
  const std::string profiles = readFile("profiles.txt");
  struct Case {
    std::string from, to, message;
  } cases[] = {
      {"2\n4\n", "1\n4\n", " The flow input file holds           1  profiles; the grid has           2  river boundaries."},
      {"\n4\n-91.19", "\n5\n-91.19", " Profile A river with a rather long name has more points than the largest count"},
      {"Second\n3\n-91.80 30.98 0.001\n-91.805 30.98 0.002\n", "Second\n1\n", " Profile Second has fewer than two points."},
      {"-91.805 30.98 0.002", "-91.80 30.98 0.002", " Profile Second has two consecutive points at the same place."},
      {"-91.80 30.98 0.001\n-91.805 30.98 0.002\n-91.81 30.98 0.001", "-91.80 30.98 0\n-91.805 30.98 0\n-91.81 30.98 0",
       " The fluxes interpolated from profile Second carry no discharge"},
  };
  for (const Case& c : cases) {
    std::string p = profiles;
    p.replace(p.find(c.from), c.from.size(), c.to);
    writeFile("bad.txt", p);
    const std::string out = runTool("river.14\n2\n1\na\n2\nb\n2\nbad.txt\n");
    EXPECT_NE(out.find(c.message), std::string::npos) << out;
    EXPECT_EQ(out.find("Output File"), std::string::npos);
  }
}

TEST_F(RiverTest, RiversThatCannotCarryAFlowAreRefused) {
  copyData();
  const std::string mesh = readFile("river.14");
  // No river at all.
  std::string m = mesh;
  for (size_t at; (at = m.find(" 52")) != std::string::npos;) m.replace(at, 3, " 0");
  writeFile("m.14", m);
  std::string out = run("m.14\n", [](vm::Console& c) { vm::riverextract(c); });
  const std::string last = " GRID SUCCESSFULLY READ!\n The grid has no river boundaries (land boundaries of type 52): nothing to do.\n";
  EXPECT_EQ(out.substr(out.size() - last.size()), last);
  // A river of one node, and a river whose two nodes are at the same place.
  m = mesh;
  m.replace(m.find("2 0\n102\n101\n"), 12, "1 52\n102\n1 0\n101\n");
  m.replace(m.find("30\n"), 3, "30\n");
  writeFile("m.14", m);
  out = run("m.14\n", [](vm::Console& c) { vm::riverextract(c); });
  EXPECT_NE(out.find(" River boundary           1  has fewer than two nodes. No output written.\n"), std::string::npos);
  m = mesh;
  m.replace(m.find("2 0\n102\n101\n"), 12, "2 52\n102\n102\n");
  writeFile("m.14", m);
  out = run("m.14\n", [](vm::Console& c) { vm::riverextract(c); });
  EXPECT_NE(out.find(" River boundary           1  has zero length. No output written.\n"), std::string::npos);
  // A river node that no node line carries.
  m = mesh;
  m.replace(m.find("2 0\n102\n101\n"), 12, "2 52\n102\n999\n");
  writeFile("m.14", m);
  EXPECT_THROW(run("m.14\n", [](vm::Console& c) { vm::riverextract(c); }), vm::Failure);
}

TEST_F(RiverTest, LongNamesAreCutAndOutputNamingAnInputIsAskedAgain) {
  copyData();
  runTool("river.14\n2\n1\n'Twenty-three chars long'\n2\nMississippi\n2\nprofiles.txt\nriver.14\nprofiles.txt\nriver.out\n");
  EXPECT_EQ(readFile("river.14"), readFile(testData("forcing/river/river.14")));
  EXPECT_EQ(readFile("profiles.txt"), readFile(testData("forcing/river/profiles.txt")));
  const std::string out = readFile("river.out");
  // "! " and the first 18 characters of the name fill the 20 columns.
  EXPECT_EQ(out.substr(17, 51), "0     0.00          ! Twenty-three chars         1\n");
  EXPECT_NE(out.find("     0.00          ! Mississippi" + std::string(7, ' ') + "        14\n"), std::string::npos);
}

}  // namespace
