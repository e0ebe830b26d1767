// The observation editing tools on small files, against outputs written by the Fortran
// runtime (tests/data/obsedit/gen_expected.f90).
#include <string>

#include "core/error.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::readFile;
using vmtest::testData;
using vmtest::writeFile;

// A chooser answer that types the name (a selection past the listed files).
std::string pick(const std::string& name) { return "99\n" + name + "\n"; }

class ObsEdit : public vmtest::ToolTest {
 protected:
  void copyData(std::initializer_list<const char*> names) {
    for (const char* n : names) writeFile(n, data(n));
  }
  static std::string data(const std::string& name) { return readFile(testData("obsedit/" + name)); }
  // Runs the tool and returns the message of the fatal stop it must end with.
  std::string failure(const std::string& answers, void (*tool)(vm::Console&, const std::string&)) {
    try {
      run(answers, [tool](vm::Console& c) { tool(c, "unix"); });
    } catch (const vm::Failure& f) {
      return f.what();
    }
    ADD_FAILURE() << "the tool did not stop";
    return {};
  }
  std::string runTool(const std::string& answers, void (*tool)(vm::Console&, const std::string&)) {
    return run(answers, [tool](vm::Console& c) { tool(c, "unix"); });
  }
};

TEST_F(ObsEdit, FilterTakesTheLastMatchingFlagAndCopiesPastABlankHeader) {
  copyData({"stations.TALVO", "filter_flags.txt"});
  runTool(pick("stations.TALVO") + pick("filter_flags.txt"), vm::talvofilter);
  EXPECT_EQ(readFile("stations.F.TALVO"), data("filter.expected"));
}

TEST_F(ObsEdit, FilterFlagFileOfFourLinesKeepsEveryStation) {
  copyData({"stations.TALVO"});
  writeFile("none.txt", "1\n2\n3\n4\n");
  runTool(pick("stations.TALVO") + pick("none.txt"), vm::talvofilter);
  const std::string out = readFile("stations.F.TALVO");
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 18);
  EXPECT_EQ(out.find("  % TALVO"), 0u);
  writeFile("short.txt", "1\n2\n3\n4\nX42 28.0 -95.0\n");
  EXPECT_NE(failure(pick("stations.TALVO") + pick("short.txt"), vm::talvofilter).find("short.txt, line 5"),
            std::string::npos);
}

TEST_F(ObsEdit, RenameNumbersByPrefixUpToAHeaderItCannotRead) {
  copyData({"stations.TALVO"});
  EXPECT_NE(failure(pick("stations.TALVO"), vm::talvorename).find("stations.TALVO, line 17"), std::string::npos);
  EXPECT_EQ(readFile("stations.N.TALVO"), data("rename.expected"));
  EXPECT_EQ(readFile("stations.N"), data("rename.table.expected"));
}

TEST_F(ObsEdit, MergeAsksAgainForAnUnknownKindAndRefusesItsOwnOutput) {
  copyData({"stations.TALVO"});
  const std::string con = runTool("9\n1\nQORVEL\nm.TALVO\n" + pick("m.TALVO") + pick("stations.TALVO") + "y\n" +
                                      pick("stations.TALVO") + "nope\n",
                                  vm::talvomerge);
  EXPECT_EQ(readFile("m.TALVO"), data("merge.expected"));
  size_t asked = 0;
  for (size_t p = con.find("Select format option"); p != std::string::npos; p = con.find("Select format", p + 1))
    ++asked;
  EXPECT_EQ(asked, 2u);
  EXPECT_NE(con.find("cannot also be merged into itself"), std::string::npos);
}

TEST_F(ObsEdit, AdjustShiftsTimesDatumsAndUnitsButNotMissingValues) {
  const std::pair<std::string, const char*> cases[] = {{"1\nEST\n-5\n", "adjust1.expected"},
                                                       {"2\nMLLW\n-0.15\n", "adjust2.expected"},
                                                       {"3\n", "adjust3.expected"},
                                                       {"4\n", "adjust4.expected"},
                                                       {"9\n", "adjust9.expected"}};
  copyData({"adjust.TALVO"});
  for (const auto& [answers, expected] : cases) {
    runTool(pick("adjust.TALVO") + answers, vm::talvoadjust);
    EXPECT_EQ(readFile("adjust.TALVO.A.TALVO"), data(expected)) << expected;
  }
}

TEST_F(ObsEdit, AdjustTurnsEveryCaptionInMetresIntoTheWaterLevelOne) {
  const std::pair<std::string, std::string> cases[] = {
      {"% year month day hour min sec hs (m)", " % year month day hour min sec watlev (m)"},
      {"% year month day hour min sec dir (deg)  ", "% year month day hour min sec dir (deg)"},
      {"m", "m"}};
  for (const auto& [caption, want] : cases) {
    writeFile("c.TALVO", "kind\n" + caption + "\nA B C\n");
    runTool(pick("c.TALVO") + "9\n", vm::talvoadjust);
    EXPECT_EQ(readFile("c.TALVO.A.TALVO"), "kind\n" + want + "\n A B C\n");
  }
}

TEST_F(ObsEdit, AdjustFallsBackToFiveIntegersWithTheSecondAtZero) {
  writeFile("d.TALVO", "k\nc\nA B C\nS 1 2\n2008 1 1 0 30 45 x\n");
  runTool(pick("d.TALVO") + "9\n", vm::talvoadjust);
  EXPECT_NE(readFile("d.TALVO.A.TALVO").find("\n   2008      1      1      0     30      0       45.0000\n"),
            std::string::npos);
}

TEST_F(ObsEdit, AdjustStopsOnLinesItCannotRead) {
  const std::pair<std::string, std::string> cases[] = {
      {"k\nc\nA B\nS 1 2\n", "e.TALVO, line 3"},                          // a source line of two words
      {"k\nc\nA B C\nS 1 2\n2008 1 1 1.5\n", "e.TALVO, line 5"},          // three integers before the value
      {"k\nc\nA B C\nS 1 2\n2008 13 1 23 0 0 1.0\n", "e.TALVO, line 5"}};  // a month the shift cannot carry
  for (const auto& [body, where] : cases) {
    writeFile("e.TALVO", body);
    EXPECT_NE(failure(pick("e.TALVO") + "1\nEST\n1\n", vm::talvoadjust).find(where), std::string::npos) << body;
  }
}

TEST_F(ObsEdit, CleanMatchesEachStationsFlagsInOrder) {
  copyData({"stations.TALVO", "clean_flags.txt"});
  const std::string con = runTool(pick("stations.TALVO") + pick("clean_flags.txt"), vm::talvoclean);
  EXPECT_EQ(readFile("stations.C.TALVO"), data("clean.expected"));
  EXPECT_NE(con.find("\n X42   28.000000000000000       -95.000000000000000     \n"), std::string::npos);
}

TEST_F(ObsEdit, CleanRefusesAnOutputThatWouldReplaceItsFlagFile) {
  copyData({"stations.TALVO"});
  writeFile("stations.C.TALVO", "X42\n");
  failure(pick("stations.TALVO") + pick("stations.C.TALVO"), vm::talvoclean);
  EXPECT_EQ(readFile("stations.C.TALVO"), "X42\n");
}

}  // namespace
