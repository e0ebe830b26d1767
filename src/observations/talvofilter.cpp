// Filter: copies an observation file without the stations that a flag file marks for
// removal. The flag file has four lines of free text, then one line per station: label,
// two numbers that are not used, and a keep flag (1 keeps the station, anything else
// removes it). A station named more than once takes its last flag; a station the flag
// file does not name is kept.
#include <string>
#include <unordered_map>

#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "observations/obs_edit.hpp"
#include "observations/talvo_format.hpp"
#include "shell/choosefile.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Keep flag of every label in the flag file; a later line overrides an earlier one.
std::unordered_map<std::string, int> readKeepFlags(const std::string& name) {
  std::unordered_map<std::string, int> flags;
  FileReader in(name);
  for (int k = 0; k < 4; ++k) in.need("the four lines that open the flag file");
  std::string_view ln;
  while (in.next(ln)) {
    std::string label;
    double ignored1 = 0.0, ignored2 = 0.0;
    int flag = 0;
    if (!readLine(ln, &in, "a station label, two numbers and a keep flag", label, ignored1, ignored2, flag))
      in.fail("a slash ends the line before the station label, two numbers and the keep flag are all read");
    flags[std::string(rtrim(cut(label, kObsLineWidth)))] = flag;
  }
  return flags;
}

}  // namespace

void talvofilter(Console& con, const std::string& os) {
  con.say("Enter the name of the TALVO file");
  const std::string input = choosefile(con, kTalvo, os);
  con.say("Enter the name of the flag file");
  const std::string flagName = choosefile(con, kTxt, os);
  const std::string output = derivedOutput(baseName(input) + ".F.TALVO", {&input, &flagName});

  const std::unordered_map<std::string, int> flags = readKeepFlags(flagName);

  FileReader in(input);
  OutFile out(output);
  for (const std::string& h : readObsHeader(in)) out.line(FreeLine().t(rtrim(h)).str());

  std::string_view ln;
  if (!in.next(ln)) {  // no stations
    out.close();
    return;
  }
  // The line buffer holds 120 characters. The first station header keeps its alignment;
  // every later line is shifted left first.
  std::string buffer;
  auto load = [&buffer](std::string_view s) {
    buffer.assign(cut(s, kObsLineWidth));
    buffer.resize(kObsLineWidth, ' ');
  };
  load(ln);
  for (;;) {
    // A station header: its first word is the label; a blank line has an empty one.
    const auto it = flags.find(std::string(rtrim(firstWord(buffer))));
    const bool keep = it == flags.end() || it->second == 1;
    do {
      if (keep) {
        out.put(" ");
        out.line(buffer);
      }
      if (!in.next(ln)) {
        out.close();
        return;
      }
      load(shiftedLine(ln));
    } while (buffer[0] == '2');
  }
}

}  // namespace vm
