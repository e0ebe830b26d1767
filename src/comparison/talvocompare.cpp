#include "tools.hpp"

namespace vm {

void talvocompare(Console& con, const std::string& os) {
  (void)con;
  (void)os;
}

}  // namespace vm
