// Pieces shared by the tools that summarise model output (wet/dry extent, min-max,
// envelopes, max and difference files, the wave-refraction attribute).
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/console.hpp"
#include "core/lines.hpp"

namespace vm {

// The progress line written before each snap is read: "(A,I5,A,I5,A)" with
// "Processing snap #", the snap number, " of ", the snap count and ".".
void snapProgress(Console& con, int snap, int snaps);

// Writes the prompt (the cursor stays on the line) and takes the answer as one line of
// text: its first `width` characters, trailing blanks removed.
std::string askLine(Console& con, std::string_view prompt, size_t width);

// Asks for an output name with `ask` until the name denotes none of `inputs`; a refused
// name gets one message line before the question is asked again.
template <class Ask>
std::string askOutputName(Console& con, Ask ask, const std::vector<std::string>& inputs);

// A node line of a max file, "node value ...": the node number and the first value. The
// line was taken from `in`; when it holds too few items the read goes on to the following
// lines, as a free-format read on the file does. Items after the value are ignored.
void readNodeValue(LineSource& in, std::string_view line, long long& node, double& value);

// --- implementation

bool namesAnyOf(const std::string& name, const std::vector<std::string>& inputs);

template <class Ask>
std::string askOutputName(Console& con, Ask ask, const std::vector<std::string>& inputs) {
  for (;;) {
    std::string name = ask();
    if (!namesAnyOf(name, inputs)) return name;
    con.say("The output file must not be one of the input files.");
  }
}

}  // namespace vm
