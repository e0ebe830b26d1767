// The NDBC standard meteorological converter: station list, then two files of named
// columns, historical or real-time.
#include "rawinput.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(stdmet2talvo) {
  if (!fuzz::putListAndRaw(data, size, 2)) return;
  fuzz::runTool("list\n", [](vm::Console& c) { vm::stdmet2talvo(c); });
}
