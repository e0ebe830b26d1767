// VANTE-RVT gauges: per station a wave file (height and periods) and a water-level file,
// both with two-digit years, into four observation files.
#include <climits>
#include <string>

#include "converters/rawdata.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Output files, created anew by every run.
const char* const kHsFile = "hs_VANTE-RVT.TALVO";
const char* const kTpFile = "tp_VANTE-RVT.TALVO";
const char* const kTmFile = "tm_VANTE-RVT.TALVO";
const char* const kWatlevFile = "watlev_VANTE-RVT.TALVO";

// A free-form integer read from a few columns of a water-level line.
int smallField(std::string_view line, long first, long last, const FileReader& raw, std::string_view what) {
  int v = 0;
  if (!readLine(colText(line, first, last), &raw, what, v)) raw.fail("expected " + std::string(what));
  return v;
}

// Two-digit years count from 2000; a year too large to take the 2000 stops the run.
int fullYear(int year, const FileReader& raw) {
  if (year > INT_MAX - 2000) raw.fail("the year " + std::to_string(year) + " is out of range");
  return year + 2000;
}

}  // namespace

void vantervt(Console& con) {
  const std::string listName = askName(con, "Enter the name of the VANTE-RVT station list");
  const std::vector<Station> stations = readStations(listName, true, [](LineSource& in, Station& s) {
    readList(in, "a station record (id, wave file, water-level file, latitude, longitude, offset)", s.stnid,
             s.filename, s.filename2, s.lat, s.lon, s.conv);
  });

  refuseOutputsOverInputs({kHsFile, kTpFile, kTmFile, kWatlevFile}, {listName}, stations);

  TalvoOut hs(kHsFile, "% TALVO generic format - Wave Height", "hs (m)", "VANTE-RVT", "NAVD88");
  TalvoOut tp(kTpFile, "% TALVO generic format - Peak Period", "tp (s)", "VANTE-RVT", "NAVD88");
  TalvoOut tm(kTmFile, "% TALVO generic format - Mean Period", "tp (s)", "VANTE-RVT", "NAVD88");
  TalvoOut wl(kWatlevFile, "% TALVO generic format - Water Level", "watlev (m)", "VANTE-RVT", "NAVD88");

  long number = 0;
  for (const Station& st : stations) {
    sayProcessing(con, ++number, st.stnid);
    const std::string label = labelOf("VANTE-RVT_", st.stnid);
    for (TalvoOut* out : {&hs, &tp, &tm, &wl}) out->station(label, st.lat, st.lon);

    long records = 0;
    {
      FileReader wave(st.filename);
      readList(wave, "the number of wave records", records);
      skipHeader(wave, 8);
      ObsRecord r;
      double height = 0, mean = 0, peak = 0, unused = 0;
      for (long k = 0; k < records; ++k) {
        readList(wave, "a wave record (month, day, year, hour, height, mean period, peak period, one more value)",
                 r.month, r.day, r.year, r.hour, height, mean, peak, unused);
        r.year = fullYear(r.year, wave);
        r.minute = r.second = 0;
        hs.data(r, height);
        tp.data(r, peak);
        tm.data(r, mean);
      }
    }

    FileReader level(st.filename2);
    skipHeader(level, 7);
    std::string_view line;
    ObsRecord r;
    for (long k = 0; k < records && level.next(line); ++k) {
      line = cut(line, kNameWidth);
      r.month = smallField(line, 1, 2, level, "the month");
      r.day = smallField(line, 4, 5, level, "the day");
      r.year = smallField(line, 7, 8, level, "the year") + 2000;
      r.hour = smallField(line, 10, 11, level, "the hour");
      r.minute = smallField(line, 13, 14, level, "the minute");
      r.second = 0;
      // A part that is not a number, or is empty, is a missing level.
      if (firstReal(colText(line, 16, static_cast<long>(line.size())), r.value))
        r.value += st.conv;
      else
        r.value = kMissing;
      wl.data(r);
    }
  }
  hs.close();
  tp.close();
  tm.close();
  wl.close();
}

}  // namespace vm
