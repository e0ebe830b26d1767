// Placeholder until this tool is built: delete this file when the tool lands.
#include "pending/pending.hpp"

namespace vm {

void talvo61(Console& con, const std::string&, int, StartDate&, std::string&, std::string&, int&, std::string&) { notAvailable(con); }

}  // namespace vm
