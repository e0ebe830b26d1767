// The TCOON converter: station list, then two raw files of day-of-year records read as
// words.
#include "rawinput.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(tcoon2talvo) {
  if (!fuzz::putListAndRaw(data, size, 2)) return;
  fuzz::runTool("list\n", [](vm::Console& c) { vm::tcoon2talvo(c); });
}
