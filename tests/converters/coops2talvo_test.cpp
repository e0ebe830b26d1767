#include "converters/convtest.hpp"
#include "tools.hpp"

namespace vmtest {
namespace {

const char* const kZonePrompt = "Enter the time zone of the downloads (GMT or LST): ";
const char* const kUnitsPrompt = "Enter the units of the downloads (metric or english): ";
const char* const kDatumPrompt = "Enter the datum of the downloads (for example MLLW, MSL, NAVD): ";

std::string network(const std::string& name) { return readFile(testData("converters/networks/" + name)); }

class Coops : public ToolTest {
 protected:
  std::string convert(const std::string& answers) {
    return run(answers, [](vm::Console& c) { vm::coops2talvo(c); });
  }
};

// The service's own download (header ending in a blank, empty sigma and value fields), a
// predictions file, and two answers of the service instead of data; the zone question
// refuses local time with daylight saving and asks again, as do both questions for words
// they do not know.
TEST_F(Coops, RealDownloadPredictionsAndServiceErrors) {
  writeFile("wl.csv", network("coops_8729108_wl.csv"));
  writeFile("pred.csv", text({"Date Time, Prediction", "2018-10-10 18:00,6.123", "2018-10-10 18:06, -0.5 "}));
  const std::string longError =
      "Error: The requested product (water_level) is not offered at station 8729999 for these dates; choose another "
      "station or product";
  writeFile("err.csv", text({"", longError}));
  writeFile("none.csv",
            "Error: No data was found. This product may not be offered at this station at the requested "
            "time.\r\n");
  writeFile("list.txt", text({"4", "id file lat lon", "8729108 wl.csv 30.1523 -85.6669",
                              "8729108 pred.csv 30.1523 "
                              "-85.6669",
                              "8729999 err.csv 30.0 -85.0", "8729998,none.csv,30.0,-85.0"}));
  const std::string out = convert("list.txt\nLST_LDT\nlocal\ngmt\nFeet\nENGLISH\nmllw\n");
  EXPECT_EQ(
      out,
      std::string(" Enter the name of the station list\n") + kZonePrompt +
          " LST_LDT is refused: local time with daylight saving repeats its hours once a year; download "
          "in GMT or LST\n" +
          kZonePrompt + " Answer GMT or LST\n" + kZonePrompt + kUnitsPrompt + " Answer metric or english\n" +
          kUnitsPrompt + kDatumPrompt +
          text({" Processing station Id:            1 8729108", " Processing station Id:            2 8729108",
                " Processing station Id:            3 8729999", " No data for station ID: " + longError.substr(0, 120),
                " Processing station Id:            4 8729998",
                " No data for station ID: Error: No data was found. This product may not be offered at "
                "this station at the requested time."}));
  EXPECT_EQ(readFile("watlev_COOPS_OBS.TALVO"), network("expected_coops_obs.TALVO"));
  EXPECT_EQ(readFile("watlev_COOPS_PRED.TALVO"),
            text({" % TALVO generic format - Water Level", " % year month day hour min sec watlev (ft)",
                  " COOPS UTC MLLW", " COOPS_8729108   30.152300000000000       -85.666899999999998     ",
                  "   2018     10     10     18      0      0        6.1230",
                  "   2018     10     10     18      6      0       -0.5000"}));
}

// Local standard time and metres; carriage returns and blank lines; other products of the
// service (currents, an empty answer) are not water levels; a file whose rows are all
// missing still gets its block. Times are written as the file holds them.
TEST_F(Coops, StandardTimeMetresAndOtherAnswers) {
  writeFile("hl.csv",
            "Date Time, Water Level, TY, I, L\r\n\r\n2005-08-29 14:18,2.501,HH,0,0\r\n"
            "2005-08-29 02:06,0.25,L,0,0\r\n2005-08-29 02:06,0.26,L,0,0\r\n");
  writeFile("cur.csv", text({"Date Time, Speed, Direction, Bin", "2005-08-29 14:18,1.2,90,1"}));
  writeFile("empty.csv", "");
  writeFile("gap.csv", text({" Date Time , Water Level ", "2005-08-29 15:00,", "2005-08-29 15:06,  "}));
  writeFile("list.txt", text({"4", "caption", "8761724 hl.csv 29.26 -89.96", "8761724 cur.csv 29.26 -89.96",
                              "1 empty.csv 0 0", "8760922 gap.csv 28.93 -89.41"}));
  const std::string out = convert("list.txt\nLst\nMETRIC\nmsl\n");
  EXPECT_EQ(
      out,
      std::string(" Enter the name of the station list\n") + kZonePrompt + kUnitsPrompt + kDatumPrompt +
          text({" Processing station Id:            1 8761724", " Processing station Id:            2 8761724",
                " No data for station ID: Date Time, Speed, Direction, Bin", " Processing station Id:            3 1",
                " No data for station ID: ", " Processing station Id:            4 8760922"}));
  EXPECT_EQ(readFile("watlev_COOPS_OBS.TALVO"),
            text({" % TALVO generic format - Water Level", " % year month day hour min sec watlev (m)",
                  " COOPS LST MSL", " COOPS_8761724   29.260000000000002       -89.959999999999994     ",
                  "   2005      8     29     14     18      0        2.5010",
                  "   2005      8     29      2      6      0        0.2500",
                  "   2005      8     29      2      6      0        0.2600",
                  " COOPS_8760922   28.930000000000000       -89.409999999999997     ",
                  "   2005      8     29     15      0      0     -999.0000",
                  "   2005      8     29     15      6      0     -999.0000"}));
  EXPECT_EQ(readFile("watlev_COOPS_PRED.TALVO"), text({" % TALVO generic format - Water Level",
                                                       " % year month day hour min sec watlev (m)", " COOPS LST MSL"}));
}

// A row of a valid file that cannot be read stops the run at its line; what was written
// before stays.
TEST_F(Coops, UnreadableRowsStopTheRun) {
  writeFile("list.txt", text({"1", "caption", "8761724 a.csv 29.26 -89.96"}));
  const std::string answers = "list.txt\nGMT\nmetric\nNAVD\n";
  for (const char* bad : {"2005-02-29 10:00,1.0", "2005/08/29 10:00,1.0", "2005-08-29 24:00,1.0",
                          "2005-08-29 10:00 1.0", "2005-08-29 10:00,abc", "Error: rate limit"}) {
    writeFile("a.csv", text({"Date Time, Water Level", "2005-08-29 09:54,0.9", bad}));
    EXPECT_NE(stopMessage([&] { convert(answers); }).find("a.csv, line 3: expected"), std::string::npos) << bad;
    EXPECT_EQ(linesFrom(readFile("watlev_COOPS_OBS.TALVO"), 5),
              text({"   2005      8     29      9     54      0        0.9000"}));
  }
}

}  // namespace
}  // namespace vmtest
