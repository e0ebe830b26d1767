// The model's time-series files.
//
// Global files ("fort.63", "fort.64", max files): line 1 a run description; line 2 the
// snap count, node count, time increment, output step, record type and one text word;
// then per snap a header line and node lines "node value" (record type 1) or
// "node east north" (record type 2). A snap header in full form holds the time and the
// iteration, and every node has a line; in sparse form it also holds the number of node
// lines that follow and the value of every node without a line.
//
// Station files ("fort.61", "fort.62") as the station extraction writes them: the line
// "Interpolated values at stations"; "(5I11,1x,A50)" with snaps, stations, output step
// twice, record type and the text word; then per snap a free-format header line (time,
// iteration) and one "(I10,5X,nE24.10)" line per station.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/files.hpp"
#include "core/lines.hpp"

namespace vm {

// The model's marker of a dry or undefined node value.
inline constexpr double kDryValue = -99999.0;

class NcSeries;

// Line 2 of a global file (and line 1, as read).
struct GlobalHeader {
  std::string description;  // line 1, cut to the reader's line width
  int snaps = 0;            // snaps announced
  int nodes = 0;            // node count of the file (the mesh decides the arrays)
  double increment = 0.0;   // time between snaps
  int outputStep = 0;       // model steps between snaps
  int recordType = 0;       // 1: one value per node line, 2: two
  std::string word;         // first word after the five numbers, cut to the reader's word width
};

// One snap header line, interpreted.
struct SnapHeader {
  double time = 0.0;
  int iteration = 0;
  int count = 0;            // node lines that follow
  double fill = kDryValue;  // value of every node without a line in this snap
  bool sparse = false;
};

// Streams a global file snap by snap; memory does not depend on the number of snaps.
//
//   GlobalReader g(path, opts);           // reads lines 1 and 2
//   SnapHeader h;
//   while (g.nextSnap(h)) {               // at most header().snaps snaps
//     fill my arrays with h.fill;
//     if (!g.readNodes([&](int node, const double* v) { ... })) break;  // cut-off snap
//   }
//
// Lenient mode (the default): the series also ends, without an error, at a snap header
// that cannot be read (end of file, or no time and iteration on it) and at a node line
// that cannot be read (end of file, or not numbers); readNodes then returns false.
// Strict mode: only the end of the file met at a snap header ends the series; anything
// else unreadable is a fatal error.
// Node numbers outside 1..np are a fatal error naming the file and line (unless
// checkNodes is off, for tools that only read node numbers past).
//
// A NetCDF file (known by its first bytes) is read through the same calls: its head is
// taken from its attributes and dimensions (see timeseries_netcdf.hpp), every snap is
// read whole (full form, default the dry value), and readNodes hands over the nodes that
// are not dry in every component, as a sparse snap lists the wet nodes: what a tool makes
// of a full snap is the same. Its node count must be the mesh's.
class GlobalReader {
 public:
  enum class SnapHeaderRule {
    CountAndFill,  // sparse form needs four items (count and default value); otherwise full form
    Count,         // sparse form needs three items (the count); the default stays the dry value
    CountOnly,     // every header must hold time, iteration and count (no full form)
  };
  static constexpr int kByRecordType = -1;   // two values for record type 2, one otherwise
  static constexpr int kRecordTypeCount = -2; // as many values as the record type says
  struct Options {
    size_t lineWidth = 500;  // line 2 and the snap headers are read as text cut at this width
    size_t wordWidth = 50;   // characters of the text word kept
    int np = -1;             // mesh node count: full-form line count and node range; -1: line 2's count
    SnapHeaderRule rule = SnapHeaderRule::CountAndFill;
    bool strict = false;
    bool checkNodes = true;
    // Values taken from each node line (0 to 64), or one of the two rules below.
    int valuesPerLine = kByRecordType;
    bool readHeaderItems = true;  // false: only line 2's snap count is needed (no six-item read)
  };

  GlobalReader(const std::string& path, const Options& opt);
  ~GlobalReader();
  GlobalReader(const GlobalReader&) = delete;
  GlobalReader& operator=(const GlobalReader&) = delete;

  const GlobalHeader& header() const { return header_; }
  int np() const { return np_; }
  int valuesPerLine() const { return nv_; }
  // Snaps whose header has been read so far.
  int snapsRead() const { return snapsRead_; }

  // The next snap's header; false when the series ends (all announced snaps read, end of
  // file, or an unreadable header in lenient mode).
  bool nextSnap(SnapHeader& h);

  // The current snap's node lines, each handed to f(node, values) with node in 1..np (when
  // checked) and values[0..valuesPerLine()-1]. False when a line could not be read (lenient
  // mode); the series is then over.
  template <class F>
  bool readNodes(F&& f) {
    if (nc_) {
      if (pending_ > 0) ncNodes(f);
      pending_ = 0;
      return true;
    }
    for (int k = 0; k < pending_; ++k) {
      int node;
      if (!nodeLine(node)) {
        pending_ = 0;
        over_ = true;
        return false;
      }
      f(node, static_cast<const double*>(values_.data()));
    }
    pending_ = 0;
    return true;
  }

 private:
  bool nodeLine(int& node);
  bool nodeLineSlow(std::string_view line, long long& node);
  [[noreturn]] void badNode(long long node) const;
  void readTextHead(const std::string& path);
  void openNetcdf(const std::string& path);
  bool nextNetcdfSnap(SnapHeader& h);

  // The nodes of the NetCDF snap just read that are not dry in every component.
  template <class F>
  void ncNodes(F& f) {
    const double* a = ncValues_.data();
    const double* b = ncComps_ > 1 ? a + ncPoints_ : nullptr;
    double* v = values_.data();
    const int n = static_cast<int>(ncPoints_);
    if (!b) {
      for (int i = 0; i < n; ++i)
        if (a[i] != kDryValue) {
          v[0] = a[i];
          f(i + 1, static_cast<const double*>(v));
        }
    } else {
      const bool second = nv_ > 1;
      for (int i = 0; i < n; ++i)
        if (a[i] != kDryValue || b[i] != kDryValue) {
          v[0] = a[i];
          if (second) v[1] = b[i];
          f(i + 1, static_cast<const double*>(v));
        }
    }
  }

  std::unique_ptr<FileReader> in_;  // the text form
  std::unique_ptr<NcSeries> nc_;    // the NetCDF form
  std::vector<double> ncValues_;    // the snap read, component after component
  size_t ncPoints_ = 0;
  int ncComps_ = 0;
  Options opt_;
  GlobalHeader header_;
  int np_ = 0;
  int nv_ = 1;
  int snapsRead_ = 0;
  int pending_ = 0;  // node lines of the current snap not yet read
  bool over_ = false;
  std::vector<double> values_;
};

// Parses one node line "node v1 .. vn" of plain numbers separated by blanks. False when
// the line is anything else (commas, slashes, quotes, D exponents, too few items): the
// caller then reads it by the general free-format rules.
bool parseNodeLineFast(std::string_view line, long long& node, double* values, int n);

// Writes a station time-series file.
class StationSeriesWriter {
 public:
  explicit StationSeriesWriter(const std::string& path) : out_(path) {}
  void header(int snaps, int stations, int outputStep, int recordType, std::string_view word);
  void snap(double time, int iteration);
  void value(int station, double v);             // (I10,5X,1E24.10)
  void value(int station, double v, double w);   // (I10,5X,2E24.10)
  void close() { out_.close(); }
  const std::string& name() const { return out_.name(); }

 private:
  OutFile out_;
  std::string line_;
};

// Reads a station time-series file back, snap by snap.
//
// Line 1 is skipped; line 2 is read free-format as the snap count, the station count,
// two numbers that are not used (any numbers: the model writes a real time increment
// there) and the record type. Per snap the header's first item is the time; then one
// line per station with its number and one value, or two when the record type is 2.
// A snap header or station line that cannot be read ends the series (no error).
//
// A NetCDF station file (known by its first bytes) is read through the same calls, its
// counts and record type taken from its dimensions and its one or two data variables over
// (time, station), one snap in memory at a time.
class StationSeriesReader {
 public:
  explicit StationSeriesReader(const std::string& path);
  ~StationSeriesReader();
  int snaps() const { return snaps_; }
  int stations() const { return stations_; }
  int recordType() const { return recordType_; }
  int valuesPerLine() const { return recordType_ == 2 ? 2 : 1; }

  // The next snap's time; false at the end of the file or an unreadable header.
  bool nextSnap(double& time);
  // The next station line's values (w is left alone for one-value files); false when it
  // cannot be read.
  bool station(double& v, double& w);

 private:
  std::unique_ptr<FileReader> in_;
  std::unique_ptr<NcSeries> nc_;
  std::vector<double> ncValues_;
  size_t ncSnap_ = 0, ncStation_ = 0;
  int snaps_ = 0, stations_ = 0, recordType_ = 1;
};

}  // namespace vm
