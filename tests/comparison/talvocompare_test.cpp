// The comparison tool (option 61) driven in-process: pairing, the two tables, the console
// lines, the checks of the two files and the outputs left behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "comparison/compare_files.hpp"
#include "core/error.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

namespace fs = std::filesystem;
using vmtest::readFile;
using vmtest::writeFile;

std::string header(const std::string& caption = "watlev (m)", const std::string& source = "NOAA UTC NAVD88") {
  return "% TALVO generic format - Water Level\n% year month day hour min sec " + caption + "\n" + source + "\n";
}

const char* const kStationsHead =
    "station,component,n,bias,rmse,sde,r,willmott,obs_peak,obs_peak_time,model_peak,model_peak_time,peak_error,"
    "peak_lag_hours\n";
const char* const kSummaryHead = "component,stations,n,bias,rmse,sde,r,willmott,slope,r2\n";

class CompareTest : public vmtest::ToolTest {
 protected:
  // Runs option 61 on obs.TALVO and model.TALVO, picked as user-defined names.
  std::string compare(const std::string& name = "run") {
    return run("99\nobs.TALVO\n99\nmodel.TALVO\n" + name + "\n",
               [](vm::Console& c) { vm::talvocompare(c, "unix"); });
  }
  std::string failure(const std::string& name = "run") {
    try {
      compare(name);
    } catch (const vm::Failure& f) {
      return f.what();
    }
    ADD_FAILURE() << "the comparison did not stop";
    return {};
  }
  static bool anyOutput(const std::string& name = "run") {
    for (const char* ext : {".stations.csv", ".summary.csv", ".html"})
      if (fs::exists(name + ext) || fs::exists(name + ext + ".part")) return true;
    return false;
  }
};

// S1: observed before the model's span, an exact match, interpolations, a missing model
// neighbour, a missing model value at the exact time, a missing observation, a duplicate
// time (the first counts) and an observation after the span; the model's records come in
// two blocks, out of order, with a later duplicate. S2: equal observed peaks (the earliest
// counts) and a higher model record outside the paired window. S3: no pair at all.
TEST_F(CompareTest, PairsInterpolateAndGiveTheStatisticsComputedByHand) {
  writeFile("obs.TALVO", header() +
                             " S1 29.0 -90.0\n"
                             "2005 8 29 0 0 0 1.0\n"
                             "   2005      8     29      1      0      0        2.0000\n"
                             "2005 8 29 1 30 0 3.0\n"
                             "2005 8 29 2 20 0 4.0\n"
                             "2005 8 29 3 0 0 5.0\n"
                             "2005 8 29 4 0 0 -999\n"
                             "2005 8 29 4 15 0 6.0\n"
                             "2005 8 29 5 0 0 7.0\n"
                             "2005 8 29 5 0 0 99.0\n"
                             "2005 8 29 6 0 0 8.0\n"
                             " S2 1 2\n"
                             "2005 8 29 1 0 0 5\n"
                             "2005 8 29 0 0 0 5\n"
                             " S3 1 2\n"
                             "2005 8 30 0 0 0 5\n");
  writeFile("model.TALVO", header("watlev (m)", "QORVEL UTC NAVD88") +
                               " S1 29.0 -90.0\n"
                               "2005 8 29 1 0 0 2.5\n"
                               "2005 8 29 3 0 0 -999.0000\n"
                               "2005 8 29 2 0 0 9.0\n"
                               "2005 8 29 4 0 0 6.0\n"
                               " S3 1 2\n"
                               "2005 8 29 0 0 0 1\n"
                               "2005 8 29 1 0 0 1\n"
                               " S1 29.0 -90.0\n"
                               "2005 8 29 5 0 0 8.0\n"
                               "2005 8 29 4 0 0 100.0\n"
                               " S2 1 2\n"
                               "2005 8 29 0 0 0 4\n"
                               "2005 8 29 1 0 0 6\n"
                               "2005 8 29 2 0 0 10\n");
  const std::string console = compare();
  // S1 pairs: (2, 2.5) at 1:00, (3, 5.75) at 1:30, (6, 6.5) at 4:15, (7, 8) at 5:00.
  EXPECT_EQ(readFile("run.stations.csv"),
            std::string(kStationsHead) +
                "S1,1,4,1.187500,1.505199,0.924916,0.897124,0.880855,7.000000,2005-08-29 05:00:00,9.000000,"
                "2005-08-29 02:00:00,2.000000,-3.000000\n"
                "S2,1,2,0.000000,1.000000,1.000000,,0.000000,5.000000,2005-08-29 00:00:00,6.000000,"
                "2005-08-29 01:00:00,1.000000,1.000000\n"
                "S3,1,0,,,,,,,,,,,\n");
  EXPECT_EQ(readFile("run.summary.csv"),
            std::string(kSummaryHead) + "1,2,6,0.791667,1.357848,1.103184,0.798584,0.856033,1.130068,0.637737\n");
  EXPECT_NE(console.find("Enter the name of the comparison (no extension): \n"
                         " station          pairs        bias        rmse           r  peak error\n"
                         " S1                   4      1.1875      1.5052      0.8971      2.0000\n"
                         " S2                   2      0.0000      1.0000           -      1.0000\n"
                         " S3                   0           -           -           -           -\n"
                         " all stations         6      0.7917      1.3578      0.7986\n"
                         " Report written to run.html\n"),
            std::string::npos)
      << console;
  EXPECT_TRUE(fs::exists("run.html"));
  EXPECT_FALSE(fs::exists("run.html.part"));
}

TEST_F(CompareTest, DialogueAndWhatTheReportIsGiven) {
  writeFile("obs.TALVO", header("watlev (m)", "NOAA utc NAVD88") +
                             " A 1 2\n"
                             "2005 8 29 1 0 0 1.0\n"
                             "2005 2 29 1 0 0 1.0\n"  // not a leap year
                             "2005 8 29 0 0 0 -999\n"
                             "2005 8 29 24 0 0 1.0\n"
                             " ONLY_OBS 1 2\n"
                             "2100 2 29 0 0 0 1.0\n");
  writeFile("model.TALVO", header("watlev", "QORVEL UTC MSL") +
                               " A 1 2\n"
                               "2004 2 29 0 0 0 1.0\n"
                               "2005 8 29 0 0 0 1.0\n"
                               " ONLY_MODEL 1 2\n");
  const std::string console = compare();
  EXPECT_EQ(console.substr(0, console.find(" station ")),
            "\n Model-Observation Comparison\n\n"
            " Enter the name of the observed TALVO file\n"
            "           1 ) model.TALVO\n"
            "           2 ) obs.TALVO\n"
            "           3 ) User-Defined\n"
            "Enter Selection: Enter User-Defined Filename: obs.TALVO" + std::string(111, ' ') + "\n\n"
            " Enter the name of the model TALVO file\n"
            "           1 ) model.TALVO\n"
            "           2 ) obs.TALVO\n"
            "           3 ) User-Defined\n"
            "Enter Selection: Enter User-Defined Filename: model.TALVO" + std::string(109, ' ') + "\n\n"
            "Enter the name of the comparison (no extension): \n"
            " Warning: the datums differ: \"NAVD88\" in the observed file, \"MSL\" in the model file\n"
            " Warning: the model file names no unit; the unit \"m\" of the observed file is taken for both\n"
            " obs.TALVO: 3 data lines skipped, the date not a calendar date (the first at line 6)\n");
  EXPECT_NE(console.find(" Stations only in the observed file (1):\n   ONLY_OBS\n"
                         " Stations only in the model file (1):\n   ONLY_MODEL\n Report written to run.html\n"),
            std::string::npos)
      << console;

  const vm::cmp::Comparison c = vm::cmp::compareFiles("obs.TALVO", "model.TALVO");
  EXPECT_FALSE(c.hwm);
  EXPECT_EQ(c.components, 1);
  EXPECT_EQ(c.observedFile, "obs.TALVO");
  EXPECT_EQ(c.modelFile, "model.TALVO");
  EXPECT_EQ(c.zone, "utc");
  EXPECT_EQ(c.observedDatum, "NAVD88");
  EXPECT_EQ(c.modelDatum, "MSL");
  EXPECT_EQ(c.unit, "m");
  EXPECT_EQ(c.quantity, "watlev");
  ASSERT_EQ(c.skipped.size(), 1u);
  EXPECT_EQ(c.skipped[0].file, "obs.TALVO");
  EXPECT_EQ(c.skipped[0].count, 3);
  EXPECT_EQ(c.skipped[0].firstLine, 6);
  EXPECT_EQ(c.onlyObserved, std::vector<std::string>{"ONLY_OBS"});
  EXPECT_EQ(c.onlyModel, std::vector<std::string>{"ONLY_MODEL"});
  ASSERT_EQ(c.stations.size(), 1u);
  const vm::cmp::StationResult& a = c.stations[0];
  // Records in time order, missing values kept as gaps.
  ASSERT_EQ(a.observed.t.size(), 2u);
  EXPECT_EQ(vm::formatTime(a.observed.t[0]), "2005-08-29 00:00:00");
  EXPECT_FALSE(a.observed.v[0]);
  EXPECT_EQ(*a.observed.v[1], 1.0);
  EXPECT_EQ(a.model.t.size(), 2u);
  EXPECT_EQ(a.stats.n, 0);  // 1:00 is after the model's last record
  ASSERT_EQ(c.pooled.size(), 1u);
  EXPECT_EQ(c.pooled[0].stations, 0);
  EXPECT_EQ(readFile("run.summary.csv"), std::string(kSummaryHead) + "1,0,0,,,,,,,\n");
}

TEST_F(CompareTest, HighWaterMarksWithADryStationAndAMarkWithoutValue) {
  writeFile("obs.TALVO", header("hwm (m)") +
                             " H1 0 0\n2005 8 29 12 0 0 2.0\n"
                             " H2 0 0\n2005 8 29 12 0 0 3.0\n"
                             " H3 0 0\n2005 8 29 12 0 0 1.5\n"
                             " H4 0 0\n2005 8 29 12 0 0 -999\n"
                             " H5 0 0\n2005 8 29 12 0 0 4.0\n2005 8 29 13 0 0 1.0\n");
  writeFile("model.TALVO", header("watlev (metres)", "QORVEL UTC NAVD88") +
                               " H5 0 0\n2005 8 29 1 0 0 5.0\n"
                               " H1 0 0\n2005 8 29 1 0 0 1.0\n2005 8 29 2 0 0 2.5\n2005 8 29 3 0 0 -999\n"
                               " H2 0 0\n2005 8 29 1 0 0 2.5\n"
                               " H3 0 0\n2005 8 29 1 0 0 -999\n2005 8 29 2 0 0 -1000\n"
                               " H4 0 0\n2005 8 29 1 0 0 1.0\n");
  const std::string console = compare();
  EXPECT_EQ(readFile("run.stations.csv"),
            "station,observed,modelled,difference\n"
            "H1,2.000000,2.500000,0.500000\n"
            "H2,3.000000,2.500000,-0.500000\n"
            "H3,1.500000,,\n"
            "H4,,1.000000,\n"
            "H5,4.000000,5.000000,1.000000\n");
  EXPECT_EQ(readFile("run.summary.csv"),
            std::string(kSummaryHead) + "1,3,3,0.333333,0.707107,0.623610,0.866025,0.869565,1.120690,0.750000\n");
  EXPECT_NE(console.find(" H3                1.5000           -           -  dry in the model\n"
                         " H4                     -      1.0000           -  no valid observed value\n"),
            std::string::npos)
      << console;
  EXPECT_NE(console.find(" all stations: 3 marks, bias 0.3333, rmse 0.7071, r 0.8660, slope 1.1207\n"),
            std::string::npos);

  const vm::cmp::Comparison c = vm::cmp::compareFiles("obs.TALVO", "model.TALVO");
  EXPECT_TRUE(c.hwm);
  EXPECT_EQ(c.dryInModel, std::vector<std::string>{"H3"});
  EXPECT_TRUE(c.stations.empty());
  EXPECT_EQ(c.marks.size(), 5u);
  EXPECT_TRUE(c.warnings.empty());  // a water-level model file is expected in this mode

  // Two values per line are refused in this mode, in either file.
  writeFile("model.TALVO", header() + " H1 0 0\n2005 8 29 1 0 0 1.0 2.0\n");
  EXPECT_EQ(failure(), "model.TALVO, line 5: expected 1 value per data line in a high-water-mark comparison, found 2");
}

TEST_F(CompareTest, TwoValueFilesCompareEachComponentOnItsOwn) {
  writeFile("obs.TALVO", header("cur (m/s)") +
                             " C1 0 0\n"
                             "2005 8 29 0 0 0 1.0 -1.0\n"
                             "2005 8 29 1 0 0 2.0 -999\n"
                             "2005 8 29 2 0 0 3.0 -3.0\n"
                             " C2 0 0\n"
                             "2005 8 29 0 0 0 0.5 0.5\n");
  writeFile("model.TALVO", header("cur (m/s)", "QORVEL UTC NAVD88") +
                               " C2 0 0\n"
                               "2005 8 29 0 0 0 -999 1.0\n"
                               " C1 0 0\n"
                               "   2005      8     29      0      0      0            1.5000000000          -1.5000000000\n"
                               "2005 8 29 2 0 0 2.5 -2.0\n");
  compare();
  EXPECT_EQ(readFile("run.stations.csv"),
            std::string(kStationsHead) +
                "C1,1,3,0.000000,0.408248,0.408248,1.000000,0.888889,3.000000,2005-08-29 02:00:00,2.500000,"
                "2005-08-29 02:00:00,-0.500000,0.000000\n"
                "C1,2,2,0.250000,0.790569,0.750000,1.000000,0.615385,-1.000000,2005-08-29 00:00:00,-1.500000,"
                "2005-08-29 00:00:00,-0.500000,0.000000\n"
                "C2,1,0,,,,,,,,,,,\n"
                "C2,2,1,0.500000,0.500000,0.000000,,,0.500000,2005-08-29 00:00:00,1.000000,2005-08-29 00:00:00,"
                "0.500000,0.000000\n");
  const std::string summary = readFile("run.summary.csv");
  EXPECT_EQ(summary.substr(0, summary.find('\n') + 1), kSummaryHead);
  EXPECT_NE(summary.find("\n1,1,3,"), std::string::npos);
  EXPECT_NE(summary.find("\n2,2,3,"), std::string::npos);
}

TEST_F(CompareTest, ZoneAndUnitRefusalsWriteNothing) {
  writeFile("run.stations.csv", "kept\n");  // an earlier comparison's table stays as it is
  writeFile("obs.TALVO", header() + " A 0 0\n2005 8 29 0 0 0 1\n");
  writeFile("model.TALVO", header("watlev (m)", "QORVEL CST NAVD88") + " A 0 0\n2005 8 29 0 0 0 1\n");
  const std::string zone = failure();
  EXPECT_NE(zone.find("model.TALVO, line 3: "), std::string::npos) << zone;
  EXPECT_NE(zone.find("\"CST\""), std::string::npos) << zone;
  EXPECT_NE(zone.find("\"UTC\""), std::string::npos) << zone;
  EXPECT_NE(zone.find("option 7"), std::string::npos) << zone;
  EXPECT_EQ(readFile("run.stations.csv"), "kept\n");

  writeFile("model.TALVO", header("watlev (ft)", "QORVEL UTC NAVD88") + " A 0 0\n2005 8 29 0 0 0 1\n");
  const std::string unit = failure();
  EXPECT_NE(unit.find("model.TALVO, line 2: the unit \"ft\" differs from the unit \"m\""), std::string::npos) << unit;
  EXPECT_NE(unit.find("(option 7 converts between feet and metres)"), std::string::npos) << unit;
  EXPECT_EQ(readFile("run.stations.csv"), "kept\n");
  EXPECT_FALSE(fs::exists("run.summary.csv") || fs::exists("run.html") || fs::exists("run.stations.csv.part"));

  // Other spellings of one unit, and a zone written in another case, are accepted.
  writeFile("model.TALVO", header("watlev (Meters)", "QORVEL Utc NAVD88") + " A 0 0\n2005 8 29 0 0 0 1\n");
  compare();
  EXPECT_EQ(readFile("run.stations.csv").substr(std::string(kStationsHead).size(), 6), "A,1,1,");
}

// Data lines are read free-format: left-aligned, comma-separated, tabbed, with a sign or a
// D exponent, a comment-ending slash, or a Windows line end, they give what the
// column-aligned line gives.
TEST_F(CompareTest, DataLinesInAnyFreeFormatLayoutReadAlike) {
  writeFile("model.TALVO", header() +
                               " A 0 0\n"
                               "   2005      8     29      0      0      0        1.0000\n"
                               "   2005      8     29      6      0      0        7.0000\n");
  writeFile("obs.TALVO", header() +
                             " A 0 0\n"
                             "2005 8 29 1 0 0 1.5\n"
                             "2005,8,29,2,0,0,2.5D0\n"
                             "\t2005\t8\t29\t3\t0\t0\t+3.5\n"
                             "2005 8 29 4 0 0 .45E1 / a comment\n"
                             "2005 +8 29 5 0 0 5.5\r\n");
  compare();
  // Every observation is 0.5 below the model's line: bias 0.5 over five pairs, r = 1.
  EXPECT_EQ(readFile("run.stations.csv").substr(std::string(kStationsHead).size()),
            "A,1,5,0.500000,0.500000,0.000000,1.000000,0.969697,5.500000,2005-08-29 05:00:00,6.000000,"
            "2005-08-29 05:00:00,0.500000,0.000000\n");
}

TEST_F(CompareTest, LabelsAreQuotedInTheTableOnlyWhenNeeded) {
  const std::string body =
      " 'NOAA,1' 0 0\n2005 8 29 0 0 0 1\n"
      " CRMS\"2 0 0\n2005 8 29 0 0 0 1\n"
      " 'SPACED   ' 0 0\n2005 8 29 0 0 0 1\n";
  writeFile("obs.TALVO", header() + body);
  writeFile("model.TALVO", header() + body + " SPACED 0 0\n");
  compare();
  const std::string t = readFile("run.stations.csv");
  EXPECT_NE(t.find("\n\"NOAA,1\",1,1,0.000000,"), std::string::npos) << t;
  EXPECT_NE(t.find("\n\"CRMS\"\"2\",1,1,"), std::string::npos) << t;
  EXPECT_NE(t.find("\nSPACED,1,1,"), std::string::npos) << t;  // trailing blanks do not count
}

TEST_F(CompareTest, MalformedDataLinesStopTheRunNamingFileAndLine) {
  writeFile("model.TALVO", header() + " A 0 0\n2005 8 29 0 0 0 1\n");
  writeFile("obs.TALVO", header() + "2005 8 29 0 0 0 1\n A 0 0\n");
  EXPECT_EQ(failure(), "obs.TALVO, line 4: a data line before the first station header line; expected a station "
                       "header line first");
  writeFile("obs.TALVO", header() + " A 0 0\n2005 8 29 0 0 0 1\n2005 8 29 1 0 0 1 2\n");
  EXPECT_EQ(failure(), "obs.TALVO, line 6: expected 1 value per data line like line 5, found 2");
  writeFile("obs.TALVO", header() + " A 0 0\n2005 8 29 0 0 0 1 2\n");
  EXPECT_EQ(failure(), "model.TALVO, line 5: expected 2 values per data line like the observed file obs.TALVO, "
                       "found 1");
  writeFile("obs.TALVO", header() + " A 0 0\n2005 8 29 0 0 0 1 2 3\n");
  EXPECT_EQ(failure(), "obs.TALVO, line 5: expected one or two values after the date and time, found more");
  writeFile("obs.TALVO", header() + " A 0 0\n2005 8 29 0 0.5 0 1\n");
  EXPECT_NE(failure().find("obs.TALVO, line 5: expected year, month"), std::string::npos);
  writeFile("obs.TALVO", header() + " A 0 0\n2005 8 29 0 0 0 x\n");
  EXPECT_NE(failure().find("obs.TALVO, line 5: expected"), std::string::npos);
  writeFile("obs.TALVO", header() + " A 0 0\n2005 8 29 0 0 0\n");
  EXPECT_NE(failure().find("obs.TALVO, line 5: expected"), std::string::npos);
  writeFile("obs.TALVO", "% TALVO generic format - Water Level\n");
  EXPECT_NE(failure().find("obs.TALVO: unexpected end of file"), std::string::npos);
  EXPECT_FALSE(anyOutput());
}

TEST_F(CompareTest, ANameWhoseOutputsWouldReplaceAnInputIsAskedAgain) {
  writeFile("obs.TALVO", header() + " A 0 0\n2005 8 29 0 0 0 1\n");
  writeFile("model.TALVO", header() + " A 0 0\n2005 8 29 0 0 0 1\n");
  fs::copy_file("obs.TALVO", "cmp.summary.csv");
  const std::string console = run("99\ncmp.summary.csv\n99\nmodel.TALVO\ncmp\nok\n",
                                  [](vm::Console& c) { vm::talvocompare(c, "unix"); });
  EXPECT_NE(console.find("Enter the name of the comparison (no extension): "
                         " The output file cmp.summary.csv would replace the input file cmp.summary.csv; enter "
                         "another name.\n\n"
                         "Enter the name of the comparison (no extension): \n"),
            std::string::npos)
      << console;
  EXPECT_EQ(readFile("cmp.summary.csv"), readFile("obs.TALVO"));
  EXPECT_TRUE(fs::exists("ok.summary.csv"));
}

// Through the menu of the built program: a completed run, then a refused one that ends the
// program with one line on standard error and a non-zero status.
TEST_F(CompareTest, ThroughTheMenuOfTheProgram) {
  writeFile("obs.TALVO", header() + " A 0 0\n2005 8 29 0 0 0 1\n");
  writeFile("model.TALVO", header() + " A 0 0\n2005 8 29 0 0 0 1.25\n");
  vmtest::ProgramRun r = vmtest::runProgram("61\n2\n1\nrun\n99\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find(" Report written to run.html\n\n Yatta!\n"), std::string::npos) << r.out;
  EXPECT_NE(readFile("run.stations.csv").find("\nA,1,1,0.250000,"), std::string::npos);

  writeFile("model.TALVO", header("watlev (m)", "QORVEL EST NAVD88") + " A 0 0\n2005 8 29 0 0 0 1\n");
  r = vmtest::runProgram("61\n2\n1\nagain\n99\n");
  EXPECT_NE(r.status, 0);
  EXPECT_EQ(r.err.find("velmorant: model.TALVO, line 3: the time zone \"EST\" differs"), 0u) << r.err;
  EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);
  EXPECT_FALSE(anyOutput("again"));
}

}  // namespace
