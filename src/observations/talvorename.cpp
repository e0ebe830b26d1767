// Numbering: gives every station a new label made of its network prefix (the part of the
// old label before its first underscore) and a running number from 10001 upwards, and
// writes a table from new labels to old ones.
#include <string>

#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/text.hpp"
#include "observations/obs_edit.hpp"
#include "observations/talvo_format.hpp"
#include "shell/choosefile.hpp"
#include "tools.hpp"

namespace vm {

void talvorename(Console& con, const std::string& os) {
  con.say("Enter the name of the TALVO file");
  const std::string input = choosefile(con, kTalvo, os);
  const std::string base = baseName(input);
  const std::string numbered = derivedOutput(base + ".N.TALVO", {&input});
  const std::string table = derivedOutput(base + ".N", {&input});

  FileReader in(input);
  OutFile out(numbered);
  OutFile labels(table);
  for (const std::string& h : readObsHeader(in)) out.line(FreeLine().t(rtrim(h)).str());

  std::string_view ln;
  bool more = in.next(ln);  // a file of three header lines has no stations
  long long counter = 10000;
  std::string text;
  while (more) {
    ++counter;
    const StationHeader h = parseStationHeader(cut(ln, kObsLineWidth), &in);
    const std::string oldLabel(cut(h.label, kObsLineWidth));
    const size_t underscore = oldLabel.find('_');
    const std::string prefix = underscore == std::string::npos ? std::string() : oldLabel.substr(0, underscore);
    const std::string newLabel = prefix + std::to_string(counter);
    out.line(stationHeaderLine(newLabel, h.lat, h.lon));
    labels.line(FreeLine().t(newLabel).t("   ").t(rtrim(oldLabel)).str());

    while ((more = in.next(ln))) {
      const std::string_view s = shiftedLine(ln);
      if (s.empty() || s[0] != '2') {
        ln = s;
        break;
      }
      text.clear();
      text += ' ';
      text += rtrim(s);
      out.line(text);
    }
  }
  out.close();
  labels.close();
}

}  // namespace vm
