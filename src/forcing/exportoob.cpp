// Open-boundary coordinates for the external tidal model driver: a location file with the
// run's start date, time step and length on every line, and a plain points file.
#include <array>
#include <string>
#include <vector>

#include "core/error.hpp"
#include "core/files.hpp"
#include "core/fmt.hpp"
#include "forcing/dialogue.hpp"
#include "forcing/open_boundary.hpp"
#include "tools.hpp"

namespace vm {

namespace {

const char* const kLocationFile = "tides.OSU";
constexpr int kStepMinutes = 30;

using DateTime = std::array<int, 6>;  // year, month, day, hour, minute, second

DateTime askDate(Console& con, std::string_view which) {
  con.empty();
  con.say("Enter the " + std::string(which) + " DateTime (Year Month Day Hour Min Second)");
  con.say("YYYY MM DD HH MM SS");
  DateTime d{};
  con.read("six integers: year month day hour minute second", d[0], d[1], d[2], d[3], d[4], d[5]);
  return d;
}

// Day of the year counted without leap days; a month outside 1..12 adds nothing.
int dayOfYearNoLeap(int month, int day) {
  static const int before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  return day + (month >= 1 && month <= 12 ? before[month - 1] : 0);
}

// Seconds from start to end, a year counting 365.25 days while the day of the year never
// counts a leap day. Held in 64 bits so that long spans do not wrap.
long long runLengthSeconds(const std::array<int, 6>& s, const std::array<int, 6>& e) {
  return 31557600LL * (e[0] - s[0]) +
         86400LL * (dayOfYearNoLeap(e[1], e[2]) - dayOfYearNoLeap(s[1], s[2])) + 3600LL * (e[3] - s[3]) +
         60LL * (e[4] - s[4]) + (static_cast<long long>(e[5]) - s[5]);
}

}  // namespace

void exportoob(Console& con, const std::string& /*os*/) {
  banner(con, 58,
         {"This Program Exports Open Boundary Nodal Coordinates",
          "to be used as input for the OSU Tidal Model Driver Program"});
  const std::string mesh = askName(con, "Enter name of grid file", "the grid file name");
  std::string points;
  for (;;) {
    points = askName(con, "Enter name of the output points file", "the points file name");
    if (!sameFile(points, mesh) && !sameFile(points, kLocationFile)) break;
    con.say("The points file must not be the grid file nor " + std::string(kLocationFile) +
            "; enter another name.");
  }
  const DateTime start = askDate(con, "Initial");
  const DateTime end = askDate(con, "Final");
  con.empty();

  if (sameFile(mesh, kLocationFile))
    fail("the grid file must not be named " + std::string(kLocationFile) + ", which this tool writes");
  const long long runLength = runLengthSeconds(start, end);
  const std::vector<BoundaryPoint> pts = readOpenBoundaryPoints(mesh, false);

  OutFile loc(kLocationFile);
  OutFile out(points);
  loc.line("   lat   lon            yy   mm  dd hh mi sec dt(min) TSLength");
  out.line(FreeLine().i(static_cast<long long>(pts.size())).str());
  const Format locLine("(2f10.5,i7,2x,6(i2.2,x),2x,i15)");
  const Format ptLine("(2f10.5)");
  std::string rec;
  for (const BoundaryPoint& p : pts) {
    const double lat = p.y, lon = p.x + 360.0;
    loc.put(locLine.line(lat, lon, start[0], start[1], start[2], start[3], start[4], start[5], kStepMinutes,
                         runLength));
    out.put(ptLine.line(p.x, lat));
  }
  loc.close();
  out.close();
}

}  // namespace vm
