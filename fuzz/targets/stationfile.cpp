// The station-file reader (ID, latitude, longitude, optional preferred node and minimum
// depth) through the station extraction, and the station-file editors that read a station
// file and a file of entries (preferred nodes, new locations).
//
// Input: one byte choosing the tool, then two parts separated by a form feed: the station
// file and the entries file. The extraction runs on a small square mesh and a two-snap
// global file.
#include <string>

#include "fuzz.hpp"
#include "tools.hpp"

namespace {

const char* const kSquare = "square\n2 4\n1 0 0 1.0\n2 1 0 2.0\n3 0 1 3.0\n4 1 1 4.0\n1 3 1 2 3\n2 3 2 4 3\n";
const char* const kGlobal =
    "run\n 2 4 1.0 1 1 w\n 1.0 1\n 1 1.0\n 2 2.0\n 3 -99999.0\n 4 4.0\n 2.0 2 2 -99999.0\n 1 1.0\n 4 4.0\n";

}  // namespace

VM_FUZZ_TARGET(stationfile) {
  if (size < 1) return;
  const unsigned tool = data[0] % 3;
  const auto p = fuzz::parts(data + 1, size - 1, 2);
  fuzz::put("s.Stations", p[0]);
  fuzz::put("e.txt", p[1]);
  switch (tool) {
    case 0:
      fuzz::put("m.14", kSquare);
      fuzz::put("g.63", kGlobal);
      fuzz::runTool("", [](vm::Console& con) {
        std::string st = "s.Stations", mesh = "m.14", global = "g.63", runid = "r", folder;
        vm::tsextract(con, "unix", 1, st, mesh, global, runid, folder);
      });
      break;
    case 1:
      fuzz::runTool("1\n1\n", [](vm::Console& con) { vm::listnodes(con, "unix"); });
      break;
    default:
      fuzz::runTool("1\n1\n", [](vm::Console& con) { vm::relocator(con, "unix"); });
      break;
  }
}
