#include "converters/convtest.hpp"
#include "tools.hpp"

namespace vmtest {
namespace {

class Slosh : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    writeFile("list.txt", text({"1", "caption", "42 29.25 -89.75 s.txt"}));
  }
  std::string convert() {
    return run("list.txt\n", [](vm::Console& c) { vm::slosh2talvo(c); });
  }
};

TEST_F(Slosh, FixedColumnsAndBareLabels) {
  writeFile("s.txt", text({"h1", "h2", "h3", "h4", "09/12/2008 14:30:15 1.25", " 9/ 1/2008  7: 5: 0   -0.5  x"}));
  EXPECT_EQ(convert(), text({" Enter the name of the SLOSH station list", " Processing station Id:            1 42"}));
  EXPECT_EQ(readFile("watlev_SLOSH.TALVO"),
            text({" % TALVO generic format - Water Level", " % year month day hour min sec watlev (m)",
                  " SLOSH UTC NAVD88", " 42   29.250000000000000       -89.750000000000000     ",
                  "   2008      9     12     14     30     15        1.2500",
                  "   2008      9      1      7      5      0       -0.5000"}));
}

TEST_F(Slosh, LineWithoutALevelStopsTheRun) {
  writeFile("s.txt", text({"h1", "h2", "h3", "h4", "09/12/2008 14:30:15 1.25", "09/12/2008 14:45:00"}));
  EXPECT_NE(stopMessage([&] { convert(); }).find("s.txt, line 6"), std::string::npos);
  EXPECT_EQ(linesFrom(readFile("watlev_SLOSH.TALVO"), 5), "   2008      9     12     14     30     15        1.2500\n");
}

class Csi : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    writeFile("list.txt", text({"1", "caption", "C1 c1.txt -90.25 29.75 NAVD 0"}));
  }
  std::string convert() {
    return run("list.txt\n", [](vm::Console& c) { vm::csi2talvo(c); });
  }
};

TEST_F(Csi, HourRuleMissingValuesAndBlankLedLines) {
  writeFile("c1.txt", text({"header", "09/12/2008 1430 1.5 6.0 9.0 120", "9/1/2008 0 -1 -1.0 -1 -5",
                            " 09/12/2008 1500 2.0 5.0 8.0 90", "", "09/12/2008 7 2.0 -1.5 8.0 0"}));
  EXPECT_EQ(convert(), text({" Enter the name of the CSI station list", " Processing station Id:            1 C1",
                             " c1.txt" + std::string(114, ' ')}));
  for (const char* q : {"hs", "dir", "tm", "tp"})
    EXPECT_EQ(readFile(std::string(q) + "_CSI.TALVO"), reference(std::string("csi_") + q + ".txt")) << q;
}

TEST_F(Csi, UnreadableRestStopsTheRun) {
  writeFile("c1.txt", text({"header", "09/12/2008 1430 1.5 6.0 9.0"}));
  EXPECT_THROW(convert(), vm::Failure);
  writeFile("c1.txt", text({"header", "09-12-2008 1430 1.5 6.0 9.0 12"}));
  EXPECT_THROW(convert(), vm::Failure);
}

std::string ndbcRecord(std::string_view head, std::string_view tail) {
  return std::string(head) + " 1 2 3 4 5 6 7 8 9 10 11 12 13 14 " + std::string(tail);
}

class Ndbc : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    writeFile("list.txt", text({"2", "B1 -88.5 29.5 n1.txt", "B2 -87.5 28.5 n2.txt"}));
  }
  std::string convert() {
    return run("list.txt\n", [](vm::Console& c) { vm::ndbc2talvo(c); });
  }
};

TEST_F(Ndbc, DirectionsTurnedAndRecordsSpanningLines) {
  writeFile("n1.txt", text({ndbcRecord("42001 2008 09 12 14 50", "1.5 0 9.0 6.0 270"),
                            "42001 2008 09 12 15 50 1 2 3 4 5 6 7", "8 9 10 11 12 13 14", "", "2.5 0 10.0 7.0 280",
                            ndbcRecord("42001 2008 09 12 16 50", "-999 0 -999 -999 -999"),
                            ndbcRecord("42001 2008 09 12 17 50", "1.0 0 8.0 5.0 90")}));
  writeFile("n2.txt", text({ndbcRecord("x 2008 1 1 0 0", "1.0 0 8.0 5.0 0"), ndbcRecord("x 2008 1 1 1 0", "1 0 8 5 300"),
                            "x 2008 1 1 2 0 1 2"}));  // cut short by the end of the file
  EXPECT_EQ(convert(), text({" Enter the name of the NDBC station list", " Processing Station: B1" + std::string(118, ' '),
                             " Processing Station: B2" + std::string(118, ' ')}));
  for (const char* q : {"dir", "hs", "tp", "tm"})
    EXPECT_EQ(readFile(std::string(q) + "_NDBC.TALVO"), reference(std::string("ndbc_") + q + ".txt")) << q;
}

TEST_F(Ndbc, CaptionLineInTheListOrUnreadableRecordStopsTheRun) {
  writeFile("list.txt", text({"1", "id lon lat file", "B1 -88.5 29.5 n1.txt"}));
  EXPECT_THROW(convert(), vm::Failure);
  writeFile("list.txt", text({"1", "B1 -88.5 29.5 n1.txt"}));
  writeFile("n1.txt", text({ndbcRecord("42001 2008 09 12 14 50", "MM 0 9.0 6.0 270")}));
  EXPECT_NE(stopMessage([&] { convert(); }).find("n1.txt, line 1"), std::string::npos);
}

}  // namespace
}  // namespace vmtest
