// The global time-series reader (full and sparse snaps, scalar and vector records) as the
// tools that walk a whole series use it: station extraction, wet/dry extent, min-max and
// the max file.
//
// Input: one byte choosing the tool, then up to three parts separated by form feeds: the
// global file, a mesh (a small square mesh when the part is empty) and a station file
// (two stations, one inside and one preferring a node, when empty).
#include <string>

#include "fuzz.hpp"
#include "tools.hpp"

namespace {

const char* const kSquare = "square\n2 4\n1 0 0 1.0\n2 1 0 2.0\n3 0 1 3.0\n4 1 1 4.0\n1 3 1 2 3\n2 3 2 4 3\n";
const char* const kStations = "3\nA 0.3 0.2\nB 0.9 0.9 4\nC 0.5 0.5 0 2.5\n";

}  // namespace

VM_FUZZ_TARGET(globalseries) {
  if (size < 1) return;
  const unsigned tool = data[0] % 4;
  const auto p = fuzz::parts(data + 1, size - 1, 3);
  fuzz::put("g.63", p[0]);
  fuzz::put("m.14", p[1].empty() ? kSquare : p[1]);
  fuzz::put("s.Stations", p[2].empty() ? kStations : p[2]);
  switch (tool) {
    case 0:
      fuzz::runTool("", [](vm::Console& con) {
        std::string st = "s.Stations", mesh = "m.14", global = "g.63", runid = "r", folder;
        vm::tsextract(con, "unix", 1, st, mesh, global, runid, folder);
      });
      break;
    case 1:
      fuzz::runTool("m.14\ng.63\n7\n", [](vm::Console& con) { vm::wetdry(con, "unix"); });
      break;
    case 2:
      fuzz::runTool("m.14\ng.63\n", [](vm::Console& con) { vm::findminmax(con, "unix"); });
      break;
    default:
      fuzz::runTool("m.14\ng.63\nmax.63\n", [](vm::Console& con) { vm::generatemax(con, "unix"); });
      break;
  }
}
