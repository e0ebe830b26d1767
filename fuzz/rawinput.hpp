// What the converter targets share: the fuzzed input split at form feeds into a station
// list and raw files with fixed names, and a guard that keeps a list from naming files
// outside the scratch folder.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz.hpp"

namespace fuzz {

// Only a quoted name can hold a slash (an unquoted text item ends at one), so a list in
// which a slash follows a quotation mark could name any file: /dev/zero, /dev/stdin, or a
// file of another program. Such inputs are passed over.
inline bool staysInScratch(std::string_view list) {
  const size_t q = list.find_first_of("'\"");
  return q == std::string_view::npos || list.find('/', q) == std::string_view::npos;
}

// The name of raw file k (0-based): "a", "b", ...
inline std::string rawName(std::size_t k) { return std::string(1, static_cast<char>('a' + k)); }

// Splits the input into the station list ("list") and `raw` raw files ("a", "b", ...) and
// writes them. False, with nothing written, when the list could leave the scratch folder.
inline bool putListAndRaw(const std::uint8_t* data, std::size_t size, std::size_t raw) {
  const std::vector<std::string> p = parts(data, size, raw + 1);
  if (!staysInScratch(p[0])) return false;
  put("list", p[0]);
  for (std::size_t k = 0; k < raw; ++k) put(rawName(k), p[k + 1]);
  return true;
}

}  // namespace fuzz
