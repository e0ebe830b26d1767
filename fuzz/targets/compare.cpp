// The model-versus-observation comparison: both observation files read and checked,
// paired, and the tables and the report written.
//
// Input: one byte choosing which file is taken as observed and which as model (the two in
// turn, the other way round, or the first against itself), then two parts separated by a
// form feed: the two observation files. The chooser lists "a.TALVO" as 1 and "b.TALVO" as 2.
#include <string>

#include "fuzz.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(compare) {
  if (size < 1) return;
  static const char* const answers[3] = {"1\n2\ncmp\n", "2\n1\ncmp\n", "1\n1\ncmp\n"};
  const char* chosen = answers[data[0] % 3];
  const auto p = fuzz::parts(data + 1, size - 1, 2);
  fuzz::put("a.TALVO", p[0]);
  fuzz::put("b.TALVO", p[1]);
  fuzz::runTool(chosen, [](vm::Console& con) { vm::talvocompare(con, "unix"); });
}
