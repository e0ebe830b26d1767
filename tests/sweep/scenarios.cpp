// The base runs of the sweep, one or more per menu option, with the outcome of every
// damage of every input file. Outcome letters, in damage order (removed, emptied, cut in
// the first line, cut in a middle line, cut before the last line, cut in the last line,
// first, middle and last number as text): F stops naming the file, o stops naming a file
// the damaged one names, C completes, - not applicable.
#include <cctype>
#include <filesystem>
#include <stdexcept>

#include "support/tooltest.hpp"
#include "sweep/sweep.hpp"

namespace sweep {

namespace {

// A chooser answer that types the name (a selection past the listed files).
std::string pick(const std::string& name) { return "99\n" + name + "\n"; }

const char* const kWatlev =
    "% TALVO generic format - Water Level\n"
    "% year month day hour min sec watlev (m)\n"
    "NOAA UTC NAVD88\n"
    " NOAA_8761724   29.2633 -89.9573\n"
    "   2008     12     31     20      0      0        1.2345\n"
    "   2008     12     31     21      0      0     -999\n"
    "   2008     12     31     22      0      0        1.5000\n"
    " X42 28.0 -95.0\n"
    "   2008      6      1      1      0      0        3.0000\n"
    "   2008      6      1      2      0      0        2.5000\n";

// Model station series of two stations and three snaps.
const char* const kStationSeries =
    "Interpolated values at stations\n"
    "          3          2         30         30          1 w\n"
    "   3600.0000000000000               1\n"
    "         1             0.1500000000E+01\n"
    "         2            -0.9999900000E+05\n"
    "   43200.000000000000               2\n"
    "         1            -0.2500000000E+00\n"
    "         2             0.1234567890E+05\n"
    "   86400.000000000000               3\n"
    "         1             0.1000000000E+01\n"
    "         2             0.2000000000E+01\n";

// Two triangles over the unit square.
const char* const kSquare = "square\n2 4\n1 0 0 1.0\n2 1 0 2.0\n3 0 1 3.0\n4 1 1 12345.0\n1 3 1 2 3\n2 3 2 4 3\n";

const char* const kTinyMesh =
    "tiny mesh\n2 4\n1 -90.5 29.25 3.0\n2 -90.0 29.25 2.0\n3 -90.0 29.75 1.0\n4 -89.5 29.75 1.0\n"
    "1 4 1 2 3\n2 3 1 3 4\n1 = open boundaries\n";

const char* const kMaxA = "Storm1 run description\n1 4 3600.0 10 1\n0.0 0\n1 1.5\n2 -99999.0\n3 0.25\n4 -99999.0\n";
const char* const kMaxB =
    "Storm2 other\n 1 4 0.1E+01 1 1\n 0.000000E+00 0 4 -0.999900E+04\n1 2.0\n2 0.3\n3 -99999.0\n4 -99999.0\n";

const char* const kEditStations =
    "4 stations\nGI01 29.2 -90.0 5 2.0\n\"Grand Isle\" 29.3 -90.1\nGI02 29.4 -90.2 0 1.5\ngi01 1.0 2.0\n";

std::string lines(std::initializer_list<std::string> ls) {
  std::string s;
  for (const std::string& l : ls) s += l + "\n";
  return s;
}

std::string filler(int n) {
  std::string s;
  for (int k = 0; k < n; ++k) s += std::string("# heading ") + static_cast<char>('a' + k) + "\n";
  return s;
}

// A CRMS data line: identifier, date, time, twelve other fields, the level in feet, one more.
std::string crmsRow(const std::string& id, const std::string& date, const std::string& time, const std::string& level) {
  std::string s = id + "," + date + "," + time;
  for (int k = 4; k <= 15; ++k) s += ",q" + std::to_string(k);
  return s + "," + level + ",tail";
}

std::string ndbcRecord(const std::string& head, const std::string& tail) {
  return head + " 1 2 3 4 5 6 7 8 9 10 11 12 13 14 " + tail;
}

std::vector<Scenario> build() {
  std::vector<Scenario> s;
  const std::string stationsTalvo = data("obsedit/stations.TALVO");

  // --- observation files
  s.push_back({1, "station list", {{"storm.TALVO", stationsTalvo, "FFFCCCCCC"}}, pick("storm.TALVO")});
  s.push_back({2, "high-water marks", {{"wl.TALVO", kWatlev, "FFFFCFCCF"}}, "wl.TALVO\nhwm.TALVO\n"});
  s.push_back({3,
               "station series to observations",
               {{"gulf.Stations", " 2\n 'Grand Isle' 29.26 -89.95 12 2.0\n B_2 30.5 -90.25\n", "FFFFFFCCF"},
                {"run.61", kStationSeries, "FFFCCCFCC"}},
               "2008 9 1 0 0\n" + pick("gulf.Stations") + pick("run.61") + "1\n"});
  s.push_back(
      {4,
       "filter",
       {{"stations.TALVO", stationsTalvo, "FFFCCCCCC"}, {"flags.txt", data("obsedit/filter_flags.txt"), "FFFFCFFFF"}},
       pick("stations.TALVO") + pick("flags.txt")});
  s.push_back({5, "numbering", {{"w.TALVO", kWatlev, "FFFCCCFCC"}}, pick("w.TALVO")});
  s.push_back({6,
               "merge",
               {{"a.TALVO", kWatlev, "FFFCCCCCC"}, {"b.TALVO", data("obsedit/adjust.TALVO"), "FFFCCCCCC"}},
               "1\nQORVEL\nm.TALVO\n" + pick("a.TALVO") + "y\n" + pick("b.TALVO") + "n\n"});
  s.push_back({7,
               "adjust",
               {{"adjust.TALVO", data("obsedit/adjust.TALVO"), "FFFFCFFFC"}},
               pick("adjust.TALVO") + "1\nEST\n-5\n"});
  s.push_back(
      {8,
       "clean",
       {{"stations.TALVO", stationsTalvo, "FFFCCCFCC"}, {"flags.txt", data("obsedit/clean_flags.txt"), "FCCCCCCCC"}},
       pick("stations.TALVO") + pick("flags.txt")});

  // --- model output
  // Station and global series end early, as a truncated one does, at a snap header or a
  // node line that cannot be read; an unreadable line 2 stops the run.
  s.push_back({10,
               "station extraction",
               {{"gulf.Stations", "2\nA 0.3 0.2\n'Grand Isle' 5.0 5.0 0 20000.0\n", "FFF-FFFFC"},
                {"m.14", kSquare, "FFFFFFFFF"},
                {"g.63",
                 "run\n 2 4 300.0 10 1 word more\n 300.0 10\n 1 1.0\n 2 2.0\n 3 3.0\n 4 4.0\n"
                 " 600.0 20 2 -99999.0\n 1 1.5\n 2 2.5\n",
                 "FFFCCCFCC"}},
               pick("gulf.Stations") + "m.14\ng.63\nhindcast\n"});
  s.push_back({11,
               "wet/dry extent",
               {{"fort.14", kTinyMesh, "FFFFCCFFC"},
                {"fort.63", "run\n2 4 300.0 10 1 word\n300.0 10 2 -99999.0\n2 0.5\n3 0.1\n600.0 20 1 -99999.0\n2 1.0\n",
                 "FFFFFCFFC"}},
               "fort.14\nfort.63\n100000\n"});
  s.push_back({12,
               "min-max",
               {{"fort.14", kTinyMesh, "FFFFCCFFC"},
                {"v.63",
                 "run\n2 3 300.0 10 2 word\n300.0 10\n1 0.5 -99999.0\n2 -99999.0 -99999.0\n3 123456.0 -99999.0\n"
                 "4 -99999.0 -99999.0\n600.0 20 1\n2 -3.14159 -99999.0\n",
                 "FFFCCCFCC"}},
               "fort.14\nv.63\n"});
  s.push_back({13,
               "envelope",
               {{"a.63", kMaxA, "FFFFFCFFF"}, {"b.63", kMaxB, "FFFFFCFCF"}, {"list", "a.63\nb.63\n", "FFFoF----"}},
               "env.63\nlist\n2\n"});
  s.push_back({14,
               "max file",
               {{"fort.14", kTinyMesh, "FFFFCCFFC"},
                {"v.64",
                 "Vector run\n2 3 300.0 10 2 FormatVersion: 2\n300.0 10 2 -99999.0\n1 0.5 -0.5\n3 -99999.0 1.25\n"
                 "600.0 20 3\n1 0.25 -0.25\n2 -99999.0 -99999.0\n3 2.0 0.75\n",
                 "FFFCCCFCC"}},
               "fort.14\nv.64\nmax.64\n"});
  s.push_back({15, "unlisted option", {}, ""});
  s.push_back({16,
               "difference",
               {{"one.63", "first run\n1 4 1.0 1 1\n0.0 0\n1 1.2\n2 -99999.0\n3 0.5\n4 -99999.0\n", "FFFFCCCFF"},
                {"two.63", "second run\n1 4 1.0 1 1\n0.0 0\n11 0.7\n12 0.7\n13 -99999.0\n14 -99999.0\n", "FFFFFCCFF"}},
               "one.63\ntwo.63\nd.63\n"});
  s.push_back({17,
               "preferred nodes",
               {{"gulf.Stations", kEditStations, "FFFFFFFFF"},
                {"pref.txt", "3\nGI01 100\n'Grand Isle' 7\nGI01,200\n", "FFFFCFFFF"}},
               pick("gulf.Stations") + pick("pref.txt")});
  s.push_back(
      {18,
       "relocation",
       {{"gulf.Stations", kEditStations, "FFFFFFFFF"}, {"reloc.txt", "2\nGI02 30.5 -91.5\ngi01 7 7\n", "FFF-CFFFF"}},
       pick("gulf.Stations") + pick("reloc.txt")});

  // --- converters
  // A value that is not a number is written as missing (-999) by NOAA (verified data),
  // VANTE and VANTE-RVT, and passed over by TCOON; a date that cannot be read stops the run.
  // Lines a converter skips (headers, identifiers it does not use, CSI lines led by a
  // blank) take any damage.
  s.push_back({21,
               "CRMS",
               {{"data.csv",
                 lines({"Station ID,Date,Time,...", crmsRow("0", "03/01/2008", "00:00:00", "2.5"),
                        crmsRow("A", "12/31/2008", "21:00:00", "1.0"), crmsRow("A", "06/15/2008", "10:30:15", "  "),
                        crmsRow("B", "06/15/2008", "10:00:00", "3"), crmsRow("C", "07/04/2008", "01:00:00", "1.0")}),
                 "FFCCCCCFF"},
                {"stations.txt",
                 lines({"4", "id lon lat conv tz", "0 -90.5 29.5 -9999 -9999", "A -91.25 29.75 -0.1 -9999",
                        "C -89.0 30.0 0.25 5.9", "D -88.5 30.5 -9999 -6"}),
                 "FFFFFFFFF"}},
               "2008 3 1 0 0 0\n2008 12 31 21 0 0\ndata.csv\nstations.txt\n"});
  const std::string head35 = lines({"h1", "h2", "h3", "h4", "h5", "h6", std::string(35, 'x')});
  const std::string head34 = lines({"h1", "h2", "h3", "h4", "h5", "h6", std::string(34, 'x')});
  s.push_back(
      {22,
       "NOAA",
       {{"list.txt",
         lines({"2", "stnid file state lat lon conv", "8761724 v1.txt LA 29.263 -89.957 0.5",
                "0 p1.txt LA 28.932 -89.407 -9999"}),
         "FFFFFFFFF"},
        {"v1.txt",
         head35 + lines({"8761724 20080901 00:00  1.234  2.345", "8761724 20080901 00:06  1.100  1.200",
                         "8761724 20080901 00:12  1.100  1.300"}),
         "FFFFCCCFC"},
        {"p1.txt", head34 + lines({"8760922 20080901 01:00 0.75", "8760922 20081231 23:54 -0.123"}), "FFFFCFCCF"}},
       "list.txt\n"});
  s.push_back(
      {23,
       "TCOON",
       {{"list.txt",
         lines({"2", "id desc file lat lon datum conv", "8770570 'Sabine Pass' s1.txt 29.7 -93.87 NAVD 0.25",
                "8779770 desc s2.txt 26.06 -97.21 NAVD -9999"}),
         "FFFFFFFFF"},
        {"s1.txt", filler(19) + lines({"2008060 1430 1.0", "2008061 0000 2.0", "2008366 2359 -0.5"}), "FFFFCCFFC"},
        {"s2.txt", filler(19) + lines({"2007060 0005 1.0", "2007365 1200 3.5"}), "FFFFCCFFC"}},
       "list.txt\n"});
  s.push_back({24,
               "VANTE",
               {{"list.txt",
                 lines({"2", "id lat lon file datum conv", "V1 29.5 -90.25 v1.txt NAVD88 -9999",
                        "V2 30.0 -91.0 v2.txt NAVD88 0.5"}),
                 "FFFFFFFFF"},
                {"v1.txt", lines({"8/29/2005 10:00 2.5", "12/31/2005 21:00 1.0", "8/9/2005 7:05 1.0"}), "FCFFCFFFC"},
                {"v2.txt", lines({"8/29/2005 10:00 2.5", "8/29/2005 11:00 2.75"}), "FCFFC-FFC"}},
               "list.txt\n"});
  const std::string depl = lines({"09/30/2008 23:00 1.0", "09/13/2008 12:00 3.2", "09/13/2008 01:30 -2.0"});
  s.push_back({25,
               "USGS-DEPL",
               {{"list.txt",
                 lines({"3", "caption", "S1 29.5 -94.0 r1.txt NAVD88 1.5 x surge",
                        "S2 29.6 -94.1 r2.txt NAVD88 0 x Surge", "S3 29.7 -94.2 r3.txt NAVD88 0 x riverine"}),
                 "FFFFFFFFF"},
                {"r1.txt", filler(28) + depl, "FFFFCCFFF"},
                {"r2.txt", filler(28) + depl, "FFFFCCFFF"},
                {"r3.txt", filler(28) + depl, "FFFFCCFFF"}},
               "list.txt\n1\n"});
  s.push_back(
      {26,
       "USGS-PERM",
       {{"list.txt", lines({"2", "caption", "P1 29.0 -90.0 p1.txt NAVD88 1.0", "P2 29.1 -90.1 p2.txt NAVD88 -9999"}),
         "FFFFFFFFF"},
        {"p1.txt",
         lines({"# comment", "agency_cd site_no datetime tz_cd value", "5s 15s 20d 6s 14n", "9/5/2008 10:00:00 CDT 2.0",
                "09/15/2008 10:00:00 CST 2.0", "  20080905 235930 CDT 2.0"}),
         "FFFFCFFFF"},
        {"p2.txt", lines({"agency", "format", "20081231 220000 CST 2.0"}), "FFFCCFFFF"}},
       "list.txt\n"});
  s.push_back(
      {27,
       "VANTE-RVT",
       {{"list.txt", lines({"2", "caption", "R1 w1.txt l1.txt 29.5 -89.5 0.1", "R2 w2.txt l2.txt 30.5 -88.5 -0.2"}),
         "FFFFFFFFF"},
        {"w1.txt",
         "3\n" + filler(8) +
             lines({"8 29 05 14 1.2 6.5 9.0 0.0", "8 29 05 15 1.3 6.6", "9.1 0.0", "12 31 99 23 0.5 4.0 5.0 1.0"}),
         "FFFFFFFFF"},
        {"l1.txt", filler(7) + lines({"08/29/05 14:00 0.50", "08/29/05 14:06 -", "08/29/05 14:18 1.0"}), "FFFFCFFFC"},
        {"w2.txt", "1\n" + filler(8) + lines({"8 30 05 14 1.2 6.5 9.0 0.0"}), "FFFFFFFFF"},
        {"l2.txt", filler(7) + lines({"08/29/05 14:00 0.50"}), "FFFFCFFFC"}},
       "list.txt\n"});
  s.push_back({28,
               "SLOSH",
               {{"list.txt", lines({"1", "caption", "42 29.25 -89.75 s.txt"}), "FFF-FFFFF"},
                {"s.txt", lines({"h1", "h2", "h3", "h4", "09/12/2008 14:30:15 1.25", " 9/ 1/2008  7: 5: 0   -0.5  x"}),
                 "FFFCCFFFF"}},
               "list.txt\n"});
  s.push_back({29,
               "CSI",
               {{"list.txt", lines({"1", "caption", "C1 c1.txt -90.25 29.75 NAVD 0"}), "FFF-FFFFF"},
                {"c1.txt",
                 lines({"header", "09/12/2008 1430 1.5 6.0 9.0 120", "9/1/2008 0 -1 -1.0 -1 -5",
                        " 09/12/2008 1500 2.0 5.0 8.0 90"}),
                 "FFCFCCFFC"}},
               "list.txt\n"});
  s.push_back({30,
               "NDBC",
               {{"list.txt", lines({"2", "B1 -88.5 29.5 n1.txt", "B2 -87.5 28.5 n2.txt"}), "FFF-FFFFF"},
                {"n1.txt",
                 lines({ndbcRecord("42001 2008 09 12 14 50", "1.5 0 9.0 6.0 270"),
                        "42001 2008 09 12 15 50 1 2 3 4 5 6 7", "8 9 10 11 12 13 14", "2.5 0 10.0 7.0 280"}),
                 "FCCCCCCCF"},
                {"n2.txt",
                 lines({ndbcRecord("x 2008 1 1 0 0", "1.0 0 8.0 5.0 0"), ndbcRecord("x 2008 1 1 1 0", "1 0 8 5 300")}),
                 "FCCCC-FFF"}},
               "list.txt\n"});

  // Today's downloads. CO-OPS: a first line that is not the column names is the service's
  // answer instead of data (the station is passed over); an empty value is missing; a row
  // whose date cannot be read stops the run. NWIS: rows of other sites and the column
  // formats are not read; a value that is not a number is missing; a date or zone word
  // that cannot be read stops the run. NDBC: columns not read take any damage; a row cut
  // short lacks its last columns.
  s.push_back({32,
               "CO-OPS",
               {{"list.txt", lines({"2", "caption", "8761724 wl.csv 29.26 -89.96", "8761724 pred.csv 29.26 -89.96"}),
                 "FFFFFFFFF"},
                {"wl.csv",
                 lines({"Date Time, Water Level, Sigma, O, F, R, L, Quality ", "2008-09-01 00:00,1.234,0.01,0,0,0,0,p",
                        "2008-09-01 00:06,,,1,1,1,1,p", "2008-09-01 00:12,1.300,0.02,0,0,0,0,p"}),
                 "FCCFCCFCC"},
                {"pred.csv", lines({"Date Time, Prediction", "2008-09-01 00:00,1.1", "2008-09-01 00:06,-0.25"}),
                 "FCCFCFFFF"}},
               "list.txt\nGMT\nmetric\nMLLW\n"});
  s.push_back({33,
               "NWIS",
               {{"list.txt",
                 lines({"2", "caption", "08074000 g.rdb 29.5 -95.0 00065 1.5",
                        "08075000 g.rdb 29.6 -95.1 62620 -9999"}),
                 "FFFFFFFFF"},
                {"g.rdb",
                 lines({"# site 08074000", "agency_cd\tsite_no\tdatetime\ttz_cd\t150155_00065\t150155_00065_cd",
                        "5s\t15s\t20d\t6s\t14n\t10s", "USGS\t08074000\t2021-11-07 01:30\tCDT\t3.03\tP",
                        "USGS\t08074000\t2021-11-07 01:00\tCST\tIce\tP", "# site 08075000",
                        "agency_cd\tsite_no\tdatetime\ttz_cd\t9_00060\t9_62620\t9_62620_cd",
                        "5s\t15s\t20d\t6s\t14n\t14n\t10s", "USGS\t08075000\t2021-12-31 23:00:30\tEST\t120\t-2.5\tA"}),
                 "FCCFCFCFC"}},
               "list.txt\nNAVD88\n"});
  s.push_back({34,
               "NDBC standard meteorological",
               {{"list.txt", lines({"2", "caption", "42001 h.txt 25.9 -89.7", "46097 r.txt 44.6 -124.3"}), "FFFFFFFFF"},
                {"h.txt",
                 lines({"YY MM DD hh WD   WSPD GST  WVHT  DPD   APD  MWD  BAR    ATMP  WTMP  DEWP  VIS",
                        "96 01 01 00 186  6.7  8.1  2.74  9.09  6.65 999  986.7   2.6   3.4 999.0 99.0",
                        "96 01 01 01 999 99.0 99.0 99.00 99.00 99.00 999 9999.0 999.0 999.0 999.0 99.0",
                        "96 01 01 00 109  6.2  7.5  2.16  9.09  6.69 999  986.8   2.6   3.4 999.0 99.0"}),
                 "FFCCCCFFC"},
                {"r.txt",
                 lines({"#YY  MM DD hh mm WDIR WSPD GST  WVHT   DPD   APD MWD   PRES  ATMP  WTMP  DEWP  VIS PTDY  TIDE",
                        "#yr  mo dy hr mn degT m/s  m/s     m   sec   sec degT   hPa  degC  degC  degC  nmi  hPa    ft",
                        "2019 04 02 13 20 120  1.0   MM   1.5    MM    MM 261 1007.8  10.7  11.1    MM   MM   MM  1.25",
                        "2019 04 02 13 10 120  1.0   MM   1.5    15   6.5  MM 1007.9  10.6  11.1    MM   MM -0.8  MM"}),
                 "FFCCCCFFC"}},
               "list.txt\n"});

  // --- the batch chain
  s.push_back(
      {31,
       "control file",
       {{"run.cntrl",
         "2008 12 31 23 0\nm.14\nrun\n'sub/'\n2\n"
         "2\nwl.63\n1\na.Stations\nStations\n"
         "1\ncur.64\n7\na.Stations\n",
         "FFFoFoFFF"},
        {"m.14", kSquare, "FFFFFFFFF"},
        {"sub/a.Stations", "1\nA 0.3 0.2\n", "FFF-F-FFF"},
        {"sub/Stations", "2\nB 0.9 0.9\nC 0.1 0.1\n", "FFF-FFFFF"},
        {"wl.63", "run\n 2 4 3600.0 1 1 w\n 3600.0 1\n 1 1.0\n 2 2.0\n 3 3.0\n 4 4.0\n 7200.0 2 1 -99999.0\n 1 5.0\n",
         "FFFCCCFCC"},
        {"cur.64", "run\n 1 4 3600.0 1 2 w\n 3600.0 1 4 -99999.0\n 1 1 2\n 2 1 2\n 3 1 2\n 4 1 2\n", "FFFCCCFCC"}},
       pick("run.cntrl")});

  // --- boundary forcing
  s.push_back({41,
               "open boundary export",
               {{"small.14", data("forcing/small.14"), "FFFFC-FCC"}},
               "small.14\npts.txt\n2005 08 01 06 00 00\n2005 08 11 06 00 00\n"});
  s.push_back(
      {42, "OSU extraction", {{"osu.txt", data("forcing/osu_result.txt"), "FFFFFFFCF"}}, "osu.txt\n3\nex.txt\n"});
  s.push_back(
      {43, "FES2004 extraction", {{"fes.txt", data("forcing/fes_result.txt"), "FFFFFFCFF"}}, "fes.txt\n2\nfes.out\n"});
  s.push_back({44,
               "TB3307 extraction",
               {{"model.14", data("forcing/tb3307/model.14"), "FFFCC-FFC"},
                {"tb3307.grd", data("forcing/tb3307/tb3307.grd"), "FFFFFFFFF"},
                {"tb3307.tdb", data("forcing/tb3307/tb3307.tdb"), "FFFFFFFFF"}},
               "model.14\n"});
  s.push_back({45,
               "harmonic decomposition",
               {{"grid.14", data("forcing/decompose/grid.14"), "FFFFFCFFF"},
                {"harm.53", data("forcing/decompose/harm.53"), "FFFFFFFFF"}},
               "grid.14\nharm.53\n"});
  s.push_back(
      {51,
       "wave refraction in a box",
       {{"fort.14", "mesh\n0 4\n1 -82.0 25.0 5\n2 -81.9 26.0 5\n3 -90.0 24.99 5\n4 -85.0 30.0 5\n", "FFFFFFFCC"},
        {"orig.13",
         "title\n4\n2\nsurface_height_offset\nm\n1\n0.0\nmanning\nunitless\n1\n0.02\n"
         "surface_height_offset\n1\n3 0.5\nmanning\n2 lines\n1 0.03\n4 0.04\n",
         "FFFFFCFCC"}},
       "fort.14\n1\nA\norig.13\nnew.13\n"});
  s.push_back(
      {51,
       "wave refraction in a coarse mesh",
       {{"fine.14", "fine\n0 5\n1 0.5 0.0 1\n2 0.5 -0.0004 1\n3 0.5 -0.0006 1\n4 5 5 1\n5 0.9 0.9 1\n", "FFFFFFFFC"},
        {"coarse.grd", "coarse\n2 4\n1 0 0 1\n2 1 0 1\n3 0 1 1\n4 1 1 1\n1 3 1 2 3\n2 3 2 3 4\n", "FFFFFFFFF"},
        {"orig.13", "t\n5\n0\n", "FF--F-FF-"}},
       "fine.14\n2\ncoarse.grd\norig.13\nnew.13\n"});
  s.push_back({52,
               "river fluxes",
               {{"river.14", data("forcing/river/river.14"), "FFFFFFFFF"},
                {"profiles.txt", data("forcing/river/profiles.txt"), "FFFFFFFFF"}},
               "river.14\n2\n1000\n'Lower'\n2500.5\nAtch\n2\nprofiles.txt\nriver.out\n"});
  return s;
}

}  // namespace

const std::vector<Scenario>& scenarios() {
  static const std::vector<Scenario> all = build();
  return all;
}

const Scenario& scenario(int option, const std::string& label) {
  for (const Scenario& sc : scenarios())
    if (sc.option == option && (label.empty() || sc.label == label)) return sc;
  throw std::runtime_error("no sweep scenario for option " + std::to_string(option) + " " + label);
}

namespace {

bool wordEdge(const std::string& s, size_t at) {
  return at >= s.size() || std::isspace(static_cast<unsigned char>(s[at])) || s[at] == ',' || s[at] == '\'';
}

void replaceWord(std::string& s, const std::string& from, const std::string& to) {
  for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at)) {
    if ((at == 0 || wordEdge(s, at - 1)) && wordEdge(s, at + from.size())) {
      s.replace(at, from.size(), to);
      at += to.size();
    } else {
      at += from.size();
    }
  }
}

}  // namespace

Scenario renamed(const Scenario& sc, size_t k, const std::string& diskName, const std::string& spelled) {
  Scenario r = sc;
  const std::string old = sc.files[k].name;
  r.files[k].name = diskName;
  replaceWord(r.answers, old, spelled);
  for (size_t j = 0; j < r.files.size(); ++j)
    if (j != k) replaceWord(r.files[j].content, old, spelled);
  return r;
}

void lay(const Scenario& sc) {
  for (const InputFile& f : sc.files) {
    const std::filesystem::path p(f.name);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
    vmtest::writeFile(p, f.content);
  }
}

}  // namespace sweep
