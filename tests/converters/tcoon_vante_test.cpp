#include "converters/convtest.hpp"
#include "tools.hpp"

namespace vmtest {
namespace {

class Tcoon : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    writeFile("list.txt", text({"2", "id desc file lat lon datum conv", "8770570 'Sabine Pass' s1.txt 29.7 -93.87 NAVD 0.25",
                                "8779770 desc s2.txt 26.06 -97.21 NAVD -9999"}));
  }
  std::string convert() {
    return run("list.txt\n", [](vm::Console& c) { vm::tcoon2talvo(c); });
  }
};

TEST_F(Tcoon, DayOfYearOffsetsAndUnreadableRecords) {
  writeFile("s1.txt", filler(19) + text({"2008060 1430 1.0", "", "2008061 0000 abc", "2008366 2359 -0.5"}));
  writeFile("s2.txt", filler(19) + text({"2007060 0005 1.0", "2007365 1200", "  3.5", "2007001 0100"}));
  EXPECT_EQ(convert(), text({" Enter the name of the TCOON station list", " Processing station Id:            1 8770570",
                             " Processing station Id:            2 8779770"}));
  std::string f = readFile("watlev_TCOON_NAVD88.TALVO");
  EXPECT_EQ(f.substr(0, f.find(" TCOON_8770570 ")),
            text({" % TALVO generic format - Water Level (surge)", " % year month day hour min sec watlev (m)",
                  " TCOON UTC NAVD88"}));
  EXPECT_EQ(linesFrom(f, 5), text({"   2008      2     29     14     30      0        1.2500",
                                   "   2008     12     31     23     59      0       -0.2500",
                                   " TCOON_8779770   26.059999999999999       -97.209999999999994     ",
                                   "   2007      3      1      0      5      0        1.0000",
                                   "   2007     12     31     12      0      0        3.5000"}));
}

TEST_F(Tcoon, DatesOutsideTheYearStopTheRun) {
  writeFile("s1.txt", filler(19) + text({"2007366 0000 1.0"}));
  EXPECT_THROW(convert(), vm::Failure);
  writeFile("s1.txt", filler(19) + text({"2007001 0000 1.0", "20x7001 0000 1.0"}));
  EXPECT_NE(stopMessage([&] { convert(); }).find("s1.txt, line 21"), std::string::npos);
  writeFile("s1.txt", filler(18));
  EXPECT_THROW(convert(), vm::Failure);
}

class Vante : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    writeFile("list.txt", text({"2", "id lat lon file datum conv", "V1 29.5 -90.25 v1.txt NAVD88 -9999",
                                "V2 30.0 -91.0 v2.txt NAVD88 0.5"}));
  }
  std::string convert() {
    return run("list.txt\n", [](vm::Console& c) { vm::vante2talvo(c); });
  }
};

TEST_F(Vante, SeparatorsFeetAndLocalTime) {
  writeFile("v1.txt", text({"8/29/2005 10:00 2.5", "12/31/2005 21:00 1.0", "8/9/2005 7:05 1.0", "8/9/2005 7:10   ",
                            "8/9/2005 7:15 M", "", "08/09/2005 07:20 -1.0E0"}));
  writeFile("v2.txt", text({"8/29/2005 10:00 2.5"}));
  convert();
  std::string f = readFile("watlev_VANTE.TALVO");
  EXPECT_EQ(f.substr(0, f.find(" VANTE_V1 ")), text({" % TALVO generic format - Water Level",
                                                      " % year month day hour min sec watlev (m)",
                                                      " VANTE UTC NAVD88"}));
  EXPECT_EQ(linesFrom(f, 5), text({"   2005      8     29     15      0      0        0.7620",
                                   "   2006      1      1      2      0      0        0.3048",
                                   "   2005      8      9     12      5      0        0.3048",
                                   "   2005      8      9     12     10      0     -999.0000",
                                   "   2005      8      9     12     15      0     -999.0000",
                                   "   2005      8      9     12     20      0       -0.3048",
                                   " VANTE_V2   30.000000000000000       -91.000000000000000     ",
                                   "   2005      8     29     15      0      0        0.9144"}));
}

TEST_F(Vante, TenDigitHoursAreCarriedWithoutADayPerStep) {
  // The hour runs from the sixth column after the second slash to the colon: up to ten
  // digits. Such lines are shifted as any other (and must not take seconds each).
  std::string lines;
  for (int k = 0; k < 20; ++k) lines += "8/9/2005 2147483600:05 1.0\n";
  writeFile("v1.txt", lines);
  writeFile("v2.txt", "");
  convert();
  std::string expected;
  for (int k = 0; k < 20; ++k) expected += " 247152      2     18     13      5      0        0.3048\n";
  expected += " VANTE_V2   30.000000000000000       -91.000000000000000     \n";
  EXPECT_EQ(linesFrom(readFile("watlev_VANTE.TALVO"), 5), expected);
}

TEST_F(Vante, LinesWithoutADateStopTheRun) {
  writeFile("v1.txt", text({"8/29/2005 10:00 2.5", "8-29-2005 10:00 2.5"}));
  EXPECT_NE(stopMessage([&] { convert(); }).find("v1.txt, line 2"), std::string::npos);
  writeFile("v1.txt", text({"13/29/2005 10:00 2.5"}));
  EXPECT_THROW(convert(), vm::Failure);
}

}  // namespace
}  // namespace vmtest
