// Inline SVG plots for the comparison's report: round-number axes, calendar time axes,
// thinning of long series to what a pixel column can show, and the three kinds of plot
// the report draws (time series, scatter with 1:1 and fitted line, horizontal bars).
//
// Everything is appended to a std::string; coordinates carry at most one decimal. The plots
// use the class names styled by the report's page (see report.cpp).
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "comparison/comparison.hpp"

namespace vm::svg {

// Appends `text` escaped for XML character data and attribute values (& < > "), with
// bytes that are not valid UTF-8 and characters XML does not allow replaced by U+FFFD,
// so that any label read from a file keeps the document well-formed.
void appendEscaped(std::string& out, std::string_view text);

// Appends a coordinate rounded to one decimal, without trailing zeros ("12", "12.5", "-.5").
void appendCoord(std::string& out, double v);

// A value axis on round numbers: `lo` and `hi` are the outer ticks, the ticks are k * step
// with step 1, 2 or 5 times 10^exponent. A label has as many decimals as the step needs
// (or is written with an exponent for very large or very small numbers).
struct ValueAxis {
  double lo = 0, hi = 1, step = 1;
  int exponent = 0;
  std::vector<double> ticks;
};
ValueAxis valueAxis(double lo, double hi, int maxTicks);
std::string tickLabel(const ValueAxis& a, double v);

// A time axis over [lo, hi] with ticks on round calendar times (seconds, minutes, hours,
// midnights, days 1/11/21 and the like of a month, months, years). Each tick has its label
// and a context line (the date under times of day, the year under days), given at the first
// tick and where it changes, empty elsewhere.
struct TimeAxis {
  Seconds lo = 0, hi = 1;
  std::vector<Seconds> ticks;
  std::vector<std::string> labels, context;
};
TimeAxis timeAxis(Seconds lo, Seconds hi, int maxTicks);

// A point of a plot; `move` starts a new piece of a broken line.
struct Pt {
  double x, y;
  bool move = false;
};

// Thinning of a series ordered by x (pixels; y in any unit): within each column of `column`
// pixels only the lowest and the highest value are kept, in their original order. For a line
// a missing value breaks the line (the next value starts a new piece, flagged `move`); within
// one column the values are joined. At most two points per column either way.
std::vector<Pt> thinLine(std::span<const double> x, std::span<const std::optional<double>> y, double column);
// The same for points: missing values are passed over.
std::vector<Pt> thinPoints(std::span<const double> x, std::span<const std::optional<double>> y, double column);

// Thinning of a scatter (pixels): one point per cell of `cell` x `cell` pixels, the first that
// falls in it; points outside [0, width] x [0, height] are dropped.
class CellThinner {
 public:
  CellThinner(double width, double height, double cell);
  void add(double x, double y);
  const std::vector<Pt>& points() const { return pts_; }

 private:
  double cell_;
  long long cols_, rows_;
  std::vector<std::uint8_t> taken_;
  std::vector<Pt> pts_;
};

// Path data for a line (a piece of one point is drawn as a dot by the round cap) and for
// dots (each point a zero-length segment, drawn with a round cap).
void appendLinePath(std::string& out, const std::vector<Pt>& pts);
void appendDotPath(std::string& out, const std::vector<Pt>& pts);

// --- The plots -------------------------------------------------------------------------

// Observed values as points, the model as a line broken at missing values, both peaks marked.
struct TimeSeriesPlot {
  std::string label;   // the plot's title element
  std::string yTitle;  // e.g. "watlev (m)"
  std::string xTitle;  // e.g. "Time (UTC)"
  const cmp::Series* observed = nullptr;
  const cmp::Series* model = nullptr;
  std::optional<double> obsPeak, modelPeak;
  std::optional<Seconds> obsPeakTime, modelPeakTime;
};
void timeSeriesSvg(std::string& out, const TimeSeriesPlot& p);

// Modelled against observed on equal axes, the 1:1 line and the line y = slope * x.
// The values come in chunks (one per station) to spare a copy of every pair.
struct ScatterPlot {
  std::string label;
  std::string xTitle, yTitle;
  std::vector<std::span<const double>> x, y;  // chunk i: x[i] observed, y[i] modelled
  std::optional<double> slope;
  std::string pointsName = "Pairs";
};
void scatterSvg(std::string& out, const ScatterPlot& p);

// One horizontal bar per row from zero to the value; a row without a value shows its note.
struct BarRow {
  std::string label;
  std::optional<double> value;
  std::string note;
};
struct BarChart {
  std::string label;
  std::string xTitle;
  std::string aboveName, belowName;  // legend of the bars right and left of zero
  std::vector<BarRow> rows;
};
void barChartSvg(std::string& out, const BarChart& p);

}  // namespace vm::svg
