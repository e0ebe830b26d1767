#include "mesh/mesh_netcdf.hpp"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <vector>

#include "core/error.hpp"
#include "core/ncfile.hpp"
#include "core/ncplausible.hpp"
#include "core/text.hpp"

namespace vm {

namespace {

constexpr size_t kTitleWidth = 120;
constexpr size_t kElementBlock = 1 << 16;  // element rows read at a time
constexpr double kDry = -99999.0;

std::string number(double v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

// Reads a whole variable once its size is known to be plausible (see plausibleSize).
std::vector<double> readVar(const NcFile& f, const NcFile::Var& v) {
  plausibleSize(f, v);
  return f.readAll(v, kDry);
}

// A value that must be a whole number within lo..hi.
long long whole(const NcFile& f, const std::string& var, double v, long long lo, long long hi, const std::string& what) {
  if (!(v == std::floor(v)) || v < static_cast<double>(lo) || v > static_cast<double>(hi))
    f.fail("variable '" + var + "' holds " + std::string(number(v)) + " as " + what + ", expected a whole number from " +
           std::to_string(lo) + " to " + std::to_string(hi));
  return static_cast<long long>(v);
}

// Node numbers of a variable count from its start_index attribute (1 when absent).
long long startIndex(const NcFile& f, const NcFile::Var& v) {
  const auto a = f.numAttr("start_index", v.id);
  if (!a) return 1;
  return whole(f, v.name + ":start_index", *a, INT_MIN / 2, INT_MAX / 2, "its first node number");
}

// Maps a node number of `v` to its position 1..np.
int position(const NcFile& f, const NcFile::Var& v, long long start, double value, int np, const std::string& where) {
  if (!(value == std::floor(value)) || value < static_cast<double>(start) ||
      value > static_cast<double>(start) + np - 1)
    f.fail("variable '" + v.name + "' holds " + number(value) + " (" + where +
           "), not a node number: with start_index " + std::to_string(start) + " the " + std::to_string(np) +
           " nodes are numbered " + std::to_string(start) + " to " + std::to_string(start + np - 1));
  return static_cast<int>(static_cast<long long>(value) - start + 1);
}

// A one-dimensional numeric variable.
const NcFile::Var& needVector(const NcFile& f, const std::string& name, const std::string& what) {
  const NcFile::Var* v = f.var(name);
  if (!v) f.fail("no variable '" + name + "' (" + what + ")");
  if (v->shape.size() != 1 || !v->numeric())
    f.fail("variable '" + name + "' (" + what + ") must be a numeric variable of one dimension");
  return *v;
}

// The value of a scalar numeric variable, when the file has one of that name.
bool scalar(const NcFile& f, const std::string& name, double& value) {
  const NcFile::Var* v = f.var(name);
  if (!v || !v->shape.empty() || !v->numeric()) return false;
  value = readVar(f, *v)[0];
  return true;
}

// Segment counts and node lists of one kind of boundary.
struct Segments {
  bool carried = false;
  std::vector<int> counts;
  std::vector<int> types;               // land boundaries only
  std::vector<std::vector<int>> nodes;  // positions
  int total = 0;                        // the scalar total variable, else the sum
};

struct BoundaryNames {
  const char* count;   // scalar number of segments (nope, nbou)
  const char* perSeg;  // node count of each segment (nvdll, nvell)
  const char* type;    // type of each segment (ibtype), or nullptr
  const char* list;    // the node lists (nbdv, nbvv)
  const char* total;   // scalar total node count (neta, nvel)
  const char* what;    // "open-boundary", "land-boundary"
};

Segments readSegments(const NcFile& f, const BoundaryNames& n, int np) {
  Segments s;
  const std::string what = n.what;
  if (!f.var(n.perSeg)) {
    if (f.var(n.list))
      f.fail("variable '" + std::string(n.list) + "' without '" + n.perSeg + "' (the node count of each " + what +
             " segment)");
    double segments = 0.0;
    if (scalar(f, n.count, segments) && segments == 0.0) s.carried = true;  // none, said so
    return s;
  }
  s.carried = true;
  const NcFile::Var& per = needVector(f, n.perSeg, "the node count of each " + what + " segment");
  const size_t nseg = per.shape[0];
  double declared = 0.0;
  if (scalar(f, n.count, declared) && declared != static_cast<double>(nseg))
    f.fail("variable '" + std::string(n.count) + "' says " + number(declared) + " " + what +
           " segments; '" + n.perSeg + "' holds " + std::to_string(nseg));
  const std::vector<double> counts = readVar(f, per);
  long long sum = 0;
  int longest = 0;
  for (double c : counts) {
    s.counts.push_back(static_cast<int>(whole(f, n.perSeg, c, 0, INT_MAX, "the node count of a segment")));
    sum += s.counts.back();
    longest = std::max(longest, s.counts.back());
  }
  if (n.type) {
    const NcFile::Var& t = needVector(f, n.type, "the type of each " + what + " segment");
    if (t.dims != per.dims)
      f.fail("variable '" + std::string(n.type) + "' must have the dimension of '" + n.perSeg + "'");
    for (double v : readVar(f, t))
      s.types.push_back(static_cast<int>(whole(f, n.type, v, INT_MIN, INT_MAX, "a boundary type")));
  }

  const NcFile::Var* list = f.var(n.list);
  if (!list) f.fail("no variable '" + std::string(n.list) + "' (the nodes of the " + what + " segments)");
  if (!list->numeric()) f.fail("variable '" + std::string(n.list) + "' is not numeric");
  const std::vector<double> values = readVar(f, *list);
  // Index of node k of segment j in `values`.
  size_t stride = 0;  // two-dimensional: nodes of one rank k for every segment
  if (list->shape.size() == 1) {
    if (static_cast<long long>(list->shape[0]) < sum)
      f.fail("variable '" + std::string(n.list) + "' holds " + std::to_string(list->shape[0]) + " nodes; the " + what +
             " segments have " + std::to_string(sum));
  } else if (list->shape.size() == 2) {
    if (list->shape[1] != nseg || static_cast<long long>(list->shape[0]) < longest)
      f.fail("variable '" + std::string(n.list) + "' has the shape (" + std::to_string(list->shape[0]) + ", " +
             std::to_string(list->shape[1]) + "); expected (" + std::to_string(longest) + " or more, " +
             std::to_string(nseg) + ") for the " + what + " segments");
    stride = nseg;
  } else {
    f.fail("variable '" + std::string(n.list) + "' must have one or two dimensions");
  }
  const long long start = startIndex(f, *list);
  size_t flat = 0;
  for (size_t j = 0; j < nseg; ++j) {
    std::vector<int>& seg = s.nodes.emplace_back();
    seg.reserve(static_cast<size_t>(s.counts[j]));
    for (size_t k = 0; k < static_cast<size_t>(s.counts[j]); ++k) {
      const size_t at = stride ? k * stride + j : flat++;
      seg.push_back(position(f, *list, start, values[at], np,
                             "node " + std::to_string(k + 1) + " of " + what + " segment " + std::to_string(j + 1)));
    }
  }
  double total = 0.0;
  s.total = scalar(f, n.total, total) ? static_cast<int>(whole(f, n.total, total, INT_MIN, INT_MAX, "a node total"))
                                      : static_cast<int>(std::min<long long>(sum, INT_MAX));
  return s;
}

}  // namespace

Mesh readNetcdfMesh(const std::string& path, const NcMeshParts& parts, Console* con, int* elementCount) {
  const NcFile f(path);
  Mesh m;
  auto title = f.textAttr("agrid");
  if (!title || trim(*title).empty()) title = f.textAttr("title");
  if (title) m.title = std::string(cut(*title, kTitleWidth));

  const size_t nodes = f.needDim("node", "the mesh nodes");
  if (nodes > static_cast<size_t>(INT_MAX)) f.fail("too many nodes");
  const int np = static_cast<int>(nodes);
  m.x = readVar(f, f.needVar("x", {"node"}, "x or longitude of the nodes"));
  m.y = readVar(f, f.needVar("y", {"node"}, "y or latitude of the nodes"));
  if (parts.depth) m.depth = readVar(f, f.needVar("depth", {"node"}, "the depth of the nodes"));
  if (elementCount) {
    const auto ne = f.dim("nele");
    *elementCount = ne ? static_cast<int>(std::min<size_t>(*ne, INT_MAX)) : 0;
  }
  if (parts.elements) {
    const NcFile::Var& e = f.needVar("element", {"nele", "nvertex"}, "the corners of the elements");
    if (e.shape[1] != 3) f.fail("dimension 'nvertex' is " + std::to_string(e.shape[1]) + "; the elements are triangles (3)");
    if (e.shape[0] > static_cast<size_t>(INT_MAX)) f.fail("too many elements");
    plausibleSize(f, e);
    const long long start = startIndex(f, e);
    const size_t ne = e.shape[0];
    m.nm.resize(ne);
    std::vector<double> block(std::min(ne, kElementBlock) * 3);
    for (size_t first = 0; first < ne; first += kElementBlock) {
      const size_t rows = std::min(kElementBlock, ne - first);
      f.read(e, {first, 0}, {rows, 3}, block.data(), kDry);
      for (size_t r = 0; r < rows; ++r)
        for (size_t k = 0; k < 3; ++k)
          m.nm[first + r][k] = position(f, e, start, block[r * 3 + k], np,
                                        "element " + std::to_string(first + r + 1) + ", corner " + std::to_string(k + 1));
    }
  }

  // The text reader's progress marks: after the elements of its first pass, after the nodes
  // of its second.
  if (con) con->say("  |");
  if (con) con->say("  + ");

  if (parts.openBoundaries) {
    Segments open = readSegments(f, {"nope", "nvdll", nullptr, "nbdv", "neta", "open-boundary"}, np);
    m.openCarried = open.carried;
    m.neta = open.total;
    for (auto& nodes : open.nodes) m.open.push_back(OpenSegment{std::move(nodes)});
  }
  if (parts.landBoundaries) {
    Segments land = readSegments(f, {"nbou", "nvell", "ibtype", "nbvv", "nvel", "land-boundary"}, np);
    m.landCarried = land.carried;
    m.nvel = land.total;
    for (size_t j = 0; j < land.nodes.size(); ++j) {
      const int type = land.types[j];
      if (!ibtypeAllowed(type)) {
        if (con) showIbtypeRefusal(*con, type);
        f.fail("IBTYPE " + std::to_string(type) + " of land-boundary segment " + std::to_string(j + 1) +
               " is not allowed");
      }
      LandSegment& seg = m.land.emplace_back();
      seg.ibtype = type;
      seg.nodes = std::move(land.nodes[j]);
      seg.ibconn.assign(seg.nodes.size(), 0);
      seg.bar.assign(seg.nodes.size(), {0.0, 0.0, 0.0});
    }
  }
  // The model's NetCDF files do not hold the paired nodes and crest heights of barriers.
  m.barrierDataCarried = false;

  if (parts.elements && parts.openBoundaries && parts.landBoundaries) {
    m.nsequencer = NodeNumbers(np, np);
    for (int j = 1; j <= np; ++j) m.nsequencer.set(j, j);
    m.nsequencer.finish();
  }
  return m;
}

}  // namespace vm
