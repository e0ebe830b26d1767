// High-water marks: for every station of a water-level observation file, the data line
// with the largest value.
#include <string>
#include <vector>

#include "core/error.hpp"
#include "core/files.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "observations/talvo_format.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Number of time columns named by a caption line: "sec" in columns 28-30 gives 6, else
// "min" in columns 24-26 gives 5, else "hour" in columns 19-22 gives 4, else 3. The
// caption is first given exactly one leading blank, as the free-format writers lay it out.
int timeColumns(std::string_view caption) {
  std::string c = " ";
  c += ltrim(caption);
  if (columns(c, 28, 3) == "sec") return 6;
  if (columns(c, 24, 3) == "min") return 5;
  if (columns(c, 19, 4) == "hour") return 4;
  return 3;
}

std::string recordLine(const std::vector<std::string>& fields, double maximum) {
  FreeLine l;
  for (const std::string& f : fields) l.t(f + "    ");
  l.d(maximum);
  return l.str();
}

std::string asRead(std::string_view line) {
  std::string s(" ");
  s += rtrim(cut(line, kObsLineWidth));
  return s;
}

}  // namespace

void wl2hwm(Console& con, const std::string& /*os*/) {
  std::string input, output;
  con.say("Enter the name of the input watlev file");
  con.read("the input file name", input);
  for (;;) {
    con.say("Enter the name of the output hwm file");
    con.read("the output file name", output);
    if (!sameFile(input, output)) break;
    con.say("The output file must not be the input file.");
  }
  con.empty();

  FileReader in(input);
  OutFile out(output);
  in.need("the kind line (header line 1)");
  out.line(" % TALVO generic format - Water Level");

  const int n = timeColumns(cut(in.need("the caption line (header line 2)"), kObsLineWidth));
  FreeLine caption;
  caption.t("% ").t("year ").t("month ").t("day ");
  if (n >= 4) caption.t("hour ");
  if (n >= 5) caption.t("min ");
  if (n == 6) caption.t("sec ");
  caption.t("hwm (m)");
  out.line(caption.str());
  out.line(asRead(in.need("the source line (header line 3)")));

  std::string_view ln;
  if (!in.next(ln)) return;  // no stations
  out.line(asRead(ln));

  std::vector<std::string> kept(static_cast<size_t>(n)), fields(static_cast<size_t>(n));
  double maximum = -999.0;
  while (in.next(ln)) {
    if (isDataLine(ln)) {
      ListScanner s(ln, &in, "the date fields and the water level");
      double v = 0.0;
      for (std::string& f : fields) s.get(f);
      s.get(v);
      if (v > maximum) {
        maximum = v;
        kept = fields;
      }
    } else {
      out.line(recordLine(kept, maximum));
      out.line(asRead(ln));
      maximum = -999.0;
      for (std::string& f : kept) f.clear();
    }
  }
  out.line(recordLine(kept, maximum));
  out.close();
}

}  // namespace vm
