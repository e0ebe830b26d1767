// New locations: a new station file ("...L.Stations") in which the stations named in a
// relocation file carry the coordinates given there.
#include <string>

#include "modelout/stationedit.hpp"
#include "tools.hpp"

namespace vm {

namespace {

struct Relocation {
  std::string name;
  double lat = 0.0, lon = 0.0;
};

}  // namespace

void relocator(Console& con, const std::string& os) {
  editStationFile<Relocation>(
      con, os, "Enter name of relocation file: ", "L.Stations",
      [](LineSource& in, std::string_view line, Relocation& e) {
        ListScanner s(in, line, "a relocation entry (station name, latitude, longitude)");
        s.get(e.name) && s.get(e.lat) && s.get(e.lon);
      },
      [](FreeLine& l, const Relocation* e, double lat, double lon) {
        if (e) l.d(e->lat).d(e->lon);
        else l.d(lat).d(lon);
      });
}

}  // namespace vm
