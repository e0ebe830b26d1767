#include "modelout/coverage.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vm {

namespace {

constexpr double kTolerance = static_cast<double>(1.001f);

inline double twiceArea(double x1, double y1, double x2, double y2, double x3, double y3) {
  return std::fabs(x2 * y3 - x3 * y2 - (x1 * y3 - x3 * y1) + (x1 * y2 - x2 * y1));
}

Corners cornersOf(const std::vector<double>& x, const std::vector<double>& y, const std::array<int, 3>& c) {
  const size_t a = static_cast<size_t>(c[0] - 1), b = static_cast<size_t>(c[1] - 1), d = static_cast<size_t>(c[2] - 1);
  return {x[a], y[a], x[b], y[b], x[d], y[d]};
}

bool finite(const Corners& c) {
  return std::isfinite(c.x1) && std::isfinite(c.y1) && std::isfinite(c.x2) && std::isfinite(c.y2) &&
         std::isfinite(c.x3) && std::isfinite(c.y3);
}

// The cell of a coordinate: monotonic in v, so the cells of a box's corners bound the
// cells of every point inside it.
inline int cellOf(double v, double origin, double inv, int n) {
  double f = std::floor((v - origin) * inv);
  if (!(f >= 0.0)) return 0;
  if (f >= static_cast<double>(n - 1)) return n - 1;
  return static_cast<int>(f);
}

}  // namespace

bool elementCovers(const Corners& c, double px, double py) {
  const double a = twiceArea(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3);
  const double a1 = twiceArea(px, py, c.x2, c.y2, c.x3, c.y3);
  const double a2 = twiceArea(c.x1, c.y1, px, py, c.x3, c.y3);
  const double a3 = twiceArea(c.x1, c.y1, c.x2, c.y2, px, py);
  return a * kTolerance > a1 + a2 + a3;
}

bool coveredByScan(const std::vector<double>& x, const std::vector<double>& y, const std::vector<std::array<int, 3>>& nm,
                   double px, double py) {
  for (const auto& c : nm)
    if (elementCovers(cornersOf(x, y, c), px, py)) return true;
  return false;
}

CoverageIndex::CoverageIndex(const std::vector<double>& x, const std::vector<double>& y,
                             const std::vector<std::array<int, 3>>& nm, double magnitude) {
  tri_.reserve(nm.size());
  for (const auto& c : nm) tri_.push_back(cornersOf(x, y, c));
  for (size_t j = 0; j < x.size(); ++j) {
    if (std::isfinite(x[j])) magnitude = std::max(magnitude, std::fabs(x[j]));
    if (std::isfinite(y[j])) magnitude = std::max(magnitude, std::fabs(y[j]));
  }
  magnitude_ = magnitude;
  const double u = std::numeric_limits<double>::epsilon() / 2;
  const double m2 = magnitude_ * magnitude_;

  // Why the boxes below hold every point an element can cover. Let l1, l2, l3 be the
  // point's barycentric coordinates (summing to 1) and N the sum of the negative ones; then
  // A1 + A2 + A3 = A (1 + 2N) in exact arithmetic. A point beyond the element's bounding box
  // by d in x (or y) has N >= d / (W + H), W and H the box's sides. With every coordinate at
  // most M in absolute value, each computed doubled area is off by less than 32 u M^2 (u the
  // unit roundoff), so a covered point has N < 0.0006 + 140 u M^2 / a, a the computed
  // doubled area, as long as a >= 1024 u M^2. Widening each box by more than (W + H) times
  // that keeps every covering element in the cells of its points. Elements of smaller area
  // (nearly collinear corners, where rounding can cover points far along their line) are
  // tested for every point; an element of zero computed area covers nothing.
  struct Box {
    double xa, ya, xb, yb;
  };
  std::vector<Box> box(tri_.size());
  std::vector<uint32_t> filed;
  filed.reserve(tri_.size());
  for (size_t e = 0; e < tri_.size(); ++e) {
    const Corners& c = tri_[e];
    if (!finite(c)) {
      always_.push_back(static_cast<uint32_t>(e));
      continue;
    }
    const double a = twiceArea(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3);
    if (a == 0.0) continue;  // 0 x 1.001 is never greater than a sum of absolute values
    if (!(a >= 1024.0 * u * m2) || !std::isfinite(a)) {
      always_.push_back(static_cast<uint32_t>(e));
      continue;
    }
    Box b{std::min({c.x1, c.x2, c.x3}), std::min({c.y1, c.y2, c.y3}), std::max({c.x1, c.x2, c.x3}),
          std::max({c.y1, c.y2, c.y3})};
    const double size = (b.xb - b.xa) + (b.yb - b.ya);
    const double scale = std::max({std::fabs(b.xa), std::fabs(b.xb), std::fabs(b.ya), std::fabs(b.yb), 1.0});
    const double margin = size * (0.01 + 140.0 * u * m2 / a) + 1e-9 * scale + 4.0 * u * magnitude_;
    b = {b.xa - margin, b.ya - margin, b.xb + margin, b.yb + margin};
    box[e] = b;
    if (filed.empty()) {
      x0_ = b.xa, y0_ = b.ya, x1_ = b.xb, y1_ = b.yb;
    } else {
      x0_ = std::min(x0_, b.xa), y0_ = std::min(y0_, b.ya);
      x1_ = std::max(x1_, b.xb), y1_ = std::max(y1_, b.yb);
    }
    filed.push_back(static_cast<uint32_t>(e));
  }
  if (filed.empty()) return;

  // About one cell per element, shaped after the extent.
  const double w = x1_ - x0_, h = y1_ - y0_;
  const double cells = static_cast<double>(filed.size());
  double nx = std::sqrt(cells * (w > 0 ? w : 1.0) / (h > 0 ? h : 1.0));
  nx = std::clamp(std::round(nx), 1.0, cells);
  double ny = std::clamp(std::round(cells / nx), 1.0, cells);
  nx_ = static_cast<int>(nx);
  ny_ = static_cast<int>(ny);
  invDx_ = w > 0 ? nx / w : 0.0;
  invDy_ = h > 0 ? ny / h : 0.0;

  const size_t ncell = static_cast<size_t>(nx_) * static_cast<size_t>(ny_);
  std::vector<uint32_t> count(ncell + 1, 0);
  auto forCells = [&](const Box& b, auto&& f) {
    const int ia = cellOf(b.xa, x0_, invDx_, nx_), ib = cellOf(b.xb, x0_, invDx_, nx_);
    const int ja = cellOf(b.ya, y0_, invDy_, ny_), jb = cellOf(b.yb, y0_, invDy_, ny_);
    for (int j = ja; j <= jb; ++j)
      for (int i = ia; i <= ib; ++i) f(static_cast<size_t>(j) * static_cast<size_t>(nx_) + static_cast<size_t>(i));
  };
  for (uint32_t e : filed) forCells(box[e], [&](size_t c) { ++count[c + 1]; });
  for (size_t c = 0; c < ncell; ++c) count[c + 1] += count[c];
  start_ = count;
  cellTri_.resize(start_.back());
  for (uint32_t e : filed) forCells(box[e], [&](size_t c) { cellTri_[count[c]++] = e; });
}

bool CoverageIndex::anyCovers(const uint32_t* first, const uint32_t* last, double px, double py) const {
  for (; first != last; ++first)
    if (elementCovers(tri_[*first], px, py)) return true;
  return false;
}

bool CoverageIndex::covered(double px, double py) const {
  if (std::isnan(px) || std::isnan(py)) return false;  // every comparison fails
  if (!(std::fabs(px) <= magnitude_ && std::fabs(py) <= magnitude_)) {
    for (const Corners& c : tri_)
      if (elementCovers(c, px, py)) return true;
    return false;
  }
  if (!always_.empty() && anyCovers(always_.data(), always_.data() + always_.size(), px, py)) return true;
  if (nx_ == 0 || !(px >= x0_ && px <= x1_ && py >= y0_ && py <= y1_)) return false;
  const size_t c = static_cast<size_t>(cellOf(py, y0_, invDy_, ny_)) * static_cast<size_t>(nx_) +
                   static_cast<size_t>(cellOf(px, x0_, invDx_, nx_));
  return anyCovers(cellTri_.data() + start_[c], cellTri_.data() + start_[c + 1], px, py);
}

}  // namespace vm
