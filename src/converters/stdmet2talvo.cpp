#include "tools.hpp"

namespace vm {

void stdmet2talvo(Console& con) { (void)con; }

}  // namespace vm
