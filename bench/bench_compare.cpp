// The model-versus-observation comparison (option 61) on two generated observation files
// of about 500 MB each: 1,000 stations with a year of hourly records, the report included.
// Usage: bench_compare [stations=1000] [hours=8760]
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "bench_util.hpp"
#include "core/console.hpp"
#include "core/files.hpp"
#include "core/fmt.hpp"
#include "observations/talvo_format.hpp"
#include "scratch.hpp"
#include "tools.hpp"

namespace {

// A tide with a surge on top; the model file is shifted, scaled and has gaps of its own.
// The observed file lists the stations in reverse order, so that labels are looked up.
void generate(const std::string& name, int stations, long hours, bool model) {
  vm::OutFile out(name);
  out.line(" % TALVO generic format - Water Level");
  out.line(" % year month day hour min sec watlev (m)");
  out.line(model ? " QORVEL UTC NAVD88" : " NOAA UTC NAVD88");
  std::string line;
  for (int k = 0; k < stations; ++k) {
    const int s = model ? k : stations - 1 - k;
    out.line(vm::stationHeaderLine("NOAA_" + std::to_string(8760000 + s), 29.0 + s * 1e-3, -89.0 - s * 1e-3));
    vm::ObsRecord r{2008, 1, 1, 0, 0, 0, 0.0};
    static const int days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (long h = 0; h < hours; ++h) {
      const double t = static_cast<double>(h);
      double v = 0.5 * std::sin(t * 0.5059 + s) + 0.2 * std::sin(t * 0.0105) + 1e-3 * (s % 50);
      if (model) v = 0.95 * v + 0.03 + 0.02 * std::sin(t * 0.31);
      line.clear();
      vm::putDate6(line, r);
      if ((model && (h + s) % 97 == 0) || (!model && (h * 7 + s) % 131 == 0))
        vm::putF(line, -999.0, 14, 4);
      else
        vm::putF(line, v, 14, 4);
      out.line(line);
      if (++r.hour == 24) {
        r.hour = 0;
        if (++r.day > days[r.month - 1]) {
          r.day = 1;
          if (++r.month > 12) {
            r.month = 1;
            ++r.year;
          }
        }
      }
    }
  }
  out.close();
}

}  // namespace

int main(int argc, char** argv) {
  return bench::guarded([&] {
    const int stations = argc > 1 ? std::atoi(argv[1]) : 1000;
    const long hours = argc > 2 ? std::atol(argv[2]) : 8760;
    const ScratchFolder scratch;
    auto t0 = std::chrono::steady_clock::now();
    generate("obs.TALVO", stations, hours, false);
    generate("model.TALVO", stations, hours, true);
    std::fprintf(stderr, "generated the two files in %.2f s\n",
                 std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());

    std::istringstream in("99\nobs.TALVO\n99\nmodel.TALVO\nbench\n");
    std::ostringstream con;
    vm::Console c(in, con);
    t0 = std::chrono::steady_clock::now();
    const double cpu0 = bench::cpuSeconds();
    vm::talvocompare(c, "unix");
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::fprintf(stderr, "the comparison used %.2f s of processor time\n", bench::cpuSeconds() - cpu0);
    const double bytes = static_cast<double>(std::filesystem::file_size("obs.TALVO") +
                                             std::filesystem::file_size("model.TALVO"));
    std::fprintf(stderr, "report: %.1f MB\n", static_cast<double>(std::filesystem::file_size("bench.html")) / 1e6);
    bench::report("talvocompare (option 61), report included",
                  "2 observation files of " + std::to_string(static_cast<long>(bytes / 2e6)) + " MB, " +
                      std::to_string(stations) + " stations x " + std::to_string(hours) + " hours",
                  bytes, s);
  });
}
