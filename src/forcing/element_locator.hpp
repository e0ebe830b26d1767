// Finding the database element a point belongs to, in single precision.
//
// Every element gets a proximity index for the point: with A twice the element's signed
// area and a1, a2, a3 twice the signed areas of the triangles the point forms with each
// edge, the index is | (|a1| + |a2| + |a3|) - |A| | / |A|. It is 0 for a point inside or
// on the element, whatever the element's orientation, and grows as the point moves away.
// The element with the smallest index is chosen, ties going to the lower element number;
// an element of zero area is never chosen, nor one whose index is 1.0E25 or more.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vm {

struct TriMesh {
  std::vector<float> x, y;        // node coordinates, node k at position k-1
  std::vector<int32_t> corners;   // three 0-based node positions per element
  size_t elements() const { return corners.size() / 3; }
};

struct Located {
  long element = 0;       // 1-based; 0 when no element qualifies
  float index = 1.0E25f;  // proximity index of that element
  float area = 0.0f;      // twice its signed area
};

// The proximity index of element e (0-based) for the point; `area` receives twice the
// element's signed area. NaN for an element of zero area.
float proximityIndex(const TriMesh& m, size_t e, float xp, float yp, float& area);

// Visits every element in turn.
Located locateExhaustive(const TriMesh& m, float xp, float yp);

// The same answer as locateExhaustive, found through a grid of buckets over the elements'
// bounding boxes. An element is skipped only when a lower bound of its index, taken from
// its distance to the point, shows that it cannot reach the best index found; the bound
// leaves room for the rounding of single-precision arithmetic, and elements too thin for
// that room are always examined.
class ElementLocator {
 public:
  explicit ElementLocator(const TriMesh& m);
  Located locate(float xp, float yp) const;

 private:
  void consider(size_t e, float xp, float yp, Located& best) const;

  const TriMesh& m_;
  double x0_ = 0, y0_ = 0, cell_ = 1;
  long long nx_ = 0, ny_ = 0;
  std::vector<uint32_t> start_;   // first entry of each bucket in items_ (nx*ny + 1)
  std::vector<uint32_t> items_;   // element numbers (0-based) per bucket
  std::vector<double> cellReach_;  // largest element diameter per bucket
  std::vector<double> box_;        // xmin, ymin, xmax, ymax per element
  std::vector<double> reach_;      // diameter bound of each element (its box diagonal)
  std::vector<uint32_t> always_;   // thin elements examined for every point
  double maxReach_ = 0;
  mutable std::vector<uint32_t> stamp_;
  mutable uint32_t query_ = 0;
};

}  // namespace vm
