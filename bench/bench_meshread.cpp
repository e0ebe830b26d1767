// The mesh readers on a mesh of about 2 million nodes and 4 million elements with open and
// land boundaries: the full two-pass reader (labels mapped, boundaries read) and the reader
// of nodes and elements alone that the station extraction uses. MB/s counts the whole file.
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>

#include "mesh/mesh.hpp"
#include "modelout_data.hpp"
#include "scratch.hpp"

int main(int argc, char** argv) {
  return bench::guarded([&] {
    const int side = argc > 1 ? std::stoi(argv[1]) : 1415;  // (side+1)^2 nodes, 2*side^2 elements
    const ScratchFolder scratch;
    bench::writeGridMesh("bench.14", side, -95.0, 25.0, 5.0 / side, true);
    const double bytes = static_cast<double>(std::filesystem::file_size("bench.14"));
    const std::string input = std::to_string((side + 1L) * (side + 1)) + " nodes, " +
                              std::to_string(2L * side * side) + " elements (" +
                              std::to_string(static_cast<long>(bytes / 1e6)) + " MB)";
    bench::isolated([&] {
      std::istringstream in;
      std::ostringstream out;
      vm::Console con(in, out);
      const double t0 = bench::now();
      const vm::Mesh m = vm::readMeshFull("bench.14", con);
      const double t = bench::now() - t0;
      if (m.land.size() != 2) throw std::runtime_error("the mesh was misread");
      bench::report("full mesh reader (two passes)", input, bytes, t);
    });
    bench::isolated([&] {
      const double t0 = bench::now();
      const vm::Mesh m = vm::readMeshGrid("bench.14");
      const double t = bench::now() - t0;
      if (m.ne() != 2 * side * side) throw std::runtime_error("the mesh was misread");
      bench::report("mesh reader of tsextract (nodes, elements)", input, bytes, t);
    });
  });
}
