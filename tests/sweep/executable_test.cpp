// A few damaged inputs of the sweep through the built program: one clear line on standard
// error naming the file, a non-zero exit status, no return to the menu; and what was
// written before the stop is on disk afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/tooltest.hpp"
#include "sweep/sweep.hpp"

namespace sweep {
namespace {

namespace fs = std::filesystem;
using vmtest::readFile;
using vmtest::writeFile;

class ProgramStops : public vmtest::ToolTest {
 protected:
  using Result = vmtest::ProgramRun;
  Result velmorant(const std::string& answers) { return vmtest::runProgram(answers); }
  // Exactly one line, "velmorant: ..." naming `name`; a status that is neither 0 nor the
  // timeout's; the menu never shown again.
  void expectOneClearStop(const Result& r, const std::string& name, const std::string& what) {
    EXPECT_NE(r.status, 0) << what;
    EXPECT_NE(r.status, 124) << what << ": the program did not end";
    EXPECT_EQ(r.err.rfind("velmorant: ", 0), 0u) << what << ": " << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << what << ": " << r.err;
    EXPECT_NE(r.err.find(name), std::string::npos) << what << ": " << r.err;
    EXPECT_EQ(r.out.find("Yatta!"), std::string::npos) << what;
  }
};

// One damaged input of a base run, through the menu.
struct Case {
  int option;
  std::string file;
  Damage damage;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << "option " << c.option << ", " << c.file << " " << damageName(c.damage);
}

class DamagedInput : public ProgramStops, public ::testing::WithParamInterface<Case> {};

TEST_P(DamagedInput, StopsWithOneLineNamingTheFile) {
  const Case& c = GetParam();
  Scenario sc = scenario(c.option);
  size_t k = 0;
  while (sc.files[k].name != c.file) ++k;
  const Damaged d = damagesOf(sc.files[k].content)[static_cast<size_t>(c.damage)];
  ASSERT_FALSE(d.skip);
  lay(sc);
  if (d.content)
    writeFile(c.file, *d.content);
  else
    fs::remove(c.file);
  const Result r = velmorant(std::to_string(c.option) + "\n" + sc.answers + "99\n");
  expectOneClearStop(r, c.file, c.file + " " + damageName(c.damage));
  for (size_t j = 0; j < sc.files.size(); ++j)
    if (j != k) {
      EXPECT_EQ(readFile(sc.files[j].name), sc.files[j].content) << sc.files[j].name;
    }
}

INSTANTIATE_TEST_SUITE_P(Handful, DamagedInput,
                         ::testing::Values(Case{4, "flags.txt", Damage::Removed}, Case{10, "m.14", Damage::TextMiddle},
                                           Case{13, "list", Damage::Emptied}, Case{22, "v1.txt", Damage::TextMiddle},
                                           Case{31, "run.cntrl", Damage::BeforeLast},
                                           Case{44, "tb3307.tdb", Damage::CutMiddle},
                                           Case{45, "grid.14", Damage::TextFirst},
                                           Case{52, "profiles.txt", Damage::TextLast}));

TEST_F(ProgramStops, TruncatedSeriesEndsEarlyAndReturnsToTheMenu) {
  const Scenario& sc = scenario(10);
  lay(sc);
  const std::string& g = sc.files[2].content;
  writeFile("g.63", g.substr(0, g.rfind(" 1 1.5")));  // the second snap loses its node lines
  const Result r = velmorant("10\n" + sc.answers + "99\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("Time series extracted successfully!"), std::string::npos);
  EXPECT_NE(r.out.find(" Yatta!"), std::string::npos);
}

TEST_F(ProgramStops, AnswersEndingEarlyStopWithoutWaiting) {
  for (int option : {6, 31, 52}) {
    const Scenario& sc = scenario(option);
    lay(sc);
    // The answers stop halfway through the base run's.
    std::string answers = sc.answers;
    size_t cut = 0;
    for (int k = 0, half = static_cast<int>(std::count(answers.begin(), answers.end(), '\n')) / 2; k < half; ++k)
      cut = answers.find('\n', cut) + 1;
    const Result r = velmorant(std::to_string(option) + "\n" + answers.substr(0, cut));
    expectOneClearStop(r, "standard input", "option " + std::to_string(option));
  }
}

// Lines written before a fatal stop are on disk after the program has ended, in order,
// also when they are more than the output buffer holds.
TEST_F(ProgramStops, OutputWrittenBeforeTheStopIsKept) {
  // A converter: 40,000 good records (more than a megabyte of output), then one it cannot read.
  std::string raw = "h1\nh2\nh3\nh4\n";
  const int good = 40000;
  for (int k = 0; k < good; ++k) raw += "09/12/2008 14:30:15 " + std::to_string(k) + ".25\n";
  raw += "09/1x/2008 14:30:15 1.25\n";
  writeFile("s.txt", raw);
  writeFile("list.txt", "1\ncaption\n42 29.25 -89.75 s.txt\n");
  Result r = velmorant("28\nlist.txt\n99\n");
  expectOneClearStop(r, "s.txt, line " + std::to_string(good + 5), "converter");
  const std::string out = readFile("watlev_SLOSH.TALVO");
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 4 + good);
  const std::string last = "   2008      9     12     14     30     15    " + std::to_string(good - 1) + ".2500\n";
  EXPECT_EQ(out.substr(out.size() - last.size()), last);

  // A converter with four outputs stopping in its second station: every file keeps its
  // header and the first station's block.
  const Scenario& noaa = scenario(22);
  lay(noaa);
  writeFile("p1.txt", noaa.files[2].content + "8760922 2008123x 23:54 -0.123\n");
  r = velmorant("22\nlist.txt\n99\n");
  expectOneClearStop(r, "p1.txt, line 10", "NOAA");
  EXPECT_NE(readFile("watlev_NOAA_NAVD_VER.TALVO").find(" NOAA_8761724 "), std::string::npos);
  EXPECT_NE(readFile("watlev_NOAA_MSL_PRE.TALVO").find("      0.7500\n"), std::string::npos);
  EXPECT_EQ(readFile("watlev_NOAA_NAVD_PRE.TALVO").find(" NOAA_"), std::string::npos);

  // A time-series tool stopping in its third snap keeps the two snaps before it.
  const Scenario& ts = scenario(10);
  lay(ts);
  writeFile("g.63",
            "run\n 3 4 300.0 10 1 word more\n 300.0 10\n 1 1.0\n 2 2.0\n 3 3.0\n 4 4.0\n"
            " 600.0 20 2 -99999.0\n 1 1.5\n 2 2.5\n 900.0 30 1 -99999.0\n 7 2.5\n");
  r = velmorant("10\n" + ts.answers + "99\n");
  expectOneClearStop(r, "g.63, line 12: node number 7", "station extraction");
  const std::string series = readFile("gulf.hindcast.61");
  EXPECT_NE(series.find("600.00000000000000"), std::string::npos) << series;
  EXPECT_EQ(std::count(series.begin(), series.end(), '\n'), 2 + 3 + 3 + 1) << series;
}

}  // namespace
}  // namespace sweep
