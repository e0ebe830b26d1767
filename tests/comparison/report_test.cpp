// The comparison's report, written from hand-made comparisons and read back with a strict
// XML parser: plots, tables in the CSV files' formatting, escaping, size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "comparison/comparison.hpp"
#include "comparison/report_fixture.hpp"
#include "support/tooltest.hpp"

namespace {

using namespace vm;
using namespace vm::cmp;
using vmtest::parseReport;
using vmtest::ParsedReport;
using vmtest::readFile;

bool hasRow(const ParsedReport& r, const std::string& row) {
  return std::find(r.rows.begin(), r.rows.end(), row) != r.rows.end();
}

class ReportTest : public vmtest::ToolTest {
 protected:
  ParsedReport write(const Comparison& c) {
    writeReport(c, "cmp.html");
    raw_ = readFile("cmp.html");
    ParsedReport r = parseReport(raw_);
    EXPECT_TRUE(r.ok) << r.error;
    return r;
  }
  std::string raw_;
};

TEST_F(ReportTest, SeriesModeHasTheFactsTablesAndOnePlotPerStationAndComponent) {
  const ParsedReport r = write(vmtest::sampleSeriesComparison());
  // A scatter per component (both have pairs) and a time series per station and component.
  EXPECT_EQ(r.svgs, 2 + 6);
  EXPECT_EQ(raw_.rfind("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\"", 0), 0u);
  for (const char* fact : {"obs <1> & co.TALVO", "run \"7\".TALVO", "UTC", "NAVD88", "MSL", "m/s",
                           "The datums differ: NAVD88 in the observed file, MSL in the model file",
                           "2 data lines skipped", "the first at line 9", "Lonely<1>", "Model & only"})
    EXPECT_NE(r.text.find(fact), std::string::npos) << fact;
  EXPECT_NE(r.text.find("vel 2 (m/s)"), std::string::npos);  // axis title of the second component

  EXPECT_TRUE(hasRow(r, "component,stations,n,bias,rmse,sde,r,willmott,slope,r2"));
  EXPECT_TRUE(hasRow(r, "1,1,2,0.150000,0.158114,0.050000,1.000000,0.990000,1.100000,1.000000"));
  EXPECT_TRUE(hasRow(r, "station,component,n,bias,rmse,sde,r,willmott,obs_peak,obs_peak_time,model_peak,"
                        "model_peak_time,peak_error,peak_lag_hours"));
  EXPECT_TRUE(hasRow(r, "S1,2,2,0.300000,0.316228,0.100000,1.000000,0.990000,4.000000,2024-01-01 01:00:00,"
                        "4.400000,2024-01-01 01:00:00,0.400000,0.000000"));
  // Undefined values are empty cells; the label comes back as it was.
  EXPECT_TRUE(hasRow(r, "Q \"x\" <y> & z,1,0,,,,,,,,,,,"));
  EXPECT_TRUE(hasRow(r, "Empty,2,0,,,,,,,,,,,"));
}

TEST_F(ReportTest, SeriesModeWithoutAnyPairHasNoScatter) {
  Comparison c = vmtest::sampleSeriesComparison();
  c.stations.erase(c.stations.begin(), c.stations.begin() + 2);
  c.components = 2;
  EXPECT_EQ(write(c).svgs, 4);
  c.stations.clear();
  EXPECT_EQ(write(c).svgs, 0);
}

TEST_F(ReportTest, MarksModeHasScatterDifferencesAndRowsLikeTheCsv) {
  Comparison c = vmtest::sampleMarksComparison();
  ParsedReport r = write(c);
  EXPECT_EQ(r.svgs, 2);
  EXPECT_TRUE(hasRow(r, "station,observed,modelled,difference"));
  EXPECT_TRUE(hasRow(r, "A,1.000000,1.200000,0.200000"));
  EXPECT_TRUE(hasRow(r, "B,1.500000,,"));
  EXPECT_TRUE(hasRow(r, "C,,0.800000,"));
  EXPECT_TRUE(hasRow(r, "D<&>\",2.000000,1.900000,-0.100000"));
  EXPECT_NE(r.text.find("Dry in the model (1): B"), std::string::npos);
  EXPECT_NE(r.text.find("dry in the model"), std::string::npos);  // the bar chart's note
  EXPECT_NE(r.text.find("Modelled - observed hwm (ft)"), std::string::npos);

  // Without a mark holding both values there is nothing to scatter; without marks, no chart.
  c.marks = {c.marks[1], c.marks[2]};
  EXPECT_EQ(write(c).svgs, 1);
  c.marks.clear();
  EXPECT_EQ(write(c).svgs, 0);
}

TEST_F(ReportTest, LabelsThatAreNotCleanTextKeepTheDocumentWellFormed) {
  Comparison c = vmtest::sampleMarksComparison();
  c.marks[0].label = std::string("bad\xFF\x01 \xC3\xA9t\xC3\xA9 \xE2\x82") + "]]> &amp;";
  c.observedFile = "x\x7Fy";
  const ParsedReport r = write(c);
  // Each byte that is not part of valid UTF-8 becomes one U+FFFD.
  EXPECT_NE(r.text.find("bad\xEF\xBF\xBD\xEF\xBF\xBD \xC3\xA9t\xC3\xA9 \xEF\xBF\xBD\xEF\xBF\xBD]]> &amp;"),
            std::string::npos);
  EXPECT_NE(r.text.find("x\xEF\xBF\xBDy"), std::string::npos);
  // Only the five entities of XML appear.
  for (size_t at = raw_.find('&'); at != std::string::npos; at = raw_.find('&', at + 1)) {
    const std::string_view rest = std::string_view(raw_).substr(at);
    EXPECT_TRUE(rest.starts_with("&amp;") || rest.starts_with("&lt;") || rest.starts_with("&gt;") ||
                rest.starts_with("&quot;") || rest.starts_with("&apos;"))
        << rest.substr(0, 12);
  }
}

TEST_F(ReportTest, ExtremeValuesAndTimesStillDrawFinitePlots) {
  Comparison c;
  c.components = 1;
  StationResult s;
  s.label = "";
  s.observed.t = {toSeconds({1, 1, 1, 0, 0, 0}), toSeconds({9999, 12, 31, 23, 59, 59})};
  s.observed.v = {1e300, -1e300};
  s.model.t = {0, 3600, 7200};
  s.model.v = {NAN, INFINITY, 2.0};
  s.pairObs = {1e300, NAN, 1.0};
  s.pairModel = {-INFINITY, 1.0, 1e-300};
  s.obsPeak = INFINITY;
  s.obsPeakTime = 0;
  c.stations.push_back(s);
  s.observed.t.resize(1);  // times and values of unequal length
  s.pairModel.clear();
  c.stations.push_back(s);
  c.pooled.push_back({1, 1, {}, NAN, std::nullopt});
  const ParsedReport r = write(c);
  EXPECT_EQ(r.svgs, 3);
  // Neither coordinates nor labels of the plots hold what is not a number.
  for (size_t at = raw_.find("<svg"); at != std::string::npos; at = raw_.find("<svg", at + 1)) {
    const std::string plot = raw_.substr(at, raw_.find("</svg>", at) - at);
    for (const char* bad : {"nan", "inf"}) EXPECT_EQ(plot.find(bad), std::string::npos) << bad;
  }
}

TEST_F(ReportTest, LongSeriesMakeSmallPlotsAndManyStationsASmallFile) {
  // 200 stations with a year of hourly records each: the plots are thinned, so the file
  // grows with the stations only (a thousand stations stay well below 20 MB).
  Comparison c;
  c.unit = "m";
  c.quantity = "watlev";
  for (int k = 0; k < 200; ++k) {
    StationResult s;
    s.label = "Station " + std::to_string(k);
    s.observed = vmtest::tideSeries(8760, 1.0);
    s.model = vmtest::tideSeries(8760, 1.1);
    for (size_t i = 0; i < s.observed.t.size(); ++i)
      if (s.observed.v[i] && s.model.v[i]) {
        s.pairObs.push_back(*s.observed.v[i]);
        s.pairModel.push_back(*s.model.v[i]);
      }
    c.stations.push_back(std::move(s));
  }
  c.pooled.push_back({1, 200, {}, 1.1, 1.0});
  writeReport(c, "big.html");
  const auto size = std::filesystem::file_size("big.html");
  EXPECT_LT(size, 200u * 14000u);
  const ParsedReport r = parseReport(readFile("big.html"));
  EXPECT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.svgs, 201);
}

}  // namespace
