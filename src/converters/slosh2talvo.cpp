// SLOSH station series: one raw file per station, fixed columns, levels in metres.
#include <string>

#include "converters/rawdata.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Output files, created anew by every run.
const char* const kWatlevFile = "watlev_SLOSH.TALVO";

}  // namespace

void slosh2talvo(Console& con) {
  const std::string listName = askName(con, "Enter the name of the SLOSH station list");
  const std::vector<Station> stations = readStations(listName, true, [](LineSource& in, Station& s) {
    readList(in, "a station record (id, latitude, longitude, file)", s.stnid, s.lat, s.lon, s.filename);
  });

  refuseOutputsOverInputs({kWatlevFile}, {listName}, stations);

  TalvoOut out(kWatlevFile, "% TALVO generic format - Water Level", "watlev (m)", "SLOSH", "NAVD88");

  long number = 0;
  for (const Station& st : stations) {
    sayProcessing(con, ++number, st.stnid);
    FileReader raw(st.filename);
    out.station(labelOf("", st.stnid), st.lat, st.lon);  // the bare identifier
    skipHeader(raw, 4);

    std::string_view line;
    ObsRecord r;
    while (raw.next(line)) {
      line = rtrim(cut(line, kNameWidth));
      r.month = colInt(line, 1, 2, raw, "the month");
      r.day = colInt(line, 4, 5, raw, "the day");
      r.year = colInt(line, 7, 10, raw, "the year");
      r.hour = colInt(line, 12, 13, raw, "the hour");
      r.minute = colInt(line, 15, 16, raw, "the minute");
      r.second = colInt(line, 18, 19, raw, "the second");
      if (!readLine(colText(line, 21, static_cast<long>(line.size())), &raw, "the water level", r.value))
        raw.fail("expected the water level");
      out.data(r);
    }
  }
  out.close();
}

}  // namespace vm
