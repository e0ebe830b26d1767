// Amplitudes and phases of the FES2004 extraction program's results, per constituent in
// the toolkit's order. Each station's block lists M2, S2, K1, K2, N2, 2N2, O1, P1, Q1, M4,
// Mf, Mm, Mtm, Msqm.
#include "forcing/tidal_extract.hpp"
#include "tools.hpp"

namespace vm {

void fes2004extract(Console& con) {
  static const TidalResultLayout layout{
      "FES2004",
      7,
      2,
      false,
      {{"Q1", 9},
       {"O1", 7},
       {"P1", 8},
       {"K1", 3},
       {"N2", 5},
       {"M2", 1},
       {"S2", 2},
       {"K2", 4},
       {"2N2", 6},
       {"M4", 10},
       {"Mf", 11},
       {"Mm", 12},
       {"Mtm", 13},
       {"Msqm", 14}},
      "(F14.6, F14.6,2i10)"};
  extractTidalResults(con, layout);
}

}  // namespace vm
