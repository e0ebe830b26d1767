#include <filesystem>

#include "converters/convtest.hpp"
#include "tools.hpp"

namespace vmtest {
namespace {

// A CRMS data line: identifier, date, time, twelve other fields, the level in feet, one more.
std::string row(std::string_view id, std::string_view date, std::string_view time, std::string_view level) {
  std::string s = std::string(id) + "," + std::string(date) + "," + std::string(time);
  for (int k = 4; k <= 15; ++k) s += ",q" + std::to_string(k);
  return s + "," + std::string(level) + ",tail";
}

class Crms : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    writeFile("stations.txt", text({"4", "id lon lat conv tz", "0 -90.5 29.5 -9999 -9999", "A -91.25 29.75 -0.1 -9999",
                                    "C -89.0 30.0 0.25 5.9", "D -88.5 30.5 -9999 -6"}));
  }
  std::string convert(const std::string& window) {
    return run(window + "\ndata.csv\nstations.txt\n", [](vm::Console& c) { vm::crms2talvo(c); });
  }
};

TEST_F(Crms, WindowBlocksOffsetsAndShifts) {
  writeFile("data.csv",
            text({"Station ID,Date,Time,...", row("0", "03/01/2008", "00:00:00", "2.5"),
                  row("0", "02/29/2008", "23:59:59", "1.0"),  // a second before the window (leap-year day numbers)
                  row("A", "12/31/2008", "21:00:00", "1.0"),  // the window's end; +5 h into the next year
                  row("A", "12/31/2008", "21:00:01", "1.0"),  // a second after it
                  row("A", "06/15/2007", "10:00:00", "1.0"),  // another year
                  row("A", "06/15/2008", "10:30:15", "  "),   // no level: missing, no offset
                  row("B", "06/15/2008", "10:00:00", "3"),    // not in the stations file
                  row("0", "07/04/2008", "00:30:00", "-0.5"),  // back again: a new block
                  row("C", "07/04/2008", "01:00:00", "1.0"),  // tz 5.9 shifts by 5
                  row("D", "03/01/2008", "02:00:00", "2.0"),  // tz -6 back into February
                  row("  A", "09/01/2008", "00:00:00", "15"),  // leading blanks; five implied decimals
                  ""}));
  std::string out = convert("2008 3 1 0 0 0\n2008,12,31,21,0,0");
  EXPECT_EQ(out, reference("crms_console.txt"));
  EXPECT_EQ(readFile("watlev_CRMS.TALVO"), reference("crms_watlev.txt"));
  EXPECT_EQ(readFile("notfound.txt"), " B\n");
}

TEST_F(Crms, CrossYearWindowStopsBeforeAnyFile) {
  // A month outside the year is asked again; dates in two years end the run, non-zero.
  writeFile("data.csv", text({"caption"}));
  std::istringstream in("2008 13 1 0 0 0\n2008 12 1 0 0 0\n2009 1 1 0 0 0\ndata.csv\nstations.txt\n");
  std::ostringstream out;
  vm::Console con(in, out);
  try {
    vm::crms2talvo(con);
    FAIL() << "no stop";
  } catch (const vm::Failure& f) {
    EXPECT_NE(f.status(), 0);
  }
  EXPECT_EQ(out.str(), text({" What is the initial date? (Year, Month, Day, Hour, Min, Sec)",
                             " The month must be from 1 to 12.",
                             " What is the initial date? (Year, Month, Day, Hour, Min, Sec)",
                             " What is the final date? (Year, Month, Day, Hour, Min, Sec)", "",
                             " Enter the name of the CRMS input file", " Enter the name of the CRMS stations file", "",
                             " Cross-years currently not permitted with this release"}));
  EXPECT_FALSE(std::filesystem::exists("notfound.txt"));
  EXPECT_FALSE(std::filesystem::exists("watlev_CRMS.TALVO"));
}

TEST_F(Crms, BadFieldsStopTheRun) {
  writeFile("data.csv", text({"caption", row("A", "06/15/2008", "10:00:00", "1.0"), row("A", "06/xx/2008", "10:00:00", "1.0")}));
  EXPECT_NE(stopMessage([&] { convert("2008 1 1 0 0 0\n2008 12 31 0 0 0"); }).find("data.csv, line 3"), std::string::npos);
  EXPECT_EQ(linesFrom(readFile("watlev_CRMS.TALVO"), 5), "   2008      6     15     15      0      0        0.2048\n");
  writeFile("data.csv", text({"caption", row("A", "13/15/2008", "10:00:00", "1.0")}));
  EXPECT_THROW(convert("2008 1 1 0 0 0\n2008 12 31 0 0 0"), vm::Failure);
  writeFile("data.csv", text({"caption", row("A", "12/15/2008", "10:00:00", "one")}));
  EXPECT_THROW(convert("2008 1 1 0 0 0\n2008 12 31 0 0 0"), vm::Failure);
}

}  // namespace
}  // namespace vmtest
