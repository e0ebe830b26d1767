// Pairing the observed and modelled records of the stations both files hold, in either
// mode, and the statistics over all stations.
#pragma once
#include "comparison/compare_input.hpp"
#include "comparison/comparison.hpp"

namespace vm::cmp {

// Time-series mode, one station and value component (1 or 2). Each valid observed record
// within the model's time span (its first to last record, whatever their values) is paired
// with the model record at the same time, or else with the linear interpolation between
// the model records just before and after it; a missing model value there gives no pair.
// The records are settled (see `settle`); the result's two series are left empty.
StationResult pairStation(const StationRecords& obs, const StationRecords& model, int component);

// High-water-mark mode: the largest valid value of each side.
MarkResult markStation(const StationRecords& obs, const StationRecords& model);

// Everything of `c` that the two files decide: stations (or marks) in the observed file's
// order with their records, labels found in one file only, marks dry in the model and the
// pooled rows. The records are moved into the results (or released once used), so that
// they are not held twice.
void pairFiles(InputFile& obs, InputFile& model, Comparison& c);

}  // namespace vm::cmp
