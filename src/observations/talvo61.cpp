// Station model output to observation format: a station time-series file of the model
// becomes an observation file, one station block per station, with calendar dates counted
// from the simulation start and labels and coordinates from the station list.
#include <string>
#include <vector>

#include "core/counts.hpp"
#include "core/error.hpp"
#include "core/files.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "modelout/stationedit.hpp"
#include "modelout/timeseries.hpp"
#include "observations/talvo61_dates.hpp"
#include "observations/talvo_format.hpp"
#include "shell/choosefile.hpp"
#include "tools.hpp"

namespace vm {

namespace {

struct Kind {
  const char* title;
  const char* caption;
};

// Header texts of the kinds 1 to 7.
const Kind kKinds[7] = {
    {"% TALVO generic format - Water Level", "watlev (m)"},
    {"% TALVO generic format - wave-height", "hs (m)"},
    {"% TALVO generic format - mean wave-direction", "dir (degrees)"},
    {"% TALVO generic format - Peak Period", "tp (s)"},
    {"% TALVO generic format - Mean Period", "tp (s)"},
    {"% TALVO generic format - High Wate Mark", "hwm (m)"},
    {"% TALVO generic format - Current", "cur (m/s)"},
};

int askKind(Console& con) {
  for (;;) {
    con.say("TALVO file types:");
    con.say("  1. watlev - Water Level");
    con.say("  2. hs     - Significant Wave Height");
    con.say("  3. dir    - Mean Wave Direction");
    con.say("  4. tp     - Peak Period");
    con.say("  5. tm     - Mean Period");
    con.say("  6. hwm    - High Water Mark");
    con.say("  7. cur    - Current Velocity");
    con.say("Select Option: ");
    int kind = 0;
    con.read("the kind number", kind);
    if (validKind(kind)) return kind;
  }
}

struct Station {
  std::string label;
  double lat = 0.0, lon = 0.0;
};

}  // namespace

void talvo61(Console& con, const std::string& os, int cntrl, StartDate& startArg, std::string& filestationu,
             std::string& fort61u, int& dtype, std::string& dfolder) {
  StartDate start = startArg;
  std::string stationName, seriesName;
  int kind = dtype;
  if (cntrl == 0) {
    con.say("What is the date of the simulation start? (YYYY, MO, DD, HH, MI )");
    con.read("the simulation start (year, month, day, hour, minute)", start[0], start[1], start[2], start[3],
             start[4]);
    con.empty();
    con.say("Enter the name of the Stations ID file");
    stationName = choosefile(con, kStations, os);
    con.empty();
    con.say("Enter the name of the fort.61 file");
    seriesName = choosefile(con, kSixtyOne, os);
    con.empty();
  } else {
    stationName = std::string(rtrim(filestationu));
    seriesName = std::string(rtrim(fort61u));
    if (!validKind(kind)) fail("observation kind " + std::to_string(kind) + " is not one of 1 to 7");
  }
  if (start[1] < 1 || start[1] > 12) fail("the simulation start month " + std::to_string(start[1]) + " is not 1 to 12");

  // The series, snap by snap: times, then the values of every station.
  std::vector<double> times, first, second;
  int ns = 0;
  bool two = false;
  {
    StationSeriesReader in(seriesName);
    ns = in.stations();
    two = in.valuesPerLine() == 2;
    const size_t perSnap = static_cast<size_t>(ns);
    for (int l = 1; l <= in.snaps(); ++l) {
      double t = 0.0;
      if (!in.nextSnap(t)) break;
      con.say(FreeLine().t("Collecting data for timesnap ").i(l).t("."));
      // The values grow with the station lines read, not with the count line 2 announces.
      const size_t base = first.size();
      bool complete = true;
      for (size_t i = 0; i < perSnap && complete; ++i) {
        double v = 0.0, w = 0.0;
        complete = in.station(v, w);
        first.push_back(v);
        if (two) second.push_back(w);
      }
      if (!complete) {
        first.resize(base);
        if (two) second.resize(base);
        break;
      }
      times.push_back(t);
    }
  }
  const size_t nt = times.size();

  const std::string stationPath = std::string(rtrim(dfolder)) + stationName;
  std::vector<Station> stations;
  stations.reserve(reserveAhead(ns));
  {
    FileReader in(stationPath);
    in.need("the station count (line 1)");
    for (int i = 0; i < ns; ++i) {
      Station& s = stations.emplace_back();
      readList(in, "station label, latitude and longitude", s.label, s.lat, s.lon);
      s.label = std::string(rtrim(cut(s.label, 120)));
    }
  }

  std::vector<ObsRecord> dates(nt);
  for (size_t l = 0; l < nt; ++l) dates[l] = snapDate(start, times[l]);

  const std::string outName = seriesName + ".TALVO";
  if (sameFile(outName, stationPath)) fail("the observation file " + outName + " would replace the station list");
  OutFile out(outName);
  if (cntrl == 0) kind = askKind(con);

  const Kind& k = kKinds[kind - 1];
  out.line(FreeLine().t(k.title).str());
  out.line(FreeLine().t("% ").t("year ").t("month ").t("day ").t("hour ").t("min ").t("sec ").t(k.caption).str());
  out.line(FreeLine().t("QORVEL ").t("UTC").t(" NAVD88").str());

  std::string line;
  for (size_t i = 0; i < stations.size(); ++i) {
    const Station& s = stations[i];
    // A label that holds a blank (read from a quoted item) keeps its apostrophes, so that the
    // station header reads back as one label and the station list made from it too.
    out.line(stationHeaderLine(stationIdItem(s.label), s.lat, s.lon));
    for (size_t l = 0; l < nt; ++l) {
      const size_t at = l * static_cast<size_t>(ns) + i;
      const double v = first[at];
      line.clear();
      putDate6(line, dates[l]);
      if (kind != 7) {
        if (v != kDryValue) putF(line, v, 14, 4);
        else putI(line, -999, 10);
      } else if (v != kDryValue) {
        putF(line, v, 24, 10);
        putF(line, two ? second[at] : -999.0, 24, 10);
      } else {
        putI(line, -999, 10);
        putI(line, -999, 10);
      }
      out.line(line);
    }
  }
  out.close();
}

}  // namespace vm
