// Max file from a global file: for every node, the largest value of each component over
// all snaps, dry values left out, written as a single-snap global file.
#include <string>
#include <vector>

#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/text.hpp"
#include "mesh/mesh.hpp"
#include "modelout/summaries.hpp"
#include "modelout/timeseries.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Lines 2 and 3 of the max file: "(2i10,e14.6,2i10,a100)" and "(e14.6,2i10,e14.6)", a
// header announcing one snap of np node lines, and a sparse snap header.
void writeMaxHead(OutFile& out, const GlobalHeader& h, int np, int values) {
  std::string s;
  putA(s, pad(h.description, 120));
  out.line(s);
  s.clear();
  putI(s, 1, 10);
  putI(s, np, 10);
  putE(s, 1.0, 14, 6);
  putI(s, 1, 10);
  putI(s, values, 10);
  putA(s, rtrim(h.word), 100);
  out.line(s);
  s.clear();
  putE(s, 0.0, 14, 6);
  putI(s, 0, 10);
  putI(s, np, 10);
  putE(s, -9999.0, 14, 6);
  out.line(s);
}

}  // namespace

void generatemax(Console& con, const std::string& /*os*/) {
  const std::string meshName = askLine(con, "Enter the name of the fort.14 file: ", 120);
  const std::string globalName = askLine(con, "Enter the name of the global file: ", 120);
  const std::string maxName = askOutputName(
      con, [&] { return askLine(con, "Enter the name of the max file: ", 120); }, {meshName, globalName});
  const int np = readMeshNodes(meshName).np();

  // Sparse snap headers need four items; node numbers are positions, checked.
  GlobalReader g(globalName, wholeSeriesOptions(np, GlobalReader::SnapHeaderRule::CountAndFill));
  const size_t nv = static_cast<size_t>(g.valuesPerLine());

  OutFile out(maxName);
  writeMaxHead(out, g.header(), np, g.valuesPerLine());

  std::vector<double> maxr(static_cast<size_t>(np) * nv, kDryValue);
  con.empty();
  const bool complete = forEachSnap(con, g, [&](int node, const double* v) {
    double* m = maxr.data() + static_cast<size_t>(node - 1) * nv;  // no element at all for record type 0
    for (size_t k = 0; k < nv; ++k)
      if (v[k] > m[k] && v[k] != kDryValue) m[k] = v[k];
  });
  if (complete) con.empty();

  std::string s;
  for (size_t n = 0; n < static_cast<size_t>(np); ++n) {
    s += ' ';
    putFreeInt(s, static_cast<long long>(n + 1));
    for (size_t k = 0; k < nv; ++k) {
      s += ' ';
      putFreeReal(s, maxr[n * nv + k]);
    }
    out.line(s);
    s.clear();
  }
  out.close();
}

}  // namespace vm
