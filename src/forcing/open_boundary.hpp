// The open-boundary points of a mesh, for the tools that read the mesh only as far as its
// open boundaries: node lines are kept under the node number they carry, and every node
// listed on an open boundary becomes one point, in file order, duplicates included.
#pragma once
#include <string>
#include <vector>

namespace vm {

struct BoundaryPoint {
  double x = 0.0;
  double y = 0.0;
};

// Reads the mesh file `path`. Node numbers must lie in 1..NP and every boundary node must
// have a node line; anything else is a fatal error naming the file and line. With
// `nodeDepth` the node lines must carry the depth after x and y as well. A NetCDF file
// must carry its open boundaries.
std::vector<BoundaryPoint> readOpenBoundaryPoints(const std::string& path, bool nodeDepth);

}  // namespace vm
