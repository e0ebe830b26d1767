// Re-ordering the result file of an external tidal model into an extract file: per
// constituent of the toolkit's order, one line of amplitude and phase per station.
#pragma once
#include <string_view>
#include <vector>

#include "core/console.hpp"

namespace vm {

struct ExtractConstituent {
  std::string_view name;  // as written, trailing blanks removed
  int input;              // 1-based position of the constituent in each station's block
};

struct TidalResultLayout {
  std::string_view source;   // "OSU", "FES2004": the prompt names the file after it
  int headerLines;           // lines skipped at the start of the file
  int stationLines;          // lines skipped at the start of every station block
  bool withPosition;         // lines carry latitude, longitude and two texts before the values
  std::vector<ExtractConstituent> order;
  std::string_view lineFormat;  // amplitude, phase, constituent, station
};

void extractTidalResults(Console& con, const TidalResultLayout& layout);

}  // namespace vm
