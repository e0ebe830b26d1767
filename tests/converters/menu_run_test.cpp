// The converters run from the menu of the built program, with scripted answers.
#include <filesystem>

#include "converters/convtest.hpp"

namespace vmtest {
namespace {

class ConverterRun : public ToolTest {
 protected:
  int velmorant(const std::string& answers) { return runProgram(answers).status; }
};

TEST_F(ConverterRun, ConvertsAndReturnsToTheMenu) {
  writeFile("list.txt", text({"1", "caption", "42 29.25 -89.75 s.txt"}));
  writeFile("s.txt", text({"h", "h", "h", "h", "09/12/2008 14:30:15 1.25"}));
  EXPECT_EQ(velmorant("28\nlist.txt\n99\n"), 0);
  EXPECT_EQ(linesFrom(readFile("watlev_SLOSH.TALVO"), 4),
            text({" 42   29.250000000000000       -89.750000000000000     ",
                  "   2008      9     12     14     30     15        1.2500"}));
  EXPECT_NE(readFile("stdout.txt").find(" Processing station Id:            1 42\n\n Yatta!"), std::string::npos);
}

TEST_F(ConverterRun, FatalStopsExitNonZeroAndKeepOutput) {
  EXPECT_NE(velmorant("21\n2008 1 1 0 0 0\n2009 1 1 0 0 0\na.csv\nb.txt\n99\n"), 0);
  EXPECT_NE(readFile("stdout.txt").find(" Cross-years currently not permitted with this release\n"), std::string::npos);

  writeFile("list.txt", text({"1", "caption", "42 29.25 -89.75 s.txt"}));
  writeFile("s.txt", text({"h", "h", "h", "h", "09/12/2008 14:30:15 1.25", "09/1x/2008 14:30:15 1.25"}));
  EXPECT_NE(velmorant("28\nlist.txt\n99\n"), 0);
  EXPECT_NE(readFile("stderr.txt").find("s.txt, line 6"), std::string::npos) << readFile("stderr.txt");
  EXPECT_NE(readFile("watlev_SLOSH.TALVO").find("1.2500"), std::string::npos);
}

// Today's downloads: a refused zone asked again, then a return to the menu; an unknown zone
// word in an RDB file stops the program with the file and line on standard error.
TEST_F(ConverterRun, DownloadConvertersFromTheMenu) {
  writeFile("list.txt", text({"1", "caption", "8761724 wl.csv 29.26 -89.96"}));
  writeFile("wl.csv", text({"Date Time, Water Level ", "2008-09-01 00:00,1.234"}));
  EXPECT_EQ(velmorant("32\nlist.txt\nlst_ldt\nGMT\nmetric\nNAVD\n99\n"), 0);
  EXPECT_NE(readFile("stdout.txt").find("download in GMT or LST\nEnter the time zone"), std::string::npos);
  EXPECT_EQ(linesFrom(readFile("watlev_COOPS_OBS.TALVO"), 5),
            text({"   2008      9      1      0      0      0        1.2340"}));

  writeFile("list.txt", text({"1", "caption", "1 g.rdb 29.5 -95.0 00065 -9999"}));
  writeFile("g.rdb", text({"agency_cd\tsite_no\tdatetime\ttz_cd\t1_00065", "5s", "USGS\t1\t2021-01-05 10:00\tCET\t1"}));
  EXPECT_NE(velmorant("33\nlist.txt\nNAVD88\n99\n"), 0);
  EXPECT_NE(readFile("stderr.txt").find("g.rdb, line 3: unknown time-zone word 'CET'"), std::string::npos)
      << readFile("stderr.txt");
}

}  // namespace
}  // namespace vmtest
