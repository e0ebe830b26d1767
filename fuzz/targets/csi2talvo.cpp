// The CSI converter: station list, then two raw files of slash-dated wave records.
#include "rawinput.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(csi2talvo) {
  if (!fuzz::putListAndRaw(data, size, 2)) return;
  fuzz::runTool("list\n", [](vm::Console& c) { vm::csi2talvo(c); });
}
