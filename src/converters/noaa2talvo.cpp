// NOAA water levels: one raw file per station, verified or preliminary data, into four
// observation files by data grade and by whether the station has a datum offset.
#include <string>

#include "converters/rawdata.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Output files, created anew by every run.
const char* const kNavdVerFile = "watlev_NOAA_NAVD_VER.TALVO";
const char* const kMslVerFile = "watlev_NOAA_MSL_VER.TALVO";
const char* const kNavdPreFile = "watlev_NOAA_NAVD_PRE.TALVO";
const char* const kMslPreFile = "watlev_NOAA_MSL_PRE.TALVO";

constexpr size_t kRawWidth = 200;

// The value of a verified line: the second of two "f7.3" fields separated by one column.
// False when either field is not a number or the second is blank.
bool verifiedValue(std::string_view part, double& v) {
  double first, second;
  std::string_view f2 = colText(part, 9, 15);
  if (!fieldRealOk(colText(part, 1, 7), 3, first) || !fieldRealOk(f2, 3, second)) return false;
  if (isBlank(f2)) return false;  // no second value: a gap, not a level of 0
  v = second;
  return true;
}

}  // namespace

void noaa2talvo(Console& con) {
  const std::string listName = askName(con, "Enter the name of the station list");
  const std::vector<Station> stations = readStations(listName, true, [](LineSource& in, Station& s) {
    std::string state;
    readList(in, "a station record (id, file, state, latitude, longitude, offset)", s.stnid, s.filename, state,
             s.lat, s.lon, s.conv);
  });

  refuseOutputsOverInputs({kNavdVerFile, kMslVerFile, kNavdPreFile, kMslPreFile}, {listName}, stations);

  TalvoOut navdVer(kNavdVerFile, "% TALVO generic format - Water Level", "watlev (m)", "NOAA", "NAVD88");
  TalvoOut mslVer(kMslVerFile, "% TALVO generic format - Water Level", "watlev (m)", "NOAA", "MSL");
  TalvoOut navdPre(kNavdPreFile, "% TALVO generic format - Water Level", "watlev (m)", "NOAA", "NAVD88");
  TalvoOut mslPre(kMslPreFile, "% TALVO generic format - Water Level", "watlev (m)", "NOAA", "MSL");

  long number = 0;
  for (const Station& st : stations) {
    sayProcessing(con, ++number, st.stnid);
    FileReader raw(st.filename);
    skipHeader(raw, 6);
    std::string_view line = raw.need("the header lines (7 lines)");
    const bool verified = rtrim(cut(line, kRawWidth)).size() > 34;
    const bool offset = st.conv != kNoOffset;
    TalvoOut& out = verified ? (offset ? navdVer : mslVer) : (offset ? navdPre : mslPre);
    out.station(labelOf("NOAA_", st.stnid), st.lat, st.lon);

    ObsRecord r;
    while (raw.next(line)) {
      line = rtrim(cut(line, kRawWidth));
      if (line.empty()) break;  // a blank line ends the data
      r.year = colInt(line, 9, 12, raw, "the year");
      r.month = colInt(line, 13, 14, raw, "the month");
      r.day = colInt(line, 15, 16, raw, "the day");
      r.hour = colInt(line, 18, 19, raw, "the hour");
      r.minute = colInt(line, 21, 22, raw, "the minute");
      r.second = 0;
      std::string_view part = colText(line, 24, static_cast<long>(line.size()));
      if (verified) {
        if (!verifiedValue(part, r.value)) {
          out.data(r, kMissing);
          continue;
        }
      } else {
        readLine(part, &raw, "the water level", r.value);
      }
      if (offset) r.value -= st.conv;
      out.data(r);
    }
  }
  con.say("FINISHED");
  navdVer.close();
  mslVer.close();
  navdPre.close();
  mslPre.close();
}

}  // namespace vm
