// The USGS-PERM converter: station list, then two raw files of comment lines and records
// in either date layout, each with its time-zone word.
#include "rawinput.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(usgsperm2talvo) {
  if (!fuzz::putListAndRaw(data, size, 2)) return;
  fuzz::runTool("list\n", [](vm::Console& c) { vm::usgsperm2talvo(c); });
}
