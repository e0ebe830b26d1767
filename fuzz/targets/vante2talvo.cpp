// The VANTE converter: station list, then two raw files dated month/day/year hour:minute,
// fields found by the separators.
#include "rawinput.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(vante2talvo) {
  if (!fuzz::putListAndRaw(data, size, 2)) return;
  fuzz::runTool("list\n", [](vm::Console& c) { vm::vante2talvo(c); });
}
