// The inputs of the river boundary tool: the mesh's river boundaries (land segments of type
// 52, read by the full mesh reader) and the river flow input file of flux profiles.
//
// Input: one byte choosing the flow option and the forcing option, then two parts
// separated by a form feed: the mesh and the river flow input file. Manual flows are typed
// for two rivers; a mesh with another number of rivers gets its answers out of step, which
// the tool must survive as well.
#include <string>

#include "fuzz.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(river) {
  if (size < 1) return;
  const bool manual = data[0] & 1;
  const unsigned forcing = (data[0] >> 1) % 3 + 1;
  const auto p = fuzz::parts(data + 1, size - 1, 2);
  fuzz::put("river.14", p[0]);
  fuzz::put("profiles.txt", p[1]);
  std::string answers = "river.14\n";
  answers += manual ? "2\n5000.0\nMiss\n2500\n'Atch River'\n" : "1\n8000.0\n";
  answers += std::to_string(forcing) + "\n";
  if (forcing == 2) answers += "profiles.txt\n";
  answers += "out.txt\n";
  fuzz::runTool(answers, [](vm::Console& con) { vm::riverextract(con); });
}
