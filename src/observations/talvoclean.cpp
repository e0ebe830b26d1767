// Cleaner: replaces by the missing marker -999 the values of the data lines that a flag
// file names by station and date. A station's flags are matched in order against its data
// lines: a line whose date equals the current flag is cleaned and the next flag becomes
// current; a flag that no following line matches lets the rest of the station pass.
#include <string>
#include <vector>

#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/text.hpp"
#include "observations/clean_flags.hpp"
#include "observations/obs_edit.hpp"
#include "observations/talvo_format.hpp"
#include "shell/choosefile.hpp"
#include "tools.hpp"

namespace vm {

void talvoclean(Console& con, const std::string& os) {
  con.say("This program will clean an TALVOfile");
  con.empty();
  con.say("Enter the name of the TALVO file to clean");
  const std::string input = choosefile(con, kTalvo, os);
  con.say("Enter the name of the TALVO flag file");
  const std::string flagName = choosefile(con, kTxt, os);
  const std::string output = derivedOutput(baseName(input) + ".C.TALVO", {&input, &flagName});

  FileReader in(input);
  const EditHeader header = readEditHeader(in);
  const CleanFlags flags = [&flagName] {
    FileReader f(flagName);
    return CleanFlags(f);
  }();

  OutFile out(output);
  writeEditHeader(out, header);

  // Copied lines are left-aligned and padded with blanks to 120 characters.
  const std::string blanks(kObsLineWidth, ' ');
  auto copy = [&out, &blanks](std::string_view s) {
    out.put(s);
    out.line(std::string_view(blanks).substr(s.size()));
  };

  std::vector<Date6> dates;
  std::string_view ln;
  bool more = in.next(ln);  // a file of three header lines has no stations
  while (more) {
    const std::string_view headerLine = cut(ln, kObsLineWidth);
    if (trim(headerLine).empty()) {
      // A blank line where a station header belongs: a station that no flag names.
      copy({});
      dates.clear();
    } else {
      const StationHeader h = parseStationHeader(headerLine, &in);
      const std::string line = stationHeaderLine(rtrim(cut(h.label, kObsLineWidth)), h.lat, h.lon);
      con.line(line);
      out.line(line);
      flags.datesFor(h.label, dates);
    }
    size_t current = 0;  // the flag the next data lines are matched against
    while ((more = in.next(ln))) {
      const std::string_view s = shiftedLine(ln);
      if (s.empty() || s[0] != '2') {
        ln = s;
        break;
      }
      Date6 date;
      if (current < dates.size() && leadingDate(s, date) && date == dates[current]) {
        ++current;
        out.line(dataLineMissing14(recordAt(date.data(), 0.0)));
      } else {
        copy(s);
      }
    }
  }
  out.close();
}

}  // namespace vm
