#include "comparison/compare_tables.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/error.hpp"
#include "core/files.hpp"

namespace vm::cmp {

namespace {

std::string count(long long n) { return std::to_string(n); }

std::string time(const std::optional<Seconds>& t) { return t ? formatTime(*t) : std::string(); }

class Row {
 public:
  Row& add(std::string_view field) {
    if (!s_.empty()) s_ += ',';
    s_ += field;
    return *this;
  }
  const std::string& str() const { return s_; }

 private:
  std::string s_;
};

void statsFields(Row& r, const Stats& s) {
  r.add(count(s.n)).add(csvNumber(s.bias)).add(csvNumber(s.rmse)).add(csvNumber(s.sde)).add(csvNumber(s.r));
  r.add(csvNumber(s.willmott));
}

}  // namespace

std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string q = "\"";
  for (char ch : text) {
    if (ch == '"') q += '"';
    q += ch;
  }
  q += '"';
  return q;
}

std::string csvNumber(const std::optional<double>& v) {
  if (!v) return {};
  char buf[400];  // the widest double in fixed form: 309 digits and 6 decimals
  std::snprintf(buf, sizeof buf, "%.6f", *v);
  if (std::strcmp(buf, "-0.000000") == 0) return "0.000000";
  return buf;
}

std::optional<double> difference(const MarkResult& m) {
  if (m.observed && m.modelled) return *m.modelled - *m.observed;
  return std::nullopt;
}

void writeStationsTable(const Comparison& c, const std::string& path) {
  OutFile out(path);
  if (c.hwm) {
    out.line("station,observed,modelled,difference");
    for (const MarkResult& m : c.marks) {
      out.line(Row()
                   .add(csvField(m.label))
                   .add(csvNumber(m.observed))
                   .add(csvNumber(m.modelled))
                   .add(csvNumber(difference(m)))
                   .str());
    }
  } else {
    out.line("station,component,n,bias,rmse,sde,r,willmott,obs_peak,obs_peak_time,model_peak,model_peak_time,"
             "peak_error,peak_lag_hours");
    for (const StationResult& s : c.stations) {
      Row r;
      r.add(csvField(s.label)).add(count(s.component));
      statsFields(r, s.stats);
      r.add(csvNumber(s.obsPeak)).add(time(s.obsPeakTime)).add(csvNumber(s.modelPeak)).add(time(s.modelPeakTime));
      r.add(csvNumber(s.peakError)).add(csvNumber(s.peakLagHours));
      out.line(r.str());
    }
  }
  out.close();
}

void writeSummaryTable(const Comparison& c, const std::string& path) {
  OutFile out(path);
  out.line("component,stations,n,bias,rmse,sde,r,willmott,slope,r2");
  for (const Pooled& p : c.pooled) {
    Row r;
    r.add(count(p.component)).add(count(p.stations));
    statsFields(r, p.stats);
    r.add(csvNumber(p.slope)).add(csvNumber(p.r2));
    out.line(r.str());
  }
  out.close();
}

StagedOutputs::StagedOutputs(std::vector<std::string> finals) : finals_(std::move(finals)) {
  for (const std::string& f : finals_) temps_.push_back(temporaryName(f));
}

StagedOutputs::~StagedOutputs() {
  if (committed_) return;
  for (const std::string& t : temps_) std::remove(t.c_str());
}

void StagedOutputs::commit() {
  for (size_t k = 0; k < finals_.size(); ++k)
    if (std::rename(temps_[k].c_str(), finals_[k].c_str()) != 0)
      fail("cannot write output file '" + finals_[k] + "': " + std::strerror(errno));
  committed_ = true;
}

}  // namespace vm::cmp
