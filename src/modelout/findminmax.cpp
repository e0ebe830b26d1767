// Min-max: the largest and the smallest value of each component over every node and snap
// of a global file, dry values left out; a console report only.
#include <string>
#include <vector>

#include "core/fmt.hpp"
#include "mesh/mesh.hpp"
#include "modelout/summaries.hpp"
#include "modelout/timeseries.hpp"
#include "tools.hpp"

namespace vm {

namespace {

struct Extremes {
  double maximum = 0.0, minimum = 0.0;
  bool any = false;  // a valid value has been seen
};

}  // namespace

void findminmax(Console& con, const std::string& /*os*/) {
  const std::string meshName = askLine(con, "Enter the name of the fort.14 file: ", 120);
  const std::string globalName = askLine(con, "Enter the name of the global file: ", 120);
  const int np = readMeshNodes(meshName).np();

  // Sparse snap headers need three items; node numbers are read past, never used.
  GlobalReader::Options opt = wholeSeriesOptions(np, GlobalReader::SnapHeaderRule::Count);
  opt.checkNodes = false;
  GlobalReader g(globalName, opt);
  std::vector<Extremes> ext(static_cast<size_t>(g.valuesPerLine()));

  con.empty();
  const bool complete = forEachSnap(con, g, [&](int, const double* v) {
    for (size_t k = 0; k < ext.size(); ++k) {
      const double t = v[k];
      if (t == kDryValue || t != t) continue;  // dry, or not a number (which never compares)
      Extremes& e = ext[k];
      if (!e.any) {
        e.maximum = e.minimum = t;
        e.any = true;
      } else if (t > e.maximum) {
        e.maximum = t;
      } else if (t < e.minimum) {
        e.minimum = t;
      }
    }
  });

  if (complete) {
    con.empty();
    con.say("Results:");
    std::string head;
    putA(head, "Vector", 10);
    putA(head, "Maximum", 10);
    putA(head, "Minimum", 10);
    con.line(head);
  }
  for (size_t k = 0; k < ext.size(); ++k) {
    std::string s;
    putI(s, static_cast<long long>(k + 1), 10);
    if (ext[k].any) {
      putF(s, ext[k].maximum, 10, 4);
      putF(s, ext[k].minimum, 10, 4);
    } else {
      s += " no valid values";
    }
    con.line(s);
  }
}

}  // namespace vm
