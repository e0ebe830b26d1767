#include "tools.hpp"

namespace vm {

void nwis2talvo(Console& con) { (void)con; }

}  // namespace vm
