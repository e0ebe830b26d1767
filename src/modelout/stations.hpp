// Station files (".Stations"): line 1 the number of stations N (read free-format from the
// file), then one line per station: ID, latitude, longitude, and optionally a preferred
// node and a minimum depth. Each station line is read as text (500 characters) and taken
// apart free-format; a fourth or fifth item that cannot be read is simply absent.
#pragma once
#include <string>
#include <vector>

namespace vm {

inline constexpr double kNoMinimumDepth = -999.0;

struct StationRecord {
  std::string id;   // up to 120 characters
  double lat = 0.0;
  double lon = 0.0;
  int usenode = 0;                   // 0: none
  double usedepth = kNoMinimumDepth;  // -999.0: none
};

std::vector<StationRecord> readStationFile(const std::string& path);

}  // namespace vm
