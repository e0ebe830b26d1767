// The mesh readers on one fuzzed mesh file: the full two-pass reader with its boundaries
// (an IBTYPE it refuses waits for the Enter key, which the scripted console gives), the
// grid reader (with and without depths, corners checked or only copied) and the
// nodes-only reader, and the open-boundary reader of the forcing tools. A mesh the grid
// reader accepts also gets the station tools' element and node indexes and the coverage
// index, queried at its own nodes and a few fixed points.
#include <cmath>
#include <string>
#include <vector>

#include "core/error.hpp"
#include "forcing/open_boundary.hpp"
#include "fuzz.hpp"
#include "mesh/mesh.hpp"
#include "modelout/coverage.hpp"
#include "modelout/locate.hpp"

namespace {

void queryIndexes(const vm::Mesh& m) {
  double magnitude = 0.0;
  std::vector<std::pair<double, double>> points = {{0.3, 0.2}, {0.5, 0.5}, {-1.0e300, 1.0e300}, {NAN, 0.0}};
  for (size_t j = 0; j < m.x.size() && j < 8; ++j) points.emplace_back(m.x[j], m.y[j]);
  for (const auto& p : points)
    if (std::isfinite(p.first) && std::isfinite(p.second))
      magnitude = std::max({magnitude, std::fabs(p.first), std::fabs(p.second)});
  const vm::ElementIndex elements(m, magnitude);
  const vm::NodeIndex nodes(m);
  const vm::CoverageIndex coverage(m.x, m.y, m.nm, magnitude);
  for (const auto& [x, y] : points) {
    const int e = elements.find(x, y);
    if (e != 0) vm::elementWeights(m, e - 1, x, y);
    nodes.nearest(x, y);
    nodes.nearestWet(x, y, 1.0);
    coverage.covered(x, y);
  }
}

}  // namespace

VM_FUZZ_TARGET(mesh) {
  fuzz::put("fort.14", fuzz::text(data, size));
  fuzz::runTool("\n", [](vm::Console& con) { vm::readMeshFull("fort.14", con); });
  try {
    queryIndexes(vm::readMeshGrid("fort.14"));
  } catch (const vm::Failure&) {
  }
  // As the wet/dry extent reads it (no depth, corners only copied) and as the coarse mesh
  // of the wave-refraction tool (no depth, corners checked).
  for (bool checked : {false, true}) {
    try {
      vm::GridReading how;
      how.depth = false;
      how.cornersArePositions = checked;
      const vm::Mesh m = vm::readMeshGrid("fort.14", how);
      if (checked) vm::CoverageIndex(m.x, m.y, m.nm, 1.0e3).covered(0.5, 0.5);
    } catch (const vm::Failure&) {
    }
  }
  try {
    int ne = 0;
    vm::readMeshNodes("fort.14", &ne);
  } catch (const vm::Failure&) {
  }
  for (bool depth : {true, false}) {
    try {
      vm::readOpenBoundaryPoints("fort.14", depth);
    } catch (const vm::Failure&) {
    }
  }
}
