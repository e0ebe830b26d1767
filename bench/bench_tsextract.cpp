// Station time series from a global file, driven as the control-file chain drives it:
// throughput of the whole tool (mesh reading, station location and the summary included;
// the MB/s column counts the global file), for full, sparse and vector files, and peak
// memory for two full files that differ only in their snap count.
#include <cstdio>
#include <random>
#include <string>

#include "modelout_data.hpp"
#include "tools.hpp"

int main(int argc, char** argv) {
  const int side = argc > 1 ? std::stoi(argv[1]) : 447;       // about 200,000 nodes
  const int bigSnaps = argc > 2 ? std::stoi(argv[2]) : 150;   // about 1 GB of full snaps
  const int stations = 1000;
  const long np = static_cast<long>(side + 1) * (side + 1);
  const double h = 0.01;
  const std::string mesh = bench::scratch("ts.14"), global = bench::scratch("ts.63"),
                    stationFile = bench::scratch("ts.Stations");
  bench::writeGridMesh(mesh, side, -90.0, 25.0, h);
  {
    // Stations inside the mesh, a few beyond it, some with a minimum depth.
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(-0.02, 1.02);
    bench::Writer w(stationFile);
    w.buf() += std::to_string(stations);
    w.line();
    for (int i = 1; i <= stations; ++i) {
      w.buf() += 'S';
      w.buf() += std::to_string(i);
      vm::putF(w.buf(), 25.0 + u(rng) * side * h, 16, 8);
      vm::putF(w.buf(), -90.0 + u(rng) * side * h, 16, 8);
      if (i % 10 == 0) w.buf() += " 0 20.0";
      w.line();
    }
  }
  struct Run {
    const char* what;
    int snaps;
    bool sparse;
    int values;
  };
  for (const Run& r : {Run{"full", 40, false, 1}, Run{"full", bigSnaps, false, 1}, Run{"sparse", bigSnaps, true, 1},
                       Run{"full vector", bigSnaps / 2, false, 2}}) {
    bench::isolated([&] {
      const double bytes = bench::writeGlobal(global, np, r.snaps, r.sparse, r.values);
      const double c0 = bench::cpuSeconds();
      const double t = bench::timeTool("", [&](vm::Console& c) {
        std::string s = stationFile, m = mesh, g = global, runid = "b", folder;
        vm::tsextract(c, "unix", 1, s, m, g, runid, folder);
      });
      std::fprintf(stderr, "tsextract (%s): %.3f processor seconds\n", r.what, bench::cpuSeconds() - c0);
      // Every snap must have been read: the output holds its header lines and, per snap, a
      // header and a line per station.
      std::FILE* f = std::fopen(bench::scratch(r.values == 2 ? "ts.b.62" : "ts.b.61").c_str(), "rb");
      long lines = 0;
      for (int ch; f && (ch = std::fgetc(f)) != EOF;) lines += ch == '\n';
      if (f) std::fclose(f);
      if (lines != 2 + static_cast<long>(r.snaps) * (1 + stations))
        std::fprintf(stderr, "tsextract (%s): the output holds %ld lines, not every snap was read\n", r.what, lines);
      bench::report(std::string("tsextract (") + r.what + " global file)",
                    std::to_string(np) + " nodes, " + std::to_string(r.snaps) + " snaps, " + std::to_string(stations) +
                        " stations",
                    bytes, t);
    });
  }
  for (const std::string& f : {global, mesh, stationFile, bench::scratch("ts.b.61"), bench::scratch("ts.b.62"),
                               bench::scratch("ts.Stations.velmorant-bench-ts.14.Summary")})
    std::remove(f.c_str());
}
