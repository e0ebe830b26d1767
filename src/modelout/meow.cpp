// Maximum envelope of water: for every node, the largest value over several max files
// (node lines matched by position), written as one max file.
#include <string>
#include <vector>

#include "core/counts.hpp"
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

constexpr size_t kNameWidth = 60;

std::string askName(Console& con, std::string_view question, std::string_view what) {
  con.say(question);
  std::string name;
  con.read(what, name);
  return std::string(rtrim(cut(name, kNameWidth)));
}

// The head of a max file as the envelope reads it: the first word of line 1, five items
// of line 2 and two of line 3, each read on the file (continuing onto later lines when a
// line holds too few items).
struct MaxHead {
  std::string word;
  int snaps = 0, np = 0, outputStep = 0, recordType = 0, iteration = 0;
  double increment = 0.0, time = 0.0;
};

}  // namespace

void meow(Console& con, const std::string& /*os*/) {
  con.empty();
  con.say("Maximum Envelope of Water (MEOW) Compiler Program");
  con.empty();
  std::string output = askName(con, "Enter the name of the MEOW Output File: ", "the output file name");
  const std::string listName = askName(con, "Enter the name of the MEOW Input File List: ", "the list file name");
  int count = 0;
  for (;;) {
    con.say("Enter the number of Files in the Input File List: ");
    con.read("the number of files (an integer)", count);
    if (count >= 1) break;
    con.say("The number of files must be 1 or more.");
  }

  // The names are taken from the list before the output is created, so that an output
  // name that names one of the inputs can be refused while nothing is truncated yet.
  std::vector<std::string> names;
  {
    FileReader list(listName);
    for (int i = 1; i <= count; ++i) {
      std::string name;
      readList(list, "a file name (one per line of the list)", name);
      names.emplace_back(rtrim(cut(name, kNameWidth)));
    }
  }
  std::vector<std::string> inputs = names;
  inputs.push_back(listName);
  while (namesAnyOf(output, inputs)) {
    con.say("The output file must not be one of the input files.");
    output = askName(con, "Enter the name of the MEOW Output File: ", "the output file name");
  }
  OutFile out(output);

  std::vector<double> z;
  for (int i = 1; i <= count; ++i) {
    const std::string& name = names[static_cast<size_t>(i - 1)];
    con.say(FreeLine().i(i).i(count).t(pad(name, kNameWidth)));
    MaxFileReader file(name);
    LineSource& in = file.head();
    MaxHead h;
    readList(in, "the first word of the run description (line 1)", h.word);
    h.word = std::string(cut(h.word, kNameWidth));
    readList(in, "snap count, node count, time increment, output step and record type (line 2)", h.snaps, h.np,
             h.increment, h.outputStep, h.recordType);
    if (i == 1) {
      if (h.np < 0) file.fail("expected a node count of 0 or more, found " + std::to_string(h.np));
      z.reserve(reserveAhead(h.np));  // the envelope grows with the first file's node lines
    } else if (static_cast<size_t>(h.np) != z.size() || h.np < 0) {
      file.fail("the node count " + std::to_string(h.np) + " differs from the first file's " +
              std::to_string(z.size()));
    }
    readList(in, "the time and the iteration (line 3)", h.time, h.iteration);
    if (i == 1) {
      out.line(FreeLine().t(pad(h.word, kNameWidth)).str());
      out.line(FreeLine().i(h.snaps).i(h.np).d(h.increment).i(h.outputStep).i(h.recordType).str());
      out.line(FreeLine().d(h.time).i(h.iteration).str());
    }
    con.say(FreeLine().t("Reading the file:  ").t(pad(h.word, kNameWidth)));

    long long node = 0;
    double v = kDryValue;  // a slash on a line leaves the value of the line before
    if (i == 1) {
      for (int j = 0; j < h.np; ++j) {
        file.need(node, v, "a node line (node number and value)");
        z.push_back(v > kDryValue ? v : kDryValue);  // as the later files: the larger value wins
      }
    } else {
      for (double& e : z) {
        file.need(node, v, "a node line (node number and value)");
        if (v > e) e = v;
      }
    }
  }

  std::string s;
  for (size_t j = 0; j < z.size(); ++j) {
    putI(s, static_cast<long long>(j + 1), 10);
    putE(s, z[j], 22, 10);
    out.line(s);
    s.clear();
  }
  out.close();
}

}  // namespace vm
