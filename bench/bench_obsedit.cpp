// Throughput of the observation editing tools on a large generated observation file.
// Usage: bench_obsedit [megabytes=300]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "bench_util.hpp"
#include "core/console.hpp"
#include "core/files.hpp"
#include "observations/talvo_format.hpp"
#include "scratch.hpp"
#include "tools.hpp"

namespace {

constexpr int kStations = 2000;

void generate(const std::string& name, double megabytes) {
  const long perStation = static_cast<long>(megabytes * 1e6 / 57.0 / kStations) + 1;
  vm::OutFile out(name);
  out.line(" % TALVO generic format - Water Level");
  out.line(" % year month day hour min sec watlev (m)");
  out.line(" QORVEL UTC NAVD88");
  for (int s = 0; s < kStations; ++s) {
    out.line(vm::stationHeaderLine("NOAA_" + std::to_string(8760000 + s), 29.0 + s * 1e-3, -89.0 - s * 1e-3));
    vm::ObsRecord r{2008, 1, 1, 0, 0, 0, 0.0};
    for (long k = 0; k < perStation; ++k) {
      r.value = 0.001 * static_cast<double>((k * 37 + s) % 4000) - 1.5;
      out.line(vm::dataLine(r));
      if ((r.minute += 6) == 60) {
        r.minute = 0;
        if (++r.hour == 24) {
          r.hour = 0;
          if (++r.day == 29) {
            r.day = 1;
            r.month = r.month % 12 + 1;
          }
        }
      }
    }
  }
  out.close();
}

void time(const char* what, const std::string& answers, void (*tool)(vm::Console&, const std::string&),
          const std::string& input, const char* output) {
  std::istringstream in(answers);
  std::ostringstream con;
  vm::Console c(in, con);
  const auto t0 = std::chrono::steady_clock::now();
  tool(c, "unix");
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  const double bytes = static_cast<double>(std::filesystem::file_size(input));
  bench::report(what, std::to_string(static_cast<long>(bytes / 1e6)) + " MB observation file", bytes, s);
  std::filesystem::remove(output);
}

}  // namespace

int main(int argc, char** argv) {
  return bench::guarded([&] {
    const double megabytes = argc > 1 ? std::atof(argv[1]) : 300.0;
    const ScratchFolder scratch;
    const std::string input = "big.TALVO";
    const auto t0 = std::chrono::steady_clock::now();
    generate(input, megabytes);
    std::fprintf(stderr, "generated %s in %.2f s\n", input.c_str(),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    {
      vm::OutFile f("filter.txt");
      f.line("1\n2\n3\n4");
      for (int s = 0; s < kStations; s += 3) f.line("NOAA_" + std::to_string(8760000 + s) + " 0 0 0");
      vm::OutFile c("clean.txt");
      for (int s = 0; s < kStations; s += 2) c.line("NOAA_" + std::to_string(8760000 + s) + "\n2008 1 1 0 6 0\n2008 1 2 3 0 0");
    }
    const std::string pick = "99\n" + input + "\n";
    time("talvofilter", pick + "99\nfilter.txt\n", vm::talvofilter, input, "big.F.TALVO");
    time("talvorename", pick, vm::talvorename, input, "big.N.TALVO");
    time("talvomerge", "1\nQORVEL\nmerged.TALVO\n" + pick + "n\n", vm::talvomerge, input, "merged.TALVO");
    time("talvoadjust", pick + "1\nEST\n-5\n", vm::talvoadjust, input, "big.TALVO.A.TALVO");
    time("talvoclean", pick + "99\nclean.txt\n", vm::talvoclean, input, "big.C.TALVO");
  });
}
