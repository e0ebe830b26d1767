// The NOAA converter: station list, then two raw files (grade from line 7, fixed-column
// dates, verified "(f7.3,1x,f7.3)" or preliminary free-form values).
#include "rawinput.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(noaa2talvo) {
  if (!fuzz::putListAndRaw(data, size, 2)) return;
  fuzz::runTool("list\n", [](vm::Console& c) { vm::noaa2talvo(c); });
}
