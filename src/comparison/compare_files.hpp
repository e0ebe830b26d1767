// The comparison of two observation files, from reading them to the pooled statistics:
// everything the console lines, the tables and the report are made from.
#pragma once
#include <string>

#include "comparison/comparison.hpp"

namespace vm::cmp {

// Reads the observed and the model file and pairs them. A difference of time zone, or of
// unit where both files name one, stops the run after the header lines; so does any data
// line that is not as the reading expects. A datum (or quantity) that differs only gives a
// warning.
Comparison compareFiles(const std::string& observed, const std::string& modelled);

}  // namespace vm::cmp
