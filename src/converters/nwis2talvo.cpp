// USGS NWIS instantaneous values (tab-separated RDB downloads): water levels in feet, one
// file per station (a file may hold several sites), every row turned from its own time zone
// into UTC.
#include <string>
#include <vector>

#include "converters/rawdata.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Output files, created anew by every run.
const char* const kWatlevFile = "watlev_USGS_NWIS.TALVO";

// Water-level parameters: gage height and water-surface elevations, all in feet.
const char* const kLevelCodes[] = {"00065", "62614", "62615", "62620", "63158", "63160"};

std::string acceptedCodes() {
  std::string s;
  for (const char* c : kLevelCodes) s += std::string(s.empty() ? "" : ", ") + c;
  return s;
}

// Time-zone words of the tz_cd column and their offsets from UTC in hours.
struct Zone {
  const char* word;
  int hours;
};
const Zone kZones[] = {{"UTC", 0},   {"GMT", 0},   {"Z", 0},    {"AST", -4},  {"ADT", -3}, {"EST", -5}, {"EDT", -4},
                       {"CST", -6},  {"CDT", -5},  {"MST", -7}, {"MDT", -6},  {"PST", -8}, {"PDT", -7}, {"AKST", -9},
                       {"AKDT", -8}, {"HST", -10}, {"HDT", -9}, {"SST", -11}, {"ChST", 10}};

const Zone* zoneNamed(std::string_view word) {
  for (const Zone& z : kZones)
    if (word == z.word) return &z;
  return nullptr;
}

std::string knownZones() {
  std::string s;
  for (const Zone& z : kZones) s += std::string(s.empty() ? "" : ", ") + z.word;
  return s;
}

// The columns of one site's block, by name; -1 where the block has none.
struct Columns {
  long site = -1, stamp = -1, zone = -1, value = -1;
  long nameLine = 0;  // the line of the column names
};

// The value column of a parameter: the first named by an identifier, an underscore and the
// code ("69928_00065", "01_00065"); the "_cd" column beside it holds qualification codes.
long valueColumn(const std::vector<std::string_view>& names, std::string_view code) {
  for (size_t k = 0; k < names.size(); ++k) {
    const std::string_view n = trim(names[k]);
    if (n.size() > code.size() + 1 && n.substr(n.size() - code.size()) == code &&
        n[n.size() - code.size() - 1] == '_' && n.substr(0, n.size() - code.size() - 1).find('_') == n.npos)
      return static_cast<long>(k);
  }
  return -1;
}

Columns columnsOf(const std::vector<std::string_view>& names, std::string_view code, const LineSource& raw) {
  Columns c;
  c.site = columnNamed(names, "site_no");
  if (c.site < 0) raw.fail("expected a column named site_no in the column names");
  c.stamp = columnNamed(names, "datetime");
  c.zone = columnNamed(names, "tz_cd");
  c.value = valueColumn(names, code);
  c.nameLine = raw.lineNo();
  return c;
}

// The field of a row in column k; empty when the row is shorter.
std::string_view field(const std::vector<std::string_view>& f, long k) {
  return k >= 0 && static_cast<size_t>(k) < f.size() ? trim(f[static_cast<size_t>(k)]) : std::string_view();
}

}  // namespace

void nwis2talvo(Console& con) {
  const std::string listName = askName(con, "Enter the name of the station list");
  const std::string datum =
      upper(askWord(con, "Enter the vertical datum of the converted values (for example NAVD88): ", "the datum"));

  const std::vector<Station> stations = readStations(listName, true, [](LineSource& in, Station& s) {
    readList(in, "a station record (site number, file, latitude, longitude, parameter code, offset)", s.stnid,
             s.filename, s.lat, s.lon, s.code, s.conv);
    bool level = false;
    for (const char* c : kLevelCodes) level = level || s.code == c;
    if (!level)
      in.fail("the parameter code " + s.code + " is not a water-level code; expected one of " + acceptedCodes());
  });

  refuseOutputsOverInputs({kWatlevFile}, {listName}, stations);

  TalvoOut out(kWatlevFile, "% TALVO generic format - Water Level", "watlev (ft)", "USGS", datum);

  std::vector<std::string_view> f;
  long number = 0;
  for (const Station& st : stations) {
    sayProcessing(con, ++number, st.stnid);
    FileReader raw(st.filename);
    out.station(labelOf("USGS_", st.stnid), st.lat, st.lon);
    const std::string_view site = rtrim(st.stnid);

    // Each site's block: comment lines, the column names (first "agency_cd"), the column
    // formats, then rows; columns may differ from block to block.
    enum class Expect { Names, Formats, Rows } expect = Expect::Names;
    Columns cols;
    std::string_view line;
    ObsRecord r;
    long rows = 0;
    while (raw.next(line)) {
      if (isBlank(line)) continue;
      if (line[0] == '#') {
        if (expect == Expect::Rows) expect = Expect::Names;
        continue;
      }
      splitAt(line, '\t', f);
      if (expect == Expect::Names || trim(f[0]) == "agency_cd") {
        if (trim(f[0]) != "agency_cd")
          raw.fail("expected the column names (the first one agency_cd), found '" + std::string(cut(line, kNameWidth)) +
                   "'");
        cols = columnsOf(f, st.code, raw);
        expect = Expect::Formats;
        continue;
      }
      if (expect == Expect::Formats) {  // the column formats ("5s", "15s", ...) are not needed
        expect = Expect::Rows;
        continue;
      }
      if (field(f, cols.site) != site) continue;  // another site's row

      if (cols.zone < 0 || cols.value < 0 || cols.stamp < 0) {
        const std::string names = " in the column names of line " + std::to_string(cols.nameLine);
        if (cols.zone < 0) raw.fail("no tz_cd column" + names + ": expected instantaneous values, not daily values");
        if (cols.value < 0)
          raw.fail("no column of parameter " + st.code + names + ": expected one named an identifier, '_' and " +
                   st.code);
        raw.fail("no datetime column" + names);
      }
      const std::string_view stamp = field(f, cols.stamp);
      if (!readIsoStamp(stamp, r))
        raw.fail("expected a date and time YYYY-MM-DD HH:MM (datetime), found '" + std::string(stamp) + "'");
      const std::string_view word = field(f, cols.zone);
      const Zone* zone = zoneNamed(word);
      if (!zone)
        raw.fail("unknown time-zone word '" + std::string(word) + "' (tz_cd); expected one of " + knownZones());
      shiftMinutes(r, -60LL * zone->hours);

      // A number is a level; an empty field or a code ("Ice", "Eqp", "***", ...) is missing.
      if (decimalValue(field(f, cols.value), r.value)) {
        if (st.conv != kNoOffset) r.value += st.conv;
      } else {
        r.value = kMissing;
      }
      out.data(r);
      ++rows;
    }
    if (rows == 0) con.say(FreeLine().t("No rows of site ").t(site).t(" in ").t(st.filename));
  }
  out.close();
}

}  // namespace vm
