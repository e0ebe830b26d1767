// The VANTE-RVT converter: station list, then per station a wave file and a water-level
// file; the four raw files "a" to "d" serve two stations.
#include "rawinput.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(vantervt) {
  if (!fuzz::putListAndRaw(data, size, 4)) return;
  fuzz::runTool("list\n", [](vm::Console& c) { vm::vantervt(c); });
}
