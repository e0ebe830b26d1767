// The nodal attributes file as the wave-refraction tool reads and copies it, with the
// mesh's node lines and the coarse mesh whose coverage enables the attribute.
//
// Input: one byte choosing the region (the built-in box, a typed box, or the coverage of
// a coarse mesh), then up to three parts separated by form feeds: the attributes file,
// the mesh (four nodes when empty) and the coarse mesh (two triangles when empty).
#include <string>

#include "fuzz.hpp"
#include "tools.hpp"

namespace {

const char* const kMesh = "mesh\n0 4\n1 -82.0 25.0 5\n2 -81.9 26.0 5\n3 -90.0 24.99 5\n4 -85.0 30.0 5\n";
const char* const kCoarse =
    "coarse\n2 4\n1 -91 24 1\n2 -80 24 1\n3 -91 31 1\n4 -80 31 1\n1 3 1 2 3\n2 3 2 4 3\n";

}  // namespace

VM_FUZZ_TARGET(attributes) {
  if (size < 1) return;
  const unsigned region = data[0] % 3;
  const auto p = fuzz::parts(data + 1, size - 1, 3);
  fuzz::put("orig.13", p[0]);
  fuzz::put("fort.14", p[1].empty() ? kMesh : p[1]);
  fuzz::put("coarse.grd", p[2].empty() ? kCoarse : p[2]);
  static const char* const answers[3] = {
      "fort.14\n1\nA\norig.13\nnew.13\n",
      "fort.14\n1\nB\n-81.95\n-86\n29.5\n24.995\norig.13\nnew.13\n",
      "fort.14\n2\ncoarse.grd\norig.13\nnew.13\n",
  };
  fuzz::runTool(answers[region], [](vm::Console& con) { vm::addwave13(con); });
}
