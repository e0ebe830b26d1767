// Placeholder until this tool is built: delete this file when the tool lands.
#include "pending/pending.hpp"

namespace vm {

void tcoon2talvo(Console& con) { notAvailable(con); }

}  // namespace vm
