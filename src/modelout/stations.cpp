#include "modelout/stations.hpp"

#include "core/counts.hpp"
#include "core/error.hpp"
#include "core/lines.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"

namespace vm {

std::vector<StationRecord> readStationFile(const std::string& path) {
  FileReader in(path);
  int n = 0;
  readList(in, "the number of stations (line 1)", n);
  if (n < 0) in.fail("expected a number of stations of 0 or more, found " + std::to_string(n));
  std::vector<StationRecord> st;
  st.reserve(reserveAhead(n));  // grows with the station lines read
  for (int k = 0; k < n; ++k) {
    StationRecord& s = st.emplace_back();
    const std::string_view line = cut(in.need("a station line"), 500);
    readLine(line, &in, "station ID, latitude and longitude", s.id, s.lat, s.lon);
    s.id = std::string(cut(s.id, 120));
    // The optional items: a failed try leaves what it could not read as it was.
    std::string id;
    double lat = 0, lon = 0, depth = kNoMinimumDepth;
    int node = 0;
    try {
      if (!readLine(line, nullptr, "", id, lat, lon, node)) continue;
      s.usenode = node;
      if (readLine(line, nullptr, "", id, lat, lon, node, depth)) s.usedepth = depth;
    } catch (const Failure&) {
    }
  }
  return st;
}

}  // namespace vm
