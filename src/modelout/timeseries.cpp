#include "modelout/timeseries.hpp"

#include <charconv>
#include <limits>

#include "core/error.hpp"
#include "core/fmt.hpp"
#include "core/listin.hpp"
#include "core/ncfile.hpp"
#include "core/text.hpp"
#include "modelout/timeseries_netcdf.hpp"

namespace vm {

namespace {

constexpr int kMaxValuesPerLine = 64;

inline bool blank(char c) { return c == ' ' || c == '\t'; }

// A count of the NetCDF form as the text form's integer.
int countOf(const NcSeries& nc, size_t n, const char* what) {
  if (n > static_cast<size_t>(std::numeric_limits<int>::max()))
    nc.fail(std::string("has ") + std::to_string(n) + " " + what + ", more than the tools can count");
  return static_cast<int>(n);
}

}  // namespace

bool parseNodeLineFast(std::string_view line, long long& node, double* values, int n) {
  const char* p = line.data();
  const char* const e = p + line.size();
  auto token = [&](const char*& b, const char*& te) {
    while (p < e && blank(*p)) ++p;
    if (p == e) return false;
    b = p;
    while (p < e && !blank(*p)) ++p;
    te = p;
    return true;
  };
  const char *b, *te;
  if (!token(b, te)) return false;
  auto r = std::from_chars(b, te, node);
  if (r.ec != std::errc() || r.ptr != te) return false;
  for (int i = 0; i < n; ++i) {
    if (!token(b, te)) return false;
    auto rv = std::from_chars(b, te, values[i], std::chars_format::general);
    if (rv.ec != std::errc() || rv.ptr != te) return false;
  }
  return true;
}

GlobalReader::~GlobalReader() = default;

void GlobalReader::readTextHead(const std::string& path) {
  in_ = std::make_unique<FileReader>(path, 4 << 20);
  header_.description = std::string(cut(in_->need("the run description (line 1)"), opt_.lineWidth));
  if (opt_.readHeaderItems) {
    std::string_view l2 = cut(in_->need("the header line (line 2)"), opt_.lineWidth);
    readLine(l2, in_.get(),
             "snap count, node count, time increment, output step, record type and a text word (line 2)",
             header_.snaps, header_.nodes, header_.increment, header_.outputStep, header_.recordType,
             header_.word);
    header_.word = std::string(cut(header_.word, opt_.wordWidth));
  } else {
    readList(*in_, "the snap count (line 2)", header_.snaps);
  }
}

void GlobalReader::openNetcdf(const std::string& path) {
  nc_ = std::make_unique<NcSeries>(path, "node");
  header_.description = std::string(cut(nc_->description(), opt_.lineWidth));
  header_.snaps = countOf(*nc_, nc_->snaps(), "snaps");
  header_.nodes = countOf(*nc_, nc_->points(), "nodes");
  header_.increment = nc_->increment();
  header_.outputStep = nc_->outputStep();
  header_.recordType = nc_->components();
  ncPoints_ = nc_->points();
  ncComps_ = nc_->components();
}

GlobalReader::GlobalReader(const std::string& path, const Options& opt) : opt_(opt) {
  if (isNetcdf(path)) openNetcdf(path);
  else readTextHead(path);
  np_ = opt_.np >= 0 ? opt_.np : header_.nodes;
  if (np_ < 0) in_->fail("expected a node count of 0 or more, found " + std::to_string(np_));

  if (opt_.valuesPerLine == kByRecordType) nv_ = header_.recordType == 2 ? 2 : 1;
  else if (opt_.valuesPerLine == kRecordTypeCount) nv_ = header_.recordType < 0 ? 0 : header_.recordType;
  else nv_ = opt_.valuesPerLine;
  if (nv_ < 0 || nv_ > kMaxValuesPerLine)
    fail(path + ": cannot read " + std::to_string(nv_) + " values per node line");
  values_.assign(static_cast<size_t>(nv_ > 0 ? nv_ : 1), nc_ ? kDryValue : 0.0);
}

bool GlobalReader::nextNetcdfSnap(SnapHeader& h) {
  if (snapsRead_ >= header_.snaps) return false;
  // The mesh decides the node numbers: a file of another mesh cannot be read.
  if (ncPoints_ != static_cast<size_t>(np_))
    nc_->fail("has " + std::to_string(ncPoints_) + " nodes (dimension 'node'), the mesh has " + std::to_string(np_));
  SnapHeader s;
  nc_->readSnap(static_cast<size_t>(snapsRead_), s.time, s.iteration, ncValues_);
  s.count = np_;
  s.fill = kDryValue;
  s.sparse = false;
  ++snapsRead_;
  pending_ = 1;
  h = s;
  return true;
}

bool GlobalReader::nextSnap(SnapHeader& h) {
  if (nc_) return nextNetcdfSnap(h);
  if (pending_ > 0 && !readNodes([](int, const double*) {})) return false;
  if (over_ || snapsRead_ >= header_.snaps) return false;
  std::string_view raw;
  if (!in_->next(raw)) {
    over_ = true;
    return false;
  }
  const std::string_view line = cut(raw, opt_.lineWidth);
  SnapHeader s;
  try {
    bool ok;
    if (opt_.rule == SnapHeaderRule::CountOnly)
      ok = readLine(line, in_.get(), "the snap time, iteration and node-line count", s.time, s.iteration, s.count);
    else
      ok = readLine(line, in_.get(), "the snap time and iteration", s.time, s.iteration);
    if (!ok) in_->fail("the snap header ends with a slash before its items");
  } catch (const Failure&) {
    if (opt_.strict) throw;
    over_ = true;
    return false;
  }
  if (opt_.rule == SnapHeaderRule::CountOnly) {
    s.sparse = true;
  } else {
    // A second reading decides the form: sparse when the count (and the default value)
    // can be read as well.
    SnapHeader t = s;
    try {
      if (opt_.rule == SnapHeaderRule::CountAndFill)
        s.sparse = readLine(line, nullptr, "", t.time, t.iteration, t.count, t.fill);
      else
        s.sparse = readLine(line, nullptr, "", t.time, t.iteration, t.count);
    } catch (const Failure&) {
      s.sparse = false;
    }
    if (s.sparse) {
      s.count = t.count;
      s.fill = t.fill;
    } else {
      s.count = np_;
      s.fill = kDryValue;
    }
  }
  if (s.count < 0) s.count = 0;
  ++snapsRead_;
  pending_ = s.count;
  h = s;
  return true;
}

void GlobalReader::badNode(long long node) const {
  in_->fail("node number " + std::to_string(node) + " is outside 1.." + std::to_string(np_));
}

bool GlobalReader::nodeLine(int& node) {
  std::string_view line;
  if (!in_->next(line)) {
    if (opt_.strict) in_->failEnd("a node line");
    return false;
  }
  long long n;
  if (!parseNodeLineFast(line, n, values_.data(), nv_) && !nodeLineSlow(line, n)) return false;
  // Checked outside the reading itself: a node outside the mesh is an error in either mode.
  if (opt_.checkNodes && (n < 1 || n > np_)) badNode(n);
  node = static_cast<int>(n);
  return true;
}

bool GlobalReader::nodeLineSlow(std::string_view line, long long& node) {
  try {
    ListScanner s(*in_, line, "a node line (node number and values)");
    long long n = 0;
    if (s.get(n))
      for (int i = 0; i < nv_; ++i)
        if (!s.get(values_[static_cast<size_t>(i)])) break;
    node = n;
    return true;
  } catch (const Failure&) {
    if (opt_.strict) throw;
    return false;
  }
}

void StationSeriesWriter::header(int snaps, int stations, int outputStep, int recordType, std::string_view word) {
  out_.line("Interpolated values at stations");
  line_.clear();
  putI(line_, snaps, 11);
  putI(line_, stations, 11);
  putI(line_, outputStep, 11);
  putI(line_, outputStep, 11);
  putI(line_, recordType, 11);
  putX(line_, 1);
  putA(line_, pad(word, 50));
  out_.line(line_);
}

void StationSeriesWriter::snap(double time, int iteration) { out_.line(FreeLine().d(time).i(iteration).str()); }

void StationSeriesWriter::value(int station, double v) {
  line_.clear();
  putI(line_, station, 10);
  putX(line_, 5);
  putE(line_, v, 24, 10);
  out_.line(line_);
}

void StationSeriesWriter::value(int station, double v, double w) {
  line_.clear();
  putI(line_, station, 10);
  putX(line_, 5);
  putE(line_, v, 24, 10);
  putE(line_, w, 24, 10);
  out_.line(line_);
}

StationSeriesReader::~StationSeriesReader() = default;

StationSeriesReader::StationSeriesReader(const std::string& path) {
  if (isNetcdf(path)) {
    nc_ = std::make_unique<NcSeries>(path, "station");
    snaps_ = countOf(*nc_, nc_->snaps(), "snaps");
    stations_ = countOf(*nc_, nc_->points(), "stations");
    recordType_ = nc_->components();
    return;
  }
  in_ = std::make_unique<FileReader>(path);
  in_->need("the title line (line 1)");
  double unused1 = 0, unused2 = 0;
  readList(*in_, "snap count, station count, two numbers and the record type (line 2)", snaps_, stations_, unused1,
           unused2, recordType_);
  if (snaps_ < 0 || stations_ < 0) in_->fail("expected snap and station counts of 0 or more");
}

bool StationSeriesReader::nextSnap(double& time) {
  if (nc_) {
    if (ncSnap_ >= nc_->snaps()) return false;
    int iteration = 0;
    nc_->readSnap(ncSnap_++, time, iteration, ncValues_);
    ncStation_ = 0;
    return true;
  }
  try {
    readList(*in_, "the snap time", time);  // a slash leaves the time as it was
    return true;
  } catch (const Failure&) {
    return false;
  }
}

bool StationSeriesReader::station(double& v, double& w) {
  if (nc_) {
    const size_t n = nc_->points();
    if (ncSnap_ == 0 || ncStation_ >= n) return false;
    v = ncValues_[ncStation_];
    if (recordType_ == 2) w = ncValues_[n + ncStation_];
    ++ncStation_;
    return true;
  }
  try {
    long long number = 0;
    if (recordType_ == 2) readList(*in_, "a station line (number and two values)", number, v, w);
    else readList(*in_, "a station line (number and value)", number, v);
    return true;
  } catch (const Failure&) {
    return false;
  }
}

}  // namespace vm
