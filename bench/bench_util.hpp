// Small helpers shared by the benchmarks: timing, peak memory, and the one result line
// each benchmark prints ("| name | input | seconds | MB/s | peak MB |"), which run.sh gathers
// into the report table.
#pragma once
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace bench {

inline double now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Processor seconds (user and system) used by this process so far: on a machine shared
// with other work the elapsed seconds overstate what a tool needs.
inline double cpuSeconds() {
  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  return static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
         static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

inline double peakMB() {
  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  return static_cast<double>(ru.ru_maxrss) / 1024.0;
}

inline void report(const std::string& name, const std::string& input, double bytes, double seconds) {
  std::printf("| %s | %s | %.3f | %.1f | %.1f |\n", name.c_str(), input.c_str(), seconds,
              bytes / 1e6 / seconds, peakMB());
  std::fflush(stdout);
}

// A scratch file path in the system's temporary folder.
inline std::string scratch(const std::string& name) { return "/tmp/velmorant-bench-" + name; }

}  // namespace bench
