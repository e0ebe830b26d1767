// Skill statistics of a set of (observed, modelled) pairs.
#pragma once
#include <cstddef>
#include <optional>
#include <vector>

#include "comparison/comparison.hpp"

namespace vm::cmp {

// Pairs held in two parallel arrays; a pooled set is several of them taken together.
struct PairSpan {
  const double* o;
  const double* m;
  size_t n;
};

struct Fit {
  Stats stats;
  std::optional<double> slope, r2;  // the line through the origin of modelled on observed
};

// Bias, rmse and sde of e = m - o; Pearson's r; Willmott's index of agreement; the slope
// sum(o*m) / sum(o^2) and r2 = r^2. Nothing is defined without pairs; r and the index need
// two pairs, and each is undefined where its denominator is zero (a constant series). A
// result that overflows is undefined too.
Fit fitPairs(const std::vector<PairSpan>& parts);

}  // namespace vm::cmp
