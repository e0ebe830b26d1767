// Station list: the station header lines of an observation file, counted, into a
// ".Stations" file that the station tools take as their list of stations.
#include <string>

#include "core/error.hpp"
#include "core/files.hpp"
#include "core/lines.hpp"
#include "core/text.hpp"
#include "observations/talvo_format.hpp"
#include "shell/choosefile.hpp"
#include "tools.hpp"

namespace vm {

namespace {

const char* const kTempFile = ".tempfile";

// "x.TALVO" becomes "x.Stations"; any other name gets ".Stations" appended.
std::string stationListName(const std::string& input) {
  std::string out;
  if (input.size() >= 5 && input.compare(input.size() - 5, 5, "TALVO") == 0)
    out = input.substr(0, input.size() - 5) + "Stations";
  else
    out = input + ".Stations";
  return std::string(cut(out, 120));
}

}  // namespace

void talvolist(Console& con, const std::string& os) {
  con.say("Enter the name of the input watlev file");
  const std::string input = choosefile(con, kTalvo, os);
  const std::string output = stationListName(input);
  if (sameFile(input, kTempFile))
    fail("the input file " + input + " must not be the scratch file " + kTempFile + ", which this tool writes");

  long count = 0;
  {
    FileReader in(input);
    readObsHeader(in);
    OutFile temp(kTempFile);
    std::string_view ln;
    while (in.next(ln)) {
      if (isDataLine(ln)) continue;
      std::string s(" ");
      s += rtrim(cut(ln, kObsLineWidth));
      temp.line(s);
      ++count;
    }
    temp.close();
  }

  FileReader temp(kTempFile);
  OutFile out(output);
  out.line(FreeLine().i(count).str());
  for (long k = 0; k < count; ++k) out.line(rtrim(cut(temp.need("a station line"), 1000)));
  out.close();
}

}  // namespace vm
