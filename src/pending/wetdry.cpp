// Placeholder until this tool is built: delete this file when the tool lands.
#include "pending/pending.hpp"

namespace vm {

void wetdry(Console& con, const std::string&) { notAvailable(con); }

}  // namespace vm
