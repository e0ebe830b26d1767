// Amplitudes and phases of the OSU tidal model driver's results, per constituent in the
// toolkit's order. Each station's block lists M2, S2, N2, K2, K1, O1, P1, Q1, Mf, Mm, M4,
// MS4, MN4.
#include "forcing/tidal_extract.hpp"
#include "tools.hpp"

namespace vm {

void osuextract(Console& con) {
  static const TidalResultLayout layout{
      "OSU",
      2,
      0,
      true,
      {{"Q1", 8},
       {"O1", 6},
       {"P1", 7},
       {"K1", 5},
       {"N2", 3},
       {"M2", 1},
       {"S2", 2},
       {"K2", 4},
       {"Mf", 9},
       {"Mm", 10},
       {"M4", 11},
       {"MS4", 12},
       {"MN4", 13}},
      "(F14.4, F14.2,2i10)"};
  extractTidalResults(con, layout);
}

}  // namespace vm
