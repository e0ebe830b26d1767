#include "forcing/open_boundary.hpp"

#include <utility>

#include "core/counts.hpp"
#include "core/error.hpp"
#include "core/lines.hpp"
#include "core/listin.hpp"
#include "core/ncfile.hpp"
#include "mesh/mesh_netcdf.hpp"

namespace vm {

std::vector<BoundaryPoint> readOpenBoundaryPoints(const std::string& path, bool nodeDepth) {
  if (isNetcdf(path)) {
    // Nodes are positions there: every boundary node names a node of the file.
    NcMeshParts parts;
    parts.depth = nodeDepth;
    parts.elements = parts.landBoundaries = false;
    const Mesh m = readNetcdfMesh(path, parts, nullptr);
    needOpenBoundaries(m, path);
    std::vector<BoundaryPoint> points;
    for (const OpenSegment& s : m.open)
      for (int n : s.nodes) points.push_back({m.x[static_cast<size_t>(n - 1)], m.y[static_cast<size_t>(n - 1)]});
    return points;
  }
  FileReader in(path);
  in.need("the title line");
  long ne = 0, np = 0;
  readList(in, "the element count and the node count", ne, np);
  if (ne < 0 || np < 0) in.fail("the element and node counts must not be negative");

  // The node lines are kept as read, and placed under their numbers once all NP are there:
  // a node count that the file does not hold allocates nothing.
  std::vector<std::pair<long, BoundaryPoint>> lines;
  lines.reserve(reserveAhead(np));
  for (long j = 0; j < np; ++j) {
    long n = 0;
    double x = 0.0, y = 0.0, depth = 0.0;
    if (nodeDepth)
      readList(in, "a node line (number, x, y, depth)", n, x, y, depth);
    else
      readList(in, "a node line (number, x, y)", n, x, y);
    if (n < 1 || n > np)
      in.fail("node number " + std::to_string(n) + " lies outside 1.." + std::to_string(np) +
              "; this tool needs the nodes numbered 1 to the node count");
    lines.push_back({n, {x, y}});
  }
  std::vector<BoundaryPoint> node(static_cast<size_t>(np));
  std::vector<char> seen(static_cast<size_t>(np), 0);
  for (const auto& [n, p] : lines) {
    node[static_cast<size_t>(n - 1)] = p;
    seen[static_cast<size_t>(n - 1)] = 1;
  }
  lines = {};
  for (long j = 0; j < ne; ++j) in.need("an element line");

  long nope = 0, neta = 0;
  readList(in, "the number of open boundary segments", nope);
  readList(in, "the total number of open boundary nodes", neta);
  std::vector<BoundaryPoint> points;
  for (long s = 0; s < nope; ++s) {
    long nvdll = 0;
    readList(in, "the node count of an open boundary segment", nvdll);
    for (long k = 0; k < nvdll; ++k) {
      long n = 0;
      readList(in, "an open boundary node number", n);
      if (n < 1 || n > np || !seen[static_cast<size_t>(n - 1)])
        in.fail("open boundary node " + std::to_string(n) + " has no node line");
      points.push_back(node[static_cast<size_t>(n - 1)]);
    }
  }
  return points;
}

}  // namespace vm
