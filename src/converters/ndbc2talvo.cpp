// NDBC buoy records: one raw file per station of 25-item records, into wave direction,
// height, peak period and mean period files.
#include <string>

#include "converters/rawdata.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Output files, created anew by every run.
const char* const kDirFile = "dir_NDBC.TALVO";
const char* const kHsFile = "hs_NDBC.TALVO";
const char* const kTpFile = "tp_NDBC.TALVO";
const char* const kTmFile = "tm_NDBC.TALVO";

constexpr size_t kItems = 25;
constexpr size_t kHeight = 20, kPeak = 22, kMean = 23, kDirection = 24;  // positions in a record

}  // namespace

void ndbc2talvo(Console& con) {
  const std::string listName = askName(con, "Enter the name of the NDBC station list");
  // This list has no caption line: the records follow the count.
  const std::vector<Station> stations = readStations(listName, false, [](LineSource& in, Station& s) {
    readList(in, "a station record (id, longitude, latitude, file)", s.stnid, s.lon, s.lat, s.filename);
  });

  refuseOutputsOverInputs({kDirFile, kHsFile, kTpFile, kTmFile}, {listName}, stations);

  TalvoOut dir(kDirFile, "% TALVO generic format ver. 1.0 wind-direction", "dir (degrees)", "NDBC", "NAVD");
  TalvoOut hs(kHsFile, "% TALVO generic format ver. 1.0 wave-height", "hs (m)", "NDBC", "NAVD");
  TalvoOut tp(kTpFile, "% TALVO generic format ver. 1.0 peak wave-period", "tp (s)", "NDBC", "NAVD");
  TalvoOut tm(kTmFile, "% TALVO generic format ver. 1.0 mean wave-period", "tp (s)", "NDBC", "NAVD");

  for (const Station& st : stations) {
    const std::string label = labelOf("NDBC_", st.stnid);
    for (TalvoOut* out : {&dir, &hs, &tp, &tm}) out->station(label, st.lat, st.lon);
    FileReader raw(st.filename);
    con.say(FreeLine().t("Processing Station: ").t(pad(st.stnid, kNameWidth)));

    WordReader words(raw);
    std::string item[kItems];
    ObsRecord r;
    while (words.record(item, kItems)) {
      r.year = wordInt(item[1], raw, "the year");
      r.month = wordInt(item[2], raw, "the month");
      r.day = wordInt(item[3], raw, "the day");
      r.hour = wordInt(item[4], raw, "the hour");
      r.minute = wordInt(item[5], raw, "the minute");
      r.second = 0;
      double value[kItems] = {};
      for (size_t k = 6; k < kItems; ++k) value[k] = wordReal(item[k], raw, "a measured value");
      double direction = value[kDirection];
      if (direction != kMissing) {
        direction = 270.0 - direction;  // clockwise from north becomes 270 degrees minus it
        if (direction < 0) direction += 360.0;
      }
      dir.data(r, direction);
      hs.data(r, value[kHeight]);
      tp.data(r, value[kPeak]);
      tm.data(r, value[kMean]);
    }
  }
  dir.close();
  hs.close();
  tp.close();
  tm.close();
}

}  // namespace vm
