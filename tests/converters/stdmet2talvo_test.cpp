#include "converters/convtest.hpp"
#include "tools.hpp"

namespace vmtest {
namespace {

std::string out(const std::string& q) { return readFile(q + "_NDBC_STDMET.TALVO"); }

class Stdmet : public ToolTest {
 protected:
  std::string convert() {
    return run("list.txt\n", [](vm::Console& c) { vm::stdmet2talvo(c); });
  }
};

// The buoys' own files: the oldest layout (two-digit years, no minute) with a day repeated
// whose first copy lacks its last hours, a year in which the TIDE column begins in July (rows
// before lack the field), and a real-time file, newest record first, with MM for missing
// values. Each quantity comes out in ascending time, once per time; a station without any
// valid value of a quantity (no MWD in the historical files, no TIDE anywhere) gets no block
// in that file.
TEST_F(Stdmet, RealBuoyFiles) {
  for (const char* f : {"ndbc_46035h1996.txt", "ndbc_46035h2000.txt", "ndbc_46097.txt"})
    writeFile(f, readFile(testData(std::string("converters/networks/") + f)));
  writeFile("list.txt", text({"3", "id file lat lon", "46035 ndbc_46035h1996.txt 57.018 -177.738",
                              "46035 ndbc_46035h2000.txt 57.018 -177.738", "46097 ndbc_46097.txt 44.639 -124.304"}));
  EXPECT_EQ(convert(),
            text({" Enter the name of the station list", " Processing station Id:            1 46035",
                  " Processing station Id:            2 46035", " Processing station Id:            3 46097"}));
  for (const char* q : {"hs", "tp", "tm", "dir"})
    EXPECT_EQ(out(q), readFile(testData(std::string("converters/networks/expected_ndbc_") + q + ".TALVO"))) << q;
  EXPECT_EQ(out("watlev"), text({" % TALVO generic format - Water Level", " % year month day hour min sec watlev (ft)",
                                 " NDBC UTC MLLW"}));
}

// Where rows share a time the first valid value in file order counts, also when an earlier
// row holds a missing-value marker there; 99 (999 for the direction) and above are missing,
// just below is a value; a row may end early; columns are found by name in any order.
TEST_F(Stdmet, FirstValidValuePerTimeAndMissingMarkers) {
  writeFile("a.txt", text({"YYYY MM DD hh mm WD   WSPD GST  WVHT  DPD   APD  MWD  BAR    ATMP  WTMP  DEWP  VIS  TIDE",
                           "2005 08 29 10 50 120 5.0 6.0 99.00 98.99 5.00 999 1000.0 20.0 25.0 999.0 99.0 1.25",
                           "2005 08 29 10 20 120 5.0 6.0  1.00  8.00 99.0 998 1000.0 20.0 25.0 999.0 99.0 99.00", "",
                           "2005 08 29 10 20 120 5.0 6.0  2.00  9.00 6.00 100 1000.0 20.0 25.0 999.0 99.0 -0.50",
                           "2005 08 29 10 50 120 5.0 6.0  3.00 10.00 7.00 200 1000.0 20.0 25.0 999.0 99.0 2.50",
                           "2005 08 29 11 00 120 5.0 6.0  0.50"}));
  writeFile("b.txt",
            "#YY  MM DD hh mm WDIR WSPD GST  WVHT   DPD   APD MWD   PRES  ATMP  WTMP  DEWP  VIS PTDY  TIDE\r\n"
            "#yr  mo dy hr mn degT m/s  m/s     m   sec   sec degT   hPa  degC  degC  degC  nmi  hPa    ft\r\n"
            "2019 04 02 13 50 120  2.0   MM    MM    MM    MM  MM 1007.7  10.7  11.1    MM   MM +0.8    MM\r\n");
  writeFile("c.txt",
            text({"YY MM DD hh TIDE WVHT", "99 01 01 00 0.5 1.0", "98 12 31 23 1.5 MM", "98 12 31 22 1.0 2.5"}));
  writeFile("list.txt", text({"3", "caption", "A a.txt 29.0 -89.0", "B b.txt 44.6 -124.3", "C c.txt 28.0 -88.0"}));
  convert();
  const std::string a = " NDBC_A   29.000000000000000       -89.000000000000000     \n";
  const std::string c = " NDBC_C   28.000000000000000       -88.000000000000000     \n";
  EXPECT_EQ(linesFrom(out("hs"), 4), a +
                                         text({"   2005      8     29     10     20      0        1.0000",
                                               "   2005      8     29     10     50      0        3.0000",
                                               "   2005      8     29     11      0      0        0.5000"}) +
                                         c +
                                         text({"   1998     12     31     22      0      0        2.5000",
                                               "   1999      1      1      0      0      0        1.0000"}));
  EXPECT_EQ(linesFrom(out("tp"), 4), a + text({"   2005      8     29     10     20      0        8.0000",
                                               "   2005      8     29     10     50      0       98.9900"}));
  EXPECT_EQ(linesFrom(out("tm"), 4), a + text({"   2005      8     29     10     20      0        6.0000",
                                               "   2005      8     29     10     50      0        5.0000"}));
  EXPECT_EQ(linesFrom(out("dir"), 4), a + text({"   2005      8     29     10     20      0      998.0000",
                                                "   2005      8     29     10     50      0      200.0000"}));
  EXPECT_EQ(out("watlev"), text({" % TALVO generic format - Water Level", " % year month day hour min sec watlev (ft)",
                                 " NDBC UTC MLLW"}) +
                               a +
                               text({"   2005      8     29     10     20      0       -0.5000",
                                     "   2005      8     29     10     50      0        1.2500"}) +
                               c +
                               text({"   1998     12     31     22      0      0        1.0000",
                                     "   1998     12     31     23      0      0        1.5000",
                                     "   1999      1      1      0      0      0        0.5000"}));
}

// A file that cannot be read stops the run at the line, naming what was expected; the
// stations converted before keep their blocks.
TEST_F(Stdmet, UnreadableFilesStopTheRun) {
  writeFile("good.txt", text({"#YY MM DD hh mm WVHT", "2019 04 02 13 50 1.5"}));
  writeFile("list.txt", text({"2", "caption", "G good.txt 0 0", "X x.txt 0 0"}));
  const std::string head = "#YY MM DD hh mm WVHT DPD\n";
  struct Case {
    std::string content, message;
  } cases[] = {
      {"", "x.txt: unexpected end of file after line 0, expected the column names (a year, MM, DD, hh, ...)"},
      {"\n \n", "x.txt: unexpected end of file after line 2, expected the column names (a year, MM, DD, hh, ...)"},
      {"#YY MM DD mm WVHT\n", "x.txt, line 1: expected the column names, with a year (YY, #YY or YYYY), MM, DD and hh"},
      {head + "2019 04 02 13 50 1.5 7 8\n", "x.txt, line 2: expected at most 7 fields, one per column name; found 8"},
      {head + "2019 04 02 13\n", "x.txt, line 2: expected the date and time fields, found 4 fields"},
      {head + "2019 04 02 13 50 abc 7\n", "x.txt, line 2: expected a number or MM (WVHT), found 'abc'"},
      {head + "2019 04 02 13 50 1.5 nan\n", "x.txt, line 2: expected a number or MM (DPD), found 'nan'"},
      {head + "2019 13 02 13 50 1.5 7\n",
       "x.txt, line 2: expected a real date and time, found '2019 13 02 13 50 1.5 7'"},
      {head + "2019 04 02 1x 50 1.5 7\n", "x.txt, line 2: expected an integer (the hour), found '1x'"},
  };
  for (const Case& k : cases) {
    writeFile("x.txt", k.content);
    EXPECT_EQ(stopMessage([&] { convert(); }), k.message);
    EXPECT_EQ(linesFrom(out("hs"), 4), text({" NDBC_G   0.0000000000000000        0.0000000000000000     ",
                                             "   2019      4      2     13     50      0        1.5000"}));
  }
}

}  // namespace
}  // namespace vmtest
