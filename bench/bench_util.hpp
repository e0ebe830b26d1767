// Small helpers shared by the benchmarks: timing, peak memory, and the one result line
// each benchmark prints ("| name | input | seconds | MB/s | peak MB |"), which run.sh gathers
// into the report table. Every benchmark works in a scratch folder (scratch.hpp) that is
// removed at its end.
#pragma once
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <exception>
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

// A rate only where the work is a number of bytes: bytes of 0 leave the MB/s column "-".
inline void report(const std::string& name, const std::string& input, double bytes, double seconds) {
  char rate[32] = "-";
  if (bytes > 0) std::snprintf(rate, sizeof rate, "%.1f", bytes / 1e6 / seconds);
  std::printf("| %s | %s | %.3f | %s | %.1f |\n", name.c_str(), input.c_str(), seconds, rate, peakMB());
  std::fflush(stdout);
}

// Runs a benchmark's body; a failure is reported on standard error with exit status 1,
// after the body's scratch folder (see scratch.hpp) has been removed.
template <class F>
int guarded(F&& body) {
  try {
    body();
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "benchmark failed: %s\n", e.what());
    return 1;
  }
}

}  // namespace bench
