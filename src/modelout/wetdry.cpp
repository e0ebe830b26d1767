// Wet/dry extent: every mesh node listed in any snap of a sparse global file gets the wet
// tag; the result is written as a mesh-style file "wet.14" whose depth column holds the
// mark.
#include <string>
#include <vector>

#include "core/error.hpp"
#include "core/files.hpp"
#include "core/fmt.hpp"
#include "mesh/mesh.hpp"
#include "modelout/summaries.hpp"
#include "modelout/timeseries.hpp"
#include "tools.hpp"

namespace vm {

namespace {

const char* const kWetFile = "wet.14";

void writeWetMesh(const Mesh& mesh, const std::vector<int>& wetn) {
  OutFile out(kWetFile);
  out.line("Wetness Extent fort.14 style Grid");
  std::string s;
  putI(s, mesh.ne(), 10);
  putI(s, mesh.np(), 10);
  out.line(s);
  s.clear();
  for (size_t k = 0; k < wetn.size(); ++k) {
    putI(s, static_cast<long long>(k + 1), 10);
    putF(s, mesh.x[k], 15, 6);
    putF(s, mesh.y[k], 15, 6);
    putI(s, wetn[k], 5);
    out.line(s);
    s.clear();
  }
  for (size_t e = 0; e < mesh.nm.size(); ++e) {
    putI(s, static_cast<long long>(e + 1), 10);
    putI(s, 3, 10);
    for (int c : mesh.nm[e]) putI(s, c, 10);
    out.line(s);
    s.clear();
  }
  out.close();
}

}  // namespace

void wetdry(Console& con, const std::string& /*os*/) {
  std::string meshName, globalName;
  int wettag = 0;
  con.say("Enter the name of the fort.14 file");
  con.read("the mesh file name", meshName);
  con.say("Enter the name of the fort.63 file");
  con.read("the global file name", globalName);
  con.say("Enter the wettag value");
  con.read("the wet tag (an integer)", wettag);
  if (sameFile(meshName, kWetFile) || sameFile(globalName, kWetFile))
    fail(std::string("the input files must not be named ") + kWetFile + ", which this tool writes");

  // The depth is not needed, and the corners are only copied to the new file.
  GridReading how;
  how.depth = false;
  how.cornersArePositions = false;
  const Mesh mesh = readMeshGrid(meshName, how);
  std::vector<int> wetn(static_cast<size_t>(mesh.np()), 0);

  // Only the snap count of line 2 is read; every snap header must hold its node-line
  // count (sparse form), and only the node numbers of the node lines are taken.
  GlobalReader::Options opt;
  opt.readHeaderItems = false;
  opt.rule = GlobalReader::SnapHeaderRule::CountOnly;
  opt.strict = true;
  opt.valuesPerLine = 0;
  opt.np = mesh.np();
  {
    // The series ends early only at the end of the file met at a snap header.
    GlobalReader g(globalName, opt);
    forEachSnap(con, g, [&](int node, const double*) { wetn[static_cast<size_t>(node - 1)] = wettag; });
  }
  writeWetMesh(mesh, wetn);
}

}  // namespace vm
