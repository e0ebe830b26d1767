// Wave-refraction attribute by coarse-mesh coverage: a mesh of 2 million nodes against a
// coarse mesh of 200,000 elements (reading both meshes and writing the attributes file
// included; the MB/s column counts the mesh's node lines, all the tool reads of it).
#include <string>

#include "modelout_data.hpp"
#include "scratch.hpp"
#include "tools.hpp"

int main(int argc, char** argv) {
  return bench::guarded([&] {
    const int side = argc > 1 ? std::stoi(argv[1]) : 1413;       // (side+1)^2 nodes: about 2 million
    const int coarseSide = argc > 2 ? std::stoi(argv[2]) : 316;  // 2*side^2 elements: about 200,000
    const long np = static_cast<long>(side + 1) * (side + 1);
    const ScratchFolder scratch;
    const double nodeBytes = bench::writeGridMesh("wave.14", side, -98.0, 18.0, 14.0 / side);
    bench::writeGridMesh("wave.grd", coarseSide, -95.37, 20.41, 9.5 / coarseSide);
    {
      bench::Writer w("wave.13");
      w.buf() += "attributes\n" + std::to_string(np) + "\n0";
      w.line();
    }
    bench::isolated([&] {
      const double t = bench::timeTool("wave.14\n2\nwave.grd\nwave.13\nwave.new.13\n",
                                       [](vm::Console& c) { vm::addwave13(c); });
      bench::report("addwave13 option 2 (coarse-mesh coverage)",
                    std::to_string(np) + " nodes, " + std::to_string(2L * coarseSide * coarseSide) +
                        " coarse elements",
                    nodeBytes, t);
    });
  });
}
