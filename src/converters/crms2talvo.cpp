// CRMS water levels: one comma-separated download holding many stations one after
// another, kept inside a date window of one year. A stations file gives each station's
// coordinates, datum offset and time-zone shift.
#include <array>
#include <optional>
#include <string>

#include "converters/rawdata.hpp"
#include "core/error.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "shell/calendar.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Output files, created anew by every run.
const char* const kNotFoundFile = "notfound.txt";
const char* const kWatlevFile = "watlev_CRMS.TALVO";

constexpr size_t kDataWidth = 1000;
constexpr int kCommas = 17;
constexpr int kLevelField = 16;
constexpr int kDefaultShift = 5;

using DateTime = std::array<int, 6>;  // year, month, day, hour, minute, second

// Days before each month (entry 13: the year's length); leap when divisible by 4.
std::array<int, 13> daysBefore(int year) {
  if (year % 4 == 0) return {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366};
  return {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
}

// 1 January 00:00:00 is day 1.0.
double dayNumber(const std::array<int, 13>& cd, int month, int day, int hour, int minute, int second) {
  return cd[static_cast<size_t>(month - 1)] + day + hour / 24.0 + minute / 1440.0 + second / 86400.0;
}

DateTime askDate(Console& con, std::string_view prompt) {
  for (;;) {
    con.say(prompt);
    DateTime d{};
    con.read("year, month, day, hour, minute and second", d[0], d[1], d[2], d[3], d[4], d[5]);
    if (d[1] >= 1 && d[1] <= 12) return d;
    con.say("The month must be from 1 to 12.");
  }
}

// Field k (1-based) of a comma-separated line whose first 17 commas are at `x` (0-based
// positions); where a line has fewer commas the last one found stands for the rest.
std::string_view field(std::string_view line, const std::array<long, kCommas>& x, int k) {
  long from = k == 1 ? 0 : x[static_cast<size_t>(k - 2)] + 1;
  long to = x[static_cast<size_t>(k - 1)];  // exclusive
  if (to <= from) return {};
  return line.substr(static_cast<size_t>(from), static_cast<size_t>(to - from));
}

struct Located {
  double lat = 0.0, lon = 0.0;
  double conv = kNoOffset;
  int shift = kDefaultShift;  // hours to UTC
};

// Searches the stations file for the identifier; read anew for every station block.
std::optional<Located> locate(const std::string& path, std::string_view id) {
  FileReader in(path);
  long m = 0;
  readList(in, "the number of stations", m);
  in.need("the caption line of the stations file");
  for (long j = 0; j < m; ++j) {
    std::string name;
    Located s;
    double tz = kNoOffset;
    readList(in, "a station record (id, longitude, latitude, offset, time-zone shift)", name, s.lon, s.lat, s.conv,
             tz);
    if (rtrim(ltrim(cut(name, kNameWidth))) != id) continue;
    if (tz != kNoOffset) {
      if (!(tz > -1e6 && tz < 1e6)) in.fail("the time-zone shift is out of range");
      s.shift = static_cast<int>(tz);  // truncated toward zero
    }
    return s;
  }
  return std::nullopt;
}

}  // namespace

void crms2talvo(Console& con) {
  const DateTime start = askDate(con, "What is the initial date? (Year, Month, Day, Hour, Min, Sec)");
  const DateTime end = askDate(con, "What is the final date? (Year, Month, Day, Hour, Min, Sec)");
  con.empty();
  const std::string dataName = askName(con, "Enter the name of the CRMS input file");
  const std::string stationsName = askName(con, "Enter the name of the CRMS stations file");
  con.empty();

  if (start[0] != end[0]) {
    con.say("Cross-years currently not permitted with this release");
    fail("the initial and final dates must lie in the same year");
  }
  const std::array<int, 13> cd = daysBefore(start[0]);
  const double first = dayNumber(cd, start[1], start[2], start[3], start[4], start[5]);
  const double last = dayNumber(cd, end[1], end[2], end[3], end[4], end[5]);

  refuseOutputsOverInputs({kNotFoundFile, kWatlevFile}, {dataName, stationsName});
  OutFile notfound(kNotFoundFile);
  TalvoOut out(kWatlevFile, "% TALVO generic format - Water Level", "watlev (m)", "CRMS", "NAVD88");

  FileReader data(dataName);
  data.need("the caption line of the CRMS input file");
  std::optional<std::string> previous;  // the station whose block is open
  std::optional<Located> where;         // its place, if the stations file lists it
  long count = 0;
  std::string_view line;
  std::array<long, kCommas> x{};
  while (data.next(line)) {
    line = cut(line, kDataWidth);
    long lastComma = -1;  // none yet
    size_t from = 0;
    for (long& pos : x) {
      size_t p = line.find(',', from);
      if (p != std::string_view::npos) {
        lastComma = static_cast<long>(p);
        from = p + 1;
      } else {
        from = line.size();
      }
      pos = lastComma;
    }
    const std::string_view id = rtrim(ltrim(cut(field(line, x, 1), kNameWidth)));
    const std::string_view date = field(line, x, 2);
    const std::string_view time = field(line, x, 3);
    const std::string_view level = rtrim(field(line, x, kLevelField));

    ObsRecord r;
    const bool missing = level.empty();
    if (!missing) {
      std::string_view f = cut(level, 10);
      if (!fieldRealOk(f, 5, r.value)) data.fail("expected a water level in feet, found '" + std::string(f) + "'");
    }
    r.month = colInt(date, 1, 2, data, "the month");
    r.day = colInt(date, 4, 5, data, "the day");
    r.year = colInt(date, 7, 10, data, "the year");
    r.hour = colInt(time, 1, 2, data, "the hour");
    r.minute = colInt(time, 4, 5, data, "the minute");
    r.second = colInt(time, 7, 8, data, "the second");

    // The window is tested on the date as read, before the time-zone shift.
    if (r.year != start[0]) continue;
    if (r.month < 1 || r.month > 12) data.fail("the month " + std::to_string(r.month) + " is not from 1 to 12");
    const double dn = dayNumber(cd, r.month, r.day, r.hour, r.minute, r.second);
    if (dn < first || dn > last) continue;

    if (!previous || *previous != id) {
      con.say(FreeLine().t("Processing Station Id: ").t(id));
      previous = std::string(id);
      where = locate(stationsName, id);
      if (!where) {
        con.say(FreeLine().t(id).t(" Could not be found"));
        notfound.line(FreeLine().t(id).str());
      } else {
        ++count;
        out.station(labelOf("CRMS_", id), where->lat, where->lon);
      }
    }
    if (!where) continue;  // a station without coordinates is left out

    if (!missing) {
      r.value *= kFeetToMetres;
      if (where->conv != kNoOffset) r.value += where->conv;
    } else {
      r.value = kMissing;
    }
    shiftRecord(r, where->shift, data);
    out.data(r);
  }
  notfound.close();
  out.close();
  con.say(FreeLine().t("Processed ").i(count).t(" Stations"));
}

}  // namespace vm
