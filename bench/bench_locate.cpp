// The location stage of the station extraction: 10,000 stations in a mesh of about 4
// million elements (index build, element search, weights, nearest and nearest deep-enough
// nodes, summary file). Timed as a driven run on a global file without snaps less the
// mesh reading, each the fastest of two tries; the station file and the global file's
// header are read in the run too (a few milliseconds).
#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "mesh/mesh.hpp"
#include "modelout_data.hpp"
#include "scratch.hpp"
#include "tools.hpp"

int main(int argc, char** argv) {
  return bench::guarded([&] {
    const int side = argc > 1 ? std::stoi(argv[1]) : 1415;  // (side+1)^2 nodes, 2*side^2 elements
    const long stations = argc > 2 ? std::stol(argv[2]) : 10'000;
    const long np = (side + 1L) * (side + 1);
    const double h = 5.0 / side;
    const ScratchFolder scratch;
    bench::writeGridMesh("bench.14", side, -95.0, 25.0, h);
    bench::writeStations("bench.Stations", stations, side, -95.0, 25.0, h);
    bench::writeGlobal("empty.63", np, 0, false);
    bench::isolated([&] {
      double meshRead = 1e300, run = 1e300;
      for (int k = 0; k < 2; ++k) {
        const double t0 = bench::now();
        const vm::Mesh m = vm::readMeshGrid("bench.14");
        meshRead = std::min(meshRead, bench::now() - t0);
      }
      for (int k = 0; k < 2; ++k) {
        std::string st = "bench.Stations", mesh = "bench.14", global = "empty.63", runid = "R", folder;
        run = std::min(run, bench::timeTool("", [&](vm::Console& c) {
          vm::tsextract(c, "unix", 1, st, mesh, global, runid, folder);
        }));
      }
      std::ifstream summary("bench.Stations.bench.14.Summary");
      long lines = 0;
      for (std::string l; std::getline(summary, l);) ++lines;
      if (lines != stations + 1) throw std::runtime_error("the summary file is incomplete");
      bench::report("tsextract location stage (mesh reading excluded)",
                    std::to_string(stations) + " stations, " + std::to_string(2L * side * side) + " elements", 0.0,
                    run - meshRead);
    });
  });
}
