// The model's NetCDF global, max and station files, the NetCDF library's own reading of
// them included, as the tools that read them use them.
//
// Input: one byte choosing the tool, then the file itself (whole: a NetCDF file holds any
// byte). The mesh is a small square of four nodes, the station list two stations.
#include <string>

#include "core/ncguard.hpp"
#include "fuzz.hpp"
#include "tools.hpp"

namespace {

const char* const kSquare = "square\n2 4\n1 0 0 1.0\n2 1 0 2.0\n3 0 1 3.0\n4 1 1 4.0\n1 3 1 2 3\n2 3 2 4 3\n";
const char* const kStations = "2\nA 0.3 0.2\nB 0.9 0.9 4\n";
// A file on which the NetCDF library loops is cut off by the guard of netCDF-4 files well
// within the fuzzer's timeout.
constexpr unsigned kProbeSeconds = 4;

}  // namespace

VM_FUZZ_TARGET(ncseries) {
  if (size < 1) return;
  vm::setNcProbeSeconds(kProbeSeconds);
  const unsigned tool = data[0] % 7;
  fuzz::put("f.nc", std::string(reinterpret_cast<const char*>(data + 1), size - 1));
  fuzz::put("m.14", kSquare);
  fuzz::put("s.Stations", kStations);
  fuzz::put("list", "f.nc\nf.nc\n");
  switch (tool) {
    case 0:
      fuzz::runTool("", [](vm::Console& con) {
        std::string st = "s.Stations", mesh = "m.14", global = "f.nc", runid = "r", folder;
        vm::tsextract(con, "unix", 1, st, mesh, global, runid, folder);
      });
      break;
    case 1:
      fuzz::runTool("m.14\nf.nc\n7\n", [](vm::Console& con) { vm::wetdry(con, "unix"); });
      break;
    case 2:
      fuzz::runTool("m.14\nf.nc\n", [](vm::Console& con) { vm::findminmax(con, "unix"); });
      break;
    case 3:
      fuzz::runTool("m.14\nf.nc\nmax.63\n", [](vm::Console& con) { vm::generatemax(con, "unix"); });
      break;
    case 4:
      fuzz::runTool("env.63\nlist\n2\n", [](vm::Console& con) { vm::meow(con, "unix"); });
      break;
    case 5:
      fuzz::runTool("f.nc\nf.nc\nd.63\n", [](vm::Console& con) { vm::generatediff(con, "unix"); });
      break;
    default:
      fuzz::runTool("", [](vm::Console& con) {
        vm::StartDate start{2008, 9, 1, 0, 0};
        std::string st = "s.Stations", series = "f.nc", folder;
        int kind = 1;
        vm::talvo61(con, "unix", 1, start, st, series, kind, folder);
      });
      break;
  }
}
