// Merge: the station blocks of several observation files under one new header, whatever
// the headers of the files merged.
#include <string>

#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/text.hpp"
#include "observations/talvo_format.hpp"
#include "shell/choosefile.hpp"
#include "tools.hpp"

namespace vm {

namespace {

struct MergeKind {
  const char* menu;
  const char* kind;
  const char* caption;
};

const MergeKind kKinds[7] = {
    {" 1. watlev (m)", "% TALVO generic format - Water Level", "% year month day hour min sec watlev (m)"},
    {" 2. hs (m)", "% TALVO generic format - Significant Wave Height", "% year month day hour min sec hs (m)"},
    {" 3. dir (deg)", "% TALVO generic format - Mean Wave Direction", "% year month day hour min sec dir (deg)"},
    {" 4. tp (s)", "% TALVO generic format - Peak Period", "% year month day hour min sec tp (s)"},
    {" 5. tm (s)", "% TALVO generic format - Mean Period", "% year month day hour min sec tp (s)"},
    {" 6. hwm (m)", "% TALVO generic format - High Water Mark", "% year month day hour min sec hwm (m)"},
    {" 7. cur (m/s)", "% TALVO generic format - Current Velocity", "% year month day hour min sec cur (m/s)"},
};

// The kind of the merged file. A number outside the menu is asked again: a file without
// its kind and caption lines would be misread by every reader.
const MergeKind& askKind(Console& con) {
  for (;;) {
    con.say("Select format option");
    for (const MergeKind& k : kKinds) con.say(k.menu);
    int option = 0;
    con.read("the format option", option);
    if (option >= 1 && option <= 7) return kKinds[option - 1];
  }
}

// An input file other than the merge file itself, which this run has emptied.
std::string askInput(Console& con, const std::string& os, const std::string& output) {
  for (;;) {
    con.say("Enter the name of the TALVO file");
    std::string input = choosefile(con, kTalvo, os);
    if (!sameFile(input, output)) return input;
    con.say("The merge file cannot also be merged into itself; choose another file.");
  }
}

}  // namespace

void talvomerge(Console& con, const std::string& os) {
  con.say("Note that this Merges files irrespective of Header Differences");
  con.empty();
  const MergeKind& kind = askKind(con);
  con.empty();
  con.say("Enter Source");
  std::string source;
  con.read("the source word", source);
  con.say("Enter Time Zone");
  con.say("Enter Datum");
  con.empty();
  con.say("Enter the name of the mergefile");
  std::string output;
  con.read("the merge file name", output);
  output = std::string(rtrim(cut(output, kObsLineWidth)));

  OutFile out(output);
  out.line(kind.kind);
  out.line(kind.caption);
  std::string sourceLine;
  putA(sourceLine, rtrim(cut(source, kObsLineWidth)), 10);
  putA(sourceLine, "UTC", 10);
  putA(sourceLine, "NAVD88", 10);
  out.line(sourceLine);

  for (;;) {
    const std::string input = askInput(con, os, output);
    {
      FileReader in(input);
      readObsHeader(in);
      std::string_view ln;
      while (in.next(ln)) out.line(rtrim(cut(ln, kObsLineWidth)));
    }
    con.say("Do you Wish to Merge Another File? (Y or N)?");
    std::string answer;
    con.read("the answer (Y or N)", answer);
    if (!answer.empty() && (answer[0] == 'n' || answer[0] == 'N')) break;
  }
  out.close();
}

}  // namespace vm
