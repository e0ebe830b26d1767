// Hand-made comparisons for the report's tests, and a reading of the report with a strict
// XML parser.
#pragma once
#include <string>
#include <vector>

#include "comparison/comparison.hpp"

namespace vmtest {

// Time-series mode, two values per record: a station with pairs, one whose label needs
// escaping and has no pairs, and one without any record; each with both components.
vm::cmp::Comparison sampleSeriesComparison();
// High-water-mark mode: marks with both values, one dry in the model, one without an observed value.
vm::cmp::Comparison sampleMarksComparison();
// Hourly records over `hours`, a semidiurnal tide with a gap now and then.
vm::cmp::Series tideSeries(long long hours, double scale);

// The report read as XML: whether it is well-formed (with the parser's message when not),
// the number of SVG elements, all text, and the table rows as their cells joined by commas.
struct ParsedReport {
  bool ok = false;
  std::string error;
  int svgs = 0;
  std::string text;
  std::vector<std::string> rows;
};
ParsedReport parseReport(const std::string& content);

}  // namespace vmtest
