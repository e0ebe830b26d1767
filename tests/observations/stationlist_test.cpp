// Station list (talvolist) and high-water marks (wl2hwm).
#include <gtest/gtest.h>

#include <string>

#include "core/error.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::readFile;
using vmtest::writeFile;

const std::string kHeader =
    "% TALVO generic format - Water Level\n"
    "% year month day hour min sec watlev (m)\n"
    "QORVEL UTC NAVD88\n";

const std::string kStorm = kHeader +
    " NOAA_8761724   29.263300000000001       -89.956699999999998     \n"
    "   2005      8     29      0      0      0        1.2345\n"
    "2005 8 29 1 0 0 1.5\n"
    " CRMS_0001  29.1 -90.2   \r\n"
    "   2005      8     29      0      0      0       -999.0000\n"
    "\n"
    " 1998 stationish\n";

class StationListTest : public vmtest::ToolTest {};

TEST_F(StationListTest, ListsEveryStationHeaderAndNamesTheOutputAfterTheInput) {
  writeFile("storm.TALVO", kStorm);
  std::string console = run("1\n", [](vm::Console& c) { vm::talvolist(c, "unix"); });
  EXPECT_EQ(readFile("storm.Stations"),
            "           4\n"
            "  NOAA_8761724   29.263300000000001       -89.956699999999998\n"
            "  CRMS_0001  29.1 -90.2\n"
            "\n"  // the blank station line, copied without trailing blanks
            "  1998 stationish\n");
  EXPECT_EQ(console,
            " Enter the name of the input watlev file\n"
            "           1 ) storm.TALVO\n"
            "           2 ) User-Defined\n"
            "Enter Selection:  storm.TALVO" + std::string(109, ' ') + "\n");
  EXPECT_TRUE(std::filesystem::exists(".tempfile"));
  EXPECT_TRUE(std::filesystem::exists("choosefilelist"));
}

TEST_F(StationListTest, OtherNamesGetStationsAppended) {
  writeFile("gauges.txt", kHeader + " A 1 2\n B 3 4\n C 5 6\n");
  writeFile("TALVO", kHeader + " A 1 2\n");  // no five-character ending before "TALVO" is needed
  writeFile("LVO", kHeader);
  run("1\ngauges.txt\n", [](vm::Console& c) { vm::talvolist(c, "unix"); });
  EXPECT_EQ(readFile("gauges.txt.Stations"), "           3\n  A 1 2\n  B 3 4\n  C 5 6\n");
  run("1\nTALVO\n", [](vm::Console& c) { vm::talvolist(c, "unix"); });
  EXPECT_EQ(readFile("Stations"), "           1\n  A 1 2\n");
  // A name shorter than five characters does not end in "TALVO"; only three header lines: no stations.
  run("1\nLVO\n", [](vm::Console& c) { vm::talvolist(c, "unix"); });
  EXPECT_EQ(readFile("LVO.Stations"), "           0\n");
}

TEST_F(StationListTest, MissingInputAndShortHeaderStopTheRun) {
  EXPECT_THROW(run("1\nnone.TALVO\n", [](vm::Console& c) { vm::talvolist(c, "unix"); }), vm::Failure);
  writeFile("short.TALVO", "% TALVO generic format - Water Level\n");
  EXPECT_THROW(run("1\nshort.TALVO\n", [](vm::Console& c) { vm::talvolist(c, "unix"); }), vm::Failure);
}

const std::string kMax1 = " 2005    8    29    1    0    0    ";
const std::string kReal15 = "   1.5000000000000000     ";
const std::string kMissing = "  -999.00000000000000     ";

TEST_F(StationListTest, HighWaterMarksKeepTheFirstLargestValuePerStation) {
  writeFile("wl.TALVO", kStorm);
  std::string console = run("wl.TALVO\nhwm.TALVO\n", [](vm::Console& c) { vm::wl2hwm(c, "unix"); });
  EXPECT_EQ(console,
            " Enter the name of the input watlev file\n"
            " Enter the name of the output hwm file\n\n");
  const std::string blanks = "                        ";  // six empty fields, four blanks each
  EXPECT_EQ(readFile("hwm.TALVO"),
            " % TALVO generic format - Water Level\n"
            " % year month day hour min sec hwm (m)\n"
            " QORVEL UTC NAVD88\n"
            "  NOAA_8761724   29.263300000000001       -89.956699999999998\n" +
                kMax1 + kReal15 + "\n" +
                "  CRMS_0001  29.1 -90.2\n"
                " " + blanks + kMissing + "\n" +
                " \n"
                " " + blanks + kMissing + "\n" +
                "  1998 stationish\n"
                " " + blanks + kMissing + "\n");
}

TEST_F(StationListTest, HighWaterMarkTiesAndCaptionColumns) {
  // Caption written without the leading blank (as merged files have it), five time columns.
  writeFile("wl.TALVO",
            "% TALVO generic format - Water Level\n"
            "% year month day hour min watlev (m)\n"
            "NOAA UTC NAVD88\n"
            "S1 1 2\n"
            "2005 8 29 1 0 1.5\n"
            "2005 8 29 2 30 1.5\n"
            "2005 8 29 3 0 -1000\n");
  run("wl.TALVO\nout.TALVO\n", [](vm::Console& c) { vm::wl2hwm(c, "unix"); });
  EXPECT_EQ(readFile("out.TALVO"),
            " % TALVO generic format - Water Level\n"
            " % year month day hour min hwm (m)\n"
            " NOAA UTC NAVD88\n"
            " S1 1 2\n"
            " 2005    8    29    1    0    " + kReal15 + "\n");

  // Two leading blanks (after a pass through the filter), three time columns.
  writeFile("d.TALVO",
            "% TALVO generic format - Water Level\n"
            "  % year month day watlev (m)\n"
            "NOAA UTC NAVD88\n"
            "S1 1 2\n"
            "2005 8 29 1.5\n");
  run("d.TALVO\nd.hwm\n", [](vm::Console& c) { vm::wl2hwm(c, "unix"); });
  EXPECT_EQ(readFile("d.hwm"),
            " % TALVO generic format - Water Level\n"
            " % year month day hwm (m)\n"
            " NOAA UTC NAVD88\n"
            " S1 1 2\n"
            " 2005    8    29    " + kReal15 + "\n");
}

TEST_F(StationListTest, HighWaterMarksOfAFileWithoutStationsAndOfBadLines) {
  writeFile("none.TALVO", kHeader);
  run("none.TALVO\nnone.hwm\n", [](vm::Console& c) { vm::wl2hwm(c, "unix"); });
  EXPECT_EQ(readFile("none.hwm"),
            " % TALVO generic format - Water Level\n"
            " % year month day hour min sec hwm (m)\n"
            " QORVEL UTC NAVD88\n");

  writeFile("bad.TALVO", kHeader + "S1 1 2\n2005 8 29 1 0 0 1.5\n2005 8 29 1 0 0 high\n");
  EXPECT_THROW(run("bad.TALVO\nbad.hwm\n", [](vm::Console& c) { vm::wl2hwm(c, "unix"); }), vm::Failure);
  EXPECT_EQ(readFile("bad.hwm").substr(0, 37), " % TALVO generic format - Water Level");  // written before the stop
}

TEST_F(StationListTest, HighWaterMarksRefuseToOverwriteTheirInput) {
  writeFile("wl.TALVO", kStorm);
  std::string console = run("wl.TALVO\n'./wl.TALVO'\nhwm.TALVO\n", [](vm::Console& c) { vm::wl2hwm(c, "unix"); });
  EXPECT_EQ(console,
            " Enter the name of the input watlev file\n"
            " Enter the name of the output hwm file\n"
            " The output file must not be the input file.\n"
            " Enter the name of the output hwm file\n\n");
  EXPECT_EQ(readFile("wl.TALVO"), kStorm);
  EXPECT_TRUE(std::filesystem::exists("hwm.TALVO"));
}

}  // namespace
