// Option 15, not listed in the menu: a tool that does nothing and returns at once.
#include "tools.hpp"

namespace vm {

void projector(Console& /*con*/, const std::string& /*os*/) {}

}  // namespace vm
