// The station time-series reader as talvo61 uses it: the series file of the station
// extraction (scalar or vector) turned into an observation file with the labels of a
// station list.
//
// Input: one byte choosing the observation kind (1 to 7, or a refused 0 or 8) and the
// simulation start, then two parts separated by a form feed: the series file and the
// station list.
#include <string>

#include "fuzz.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(stationseries) {
  if (size < 1) return;
  int kind = data[0] % 9;
  const int startYear = data[0] & 0x80 ? 2008 : 1899;
  const auto p = fuzz::parts(data + 1, size - 1, 2);
  fuzz::put("run.61", p[0]);
  fuzz::put("gulf.Stations", p[1]);
  fuzz::runTool("", [&](vm::Console& con) {
    vm::StartDate start{startYear, 12, 31, 23, 59};
    std::string stations = "gulf.Stations", series = "run.61", folder;
    vm::talvo61(con, "unix", 1, start, stations, series, kind, folder);
  });
}
