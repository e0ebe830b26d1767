// The harmonic constituent file as its decomposition reads it (constituent lines, then per
// node a line and the amplitude and phase of every constituent), with the full mesh reader
// giving the node count.
//
// Input: two parts separated by a form feed: the harmonic file and the mesh (a small
// labelled mesh with open and land boundaries when empty).
#include <string>

#include "fuzz.hpp"
#include "tools.hpp"

namespace {

const char* const kGrid =
    "grid\n3 5\n105 0.5 1.0 -2.0\n101 1.25 -0.1 3\n103 -99999.0 1e-5 1\n102 2 2 2\n104 12.5 3 3\n"
    "1 3 105 101 103\n2 3 101 102 103\n3 3 102 104 999\n1\n2\n2\n105\n101\n1\n2\n2 52\n102\n104\n";

}  // namespace

VM_FUZZ_TARGET(harmonic) {
  const auto p = fuzz::parts(data, size, 2);
  fuzz::put("harm.53", p[0]);
  fuzz::put("grid.14", p[1].empty() ? kGrid : p[1]);
  fuzz::runTool("grid.14\nharm.53\n\n", [](vm::Console& con) { vm::decompose53(con); });
}
