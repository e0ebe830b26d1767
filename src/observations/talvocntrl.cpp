// The batch chain: for every station file of a control file, station time series from a
// global file, then the observation file from those series, without a single prompt.
#include <string>
#include <vector>

#include "core/error.hpp"
#include "core/files.hpp"
#include "core/lines.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "modelout/timeseries.hpp"
#include "modelout/tsextract_names.hpp"
#include "observations/talvo61_dates.hpp"
#include "shell/choosefile.hpp"
#include "tools.hpp"

namespace vm {

namespace {

std::string readWord(LineSource& in, const char* what) {
  std::string w;
  readList(in, what, w);
  return std::string(cut(w, 120));
}

int readCount(LineSource& in, const char* what) {
  int n = 0;
  readList(in, what, n);
  if (n < 0) in.fail(std::string("expected ") + what + " of 0 or more, found " + std::to_string(n));
  return n;
}

// Record type of a global file, from its header line.
int recordTypeOf(const std::string& globalName) {
  GlobalReader::Options opt;
  opt.np = 0;
  GlobalReader g(std::string(rtrim(cut(globalName, 100))), opt);
  return g.header().recordType;
}

// The files the chain writes for one station file (the summary, the series of either record
// type and the observation file made from it) must not replace the control file that is
// still being read.
void refuseOutputsOverControlFile(const std::string& ctlName, const std::string& stationPath, const std::string& mesh,
                                  const std::string& runid) {
  std::vector<std::string> outputs{summaryName(stationPath, mesh)};
  for (int recordType : {1, 2}) {
    outputs.push_back(seriesName(stationPath, runid, recordType));
    outputs.push_back(outputs.back() + ".TALVO");
  }
  for (const std::string& out : outputs)
    if (sameFile(out, ctlName))
      fail("the file " + out + ", which the chain writes for " + stationPath + ", would replace the control file " +
           ctlName);
}

}  // namespace

void talvocntrl(Console& con, const std::string& os) {
  con.say("Enter the name of the input cntrl file");
  const std::string ctlName = choosefile(con, kCntrl, os);
  con.empty();

  FileReader ctl(ctlName);
  StartDate start{0, 0, 0, 0, 0};
  readList(ctl, "the simulation start (year, month, day, hour, minute)", start[0], start[1], start[2], start[3],
           start[4]);
  std::string mesh = readWord(ctl, "the mesh file name");
  std::string runid = readWord(ctl, "the run identifier");
  std::string folder = readWord(ctl, "the folder prefix");
  const int groups = readCount(ctl, "a number of groups");
  for (int g = 0; g < groups; ++g) {
    const int files = readCount(ctl, "a number of station files");
    std::string global = readWord(ctl, "the global file name");
    int kind = 0;
    readList(ctl, "the observation kind", kind);
    if (!validKind(kind)) ctl.fail("observation kind " + std::to_string(kind) + " is not one of 1 to 7");
    for (int f = 0; f < files; ++f) {
      std::string station(rtrim(cut(ctl.need("a station file name"), 120)));
      refuseOutputsOverControlFile(ctlName, std::string(rtrim(folder)) + station, mesh, runid);
      tsextract(con, os, 1, station, mesh, global, runid, folder);
      // The series file just written, beside the station file.
      std::string series = seriesName(std::string(rtrim(folder)) + station, runid, recordTypeOf(global));
      talvo61(con, os, 1, start, station, series, kind, folder);
    }
  }
}

}  // namespace vm
