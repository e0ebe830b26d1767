// The comparison's report alone: 1,000 stations with a year of hourly records each (observed,
// model and pairs), built in memory, written as one HTML file. The MB/s column is the rate
// of the report written; the input column gives the report's size.
#include <cmath>
#include <filesystem>
#include <string>

#include "bench_util.hpp"
#include "comparison/comparison.hpp"
#include "scratch.hpp"

namespace {

vm::cmp::Series tide(int hours, double scale, double phase) {
  vm::cmp::Series s;
  const vm::Seconds start = vm::toSeconds({2024, 1, 1, 0, 0, 0});
  for (int i = 0; i < hours; ++i) {
    s.t.push_back(start + 3600LL * i);
    if (i % 500 == 7)
      s.v.push_back(std::nullopt);
    else
      s.v.push_back(scale * (std::sin(i * 2 * M_PI / 12.42 + phase) + 0.3 * std::sin(i * 2 * M_PI / 23.93)));
  }
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  return bench::guarded([&] {
    const int stations = argc > 1 ? std::stoi(argv[1]) : 1000;
    const int hours = argc > 2 ? std::stoi(argv[2]) : 8760;
    const ScratchFolder scratch;
    vm::cmp::Comparison c;
    c.observedFile = "observed.TALVO";
    c.modelFile = "model.TALVO";
    c.zone = "UTC";
    c.observedDatum = c.modelDatum = "NAVD88";
    c.unit = "m";
    c.quantity = "watlev";
    for (int k = 0; k < stations; ++k) {
      vm::cmp::StationResult s;
      s.label = "STATION_" + std::to_string(k);
      s.observed = tide(hours, 1.0, 0.01 * k);
      s.model = tide(hours, 1.08, 0.01 * k + 0.05);
      for (size_t i = 0; i < s.observed.t.size(); ++i)
        if (s.observed.v[i] && s.model.v[i]) {
          s.pairTimes.push_back(s.observed.t[i]);
          s.pairObs.push_back(*s.observed.v[i]);
          s.pairModel.push_back(*s.model.v[i]);
        }
      s.stats.n = static_cast<long long>(s.pairObs.size());
      s.stats.bias = 0.01;
      s.obsPeak = 1.3;
      s.obsPeakTime = s.observed.t[100];
      s.modelPeak = 1.4;
      s.modelPeakTime = s.observed.t[101];
      c.stations.push_back(std::move(s));
    }
    c.pooled.push_back({1, stations, {}, 1.08, 0.99});

    const double t0 = bench::now();
    vm::cmp::writeReport(c, "report.html");
    const double seconds = bench::now() - t0;
    const double bytes = static_cast<double>(std::filesystem::file_size("report.html"));
    char input[128];
    std::snprintf(input, sizeof input, "%d stations x %d records, report %.1f MB", stations, hours, bytes / 1e6);
    bench::report("comparison report (HTML with plots)", input, bytes, seconds);
  });
}
