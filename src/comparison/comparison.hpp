// The model-versus-observation comparison: what the pairing and the statistics hand to the
// tables and the report.
//
// Times are `Seconds` (shell/calendar.hpp) of the files' own time zone.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "shell/calendar.hpp"

namespace vm::cmp {

// One component of one station's records, in time order, one record per time. A missing
// value (-999 or less in the file) is kept as std::nullopt so that a plot can break its
// line there.
struct Series {
  std::vector<Seconds> t;
  std::vector<std::optional<double>> v;
};

// The statistics of one set of pairs; an undefined value is std::nullopt.
struct Stats {
  long long n = 0;
  std::optional<double> bias, rmse, sde, r, willmott;
};

// Time-series mode: one station and one value component.
struct StationResult {
  std::string label;
  int component = 1;  // 1, or 2 for the second value of two-value files
  Stats stats;
  std::optional<double> obsPeak, modelPeak, peakError, peakLagHours;
  std::optional<Seconds> obsPeakTime, modelPeakTime;
  Series observed;  // the observed station's records
  Series model;     // the model station's records
  std::vector<Seconds> pairTimes;  // the paired times, ascending
  std::vector<double> pairObs, pairModel;  // the pairs, in the order of pairTimes
};

// High-water-mark mode: one observed station.
struct MarkResult {
  std::string label;
  std::optional<double> observed;  // empty when the station has no valid value
  std::optional<double> modelled;  // empty when dry in the model
  bool dryInModel = false;
};

// All stations of one component together.
struct Pooled {
  int component = 1;
  long long stations = 0;  // stations with at least one pair
  Stats stats;
  std::optional<double> slope, r2;
};

// Data lines skipped because their date is not a calendar date.
struct Skipped {
  std::string file;
  long long count = 0;
  long long firstLine = 0;  // line number of the first, 1-based
};

struct Comparison {
  bool hwm = false;  // high-water-mark mode
  int components = 1;
  std::string observedFile, modelFile;
  std::string zone;                      // line 3's second word of the observed file
  std::string observedDatum, modelDatum; // line 3's third words
  std::string unit;                      // inside the last parentheses of line 2 (observed, else model)
  std::string quantity;                  // the word before them in the observed file ("watlev", "hwm", ...)
  std::vector<std::string> warnings;     // datum mismatch and the like, as written on the console
  std::vector<Skipped> skipped;
  std::vector<std::string> onlyObserved, onlyModel;  // labels found in one file only
  std::vector<StationResult> stations;   // time-series mode, in output order
  std::vector<MarkResult> marks;         // high-water-mark mode, in output order
  std::vector<std::string> dryInModel;   // labels of the marks dry in the model
  std::vector<Pooled> pooled;            // one per component
};

// Writes the self-contained report (polyglot XHTML with inline SVG plots) to `path`.
void writeReport(const Comparison& c, const std::string& path);

}  // namespace vm::cmp
