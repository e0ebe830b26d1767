// Preferred nodes: a new station file ("...P.Stations") in which the stations named in a
// preferred-node file carry that node number.
#include <string>

#include "modelout/stationedit.hpp"
#include "tools.hpp"

namespace vm {

namespace {

struct PreferredNode {
  std::string name;
  int node = 0;
};

}  // namespace

void listnodes(Console& con, const std::string& os) {
  editStationFile<PreferredNode>(
      con, os, "Enter name of preferred node file: ", "P.Stations",
      [](LineSource& in, std::string_view line, PreferredNode& e) {
        ListScanner s(in, line, "a preferred node entry (station name, node number)");
        s.get(e.name) && s.get(e.node);
      },
      [](FreeLine& l, const PreferredNode* e, double lat, double lon) {
        l.d(lat).d(lon);
        if (e) l.i(e->node);
      });
}

}  // namespace vm
