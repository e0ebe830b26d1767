// Placeholder until this tool is built: delete this file when the tool lands.
#include "pending/pending.hpp"

namespace vm {

void tsextract(Console& con, const std::string&, int, std::string&, std::string&, std::string&, std::string&, std::string&) { notAvailable(con); }

}  // namespace vm
