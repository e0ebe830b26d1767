#include "converters/convtest.hpp"
#include "tools.hpp"

namespace vmtest {
namespace {

const std::string kR2 = " VANTE-RVT_R2   30.500000000000000       -88.500000000000000     \n";

class VanteRvt : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    writeFile("list.txt", text({"2", "caption", "R1 w1.txt l1.txt 29.5 -89.5 0.1", "R2 w2.txt l2.txt 30.5 -88.5 -0.2"}));
    // K = 0: headers only, and the water-level records are not read.
    writeFile("w2.txt", "0\n" + filler(8));
    writeFile("l2.txt", filler(7) + text({"08/29/05 14:00 0.50"}));
  }
  std::string convert() {
    return run("list.txt\n", [](vm::Console& c) { vm::vantervt(c); });
  }
};

TEST_F(VanteRvt, FourFilesFromTwoRawFiles) {
  writeFile("w1.txt", "3\n" + filler(8) +
                          text({"8 29 05 14 1.2 6.5 9.0 0.0", "8 29 05 15 1.3 6.6", "9.1 0.0", "12 31 99 23 0.5 4.0 5.0 1.0"}));
  writeFile("l1.txt", filler(7) + text({"08/29/05 14:00 0.50", "08/29/05 14:06 -", "08/29/05 14:12",
                                         "08/29/05 14:18 1.0"}));
  EXPECT_EQ(convert(), text({" Enter the name of the VANTE-RVT station list", " Processing station Id:            1 R1",
                             " Processing station Id:            2 R2"}));
  for (const char* q : {"hs", "tp", "tm", "watlev"})
    EXPECT_EQ(readFile(std::string(q) + "_VANTE-RVT.TALVO"), reference(std::string("vantervt_") + q + ".txt")) << q;
}

TEST_F(VanteRvt, ShortFilesAndBadRecords) {
  // A water-level file shorter than K ends early.
  writeFile("w1.txt", "2\n" + filler(8) + text({"8 29 05 14 1.2 6.5 9.0 0.0", "8 29 05 15 1.3 6.6 9.1 0.0"}));
  writeFile("l1.txt", filler(7) + text({"08/29/05 14:00 0.50"}));
  convert();
  EXPECT_EQ(linesFrom(readFile("watlev_VANTE-RVT.TALVO"), 5),
            text({"   2005      8     29     14      0      0        0.6000"}) + kR2);
  // A wave file with fewer than K records, or a date that is not a number, stops the run.
  writeFile("w1.txt", "3\n" + filler(8) + text({"8 29 05 14 1.2 6.5 9.0 0.0"}));
  EXPECT_THROW(convert(), vm::Failure);
  writeFile("w1.txt", "1\n" + filler(8) + text({"8 29 05 14 1.2 6.5 9.0 0.0"}));
  writeFile("l1.txt", filler(7) + text({"08/2x/05 14:00 0.50"}));
  EXPECT_NE(stopMessage([&] { convert(); }).find("l1.txt, line 8"), std::string::npos);
  // A wave-file year too large to take the 2000 stops the run at its record.
  writeFile("w1.txt", "2\n" + filler(8) + text({"8 29 05 14 1.2 6.5 9.0 0.0", "8 29 2147483000 15 1.3 6.6 9.1 0.0"}));
  EXPECT_NE(stopMessage([&] { convert(); }).find("w1.txt, line 11: the year 2147483000 is out of range"),
            std::string::npos);
  EXPECT_EQ(linesFrom(readFile("hs_VANTE-RVT.TALVO"), 5), "   2005      8     29     14      0      0        1.2000\n");
}

}  // namespace
}  // namespace vmtest
