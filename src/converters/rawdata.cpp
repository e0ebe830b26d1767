#include "converters/rawdata.hpp"

#include <cctype>
#include <climits>
#include <cmath>

#include "core/error.hpp"
#include "core/fmt.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "shell/calendar.hpp"

namespace vm {

void cutTo(std::string& s, size_t width) {
  if (s.size() > width) s.resize(width);
}

std::string askName(Console& con, std::string_view prompt, size_t width) {
  con.say(prompt);
  std::string name;
  con.read("a file name", name);
  cutTo(name, width);
  return name;
}

std::string askWord(Console& con, std::string_view prompt, std::string_view what) {
  con.prompt(prompt);
  std::string word;
  con.read(what, word);
  cutTo(word, kNameWidth);
  return word;
}

void refuseOutputsOverInputs(std::initializer_list<const char*> outputs, const std::vector<std::string>& inputs,
                             const std::vector<Station>& stations) {
  auto check = [&outputs](const std::string& input) {
    if (input.empty()) return;
    for (const char* out : outputs)
      if (sameFile(out, input))
        fail(std::string("the output file ") + out + " would replace the input file " + input +
             "; rename the input file");
  };
  for (const std::string& in : inputs) check(in);
  for (const Station& st : stations) {
    check(st.filename);
    check(st.filename2);
  }
}

std::string labelOf(std::string_view prefix, std::string_view stnid) {
  std::string s(prefix);
  s += rtrim(stnid);
  return s;
}

void skipHeader(LineSource& raw, int n) {
  const std::string what = "the header lines (" + std::to_string(n) + " lines)";
  for (int k = 0; k < n; ++k) raw.need(what);
}

void sayProcessing(Console& con, long number, std::string_view stnid) {
  con.say(FreeLine().t("Processing station Id: ").i(number).t(rtrim(stnid)));
}

TalvoOut::TalvoOut(const std::string& name, std::string_view kind, std::string_view caption,
                   std::string_view network, std::string_view datum, std::string_view zone)
    : out_(name) {
  out_.line(FreeLine().t(kind).str());
  out_.line(FreeLine().t("% ").t("year ").t("month ").t("day ").t("hour ").t("min ").t("sec ").t(caption).str());
  std::string source(network), datumPiece(" ");
  source += ' ';
  datumPiece += datum;
  out_.line(FreeLine().t(source).t(zone).t(datumPiece).str());
}

void TalvoOut::station(std::string_view label, double lat, double lon) {
  out_.line(stationHeaderLine(label, lat, lon));
}

void TalvoOut::data(const ObsRecord& r, double value) {
  buf_.clear();
  putDate6(buf_, r);
  putF(buf_, value, 14, 4);
  buf_ += '\n';
  out_.put(buf_);
}

void TalvoOut::data(const ObsRecord& r) { data(r, r.value); }

void TalvoOut::dataInt(const ObsRecord& r, long long value) {
  buf_.clear();
  putDate6(buf_, r);
  putI(buf_, value, 14);
  buf_ += '\n';
  out_.put(buf_);
}

std::string_view colText(std::string_view line, long first, long last) {
  if (first < 1) first = 1;
  if (last > static_cast<long>(line.size())) last = static_cast<long>(line.size());
  if (last < first) return {};
  return line.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1));
}

int colInt(std::string_view line, long first, long last, const LineSource& src, std::string_view what) {
  // "(i10)" looks at no more than the first ten columns of the field.
  std::string_view f = cut(colText(line, first, last), 10);
  long long v;
  if (!fieldIntOk(f, v) || v < INT_MIN || v > INT_MAX)
    src.fail("expected an integer (" + std::string(what) + "), found '" + std::string(f) + "'");
  return static_cast<int>(v);
}

Separators findSeparators(std::string_view line, const LineSource& src, bool colon) {
  Separators s;
  size_t p1 = line.find('/');
  size_t p2 = p1 == std::string_view::npos ? p1 : line.find('/', p1 + 1);
  size_t pk = line.find(':');
  if (p2 == std::string_view::npos || (colon && pk == std::string_view::npos))
    src.fail(colon ? "expected a date month/day/year and a time hour:minute" : "expected a date month/day/year");
  s.s1 = static_cast<long>(p1) + 1;
  s.s2 = static_cast<long>(p2) + 1;
  s.k = pk == std::string_view::npos ? 0 : static_cast<long>(pk) + 1;
  return s;
}

void readSlashDate(std::string_view line, const Separators& sep, const LineSource& src, ObsRecord& r) {
  r.month = colInt(line, 1, sep.s1 - 1, src, "the month");
  r.day = colInt(line, sep.s1 + 1, sep.s2 - 1, src, "the day");
  r.year = colInt(line, sep.s2 + 1, sep.s2 + 4, src, "the year");
}

bool nextSlashDated(FileReader& raw, std::string_view& line, Separators& sep, ObsRecord& r) {
  do {
    if (!raw.next(line)) return false;
    line = rtrim(cut(line, kNameWidth));
  } while (line.empty());  // holds no record
  sep = findSeparators(line, raw, true);
  readSlashDate(line, sep, raw, r);
  return true;
}

void shiftRecord(ObsRecord& r, int shift, const LineSource& src) {
  if (r.month < 1 || r.month > 12) src.fail("the month " + std::to_string(r.month) + " is not from 1 to 12");
  tzconvert(r.year, r.month, r.day, r.hour, shift);
}

void splitAt(std::string_view line, char sep, std::vector<std::string_view>& fields) {
  fields.clear();
  size_t b = 0;
  for (;;) {
    const size_t e = line.find(sep, b);
    if (e == std::string_view::npos) break;
    fields.push_back(line.substr(b, e - b));
    b = e + 1;
  }
  fields.push_back(line.substr(b));
}

void splitWords(std::string_view line, std::vector<std::string_view>& words) {
  words.clear();
  const size_t n = line.size();
  size_t p = 0;
  for (;;) {
    while (p < n && (line[p] == ' ' || line[p] == '\t')) ++p;
    if (p == n) return;
    size_t e = p;
    while (e < n && line[e] != ' ' && line[e] != '\t') ++e;
    words.push_back(line.substr(p, e - p));
    p = e;
  }
}

long columnNamed(const std::vector<std::string_view>& names, std::string_view name) {
  for (size_t k = 0; k < names.size(); ++k)
    if (trim(names[k]) == name) return static_cast<long>(k);
  return -1;
}

bool decimalValue(std::string_view text, double& v) { return parseReal(text, v) && std::isfinite(v); }

namespace {

// Digits only, `min` to `max` of them.
bool digitsField(std::string_view s, size_t min, size_t max, int& v) {
  if (s.size() < min || s.size() > max) return false;
  v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  return true;
}

// Up to `max` parts of a text cut at every `sep`; a count above `max` means more parts.
size_t splitSmall(std::string_view text, char sep, std::string_view* parts, size_t max) {
  size_t n = 0, b = 0;
  for (;;) {
    const size_t e = text.find(sep, b);
    if (n == max) return max + 1;
    parts[n++] = text.substr(b, e == std::string_view::npos ? e : e - b);
    if (e == std::string_view::npos) return n;
    b = e + 1;
  }
}

CalendarTime dateTimeOf(const ObsRecord& r) { return {r.year, r.month, r.day, r.hour, r.minute, r.second}; }

}  // namespace

bool readIsoStamp(std::string_view text, ObsRecord& r) {
  text = trim(text);
  const size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return false;
  std::string_view date[3], time[3];
  const size_t nd = splitSmall(text.substr(0, blank), '-', date, 3);
  const size_t nt = splitSmall(ltrim(text.substr(blank + 1)), ':', time, 3);
  if (nd != 3 || nt < 2 || nt > 3) return false;
  ObsRecord t = r;
  t.second = 0;
  if (!digitsField(date[0], 4, 4, t.year) || !digitsField(date[1], 1, 2, t.month) ||
      !digitsField(date[2], 1, 2, t.day) || !digitsField(time[0], 1, 2, t.hour) ||
      !digitsField(time[1], 2, 2, t.minute) || (nt == 3 && !digitsField(time[2], 2, 2, t.second)) || !validTime(t))
    return false;
  r = t;
  return true;
}

bool validTime(const ObsRecord& r) { return validDateTime(dateTimeOf(r)); }

long long timeKey(const ObsRecord& r) { return toSeconds(dateTimeOf(r)); }

void setTime(ObsRecord& r, long long key) {
  const CalendarTime d = fromSeconds(key);
  r.year = d.year;
  r.month = d.month;
  r.day = d.day;
  r.hour = d.hour;
  r.minute = d.minute;
  r.second = d.second;
}

void shiftMinutes(ObsRecord& r, long long minutes) { setTime(r, timeKey(r) + minutes * 60); }

namespace {

inline bool separates(char c) { return c == ' ' || c == '\t' || c == ','; }

}  // namespace

bool firstReal(std::string_view text, double& v) {
  size_t b = 0;
  while (b < text.size() && (text[b] == ' ' || text[b] == '\t')) ++b;
  size_t e = b;
  while (e < text.size() && !separates(text[e]) && text[e] != '/') ++e;
  return e > b && parseReal(text.substr(b, e - b), v);
}

bool isBlank(std::string_view line) { return trim(line).empty(); }

bool WordReader::word(std::string& w) {
  for (;;) {
    while (pos_ < line_.size() && separates(line_[pos_])) ++pos_;
    if (pos_ < line_.size()) break;
    if (!src_.next(line_)) {
      line_ = {};
      pos_ = 0;
      return false;
    }
    pos_ = 0;
  }
  size_t e = pos_;
  while (e < line_.size() && !separates(line_[e])) ++e;
  w.assign(line_.substr(pos_, e - pos_));
  pos_ = e;
  return true;
}

bool WordReader::record(std::string* words, size_t n) {
  for (size_t i = 0; i < n; ++i)
    if (!word(words[i])) return false;
  endRecord();
  return true;
}

int wordInt(const std::string& w, const LineSource& src, std::string_view what) {
  long long v;
  if (!parseInt(w, v) || v < INT_MIN || v > INT_MAX)
    src.fail("expected an integer (" + std::string(what) + "), found '" + w + "'");
  return static_cast<int>(v);
}

double wordReal(const std::string& w, const LineSource& src, std::string_view what) {
  double v;
  if (!parseReal(w, v)) src.fail("expected a real number (" + std::string(what) + "), found '" + w + "'");
  return v;
}

}  // namespace vm
