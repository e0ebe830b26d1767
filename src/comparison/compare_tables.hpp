// The comparison's tables for scripts (comma-separated values, RFC 4180) and the files
// written under temporary names until all of them are complete.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "comparison/comparison.hpp"

namespace vm::cmp {

// A field as written: quoted (inner quotes doubled) only when it holds a comma, a double
// quote or a line end.
std::string csvField(std::string_view text);
// "%.6f", or an empty field when undefined; never "-0.000000".
std::string csvNumber(const std::optional<double>& v);

// A mark's modelled minus observed value; undefined unless both are there.
std::optional<double> difference(const MarkResult& m);

// NAME.stations.csv: one row per station and component (time-series mode) or per mark.
void writeStationsTable(const Comparison& c, const std::string& path);
// NAME.summary.csv: one row per component.
void writeSummaryTable(const Comparison& c, const std::string& path);

// Output files written under a temporary name beside their own ("x.html" as "x.html.part")
// and renamed only when every one of them is complete: a failure on the way removes the
// temporary files and leaves nothing under the output names.
class StagedOutputs {
 public:
  explicit StagedOutputs(std::vector<std::string> finals);
  ~StagedOutputs();
  StagedOutputs(const StagedOutputs&) = delete;
  StagedOutputs& operator=(const StagedOutputs&) = delete;

  static std::string temporaryName(const std::string& final) { return final + ".part"; }
  const std::string& temporary(size_t k) const { return temps_[k]; }
  // Renames every temporary file to its output name.
  void commit();

 private:
  std::vector<std::string> finals_, temps_;
  bool committed_ = false;
};

}  // namespace vm::cmp
