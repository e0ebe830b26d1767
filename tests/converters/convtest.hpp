// Helpers shared by the converter tests: raw files assembled from lines, and the
// reference outputs kept under tests/data/converters.
#pragma once
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/error.hpp"
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

// n numbered lines that a converter skips.
inline std::string filler(int n) {
  std::string s;
  for (int k = 1; k <= n; ++k) s += "# skipped " + std::to_string(k) + "\n";
  return s;
}

// The message of the fatal stop that `run` ends in ("" when it completes).
inline std::string stopMessage(const std::function<void()>& run) {
  try {
    run();
  } catch (const vm::Failure& f) {
    return f.what();
  }
  return "";
}

}  // namespace vmtest
