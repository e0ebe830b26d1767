// The observation file ("TALVO generic format"): three header lines (kind, caption,
// source), then station blocks, each a station header line followed by data lines.
// A line whose first non-blank character is "2" is a data line; any other line, an empty
// one included, is a station header line. Both are read free-format, so left-aligned
// lines read like column-aligned ones.
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "core/lines.hpp"

namespace vm {

// Header lines and whole-line reads are cut at this width.
inline constexpr size_t kObsLineWidth = 120;

inline bool isDataLine(std::string_view line) {
  for (char c : line) {
    if (c == ' ' || c == '\t') continue;
    return c == '2';
  }
  return false;
}

// The three header lines, each cut to 120 characters. A file that ends before them is
// a fatal error.
std::array<std::string, 3> readObsHeader(LineSource& in);

struct StationHeader {
  std::string label;
  double lat = 0.0;
  double lon = 0.0;
};

// Label, latitude and longitude of a station header line.
StationHeader parseStationHeader(std::string_view line, const LineSource* where);

struct ObsRecord {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  double value = 0.0;
};

// The six date-time integers and the value of a data line.
ObsRecord parseDataLine(std::string_view line, const LineSource* where);

// Writers' layouts.
std::string stationHeaderLine(std::string_view label, double lat, double lon);  // free-format
void putDate6(std::string& out, const ObsRecord& r);                              // "(6i7"
std::string dataLine(const ObsRecord& r);                                         // "(6i7,f14.4)"
std::string dataLineMissing10(const ObsRecord& r);                                // "(6i7,i10)", -999
std::string dataLineMissing14(const ObsRecord& r);                                // "(6i7,i14)", -999

}  // namespace vm
