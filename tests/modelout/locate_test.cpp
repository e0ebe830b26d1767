#include "modelout/locate.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

// A jittered triangulated grid: some elements clockwise, some repeated, a few with zero
// area, and nodes sharing coordinates (exact ties).
vm::Mesh randomMesh(std::mt19937& rng, int n, double x0, double y0, double h) {
  std::uniform_real_distribution<double> jitter(-0.3 * h, 0.3 * h), depth(-5.0, 20.0), u(0, 1);
  vm::Mesh m;
  for (int j = 0; j <= n; ++j)
    for (int i = 0; i <= n; ++i) {
      bool edge = i == 0 || j == 0 || i == n || j == n;
      m.x.push_back(x0 + i * h + (edge ? 0.0 : jitter(rng)));
      m.y.push_back(y0 + j * h + (edge ? 0.0 : jitter(rng)));
      m.depth.push_back(depth(rng));
    }
  for (int k = 0; k < n; ++k) {  // copies of existing nodes: equal distances
    size_t src = static_cast<size_t>(rng() % m.x.size());
    m.x.push_back(m.x[src]);
    m.y.push_back(m.y[src]);
    m.depth.push_back(depth(rng));
  }
  auto id = [&](int i, int j) { return j * (n + 1) + i + 1; };
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) {
      std::array<int, 3> a{id(i, j), id(i + 1, j), id(i + 1, j + 1)}, b{id(i, j), id(i + 1, j + 1), id(i, j + 1)};
      if (u(rng) < 0.3) std::swap(a[1], a[2]);  // clockwise
      m.nm.push_back(a);
      m.nm.push_back(b);
      if (u(rng) < 0.05) m.nm.push_back(a);                             // overlapping copy
      if (u(rng) < 0.02) m.nm.push_back({a[0], a[0], a[1]});            // zero area
      if (u(rng) < 0.02) m.nm.push_back({id(0, 0), id(n, 0), id(n / 2, 0)});  // collinear
    }
  return m;
}

std::vector<std::array<double, 2>> stationsFor(std::mt19937& rng, const vm::Mesh& m, int count, double h) {
  std::uniform_real_distribution<double> u(0, 1);
  std::vector<std::array<double, 2>> s;
  double minX = m.x[0], maxX = m.x[0], minY = m.y[0], maxY = m.y[0];
  for (size_t j = 0; j < m.x.size(); ++j) {
    minX = std::min(minX, m.x[j]), maxX = std::max(maxX, m.x[j]);
    minY = std::min(minY, m.y[j]), maxY = std::max(maxY, m.y[j]);
  }
  for (int k = 0; k < count; ++k) {
    const std::array<int, 3>& c = m.nm[rng() % m.nm.size()];
    const size_t a = static_cast<size_t>(c[0] - 1), b = static_cast<size_t>(c[1] - 1);
    double t = u(rng);
    switch (k % 6) {
      case 0:  // anywhere around the mesh
        s.push_back({minX - h + u(rng) * (maxX - minX + 2 * h), minY - h + u(rng) * (maxY - minY + 2 * h)});
        break;
      case 1:  // on a corner
        s.push_back({m.x[a], m.y[a]});
        break;
      case 2:  // on an edge
        s.push_back({m.x[a] + t * (m.x[b] - m.x[a]), m.y[a] + t * (m.y[b] - m.y[a])});
        break;
      case 3:  // just outside the mesh's sides, within and beyond the tolerance
        s.push_back({minX - h * 0.02 * u(rng), minY + t * (maxY - minY)});
        break;
      case 4:
        s.push_back({minX + t * (maxX - minX), maxY + h * 0.01 * u(rng)});
        break;
      default:  // far away
        s.push_back({maxX + 10 * h * u(rng), maxY + 10 * h * u(rng)});
    }
  }
  return s;
}

TEST(Locate, IndexesAnswerExactlyAsTheExhaustiveScans) {
  std::mt19937 rng(12345);
  struct Case {
    double x0, y0, h;
  } cases[] = {{-90.5, 29.0, 0.01}, {12000.0, -13000.0, 250.0}, {0.0, 0.0, 1.0}, {-1.0e6, 3.0e6, 0.5}};
  int inside = 0, wetZero = 0;
  for (const Case& cs : cases) {
    vm::Mesh m = randomMesh(rng, 30, cs.x0, cs.y0, cs.h);
    auto stations = stationsFor(rng, m, 3000, cs.h);
    double magnitude = 0;
    for (auto& s : stations) magnitude = std::max({magnitude, std::fabs(s[0]), std::fabs(s[1])});
    vm::ElementIndex elements(m, magnitude);
    vm::NodeIndex nodes(m);
    std::uniform_real_distribution<double> depth(-6.0, 22.0);
    for (auto& s : stations) {
      int e = vm::findElementExhaustive(m, s[0], s[1]);
      ASSERT_EQ(elements.find(s[0], s[1]), e) << s[0] << " " << s[1];
      inside += e != 0;
      ASSERT_EQ(nodes.nearest(s[0], s[1]), vm::nearestNodeExhaustive(m, s[0], s[1]));
      double minDepth = rng() % 4 == 0 ? -999.0 : depth(rng);
      int wn = vm::nearestWetNodeExhaustive(m, s[0], s[1], minDepth);
      ASSERT_EQ(nodes.nearestWet(s[0], s[1], minDepth), wn);
      wetZero += wn == 0;
    }
    // Points beyond the magnitude the index was built for are scanned.
    EXPECT_EQ(elements.find(1e300, 0), 0);
    EXPECT_EQ(nodes.nearest(std::nan(""), 0), 0);
  }
  EXPECT_GT(inside, 4000);  // the cases really exercise both answers
  EXPECT_GT(wetZero, 10);
}

// The node tree's array is sized from the node count and its splits are decided on loose
// boxes: every count around the leaf size and its doublings, nodes on a coarse lattice
// (many equal distances), repeated nodes, NaN depths and coordinates that are not finite.
TEST(Locate, NodeTreeOfEverySizeAnswersAsTheExhaustiveScans) {
  std::mt19937 rng(777);
  std::uniform_int_distribution<int> lattice(0, 6);
  std::uniform_real_distribution<double> depth(-5.0, 20.0), u(-1.0, 8.0);
  std::vector<int> counts;
  for (int n = 0; n <= 40; ++n) counts.push_back(n);
  for (int n : {63, 64, 65, 127, 128, 129, 255, 257, 1000, 4097}) counts.push_back(n);
  for (int n : counts) {
    vm::Mesh m;
    for (int j = 0; j < n; ++j) {
      m.x.push_back(j % 3 == 0 ? u(rng) : lattice(rng));
      m.y.push_back(j % 3 == 0 ? u(rng) : lattice(rng) * 0.5);
      m.depth.push_back(j % 11 == 5 ? std::nan("") : std::floor(depth(rng)));
      if (j % 17 == 9) m.x.back() = std::numeric_limits<double>::infinity();
      if (j % 19 == 4) m.y.back() = std::nan("");
    }
    const vm::NodeIndex nodes(m);
    for (int q = 0; q < 200; ++q) {
      const double xs = q % 2 ? lattice(rng) + 0.5 * lattice(rng) : u(rng), ys = q % 3 ? lattice(rng) * 0.25 : u(rng);
      ASSERT_EQ(nodes.nearest(xs, ys), vm::nearestNodeExhaustive(m, xs, ys)) << n << " nodes at " << xs << " " << ys;
      const double minDepth = q % 5 == 0 ? -999.0 : std::floor(depth(rng));
      ASSERT_EQ(nodes.nearestWet(xs, ys, minDepth), vm::nearestWetNodeExhaustive(m, xs, ys, minDepth))
          << n << " nodes at " << xs << " " << ys << " deeper than " << minDepth;
    }
  }
}

TEST(Locate, ContainmentWeightsAndTies) {
  vm::Mesh m;
  m.x = {0, 1, 0, 1};
  m.y = {0, 0, 1, 1};
  m.depth = {1, 2, 10000, 3};
  m.nm = {{1, 2, 3}, {2, 4, 3}, {1, 3, 2}};
  // The shared edge belongs to the lower-numbered element.
  EXPECT_EQ(vm::findElementExhaustive(m, 0.5, 0.5), 1);
  // Just outside, within the 1 % tolerance: inside with a slightly negative weight.
  EXPECT_EQ(vm::findElementExhaustive(m, 0.5, -0.004), 1);
  EXPECT_EQ(vm::findElementExhaustive(m, 0.5, -0.006), 0);
  auto w = vm::elementWeights(m, 0, 0.2, 0.3);
  EXPECT_NEAR(w[0], 0.5, 1e-15);
  EXPECT_NEAR(w[1], 0.2, 1e-15);
  EXPECT_NEAR(w[2], 0.3, 1e-15);
  // A clockwise element gives the weights of its counter-clockwise twin.
  auto cw = vm::elementWeights(m, 2, 0.2, 0.3);
  EXPECT_NEAR(cw[0], 0.5, 1e-15);
  EXPECT_NEAR(cw[1], 0.3, 1e-15);
  EXPECT_NEAR(cw[2], 0.2, 1e-15);
  // Equally near nodes: the lower number; depth filters the wet node.
  EXPECT_EQ(vm::nearestNodeExhaustive(m, 0.5, 0.5), 1);
  EXPECT_EQ(vm::nearestWetNodeExhaustive(m, 0.1, 0.1, 2.5), 3);
  EXPECT_EQ(vm::nearestWetNodeExhaustive(m, 0.1, 0.1, 10000.5), 0);
  EXPECT_EQ(vm::nearestWetNodeExhaustive(m, 0.1, 0.1, 1e9), 0);
  // Zero area contains nothing.
  m.nm = {{1, 1, 2}};
  EXPECT_EQ(vm::findElementExhaustive(m, 0.5, 0.0), 0);
}

}  // namespace
