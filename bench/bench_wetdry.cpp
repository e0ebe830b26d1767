// Wet/dry extent over a sparse global file: throughput of the whole tool (mesh reading and
// "wet.14" included), and peak memory for two files that differ only in their snap count.
#include <string>

#include "modelout_data.hpp"
#include "scratch.hpp"
#include "tools.hpp"

int main(int argc, char** argv) {
  return bench::guarded([&] {
    const int side = argc > 1 ? std::stoi(argv[1]) : 447;  // about 200,000 nodes
    const long np = static_cast<long>(side + 1) * (side + 1);
    const ScratchFolder scratch;  // also receives the tool's "wet.14"
    bench::writeGridMesh("wetdry.14", side, -90.0, 25.0, 0.01);
    for (int snaps : {40, 160}) {
      bench::isolated([&] {
        const double bytes = bench::writeGlobal("wetdry.63", np, snaps, true);
        const double t =
            bench::timeTool("wetdry.14\nwetdry.63\n1\n", [](vm::Console& c) { vm::wetdry(c, "unix"); });
        bench::report("wetdry (sparse global file)",
                      std::to_string(np) + " nodes, " + std::to_string(snaps) + " snaps", bytes, t);
      });
    }
  });
}
