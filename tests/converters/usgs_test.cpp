#include "converters/convtest.hpp"
#include "tools.hpp"

namespace vmtest {
namespace {

const std::string kPad(117, ' ');

class UsgsDepl : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    writeFile("list.txt", text({"3", "caption", "S1 29.5 -94.0 r1.txt NAVD88 1.5 x surge",
                                "S2 29.6 -94.1 r2.txt NAVD88 0 x Surge", "S3 29.7 -94.2 r3.txt NAVD88 0 x riverine"}));
  }
  std::string convert(const std::string& storm) {
    return run("list.txt\n" + storm + "\n", [](vm::Console& c) { vm::usgsdepl2talvo(c); });
  }
};

TEST_F(UsgsDepl, IkeSitesFeetAndShift) {
  const std::string lines = text({"09/30/2008 23:00 1.0", "09/13/2008 12:00", "3.2", "", "09/13/2008 01:30 -2.0"});
  for (const char* f : {"r1.txt", "r2.txt", "r3.txt"}) writeFile(f, filler(28) + lines);
  EXPECT_EQ(convert("1"), text({" Enter the name of the USGS-DEPL station list", "", " Enter 1 for Ike or 2 for Rita",
                                "", " Processing station Id:            1 S1",
                                " Processing station Id:            2 S2",
                                " Processing station Id:            3 S3"}));
  const std::string data = text({"   2008     10      1      4      0      0        0.3048",
                                 "   2008      9     13     17      0      0        0.9754",
                                 "   2008      9     13      6     30      0       -0.6096"});
  EXPECT_EQ(readFile("watlev_USGS-DEPL_surge.TALVO"),
            text({" % TALVO generic format - Water Level (surge)", " % year month day hour min sec watlev (m)",
                  " USGS-DEPL UTC NAVD88", " USGS-DEPL_S1   29.500000000000000       -94.000000000000000     "}) +
                data);
  EXPECT_EQ(readFile("watlev_USGS-DEPL_beach.TALVO"),
            text({" % TALVO generic format - Water Level (beach)", " % year month day hour min sec watlev (m)",
                  " USGS-DEPL UTC NAVD88"}));
  EXPECT_EQ(linesFrom(readFile("watlev_USGS-DEPL_riverine.TALVO"), 4),
            text({" USGS-DEPL_S3   29.699999999999999       -94.200000000000003     "}) + data);
}

TEST_F(UsgsDepl, RitaHalfDaysAndMissingValuesAfterStormAskedAgain) {
  const std::string lines = text({"9/24/2005 1:30:00 PM 3.2", "9/24/2005 12:15:00 AM 1.0", "9/24/2005 12:15:00 PM 1.0",
                                  "9/24/2005 11:59:30 PM", "09/24/2005 10:00:00 AM x"});
  for (const char* f : {"r1.txt", "r2.txt", "r3.txt"}) writeFile(f, filler(23) + lines);
  std::string out = convert("3\n2");
  EXPECT_NE(out.find(" Enter 1 for Ike or 2 for Rita\n Enter 1 for Ike or 2 for Rita\n\n"), std::string::npos) << out;
  EXPECT_EQ(linesFrom(readFile("watlev_USGS-DEPL_surge.TALVO"), 5),
            text({"   2005      9     24     18     30      0        0.9754",
                  "   2005      9     24      5     15      0        0.3048",
                  "   2005      9     24     17     15      0        0.3048",
                  "   2005      9     25      4     59     30     -999.0000",
                  "   2005      9     24     15      0      0     -999.0000"}));
}

TEST_F(UsgsDepl, UnreadableRecordsStopTheRun) {
  writeFile("r1.txt", filler(28) + text({"09/13/2008 12:00 abc"}));
  EXPECT_THROW(convert("1"), vm::Failure);
  writeFile("r1.txt", filler(23) + text({"9/24/2005 1:30:00 PM 3.2", "9/x/2005 1:30:00 PM 3.2"}));
  EXPECT_NE(stopMessage([&] { convert("2"); }).find("r1.txt, line 25"), std::string::npos);
  writeFile("r1.txt", filler(27));
  EXPECT_THROW(convert("1"), vm::Failure);
}

class UsgsPerm : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    writeFile("list.txt", text({"2", "caption", "P1 29.0 -90.0 p1.txt NAVD88 1.0", "P2 29.1 -90.1 p2.txt NAVD88 -9999"}));
  }
  std::string convert() {
    return run("list.txt\n", [](vm::Console& c) { vm::usgsperm2talvo(c); });
  }
};

TEST_F(UsgsPerm, BothLayoutsAndZoneWords) {
  writeFile("p1.txt", text({"# comment", "#another", "", "  # third", "agency_cd site_no datetime tz_cd value",
                            "5s 15s 20d 6s 14n", "9/5/2008 10:00:00 CDT 2.0", "09/15/2008 10:00:00 CST 2.0",
                            "9/5/2008 1:00:00 EST 2.0", "  20080905 235930 CDT 2.0", "9/5/2008 1:00:00 XYZ1234 2.0"}));
  writeFile("p2.txt", text({"agency", "format", "20081231 220000 CST 2.0"}));
  EXPECT_EQ(convert(), text({" Enter the name of the USGS-PERM station list", " Processing station Id:            1 P1",
                             " EST" + kPad + "P1", " XYZ1234" + std::string(113, ' ') + "P1",
                             " Processing station Id:            2 P2"}));
  EXPECT_EQ(readFile("watlev_USGS-PERM.TALVO"),
            text({" % TALVO generic format - Water Level", " % year month day hour min sec watlev (m)",
                  " USGS-PERM UTC NAVD88", " USGS-PERM_P1   29.000000000000000       -90.000000000000000     ",
                  "   2008      9      5     15      0      0        0.9144",
                  "   2008      9     15     16      0      0        0.9144",
                  "   2008      9      5      1      0      0        0.9144",
                  "   2008      9      6      4     59     30        0.9144",
                  "   2008      9      5      1      0      0        0.9144",
                  " USGS-PERM_P2   29.100000000000001       -90.099999999999994     ",
                  "   2009      1      1      4      0      0        0.6096"}));
}

TEST_F(UsgsPerm, LinesWithoutZoneAndLevelStopTheRun) {
  writeFile("p1.txt", text({"#", "names", "formats", "9/5/2008 10:00:00 CDT 2.0", "9/5/2008 10:00:00 CDT"}));
  EXPECT_NE(stopMessage([&] { convert(); }).find("p1.txt, line 5"), std::string::npos);
  writeFile("p1.txt", text({"#", "names", "formats", "20080905 1000 CDT x"}));
  EXPECT_THROW(convert(), vm::Failure);
  writeFile("p1.txt", text({"# only comments", "#"}));
  EXPECT_THROW(convert(), vm::Failure);
}

}  // namespace
}  // namespace vmtest
