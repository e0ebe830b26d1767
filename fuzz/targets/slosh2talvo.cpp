// The SLOSH converter: station list, then two raw files read in fixed columns.
#include "rawinput.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(slosh2talvo) {
  if (!fuzz::putListAndRaw(data, size, 2)) return;
  fuzz::runTool("list\n", [](vm::Console& c) { vm::slosh2talvo(c); });
}
