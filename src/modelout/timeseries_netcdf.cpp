#include "modelout/timeseries_netcdf.hpp"

#include <cmath>
#include <limits>
#include <new>
#include <stdexcept>

#include "core/fmt.hpp"
#include "core/ncplausible.hpp"
#include "core/text.hpp"
#include "modelout/timeseries.hpp"

namespace vm {

namespace {

std::string field(const std::optional<std::string>& s, size_t width) {
  return pad(cut(s ? *s : std::string(), width), width);
}

std::string dimList(const std::vector<std::string>& dims) {
  std::string s = "(";
  for (size_t k = 0; k < dims.size(); ++k) s += (k ? ", " : "") + dims[k];
  return s + ")";
}

std::string nameList(const std::vector<const NcFile::Var*>& vars) {
  std::string s;
  for (size_t k = 0; k < vars.size(); ++k) s += (k ? ", '" : "'") + vars[k]->name + "'";
  return s;
}

}  // namespace

std::string ncRunDescription(const NcFile& f) {
  const auto rundes = f.textAttr("rundes"), runid = f.textAttr("runid"), agrid = f.textAttr("agrid");
  std::string line;
  if (rundes || runid || agrid) {
    line = "  " + field(rundes, 32) + "  " + field(runid, 24) + " " + field(agrid, 24);
  } else if (auto title = f.textAttr("title")) {
    line = *title;
  }
  // One line of text: a line end inside an attribute ends it.
  const size_t end = line.find_first_of("\r\n");
  if (end != std::string::npos) line.resize(end);
  return line;
}

void sizeFor(const NcFile& f, std::vector<double>& v, size_t n) {
  try {
    v.resize(n);
  } catch (const std::bad_alloc&) {
    f.fail("cannot hold " + std::to_string(n) + " values in memory");
  } catch (const std::length_error&) {
    f.fail("cannot hold " + std::to_string(n) + " values in memory");
  }
}

NcTimeAxis::NcTimeAxis(const NcFile& f, bool required) : f_(f) {
  const auto len = required ? std::optional<size_t>(f.needDim("time", "the snap times")) : f.dim("time");
  if (!len) return;
  snaps_ = *len;
  if (required || f.var("time")) var_ = &f.needVar("time", {"time"}, "the snap times");
  if (!var_) return;  // a max file without times: every time is 0
  if (const auto dt = f.numAttr("dt"); dt && *dt > 0 && std::isfinite(*dt)) dt_ = *dt;
  if (snaps_ >= 2) increment_ = time(1) - time(0);
  else if (snaps_ == 1) increment_ = time(0);
  if (!std::isfinite(increment_)) f.fail("the time increment of variable 'time' is not a number");
  outputStep_ = dt_ > 0 ? nearest(increment_ / dt_, "the output step") : 0;
}

double NcTimeAxis::time(size_t k) const {
  double t = 0.0;
  if (!var_) return t;
  f_.read(*var_, {k}, {1}, &t, std::numeric_limits<double>::quiet_NaN());
  if (!std::isfinite(t)) f_.fail("time " + std::to_string(k + 1) + " of variable 'time' is a fill value or not a number");
  return t;
}

int NcTimeAxis::iteration(double time) const { return dt_ > 0 ? nearest(time / dt_, "the iteration") : 0; }

int NcTimeAxis::nearest(double x, const std::string& what) const {
  const double r = std::round(x);  // halves away from zero
  if (!(std::fabs(r) <= std::numeric_limits<int>::max()))
    f_.fail(what + " " + std::to_string(x) + " (from the times and dt) is not an integer the tools can hold");
  return static_cast<int>(r);
}

NcSeries::NcSeries(const std::string& path, const std::string& pointDim)
    : file_(path), pointDim_(pointDim), description_(ncRunDescription(file_)), axis_(file_, true) {
  points_ = file_.needDim(pointDim, pointDim == "node" ? "the mesh nodes" : "the stations");
  const std::vector<std::string> dims{"time", pointDim};
  for (const NcFile::Var& v : file_.vars())
    if (v.dims == dims) data_.push_back(&v);
  if (data_.empty() || data_.size() > 2)
    fail("expected one or two data variables with dimensions " + dimList(dims) + ", found " +
         (data_.empty() ? std::string("none") : std::to_string(data_.size()) + ": " + nameList(data_)));
  for (const NcFile::Var* v : data_) {
    if (!v->numeric()) fail("data variable '" + v->name + "' is not numeric");
    plausibleSize(file_, *v);
    file_.cacheChunks(*v);
  }
}

void NcSeries::readSnap(size_t k, double& time, int& iteration, std::vector<double>& values) const {
  time = axis_.time(k);
  iteration = axis_.iteration(time);
  if (values.size() != points_ * data_.size()) {
    std::vector<double>().swap(values);
    sizeFor(file_, values, points_ * data_.size());
  }
  for (size_t c = 0; c < data_.size(); ++c)
    file_.read(*data_[c], {k, 0}, {1, points_}, values.data() + c * points_, kDryValue);
}

NcMax readNcMax(const std::string& path) {
  const NcFile f(path);
  NcMax m;
  m.description = ncRunDescription(f);
  m.nodes = f.needDim("node", "the mesh nodes");
  const NcFile::Var* var = nullptr;
  for (const NcFile::Var& v : f.vars()) {
    if (v.name == "x" || v.name == "y" || v.name == "depth" || v.name.rfind("time_of_", 0) == 0) continue;
    if (v.dims == std::vector<std::string>{"node"} || v.dims == std::vector<std::string>{"time", "node"}) {
      var = &v;
      break;
    }
  }
  if (!var) f.fail("no max variable: none with dimensions (node) or (time, node) besides x, y, depth and time_of_...");
  if (!var->numeric()) f.fail("max variable '" + var->name + "' is not numeric");
  plausibleSize(f, *var);

  const NcTimeAxis axis(f, false);
  m.snaps = axis.snaps();
  m.increment = axis.increment();
  m.outputStep = axis.outputStep();
  if (m.snaps > 0) {
    m.time = axis.time(0);
    m.iteration = axis.iteration(m.time);
  }
  sizeFor(f, m.values, m.nodes);
  if (var->dims.size() == 2) {
    if (var->shape[0] == 0) f.fail("max variable '" + var->name + "' has no snap to read");
    f.read(*var, {0, 0}, {1, m.nodes}, m.values.data(), kDryValue);
  } else {
    f.read(*var, {0}, {m.nodes}, m.values.data(), kDryValue);
  }
  return m;
}

}  // namespace vm
