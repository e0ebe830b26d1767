// TCOON water levels: one raw file per station, dated by year and day of the year.
#include <string>

#include "converters/rawdata.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "shell/calendar.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Output files, created anew by every run.
const char* const kWatlevFile = "watlev_TCOON_NAVD88.TALVO";

}  // namespace

void tcoon2talvo(Console& con) {
  const std::string listName = askName(con, "Enter the name of the TCOON station list");
  const std::vector<Station> stations = readStations(listName, true, [](LineSource& in, Station& s) {
    std::string desc, datum;
    readList(in, "a station record (id, description, file, latitude, longitude, datum, offset)", s.stnid, desc,
             s.filename, s.lat, s.lon, datum, s.conv);
  });

  refuseOutputsOverInputs({kWatlevFile}, {listName}, stations);

  TalvoOut out(kWatlevFile, "% TALVO generic format - Water Level (surge)", "watlev (m)", "TCOON", "NAVD88");

  long number = 0;
  for (const Station& st : stations) {
    sayProcessing(con, ++number, st.stnid);
    FileReader raw(st.filename);
    skipHeader(raw, 19);
    out.station(labelOf("TCOON_", st.stnid), st.lat, st.lon);

    WordReader words(raw);
    std::string item[3];  // date token, time token, water level
    ObsRecord r;
    while (words.record(item, 3)) {
      if (!parseReal(item[2], r.value)) continue;  // a record that cannot be read is passed over
      r.year = colInt(item[0], 1, 4, raw, "the year");
      const int dayOfYear = colInt(item[0], 5, 7, raw, "the day of the year");
      r.hour = colInt(item[1], 1, 2, raw, "the hour");
      r.minute = colInt(item[1], 3, 4, raw, "the minute");
      r.second = 0;
      const int yearLength = r.year % 4 == 0 ? 366 : 365;
      if (dayOfYear < 1 || dayOfYear > yearLength)
        raw.fail("the day of the year " + std::to_string(dayOfYear) + " is not from 1 to " + std::to_string(yearLength));
      if (st.conv != kNoOffset) r.value += st.conv;
      getmonthday(dayOfYear, r.year, r.month, r.day);
      out.data(r);
    }
  }
  out.close();
}

}  // namespace vm
