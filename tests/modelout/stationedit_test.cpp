// Station files with preferred nodes (listnodes) or new locations (relocator).
#include <gtest/gtest.h>

#include <string>

#include "core/error.hpp"
#include "core/lines.hpp"
#include "core/listin.hpp"
#include "modelout/stationedit.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::readFile;
using vmtest::testData;
using vmtest::writeFile;

const char* const kStations =
    "4 stations\n"
    "GI01 29.2 -90.0 5 2.0\n"
    "\"Grand Isle\" 29.3 -90.1\n"
    "GI02 29.4 -90.2 0 1.5\n"
    "gi01 1.0\n 2.0\n";  // a station read on from the next line

std::string line(const std::string& text, int n) {
  size_t p = 0;
  for (int k = 1; k < n; ++k) p = text.find('\n', p) + 1;
  return text.substr(p, text.find('\n', p) - p + 1);
}

// A line of the expected file without its last item (a node number: one blank and 11 columns).
std::string withoutNode(const std::string& l) { return l.substr(0, l.size() - 13) + "\n"; }

class StationEditTest : public vmtest::ToolTest {
 protected:
  std::string listnodes(const std::string& answers) {
    return run(answers, [](vm::Console& c) { vm::listnodes(c, "unix"); });
  }
  std::string relocator(const std::string& answers) {
    return run(answers, [](vm::Console& c) { vm::relocator(c, "unix"); });
  }
};

TEST_F(StationEditTest, PreferredNodesGoToMatchedStationsAndTheLastEntryWins) {
  writeFile("gulf.Stations", kStations);
  // Five entries announced, three present; "gi01" is not "GI01".
  writeFile("pref.txt", "5\nGI01 100\n'Grand Isle' 7\nGI01,200\n\n");
  std::string console = listnodes("1\n1\n");
  const std::string e = readFile(testData("modelout/stations_expected.txt"));
  EXPECT_EQ(readFile("gulf.P.Stations"), line(e, 1) + line(e, 2) + line(e, 3) + line(e, 4) + line(e, 5));
  const std::string sel = "Enter Selection:  ";
  EXPECT_EQ(console,
            "Enter name of stationfile: \n"
            "           1 ) gulf.Stations\n"
            "           2 ) User-Defined\n" +
                sel + "gulf.Stations" + std::string(107, ' ') + "\n\n" +
                "Enter name of preferred node file: \n"
                "           1 ) pref.txt\n"
                "           2 ) User-Defined\n" +
                sel + "pref.txt" + std::string(112, ' ') + "\n\n");
}

TEST_F(StationEditTest, RelocationReplacesCoordinatesOfMatchedStationsOnly) {
  writeFile("gulf.Stations", kStations);
  writeFile("reloc.txt", "1\nGI02 30.5 -91.5\ngi01 7 7\n");  // the second entry is beyond the count
  std::string console = relocator("1\n1\n");
  const std::string e = readFile(testData("modelout/stations_expected.txt"));
  EXPECT_EQ(readFile("gulf.L.Stations"),
            line(e, 1) + withoutNode(line(e, 2)) + withoutNode(line(e, 3)) + line(e, 6) + line(e, 5));
  EXPECT_NE(console.find("\nEnter name of relocation file: \n"), std::string::npos);
}

TEST_F(StationEditTest, IdsThatNeedQuotesReadBackAsTheSameStation) {
  writeFile("odd.Stations", "3\n'it''s a/b' 1 2\n\"x,y\" 3 4\n'' 5 6\n");
  writeFile("pref.txt", "3\n\"it's a/b\" 11\n'x,y' 12\n'' 13\n");
  listnodes("1\n1\n");
  EXPECT_EQ(readFile("odd.P.Stations"),
            "           3\n"
            " 'it''s a/b'   1.0000000000000000        2.0000000000000000               11\n"
            " 'x,y'   3.0000000000000000        4.0000000000000000               12\n"
            " ''   5.0000000000000000        6.0000000000000000               13\n");
  // The new file is a station file the same entries still match.
  writeFile("moved.txt", "2\n'it''s a/b' -1 -2\n'' -5 -6\n");
  relocator("1\n1\n");  // odd.P.Stations is listed first
  EXPECT_EQ(readFile("odd.P.L.Stations"),
            "           3\n"
            " 'it''s a/b'  -1.0000000000000000       -2.0000000000000000     \n"
            " 'x,y'   3.0000000000000000        4.0000000000000000     \n"
            " ''  -5.0000000000000000       -6.0000000000000000     \n");
}

TEST_F(StationEditTest, OutputNamesReplaceTheLastEightCharacters) {
  EXPECT_EQ(vm::editedStationFileName("gulf.Stations  ", "P.Stations"), "gulf.P.Stations");
  EXPECT_EQ(vm::editedStationFileName("mystations.txt", "L.Stations"), "mystatL.Stations");
  EXPECT_EQ(vm::editedStationFileName("Stations", "P.Stations"), "P.Stations");
  EXPECT_EQ(vm::editedStationFileName("abc", "P.Stations"), "P.Stations");
  EXPECT_EQ(vm::editedStationFileName(std::string(125, 'a'), "P.Stations").size(), 120u);

  writeFile("mystations.txt", "1\nA 1 2\n");
  writeFile("pref.txt", "0\n");
  listnodes("1\nmystations.txt\n2\n");  // typed at the chooser's "User-Defined"
  EXPECT_EQ(readFile("mystatP.Stations"), "           1\n A   1.0000000000000000        2.0000000000000000     \n");
}

TEST_F(StationEditTest, ShortStationFilesAndOutputsNamingAnInputStop) {
  writeFile("a.Stations", "3\nA 1 2\nB 3 4\n");
  writeFile("pref.txt", "1\nA 9\n");
  EXPECT_THROW(listnodes("1\n1\n"), vm::Failure);
  EXPECT_EQ(readFile("a.P.Stations"),
            "           3\n A   1.0000000000000000        2.0000000000000000                9\n"
            " B   3.0000000000000000        4.0000000000000000     \n");

  writeFile("b.Stations", "1\nA 1 2\n");
  writeFile("b.P.Stations", "1\nA 5\n");
  // The second file, typed, is the file the new station file would replace.
  // (listed: a.P.Stations, a.Stations, b.P.Stations, b.Stations)
  try {
    listnodes("4\n2\nb.P.Stations\n");
    FAIL();
  } catch (const vm::Failure& f) {
    EXPECT_NE(std::string(f.what()).find("b.P.Stations would replace an input file"), std::string::npos) << f.what();
  }
  EXPECT_EQ(readFile("b.P.Stations"), "1\nA 5\n");
}

}  // namespace
