// NOAA CO-OPS data-service downloads (CSV): observed or predicted water levels, one file per
// station, in the time zone, units and datum the analyst asked the service for.
#include <string>
#include <vector>

#include "converters/rawdata.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Output files, created anew by every run.
const char* const kObsFile = "watlev_COOPS_OBS.TALVO";
const char* const kPredFile = "watlev_COOPS_PRED.TALVO";

// Longest part of a file's first line shown when the file holds no data.
constexpr size_t kShownWidth = 120;

// The time zone of the downloads: "UTC" for GMT, "LST" for local standard time. Local time
// with daylight saving is refused: its hours repeat once a year, so its times do not say
// when a value was measured.
std::string askZone(Console& con) {
  for (;;) {
    const std::string word =
        upper(askWord(con, "Enter the time zone of the downloads (GMT or LST): ", "the time zone"));
    if (word == "GMT") return "UTC";
    if (word == "LST") return "LST";
    if (word == "LST_LDT")
      con.say(
          "LST_LDT is refused: local time with daylight saving repeats its hours once a year; "
          "download in GMT or LST");
    else
      con.say("Answer GMT or LST");
  }
}

// True for metric (metres), false for english (feet).
bool askMetric(Console& con) {
  for (;;) {
    const std::string word =
        upper(askWord(con, "Enter the units of the downloads (metric or english): ", "the units"));
    if (word == "METRIC") return true;
    if (word == "ENGLISH") return false;
    con.say("Answer metric or english");
  }
}

// The kind of a download named by its column-name line: the first column "Date Time", the
// second "Water Level" (observed) or "Prediction". Null for any other first line (the
// service answers an unknown station or product with a line of text).
TalvoOut* kindOf(std::string_view header, TalvoOut& obs, TalvoOut& pred) {
  std::vector<std::string_view> names;
  splitAt(header, ',', names);
  if (names.size() < 2 || trim(names[0]) != "Date Time") return nullptr;
  if (trim(names[1]) == "Water Level") return &obs;
  if (trim(names[1]) == "Prediction") return &pred;
  return nullptr;
}

}  // namespace

void coops2talvo(Console& con) {
  const std::string listName = askName(con, "Enter the name of the station list");
  const std::string zone = askZone(con);
  const bool metric = askMetric(con);
  const std::string datum =
      upper(askWord(con, "Enter the datum of the downloads (for example MLLW, MSL, NAVD): ", "the datum"));

  const std::vector<Station> stations = readStations(listName, true, [](LineSource& in, Station& s) {
    readList(in, "a station record (id, file, latitude, longitude)", s.stnid, s.filename, s.lat, s.lon);
  });

  refuseOutputsOverInputs({kObsFile, kPredFile}, {listName}, stations);

  const char* const caption = metric ? "watlev (m)" : "watlev (ft)";
  TalvoOut obs(kObsFile, "% TALVO generic format - Water Level", caption, "COOPS", datum, zone);
  TalvoOut pred(kPredFile, "% TALVO generic format - Water Level", caption, "COOPS", datum, zone);

  long number = 0;
  for (const Station& st : stations) {
    sayProcessing(con, ++number, st.stnid);
    FileReader raw(st.filename);
    std::string_view line;
    bool any = false;
    while ((any = raw.next(line)) && isBlank(line)) {
    }
    if (!any) line = {};  // an empty answer
    TalvoOut* out = any ? kindOf(line, obs, pred) : nullptr;
    if (!out) {
      con.say(FreeLine().t("No data for station ID: ").t(cut(line, kShownWidth)));
      continue;
    }
    out->station(labelOf("COOPS_", st.stnid), st.lat, st.lon);

    // Rows: the date and time, the value, then columns that are not read.
    ObsRecord r;
    while (raw.next(line)) {
      if (isBlank(line)) continue;
      const size_t c1 = line.find(',');
      if (c1 == std::string_view::npos || !readIsoStamp(line.substr(0, c1), r))
        raw.fail("expected a row that starts with a date and time YYYY-MM-DD HH:MM and a comma, found '" +
                 std::string(cut(line, kShownWidth)) + "'");
      const size_t c2 = line.find(',', c1 + 1);
      const std::string_view field = trim(line.substr(c1 + 1, c2 == std::string_view::npos ? c2 : c2 - c1 - 1));
      if (field.empty()) {
        r.value = kMissing;  // a gap, not a level of 0
      } else if (!decimalValue(field, r.value)) {
        raw.fail("expected a number or an empty field (the water level), found '" + std::string(field) + "'");
      }
      out->data(r);
    }
  }
  obs.close();
  pred.close();
}

}  // namespace vm
