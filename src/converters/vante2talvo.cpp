// VANTE water levels: one raw file per station, dated month/day/year hour:minute in local
// time, levels in feet.
#include <string>

#include "converters/rawdata.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Output files, created anew by every run.
const char* const kWatlevFile = "watlev_VANTE.TALVO";

}  // namespace

void vante2talvo(Console& con) {
  const std::string listName = askName(con, "Enter the name of the VANTE station list");
  const std::vector<Station> stations = readStations(listName, true, [](LineSource& in, Station& s) {
    std::string datum;
    readList(in, "a station record (id, latitude, longitude, file, datum, offset)", s.stnid, s.lat, s.lon,
             s.filename, datum, s.conv);
  });

  refuseOutputsOverInputs({kWatlevFile}, {listName}, stations);

  TalvoOut out(kWatlevFile, "% TALVO generic format - Water Level", "watlev (m)", "VANTE", "NAVD88");

  long number = 0;
  for (const Station& st : stations) {
    sayProcessing(con, ++number, st.stnid);
    FileReader raw(st.filename);
    out.station(labelOf("VANTE_", st.stnid), st.lat, st.lon);

    std::string_view line;
    Separators sep;
    ObsRecord r;
    while (nextSlashDated(raw, line, sep, r)) {
      r.hour = colInt(line, sep.s2 + 6, sep.k - 1, raw, "the hour");
      r.minute = colInt(line, sep.k + 1, sep.k + 2, raw, "the minute");
      r.second = 0;
      if (!firstReal(colText(line, sep.k + 3, static_cast<long>(line.size())), r.value)) {
        r.value = kMissing;
      } else {
        if (st.conv != kNoOffset) r.value += st.conv;  // the offset is in feet
        r.value *= kFeetToMetres;
      }
      shiftRecord(r, 5, raw);  // local time to UTC
      out.data(r);
    }
  }
  out.close();
}

}  // namespace vm
