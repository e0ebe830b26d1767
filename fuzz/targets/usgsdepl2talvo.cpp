// The USGS-DEPL converter: station list, then two raw files in the layout of the storm
// that the first byte chooses (1, 2, or a refused number asked again before 2).
#include <iterator>

#include "rawinput.hpp"
#include "tools.hpp"

namespace {

const char* const kStorms[] = {"1\n", "2\n", "3\n0\n2\n", "/\n2\n"};

}  // namespace

VM_FUZZ_TARGET(usgsdepl2talvo) {
  if (size == 0) return;
  const std::string storm = kStorms[data[0] % std::size(kStorms)];
  if (!fuzz::putListAndRaw(data + 1, size - 1, 2)) return;
  fuzz::runTool("list\n" + storm, [](vm::Console& c) { vm::usgsdepl2talvo(c); });
}
