// Reading a max file (a single-snap global file) node line by node line, in either form.
//
// The text form is read as it stands. A NetCDF max file (known by its first bytes) is
// read as the text file that holds the same: its three head lines are made from the file
// (the run description; the free-format line with snap count, node count, time increment,
// output step and record type 1; the free-format line with the time and iteration of its
// first snap, or 0 and 0), and its node lines are the values of its max variable, nodes
// numbered from 1 (see timeseries_netcdf.hpp).
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/lines.hpp"

namespace vm {

class MaxFileReader {
 public:
  explicit MaxFileReader(const std::string& path);
  ~MaxFileReader();
  MaxFileReader(const MaxFileReader&) = delete;
  MaxFileReader& operator=(const MaxFileReader&) = delete;

  // The head lines, read as text or free form; the node lines come after them.
  LineSource& head() { return *head_; }
  const std::string& name() const { return head_->name(); }

  // The next node line's number and first value; false at the end of the file (blank
  // lines before the end are passed over).
  bool next(long long& node, double& value);
  // The next node line's number and first value; its absence is a fatal error naming
  // what was expected.
  void need(long long& node, double& value, std::string_view expected);

  // A fatal error at the current place of the file.
  [[noreturn]] void fail(std::string_view what) const;

 private:
  std::unique_ptr<LineSource> head_;
  bool netcdf_ = false;
  std::vector<double> values_;
  size_t pos_ = 0;
};

}  // namespace vm
