// Wave-refraction attribute by coarse-mesh coverage: a mesh of 2 million nodes against a
// coarse mesh of 200,000 elements (reading both meshes and writing the attributes file
// included; the MB/s column counts the mesh's node lines, all the tool reads of it).
#include <string>

#include "modelout_data.hpp"
#include "tools.hpp"

int main(int argc, char** argv) {
  const int side = argc > 1 ? std::stoi(argv[1]) : 1413;         // (side+1)^2 nodes: about 2 million
  const int coarseSide = argc > 2 ? std::stoi(argv[2]) : 316;    // 2*side^2 elements: about 200,000
  const long np = static_cast<long>(side + 1) * (side + 1);
  const std::string mesh = bench::scratch("wave.14"), coarse = bench::scratch("wave.grd"),
                    orig = bench::scratch("wave.13"), out = bench::scratch("wave.new.13");
  const double nodeBytes = bench::writeGridMesh(mesh, side, -98.0, 18.0, 14.0 / side);
  bench::writeGridMesh(coarse, coarseSide, -95.37, 20.41, 9.5 / coarseSide);
  {
    bench::Writer w(orig);
    w.buf() += "attributes\n" + std::to_string(np) + "\n0";
    w.line();
  }
  bench::isolated([&] {
    const double t = bench::timeTool(mesh + "\n2\n" + coarse + "\n" + orig + "\n" + out + "\n",
                                     [](vm::Console& c) { vm::addwave13(c); });
    bench::report("addwave13 option 2 (coarse-mesh coverage)",
                  std::to_string(np) + " nodes, " + std::to_string(2L * coarseSide * coarseSide) + " coarse elements",
                  nodeBytes, t);
  });
  for (const std::string& f : {mesh, coarse, orig, out}) std::remove(f.c_str());
}
