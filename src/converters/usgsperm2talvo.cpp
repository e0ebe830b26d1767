// USGS-PERM water levels from permanent gauges: one raw file per station, in feet, each
// line carrying its time-zone word.
#include <string>

#include "converters/rawdata.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Output files, created anew by every run.
const char* const kWatlevFile = "watlev_USGS-PERM.TALVO";

// Skips the comment lines (first item beginning with "#"), the column-name line after
// them and the column-format line.
void skipComments(FileReader& raw) {
  WordReader words(raw);
  std::string first;
  for (;;) {
    if (!words.word(first)) raw.failEnd("the column-name line");
    if (first[0] != '#') break;
    words.endRecord();
  }
  raw.need("the column-format line");
}

// "m/d/yyyy hh:mm:ss zone level": the date and time are the first two words, their fields
// found by the slashes and the colon; the rest holds the zone word and the level.
std::string_view readSlashLayout(std::string_view line, const FileReader& raw, ObsRecord& r) {
  size_t end = line.find_first_of(" \t");
  if (end != std::string_view::npos) end = line.find_first_not_of(" \t", end);
  if (end != std::string_view::npos) end = line.find_first_of(" \t", end);
  if (end == std::string_view::npos) end = line.size();
  const std::string_view stamp = line.substr(0, end);
  const Separators sep = findSeparators(stamp, raw, true);
  readSlashDate(stamp, sep, raw, r);
  r.hour = colInt(stamp, sep.k - 2, sep.k - 1, raw, "the hour");
  r.minute = colInt(stamp, sep.k + 1, sep.k + 2, raw, "the minute");
  r.second = colInt(stamp, sep.k + 4, sep.k + 5, raw, "the second");
  return line.substr(end);
}

}  // namespace

void usgsperm2talvo(Console& con) {
  const std::string listName = askName(con, "Enter the name of the USGS-PERM station list");
  const std::vector<Station> stations = readStations(listName, true, [](LineSource& in, Station& s) {
    std::string datum;
    readList(in, "a station record (id, latitude, longitude, file, datum, offset)", s.stnid, s.lat, s.lon,
             s.filename, datum, s.conv);
  });

  refuseOutputsOverInputs({kWatlevFile}, {listName}, stations);

  TalvoOut out(kWatlevFile, "% TALVO generic format - Water Level", "watlev (m)", "USGS-PERM", "NAVD88");

  long number = 0;
  for (const Station& st : stations) {
    sayProcessing(con, ++number, st.stnid);
    FileReader raw(st.filename);
    out.station(labelOf("USGS-PERM_", st.stnid), st.lat, st.lon);
    skipComments(raw);

    std::string_view line;
    ObsRecord r;
    std::string zone;
    while (raw.next(line)) {
      line = ltrim(cut(line, kNameWidth));
      const std::string_view what = "the time-zone word and the water level";
      if (columns(line, 2, 1) == "/" || columns(line, 3, 1) == "/") {
        if (!readLine(readSlashLayout(line, raw, r), &raw, what, zone, r.value))
          raw.fail("expected " + std::string(what));
      } else {
        std::string date, time;
        const std::string_view all = "the date, the time, the time-zone word and the water level";
        if (!readLine(line, &raw, all, date, time, zone, r.value)) raw.fail("expected " + std::string(all));
        r.year = colInt(date, 1, 4, raw, "the year");
        r.month = colInt(date, 5, 6, raw, "the month");
        r.day = colInt(date, 7, 8, raw, "the day");
        r.hour = colInt(time, 1, 2, raw, "the hour");
        r.minute = colInt(time, 3, 4, raw, "the minute");
        r.second = colInt(time, 5, 6, raw, "the second");
      }
      const std::string_view word = trim(zone);
      if (word == "CDT") {
        shiftRecord(r, 5, raw);
      } else if (word == "CST") {
        shiftRecord(r, 6, raw);
      } else {
        con.say(FreeLine().t(pad(zone, kNameWidth)).t(rtrim(st.stnid)));  // left in local time
      }
      if (st.conv != kNoOffset) r.value += st.conv;  // the offset is in feet
      r.value *= kFeetToMetres;
      out.data(r);
    }
  }
  out.close();
}

}  // namespace vm
