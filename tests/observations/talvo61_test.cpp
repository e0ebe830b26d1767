#include "core/error.hpp"
#include "observations/talvo61_dates.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::readFile;
using vmtest::testData;
using vmtest::writeFile;

const char* const kStations = " 2\n 'Grand Isle' 29.26 -89.95 12 2.0\n B_2 30.5 -90.25\n";

// Three snaps announced, the third cut off after its first station.
const char* const kScalar =
    "Interpolated values at stations\n"
    "          3          2         30         30          1 w\n"
    "   3600.0000000000000               1\n"
    "         1             0.1500000000E+01\n"
    "         2            -0.9999900000E+05\n"
    "   43200.000000000000               2\n"
    "         1            -0.2500000000E+00\n"
    "         2             0.1234567890E+05\n"
    "   86400.000000000000               3\n"
    "         1             0.1000000000E+01\n";

// The model's own station files carry a real time increment in line 2.
const char* const kVector =
    "Interpolated values at stations\n"
    " 2 2 0.3000000E+002 30 2 w\n"
    " 3600.0 1\n"
    " 1 0.15E+01 0.125\n"
    " 2 -99999.0 7.0\n"
    " 43200.0 2\n"
    " 1 -0.25 -99999.0\n"
    " 2 12345.6789 2.0\n";

class Talvo61Test : public vmtest::ToolTest {
 protected:
  std::string driven(const std::string& series, int kind, std::string folder = "") {
    return run("", [&](vm::Console& c) {
      vm::StartDate start{2008, 9, 1, 0, 0};
      std::string st = "gulf.Stations", s = series;
      vm::talvo61(c, "unix", 1, start, st, s, kind, folder);
    });
  }
};

TEST_F(Talvo61Test, InteractiveConversionOfACutSeries) {
  writeFile("gulf.Stations", kStations);
  writeFile("run.61", kScalar);
  std::string out = run("2008 9 1 0 0\n1\n1\n1\n", [](vm::Console& c) {
    vm::StartDate start{0, 0, 0, 0, 0};
    std::string a, b, folder;
    int kind = 0;
    vm::talvo61(c, "unix", 0, start, a, b, kind, folder);
  });
  EXPECT_EQ(readFile("run.61.TALVO"), readFile(testData("observations/talvo61_watlev.txt")));
  const std::string expected =
      " What is the date of the simulation start? (YYYY, MO, DD, HH, MI )\n\n"
      " Enter the name of the Stations ID file\n" +
      vm::FreeLine().i(1).t(") ").t("gulf.Stations").str() + "\n" + vm::FreeLine().i(2).t(") User-Defined").str() +
      "\nEnter Selection:  " + std::string(120 - 0, ' ').replace(0, 13, "gulf.Stations") + "\n\n" +
      " Enter the name of the fort.61 file\n" + vm::FreeLine().i(1).t(") ").t("run.61").str() + "\n" +
      vm::FreeLine().i(2).t(") User-Defined").str() + "\nEnter Selection:  " +
      std::string(120, ' ').replace(0, 6, "run.61") + "\n\n" +
      vm::FreeLine().t("Collecting data for timesnap ").i(1).t(".").str() + "\n" +
      vm::FreeLine().t("Collecting data for timesnap ").i(2).t(".").str() + "\n" +
      vm::FreeLine().t("Collecting data for timesnap ").i(3).t(".").str() + "\n" +
      " TALVO file types:\n   1. watlev - Water Level\n   2. hs     - Significant Wave Height\n"
      "   3. dir    - Mean Wave Direction\n   4. tp     - Peak Period\n   5. tm     - Mean Period\n"
      "   6. hwm    - High Water Mark\n   7. cur    - Current Velocity\n Select Option: \n";
  EXPECT_EQ(out, expected);
}

TEST_F(Talvo61Test, KindOutsideTheMenuIsAskedAgain) {
  writeFile("gulf.Stations", kStations);
  writeFile("run.62", kVector);
  std::string out = run("2008 9 1 0 0\n1\n1\nrun.62\n8\n7\n", [](vm::Console& c) {
    vm::StartDate start{0, 0, 0, 0, 0};
    std::string a, b, folder;
    int kind = 0;
    vm::talvo61(c, "unix", 0, start, a, b, kind, folder);
  });
  EXPECT_EQ(readFile("run.62.TALVO"), readFile(testData("observations/talvo61_current.txt")));
  size_t first = out.find(" TALVO file types:");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(out.find(" TALVO file types:", first + 1), std::string::npos);
}

TEST_F(Talvo61Test, DrivenCurrentsFromOneValueFilesAndFolders) {
  std::filesystem::create_directory("sub");
  writeFile("sub/gulf.Stations", kStations);
  writeFile("run.61", kScalar);
  std::string out = driven("run.61", 7, "sub/");
  EXPECT_EQ(out.find("Enter"), std::string::npos);  // nothing is asked
  EXPECT_EQ(readFile("run.61.TALVO"), readFile(testData("observations/talvo61_current_rt1.txt")));

  // A kind outside 1 to 7 from a caller stops before anything is written.
  EXPECT_THROW(driven("run.61", 9, "sub/"), vm::Failure);
  // A station list shorter than the series' station count is an error.
  writeFile("sub/gulf.Stations", " 1\n A 1 2\n");
  EXPECT_THROW(driven("run.61", 1, "sub/"), vm::Failure);
}

TEST_F(Talvo61Test, RecordTypeThreeHasOneValuePerLineAndSnapsBeyondTheCountAreLeft) {
  writeFile("gulf.Stations", kStations);
  // One snap announced, two present; record type 3 is written by the extraction with one
  // value per station.
  writeFile("r3.62",
            "Interpolated values at stations\n"
            "          1          2         30         30          3 w\n"
            " 3600.0 1\n 1 0.5\n 2 0.75\n"
            " 7200.0 2\n 1 9.0\n 2 9.0\n");
  driven("r3.62", 1);
  EXPECT_EQ(readFile("r3.62.TALVO"),
            " % TALVO generic format - Water Level\n"
            " % year month day hour min sec watlev (m)\n"
            " QORVEL UTC NAVD88\n" +
                vm::FreeLine().t("'Grand Isle'").d(29.26).d(-89.95).str() + "\n" +
                "   2008      9      1      1      0      0        0.5000\n" +
                vm::FreeLine().t("B_2").d(30.5).d(-90.25).str() + "\n" +
                "   2008      9      1      1      0      0        0.7500\n");
}

TEST_F(Talvo61Test, ALabelWithABlankReadsBackAsOneLabel) {
  writeFile("gulf.Stations", kStations);
  writeFile("run.61", kScalar);
  driven("run.61", 1);
  vm::FileReader obs("run.61.TALVO");
  for (int k = 0; k < 3; ++k) obs.need("header");
  std::string label;
  double lat = 0, lon = 0;
  vm::readList(obs, "station header", label, lat, lon);
  EXPECT_EQ(label, "Grand Isle");
  EXPECT_DOUBLE_EQ(lat, 29.26);
  EXPECT_DOUBLE_EQ(lon, -89.95);
}

TEST(Talvo61Dates, WholeSecondsCarriesAndLeapYears) {
  auto date = [](vm::StartDate s, double t) {
    vm::ObsRecord r = vm::snapDate(s, t);
    return std::array<int, 6>{r.year, r.month, r.day, r.hour, r.minute, r.second};
  };
  using D = std::array<int, 6>;
  EXPECT_EQ(date({2008, 9, 1, 0, 0}, 43200), (D{2008, 9, 1, 12, 0, 0}));
  EXPECT_EQ(date({2008, 2, 28, 12, 0}, 86400), (D{2008, 2, 29, 12, 0, 0}));
  EXPECT_EQ(date({2009, 2, 28, 12, 0}, 86400), (D{2009, 3, 1, 12, 0, 0}));
  // Whole hours never come out a minute early.
  EXPECT_EQ(date({2008, 9, 1, 0, 0}, 3600), (D{2008, 9, 1, 1, 0, 0}));
  EXPECT_EQ(date({2008, 9, 1, 0, 0}, 3599.9999), (D{2008, 9, 1, 1, 0, 0}));
  EXPECT_EQ(date({2008, 9, 1, 0, 30}, 7 * 3600), (D{2008, 9, 1, 7, 30, 0}));
  EXPECT_EQ(date({2008, 9, 1, 0, 0}, 119.4), (D{2008, 9, 1, 0, 1, 0}));
  // Past the year's end into the next years, and before the start.
  EXPECT_EQ(date({2008, 12, 31, 23, 0}, 7200), (D{2009, 1, 1, 1, 0, 0}));
  EXPECT_EQ(date({1900, 12, 31, 0, 0}, 86400.0 * 60), (D{1901, 3, 1, 0, 0, 0}));
  EXPECT_EQ(date({2008, 1, 1, 0, 0}, 86400.0 * (366 + 365 + 365 + 365 + 59)), (D{2012, 2, 29, 0, 0, 0}));
  EXPECT_EQ(date({2009, 1, 1, 0, 0}, -60), (D{2008, 12, 31, 23, 59, 0}));
  EXPECT_THROW(vm::snapDate({2009, 13, 1, 0, 0}, 0), vm::Failure);
}

}  // namespace
