#include "comparison/svgplot.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vm::svg {

namespace {

const char* const kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Length of the valid UTF-8 sequence starting at s[i] that XML allows, 0 when there is none.
size_t validSequence(std::string_view s, size_t i) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = b(i);
  const auto cont = [&](size_t k, unsigned char lo = 0x80, unsigned char hi = 0xBF) {
    return k < s.size() && b(k) >= lo && b(k) <= hi;
  };
  if (c >= 0xC2 && c <= 0xDF) return cont(i + 1) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    const unsigned char lo = c == 0xE0 ? 0xA0 : 0x80, hi = c == 0xED ? 0x9F : 0xBF;  // no overlong, no surrogate
    if (!cont(i + 1, lo, hi) || !cont(i + 2)) return 0;
    if (c == 0xEF && b(i + 1) == 0xBF && (b(i + 2) == 0xBE || b(i + 2) == 0xBF)) return 0;  // U+FFFE, U+FFFF
    return 3;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    const unsigned char lo = c == 0xF0 ? 0x90 : 0x80, hi = c == 0xF4 ? 0x8F : 0xBF;
    return cont(i + 1, lo, hi) && cont(i + 2) && cont(i + 3) ? 4 : 0;
  }
  return 0;
}

void appendInt(std::string& out, long long v) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

// A number given in tenths, without trailing zeros.
void appendTenths(std::string& out, long long t) {
  if (t < 0) {
    out += '-';
    t = -t;
  }
  if (t >= 10) appendInt(out, t / 10);
  if (t % 10 != 0) {
    out += '.';
    out += static_cast<char>('0' + t % 10);
  } else if (t < 10) {
    out += '0';
  }
}

// v * scale rounded, v taken within +-1e7 (NaN as -1e7): far beyond any plot, and safe to round.
long long rounded(double v, double scale) {
  if (!(v > -1e7)) v = -1e7;
  if (v > 1e7) v = 1e7;
  return std::llround(v * scale);
}

long long tenths(double v) { return rounded(v, 10); }

// Data paths are drawn on whole pixels: a thinned series has at most a few points per
// pixel column, and whole numbers keep the path data short.
long long pixel(double v) { return rounded(v, 1); }

// Appends a whole number of path data: a blank separates it from a preceding number unless
// it starts with a minus sign.
void appendPathInt(std::string& out, long long v) {
  if (!out.empty() && v >= 0) {
    const char b = out.back();
    if (b >= '0' && b <= '9') out += ' ';
  }
  appendInt(out, v);
}

// A value written beside a bar or in a legend: three decimals, or four digits and an
// exponent for a number too large to show that way.
std::string shortNumber(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, std::fabs(v) < 1e9 ? "%.3f" : "%.4g", v);
  return buf;
}

// Estimated width of a text at the plots' font size.
double textWidth(std::string_view s) { return 6.2 * static_cast<double>(s.size()); }

// --- small SVG builders --------------------------------------------------------------

// Appends ` name="value"`, the value a coordinate.
void attr(std::string& out, const char* name, double v) {
  out += ' ';
  out += name;
  out += "=\"";
  appendCoord(out, v);
  out += '"';
}

// Opens an element with its class: `<name class="cls"`.
void open(std::string& out, const char* name, const char* cls) {
  out += '<';
  out += name;
  out += " class=\"";
  out += cls;
  out += '"';
}

void openSvg(std::string& out, int width, int height, const std::string& label, const char* cls) {
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\"";
  out += " class=\"";
  out += cls;
  out += '"';
  attr(out, "width", width);
  attr(out, "height", height);
  out += " viewBox=\"0 0 ";
  appendInt(out, width);
  out += ' ';
  appendInt(out, height);
  out += "\" role=\"img\"><title>";
  appendEscaped(out, label);
  out += "</title>\n";
}

void text(std::string& out, double x, double y, std::string_view s, const char* cls = nullptr) {
  if (cls)
    open(out, "text", cls);
  else
    out += "<text";
  attr(out, "x", x);
  attr(out, "y", y);
  out += '>';
  appendEscaped(out, s);
  out += "</text>";
}

void rotatedTitle(std::string& out, double x, double y, std::string_view s) {
  open(out, "text", "at");
  out += " transform=\"translate(";
  appendCoord(out, x);
  out += ' ';
  appendCoord(out, y);
  out += ") rotate(-90)\">";
  appendEscaped(out, s);
  out += "</text>";
}

void pathElement(std::string& out, const char* cls, const std::string& d) {
  if (d.empty()) return;
  open(out, "path", cls);
  out += " d=\"";
  out += d;
  out += "\"/>\n";
}

// Appends a path command with its point: "Mx y", "Lx y".
void point(std::string& d, char command, double x, double y) {
  d += command;
  appendCoord(d, x);
  d += ' ';
  appendCoord(d, y);
}

void rect(std::string& out, const char* cls, double x, double y, double w, double h) {
  open(out, "rect", cls);
  attr(out, "x", x);
  attr(out, "y", y);
  attr(out, "width", w);
  attr(out, "height", h);
  out += "/>\n";
}

// The symbol of a legend entry.
enum class Symbol { Dot, LargeDot, ScatterDot, MarkDot, Line, Dash, Fit, ObsPeak, ModelPeak, BarAbove, BarBelow };

void obsPeakMark(std::string& out, double x, double y) {
  open(out, "circle", "pko");
  attr(out, "cx", x);
  attr(out, "cy", y);
  out += " r=\"5\"/>";
}

void modelPeakMark(std::string& out, double x, double y) {
  std::string d;
  point(d, 'M', x, y - 6);
  d += "l6 6-6 6-6-6z";
  pathElement(out, "pkm", d);
}

struct LegendItem {
  Symbol symbol;
  std::string text;
};

double legendItemWidth(const LegendItem& it) { return 26 + textWidth(it.text) + 14; }

// Draws the items from (x, y) on: in a row, or in a column with a white box behind them.
void legend(std::string& out, double x, double y, const std::vector<LegendItem>& items, bool column) {
  if (column) {
    double w = 0;
    for (const auto& it : items) w = std::max(w, legendItemWidth(it));
    rect(out, "lgb", x - 4, y - 10, w, 16.0 * static_cast<double>(items.size()) + 4);
  }
  out += "<g class=\"lg\">";
  for (const auto& it : items) {
    std::string d;
    const char* cls = nullptr;
    switch (it.symbol) {
      case Symbol::Dot:
      case Symbol::LargeDot:
      case Symbol::ScatterDot:
      case Symbol::MarkDot:
        cls = it.symbol == Symbol::Dot        ? "obs"
              : it.symbol == Symbol::LargeDot ? "obl"
              : it.symbol == Symbol::MarkDot  ? "mk"
                                              : "sp";
        point(d, 'M', x + 9, y);
        d += "h0";
        break;
      case Symbol::Line:
      case Symbol::Dash:
      case Symbol::Fit:
        cls = it.symbol == Symbol::Line ? "mod" : it.symbol == Symbol::Dash ? "one" : "fit";
        point(d, 'M', x, y);
        d += "h18";
        break;
      case Symbol::ObsPeak:
        obsPeakMark(out, x + 9, y);
        break;
      case Symbol::ModelPeak:
        modelPeakMark(out, x + 9, y);
        break;
      case Symbol::BarAbove:
      case Symbol::BarBelow:
        rect(out, it.symbol == Symbol::BarAbove ? "ba" : "bb", x + 2, y - 5, 14, 10);
        break;
    }
    if (cls) pathElement(out, cls, d);
    text(out, x + 24, y + 4, it.text);
    if (column)
      y += 16;
    else
      x += legendItemWidth(it);
  }
  out += "</g>\n";
}

// A linear map of data values to pixels.
struct Scale {
  double d0, d1, p0, p1;
  double operator()(double v) const { return p0 + (v - d0) / (d1 - d0) * (p1 - p0); }
};

// Grid lines, tick labels and title of a value axis, vertical (y) or horizontal (x).
void valueGrid(std::string& out, const ValueAxis& a, const Scale& s, bool vertical, double from, double to,
               std::string_view title, double titleAt) {
  std::string d;
  for (double v : a.ticks) {
    const double p = s(v);
    if (vertical) {
      point(d, 'M', from, p);
      d += 'H';
    } else {
      point(d, 'M', p, from);
      d += 'V';
    }
    appendCoord(d, to);
  }
  pathElement(out, "gr", d);
  out += vertical ? "<g class=\"yl\">" : "<g class=\"xl\">";
  for (double v : a.ticks) {
    if (vertical)
      text(out, from - 5, s(v) + 4, tickLabel(a, v));
    else
      text(out, s(v), to + 14, tickLabel(a, v));
  }
  out += "</g>\n";
  if (vertical)
    rotatedTitle(out, titleAt, (s.p0 + s.p1) / 2, title);
  else
    text(out, (s.p0 + s.p1) / 2, titleAt, title, "at");
  out += '\n';
}

// Range of the finite values of a set of spans, false when there is none.
template <class Get>
bool extend(double& lo, double& hi, size_t n, Get get) {
  bool any = false;
  for (size_t i = 0; i < n; ++i) {
    const std::optional<double> v = get(i);
    if (!v || !std::isfinite(*v)) continue;
    lo = std::min(lo, *v);
    hi = std::max(hi, *v);
    any = true;
  }
  return any;
}

// Liang-Barsky: clips the segment (x0,y0)-(x1,y1) to the box; false when nothing is left.
bool clip(double& x0, double& y0, double& x1, double& y1, double lo, double hi) {
  double t0 = 0, t1 = 1;
  const double dx = x1 - x0, dy = y1 - y0;
  const double p[4] = {-dx, dx, -dy, dy}, q[4] = {x0 - lo, hi - x0, y0 - lo, hi - y0};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    const double r = q[k] / p[k];
    if (p[k] < 0)
      t0 = std::max(t0, r);
    else
      t1 = std::min(t1, r);
  }
  if (t0 > t1) return false;
  const double ax = x0 + t0 * dx, ay = y0 + t0 * dy;
  x1 = x0 + t1 * dx;
  y1 = y0 + t1 * dy;
  x0 = ax;
  y0 = ay;
  return true;
}

}  // namespace

void appendEscaped(std::string& out, std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
          if ((c < 0x20 && c != '\t' && c != '\n') || c == 0x7F)
            out += kReplacement;
          else
            out += static_cast<char>(c);
      }
      ++i;
      continue;
    }
    const size_t n = validSequence(s, i);
    if (n == 0) {
      out += kReplacement;
      ++i;
    } else {
      out.append(s.substr(i, n));
      i += n;
    }
  }
}

void appendCoord(std::string& out, double v) { appendTenths(out, tenths(v)); }

// --- axes ------------------------------------------------------------------------------

ValueAxis valueAxis(double lo, double hi, int maxTicks) {
  if (!std::isfinite(lo) || !std::isfinite(hi)) lo = 0, hi = 1;
  if (lo > hi) std::swap(lo, hi);
  lo = std::max(lo, -1e300);
  hi = std::min(hi, 1e300);
  if (hi - lo <= 1e-9 * std::max(std::fabs(lo), std::fabs(hi)) || hi - lo < 1e-280) {
    const double d = lo != 0 ? std::fabs(lo) * 0.1 : 1.0;
    lo -= d;
    hi += d;
  }
  maxTicks = std::max(maxTicks, 3);
  // The step is mult * 10^e; with e < 0 it is computed as mult / 10^-e, which keeps
  // 0.1, 0.2 and 0.5 exact in the ticks printed.
  int e = static_cast<int>(std::floor(std::log10((hi - lo) / (maxTicks - 1))));
  static const int mults[3] = {1, 2, 5};
  ValueAxis a;
  for (int tries = 0; tries < 40; ++tries, ++e) {
    bool done = false;
    for (int mult : mults) {
      const double step = e >= 0 ? mult * std::pow(10.0, e) : mult / std::pow(10.0, -e);
      const double k0 = std::floor(lo / step), k1 = std::ceil(hi / step);
      if (k1 - k0 > maxTicks - 1) continue;
      a.step = step;
      a.lo = k0 * step;
      a.hi = k1 * step;
      a.exponent = e;
      for (double k = k0; k <= k1; ++k) a.ticks.push_back(e >= 0 ? k * step : k * mult / std::pow(10.0, -e));
      done = true;
      break;
    }
    if (done) break;
  }
  if (a.ticks.empty()) a.ticks = {a.lo, a.hi};
  return a;
}

std::string tickLabel(const ValueAxis& a, double v) {
  char buf[64];
  const double largest = std::max(std::fabs(a.lo), std::fabs(a.hi));
  if (a.exponent >= -9 && largest < 1e15) {
    std::snprintf(buf, sizeof buf, "%.*f", std::max(0, -a.exponent), v);
  } else {
    const int digits = static_cast<int>(std::floor(std::log10(largest))) - a.exponent + 1;
    std::snprintf(buf, sizeof buf, "%.*g", std::clamp(digits, 1, 17), v);
  }
  std::string s = buf;
  if (s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos) s.erase(0, 1);  // "-0.0"
  return s;
}

namespace {

enum class Unit { Fixed, DayOfMonth, Month, Year };
struct TimeStep {
  Unit unit;
  long long n;  // seconds, days apart within a month, months or years
  double seconds() const {
    switch (unit) {
      case Unit::Fixed: return static_cast<double>(n);
      case Unit::DayOfMonth: return n * 86400.0;
      case Unit::Month: return n * 30.44 * 86400.0;
      case Unit::Year: return n * 365.25 * 86400.0;
    }
    return 1;
  }
};

long long floorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

std::string two(int v) {
  char b[16];
  std::snprintf(b, sizeof b, "%02d", v);
  return b;
}

}  // namespace

TimeAxis timeAxis(Seconds lo, Seconds hi, int maxTicks) {
  TimeAxis a;
  if (lo > hi) std::swap(lo, hi);
  if (lo == hi) lo -= 1800, hi += 1800;
  a.lo = lo;
  a.hi = hi;
  maxTicks = std::max(maxTicks, 3);
  const double span = static_cast<double>(hi - lo);
  static const TimeStep steps[] = {{Unit::Fixed, 1},     {Unit::Fixed, 2},     {Unit::Fixed, 5},
                                   {Unit::Fixed, 10},    {Unit::Fixed, 15},    {Unit::Fixed, 30},
                                   {Unit::Fixed, 60},    {Unit::Fixed, 120},   {Unit::Fixed, 300},
                                   {Unit::Fixed, 600},   {Unit::Fixed, 900},   {Unit::Fixed, 1800},
                                   {Unit::Fixed, 3600},  {Unit::Fixed, 7200},  {Unit::Fixed, 10800},
                                   {Unit::Fixed, 21600}, {Unit::Fixed, 43200}, {Unit::Fixed, 86400},
                                   {Unit::Fixed, 172800}, {Unit::DayOfMonth, 5}, {Unit::DayOfMonth, 10},
                                   {Unit::DayOfMonth, 15}, {Unit::Month, 1},    {Unit::Month, 2},
                                   {Unit::Month, 3},     {Unit::Month, 6}};
  TimeStep step{Unit::Year, 1};
  bool found = false;
  for (const TimeStep& s : steps)
    if (span / s.seconds() <= maxTicks - 1) {
      step = s;
      found = true;
      break;
    }
  if (!found) {
    static const int mults[3] = {1, 2, 5};
    for (long long p = 1; !found && p < 1000000000000LL; p *= 10)
      for (int m : mults)
        if (span / TimeStep{Unit::Year, m * p}.seconds() <= maxTicks - 1) {
          step = {Unit::Year, m * p};
          found = true;
          break;
        }
  }

  const size_t cap = static_cast<size_t>(maxTicks) + 4;
  const auto add = [&](Seconds t) {
    if (t >= lo && t <= hi && a.ticks.size() < cap) a.ticks.push_back(t);
  };
  const CalendarTime first = fromSeconds(lo);
  switch (step.unit) {
    case Unit::Fixed:
      for (long long t = floorDiv(lo, step.n) * step.n; t <= hi && a.ticks.size() < cap; t += step.n) add(t);
      break;
    case Unit::DayOfMonth:
    case Unit::Month: {
      // Months counted from year 0; a month tick falls on a month whose index is a multiple of n.
      long long m = static_cast<long long>(first.year) * 12 + (first.month - 1);
      if (step.unit == Unit::Month) m = floorDiv(m, step.n) * step.n;
      for (int guard = 0; guard < 200 && a.ticks.size() < cap; ++guard) {
        CalendarTime d;
        d.year = static_cast<int>(floorDiv(m, 12));
        d.month = static_cast<int>(m - floorDiv(m, 12) * 12) + 1;
        d.day = 1;
        if (toSeconds(d) > hi) break;
        if (step.unit == Unit::Month) {
          add(toSeconds(d));
          m += step.n;
        } else {
          for (int day = 1; day + step.n <= 31 || day == 1; day += static_cast<int>(step.n)) {
            d.day = day;
            add(toSeconds(d));
          }
          ++m;
        }
      }
      break;
    }
    case Unit::Year: {
      CalendarTime d;
      d.month = d.day = 1;
      long long y = floorDiv(first.year, step.n) * step.n;
      for (int guard = 0; guard < 200 && a.ticks.size() < cap; ++guard, y += step.n) {
        if (y < std::numeric_limits<int>::min() || y > std::numeric_limits<int>::max()) continue;
        d.year = static_cast<int>(y);
        if (toSeconds(d) > hi) break;
        add(toSeconds(d));
      }
      break;
    }
  }

  std::string lastContext;
  for (Seconds t : a.ticks) {
    const CalendarTime d = fromSeconds(t);
    const std::string date = std::to_string(d.year) + "-" + two(d.month) + "-" + two(d.day);
    std::string label, context;
    if (step.unit == Unit::Fixed && step.n < 60) {
      label = two(d.hour) + ":" + two(d.minute) + ":" + two(d.second);
      context = date;
    } else if (step.unit == Unit::Fixed && step.n < 86400) {
      label = two(d.hour) + ":" + two(d.minute);
      context = date;
    } else if (step.unit == Unit::Fixed || step.unit == Unit::DayOfMonth) {
      label = two(d.month) + "-" + two(d.day);
      context = std::to_string(d.year);
    } else if (step.unit == Unit::Month) {
      label = std::to_string(d.year) + "-" + two(d.month);
    } else {
      label = std::to_string(d.year);
    }
    a.labels.push_back(label);
    a.context.push_back(context != lastContext ? context : std::string());
    lastContext = context;
  }
  return a;
}

// --- thinning --------------------------------------------------------------------------

namespace {

// Keeps, per column, the lowest and the highest value in their order. `breaks` makes a
// missing value start a new piece.
std::vector<Pt> thin(std::span<const double> x, std::span<const std::optional<double>> y, double column,
                     bool breaks) {
  std::vector<Pt> out;
  const size_t n = std::min(x.size(), y.size());
  if (column <= 0) column = 1;
  bool open = false;  // a column is being gathered
  long long col = 0;
  size_t iLo = 0, iHi = 0;
  bool move = true, gap = true;
  const auto flush = [&] {
    if (!open) return;
    const size_t a = std::min(iLo, iHi), b = std::max(iLo, iHi);
    out.push_back({x[a], *y[a], move});
    if (b != a) out.push_back({x[b], *y[b], false});
    open = false;
  };
  for (size_t i = 0; i < n; ++i) {
    if (!y[i] || !std::isfinite(*y[i]) || !std::isfinite(x[i])) {
      if (breaks) gap = true;
      continue;
    }
    const long long c = static_cast<long long>(std::floor(std::clamp(x[i], -1e7, 1e7) / column));
    if (open && c == col) {
      if (*y[i] < *y[iLo]) iLo = i;
      if (*y[i] > *y[iHi]) iHi = i;
      gap = false;  // within a column the values are joined
      continue;
    }
    flush();
    open = true;
    col = c;
    iLo = iHi = i;
    move = gap;
    gap = false;
  }
  flush();
  return out;
}

}  // namespace

std::vector<Pt> thinLine(std::span<const double> x, std::span<const std::optional<double>> y, double column) {
  return thin(x, y, column, true);
}

std::vector<Pt> thinPoints(std::span<const double> x, std::span<const std::optional<double>> y, double column) {
  return thin(x, y, column, false);
}

CellThinner::CellThinner(double width, double height, double cell) : cell_(cell > 0 ? cell : 1) {
  cols_ = static_cast<long long>(std::ceil(std::max(width, 0.0) / cell_)) + 1;
  rows_ = static_cast<long long>(std::ceil(std::max(height, 0.0) / cell_)) + 1;
  taken_.assign(static_cast<size_t>(cols_ * rows_), 0);
}

void CellThinner::add(double x, double y) {
  if (!(x >= 0) || !(y >= 0)) return;  // also NaN
  const double cx = std::floor(x / cell_), cy = std::floor(y / cell_);
  if (cx >= static_cast<double>(cols_) || cy >= static_cast<double>(rows_)) return;
  const size_t k = static_cast<size_t>(cy) * static_cast<size_t>(cols_) + static_cast<size_t>(cx);
  if (taken_[k]) return;
  taken_[k] = 1;
  pts_.push_back({x, y, false});
}

void appendLinePath(std::string& out, const std::vector<Pt>& pts) {
  long long px = 0, py = 0;
  char last = 0;  // the last command written
  for (size_t i = 0; i < pts.size(); ++i) {
    const long long tx = pixel(pts[i].x), ty = pixel(pts[i].y);
    if (i == 0) {
      out += 'M';
      appendInt(out, tx);
      appendPathInt(out, ty);
      last = 'M';
    } else {
      const char cmd = pts[i].move ? 'm' : 'l';
      if (cmd == 'm' || (last != 'm' && last != 'l')) out += cmd;
      appendPathInt(out, tx - px);
      appendPathInt(out, ty - py);
      last = cmd;
    }
    px = tx;
    py = ty;
    // A piece of one point: a zero-length segment, which the round cap draws as a dot.
    if ((i + 1 == pts.size() || pts[i + 1].move) && (i == 0 || pts[i].move)) {
      out += "h0";
      last = 'h';
    }
  }
}

void appendDotPath(std::string& out, const std::vector<Pt>& pts) {
  long long px = 0, py = 0;
  for (size_t i = 0; i < pts.size(); ++i) {
    const long long tx = pixel(pts[i].x), ty = pixel(pts[i].y);
    out += i == 0 ? 'M' : 'm';
    appendInt(out, i == 0 ? tx : tx - px);
    appendPathInt(out, i == 0 ? ty : ty - py);
    out += "h0";
    px = tx;
    py = ty;
  }
}

// --- plots -----------------------------------------------------------------------------

void timeSeriesSvg(std::string& out, const TimeSeriesPlot& p) {
  const int W = 760, H = 260;
  const double L = 66, R = 14, T = 30, B = 58;
  const double x0 = L, x1 = W - R, y0 = T, y1 = H - B;
  static const cmp::Series empty;
  const cmp::Series& obs = p.observed ? *p.observed : empty;
  const cmp::Series& mod = p.model ? *p.model : empty;

  openSvg(out, W, H, p.label, "ts");
  double lo = INFINITY, hi = -INFINITY;
  bool any = extend(lo, hi, obs.v.size(), [&](size_t i) { return obs.v[i]; });
  any = extend(lo, hi, mod.v.size(), [&](size_t i) { return mod.v[i]; }) || any;
  if (p.obsPeak) extend(lo, hi, 1, [&](size_t) { return p.obsPeak; });
  if (p.modelPeak) extend(lo, hi, 1, [&](size_t) { return p.modelPeak; });
  Seconds t0 = 0, t1 = 0;
  bool anyTime = false;
  for (const cmp::Series* s : {&obs, &mod})
    if (!s->t.empty()) {
      t0 = anyTime ? std::min(t0, s->t.front()) : s->t.front();
      t1 = anyTime ? std::max(t1, s->t.back()) : s->t.back();
      anyTime = true;
    }
  const ValueAxis ya = valueAxis(any ? lo : 0, any ? hi : 1, 6);
  TimeAxis ta = timeAxis(t0, t1, 8);
  if (!anyTime) ta.ticks.clear();  // no time to show
  const Scale ys{ya.lo, ya.hi, y1, y0};
  // A few pixels inside the frame, so that the first and last points are seen whole.
  const Scale xs{static_cast<double>(ta.lo), static_cast<double>(ta.hi), x0 + 6, x1 - 6};

  valueGrid(out, ya, ys, true, x0, x1, p.yTitle, 16);
  std::string d;
  for (Seconds t : ta.ticks) {
    point(d, 'M', xs(static_cast<double>(t)), y0);
    d += 'V';
    appendCoord(d, y1);
  }
  pathElement(out, "gr", d);
  out += "<g class=\"xl\">";
  for (size_t k = 0; k < ta.ticks.size(); ++k) {
    const double x = xs(static_cast<double>(ta.ticks[k]));
    text(out, x, y1 + 14, ta.labels[k]);
    if (!ta.context[k].empty()) text(out, x, y1 + 27, ta.context[k]);
  }
  out += "</g>\n";
  text(out, (x0 + x1) / 2, H - 8, p.xTitle, "at");
  rect(out, "fr", x0, y0, x1 - x0, y1 - y0);

  std::vector<double> px;
  const auto toPixels = [&](const cmp::Series& s) {
    px.resize(s.t.size());
    for (size_t i = 0; i < s.t.size(); ++i) px[i] = xs(static_cast<double>(s.t[i]));
  };
  const auto yPixels = [&](std::vector<Pt>& pts) {
    for (Pt& q : pts) q.y = ys(q.y);
  };
  // Two-pixel columns: a line of the lowest and highest value per column reads as the
  // envelope of a dense series and keeps each plot small whatever the series' length.
  const double column = 2;
  toPixels(mod);
  std::vector<Pt> line = thinLine(px, std::span(mod.v).first(std::min(mod.v.size(), px.size())), column);
  yPixels(line);
  d.clear();
  appendLinePath(d, line);
  pathElement(out, "mod", d);
  toPixels(obs);
  std::vector<Pt> dots = thinPoints(px, std::span(obs.v).first(std::min(obs.v.size(), px.size())), column);
  yPixels(dots);
  d.clear();
  appendDotPath(d, dots);
  // Few observations are drawn larger.
  const bool few = dots.size() < 150;
  pathElement(out, few ? "obl" : "obs", d);
  if (p.obsPeak && p.obsPeakTime && std::isfinite(*p.obsPeak))
    obsPeakMark(out, xs(static_cast<double>(*p.obsPeakTime)), ys(*p.obsPeak));
  if (p.modelPeak && p.modelPeakTime && std::isfinite(*p.modelPeak))
    modelPeakMark(out, xs(static_cast<double>(*p.modelPeakTime)), ys(*p.modelPeak));
  if (!any) text(out, (x0 + x1) / 2, (y0 + y1) / 2, anyTime ? "no valid values" : "no records", "nv");
  out += '\n';
  std::vector<LegendItem> items{{few ? Symbol::LargeDot : Symbol::Dot, "Observed"}, {Symbol::Line, "Model"}};
  if (p.obsPeak && p.obsPeakTime) items.push_back({Symbol::ObsPeak, "Observed peak"});
  if (p.modelPeak && p.modelPeakTime) items.push_back({Symbol::ModelPeak, "Model peak"});
  legend(out, x0, 14, items, false);
  out += "</svg>\n";
}

void scatterSvg(std::string& out, const ScatterPlot& p) {
  const double side = 380;
  const double L = 66, R = 230, T = 16, B = 46;  // the legend right of the plot
  const int W = static_cast<int>(L + side + R), H = static_cast<int>(T + side + B);
  const double x0 = L, x1 = L + side, y0 = T, y1 = T + side;

  openSvg(out, W, H, p.label, "sc");
  double lo = INFINITY, hi = -INFINITY;
  long long n = 0;
  for (size_t c = 0; c < p.x.size() && c < p.y.size(); ++c) {
    const size_t m = std::min(p.x[c].size(), p.y[c].size());
    for (size_t i = 0; i < m; ++i) {
      const double a = p.x[c][i], b = p.y[c][i];
      if (!std::isfinite(a) || !std::isfinite(b)) continue;
      lo = std::min({lo, a, b});
      hi = std::max({hi, a, b});
      ++n;
    }
  }
  const ValueAxis ax = valueAxis(n ? lo : 0, n ? hi : 1, 7);
  const Scale xs{ax.lo, ax.hi, x0, x1}, ys{ax.lo, ax.hi, y1, y0};
  valueGrid(out, ax, ys, true, x0, x1, p.yTitle, 16);
  valueGrid(out, ax, xs, false, y0, y1, p.xTitle, H - 8);
  rect(out, "fr", x0, y0, side, side);

  std::string d;
  point(d, 'M', x0, y1);
  point(d, 'L', x1, y0);
  pathElement(out, "one", d);

  CellThinner cells(side, side, 2);
  for (size_t c = 0; c < p.x.size() && c < p.y.size(); ++c) {
    const size_t m = std::min(p.x[c].size(), p.y[c].size());
    for (size_t i = 0; i < m; ++i) {
      const double a = p.x[c][i], b = p.y[c][i];
      if (std::isfinite(a) && std::isfinite(b)) cells.add(xs(a) - x0, ys(b) - y0);
    }
  }
  std::vector<Pt> pts = cells.points();
  for (Pt& q : pts) q.x += x0, q.y += y0;
  d.clear();
  appendDotPath(d, pts);
  // Few points are drawn as marks, many as small translucent dots.
  const bool few = n <= 500;
  pathElement(out, few ? "mk" : "sp", d);

  std::vector<LegendItem> items{{few ? Symbol::MarkDot : Symbol::ScatterDot, p.pointsName + " (" + std::to_string(n) + ")"},
                                {Symbol::Dash, "1:1"}};
  if (p.slope && std::isfinite(*p.slope)) {
    double ax0 = ax.lo, ay0 = *p.slope * ax.lo, ax1 = ax.hi, ay1 = *p.slope * ax.hi;
    if (clip(ax0, ay0, ax1, ay1, ax.lo, ax.hi)) {
      d.clear();
      point(d, 'M', xs(ax0), ys(ay0));
      point(d, 'L', xs(ax1), ys(ay1));
      pathElement(out, "fit", d);
    }
    items.push_back({Symbol::Fit, "Fit through 0, slope " + shortNumber(*p.slope)});
  }
  if (n == 0) text(out, (x0 + x1) / 2, (y0 + y1) / 2, "no pairs", "nv");
  legend(out, x1 + 18, y0 + 14, items, true);
  out += "</svg>\n";
}

void barChartSvg(std::string& out, const BarChart& p) {
  size_t longest = 4;
  for (const BarRow& r : p.rows) longest = std::max(longest, r.label.size());
  // Labels are mostly capitals and digits, wider than the average letter textWidth assumes.
  const double L = 16 + std::min(7.5 * static_cast<double>(std::min<size_t>(longest, 40)), 300.0);
  const double plotW = 440, R = 90, rowH = 16, T = 52, B = 44;
  const double x0 = L, x1 = L + plotW, y0 = T, y1 = T + rowH * static_cast<double>(std::max<size_t>(p.rows.size(), 1));
  const int W = static_cast<int>(x1 + R), H = static_cast<int>(y1 + B);

  openSvg(out, W, H, p.label, "bc");
  double lo = 0, hi = 0;
  extend(lo, hi, p.rows.size(), [&](size_t i) { return p.rows[i].value; });
  const ValueAxis ax = valueAxis(lo, hi, 7);
  const Scale xs{ax.lo, ax.hi, x0, x1};
  valueGrid(out, ax, xs, false, y0, y1, p.xTitle, H - 8);
  out += "<g class=\"xl\">";  // the tick labels again above the bars
  for (double v : ax.ticks) text(out, xs(v), y0 - 5, tickLabel(ax, v));
  out += "</g>\n";
  rect(out, "fr", x0, y0, x1 - x0, y1 - y0);

  std::string above, below;  // the bars as path data, by sign
  out += "<g class=\"yl\">";
  for (size_t k = 0; k < p.rows.size(); ++k) {
    const double mid = y0 + rowH * (static_cast<double>(k) + 0.5);
    text(out, x0 - 5, mid + 4, p.rows[k].label);
  }
  out += "</g>\n<g class=\"bv\">";
  const double zero = xs(0);
  for (size_t k = 0; k < p.rows.size(); ++k) {
    const BarRow& r = p.rows[k];
    const double mid = y0 + rowH * (static_cast<double>(k) + 0.5);
    if (!r.value || !std::isfinite(*r.value)) {
      text(out, zero + 4, mid + 4, r.note);
      continue;
    }
    const double end = xs(*r.value);
    std::string& d = *r.value >= 0 ? above : below;
    point(d, 'M', zero, mid - 5);
    d += 'H';
    appendCoord(d, end);
    d += "v10H";
    appendCoord(d, zero);
    d += 'z';
    text(out, std::max(end, zero) + 4, mid + 4, shortNumber(*r.value));
  }
  out += "</g>\n";
  pathElement(out, "ba", above);
  pathElement(out, "bb", below);
  {
    std::string d;  // the zero line
    point(d, 'M', zero, y0);
    d += 'V';
    appendCoord(d, y1);
    pathElement(out, "zl", d);
  }
  legend(out, x0, 14, {{Symbol::BarAbove, p.aboveName}, {Symbol::BarBelow, p.belowName}}, false);
  out += "</svg>\n";
}

}  // namespace vm::svg
