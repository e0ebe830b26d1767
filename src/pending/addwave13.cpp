// Placeholder until this tool is built: delete this file when the tool lands.
#include "pending/pending.hpp"

namespace vm {

void addwave13(Console& con) { notAvailable(con); }

}  // namespace vm
