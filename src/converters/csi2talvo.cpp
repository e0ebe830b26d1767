// CSI wave records: one raw file per station, into wave height, direction, mean period
// and peak period files.
#include <string>

#include "converters/rawdata.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Output files, created anew by every run.
const char* const kHsFile = "hs_CSI.TALVO";
const char* const kDirFile = "dir_CSI.TALVO";
const char* const kTmFile = "tm_CSI.TALVO";
const char* const kTpFile = "tp_CSI.TALVO";

constexpr size_t kCsiWidth = 142;

}  // namespace

void csi2talvo(Console& con) {
  const std::string listName = askName(con, "Enter the name of the CSI station list", kCsiWidth);
  const std::vector<Station> stations = readStations(listName, true, [](LineSource& in, Station& s) {
    std::string datum;
    double conv = 0.0;
    readList(in, "a station record (id, file, longitude, latitude, datum, offset)", s.stnid, s.filename, s.lon,
             s.lat, datum, conv);
  });

  refuseOutputsOverInputs({kHsFile, kDirFile, kTmFile, kTpFile}, {listName}, stations);

  TalvoOut hs(kHsFile, "% TALVO generic format - Wave Height", "hs (m)", "CSI", "NAVD");
  TalvoOut dir(kDirFile, "% TALVO generic format - Wave Direction", "dir (degrees)", "CSI", "NAVD");
  TalvoOut tm(kTmFile, "% TALVO generic format - Average Wave Period", "tp (s)", "CSI", "NAVD");
  TalvoOut tp(kTpFile, "% TALVO generic format - Peak Wave Period", "tp (s)", "CSI", "NAVD");

  long number = 0;
  for (const Station& st : stations) {
    sayProcessing(con, ++number, st.stnid);
    con.say(pad(st.filename, kNameWidth));
    FileReader raw(st.filename);
    skipHeader(raw, 1);
    const std::string label = labelOf("", st.stnid);  // the bare identifier
    for (TalvoOut* out : {&hs, &dir, &tm, &tp}) out->station(label, st.lat, st.lon);

    std::string_view line;
    ObsRecord r;
    while (raw.next(line)) {
      line = rtrim(cut(line, kCsiWidth));
      if (line.empty() || line[0] == ' ') continue;  // a line led by a blank is passed over
      const Separators sep = findSeparators(line, raw, false);
      readSlashDate(line, sep, raw, r);
      int time = 0, direction = 0;
      double height = 0, mean = 0, peak = 0;
      const std::string_view what = "the time, height, mean period, peak period and direction";
      if (!readLine(colText(line, sep.s2 + 5, static_cast<long>(line.size())), &raw, what, time, height, mean, peak,
                    direction))
        raw.fail("expected " + std::string(what));
      if (height == -1.0) height = kMissing;
      if (mean == -1.0) mean = kMissing;
      if (peak == -1.0) peak = kMissing;
      if (direction < 0) direction = -999;
      r.hour = time > 99 ? time / 100 : time;  // hhmm, or the hour alone
      r.minute = r.second = 0;
      hs.data(r, height);
      tm.data(r, mean);
      tp.data(r, peak);
      dir.dataInt(r, direction);
    }
  }
  hs.close();
  dir.close();
  tm.close();
  tp.close();
}

}  // namespace vm
