#include "observations/talvo_format.hpp"

#include "core/fmt.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"

namespace vm {

std::array<std::string, 3> readObsHeader(LineSource& in) {
  std::array<std::string, 3> h;
  static const char* const what[3] = {"the kind line (header line 1)", "the caption line (header line 2)",
                                      "the source line (header line 3)"};
  for (int k = 0; k < 3; ++k) h[static_cast<size_t>(k)] = std::string(cut(in.need(what[k]), kObsLineWidth));
  return h;
}

StationHeader parseStationHeader(std::string_view line, const LineSource* where) {
  StationHeader h;
  readLine(line, where, "station label, latitude and longitude", h.label, h.lat, h.lon);
  return h;
}

ObsRecord parseDataLine(std::string_view line, const LineSource* where) {
  ObsRecord r;
  readLine(line, where, "year, month, day, hour, minute, second and value", r.year, r.month, r.day, r.hour,
           r.minute, r.second, r.value);
  return r;
}

std::string stationHeaderLine(std::string_view label, double lat, double lon) {
  return FreeLine().t(label).d(lat).d(lon).str();
}

void putDate6(std::string& out, const ObsRecord& r) {
  putI(out, r.year, 7);
  putI(out, r.month, 7);
  putI(out, r.day, 7);
  putI(out, r.hour, 7);
  putI(out, r.minute, 7);
  putI(out, r.second, 7);
}

std::string dataLine(const ObsRecord& r) {
  std::string s;
  putDate6(s, r);
  putF(s, r.value, 14, 4);
  return s;
}

std::string dataLineMissing10(const ObsRecord& r) {
  std::string s;
  putDate6(s, r);
  putI(s, -999, 10);
  return s;
}

std::string dataLineMissing14(const ObsRecord& r) {
  std::string s;
  putDate6(s, r);
  putI(s, -999, 14);
  return s;
}

}  // namespace vm
