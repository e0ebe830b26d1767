// The NWIS converter: station list (site, file, position, parameter code, offset), then two
// RDB downloads of one or more site blocks each.
#include "rawinput.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(nwis2talvo) {
  if (!fuzz::putListAndRaw(data, size, 2)) return;
  fuzz::runTool("list\nNAVD88\n", [](vm::Console& c) { vm::nwis2talvo(c); });
}
