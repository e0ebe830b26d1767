// Pieces shared by the tools that summarise model output (wet/dry extent, min-max,
// envelopes, max and difference files, the wave-refraction attribute).
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/console.hpp"
#include "core/lines.hpp"
#include "modelout/timeseries.hpp"

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

// How the min-max and max-file tools read a global file: line 2 and the snap headers cut
// at 120 characters, a text word of up to 120, as many values per node line as the record
// type says, and the mesh's node count for full snaps and node numbers.
GlobalReader::Options wholeSeriesOptions(int np, GlobalReader::SnapHeaderRule rule);

// Walks the remaining snaps of a global file up to the count of its line 2, writing the
// progress line before each snap is read and handing every node line to f(node, values).
// True when every announced snap was read whole; false when the series ended early.
template <class F>
bool forEachSnap(Console& con, GlobalReader& g, F&& f);

// --- implementation

template <class F>
bool forEachSnap(Console& con, GlobalReader& g, F&& f) {
  const int snaps = g.header().snaps;
  SnapHeader h;
  for (int j = 1; j <= snaps; ++j) {
    snapProgress(con, j, snaps);
    if (!g.nextSnap(h) || !g.readNodes(f)) return false;
  }
  return true;
}

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
