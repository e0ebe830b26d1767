#include "forcing/element_locator.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vm {

namespace {

// Elements whose squared diameter exceeds this many times their doubled area are too thin
// for the rounding allowance below; they are examined for every point.
constexpr double kThin = 1.0e4;
// Rounding allowance: for every other element the single-precision index is at least
// (1 - kSlack) times the exact one, less kSlack (about twice the worst case).
constexpr double kSlack = 0.05;

double boxDistance(double x, double y, double x0, double y0, double x1, double y1) {
  const double dx = std::max({0.0, x0 - x, x - x1});
  const double dy = std::max({0.0, y0 - y, y - y1});
  return std::hypot(dx, dy);
}

}  // namespace

float proximityIndex(const TriMesh& m, size_t e, float xp, float yp, float& area) {
  const int32_t* c = &m.corners[3 * e];
  const float x1 = m.x[static_cast<size_t>(c[0])], y1 = m.y[static_cast<size_t>(c[0])];
  const float x2 = m.x[static_cast<size_t>(c[1])], y2 = m.y[static_cast<size_t>(c[1])];
  const float x3 = m.x[static_cast<size_t>(c[2])], y3 = m.y[static_cast<size_t>(c[2])];
  const float a = (x1 - x3) * (y2 - y3) - (x3 - x2) * (y3 - y1);
  area = a;
  if (a == 0.0f) return std::numeric_limits<float>::quiet_NaN();
  const float a1 = (xp - x3) * (y2 - y3) - (x3 - x2) * (y3 - yp);
  const float a2 = (x1 - x3) * (yp - y3) - (x3 - xp) * (y3 - y1);
  const float a3 = (x1 - xp) * (y2 - yp) - (xp - x2) * (yp - y1);
  return std::fabs((std::fabs(a1) + std::fabs(a2) + std::fabs(a3)) - std::fabs(a)) / std::fabs(a);
}

Located locateExhaustive(const TriMesh& m, float xp, float yp) {
  Located best;
  const size_t ne = m.elements();
  for (size_t e = 0; e < ne; ++e) {
    float a;
    const float idx = proximityIndex(m, e, xp, yp, a);
    if (idx < best.index) best = {static_cast<long>(e + 1), idx, a};
  }
  return best;
}

ElementLocator::ElementLocator(const TriMesh& m) : m_(m) {
  const size_t ne = m.elements();
  box_.resize(4 * ne);
  reach_.assign(ne, 0.0);
  stamp_.assign(ne, 0);
  std::vector<uint32_t> kept;
  double bx0 = HUGE_VAL, by0 = HUGE_VAL, bx1 = -HUGE_VAL, by1 = -HUGE_VAL;
  for (size_t e = 0; e < ne; ++e) {
    const int32_t* c = &m.corners[3 * e];
    double lo[2] = {HUGE_VAL, HUGE_VAL}, hi[2] = {-HUGE_VAL, -HUGE_VAL};
    for (int k = 0; k < 3; ++k) {
      const double x = m.x[static_cast<size_t>(c[k])], y = m.y[static_cast<size_t>(c[k])];
      lo[0] = std::min(lo[0], x), hi[0] = std::max(hi[0], x);
      lo[1] = std::min(lo[1], y), hi[1] = std::max(hi[1], y);
    }
    box_[4 * e] = lo[0], box_[4 * e + 1] = lo[1], box_[4 * e + 2] = hi[0], box_[4 * e + 3] = hi[1];
    float a;
    proximityIndex(m, e, 0.0f, 0.0f, a);
    if (a == 0.0f) continue;  // never chosen
    const double d = std::hypot(hi[0] - lo[0], hi[1] - lo[1]);
    reach_[e] = d;
    if (!std::isfinite(d) || !std::isfinite(a) || d * d > kThin * std::fabs(static_cast<double>(a))) {
      always_.push_back(static_cast<uint32_t>(e));
      continue;
    }
    kept.push_back(static_cast<uint32_t>(e));
    maxReach_ = std::max(maxReach_, d);
    bx0 = std::min(bx0, lo[0]), by0 = std::min(by0, lo[1]);
    bx1 = std::max(bx1, hi[0]), by1 = std::max(by1, hi[1]);
  }
  if (kept.empty()) return;

  // Square cells, about one per element.
  const double w = bx1 - bx0, h = by1 - by0;
  const double target = static_cast<double>(kept.size());
  cell_ = std::sqrt(w * h / target);
  if (!(cell_ > 0.0)) cell_ = std::max(w, h) / target;
  const double limit = 1 << 15;
  nx_ = static_cast<long long>(std::min(limit, std::max(1.0, std::ceil(w / cell_))));
  ny_ = static_cast<long long>(std::min(limit, std::max(1.0, std::ceil(h / cell_))));
  cell_ = std::max(cell_, std::max(w / static_cast<double>(nx_), h / static_cast<double>(ny_)));
  x0_ = bx0, y0_ = by0;

  auto cellOf = [&](double v, double origin, long long n) {
    const double c = std::floor((v - origin) / cell_);
    return static_cast<long long>(std::clamp(c, 0.0, static_cast<double>(n - 1)));
  };
  const size_t cells = static_cast<size_t>(nx_ * ny_);
  start_.assign(cells + 1, 0);
  cellReach_.assign(cells, 0.0);
  for (int pass = 0; pass < 2; ++pass) {
    std::vector<uint32_t> fill;
    if (pass == 1) {
      for (size_t c = 0; c < cells; ++c) start_[c + 1] += start_[c];
      items_.resize(start_[cells]);
      fill.assign(start_.begin(), start_.end() - 1);
    }
    for (uint32_t e : kept) {
      const long long i0 = cellOf(box_[4 * e], x0_, nx_), i1 = cellOf(box_[4 * e + 2], x0_, nx_);
      const long long j0 = cellOf(box_[4 * e + 1], y0_, ny_), j1 = cellOf(box_[4 * e + 3], y0_, ny_);
      for (long long j = j0; j <= j1; ++j)
        for (long long i = i0; i <= i1; ++i) {
          const size_t c = static_cast<size_t>(j * nx_ + i);
          if (pass == 0) {
            ++start_[c + 1];
            cellReach_[c] = std::max(cellReach_[c], reach_[e]);
          } else {
            items_[fill[c]++] = e;
          }
        }
    }
  }
}

void ElementLocator::consider(size_t e, float xp, float yp, Located& best) const {
  float a;
  const float idx = proximityIndex(m_, e, xp, yp, a);
  const long number = static_cast<long>(e + 1);
  if (idx < best.index || (idx == best.index && number < best.element)) best = {number, idx, a};
}

Located ElementLocator::locate(float xp, float yp) const {
  if (!std::isfinite(xp) || !std::isfinite(yp)) return locateExhaustive(m_, xp, yp);
  if (++query_ == 0) {
    std::fill(stamp_.begin(), stamp_.end(), 0);
    query_ = 1;
  }
  Located best;
  for (uint32_t e : always_) consider(e, xp, yp, best);
  if (items_.empty()) return best;

  // An element of diameter D at distance d from the point has an exact index of at least
  // 2 d / D; it can beat the best index b only if that bound is at most threshold(b).
  auto threshold = [&] { return (static_cast<double>(best.index) + kSlack) / (1.0 - kSlack); };
  const double px = xp, py = yp;
  const double far = 1LL << 40;
  const long long ci = static_cast<long long>(std::clamp(std::floor((px - x0_) / cell_), -far, far));
  const long long cj = static_cast<long long>(std::clamp(std::floor((py - y0_) / cell_), -far, far));
  const long long kmin = std::max({0LL, -ci, ci - (nx_ - 1), -cj, cj - (ny_ - 1)});
  const long long kmax = std::max({ci, nx_ - 1 - ci, cj, ny_ - 1 - cj});

  auto visit = [&](long long i, long long j) {
    const size_t c = static_cast<size_t>(j * nx_ + i);
    if (start_[c] == start_[c + 1]) return;
    const double dc = boxDistance(px, py, x0_ + static_cast<double>(i) * cell_, y0_ + static_cast<double>(j) * cell_,
                                  x0_ + static_cast<double>(i + 1) * cell_, y0_ + static_cast<double>(j + 1) * cell_);
    if (2.0 * dc > threshold() * cellReach_[c]) return;
    for (uint32_t k = start_[c]; k < start_[c + 1]; ++k) {
      const uint32_t e = items_[k];
      if (stamp_[e] == query_) continue;
      stamp_[e] = query_;
      const double* b = &box_[4 * e];
      if (2.0 * boxDistance(px, py, b[0], b[1], b[2], b[3]) > threshold() * reach_[e]) continue;
      consider(e, xp, yp, best);
    }
  };

  for (long long k = kmin; k <= kmax; ++k) {
    // Elements not yet seen lie in rings k and beyond, at least (k - 1) cells away.
    if (k >= 1 && 2.0 * static_cast<double>(k - 1) * cell_ > threshold() * maxReach_) break;
    const long long jlo = std::max(cj - k, 0LL), jhi = std::min(cj + k, ny_ - 1);
    for (long long j = jlo; j <= jhi; ++j) {
      if (j == cj - k || j == cj + k) {
        for (long long i = std::max(ci - k, 0LL); i <= std::min(ci + k, nx_ - 1); ++i) visit(i, j);
      } else {
        if (ci - k >= 0 && ci - k < nx_) visit(ci - k, j);
        if (k > 0 && ci + k >= 0 && ci + k < nx_) visit(ci + k, j);
      }
    }
  }
  return best;
}

}  // namespace vm
