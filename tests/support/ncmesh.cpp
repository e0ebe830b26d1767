#include "support/ncmesh.hpp"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "core/fmt.hpp"

namespace vmtest {

MeshData gridMesh() {
  MeshData m;
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 4; ++i) m.nodes.push_back({-89.875 + 0.25 * i, 29.125 + 0.25 * j, 1.5 + 0.75 * (i + 4 * j)});
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 3; ++i) {
      const int a = 4 * j + i + 1, b = a + 1, c = a + 4, d = c + 1;
      m.elements.push_back({a, b, d});
      m.elements.push_back({a, d, c});
    }
  m.open = {{1, 2, 3, 4}, {4, 8, 12}};
  m.land = {{0, {12, 11}}, {52, {11, 10, 9}}, {52, {9, 5, 1}}};
  return m;
}

std::string meshText(const MeshData& m) {
  std::ostringstream s;
  s << m.title << "\n" << m.elements.size() << " " << m.nodes.size() << "\n";
  for (size_t k = 0; k < m.nodes.size(); ++k)
    s << k + 1 << " " << vm::FreeLine().d(m.nodes[k][0]).d(m.nodes[k][1]).d(m.nodes[k][2]).str() << "\n";
  for (size_t e = 0; e < m.elements.size(); ++e)
    s << e + 1 << " 3 " << m.elements[e][0] << " " << m.elements[e][1] << " " << m.elements[e][2] << "\n";
  size_t neta = 0, nvel = 0;
  for (const auto& o : m.open) neta += o.size();
  for (const auto& l : m.land) nvel += l.nodes.size();
  s << m.open.size() << " ! open segments\n" << neta << "\n";
  for (const auto& o : m.open) {
    s << o.size() << " 0\n";
    for (int n : o) s << n << "\n";
  }
  s << m.land.size() << " ! land segments\n" << nvel << "\n";
  for (const auto& l : m.land) {
    s << l.nodes.size() << " " << l.ibtype << "\n";
    for (int n : l.nodes) {
      s << n;
      if (l.ibtype == 4 || l.ibtype == 24) s << " " << l.nodes[0] << " 1.5 0.5 0.25";
      else if (l.ibtype == 3 || l.ibtype == 13 || l.ibtype == 23) s << " 2.5 1.0";
      s << "\n";
    }
  }
  return s.str();
}

namespace {

// Segments laid out flat (one after the other) or as (longest, segments).
std::vector<double> layout(const std::vector<std::vector<int>>& segs, bool twoDim, int start, size_t& longest,
                           size_t& total) {
  longest = total = 0;
  for (const auto& s : segs) {
    longest = std::max(longest, s.size());
    total += s.size();
  }
  std::vector<double> v;
  if (!twoDim) {
    for (const auto& s : segs)
      for (int n : s) v.push_back(n - 1 + start);
    return v;
  }
  v.assign(longest * segs.size(), -1.0);  // padding
  for (size_t j = 0; j < segs.size(); ++j)
    for (size_t k = 0; k < segs[j].size(); ++k) v[k * segs.size() + j] = segs[j][k] - 1 + start;
  return v;
}

void putBoundary(NcWriter& w, const std::vector<std::vector<int>>& segs, const std::vector<int>* types,
                 const NcMeshOptions& o, const char* count, const char* per, const char* type, const char* list,
                 const char* total, const char* longestDim) {
  size_t longest = 0, sum = 0;
  const std::vector<double> values = layout(segs, o.twoDimensional, o.boundaryStart, longest, sum);
  w.dim(count, segs.size());
  w.dim(total, sum);
  w.dim(longestDim, longest);
  w.var(total, NC_INT, {});
  w.var(per, o.intType, {count});
  if (types) w.var(type, o.intType, {count});
  if (o.twoDimensional) w.var(list, o.intType, {longestDim, count});
  else w.var(list, o.intType, {total});
  if (o.boundaryStart != 1) w.num(list, "start_index", o.boundaryStart, NC_INT);
  w.put(total, {static_cast<double>(sum)});
  std::vector<double> counts;
  for (const auto& s : segs) counts.push_back(static_cast<double>(s.size()));
  w.put(per, counts);
  if (types) w.put(type, std::vector<double>(types->begin(), types->end()));
  w.put(list, values);
}

}  // namespace

void writeMeshNetcdf(const std::string& path, const MeshData& m, const NcMeshOptions& o) {
  NcWriter w(path, o.form);
  putMesh(w, m, o);
}

void putMesh(NcWriter& w, const MeshData& m, const NcMeshOptions& o) {
  w.text("", "agrid", m.title);
  w.text("", "title", "not the grid's title");
  w.dim("node", m.nodes.size());
  w.dim("nele", m.elements.size());
  w.dim("nvertex", 3);
  for (const char* v : {"x", "y", "depth"}) w.var(v, NC_DOUBLE, {"node"});
  w.var("element", o.intType, {"nele", "nvertex"});
  if (o.elementStart != 1) w.num("element", "start_index", o.elementStart, NC_INT);
  std::vector<double> x, y, d, e;
  for (const auto& n : m.nodes) {
    x.push_back(n[0]);
    y.push_back(n[1]);
    d.push_back(n[2]);
  }
  for (const auto& el : m.elements)
    for (int c : el) e.push_back(c - 1 + o.elementStart);
  w.put("x", x);
  w.put("y", y);
  w.put("depth", d);
  w.put("element", e);
  if (!o.boundaries) return;
  putBoundary(w, m.open, nullptr, o, "nope", "nvdll", nullptr, "nbdv", "neta", "max_nvdll");
  std::vector<std::vector<int>> land;
  std::vector<int> types;
  for (const auto& l : m.land) {
    land.push_back(l.nodes);
    types.push_back(l.ibtype);
  }
  putBoundary(w, land, &types, o, "nbou", "nvell", "ibtype", "nbvv", "nvel", "max_nvell");
}

HarmonicData harmonicFor(int nodes) {
  HarmonicData h;
  h.names = {"M2", "K1", "O1"};
  for (int n = 0; n < nodes; ++n) {
    std::vector<double> a, p;
    for (size_t c = 0; c < h.names.size(); ++c) {
      a.push_back(0.5 + 0.125 * n + 0.0625 * static_cast<double>(c));
      p.push_back(10.0 * n + 0.5 * static_cast<double>(c) + 0.25);
    }
    h.amp.push_back(a);
    h.phs.push_back(p);
  }
  if (nodes > 2) h.amp[2][1] = h.phs[2][1] = -99999.0;  // a dry node
  return h;
}

std::string harmonicText(const HarmonicData& h) {
  std::ostringstream s;
  s << "   " << h.names.size() << "\n";
  for (const std::string& n : h.names) s << "  0.1405189025E-03  0.6930000   1.02100000  " << n << "\n";
  s << "  " << h.amp.size() << "\n";
  for (size_t n = 0; n < h.amp.size(); ++n) {
    s << n + 1 << "\n";
    for (size_t c = 0; c < h.names.size(); ++c)
      s << vm::FreeLine().d(h.amp[n][c]).d(h.phs[n][c]).str() << "\n";
  }
  return s.str();
}

void writeHarmonicNetcdf(const std::string& path, const HarmonicData& h, NcForm form, const MeshData* mesh) {
  NcWriter w(path, form);
  if (mesh) {
    NcMeshOptions o;
    o.form = form;
    putMesh(w, *mesh, o);
  } else {
    w.dim("node", h.amp.size());
  }
  w.dim("num_const", h.names.size());
  w.dim("constlen", 10);
  w.var("const", NC_CHAR, {"num_const", "constlen"});
  for (const char* v : {"frequency", "nodal_factor", "equilibrium_argument"}) w.var(v, NC_DOUBLE, {"num_const"});
  for (const char* v : {"amp", "phs"}) {
    w.var(v, NC_DOUBLE, {"node", "num_const"});
    w.fill(v, -99999.0);
  }
  std::vector<std::string> names;
  for (const std::string& n : h.names) names.push_back(" " + n + "       ");  // blanks around are not part of it
  w.putText("const", names);
  for (const char* v : {"frequency", "nodal_factor", "equilibrium_argument"})
    w.put(v, std::vector<double>(h.names.size(), 1.0));
  std::vector<double> a, p;
  for (size_t n = 0; n < h.amp.size(); ++n)
    for (size_t c = 0; c < h.names.size(); ++c) {
      // The dry node is a fill value in one variable and not a number in the other.
      a.push_back(h.amp[n][c]);
      p.push_back(h.phs[n][c] == -99999.0 ? std::nan("") : h.phs[n][c]);
    }
  w.put("amp", a);
  w.put("phs", p);
}

}  // namespace vmtest
