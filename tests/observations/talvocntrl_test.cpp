#include "core/error.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::readFile;
using vmtest::writeFile;

const char* const kMesh = "square\n2 4\n1 0 0 1.0\n2 1 0 2.0\n3 0 1 3.0\n4 1 1 4.0\n1 3 1 2 3\n2 3 2 4 3\n";

class TalvocntrlTest : public vmtest::ToolTest {
 protected:
  std::string chain(const std::string& control) {
    writeFile("run.cntrl", control);
    return run("1\n", [](vm::Console& c) { vm::talvocntrl(c, "unix"); });
  }
  void SetUp() override {
    ToolTest::SetUp();
    std::filesystem::create_directory("sub");
    writeFile("m.14", kMesh);
    writeFile("sub/a.Stations", "1\nA 0.3 0.2\n");
    writeFile("sub/Stations", "2\nB 0.9 0.9\nC 0.1 0.1\n");
    writeFile("wl.63", "run\n 2 4 3600.0 1 1 w\n 3600.0 1\n 1 1.0\n 2 2.0\n 3 3.0\n 4 4.0\n"
                       " 7200.0 2 1 -99999.0\n 1 5.0\n");
    writeFile("cur.64", "run\n 1 4 3600.0 1 2 w\n 3600.0 1 4 -99999.0\n 1 1 2\n 2 1 2\n 3 1 2\n 4 1 2\n");
  }
};

TEST_F(TalvocntrlTest, ChainRunsEveryGroupWithFoldersAndVectors) {
  std::string out = chain(
      "2008 12 31 23 0\nm.14\nrun\n'sub/'\n3\n"
      "2\nwl.63\n1\na.Stations\nStations\n"
      "0\nnothing.63\n1\n"
      "1\ncur.64\n7\na.Stations\n");
  EXPECT_EQ(out.find("Enter name of"), std::string::npos);  // nothing asked after the chooser
  EXPECT_EQ(out.substr(0, 40), " Enter the name of the input cntrl file\n");

  EXPECT_TRUE(std::filesystem::exists("sub/a.Stations.m.14.Summary"));
  EXPECT_TRUE(std::filesystem::exists("sub/a.run.61"));
  EXPECT_TRUE(std::filesystem::exists("sub/.run.61"));
  const std::string a = readFile("sub/a.run.61.TALVO");
  // Dates carry over the new year; in the sparse second snap only corner 1 is wet.
  EXPECT_NE(a.find("   2009      1      1      0      0      0        1.8000\n"), std::string::npos) << a;
  EXPECT_NE(a.find("   2009      1      1      1      0      0        5.0000\n"), std::string::npos) << a;
  const std::string b = readFile("sub/.run.61.TALVO");
  EXPECT_NE(b.find(" B "), std::string::npos);
  EXPECT_NE(b.find(" C "), std::string::npos);
  EXPECT_NE(b.find("   2009      1      1      1      0      0      -999\n"), std::string::npos) << b;
  const std::string cur = readFile("sub/a.run.62.TALVO");
  EXPECT_NE(cur.find(" % TALVO generic format - Current\n"), std::string::npos);
  EXPECT_NE(cur.find("   2009      1      1      0      0      0            1.0000000000            2.0000000000\n"),
            std::string::npos)
      << cur;
}

TEST_F(TalvocntrlTest, BadKindStopsBeforeTheGroupsFirstStationFile) {
  EXPECT_THROW(chain("2008 1 1 0 0\nm.14\nrun\n'sub/'\n1\n1\nwl.63\n8\na.Stations\n"), vm::Failure);
  EXPECT_FALSE(std::filesystem::exists("sub/a.Stations.m.14.Summary"));
  // A control file that ends early.
  EXPECT_THROW(chain("2008 1 1 0 0\nm.14\nrun\n'sub/'\n1\n2\nwl.63\n1\na.Stations\n"), vm::Failure);
  EXPECT_TRUE(std::filesystem::exists("sub/a.run.61.TALVO"));  // what was done before stays
}

}  // namespace
