#include "comparison/compare_input.hpp"

#include <algorithm>
#include <charconv>
#include <climits>
#include <numeric>
#include <unordered_map>

#include "core/listin.hpp"
#include "core/text.hpp"
#include "observations/obs_edit.hpp"
#include "observations/talvo_format.hpp"

namespace vm::cmp {

namespace {

inline bool blank(char c) { return c == ' ' || c == '\t'; }

// The words of a line separated by blanks.
std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> w;
  size_t p = 0;
  while (p < line.size()) {
    while (p < line.size() && blank(line[p])) ++p;
    size_t e = p;
    while (e < line.size() && !blank(line[e])) ++e;
    if (e > p) w.push_back(line.substr(p, e - p));
    p = e;
  }
  return w;
}

// Seconds of a data line's date, or false when it is not a calendar date. The day's
// start is kept from the previous call: consecutive lines mostly share their day.
class DateClock {
 public:
  bool seconds(const long long* d, Seconds& s) {
    for (int k = 0; k < 6; ++k)
      if (d[k] < INT_MIN || d[k] > INT_MAX) return false;
    CalendarTime dt{static_cast<int>(d[0]), static_cast<int>(d[1]), static_cast<int>(d[2]),
                static_cast<int>(d[3]), static_cast<int>(d[4]), static_cast<int>(d[5])};
    if (!validDateTime(dt)) return false;
    if (!known_ || dt.year != day_.year || dt.month != day_.month || dt.day != day_.day) {
      day_ = CalendarTime{dt.year, dt.month, dt.day, 0, 0, 0};
      dayStart_ = toSeconds(day_);
      known_ = true;
    }
    s = dayStart_ + dt.hour * 3600LL + dt.minute * 60LL + dt.second;
    return true;
  }

 private:
  bool known_ = false;
  CalendarTime day_;
  Seconds dayStart_ = 0;
};

std::string valuesText(int n) { return n == 1 ? "1 value" : std::to_string(n) + " values"; }

}  // namespace

std::string captionUnit(std::string_view caption) {
  const size_t open = caption.rfind('(');
  if (open == std::string_view::npos) return {};
  const size_t close = caption.find(')', open);
  if (close == std::string_view::npos) return {};
  return std::string(trim(caption.substr(open + 1, close - open - 1)));
}

std::string captionQuantity(std::string_view caption) {
  const size_t open = caption.rfind('(');
  if (open == std::string_view::npos) return {};
  size_t end = open;
  while (end > 0 && blank(caption[end - 1])) --end;
  size_t begin = end;
  while (begin > 0 && !blank(caption[begin - 1])) --begin;
  return std::string(caption.substr(begin, end - begin));
}

std::string unitKey(std::string_view unit) {
  const std::string u = upper(trim(unit));
  if (u == "DEG" || u == "DEGREE" || u == "DEGREES") return "DEG";
  if (u == "M" || u == "METER" || u == "METERS" || u == "METRE" || u == "METRES") return "M";
  if (u == "FT" || u == "FEET" || u == "FOOT") return "FT";
  if (u == "S" || u == "SEC" || u == "SECOND" || u == "SECONDS") return "S";
  return u;
}

InputFile readInputHeader(LineSource& in) {
  InputFile f;
  f.name = in.name();
  const auto h = readObsHeader(in);
  f.caption = h[1];
  f.unit = captionUnit(h[1]);
  f.quantity = captionQuantity(h[1]);
  const auto w = words(h[2]);
  if (w.size() > 1) f.zone = std::string(w[1]);
  if (w.size() > 2) f.datum = std::string(w[2]);
  return f;
}

namespace {

// The usual data line read quickly: six unsigned integers and one or two plain decimal
// numbers separated by blanks. False for anything else (commas, slashes, quotes, signs
// before the date, exponents in D form, too many items ...), which the free-format
// reading then takes, with its errors.
bool quickDataLine(std::string_view ln, long long* d, double* v, int& n) {
  const char* p = ln.data();
  const char* const end = p + ln.size();
  n = 0;
  for (;;) {
    while (p != end && blank(*p)) ++p;
    if (p == end) return n >= 7;
    if (n == 8) return false;
    const char* e = p;
    while (e != end && !blank(*e)) ++e;
    if (n < 6) {
      if (e - p > 18) return false;
      long long x = 0;
      for (const char* q = p; q != e; ++q) {
        if (*q < '0' || *q > '9') return false;
        x = x * 10 + (*q - '0');
      }
      d[n] = x;
    } else {
      const char* q = *p == '-' ? p + 1 : p;
      if (q == e || !((*q >= '0' && *q <= '9') || *q == '.')) return false;
      const auto r = std::from_chars(p, e, v[n - 6], std::chars_format::general);
      if (r.ec != std::errc() || r.ptr != e) return false;
    }
    ++n;
    p = e;
  }
}

// The same line read free-format; a line that is not six integers and one or two numbers
// is fatal.
void slowDataLine(std::string_view ln, const LineSource& in, long long* d, double* v, int& n) {
  constexpr int kMaxItems = 9;
  std::string_view items[kMaxItems];
  n = splitItems(ln, items, kMaxItems);
  bool ok = n >= 7 && n <= 8;
  for (int k = 0; ok && k < 6; ++k) ok = parseInt(items[k], d[k]);
  for (int k = 6; ok && k < n; ++k) ok = parseReal(items[k], v[k - 6]);
  if (ok) return;
  if (n > 8) in.fail("expected one or two values after the date and time, found more");
  in.fail("expected year, month, day, hour, minute and second as integers, then one or two values");
}

std::optional<double> valueOf(double v) { return present(v) ? std::optional<double>(v) : std::nullopt; }

// A station's records are given the room of the previous station's when they begin:
// stations of one file mostly hold alike numbers of records. Room much beyond what a
// station got is given back when its block ends.
void reserveLike(StationRecords& s, size_t n, int values) {
  s.t.reserve(n);
  for (int c = 0; c < values; ++c) s.v[c].reserve(n);
}

void trimRoom(StationRecords& s) {
  if (s.t.capacity() <= 2 * s.t.size() + 4096) return;
  s.t.shrink_to_fit();
  s.v[0].shrink_to_fit();
  s.v[1].shrink_to_fit();
}

}  // namespace

void readInputData(LineSource& in, InputFile& f, const ValueRule& rule) {
  std::unordered_map<std::string, size_t> index;
  for (size_t k = 0; k < f.stations.size(); ++k) index.emplace(f.stations[k].label, k);
  StationRecords* cur = nullptr;
  DateClock clock;
  std::string_view ln;
  while (in.next(ln)) {
    ln = cut(ln, kObsLineWidth);
    if (!isDataLine(ln)) {
      size_t hint = 0;
      if (cur) {
        hint = cur->t.size();
        trimRoom(*cur);
      }
      std::string label(rtrim(firstWord(ln)));
      const auto [it, fresh] = index.try_emplace(label, f.stations.size());
      if (fresh) {
        f.stations.emplace_back();
        f.stations.back().label = std::move(label);
      }
      cur = &f.stations[it->second];
      if (fresh) reserveLike(*cur, hint, f.values);
      continue;
    }
    if (!cur) in.fail("a data line before the first station header line; expected a station header line first");

    long long d[6];
    double v[2] = {0.0, 0.0};
    int n;
    if (!quickDataLine(ln, d, v, n)) slowDataLine(ln, in, d, v, n);
    const int nv = n - 6;
    if (nv != f.values) {
      if (f.values != 0)
        in.fail("expected " + valuesText(f.values) + " per data line like line " + std::to_string(f.valuesLine) +
                ", found " + std::to_string(nv));
      if (rule.values != 0 && nv != rule.values)
        in.fail("expected " + valuesText(rule.values) + " per data line " + rule.why + ", found " + std::to_string(nv));
      f.values = nv;
      f.valuesLine = in.lineNo();
    }

    Seconds s;
    if (!clock.seconds(d, s)) {
      if (f.skipped++ == 0) f.firstSkipped = in.lineNo();
      continue;
    }
    cur->t.push_back(s);
    cur->v[0].push_back(valueOf(v[0]));
    if (nv == 2) cur->v[1].push_back(valueOf(v[1]));
  }
  if (cur) trimRoom(*cur);
}

void settle(StationRecords& s) {
  const size_t n = s.t.size();
  const int nv = s.v[1].empty() ? 1 : 2;
  if (!std::is_sorted(s.t.begin(), s.t.end())) {
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return s.t[a] < s.t[b]; });
    std::vector<Seconds> t(n);
    for (size_t k = 0; k < n; ++k) t[k] = s.t[order[k]];
    s.t.swap(t);
    for (int c = 0; c < nv; ++c) {
      std::vector<std::optional<double>> v(n);
      for (size_t k = 0; k < n; ++k) v[k] = s.v[c][order[k]];
      s.v[c].swap(v);
    }
  }
  size_t w = 0;
  for (size_t k = 0; k < n; ++k) {
    if (w > 0 && s.t[k] == s.t[w - 1]) continue;  // a later record at the same time
    s.t[w] = s.t[k];
    for (int c = 0; c < nv; ++c) s.v[c][w] = s.v[c][k];
    ++w;
  }
  s.t.resize(w);
  for (int c = 0; c < nv; ++c) s.v[c].resize(w);
}

}  // namespace vm::cmp
