// A mesh of 2 million nodes and 4 million elements: the full two-pass mesh reader, and the
// location of 10,000 stations in it (element index and node tree built, element search,
// weights, nearest node and nearest deep-enough node; reading the mesh not included), then
// the station extraction's whole location stage (its own mesh reading and the summary file
// included, no snaps).
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "mesh/mesh.hpp"
#include "modelout/locate.hpp"
#include "modelout_data.hpp"
#include "tools.hpp"

int main(int argc, char** argv) {
  const int side = argc > 1 ? std::stoi(argv[1]) : 1415;  // (side+1)^2 nodes, 2 side^2 elements
  const int stations = argc > 2 ? std::stoi(argv[2]) : 10000;
  const long np = static_cast<long>(side + 1) * (side + 1), ne = 2L * side * side;
  const double x0 = -98.0, y0 = 18.0, h = 14.0 / side;
  const std::string mesh = bench::scratch("locate.14"), global = bench::scratch("locate.63"),
                    stationFile = bench::scratch("locate.Stations");
  bench::writeGridMesh(mesh, side, x0, y0, h);
  double meshBytes = 0;
  {
    std::FILE* f = std::fopen(mesh.c_str(), "rb");
    std::fseek(f, 0, SEEK_END);
    meshBytes = static_cast<double>(std::ftell(f));
    std::fclose(f);
  }
  const std::string sizes = std::to_string(np) + " nodes, " + std::to_string(ne) + " elements";

  bench::isolated([&] {
    std::istringstream in;
    std::ostringstream out;
    vm::Console con(in, out);
    const double t0 = bench::now(), c0 = bench::cpuSeconds();
    const vm::Mesh m = vm::readMeshFull(mesh, con);
    bench::report("read14 (full mesh reader, both passes)", sizes, meshBytes, bench::now() - t0);
    std::fprintf(stderr, "read14: %.3f processor seconds\n", bench::cpuSeconds() - c0);
  });

  // Stations over the mesh and a margin around it (about one in twenty outside), every
  // fourth with a minimum depth.
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> u(-0.02, 1.02), depth(5.0, 60.0);
  std::vector<std::array<double, 3>> st(static_cast<size_t>(stations));
  for (int i = 0; i < stations; ++i)
    st[static_cast<size_t>(i)] = {x0 + u(rng) * side * h, y0 + u(rng) * side * h, i % 4 == 0 ? depth(rng) : -999.0};

  bench::isolated([&] {
    const vm::Mesh m = vm::readMeshGrid(mesh);
    const double t0 = bench::now(), c0 = bench::cpuSeconds();
    double magnitude = 0;
    for (const auto& s : st) magnitude = std::max({magnitude, std::fabs(s[0]), std::fabs(s[1])});
    const vm::ElementIndex elements(m, magnitude);
    const vm::NodeIndex nodes(m);
    long inside = 0, check = 0;
    for (const auto& s : st) {
      const int e = elements.find(s[0], s[1]);
      if (e != 0) {
        ++inside;
        check += static_cast<long>(vm::elementWeights(m, e - 1, s[0], s[1])[0] >= 0);
      }
      check += nodes.nearest(s[0], s[1]) + nodes.nearestWet(s[0], s[1], s[2]);
    }
    const double t = bench::now() - t0;
    std::fprintf(stderr, "station location: %.3f processor seconds\n", bench::cpuSeconds() - c0);
    bench::report("station location (indexes built, search, nearest nodes)",
                  std::to_string(stations) + " stations (" + std::to_string(inside) + " inside), " + sizes, 0.0, t);
    if (check < 0) std::fprintf(stderr, "%ld\n", check);  // keeps the searches from being optimised away
  });

  {
    bench::Writer w(stationFile);
    w.buf() += std::to_string(stations);
    w.line();
    for (int i = 0; i < stations; ++i) {
      const auto& s = st[static_cast<size_t>(i)];
      w.buf() += 'S';
      w.buf() += std::to_string(i + 1);
      vm::putF(w.buf(), s[1], 16, 8);
      vm::putF(w.buf(), s[0], 16, 8);
      if (s[2] != -999.0) {
        w.buf() += " 0";
        vm::putF(w.buf(), s[2], 8, 2);
      }
      w.line();
    }
  }
  bench::writeGlobal(global, np, 0, false);
  bench::isolated([&] {
    const double c0 = bench::cpuSeconds();
    const double t = bench::timeTool("", [&](vm::Console& c) {
      std::string s = stationFile, m = mesh, g = global, runid = "b", folder;
      vm::tsextract(c, "unix", 1, s, m, g, runid, folder);
    });
    std::fprintf(stderr, "tsextract location stage: %.3f processor seconds\n", bench::cpuSeconds() - c0);
    bench::report("tsextract location stage (its mesh reading included, no snaps)",
                  std::to_string(stations) + " stations, " + sizes, meshBytes, t);
  });
  for (const std::string& f : {global, mesh, stationFile, bench::scratch("locate.b.61"),
                               bench::scratch("locate.Stations.velmorant-bench-locate.14.Summary")})
    std::remove(f.c_str());
}
