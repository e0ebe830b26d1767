// Max file from a full-form global file: throughput of the whole tool (mesh reading and the
// max file included), and peak memory for two files that differ only in their snap count.
#include <string>

#include "modelout_data.hpp"
#include "scratch.hpp"
#include "tools.hpp"

int main(int argc, char** argv) {
  return bench::guarded([&] {
    const int side = argc > 1 ? std::stoi(argv[1]) : 447;  // about 200,000 nodes
    const long np = static_cast<long>(side + 1) * (side + 1);
    const ScratchFolder scratch;
    bench::writeGridMesh("genmax.14", side, -90.0, 25.0, 0.01);
    for (int snaps : {30, 120}) {
      bench::isolated([&] {
        const double bytes = bench::writeGlobal("genmax.63", np, snaps, false);
        const double t = bench::timeTool("genmax.14\ngenmax.63\ngenmax.max.63\n",
                                         [](vm::Console& c) { vm::generatemax(c, "unix"); });
        bench::report("generatemax (full global file)",
                      std::to_string(np) + " nodes, " + std::to_string(snaps) + " snaps", bytes, t);
      });
    }
  });
}
