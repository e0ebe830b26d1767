// Min-max over a sparse global file: throughput of the whole tool, and peak memory for two
// files that differ only in their snap count.
#include <string>

#include "modelout_data.hpp"
#include "tools.hpp"

int main(int argc, char** argv) {
  const int side = argc > 1 ? std::stoi(argv[1]) : 447;  // about 200,000 nodes
  const long np = static_cast<long>(side + 1) * (side + 1);
  const std::string mesh = bench::scratch("minmax.14"), global = bench::scratch("minmax.63");
  bench::writeGridMesh(mesh, side, -90.0, 25.0, 0.01);
  for (int snaps : {40, 160}) {
    bench::isolated([&] {
      const double bytes = bench::writeGlobal(global, np, snaps, true);
      const double t = bench::timeTool(mesh + "\n" + global + "\n", [](vm::Console& c) { vm::findminmax(c, "unix"); });
      bench::report("findminmax (sparse global file)",
                    std::to_string(np) + " nodes, " + std::to_string(snaps) + " snaps", bytes, t);
    });
  }
  std::remove(global.c_str());
  std::remove(mesh.c_str());
}
