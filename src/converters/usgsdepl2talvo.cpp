// USGS-DEPL water levels from gauges deployed for one of two hurricanes, in feet and local
// time, sorted into three files by the kind of site.
#include <string>

#include "converters/rawdata.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Output files, created anew by every run.
const char* const kSurgeFile = "watlev_USGS-DEPL_surge.TALVO";
const char* const kBeachFile = "watlev_USGS-DEPL_beach.TALVO";
const char* const kRiverineFile = "watlev_USGS-DEPL_riverine.TALVO";

constexpr int kToUtc = 5;

// Storm 1 (Ike): 28 header lines, then records "mm/dd/yyyy hh:mm level".
void readIke(FileReader& raw, TalvoOut* out) {
  skipHeader(raw, 28);
  WordReader words(raw);
  std::string item[3];  // date, time, level
  ObsRecord r;
  while (words.record(item, 3)) {
    r.value = wordReal(item[2], raw, "the water level");
    r.month = colInt(item[0], 1, 2, raw, "the month");
    r.day = colInt(item[0], 4, 5, raw, "the day");
    r.year = colInt(item[0], 7, 10, raw, "the year");
    r.hour = colInt(item[1], 1, 2, raw, "the hour");
    r.minute = colInt(item[1], 4, 5, raw, "the minute");
    r.second = 0;
    shiftRecord(r, kToUtc, raw);
    r.value *= kFeetToMetres;
    if (out) out->data(r);
  }
}

// Storm 2 (Rita): 23 header lines, then lines "m/d/yyyy h:mm:ss AM level", fields found
// by the slashes and the colon.
void readRita(FileReader& raw, TalvoOut* out) {
  skipHeader(raw, 23);
  std::string_view line;
  Separators sep;
  ObsRecord r;
  while (nextSlashDated(raw, line, sep, r)) {
    r.hour = colInt(line, sep.k - 2, sep.k - 1, raw, "the hour");
    r.minute = colInt(line, sep.k + 1, sep.k + 2, raw, "the minute");
    r.second = colInt(line, sep.k + 4, sep.k + 5, raw, "the second");
    const std::string_view half = colText(line, sep.k + 7, sep.k + 8);
    if (half == "PM") r.hour += 12;
    if (half == "AM" && r.hour == 12) r.hour = 0;
    if (r.hour == 24) r.hour = 12;  // 12 PM is noon
    if (firstReal(colText(line, sep.k + 9, static_cast<long>(line.size())), r.value))
      r.value *= kFeetToMetres;
    else
      r.value = kMissing;
    shiftRecord(r, kToUtc, raw);
    if (out) out->data(r);
  }
}

}  // namespace

void usgsdepl2talvo(Console& con) {
  const std::string listName = askName(con, "Enter the name of the USGS-DEPL station list");
  con.empty();
  int storm = 0;
  do {
    con.say("Enter 1 for Ike or 2 for Rita");
    con.read("the storm number", storm);
  } while (storm != 1 && storm != 2);
  con.empty();

  const std::vector<Station> stations = readStations(listName, true, [](LineSource& in, Station& s) {
    std::string datum, further;
    double conv = 0.0;
    readList(in, "a station record (id, latitude, longitude, file, datum, offset, text, site)", s.stnid, s.lat,
             s.lon, s.filename, datum, conv, further, s.site);
  });

  refuseOutputsOverInputs({kSurgeFile, kBeachFile, kRiverineFile}, {listName}, stations);

  TalvoOut surge(kSurgeFile, "% TALVO generic format - Water Level (surge)", "watlev (m)", "USGS-DEPL", "NAVD88");
  TalvoOut beach(kBeachFile, "% TALVO generic format - Water Level (beach)", "watlev (m)", "USGS-DEPL", "NAVD88");
  TalvoOut riverine(kRiverineFile, "% TALVO generic format - Water Level (riverine)", "watlev (m)", "USGS-DEPL",
                    "NAVD88");

  long number = 0;
  for (const Station& st : stations) {
    sayProcessing(con, ++number, st.stnid);
    FileReader raw(st.filename);
    // Another site word leaves the station out of every file; its lines are still read.
    TalvoOut* out = st.site == "surge" ? &surge : st.site == "beach" ? &beach : st.site == "riverine" ? &riverine
                                                                                                       : nullptr;
    if (out) out->station(labelOf("USGS-DEPL_", st.stnid), st.lat, st.lon);
    if (storm == 1)
      readIke(raw, out);
    else
      readRita(raw, out);
  }
  surge.close();
  beach.close();
  riverine.close();
}

}  // namespace vm
