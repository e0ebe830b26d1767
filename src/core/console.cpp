#include "core/console.hpp"

#include "core/text.hpp"

namespace vm {

long long Console::readField10(std::string_view promptText) {
  for (;;) {
    out_.flush();
    std::string_view ln = input_.need("a number");
    long long v;
    if (fieldIntOk(cut(ln, 10), v) && v >= -2147483648LL && v <= 2147483647LL) return v;
    prompt(promptText);
  }
}

}  // namespace vm
