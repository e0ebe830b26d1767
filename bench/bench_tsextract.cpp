// Global files of about 1 GB streamed through the station extraction: full and sparse
// snaps, one value per node (fort.63) and two (fort.64), 1,000 stations in a mesh of 1
// million nodes. Each is a driven run timed less a run on the same header without snaps
// (mesh reading and location; the faster of two), so seconds and MB/s are those of the streaming itself. A
// quarter-size full file shows that the peak memory does not grow with the snaps.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "modelout_data.hpp"
#include "scratch.hpp"
#include "tools.hpp"

namespace {

double extract(const std::string& global) {
  std::string st = "bench.Stations", mesh = "bench.14", g = global, runid = "R", folder;
  return bench::timeTool("", [&](vm::Console& c) { vm::tsextract(c, "unix", 1, st, mesh, g, runid, folder); });
}

}  // namespace

int main(int argc, char** argv) {
  return bench::guarded([&] {
    const int side = argc > 1 ? std::stoi(argv[1]) : 999;  // (side+1)^2 nodes
    const double megabytes = argc > 2 ? std::stod(argv[2]) : 1000.0;
    const long np = (side + 1L) * (side + 1), stations = 1000;
    const double h = 5.0 / side;
    const ScratchFolder scratch;
    bench::writeGridMesh("bench.14", side, -95.0, 25.0, h);
    bench::writeStations("bench.Stations", stations, side, -95.0, 25.0, h);
    bench::writeGlobal("empty.63", np, 0, false);
    struct Case {
      const char* what;
      bool sparse;
      int values;
      double share;  // of the file size
    };
    for (const Case& c : {Case{"full", false, 1, 1.0}, Case{"full", false, 1, 0.25}, Case{"sparse", true, 1, 1.0},
                          Case{"full", false, 2, 1.0}, Case{"sparse", true, 2, 1.0}}) {
      // Node lines of 33 bytes (one value) or 51 (two); sparse snaps list three nodes in four.
      const double perSnap = static_cast<double>(np) * (c.values == 2 ? 51.0 : 33.0) * (c.sparse ? 0.75 : 1.0);
      const int snaps = std::max(1, static_cast<int>(std::lround(c.share * megabytes * 1e6 / perSnap)));
      const std::string global = c.values == 2 ? "fort.64" : "fort.63";
      const double bytes = bench::writeGlobal(global, np, snaps, c.sparse, c.values);
      bench::isolated([&] {
        const double base = std::min(extract("empty.63"), extract("empty.63"));
        const double t = extract(global) - base;
        bench::report(std::string("tsextract streaming, ") + c.what + (c.values == 2 ? " vector " : " scalar ") + global,
                      std::to_string(np) + " nodes, " + std::to_string(snaps) + " snaps (" +
                          std::to_string(std::lround(bytes / 1e6)) + " MB), " + std::to_string(stations) + " stations",
                      bytes, t);
      });
      std::remove(global.c_str());
    }
  });
}
