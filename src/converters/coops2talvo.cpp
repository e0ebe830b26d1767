#include "tools.hpp"

namespace vm {

void coops2talvo(Console& con) { (void)con; }

}  // namespace vm
