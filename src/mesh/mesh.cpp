#include "mesh/mesh.hpp"

#include <algorithm>

#include "core/counts.hpp"
#include "core/error.hpp"
#include "core/fmt.hpp"
#include "core/listin.hpp"
#include "core/ncfile.hpp"
#include "core/text.hpp"
#include "mesh/mesh_netcdf.hpp"

namespace vm {

NodeNumbers::NodeNumbers(int maxLabel, int np) : maxLabel_(std::max(maxLabel, 0)) {
  // A table indexed by label is the fast way; labels far above the node count would make it
  // huge, so those meshes keep sorted pairs instead.
  sparse_ = static_cast<long long>(maxLabel_) > 4LL * np + 1024;
  if (sparse_) pairs_.reserve(static_cast<size_t>(std::max(np, 0)));
  else table_.assign(static_cast<size_t>(maxLabel_) + 1, 0);
}

void NodeNumbers::set(int label, int position) {
  if (label < 1 || label > maxLabel_) fail("node number " + std::to_string(label) + " outside 1.." + std::to_string(maxLabel_));
  if (sparse_) pairs_.emplace_back(label, position);
  else table_[static_cast<size_t>(label)] = position;
}

void NodeNumbers::finish() {
  if (!sparse_) return;
  std::stable_sort(pairs_.begin(), pairs_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  // Of equal labels the later line wins.
  std::vector<std::pair<int, int>> kept;
  kept.reserve(pairs_.size());
  for (const auto& p : pairs_) {
    if (!kept.empty() && kept.back().first == p.first) kept.back() = p;
    else kept.push_back(p);
  }
  pairs_.swap(kept);
}

int NodeNumbers::lookupSparse(int label) const {
  auto it = std::lower_bound(pairs_.begin(), pairs_.end(), label,
                             [](const std::pair<int, int>& p, int l) { return p.first < l; });
  return it != pairs_.end() && it->first == label ? it->second : 0;
}

bool ibtypeAllowed(int t) {
  switch (t) {
    case 0: case 1: case 2: case 10: case 11: case 12: case 20: case 21: case 22: case 30: case 52:
    case 3: case 13: case 23:
    case 4: case 24:
      return true;
    default:
      return false;
  }
}

namespace {

constexpr size_t kTitleWidth = 120;

// A count read from the file: negative counts cannot size anything.
int readCount(LineSource& in, const char* what) {
  int n = 0;
  readList(in, what, n);
  if (n < 0) in.fail(std::string("expected ") + what + " of 0 or more, found " + std::to_string(n));
  return n;
}

void skipLines(LineSource& in, long long n, const char* what) {
  std::string_view ln;
  for (long long k = 0; k < n; ++k)
    if (!in.next(ln)) in.failEnd(what);
}

void readSizes(LineSource& in, int& ne, int& np) {
  readList(in, "the element count and the node count", ne, np);
  if (ne < 0 || np < 0) in.fail("expected element and node counts of 0 or more");
}

bool hasTwoBarrierReals(int t) { return t == 3 || t == 13 || t == 23; }
bool hasPairedNode(int t) { return t == 4 || t == 24; }

[[noreturn]] void refuseIbtype(LineSource& in, Console& con, int ibtype) {
  showIbtypeRefusal(con, ibtype);
  in.fail("IBTYPE " + std::to_string(ibtype) + " is not allowed");
}

}  // namespace

void showIbtypeRefusal(Console& con, int ibtype) {
  con.say(FreeLine().t("IBTYPE is not allowed").i(ibtype));
  con.empty();
  con.say("**** Hit the Enter-Key to stop ****");
  con.flush();
  std::string_view ln;
  con.input().next(ln);
}

void needOpenBoundaries(const Mesh& m, const std::string& path) {
  if (!m.openCarried)
    fail(path + ": the file carries no open boundaries (variables nvdll and nbdv), which this tool needs");
}

void needLandBoundaries(const Mesh& m, const std::string& path) {
  if (!m.landCarried)
    fail(path + ": the file carries no land boundaries (variables nvell, ibtype and nbvv), which this tool needs");
}

MeshSizes read14_alloc(LineSource& in, Console& con) {
  MeshSizes s;
  in.need("the title line");
  readSizes(in, s.ne, s.np);
  for (int j = 0; j < s.np; ++j) {
    int n = 0;
    readList(in, "a node line (number, x, y, depth)", n);
    if (n < 1) in.fail("expected a node number of 1 or more, found " + std::to_string(n));
    s.maxLabel = std::max(s.maxLabel, n);
  }
  skipLines(in, s.ne, "an element line");
  con.say("  |");

  s.nope = readCount(in, "the number of open-boundary segments");
  skipLines(in, 1, "the total number of open-boundary nodes");
  for (int j = 0; j < s.nope; ++j) {
    int nvdll = readCount(in, "the node count of an open-boundary segment");
    s.maxNvdll = std::max(s.maxNvdll, nvdll);
    skipLines(in, nvdll, "an open-boundary node line");
  }
  s.nbou = readCount(in, "the number of land-boundary segments");
  skipLines(in, 1, "the total number of land-boundary nodes");
  for (int j = 0; j < s.nbou; ++j) {
    int nvell = readCount(in, "the node count of a land-boundary segment");
    s.maxNvell = std::max(s.maxNvell, nvell);
    skipLines(in, nvell, "a land-boundary node line");
  }
  return s;
}

Mesh read14(LineSource& in, const MeshSizes& sizes, Console& con) {
  Mesh m;
  m.title = std::string(cut(in.need("the title line"), kTitleWidth));
  int ne = 0, np = 0;
  readSizes(in, ne, np);
  if (ne != sizes.ne || np != sizes.np) in.fail("the element and node counts differ from those of the first pass");

  m.nsequencer = NodeNumbers(sizes.maxLabel, np);
  m.x.resize(static_cast<size_t>(np));
  m.y.resize(static_cast<size_t>(np));
  m.depth.resize(static_cast<size_t>(np));
  for (int j = 0; j < np; ++j) {
    int n = 0;
    readList(in, "a node line (number, x, y, depth)", n, m.x[static_cast<size_t>(j)], m.y[static_cast<size_t>(j)],
             m.depth[static_cast<size_t>(j)]);
    if (n < 1 || n > sizes.maxLabel) in.fail("node number " + std::to_string(n) + " differs from the first pass");
    m.nsequencer.set(n, j + 1);
  }
  m.nsequencer.finish();
  con.say("  + ");

  m.nm.resize(static_cast<size_t>(ne));
  for (int j = 0; j < ne; ++j) {
    int number = 0, corners = 0;
    std::array<int, 3>& c = m.nm[static_cast<size_t>(j)];
    readList(in, "an element line (number, corner count, three node numbers)", number, corners, c[0], c[1], c[2]);
    for (int k = 0; k < 3; ++k) {
      if (c[static_cast<size_t>(k)] < 1) con.say(FreeLine().i(j + 1).i(k + 1).i(c[static_cast<size_t>(k)]));
      c[static_cast<size_t>(k)] = m.nsequencer(c[static_cast<size_t>(k)]);
    }
  }

  const int nope = readCount(in, "the number of open-boundary segments");
  if (nope != sizes.nope) in.fail("the number of open-boundary segments differs from the first pass");
  readList(in, "the total number of open-boundary nodes", m.neta);
  m.open.resize(static_cast<size_t>(nope));
  for (OpenSegment& seg : m.open) {
    int nvdll = readCount(in, "the node count of an open-boundary segment");
    if (nvdll > sizes.maxNvdll) in.fail("an open-boundary segment is longer than in the first pass");
    seg.nodes.resize(static_cast<size_t>(nvdll));
    for (int& node : seg.nodes) {
      long long n = 0;
      readList(in, "an open-boundary node number", n);
      node = m.nsequencer(n);
    }
  }

  const int nbou = readCount(in, "the number of land-boundary segments");
  if (nbou != sizes.nbou) in.fail("the number of land-boundary segments differs from the first pass");
  readList(in, "the total number of land-boundary nodes", m.nvel);
  m.land.resize(static_cast<size_t>(nbou));
  for (LandSegment& seg : m.land) {
    int nvell = 0;
    readList(in, "the node count and IBTYPE of a land-boundary segment", nvell, seg.ibtype);
    if (nvell < 0) in.fail("expected a land-boundary node count of 0 or more, found " + std::to_string(nvell));
    if (nvell > sizes.maxNvell) in.fail("a land-boundary segment is longer than in the first pass");
    if (!ibtypeAllowed(seg.ibtype)) refuseIbtype(in, con, seg.ibtype);
    const size_t count = static_cast<size_t>(nvell);
    seg.nodes.assign(count, 0);
    seg.ibconn.assign(count, 0);
    seg.bar.assign(count, {0.0, 0.0, 0.0});
    for (size_t k = 0; k < count; ++k) {
      long long n = 0, paired = 0;
      std::array<double, 3>& b = seg.bar[k];
      if (hasPairedNode(seg.ibtype)) {
        readList(in, "a barrier node line (node, paired node, three reals)", n, paired, b[0], b[1], b[2]);
        seg.ibconn[k] = m.nsequencer(paired);
      } else if (hasTwoBarrierReals(seg.ibtype)) {
        readList(in, "a barrier node line (node, two reals)", n, b[0], b[1]);
      } else {
        readList(in, "a land-boundary node number", n);
      }
      seg.nodes[k] = m.nsequencer(n);
    }
  }
  return m;
}

Mesh readMeshFull(const std::string& path, Console& con) {
  if (isNetcdf(path)) return readNetcdfMesh(path, NcMeshParts{}, &con);
  MeshSizes sizes;
  {
    FileReader in(path);
    sizes = read14_alloc(in, con);
  }
  FileReader in(path);
  return read14(in, sizes, con);
}

Mesh readMeshGrid(const std::string& path, const GridReading& how) {
  if (isNetcdf(path)) {
    NcMeshParts parts;
    parts.depth = how.depth;
    parts.openBoundaries = parts.landBoundaries = false;
    return readNetcdfMesh(path, parts, nullptr);
  }
  FileReader in(path);
  Mesh m;
  m.title = std::string(cut(in.need("the title line"), kTitleWidth));
  int ne = 0, np = 0;
  readSizes(in, ne, np);
  // The arrays grow with the lines read: the counts alone allocate nothing.
  m.x.reserve(reserveAhead(np));
  m.y.reserve(reserveAhead(np));
  if (how.depth) m.depth.reserve(reserveAhead(np));
  for (int j = 0; j < np; ++j) {
    long long number = 0;
    double x = 0.0, y = 0.0, depth = 0.0;
    if (how.depth) readList(in, "a node line (number, x, y, depth)", number, x, y, depth);
    else readList(in, "a node line (number, x, y)", number, x, y);
    m.x.push_back(x);
    m.y.push_back(y);
    if (how.depth) m.depth.push_back(depth);
  }
  m.nm.reserve(reserveAhead(ne));
  for (int j = 0; j < ne; ++j) {
    long long number = 0, corners = 0;
    std::array<int, 3> c{0, 0, 0};
    readList(in, "an element line (number, corner count, three node numbers)", number, corners, c[0], c[1], c[2]);
    if (how.cornersArePositions)
      for (int v : c)
        if (v < 1 || v > np)
          in.fail("element corner " + std::to_string(v) + " is not a node number from 1 to " + std::to_string(np));
    m.nm.push_back(c);
  }
  return m;
}

Mesh readMeshNodes(const std::string& path, int* elementCount) {
  if (isNetcdf(path)) {
    NcMeshParts parts;
    parts.depth = parts.elements = parts.openBoundaries = parts.landBoundaries = false;
    return readNetcdfMesh(path, parts, nullptr, elementCount);
  }
  FileReader in(path);
  Mesh m;
  m.title = std::string(cut(in.need("the title line"), kTitleWidth));
  int ne = 0, np = 0;
  readSizes(in, ne, np);
  if (elementCount) *elementCount = ne;
  m.x.reserve(reserveAhead(np));
  m.y.reserve(reserveAhead(np));
  for (int j = 0; j < np; ++j) {
    long long number = 0;
    double x = 0.0, y = 0.0;
    readList(in, "a node line (number, x, y)", number, x, y);
    m.x.push_back(x);
    m.y.push_back(y);
  }
  return m;
}

}  // namespace vm
