// The menu's reading of answers: choices typed into the 10-column field, non-integer
// answers asked again, option 98, unacceptable numbers, option 99 and the end of input.
// Every answer line that would choose a tool (options 1 to 97) is made a non-integer first,
// so the run stays in the menu: a tool would take the following lines as its own answers
// and could name any file (a path typed at a prompt is used as it stands).
#include <string>
#include <string_view>

#include "core/text.hpp"
#include "fuzz.hpp"
#include "shell/menu.hpp"

namespace {

// True when the menu would read the line as a tool's option number.
bool choosesTool(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  long long v = 0;
  return vm::fieldIntOk(vm::cut(line, 10), v) && v >= 1 && v <= 97;
}

}  // namespace

VM_FUZZ_TARGET(menu) {
  const std::string all = fuzz::text(data, size);
  std::string answers;
  std::string_view rest = all;
  while (!rest.empty()) {
    const size_t nl = rest.find('\n');
    const std::string_view line = rest.substr(0, nl);
    if (choosesTool(line)) answers += 'x';
    answers += line;
    if (nl == std::string_view::npos) break;
    answers += '\n';
    rest.remove_prefix(nl + 1);
  }
  fuzz::runTool(answers, [](vm::Console& c) { vm::runMenu(c); });
}
