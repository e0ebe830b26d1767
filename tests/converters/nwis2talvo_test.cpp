#include "converters/convtest.hpp"
#include "tools.hpp"

namespace vmtest {
namespace {

const char* const kDatumPrompt = "Enter the vertical datum of the converted values (for example NAVD88): ";
const std::string kHead =
    text({" % TALVO generic format - Water Level", " % year month day hour min sec watlev (ft)", " USGS UTC NAVD88"});

// RDB lines: fields joined by tabs.
std::string rdb(std::initializer_list<std::initializer_list<std::string_view>> rows) {
  std::string s;
  for (const auto& row : rows) {
    bool first = true;
    for (std::string_view f : row) {
      if (!first) s += '\t';
      s += f;
      first = false;
    }
    s += '\n';
  }
  return s;
}

class Nwis : public ToolTest {
 protected:
  std::string convert() {
    return run("list.txt\nnavd88\n", [](vm::Console& c) { vm::nwis2talvo(c); });
  }
};

// The service's download of a discharge (00060): the list may not ask for it, and a level
// code finds no column of its own in the file. The same rows under a gage-height name
// convert: zone MST is 7 hours behind UTC, the missing time step stays missing, the offset
// is added, and the comment lines with trailing blanks are passed over.
TEST_F(Nwis, RealDownloadLayout) {
  const std::string real = readFile(testData("converters/networks/nwis_09512500_discharge.rdb"));
  writeFile("nwis.rdb", real);
  writeFile("list.txt", text({"1", "site file lat lon code offset", "09512500 nwis.rdb 34.3153 -112.0646 00060 0"}));
  EXPECT_EQ(stopMessage([&] { convert(); }),
            "list.txt, line 3: the parameter code 00060 is not a water-level code; expected one of 00065, 62614, "
            "62615, 62620, 63158, 63160");
  EXPECT_FALSE(std::filesystem::exists("watlev_USGS_NWIS.TALVO"));

  writeFile("list.txt", text({"1", "caption", "09512500 nwis.rdb 34.3153 -112.0646 00065 1.5"}));
  EXPECT_EQ(stopMessage([&] { convert(); }),
            "nwis.rdb, line 28: no column of parameter 00065 in the column names of line 26: expected one named an "
            "identifier, '_' and 00065");

  std::string renamed = real;
  for (size_t at; (at = renamed.find("01_00060")) != std::string::npos;) renamed.replace(at, 8, "01_00065");
  writeFile("nwis.rdb", renamed);
  EXPECT_EQ(convert(), std::string(" Enter the name of the station list\n") + kDatumPrompt +
                           " Processing station Id:            1 09512500\n");
  EXPECT_EQ(readFile("watlev_USGS_NWIS.TALVO"),
            readFile(testData("converters/networks/expected_nwis_09512500_as_00065.TALVO")));
}

// Local hours that repeat at the end of daylight saving (and skip at its start) become UTC
// times in file order; shifts carry over days, months and years by the Gregorian calendar
// (2000 and 2024 are leap years, 2100 is not), and seconds are kept.
TEST_F(Nwis, DaylightSavingChangeAndCalendarCarries) {
  const std::string names = rdb({{"agency_cd", "site_no", "datetime", "tz_cd", "150155_00065", "150155_00065_cd"},
                                 {"5s", "15s", "20d", "6s", "14n", "10s"}});
  writeFile("dst.rdb", "# Gage height, feet\n" + names +
                           rdb({{"USGS", "08074000", "2021-11-07 00:30", "CDT", "3.01", "P"},
                                {"USGS", "08074000", "2021-11-07 01:00", "CDT", "3.02", "P"},
                                {"USGS", "08074000", "2021-11-07 01:30", "CDT", "3.03", "P"},
                                {"USGS", "08074000", "2021-11-07 01:00", "CST", "3.04", "P"},
                                {"USGS", "08074000", "2021-11-07 01:30", "CST", "3.05", "P"},
                                {"USGS", "08074000", "2022-03-13 01:45", "CST", "2.5", "P"},
                                {"USGS", "08074000", "2022-03-13 03:00", "CDT", "2.6", "P"}}));
  writeFile("cal.rdb", rdb({{"agency_cd", "site_no", "datetime", "tz_cd", "8_62620", "8_62620_cd"}, {"5s"}}) +
                           rdb({{"USGS", "1", "2020-12-31 20:00:30", "EST", "1", "A"},
                                {"USGS", "1", "2100-02-28 20:00", "HST", "2", "A"},
                                {"USGS", "1", "2000-02-28 20:00", "HDT", "3", "A"},
                                {"USGS", "1", "2024-03-01 02:00", "ChST", "4", "A"},
                                {"USGS", "1", "2021-12-31 13:00", "SST", "5", "A"},
                                {"USGS", "1", "2021-06-30 23:59", "AKDT", "6", "A"},
                                {"USGS", "1", "2021-06-30 23:59", "Z", "7", "A"},
                                {"USGS", "1", "2021-07-01 00:00", "AST", "8", "A"},
                                {"USGS", "1", "2021-07-01 00:00", "PDT", "9", "A"}}));
  writeFile("list.txt", text({"2", "caption", "08074000 dst.rdb 29.5 -95.0 00065 -9999", "1 cal.rdb 0 0 62620 -9999"}));
  convert();
  EXPECT_EQ(readFile("watlev_USGS_NWIS.TALVO"),
            kHead + text({" USGS_08074000   29.500000000000000       -95.000000000000000     ",
                          "   2021     11      7      5     30      0        3.0100",
                          "   2021     11      7      6      0      0        3.0200",
                          "   2021     11      7      6     30      0        3.0300",
                          "   2021     11      7      7      0      0        3.0400",
                          "   2021     11      7      7     30      0        3.0500",
                          "   2022      3     13      7     45      0        2.5000",
                          "   2022      3     13      8      0      0        2.6000",
                          " USGS_1   0.0000000000000000        0.0000000000000000     ",
                          "   2021      1      1      1      0     30        1.0000",
                          "   2100      3      1      6      0      0        2.0000",
                          "   2000      2     29      5      0      0        3.0000",
                          "   2024      2     29     16      0      0        4.0000",
                          "   2022      1      1      0      0      0        5.0000",
                          "   2021      7      1      7     59      0        6.0000",
                          "   2021      6     30     23     59      0        7.0000",
                          "   2021      7      1      4      0      0        8.0000",
                          "   2021      7      1      7      0      0        9.0000"}));
}

// Two sites in one file, each with its own comment block and columns: the gage height is
// the fifth column of one block and the seventh of the other. Text codes and empty fields
// are missing values; the offset is added to the others; a site the file does not hold gets
// an empty block and a notice.
TEST_F(Nwis, SeveralSitesTextCodesAndOffsets) {
  writeFile("sites.rdb",
            text({"# Data for the following 2 site(s) are contained in this file", "#", "# Data for site 08074000"}) +
                rdb({{"agency_cd", "site_no", "datetime", "tz_cd", "150155_00065", "150155_00065_cd"},
                     {"5s", "15s", "20d", "6s", "14n", "10s"},
                     {"USGS", "08074000", "2021-01-05 10:00", "CST", "4.10", "P"},
                     {"USGS", "08074000", "2021-01-05 10:15", "CST", "Ice", "P"},
                     {"USGS", "08074000", "2021-01-05 10:30", "CST", "", ""},
                     {"USGS", "08074000", "2021-01-05 10:45", "CST", "***", ""}}) +
                text({"#", "# Data for site 08075000", "#"}) +
                rdb({{"agency_cd", "site_no", "datetime", "tz_cd", "150200_00060", "150200_00060_cd", "150201_00065",
                      "150201_00065_cd"},
                     {"5s", "15s", "20d", "6s", "14n", "10s", "14n", "10s"},
                     {"USGS", "08075000", "2021-01-05 10:00", "CST", "120", "P", "7.25", "P"},
                     {"USGS", "08075000", "2021-01-05 10:15", "CST", "121", "P", "Eqp", "P"},
                     {"USGS", "08075000", "2021-01-05 10:30", "CST", "122", "P", "Ssn"},
                     {"USGS", "08075000", "2021-01-05 10:45", "CST", "123", "P", "-1.5", "P"},
                     {"USGS", "08075000", "2021-01-05 11:00", "CST", "124", "P", "Dis", "P"}}));
  writeFile("list.txt", text({"3", "caption", "08075000 sites.rdb 29.6 -95.1 00065 -9999",
                              "08074000 sites.rdb 29.5 -95.0 00065 1.25", "08076000 sites.rdb 29.7 -95.2 00065 0"}));
  EXPECT_EQ(convert(),
            std::string(" Enter the name of the station list\n") + kDatumPrompt +
                text({" Processing station Id:            1 08075000", " Processing station Id:            2 08074000",
                      " Processing station Id:            3 08076000", " No rows of site 08076000 in sites.rdb"}));
  EXPECT_EQ(readFile("watlev_USGS_NWIS.TALVO"),
            kHead + text({" USGS_08075000   29.600000000000001       -95.099999999999994     ",
                          "   2021      1      5     16      0      0        7.2500",
                          "   2021      1      5     16     15      0     -999.0000",
                          "   2021      1      5     16     30      0     -999.0000",
                          "   2021      1      5     16     45      0       -1.5000",
                          "   2021      1      5     17      0      0     -999.0000",
                          " USGS_08074000   29.500000000000000       -95.000000000000000     ",
                          "   2021      1      5     16      0      0        5.3500",
                          "   2021      1      5     16     15      0     -999.0000",
                          "   2021      1      5     16     30      0     -999.0000",
                          "   2021      1      5     16     45      0     -999.0000",
                          " USGS_08076000   29.699999999999999       -95.200000000000003     "}));
}

// Unknown zone words, daily values (no tz_cd) and unreadable lines stop the run, naming the
// file, the line and what was expected; rows already written stay.
TEST_F(Nwis, UnknownZoneWordsAndOtherLayoutsStopTheRun) {
  writeFile("list.txt", text({"1", "caption", "01 z.rdb 29.5 -95.0 00065 -9999"}));
  const std::string names = rdb({{"agency_cd", "site_no", "datetime", "tz_cd", "7_00065"}, {"5s", "15s", "20d"}});
  const std::string good = rdb({{"USGS", "01", "2021-01-05 10:00", "UTC", "1"}});
  struct Case {
    std::string content, message;
  } cases[] = {
      {names + good + rdb({{"USGS", "01", "2021-01-05 10:15", "XST", "1"}}),
       "z.rdb, line 4: unknown time-zone word 'XST' (tz_cd); expected one of UTC, GMT, Z, AST, ADT, EST, EDT, CST, "
       "CDT, "
       "MST, MDT, PST, PDT, AKST, AKDT, HST, HDT, SST, ChST"},
      {names + good + rdb({{"USGS", "01", "2021-01-05 10:15", "cst", "1"}}),
       "z.rdb, line 4: unknown time-zone word 'cst'"},
      {names + good + rdb({{"USGS", "01", "2021-01-05 10:15", "", "1"}}), "z.rdb, line 4: unknown time-zone word ''"},
      {names + good + rdb({{"USGS", "01", "2021-02-29 10:15", "UTC", "1"}}),
       "z.rdb, line 4: expected a date and time YYYY-MM-DD HH:MM (datetime), found '2021-02-29 10:15'"},
      {names + good + text({"# next site", "USGS\t01"}),
       "z.rdb, line 5: expected the column names (the first one agency_cd)"},
      {names + good +
           rdb({{"agency_cd", "site_no", "datetime", "01_00065_00003"}, {"5s"}, {"USGS", "01", "2021-01-05", "1"}}),
       "z.rdb, line 6: no tz_cd column in the column names of line 4: expected instantaneous values, not daily values"},
  };
  for (const Case& c : cases) {
    writeFile("z.rdb", c.content);
    const std::string stop = stopMessage([&] { convert(); });
    EXPECT_EQ(stop.substr(0, c.message.size()), c.message) << stop;
    EXPECT_EQ(linesFrom(readFile("watlev_USGS_NWIS.TALVO"), 5),
              text({"   2021      1      5     10      0      0        1.0000"}));
  }
}

}  // namespace
}  // namespace vmtest
