// The model's NetCDF global, station and max files, read as the text form's items.
//
// What the text form's head holds is taken from the file:
// - the run description (line 1): the global attributes rundes, runid and agrid, cut or
//   blank-padded to 32, 24 and 24 characters and laid out as two blanks, rundes, two
//   blanks, runid, one blank, agrid; when all three are absent the attribute title; else
//   nothing;
// - the snap count is the length of the dimension time, the node (station) count that of
//   node (station); the time increment is time[2] - time[1] with two snaps or more, time[1]
//   with one, else 0; the output step is the nearest integer of increment / dt where the
//   global attribute dt is present and positive, else 0; the text word is empty;
// - a snap's iteration is the nearest integer of time / dt (0 without dt).
// Every value equal to its variable's fill value, or not a number, is the dry value.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ncfile.hpp"

namespace vm {

// Line 1 of the text form of a NetCDF global, station or max file.
std::string ncRunDescription(const NcFile& f);

// The time axis of a file: snap count, increment, output step and the iteration of a time.
class NcTimeAxis {
 public:
  // `required`: a missing dimension or variable time is an error; otherwise the file has
  // no snaps.
  NcTimeAxis(const NcFile& f, bool required);
  size_t snaps() const { return snaps_; }
  double increment() const { return increment_; }
  int outputStep() const { return outputStep_; }
  // The time of snap k (counted from 0).
  double time(size_t k) const;
  int iteration(double time) const;

 private:
  int nearest(double x, const std::string& what) const;
  const NcFile& f_;
  const NcFile::Var* var_ = nullptr;
  size_t snaps_ = 0;
  double increment_ = 0.0;
  double dt_ = 0.0;  // 0: no dt
  int outputStep_ = 0;
};

// A global (dimension node) or station (dimension station) series: its one or two data
// variables (the only ones with dimensions (time, node) or (time, station), east before
// north), read one snap at a time.
class NcSeries {
 public:
  NcSeries(const std::string& path, const std::string& pointDim);

  const std::string& name() const { return file_.name(); }
  const std::string& description() const { return description_; }
  size_t snaps() const { return axis_.snaps(); }
  size_t points() const { return points_; }
  double increment() const { return axis_.increment(); }
  int outputStep() const { return axis_.outputStep(); }
  int components() const { return static_cast<int>(data_.size()); }

  // Reads snap k (from 0): its time and iteration, and every point's values into
  // `values`, component after component (points() values each).
  void readSnap(size_t k, double& time, int& iteration, std::vector<double>& values) const;

  [[noreturn]] void fail(const std::string& what) const { file_.fail(what); }

 private:
  NcFile file_;
  std::string pointDim_;
  std::string description_;
  NcTimeAxis axis_;
  size_t points_ = 0;
  std::vector<const NcFile::Var*> data_;
};

// A max file: the first variable over (node) or (time, node) other than x, y, depth and
// the time_of_ variables, read at its first snap.
struct NcMax {
  std::string description;
  size_t snaps = 0, nodes = 0;
  double increment = 0.0, time = 0.0;
  int outputStep = 0, iteration = 0;
  std::vector<double> values;
};
NcMax readNcMax(const std::string& path);

// Room for n values; a size that cannot be had is an error naming the file.
void sizeFor(const NcFile& f, std::vector<double>& v, size_t n);

}  // namespace vm
