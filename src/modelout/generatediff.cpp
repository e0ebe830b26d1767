// Difference of two max files, node line by node line: file 1 minus file 2, a dry node
// counting as zero unless both are dry.
#include <array>
#include <string>

#include "core/error.hpp"
#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "modelout/maxfile.hpp"
#include "modelout/summaries.hpp"
#include "modelout/timeseries.hpp"
#include "tools.hpp"

namespace vm {

namespace {

const char* const kStars = "************************************************";

// Lines 1 to 3 of a max file, each cut to 120 characters, and the node count (second item
// of line 2).
struct DiffHead {
  std::array<std::string, 3> lines;
  long long nodes = 0;
};

DiffHead readHead(LineSource& in) {
  DiffHead h;
  h.lines[0] = std::string(cut(in.need("the run description (line 1)"), 120));
  h.lines[1] = std::string(cut(in.need("the header line (line 2)"), 120));
  std::string first;
  readLine(h.lines[1], &in, "the snap count and the node count (line 2)", first, h.nodes);
  h.lines[2] = std::string(cut(in.need("the snap header (line 3)"), 120));
  return h;
}

}  // namespace

void generatediff(Console& con, const std::string& /*os*/) {
  con.empty();
  con.say(kStars);
  con.say("   This Program will Subtract File2 from File1");
  con.say(kStars);
  const std::string name1 = askLine(con, "Enter Filename 1: ", 120);
  const std::string name2 = askLine(con, "Enter Filename 2: ", 120);
  const std::string outName =
      askOutputName(con, [&] { return askLine(con, "Enter Output File: ", 120); }, {name1, name2});

  MaxFileReader in1(name1), in2(name2);
  const DiffHead h1 = readHead(in1.head()), h2 = readHead(in2.head());
  if (h1.nodes != h2.nodes)
    fail(name1 + " has " + std::to_string(h1.nodes) + " nodes and " + name2 + " has " + std::to_string(h2.nodes) +
         " (line 2): the files cannot be subtracted");

  OutFile out(outName);
  for (const std::string& l : h1.lines) out.line(pad(l, 120));
  con.say(pad(h1.lines[2], 120));

  std::string s;
  long long n1 = 0, n2 = 0;
  double a = 0.0, b = 0.0;
  while (in1.next(n1, a)) {
    in2.need(n2, b, "as many node lines as file 1");
    double d;
    if (a == kDryValue) d = b == kDryValue ? kDryValue : 0.0 - b;
    else d = b == kDryValue ? a : a - b;
    putI(s, n2, 10);
    putE(s, d, 22, 10);
    out.line(s);
    s.clear();
  }
  out.close();
}

}  // namespace vm
