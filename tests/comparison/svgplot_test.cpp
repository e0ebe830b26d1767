// The report's drawing: round ticks, calendar ticks, thinning, escaping, path data.
#include "comparison/svgplot.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "comparison/report_fixture.hpp"

namespace {

using namespace vm;
using vm::Seconds;

// Mantissa of a positive step: 1, 2 or 5 when the step is round.
double mantissa(double step) { return step / std::pow(10.0, std::floor(std::log10(step) + 1e-9)); }

TEST(SvgPlotTest, ValueTicksAreRoundAndCoverTheRange) {
  struct Case {
    double lo, hi;
  };
  for (const Case& k : {Case{0.13, 2.87}, Case{-0.37, 2.61}, Case{-1234.5, 98765.0}, Case{0.000123, 0.000987},
                        Case{-5, -4.9}, Case{7, 7}, Case{0, 0}, Case{1e-300, 2e-300}}) {
    const svg::ValueAxis a = svg::valueAxis(k.lo, k.hi, 6);
    ASSERT_GE(a.ticks.size(), 2u) << k.lo;
    EXPECT_LE(a.ticks.size(), 6u) << k.lo;
    EXPECT_LE(a.lo, std::min(k.lo, k.hi)) << k.lo;
    EXPECT_GE(a.hi, std::max(k.lo, k.hi)) << k.lo;
    EXPECT_LT(a.lo, a.hi);
    const double m = mantissa(a.step);
    EXPECT_TRUE(std::fabs(m - 1) < 1e-9 || std::fabs(m - 2) < 1e-9 || std::fabs(m - 5) < 1e-9) << a.step;
    for (double t : a.ticks) {
      const double q = t / a.step;
      EXPECT_NEAR(q, std::round(q), 1e-6) << t;  // a whole number of steps
      // The label, read back, is the tick: no 0.30000000000000004 and no lost digit.
      EXPECT_NEAR(std::stod(svg::tickLabel(a, t)), t, a.step * 1e-6) << svg::tickLabel(a, t);
    }
  }
  const svg::ValueAxis a = svg::valueAxis(-0.37, 2.61, 6);
  std::vector<std::string> labels;
  for (double t : a.ticks) labels.push_back(svg::tickLabel(a, t));
  EXPECT_EQ(labels, (std::vector<std::string>{"-1", "0", "1", "2", "3"}));
  const svg::ValueAxis b = svg::valueAxis(-0.3, 0.3, 8);
  labels.clear();
  for (double t : b.ticks) labels.push_back(svg::tickLabel(b, t));
  EXPECT_EQ(labels, (std::vector<std::string>{"-0.3", "-0.2", "-0.1", "0.0", "0.1", "0.2", "0.3"}));
  // Values no range can hold do not stop the drawing.
  EXPECT_GE(svg::valueAxis(NAN, 1, 6).ticks.size(), 2u);
  EXPECT_GE(svg::valueAxis(-1e308, 1e308, 6).ticks.size(), 2u);
}

TEST(SvgPlotTest, TimeTicksFallOnRoundCalendarTimes) {
  const Seconds jan1 = vm::toSeconds({2024, 1, 1, 0, 0, 0});
  // A year of hourly records: months, labelled by year and month.
  svg::TimeAxis a = svg::timeAxis(jan1, jan1 + 8759 * 3600LL, 8);
  EXPECT_EQ(a.labels, (std::vector<std::string>{"2024-01", "2024-03", "2024-05", "2024-07", "2024-09", "2024-11"}));
  // Three days: every twelve hours, the date under the first tick and where it changes.
  a = svg::timeAxis(jan1 + 5 * 3600, jan1 + 3 * 86400 + 5 * 3600, 8);
  EXPECT_EQ(a.labels, (std::vector<std::string>{"12:00", "00:00", "12:00", "00:00", "12:00", "00:00"}));
  EXPECT_EQ(a.context, (std::vector<std::string>{"2024-01-01", "2024-01-02", "", "2024-01-03", "", "2024-01-04"}));
  // Three weeks across a month's end: days 1, 6, 11, ... of the month, the year once.
  a = svg::timeAxis(vm::toSeconds({2023, 12, 20, 0, 0, 0}), vm::toSeconds({2024, 1, 10, 0, 0, 0}), 8);
  EXPECT_EQ(a.labels, (std::vector<std::string>{"12-21", "12-26", "01-01", "01-06"}));
  EXPECT_EQ(a.context, (std::vector<std::string>{"2023", "", "2024", ""}));
  // Minutes and centuries.
  a = svg::timeAxis(jan1 + 7, jan1 + 1800, 8);
  EXPECT_EQ(a.labels.front(), "00:05");
  a = svg::timeAxis(vm::toSeconds({1900, 6, 1, 0, 0, 0}), vm::toSeconds({2090, 1, 1, 0, 0, 0}), 8);
  EXPECT_EQ(a.labels.front(), "1950");
  EXPECT_EQ(a.labels.back(), "2050");
  for (Seconds t : a.ticks) EXPECT_EQ(vm::formatTime(t).substr(4), "-01-01 00:00:00");
  a = svg::timeAxis(vm::toSeconds({-2000000000, 1, 1, 0, 0, 0}), vm::toSeconds({2000000000, 1, 1, 0, 0, 0}), 8);
  EXPECT_EQ(a.labels, (std::vector<std::string>{"-2000000000", "-1000000000", "0", "1000000000", "2000000000"}));
  // One instant only still gets an axis.
  a = svg::timeAxis(jan1, jan1, 8);
  EXPECT_LT(a.lo, a.hi);
  EXPECT_FALSE(a.ticks.empty());
}

TEST(SvgPlotTest, ThinningBoundsTheSizeAndKeepsExtremesAndOrder) {
  const cmp::Series s = vmtest::tideSeries(100000, 1.0);
  std::vector<double> x(s.t.size());
  for (size_t i = 0; i < x.size(); ++i) x[i] = 600.0 * static_cast<double>(i) / static_cast<double>(x.size());
  const auto lo = std::min_element(s.v.begin(), s.v.end(), [](auto a, auto b) { return a && (!b || *a < *b); });
  const auto hi = std::max_element(s.v.begin(), s.v.end());
  for (bool line : {true, false}) {
    const std::vector<svg::Pt> pts = line ? svg::thinLine(x, s.v, 2) : svg::thinPoints(x, s.v, 2);
    EXPECT_LE(pts.size(), 600u) << line;  // two per column of two pixels
    EXPECT_GE(pts.size(), 500u) << line;
    EXPECT_TRUE(std::is_sorted(pts.begin(), pts.end(), [](auto& a, auto& b) { return a.x < b.x; }));
    const auto has = [&](double v) { return std::any_of(pts.begin(), pts.end(), [&](auto& p) { return p.y == v; }); };
    EXPECT_TRUE(has(**lo));
    EXPECT_TRUE(has(**hi));
  }
  // A sparse series is kept whole, and a missing value breaks the line.
  const std::vector<double> sx = {0, 10, 20, 30, 40};
  const std::vector<std::optional<double>> sy = {1, 2, std::nullopt, 3, 4};
  const std::vector<svg::Pt> line = svg::thinLine(sx, sy, 2);
  ASSERT_EQ(line.size(), 4u);
  EXPECT_TRUE(line[0].move);
  EXPECT_FALSE(line[1].move);
  EXPECT_TRUE(line[2].move);
  EXPECT_EQ(line[2].y, 3);
  EXPECT_EQ(svg::thinPoints(sx, sy, 2).size(), 4u);

  // The plot of the 100,000 records is hardly larger than that of a thousand.
  svg::TimeSeriesPlot p;
  p.observed = p.model = &s;
  std::string big, small;
  svg::timeSeriesSvg(big, p);
  const cmp::Series shortSeries = vmtest::tideSeries(1000, 1.0);
  p.observed = p.model = &shortSeries;
  svg::timeSeriesSvg(small, p);
  EXPECT_LT(big.size(), 16000u);
  EXPECT_LT(big.size(), small.size() * 2);

  // A scatter keeps one point per cell.
  svg::CellThinner cells(100, 100, 2);
  for (int i = 0; i < 100000; ++i) cells.add(i % 1000 / 10.0, i % 777 / 7.77);
  cells.add(-1, 5);
  cells.add(5, 101);
  EXPECT_LE(cells.points().size(), 51u * 51u);
}

TEST(SvgPlotTest, PathDataAndEscaping) {
  std::string d;
  svg::appendLinePath(d, {{10, 20, true}, {12, 15}, {14.4, 25.6}, {30, 30, true}, {40, 10, true}, {42, 11}});
  EXPECT_EQ(d, "M10 20l2-5 2 11m16 4h0m10-20 2 1");
  d.clear();
  svg::appendLinePath(d, {{10, 20, true}, {12, 15}});
  EXPECT_EQ(d, "M10 20l2-5");
  d.clear();
  svg::appendDotPath(d, {{10, 20}, {12, 15}, {12, 16}});
  EXPECT_EQ(d, "M10 20h0m2-5h0m0 1h0");
  d.clear();
  for (double v : {12.0, 12.54, -0.5, 0.04, -0.04, 1e300}) {
    svg::appendCoord(d, v);
    d += ',';
  }
  EXPECT_EQ(d, "12,12.5,-.5,0,0,10000000,");
  d.clear();
  svg::appendEscaped(d, "a<b>&\"c\" 'd' \xC3\xA9\xF0\x9F\x8C\x8A\t\x1F\xC0\xAF\xED\xA0\x80");
  EXPECT_EQ(d, "a&lt;b&gt;&amp;&quot;c&quot; 'd' \xC3\xA9\xF0\x9F\x8C\x8A\t\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
               "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
