#include "comparison/compare_pairs.hpp"

#include <algorithm>
#include <unordered_map>

#include "comparison/compare_stats.hpp"

namespace vm::cmp {

namespace {

// The largest value, at the earliest time it occurs, of candidates offered in any order.
struct Peak {
  bool found = false;
  double v = 0.0;
  Seconds t = 0;
  void offer(double value, Seconds time) {
    if (!found || value > v || (value == v && time < t)) {
      found = true;
      v = value;
      t = time;
    }
  }
};

template <class T>
void release(std::vector<T>& v) {
  std::vector<T>().swap(v);
}

void release(StationRecords& s) {
  release(s.t);
  release(s.v[0]);
  release(s.v[1]);
}

std::optional<double> largestValid(const std::vector<std::optional<double>>& v) {
  std::optional<double> best;
  for (const std::optional<double>& x : v)
    if (x && (!best || *x > *best)) best = x;
  return best;
}

}  // namespace

StationResult pairStation(const StationRecords& obs, const StationRecords& model, int component) {
  StationResult r;
  r.label = obs.label;
  r.component = component;
  const int c = component - 1;
  const std::vector<Seconds>& ot = obs.t;
  const std::vector<Seconds>& mt = model.t;
  const std::vector<std::optional<double>>& ov = obs.v[c];
  const std::vector<std::optional<double>>& mv = model.v[c];

  if (!mt.empty()) {
    const size_t room = static_cast<size_t>(std::upper_bound(ot.begin(), ot.end(), mt.back()) -
                                            std::lower_bound(ot.begin(), ot.end(), mt.front()));
    r.pairTimes.reserve(room);
    r.pairObs.reserve(room);
    r.pairModel.reserve(room);
    const Seconds first = mt.front(), last = mt.back();
    size_t j = 0;
    for (size_t i = 0; i < ot.size(); ++i) {
      const Seconds t = ot[i];
      if (t < first || !ov[i]) continue;
      if (t > last) break;
      while (mt[j] < t) ++j;  // stops at the latest: t <= last
      double m;
      if (mt[j] == t) {
        if (!mv[j]) continue;
        m = *mv[j];
      } else {  // mt[j - 1] < t < mt[j]: j > 0, as t >= first
        if (!mv[j - 1] || !mv[j]) continue;
        const double a = *mv[j - 1], b = *mv[j];
        const double w = static_cast<double>(t - mt[j - 1]) / static_cast<double>(mt[j] - mt[j - 1]);
        m = a * (1.0 - w) + b * w;
      }
      r.pairTimes.push_back(t);
      r.pairObs.push_back(*ov[i]);
      r.pairModel.push_back(m);
    }
  }

  const size_t n = r.pairTimes.size();
  r.stats = fitPairs({{r.pairObs.data(), r.pairModel.data(), n}}).stats;
  if (n > 0) {
    Peak o, m;
    for (size_t k = 0; k < n; ++k) {
      o.offer(r.pairObs[k], r.pairTimes[k]);
      m.offer(r.pairModel[k], r.pairTimes[k]);
    }
    const Seconds from = r.pairTimes.front(), to = r.pairTimes.back();
    for (size_t k = static_cast<size_t>(std::lower_bound(mt.begin(), mt.end(), from) - mt.begin());
         k < mt.size() && mt[k] <= to; ++k)
      if (mv[k]) m.offer(*mv[k], mt[k]);
    r.obsPeak = o.v;
    r.obsPeakTime = o.t;
    r.modelPeak = m.v;
    r.modelPeakTime = m.t;
    r.peakError = m.v - o.v;
    r.peakLagHours = static_cast<double>(m.t - o.t) / 3600.0;
  }
  return r;
}

MarkResult markStation(const StationRecords& obs, const StationRecords& model) {
  MarkResult m;
  m.label = obs.label;
  m.observed = largestValid(obs.v[0]);
  m.modelled = largestValid(model.v[0]);
  m.dryInModel = !m.modelled;
  return m;
}

void pairFiles(InputFile& obs, InputFile& model, Comparison& c) {
  std::unordered_map<std::string, size_t> inModel;
  for (size_t k = 0; k < model.stations.size(); ++k) inModel.emplace(model.stations[k].label, k);
  std::vector<bool> matched(model.stations.size(), false);

  for (StationRecords& o : obs.stations) {
    const auto it = inModel.find(o.label);
    if (it == inModel.end()) {
      c.onlyObserved.push_back(o.label);
      release(o);
      continue;
    }
    StationRecords& m = model.stations[it->second];
    matched[it->second] = true;
    settle(o);
    settle(m);
    if (c.hwm) {
      c.marks.push_back(markStation(o, m));
      if (c.marks.back().dryInModel) c.dryInModel.push_back(o.label);
    } else {
      const size_t base = c.stations.size();
      for (int comp = 1; comp <= c.components; ++comp) c.stations.push_back(pairStation(o, m, comp));
      // The records go to the report: the times copied for a second component, then moved.
      for (int comp = c.components; comp >= 1; --comp) {
        StationResult& r = c.stations[base + static_cast<size_t>(comp - 1)];
        r.observed.t = comp == 1 ? std::move(o.t) : o.t;
        r.observed.v = std::move(o.v[comp - 1]);
        r.model.t = comp == 1 ? std::move(m.t) : m.t;
        r.model.v = std::move(m.v[comp - 1]);
      }
    }
    release(o);
    release(m);
  }
  for (size_t k = 0; k < model.stations.size(); ++k)
    if (!matched[k]) c.onlyModel.push_back(model.stations[k].label);

  if (c.hwm) {
    std::vector<double> o, m;
    for (const MarkResult& r : c.marks) {
      if (!r.observed || !r.modelled) continue;
      o.push_back(*r.observed);
      m.push_back(*r.modelled);
    }
    const Fit f = fitPairs({{o.data(), m.data(), o.size()}});
    c.pooled.push_back(Pooled{1, static_cast<long long>(o.size()), f.stats, f.slope, f.r2});
    return;
  }
  for (int comp = 1; comp <= c.components; ++comp) {
    std::vector<PairSpan> parts;
    long long stations = 0;
    for (const StationResult& r : c.stations) {
      if (r.component != comp || r.pairTimes.empty()) continue;
      parts.push_back({r.pairObs.data(), r.pairModel.data(), r.pairTimes.size()});
      ++stations;
    }
    const Fit f = fitPairs(parts);
    c.pooled.push_back(Pooled{comp, stations, f.stats, f.slope, f.r2});
  }
}

}  // namespace vm::cmp
