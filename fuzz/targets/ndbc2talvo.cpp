// The NDBC converter: station list without a caption line, then two raw files of
// 25-word records that may span lines.
#include "rawinput.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(ndbc2talvo) {
  if (!fuzz::putListAndRaw(data, size, 2)) return;
  fuzz::runTool("list\n", [](vm::Console& c) { vm::ndbc2talvo(c); });
}
