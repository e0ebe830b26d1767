// Coverage of points by a triangle mesh, as the wave-refraction attribute needs it.
//
// An element with corners (x1,y1), (x2,y2), (x3,y3) covers the point P when
//   A * 1.001 > A1 + A2 + A3   (strictly),
// where A = |x2*y3 - x3*y2 - (x1*y3 - x3*y1) + (x1*y2 - x2*y1)| is twice the element's area
// and A1, A2, A3 are the same expression with corner 1, 2 or 3 replaced by P. The factor
// is the single-precision 1.001 (1.0010000467300415). A point on the boundary is covered;
// one outside by 0.1 % of the element's area or more is not.
//
// CoverageIndex answers "is P covered by any element?" exactly as testing every element
// in turn does, rounding included, through a uniform grid of cells: each element is filed
// under the cells its enlarged bounding box meets, and only the elements of P's cell are
// tested. Nearly degenerate elements, which rounding lets cover points far outside them,
// are tested for every point; points beyond the magnitude the index was built for are
// tested against every element.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace vm {

struct Corners {
  double x1, y1, x2, y2, x3, y3;
};

bool elementCovers(const Corners& c, double px, double py);

class CoverageIndex {
 public:
  // x, y: node coordinates; nm: element corners as 1-based positions, each in 1..x.size().
  // Points whose coordinates are at most `magnitude` (or the largest node coordinate, when
  // larger) in absolute value are answered through the grid.
  CoverageIndex(const std::vector<double>& x, const std::vector<double>& y, const std::vector<std::array<int, 3>>& nm,
                double magnitude = 0.0);

  bool covered(double px, double py) const;

 private:
  bool anyCovers(const uint32_t* first, const uint32_t* last, double px, double py) const;

  std::vector<Corners> tri_;
  std::vector<uint32_t> always_;  // elements not finite or nearly degenerate: tested for every point
  double magnitude_ = 0.0;
  double x0_ = 0, y0_ = 0, x1_ = -1, y1_ = -1;  // extent of the grid
  double invDx_ = 0, invDy_ = 0;
  int nx_ = 0, ny_ = 0;
  std::vector<uint32_t> start_;  // cell c holds the elements cellTri_[start_[c] .. start_[c+1])
  std::vector<uint32_t> cellTri_;
};

// Testing every element in turn: the definition the index must agree with.
bool coveredByScan(const std::vector<double>& x, const std::vector<double>& y, const std::vector<std::array<int, 3>>& nm,
                   double px, double py);

}  // namespace vm
