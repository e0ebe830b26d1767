// Reading the two observation files of a comparison: the header facts (time zone, datum,
// unit, quantity) and every station's records, checked as the comparison needs them.
#pragma once
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "comparison/comparison.hpp"
#include "core/lines.hpp"

namespace vm::cmp {

// The text inside the last pair of parentheses of a caption line, without blanks around
// it; empty when the line has no such pair.
std::string captionUnit(std::string_view caption);
// The word just before the last "(" of a caption line; empty when there is no "(".
std::string captionQuantity(std::string_view caption);
// One upper-case spelling per unit ("metres" and "m" both give "M"), so that two unit
// texts can be compared.
std::string unitKey(std::string_view unit);

// A value of -999 or less is missing; so is a value that is not a finite number.
inline bool present(double v) { return v > -999.0 && v <= std::numeric_limits<double>::max(); }

// All records of one label, blocks taken together, in file order until `settle` puts them
// in time order. Values are held as the report draws them, a missing one as a gap, so
// that they are handed over without a copy.
struct StationRecords {
  std::string label;
  std::vector<Seconds> t;
  std::vector<std::optional<double>> v[2];  // the second only for two-value files
};

struct InputFile {
  std::string name;
  std::string caption;            // line 2
  std::string zone, datum;        // line 3's second and third words (empty when absent)
  std::string unit, quantity;     // from the caption
  int values = 0;                 // values per data line; 0 while no data line was read
  long valuesLine = 0;            // the line that fixed `values`
  std::vector<StationRecords> stations;  // in the order of their first block
  long long skipped = 0;          // data lines whose date is not a calendar date
  long long firstSkipped = 0;     // line number of the first of them
};

// Lines 1 to 3. The caption decides the unit and the quantity, line 3 the zone and datum.
InputFile readInputHeader(LineSource& in);

// What a file's data lines must hold, besides what its own first data line fixes.
struct ValueRule {
  int values = 0;            // values per line required (0: one or two, as the file's first line has)
  std::string why;           // the reason named in the error, e.g. "like the observed file x"
};

// The station blocks to the end of the file. A data line before the first station header
// line, a line that is not six date-time integers and one or two numbers, or a number of
// values other than the rule's (or the file's first data line's) is fatal; a line whose
// date is not a calendar date is counted and skipped.
void readInputData(LineSource& in, InputFile& f, const ValueRule& rule);

// Puts a station's records in time order; of records sharing a time the first in file
// order is kept.
void settle(StationRecords& s);

}  // namespace vm::cmp
