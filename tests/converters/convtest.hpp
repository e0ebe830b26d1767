// Helpers shared by the converter tests: raw files assembled from lines, and the
// reference outputs kept under tests/data/converters.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "support/tooltest.hpp"

namespace vmtest {

// The lines, each ended by a line feed.
inline std::string text(std::initializer_list<std::string_view> lines) {
  std::string s;
  for (std::string_view l : lines) {
    s += l;
    s += '\n';
  }
  return s;
}

// A reference output written by the Fortran programs beside it.
inline std::string reference(const std::string& name) { return readFile(testData("converters/" + name)); }

// The lines of a file from line `first` (1-based) on.
inline std::string linesFrom(const std::string& content, int first) {
  size_t pos = 0;
  for (int k = 1; k < first && pos != std::string::npos; ++k) {
    pos = content.find('\n', pos);
    if (pos != std::string::npos) ++pos;
  }
  return pos == std::string::npos ? std::string() : content.substr(pos);
}

// The first n lines of a file.
inline std::string firstLines(const std::string& content, int n) {
  return content.substr(0, content.size() - linesFrom(content, n + 1).size());
}

}  // namespace vmtest
