// The observation-file reader (header lines, station header lines, data lines) through the
// tools that read observation files: station list, high-water marks, filter, cleaner,
// adjust, numbering and merge; the filter's and the cleaner's flag files with them.
//
// Input: one byte choosing the tool (and the adjustment), then two parts separated by a
// form feed: the observation file and the flag file. The chooser lists the working
// folder, where the observation file is the only ".TALVO" and the flag file the only
// ".txt" file, so "1" picks them.
#include <string>

#include "fuzz.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(observations) {
  if (size < 1) return;
  const unsigned tool = data[0] % 7;
  const unsigned option = (data[0] / 7) % 4 + 1;
  const auto p = fuzz::parts(data + 1, size - 1, 2);
  fuzz::put("in.TALVO", p[0]);
  fuzz::put("flags.txt", p[1]);
  switch (tool) {
    case 0:
      fuzz::runTool("1\n", [](vm::Console& con) { vm::talvolist(con, "unix"); });
      break;
    case 1:
      fuzz::runTool("in.TALVO\nout.hwm\n", [](vm::Console& con) { vm::wl2hwm(con, "unix"); });
      break;
    case 2:
      fuzz::runTool("1\n1\n", [](vm::Console& con) { vm::talvofilter(con, "unix"); });
      break;
    case 3:
      fuzz::runTool("1\n1\n", [](vm::Console& con) { vm::talvoclean(con, "unix"); });
      break;
    case 4: {
      static const char* const answers[4] = {"1\n1\nCST\n-6\n", "1\n2\nMSL\n0.25\n", "1\n3\n", "1\n4\n"};
      fuzz::runTool(answers[option - 1], [](vm::Console& con) { vm::talvoadjust(con, "unix"); });
      break;
    }
    case 5:
      fuzz::runTool("1\n", [](vm::Console& con) { vm::talvorename(con, "unix"); });
      break;
    default:
      fuzz::runTool("1\nSRC\nmerged.out\n1\nN\n", [](vm::Console& con) { vm::talvomerge(con, "unix"); });
      break;
  }
}
