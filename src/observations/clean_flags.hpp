// The flag file of the cleaner: free text in which a line whose first word is a station
// label introduces that station's flag lines, the lines right after it that start with
// "2" and hold six integers (year, month, day, hour, minute, second). The station's flags
// end at the first following line that does not start with "2"; a line that starts with
// "2" but holds fewer than six integers is passed over. When a label introduces several
// stretches of the file, the first one counts.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/lines.hpp"

namespace vm {

using Date6 = std::array<int, 6>;

// The six date integers that open a line, if it holds at least six integers there.
bool leadingDate(std::string_view line, Date6& date);

class CleanFlags {
 public:
  // Reads the whole flag file (lines cut to 120 characters).
  explicit CleanFlags(LineSource& src);

  // The flag dates of the station with this label, in file order; none when no line of
  // the file starts with the label.
  void datesFor(const std::string& label, std::vector<Date6>& dates) const;

 private:
  struct Line {
    bool flag = false;      // starts with "2"
    bool complete = false;  // and holds the six integers
    Date6 date{};
  };
  std::vector<Line> lines_;
  std::unordered_map<std::string, size_t> firstLine_;  // label -> first line that names it
};

}  // namespace vm
