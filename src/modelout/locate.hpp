// Finding stations in a mesh: the element that contains a station, its interpolation
// weights, and the nearest nodes.
//
// An element contains a station when A x 1.01 >= A1 + A2 + A3, where A is twice the
// element's area (absolute) and Ai the same with corner i replaced by the station; the
// factor is the single-precision 1.01. An element of zero area contains nothing. The
// element of a station is the first in number order that contains it.
//
// The nearest node is the node at the smallest distance sqrt(dx^2 + dy^2), below 1.0E9,
// the lowest-numbered among equally near ones; the nearest wet node is the same among
// the nodes whose depth is at least the station's minimum depth.
//
// The indexes below answer exactly as the exhaustive scans (the scans are kept as the
// reference they are tested against).
#pragma once
#include <array>
#include <vector>

#include "mesh/mesh.hpp"

namespace vm {

// Element e (0-based) contains the point.
bool elementContains(const Mesh& m, int e, double xs, double ys);
// Weights of the three corners of element e for the point, divided by the signed doubled
// area (a clockwise element gives the weights of its counter-clockwise twin).
std::array<double, 3> elementWeights(const Mesh& m, int e, double xs, double ys);
// Distance of node j (0-based) from the point.
double nodeDistance(const Mesh& m, int j, double xs, double ys);

// Exhaustive scans: element number (1-based) or 0; node number (1-based) or 0.
int findElementExhaustive(const Mesh& m, double xs, double ys);
int nearestNodeExhaustive(const Mesh& m, double xs, double ys);
int nearestWetNodeExhaustive(const Mesh& m, double xs, double ys, double minDepth);

// A grid of the elements' boxes, each widened by a margin that provably holds every point
// the containment test can accept (rounding included) for points whose coordinates are at
// most `magnitude` in absolute value; points beyond it are scanned exhaustively.
class ElementIndex {
 public:
  ElementIndex(const Mesh& m, double magnitude);
  int find(double xs, double ys) const;  // as findElementExhaustive

 private:
  int cellX(double x) const;
  int cellY(double y) const;
  const Mesh& m_;
  double magnitude_ = 0.0;
  double x0_ = 0, y0_ = 0, x1_ = -1, y1_ = -1, invX_ = 0, invY_ = 0;
  int nx_ = 0, ny_ = 0;
  std::vector<unsigned> start_;  // per cell, into entries_ (CSR)
  std::vector<int> entries_;     // element indexes, ascending within a cell
  std::vector<int> always_;      // elements tested for every point (degenerate or unbounded)
};

// A k-d tree of the nodes with the deepest depth of every subtree.
class NodeIndex {
 public:
  explicit NodeIndex(const Mesh& m);
  int nearest(double xs, double ys) const;                         // as nearestNodeExhaustive
  int nearestWet(double xs, double ys, double minDepth) const;     // as nearestWetNodeExhaustive

 private:
  struct Box {
    double x0, y0, x1, y1, deepest;
  };
  struct Point {  // a node's copy while the tree is built
    double x, y, depth;
    int j;
  };
  static Box boxOf(const Point* p, int lo, int hi);
  void build(std::vector<Point>& pts, int node, int lo, int hi, const Box& around);
  int query(double xs, double ys, bool wet, double minDepth) const;
  const Mesh& m_;
  std::vector<int> order_;  // node indexes in tree order
  std::vector<Box> boxes_;  // implicit tree over ranges of order_
  std::vector<std::array<int, 2>> ranges_;
};

}  // namespace vm
