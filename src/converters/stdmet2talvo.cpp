// NDBC standard meteorological files (historical and real-time): wave height, dominant and
// average periods, mean wave direction and water level, with columns found by their names.
// A station's valid values are held until its file ends, then written in time order.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "converters/rawdata.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// The quantities, in the order of the output files: the column read, the value from which
// on it is a missing-value marker, the output file and its header texts.
struct Quantity {
  const char* column;
  double missingFrom;
  const char* file;
  const char* kind;
  const char* caption;
  const char* datum;
};
constexpr size_t kQuantities = 5;
const Quantity kQuantity[kQuantities] = {
    {"WVHT", 99.0, "hs_NDBC_STDMET.TALVO", "% TALVO generic format - Significant Wave Height", "hs (m)", "MSL"},
    {"DPD", 99.0, "tp_NDBC_STDMET.TALVO", "% TALVO generic format - Peak Period", "tp (s)", "MSL"},
    {"APD", 99.0, "tm_NDBC_STDMET.TALVO", "% TALVO generic format - Mean Period", "tm (s)", "MSL"},
    {"MWD", 999.0, "dir_NDBC_STDMET.TALVO", "% TALVO generic format - Mean Wave Direction", "dir (deg)", "MSL"},
    {"TIDE", 99.0, "watlev_NDBC_STDMET.TALVO", "% TALVO generic format - Water Level", "watlev (ft)", "MLLW"},
};

// The columns of a file, by name; -1 where the file has none.
struct Columns {
  long year = -1, month = -1, day = -1, hour = -1, minute = -1;
  bool twoDigitYear = false;  // "YY": years before 2000 written with two digits
  long quantity[kQuantities] = {-1, -1, -1, -1, -1};
  size_t dateFields = 0;  // a row needs at least this many fields for its date and time
};

Columns columnsOf(const std::vector<std::string_view>& names, const LineSource& raw) {
  Columns c;
  for (const char* y : {"#YY", "YYYY", "YY"}) {
    if (c.year < 0) {
      c.year = columnNamed(names, y);
      c.twoDigitYear = std::string_view(y) == "YY";
    }
  }
  c.month = columnNamed(names, "MM");
  c.day = columnNamed(names, "DD");
  c.hour = columnNamed(names, "hh");
  c.minute = columnNamed(names, "mm");
  if (c.year < 0 || c.month < 0 || c.day < 0 || c.hour < 0)
    raw.fail("expected the column names, with a year (YY, #YY or YYYY), MM, DD and hh");
  for (long k : {c.year, c.month, c.day, c.hour, c.minute}) c.dateFields = std::max(c.dateFields, size_t(k + 1));
  for (size_t q = 0; q < kQuantities; ++q) c.quantity[q] = columnNamed(names, kQuantity[q].column);
  return c;
}

int dateField(std::string_view w, const LineSource& raw, const char* what) {
  long long v;
  if (!parseInt(w, v) || v < 0 || v > 99999)
    raw.fail("expected an integer (" + std::string(what) + "), found '" + std::string(w) + "'");
  return static_cast<int>(v);
}

// A valid value of one quantity at one time; `key` orders the values by time.
struct Sample {
  long long key;
  double value;
};

// Puts the samples in ascending time, those of one time in file order. Files come in
// ascending time (historical) or newest first (real-time), which take one pass; others are
// sorted.
void inTimeOrder(std::vector<Sample>& s) {
  const auto before = [](const Sample& a, const Sample& b) { return a.key < b.key; };
  if (std::is_sorted(s.begin(), s.end(), before)) return;
  if (!std::is_sorted(s.rbegin(), s.rend(), before)) {
    std::stable_sort(s.begin(), s.end(), before);
    return;
  }
  std::reverse(s.begin(), s.end());
  for (auto run = s.begin(); run != s.end();) {  // runs of one time back into file order
    auto end = run + 1;
    while (end != s.end() && end->key == run->key) ++end;
    std::reverse(run, end);
    run = end;
  }
}

}  // namespace

void stdmet2talvo(Console& con) {
  const std::string listName = askName(con, "Enter the name of the station list");
  const std::vector<Station> stations = readStations(listName, true, [](LineSource& in, Station& s) {
    readList(in, "a station record (id, file, latitude, longitude)", s.stnid, s.filename, s.lat, s.lon);
  });

  refuseOutputsOverInputs(
      {kQuantity[0].file, kQuantity[1].file, kQuantity[2].file, kQuantity[3].file, kQuantity[4].file}, {listName},
      stations);

  std::vector<std::unique_ptr<TalvoOut>> out;
  for (const Quantity& q : kQuantity)
    out.push_back(std::make_unique<TalvoOut>(q.file, q.kind, q.caption, "NDBC", q.datum));

  std::vector<std::string_view> words;
  std::vector<Sample> samples[kQuantities];
  long number = 0;
  for (const Station& st : stations) {
    sayProcessing(con, ++number, st.stnid);
    FileReader raw(st.filename);
    std::string_view line;
    do {
      if (!raw.next(line)) raw.failEnd("the column names (a year, MM, DD, hh, ...)");
    } while (isBlank(line));
    splitWords(line, words);
    const Columns cols = columnsOf(words, raw);
    const size_t names = words.size();

    for (std::vector<Sample>& s : samples) s.clear();
    ObsRecord r;
    while (raw.next(line)) {
      const char first = firstNonBlank(line);
      if (first == '\0' || first == '#') continue;  // blank, or the units line
      splitWords(line, words);
      // A row may lack the last columns (a column added during the year), never more.
      if (words.size() > names)
        raw.fail("expected at most " + std::to_string(names) + " fields, one per column name; found " +
                 std::to_string(words.size()));
      if (words.size() < cols.dateFields)
        raw.fail("expected the date and time fields, found " + std::to_string(words.size()) + " fields");
      r.year = dateField(words[static_cast<size_t>(cols.year)], raw, "the year");
      if (cols.twoDigitYear && r.year < 100) r.year += 1900;
      r.month = dateField(words[static_cast<size_t>(cols.month)], raw, "the month");
      r.day = dateField(words[static_cast<size_t>(cols.day)], raw, "the day");
      r.hour = dateField(words[static_cast<size_t>(cols.hour)], raw, "the hour");
      r.minute = cols.minute < 0 ? 0 : dateField(words[static_cast<size_t>(cols.minute)], raw, "the minute");
      r.second = 0;
      if (!validTime(r)) raw.fail("expected a real date and time, found '" + std::string(trim(line)) + "'");
      const long long key = timeKey(r);
      for (size_t q = 0; q < kQuantities; ++q) {
        const long k = cols.quantity[q];
        if (k < 0 || static_cast<size_t>(k) >= words.size()) continue;  // an absent column
        const std::string_view w = words[static_cast<size_t>(k)];
        if (w == "MM") continue;
        double v;
        if (!decimalValue(w, v))
          raw.fail("expected a number or MM (" + std::string(kQuantity[q].column) + "), found '" + std::string(w) +
                   "'");
        if (v < kQuantity[q].missingFrom) samples[q].push_back({key, v});
      }
    }

    // Each quantity in ascending time; of values at one time the first in the file counts
    // (real-time files hold the newest record first, historical files repeat whole days).
    const std::string label = labelOf("NDBC_", st.stnid);
    for (size_t q = 0; q < kQuantities; ++q) {
      std::vector<Sample>& s = samples[q];
      if (s.empty()) continue;
      inTimeOrder(s);
      out[q]->station(label, st.lat, st.lon);
      for (size_t k = 0; k < s.size(); ++k) {
        if (k > 0 && s[k].key == s[k - 1].key) continue;
        setTime(r, s[k].key);
        out[q]->data(r, s[k].value);
      }
    }
  }
  for (auto& o : out) o->close();
}

}  // namespace vm
