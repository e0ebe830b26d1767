#include "forcing/element_locator.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

using vm::ElementLocator;
using vm::Located;
using vm::TriMesh;

void addNode(TriMesh& m, float x, float y) {
  m.x.push_back(x);
  m.y.push_back(y);
}
void addElement(TriMesh& m, int a, int b, int c) { m.corners.insert(m.corners.end(), {a, b, c}); }

// A structured grid of (n+1) x (n+1) nodes, each square cut along a random diagonal, with
// a random share of elements turned clockwise.
TriMesh gridMesh(int n, float x0, float y0, float step, float jitter, std::mt19937& rng) {
  TriMesh m;
  std::uniform_real_distribution<float> j(-jitter, jitter);
  for (int r = 0; r <= n; ++r)
    for (int c = 0; c <= n; ++c) {
      const bool inner = r > 0 && r < n && c > 0 && c < n;
      addNode(m, x0 + step * static_cast<float>(c) + (inner ? j(rng) : 0.0f),
              y0 + step * static_cast<float>(r) + (inner ? j(rng) : 0.0f));
    }
  std::bernoulli_distribution coin(0.5);
  auto id = [&](int r, int c) { return r * (n + 1) + c; };
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) {
      int t[2][3];
      if (coin(rng)) {
        int a[2][3] = {{id(r, c), id(r, c + 1), id(r + 1, c + 1)}, {id(r, c), id(r + 1, c + 1), id(r + 1, c)}};
        std::memcpy(t, a, sizeof a);
      } else {
        int a[2][3] = {{id(r, c), id(r, c + 1), id(r + 1, c)}, {id(r, c + 1), id(r + 1, c + 1), id(r + 1, c)}};
        std::memcpy(t, a, sizeof a);
      }
      for (auto& e : t) {
        if (coin(rng)) std::swap(e[1], e[2]);
        addElement(m, e[0], e[1], e[2]);
      }
    }
  return m;
}

void expectSame(const TriMesh& m, const ElementLocator& loc, float x, float y) {
  const Located a = vm::locateExhaustive(m, x, y);
  const Located b = loc.locate(x, y);
  ASSERT_EQ(a.element, b.element) << "point " << x << ", " << y;
  if (a.element == 0) return;
  EXPECT_EQ(std::memcmp(&a.index, &b.index, sizeof a.index), 0) << "point " << x << ", " << y;
  EXPECT_EQ(a.area, b.area);
}

TEST(ElementLocator, InsideOrOnAnElementOfEitherOrientationTheIndexIsZero) {
  TriMesh m;
  addNode(m, 0, 0);
  addNode(m, 2, 0);
  addNode(m, 0, 2);
  addNode(m, 2, 2);
  addNode(m, 10, 10);
  addNode(m, 11, 10);
  addElement(m, 4, 5, 4);  // zero area: never chosen
  addElement(m, 0, 2, 1);  // clockwise
  addElement(m, 1, 3, 2);  // counter-clockwise, shares the edge 1-2
  const ElementLocator loc(m);
  {
    Located r = loc.locate(0.5f, 0.5f);
    EXPECT_EQ(r.element, 2);
    EXPECT_EQ(r.index, 0.0f);
    EXPECT_LT(r.area, 0.0f);
    r = loc.locate(1.5f, 1.5f);
    EXPECT_EQ(r.element, 3);
    EXPECT_GT(r.area, 0.0f);
    // On the shared edge both give 0: the lower number wins.
    EXPECT_EQ(loc.locate(1.0f, 1.0f).element, 2);
    EXPECT_EQ(vm::locateExhaustive(m, 1.0f, 1.0f).element, 2);
    // Outside: the nearest by index, with an index above zero.
    r = loc.locate(3.0f, 3.0f);
    EXPECT_EQ(r.element, 3);
    EXPECT_GT(r.index, 1.0e-5f);
    EXPECT_EQ(vm::locateExhaustive(m, 3.0f, 3.0f).element, 3);
  }
}

TEST(ElementLocator, ClockwiseElementDoesNotBeatTheElementHoldingThePoint) {
  TriMesh m;
  addNode(m, 0, 0);
  addNode(m, 1, 0);
  addNode(m, 0, 1);
  addNode(m, 50, 50);
  addNode(m, 51, 50);
  addNode(m, 50, 51);
  addElement(m, 3, 5, 4);  // far away and clockwise
  addElement(m, 0, 1, 2);
  EXPECT_EQ(vm::locateExhaustive(m, 0.25f, 0.25f).element, 2);
  EXPECT_EQ(ElementLocator(m).locate(0.25f, 0.25f).element, 2);
}

TEST(ElementLocator, NoElementWhenAllHaveZeroArea) {
  TriMesh m;
  addNode(m, 0, 0);
  addNode(m, 1, 1);
  addNode(m, 2, 2);
  addElement(m, 0, 1, 2);
  EXPECT_EQ(vm::locateExhaustive(m, 0.5f, 0.5f).element, 0);
  EXPECT_EQ(ElementLocator(m).locate(0.5f, 0.5f).element, 0);
}

TEST(ElementLocator, IndexReturnsExactlyTheExhaustiveAnswerOnRandomMeshes) {
  std::mt19937 rng(20240607);
  for (int trial = 0; trial < 12; ++trial) {
    const bool exact = trial % 3 == 0;  // a regular grid gives exact ties on edges and nodes
    const int n = 8 + trial * 3;
    const float step = exact ? 0.25f : 0.013f * static_cast<float>(1 + trial);
    const float x0 = exact ? -92.0f : -90.0f + static_cast<float>(trial), y0 = exact ? 28.0f : 25.0f;
    TriMesh m = gridMesh(n, x0, y0, step, exact ? 0.0f : step * 0.3f, rng);
    if (trial % 2 == 1) {
      // Clutter: slivers, zero-area elements, large overlapping and far-away elements.
      std::uniform_int_distribution<int> node(0, static_cast<int>(m.x.size()) - 1);
      std::uniform_real_distribution<float> u(-1.0f, 1.0f);
      for (int k = 0; k < 20; ++k) {
        const int a = node(rng), b = node(rng);
        const float mx = (m.x[a] + m.x[b]) / 2 + 1e-6f * u(rng), my = (m.y[a] + m.y[b]) / 2;
        addNode(m, mx, my);
        addElement(m, a, b, static_cast<int>(m.x.size()) - 1);
      }
      for (int k = 0; k < 5; ++k) addElement(m, node(rng), node(rng), node(rng));
      addElement(m, node(rng), node(rng), node(rng));
      addNode(m, x0 + 40.0f, y0 + 40.0f);
      addNode(m, x0 + 45.0f, y0 + 41.0f);
      addNode(m, x0 + 41.0f, y0 + 46.0f);
      const int t = static_cast<int>(m.x.size());
      addElement(m, t - 3, t - 1, t - 2);
    }
    const ElementLocator loc(m);
    const float span = step * static_cast<float>(n);
    std::uniform_real_distribution<float> in(0.0f, span), out(-span, 2.0f * span), wide(-50.0f * span, 50.0f * span);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(m.x.size()) - 1);
    for (int p = 0; p < 400; ++p) {
      expectSame(m, loc, x0 + in(rng), y0 + in(rng));
      expectSame(m, loc, x0 + out(rng), y0 + out(rng));
    }
    for (int p = 0; p < 60; ++p) expectSame(m, loc, x0 + wide(rng), y0 + wide(rng));
    for (int p = 0; p < 200; ++p) {
      // Nodes and edge midpoints: ties between neighbours.
      const int a = pick(rng), b = pick(rng);
      expectSame(m, loc, m.x[a], m.y[a]);
      if (exact && std::abs(m.x[a] - m.x[b]) <= step && std::abs(m.y[a] - m.y[b]) <= step)
        expectSame(m, loc, (m.x[a] + m.x[b]) / 2, (m.y[a] + m.y[b]) / 2);
    }
    for (int r = 0; r <= n; ++r)
      for (int c = 0; c < n; ++c) expectSame(m, loc, x0 + step * (static_cast<float>(c) + 0.5f), y0 + step * static_cast<float>(r));
    if (HasFailure()) return;
  }
}

TEST(ElementLocator, RandomTriangleSoupsAgree) {
  std::mt19937 rng(77);
  for (int trial = 0; trial < 6; ++trial) {
    TriMesh m;
    std::uniform_real_distribution<float> pos(-10.0f, 10.0f), size(0.001f, trial % 2 ? 5.0f : 0.2f), d(-1.0f, 1.0f);
    for (int k = 0; k < 300; ++k) {
      const float cx = pos(rng), cy = pos(rng), s = size(rng);
      for (int v = 0; v < 3; ++v) addNode(m, cx + s * d(rng), cy + s * d(rng));
      addElement(m, 3 * k, 3 * k + 1, 3 * k + 2);
    }
    const ElementLocator loc(m);
    std::uniform_real_distribution<float> q(-15.0f, 15.0f);
    for (int p = 0; p < 500; ++p) expectSame(m, loc, q(rng), q(rng));
    if (HasFailure()) return;
  }
}

}  // namespace
