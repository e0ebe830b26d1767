// Station time series from a global file: locate every station of a station file in the
// mesh (element, weights, nearest node, nearest deep-enough node; written to a summary
// file), then interpolate every snap of the global file at the stations.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/error.hpp"
#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/text.hpp"
#include "mesh/mesh.hpp"
#include "modelout/locate.hpp"
#include "modelout/stations.hpp"
#include "modelout/timeseries.hpp"
#include "modelout/tsextract_names.hpp"
#include "shell/choosefile.hpp"
#include "tools.hpp"

namespace vm {

namespace {

struct Located {
  int grid = 0;  // 1: inside an element
  int elem = 0;  // 1-based
  std::array<double, 3> weight{0, 0, 0};
  int sn = 0, wn = 0;
};

void summaryHeader(OutFile& out) {
  std::string s;
  putA(s, "StationID", 50);
  for (const char* h : {"Inside Grid", "Near Node", "Near WetNode", "Near Depth", "Wet Depth", "Station Lat",
                        "Station Lon", "Node Lat", "Node Lon", "Wet Lat", "Wet Lon"})
    putA(s, h, 15);
  out.line(s);
}

void summaryLine(OutFile& out, const Mesh& m, const StationRecord& st, const Located& l) {
  // A node number of 0 refers to no node: its columns carry -999.0.
  auto depth = [&](int j) { return j > 0 ? m.depth[static_cast<size_t>(j - 1)] : -999.0; };
  auto ny = [&](int j) { return j > 0 ? m.y[static_cast<size_t>(j - 1)] : -999.0; };
  auto nx = [&](int j) { return j > 0 ? m.x[static_cast<size_t>(j - 1)] : -999.0; };
  std::string s;
  putA(s, trim(st.id), 50);
  putI(s, l.grid, 15);
  putI(s, l.sn, 15);
  putI(s, l.wn, 15);
  for (double v : {depth(l.sn), depth(l.wn), st.lat, st.lon, ny(l.sn), nx(l.sn), ny(l.wn), nx(l.wn)})
    putF(s, v, 15, 10);
  out.line(s);
}

// The dry-corner rule: wet corners only, their weights renormalised (negative weights of
// two wet corners clipped to 0 first); nothing wet, or nothing left to weigh, gives fill.
struct Blend {
  int n = 0;  // wet corners used
  int k[3] = {0, 0, 0};
  double w[3] = {0, 0, 0};
  bool none = true;
};

Blend blendFor(const std::array<double, 3>& a, const std::array<double, 3>& weight, double fill) {
  Blend b;
  int wet[3], n = 0;
  for (int c = 0; c < 3; ++c)
    if (a[static_cast<size_t>(c)] != fill) wet[n++] = c;
  b.n = n;
  if (n == 3) {
    for (int c = 0; c < 3; ++c) b.k[c] = c, b.w[c] = weight[static_cast<size_t>(c)];
    b.none = false;
  } else if (n == 2) {
    const double wi = std::max(weight[static_cast<size_t>(wet[0])], 0.0);
    const double wj = std::max(weight[static_cast<size_t>(wet[1])], 0.0);
    const double sum = wi + wj;
    if (sum != 0.0) {
      b.k[0] = wet[0], b.k[1] = wet[1];
      b.w[0] = wi, b.w[1] = wj, b.w[2] = sum;
      b.none = false;
    }
  } else if (n == 1) {
    b.k[0] = wet[0];
    b.none = false;
  }
  return b;
}

double apply(const Blend& b, const std::array<double, 3>& a, double fill) {
  if (b.none) return fill;
  if (b.n == 3) return b.w[0] * a[0] + b.w[1] * a[1] + b.w[2] * a[2];
  if (b.n == 2)
    return a[static_cast<size_t>(b.k[0])] * b.w[0] / b.w[2] + a[static_cast<size_t>(b.k[1])] * b.w[1] / b.w[2];
  return a[static_cast<size_t>(b.k[0])];
}

}  // namespace

void tsextract(Console& con, const std::string& os, int cntrl, std::string& filestationu, std::string& fort14u,
               std::string& fort63u, std::string& runid, std::string& dfolder) {
  // Location stage.
  std::string stationPath;
  if (cntrl == 0) {
    con.line("Enter name of file with lat/lon or node numbers for stations: ");
    stationPath = choosefile(con, kStations, os);
  } else {
    stationPath = std::string(rtrim(dfolder)) + std::string(rtrim(filestationu));
  }
  stationPath = std::string(rtrim(cut(stationPath, 500)));
  const std::vector<StationRecord> stations = readStationFile(stationPath);
  con.line("Stations information was read successfully!");
  con.line(" ");

  std::string meshPath;
  if (cntrl == 0) {
    con.prompt("Enter name of QORVEL grid file: ");
    meshPath = std::string(rtrim(cut(con.readLine("the grid file name"), 100)));
  } else {
    meshPath = std::string(rtrim(cut(fort14u, 100)));
  }
  const Mesh mesh = readMeshGrid(meshPath);
  const int np = mesh.np();
  for (const StationRecord& s : stations)
    if (s.usenode != 0 && (s.usenode < 1 || s.usenode > np))
      fail(stationPath + ": station " + std::string(trim(s.id)) + " has preferred node " + std::to_string(s.usenode) +
           ", not a node number from 1 to " + std::to_string(np));

  // Driven, the global file is known already and must outlive the summary too.
  const std::string summaryPath = summaryName(stationPath, meshPath);
  const std::string knownGlobal = cntrl == 0 ? std::string() : std::string(rtrim(cut(fort63u, 100)));
  if (sameFile(summaryPath, stationPath) || sameFile(summaryPath, meshPath) ||
      (!knownGlobal.empty() && sameFile(summaryPath, knownGlobal)))
    fail("the summary file " + summaryPath + " would replace an input file");

  double magnitude = 0.0;
  for (const StationRecord& s : stations)
    if (s.lon > -9999.0 && std::isfinite(s.lon) && std::isfinite(s.lat))
      magnitude = std::max({magnitude, std::fabs(s.lon), std::fabs(s.lat)});
  std::vector<Located> loc(stations.size());
  {
    const ElementIndex elements(mesh, magnitude);
    const NodeIndex nodes(mesh);
    OutFile summary(summaryPath);
    summaryHeader(summary);
    for (size_t i = 0; i < stations.size(); ++i) {
      const StationRecord& s = stations[i];
      Located& l = loc[i];
      if (s.lon > -9999.0) {
        l.elem = elements.find(s.lon, s.lat);
        if (l.elem != 0) {
          l.grid = 1;
          l.weight = elementWeights(mesh, l.elem - 1, s.lon, s.lat);
          con.say(FreeLine().d(l.weight[0]).d(l.weight[1]).d(l.weight[2]));
        }
      }
      if (l.grid == 0) con.say(FreeLine().t(rtrim(s.id)).t(" is located outside of Grid"));
      l.sn = nodes.nearest(s.lon, s.lat);
      l.wn = nodes.nearestWet(s.lon, s.lat, s.usedepth);
      summaryLine(summary, mesh, s, l);
    }
    summary.close();
  }
  con.line("QORVEL grid file was read successfully!");
  con.line(" ");

  // Extraction stage.
  std::string globalPath;
  if (cntrl == 0) {
    con.prompt("Enter name of file containing global values: ");
    globalPath = std::string(rtrim(cut(con.readLine("the global file name"), 100)));
    con.prompt("Enter Run Tag: ");
    runid = std::string(cut(con.readLine("the run tag"), 120));
  } else {
    globalPath = std::string(rtrim(cut(fort63u, 100)));
  }
  GlobalReader::Options opt;
  opt.np = np;
  GlobalReader global(globalPath, opt);
  const GlobalHeader& gh = global.header();
  con.line(" ");

  const std::string outPath = seriesName(stationPath, runid, gh.recordType);
  for (const std::string* input : std::initializer_list<const std::string*>{&stationPath, &meshPath, &globalPath, &summaryPath})
    if (sameFile(outPath, *input)) fail("the station time-series file " + outPath + " would replace " + *input);
  StationSeriesWriter out(outPath);
  out.header(gh.snaps, static_cast<int>(stations.size()), gh.outputStep, gh.recordType, gh.word);
  con.line(" ");

  const bool two = global.valuesPerLine() == 2;
  std::vector<double> g1(static_cast<size_t>(np)), g2(two ? static_cast<size_t>(np) : 0);
  const Format progress("(A,I5,A,I5,A)");
  SnapHeader h;
  for (int l = 1; l <= gh.snaps; ++l) {
    con.out() << progress.line("Processing snap #", l, " of ", gh.snaps, ".");
    if (!global.nextSnap(h)) break;
    out.snap(h.time, h.iteration);
    std::fill(g1.begin(), g1.end(), h.fill);
    if (two) std::fill(g2.begin(), g2.end(), h.fill);
    const bool complete = global.readNodes([&](int n, const double* v) {
      g1[static_cast<size_t>(n - 1)] = v[0];
      if (two) g2[static_cast<size_t>(n - 1)] = v[1];
    });
    if (!complete) break;
    for (size_t i = 0; i < stations.size(); ++i) {
      const StationRecord& s = stations[i];
      const Located& lc = loc[i];
      double v = h.fill, w = h.fill;
      if (lc.grid != 0) {
        if (s.usenode != 0 || s.usedepth != kNoMinimumDepth) {
          const int node = s.usedepth != kNoMinimumDepth ? lc.wn : s.usenode;
          if (node > 0) {
            v = g1[static_cast<size_t>(node - 1)];
            if (two) w = g2[static_cast<size_t>(node - 1)];
          }
        } else {
          const std::array<int, 3>& c = mesh.nm[static_cast<size_t>(lc.elem - 1)];
          const std::array<double, 3> a{g1[static_cast<size_t>(c[0] - 1)], g1[static_cast<size_t>(c[1] - 1)],
                                        g1[static_cast<size_t>(c[2] - 1)]};
          const Blend b = blendFor(a, lc.weight, h.fill);
          v = apply(b, a, h.fill);
          if (two)
            w = apply(b,
                      {g2[static_cast<size_t>(c[0] - 1)], g2[static_cast<size_t>(c[1] - 1)],
                       g2[static_cast<size_t>(c[2] - 1)]},
                      h.fill);
        }
      }
      if (two) out.value(static_cast<int>(i + 1), v, w);
      else out.value(static_cast<int>(i + 1), v);
    }
  }
  con.line("Time series extracted successfully!");
  out.close();
}

}  // namespace vm
