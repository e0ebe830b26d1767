// Max files as the envelope and the difference tools read them: head lines, then one
// "node value" line per node, read on over line ends when a line holds too few items.
//
// Input: one byte choosing the tool (and the envelope's file count), then up to three
// parts separated by form feeds: two max files and the envelope's list of file names
// ("a.63" and "b.63" when empty). Lists that name files outside the scratch folder are not
// tried.
#include <string>

#include "fuzz.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(maxfiles) {
  if (size < 1) return;
  const bool envelope = data[0] & 1;
  const int count = (data[0] >> 1) % 4 + 1;
  const auto p = fuzz::parts(data + 1, size - 1, 3);
  if (p[2].find('/') != std::string::npos) return;
  fuzz::put("a.63", p[0]);
  fuzz::put("b.63", p[1]);
  fuzz::put("list", p[2].empty() ? "a.63\nb.63\n" : p[2]);
  if (envelope)
    fuzz::runTool("env.63\nlist\n" + std::to_string(count) + "\n",
                  [](vm::Console& con) { vm::meow(con, "unix"); });
  else
    fuzz::runTool("a.63\nb.63\nd.63\n", [](vm::Console& con) { vm::generatediff(con, "unix"); });
}
