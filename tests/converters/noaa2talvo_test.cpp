#include "converters/convtest.hpp"
#include "tools.hpp"

namespace vmtest {
namespace {

class Noaa : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    writeFile("list.txt", text({"2", "stnid file state lat lon conv", "8761724 v1.txt LA 29.263 -89.957 0.5",
                                "0 p1.txt LA 28.932 -89.407 -9999"}));
  }
  // Six header lines, then line 7 of the given length.
  static std::string head(size_t line7) {
    return text({"h1", "h2", "h3", "h4", "h5", "h6", std::string(line7, 'x') + "   "});
  }
};

TEST_F(Noaa, SortsStationsByGradeAndOffset) {
  // Line 7 of 35 characters: verified; the second field is the value; a field that is
  // not a number or a missing second field give -999; a blank line ends the data.
  writeFile("v1.txt", head(35) + text({"8761724 20080901 00:00  1.234  2.345", "8761724 20080901 00:06  1.100  abc",
                                      "8761724 20080901 00:12  1.100", "8761724 20080901 00:18  -1.000 -1.250", "   ",
                                      "8761724 20080901 00:24  9.999  9.999"}));
  // Exactly 34 characters: preliminary, one free-form value.
  writeFile("p1.txt", head(34) + text({"8760922 20080901 01:00 0.75", "8760922 20081231 23:54 -0.123 junk"}));

  std::string out = run("list.txt\n", [](vm::Console& c) { vm::noaa2talvo(c); });
  EXPECT_EQ(out, reference("noaa_console.txt"));
  EXPECT_EQ(readFile("watlev_NOAA_NAVD_VER.TALVO"), reference("noaa_navd_ver.txt"));
  EXPECT_EQ(readFile("watlev_NOAA_MSL_PRE.TALVO"), reference("noaa_msl_pre.txt"));
  const std::string navdHeader = text({" % TALVO generic format - Water Level",
                                       " % year month day hour min sec watlev (m)", " NOAA UTC NAVD88"});
  EXPECT_EQ(readFile("watlev_NOAA_NAVD_PRE.TALVO"), navdHeader);
  EXPECT_EQ(readFile("watlev_NOAA_MSL_VER.TALVO"), text({" % TALVO generic format - Water Level",
                                                         " % year month day hour min sec watlev (m)",
                                                         " NOAA UTC MSL"}));
}

TEST_F(Noaa, EmptyListGivesHeadersOnly) {
  writeFile("list.txt", text({"0", "caption"}));
  std::string out = run("list.txt\n", [](vm::Console& c) { vm::noaa2talvo(c); });
  EXPECT_EQ(out, " Enter the name of the station list\n FINISHED\n");
  for (const char* f : {"watlev_NOAA_NAVD_VER.TALVO", "watlev_NOAA_MSL_VER.TALVO", "watlev_NOAA_NAVD_PRE.TALVO",
                        "watlev_NOAA_MSL_PRE.TALVO"})
    EXPECT_EQ(linesFrom(readFile(f), 4), "") << f;
}

TEST_F(Noaa, BadLinesStopTheRunNamingFileAndLine) {
  writeFile("v1.txt", head(40) + text({"8761724 20080901 00:00  1.234  2.345", "8761724 2008x901 00:06  1.100  1.2"}));
  EXPECT_NE(stopMessage([&] { run("list.txt\n", [](vm::Console& c) { vm::noaa2talvo(c); }); }).find("v1.txt, line 9"), std::string::npos);
  // What was written before the stop stays.
  EXPECT_NE(readFile("watlev_NOAA_NAVD_VER.TALVO").find("1.8450"), std::string::npos);

  // A preliminary value part without a number stops the run too.
  writeFile("v1.txt", head(20) + text({"8761724 20080901 00:00  abc"}));
  EXPECT_THROW(run("list.txt\n", [](vm::Console& c) { vm::noaa2talvo(c); }), vm::Failure);
  // So does a raw file shorter than its seven header lines.
  writeFile("v1.txt", text({"1", "2", "3"}));
  EXPECT_THROW(run("list.txt\n", [](vm::Console& c) { vm::noaa2talvo(c); }), vm::Failure);
}

}  // namespace
}  // namespace vmtest
