#include "modelout/locate.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vm {

namespace {

constexpr double kTolerance = 1.0099999904632568;  // 1.01 in single precision
constexpr double kFarthest = 1.0e9;                 // nodes this far or farther are never nearest
constexpr double kUnit = std::numeric_limits<double>::epsilon() / 2;
constexpr size_t kLeaf = 8;  // nodes of a leaf of the node tree

inline double doubledArea(double x1, double y1, double x2, double y2, double x3, double y3) {
  return x2 * y3 - x3 * y2 - (x1 * y3 - x3 * y1) + (x1 * y2 - x2 * y1);
}

struct Corners {
  double x1, y1, x2, y2, x3, y3;
};

inline Corners corners(const Mesh& m, int e) {
  const std::array<int, 3>& c = m.nm[static_cast<size_t>(e)];
  const size_t a = static_cast<size_t>(c[0] - 1), b = static_cast<size_t>(c[1] - 1), d = static_cast<size_t>(c[2] - 1);
  return {m.x[a], m.y[a], m.x[b], m.y[b], m.x[d], m.y[d]};
}

// Better means nearer, or as near and lower-numbered; (d, 0) is "nothing found yet".
inline bool better(double d, int j, double bestD, int bestJ) {
  return d < bestD || (d == bestD && bestJ != 0 && j < bestJ);
}

// fmax without the library call: a NaN depth never counts, unless every depth is NaN.
inline void deeper(double& deepest, double d) {
  if (!(d <= deepest) && !std::isnan(d)) deepest = d;
}

}  // namespace

bool elementContains(const Mesh& m, int e, double xs, double ys) {
  const Corners k = corners(m, e);
  const double a = std::fabs(doubledArea(k.x1, k.y1, k.x2, k.y2, k.x3, k.y3));
  if (a == 0.0) return false;
  const double a1 = std::fabs(doubledArea(xs, ys, k.x2, k.y2, k.x3, k.y3));
  const double a2 = std::fabs(doubledArea(k.x1, k.y1, xs, ys, k.x3, k.y3));
  const double a3 = std::fabs(doubledArea(k.x1, k.y1, k.x2, k.y2, xs, ys));
  return a * kTolerance >= a1 + a2 + a3;
}

std::array<double, 3> elementWeights(const Mesh& m, int e, double xs, double ys) {
  const Corners k = corners(m, e);
  const double a = doubledArea(k.x1, k.y1, k.x2, k.y2, k.x3, k.y3);
  return {((xs - k.x3) * (k.y2 - k.y3) + (k.x2 - k.x3) * (k.y3 - ys)) / a,
          ((xs - k.x1) * (k.y3 - k.y1) - (ys - k.y1) * (k.x3 - k.x1)) / a,
          ((ys - k.y1) * (k.x2 - k.x1) - (xs - k.x1) * (k.y2 - k.y1)) / a};
}

double nodeDistance(const Mesh& m, int j, double xs, double ys) {
  const double dx = m.x[static_cast<size_t>(j)] - xs, dy = m.y[static_cast<size_t>(j)] - ys;
  return std::sqrt(dx * dx + dy * dy);
}

int findElementExhaustive(const Mesh& m, double xs, double ys) {
  for (int e = 0; e < m.ne(); ++e)
    if (elementContains(m, e, xs, ys)) return e + 1;
  return 0;
}

int nearestNodeExhaustive(const Mesh& m, double xs, double ys) {
  double best = kFarthest;
  int bestJ = 0;
  for (int j = 0; j < m.np(); ++j) {
    const double d = nodeDistance(m, j, xs, ys);
    if (d < best) {
      best = d;
      bestJ = j + 1;
    }
  }
  return bestJ;
}

int nearestWetNodeExhaustive(const Mesh& m, double xs, double ys, double minDepth) {
  double best = kFarthest;
  int bestJ = 0;
  for (int j = 0; j < m.np(); ++j) {
    const double d = nodeDistance(m, j, xs, ys);
    if (d < best && m.depth[static_cast<size_t>(j)] >= minDepth) {
      best = d;
      bestJ = j + 1;
    }
  }
  return bestJ;
}

// ---------------------------------------------------------------------------------------
// Element grid.
//
// The test accepts a point whose barycentric coordinates l1, l2, l3 satisfy
// |l1|+|l2|+|l3| <= 1.01: the negative ones add up to at most 0.005, and a point at distance
// D from the triangle has negative coordinates adding up to at least D / diameter. Its
// excess A (2D / diameter - 0.01) must beat the rounding of the four doubled areas, at most
// 300 u M^2 with M the largest coordinate magnitude. So no point farther than
// diameter (0.006 + 300 u M^2 / A) from the triangle is ever accepted.

namespace {

struct Padded {
  double x0, y0, x1, y1;
  bool bounded;
};

Padded paddedBox(const Mesh& m, int e, double magnitude) {
  const Corners k = corners(m, e);
  Padded p{std::min({k.x1, k.x2, k.x3}), std::min({k.y1, k.y2, k.y3}), std::max({k.x1, k.x2, k.x3}),
           std::max({k.y1, k.y2, k.y3}), false};
  const double a = std::fabs(doubledArea(k.x1, k.y1, k.x2, k.y2, k.x3, k.y3));
  const double span = (p.x1 - p.x0) + (p.y1 - p.y0);
  if (!(a > 0.0) || !std::isfinite(a) || !std::isfinite(span)) return p;  // degenerate: always tested
  const double pad = span * (0.006 + 300.0 * kUnit * magnitude * magnitude / a) + 4.0 * kUnit * magnitude;
  if (!std::isfinite(pad)) return p;
  p.x0 -= pad;
  p.y0 -= pad;
  p.x1 += pad;
  p.y1 += pad;
  p.bounded = std::isfinite(p.x0) && std::isfinite(p.x1) && std::isfinite(p.y0) && std::isfinite(p.y1);
  return p;
}

}  // namespace

ElementIndex::ElementIndex(const Mesh& m, double magnitude) : m_(m) {
  for (int j = 0; j < m.np(); ++j) {
    const double x = std::fabs(m.x[static_cast<size_t>(j)]), y = std::fabs(m.y[static_cast<size_t>(j)]);
    if (std::isfinite(x)) magnitude = std::max(magnitude, x);
    if (std::isfinite(y)) magnitude = std::max(magnitude, y);
  }
  magnitude_ = magnitude;

  const int ne = m.ne();
  std::vector<char> bounded(static_cast<size_t>(ne));
  bool any = false;
  for (int e = 0; e < ne; ++e) {
    const Padded p = paddedBox(m, e, magnitude_);
    bounded[static_cast<size_t>(e)] = p.bounded;
    if (!p.bounded) continue;
    if (!any) {
      x0_ = p.x0, y0_ = p.y0, x1_ = p.x1, y1_ = p.y1;
      any = true;
    } else {
      x0_ = std::min(x0_, p.x0), y0_ = std::min(y0_, p.y0), x1_ = std::max(x1_, p.x1), y1_ = std::max(y1_, p.y1);
    }
  }
  if (any) {
    // About one element per cell.
    const double w = x1_ - x0_, h = y1_ - y0_;
    const double cells = std::max(1.0, static_cast<double>(ne));
    double side = std::sqrt(std::max(w * h, 0.0) / cells);
    if (!(side > 0.0)) side = std::max(w, h) / cells;
    nx_ = side > 0.0 ? static_cast<int>(std::min(4096.0 * 16, std::max(1.0, std::ceil(w / side)))) : 1;
    ny_ = side > 0.0 ? static_cast<int>(std::min(4096.0 * 16, std::max(1.0, std::ceil(h / side)))) : 1;
    while (static_cast<double>(nx_) * ny_ > 2.0 * cells + 16) {
      nx_ = std::max(1, nx_ / 2);
      ny_ = std::max(1, ny_ / 2);
    }
    invX_ = w > 0.0 ? nx_ / w : 0.0;
    invY_ = h > 0.0 ? ny_ / h : 0.0;
  }
  const size_t ncell = static_cast<size_t>(nx_) * static_cast<size_t>(ny_);
  const double cap = std::max(64.0, static_cast<double>(ncell) / 4.0);  // wider boxes are tested always
  start_.assign(ncell + 1, 0);
  auto range = [&](int e, int& cx0, int& cy0, int& cx1, int& cy1) {
    const Padded p = paddedBox(m, e, magnitude_);
    cx0 = cellX(p.x0), cx1 = cellX(p.x1), cy0 = cellY(p.y0), cy1 = cellY(p.y1);
  };
  for (int pass = 0; pass < 2; ++pass) {
    for (int e = 0; e < ne; ++e) {
      if (!bounded[static_cast<size_t>(e)]) {
        if (pass == 0) always_.push_back(e);
        continue;
      }
      int cx0, cy0, cx1, cy1;
      range(e, cx0, cy0, cx1, cy1);
      if (static_cast<double>(cx1 - cx0 + 1) * (cy1 - cy0 + 1) > cap) {
        if (pass == 0) always_.push_back(e);
        continue;
      }
      for (int cy = cy0; cy <= cy1; ++cy)
        for (int cx = cx0; cx <= cx1; ++cx) {
          const size_t c = static_cast<size_t>(cy) * static_cast<size_t>(nx_) + static_cast<size_t>(cx);
          if (pass == 0) ++start_[c + 1];
          else entries_[start_[c]++] = e;
        }
    }
    if (pass == 0) {
      for (size_t c = 0; c < ncell; ++c) start_[c + 1] += start_[c];
      entries_.resize(start_[ncell]);
    } else {
      // The fill moved every start to the next cell's; shift back.
      for (size_t c = ncell; c > 0; --c) start_[c] = start_[c - 1];
      start_[0] = 0;
    }
  }
}

int ElementIndex::cellX(double x) const {
  const double f = (x - x0_) * invX_;
  if (!(f > 0.0)) return 0;
  return f >= nx_ ? nx_ - 1 : static_cast<int>(f);
}

int ElementIndex::cellY(double y) const {
  const double f = (y - y0_) * invY_;
  if (!(f > 0.0)) return 0;
  return f >= ny_ ? ny_ - 1 : static_cast<int>(f);
}

int ElementIndex::find(double xs, double ys) const {
  if (std::isnan(xs) || std::isnan(ys)) return 0;  // every comparison fails
  if (!(std::fabs(xs) <= magnitude_ && std::fabs(ys) <= magnitude_)) return findElementExhaustive(m_, xs, ys);
  const int* a = nullptr;
  const int* aEnd = nullptr;
  if (nx_ > 0 && xs >= x0_ && xs <= x1_ && ys >= y0_ && ys <= y1_) {
    const size_t c = static_cast<size_t>(cellY(ys)) * static_cast<size_t>(nx_) + static_cast<size_t>(cellX(xs));
    a = entries_.data() + start_[c];
    aEnd = entries_.data() + start_[c + 1];
  }
  // Both lists ascend: test them merged, in element order.
  const int* b = always_.data();
  const int* bEnd = b + always_.size();
  while (a != aEnd || b != bEnd) {
    int e;
    if (b == bEnd || (a != aEnd && *a < *b)) e = *a++;
    else e = *b++;
    if (elementContains(m_, e, xs, ys)) return e + 1;
  }
  return 0;
}

// ---------------------------------------------------------------------------------------
// Node tree.

NodeIndex::NodeIndex(const Mesh& m) : m_(m) {
  // The tree is built on contiguous copies of the nodes (partitioning them through an
  // index into the mesh's arrays is several times slower on large meshes).
  std::vector<Point> pts;
  pts.reserve(static_cast<size_t>(m.np()));
  for (int j = 0; j < m.np(); ++j) {
    const size_t k = static_cast<size_t>(j);
    if (std::isfinite(m.x[k]) && std::isfinite(m.y[k])) pts.push_back({m.x[k], m.y[k], m.depth[k], j});
  }
  if (pts.empty()) return;
  // Ranges halve (the larger half rounded up) down to leaves of at most kLeaf nodes: the
  // tree's depth, and so the size of its implicit array, follows from the node count.
  size_t longest = pts.size(), nodes = 2;
  while (longest > kLeaf) {
    longest = (longest + 1) / 2;
    nodes *= 2;
  }
  boxes_.resize(nodes);
  ranges_.assign(nodes, {0, 0});
  build(pts, 1, 0, static_cast<int>(pts.size()), boxOf(pts.data(), 0, static_cast<int>(pts.size())));
  order_.resize(pts.size());
  for (size_t k = 0; k < pts.size(); ++k) order_[k] = pts[k].j;
}

NodeIndex::Box NodeIndex::boxOf(const Point* p, int lo, int hi) {
  Box b{p[lo].x, p[lo].y, p[lo].x, p[lo].y, std::numeric_limits<double>::quiet_NaN()};
  for (int k = lo; k < hi; ++k) {
    b.x0 = std::min(b.x0, p[k].x), b.x1 = std::max(b.x1, p[k].x);
    b.y0 = std::min(b.y0, p[k].y), b.y1 = std::max(b.y1, p[k].y);
    deeper(b.deepest, p[k].depth);
  }
  return b;
}

// `around` holds every node of the range (it need not be tight) and decides the axis of
// the split; the boxes kept are tight, leaves' from their nodes and the others' the union
// of their children's.
void NodeIndex::build(std::vector<Point>& pts, int node, int lo, int hi, const Box& around) {
  const size_t at = static_cast<size_t>(node);
  ranges_[at] = {lo, hi};
  if (hi - lo <= static_cast<int>(kLeaf)) {
    boxes_[at] = boxOf(pts.data(), lo, hi);
    return;
  }
  const int mid = lo + (hi - lo) / 2;
  const auto first = pts.begin() + lo, middle = pts.begin() + mid, last = pts.begin() + hi;
  Box left = around, right = around;
  if ((around.x1 - around.x0) >= (around.y1 - around.y0)) {
    std::nth_element(first, middle, last, [](const Point& a, const Point& c) { return a.x < c.x; });
    left.x1 = right.x0 = middle->x;
  } else {
    std::nth_element(first, middle, last, [](const Point& a, const Point& c) { return a.y < c.y; });
    left.y1 = right.y0 = middle->y;
  }
  build(pts, 2 * node, lo, mid, left);
  build(pts, 2 * node + 1, mid, hi, right);
  const Box& l = boxes_[2 * at];
  const Box& r = boxes_[2 * at + 1];
  Box b{std::min(l.x0, r.x0), std::min(l.y0, r.y0), std::max(l.x1, r.x1), std::max(l.y1, r.y1), l.deepest};
  deeper(b.deepest, r.deepest);
  boxes_[at] = b;
}

int NodeIndex::query(double xs, double ys, bool wet, double minDepth) const {
  // A station or node coordinate that is not finite gives no distance below the limit.
  if (order_.empty() || !std::isfinite(xs) || !std::isfinite(ys)) return 0;
  double best = kFarthest;
  int bestJ = 0;
  // A box is passed over only when its computed distance, shrunk by far more than the
  // rounding of any distance, is still beyond the best: no node in it can tie or win.
  auto lowerBound = [&](const Box& b) {
    const double dx = xs < b.x0 ? b.x0 - xs : (xs > b.x1 ? xs - b.x1 : 0.0);
    const double dy = ys < b.y0 ? b.y0 - ys : (ys > b.y1 ? ys - b.y1 : 0.0);
    return std::sqrt(dx * dx + dy * dy) * (1.0 - 1.0e-12);
  };
  int stack[128];
  int top = 0;
  stack[top++] = 1;
  while (top > 0) {
    const int node = stack[--top];
    const Box& b = boxes_[static_cast<size_t>(node)];
    if (lowerBound(b) > best) continue;
    if (wet && b.deepest < minDepth) continue;
    const auto [lo, hi] = ranges_[static_cast<size_t>(node)];
    const size_t left = static_cast<size_t>(2 * node);
    if (hi - lo <= static_cast<int>(kLeaf)) {
      for (int k = lo; k < hi; ++k) {
        const int j = order_[static_cast<size_t>(k)];
        if (wet && !(m_.depth[static_cast<size_t>(j)] >= minDepth)) continue;
        const double d = nodeDistance(m_, j, xs, ys);
        if (better(d, j + 1, best, bestJ)) {
          best = d;
          bestJ = j + 1;
        }
      }
      continue;
    }
    // Nearer child last, so it is taken first.
    const double dl = lowerBound(boxes_[left]), dr = lowerBound(boxes_[left + 1]);
    if (dl <= dr) {
      stack[top++] = static_cast<int>(left + 1);
      stack[top++] = static_cast<int>(left);
    } else {
      stack[top++] = static_cast<int>(left);
      stack[top++] = static_cast<int>(left + 1);
    }
  }
  return bestJ;
}

int NodeIndex::nearest(double xs, double ys) const { return query(xs, ys, false, 0.0); }

int NodeIndex::nearestWet(double xs, double ys, double minDepth) const { return query(xs, ys, true, minDepth); }

}  // namespace vm
