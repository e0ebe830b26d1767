// Synthetic model files for the benchmarks: square-grid meshes and global files of any
// size, written with the toolkit's own formatting.
#pragma once
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

#include "bench_util.hpp"
#include "core/console.hpp"
#include "core/fmt.hpp"

namespace bench {

class Writer {
 public:
  explicit Writer(const std::string& path) : f_(std::fopen(path.c_str(), "wb")) {}
  ~Writer() {
    flush();
    std::fclose(f_);
  }
  std::string& buf() { return buf_; }
  void line() {
    buf_ += '\n';
    if (buf_.size() > (1 << 20)) flush();
  }
  double bytes() const { return bytes_ + static_cast<double>(buf_.size()); }

 private:
  void flush() {
    std::fwrite(buf_.data(), 1, buf_.size(), f_);
    bytes_ += static_cast<double>(buf_.size());
    buf_.clear();
  }
  std::FILE* f_;
  std::string buf_;
  double bytes_ = 0;
};

// A mesh of (side+1)^2 nodes on a square grid of spacing h from (x0, y0), two elements
// per cell; depths from 5 to 54. Without boundaries its boundary part is four zero counts;
// with them it has one open boundary along the first row and two land boundaries along
// the first and last columns (IBTYPE 20, and IBTYPE 3 with its two barrier reals).
// Returns the size in bytes of its head and node lines.
inline double writeGridMesh(const std::string& path, int side, double x0, double y0, double h,
                            bool boundaries = false) {
  Writer w(path);
  const long n1 = side + 1;
  w.buf() += "synthetic grid";
  w.line();
  vm::putI(w.buf(), 2L * side * side, 12);
  vm::putI(w.buf(), n1 * n1, 12);
  w.line();
  for (long j = 0; j < n1; ++j)
    for (long i = 0; i < n1; ++i) {
      vm::putI(w.buf(), j * n1 + i + 1, 10);
      vm::putF(w.buf(), x0 + h * static_cast<double>(i), 18, 10);
      vm::putF(w.buf(), y0 + h * static_cast<double>(j), 18, 10);
      vm::putE(w.buf(), 5.0 + static_cast<double>((i * 7 + j * 3) % 50), 18, 8);
      w.line();
    }
  const double nodeBytes = w.bytes();
  long e = 0;
  for (long j = 0; j < side; ++j)
    for (long i = 0; i < side; ++i) {
      const long a = j * n1 + i + 1, b = a + 1, c = a + n1, d = c + 1;
      const long tri[2][3] = {{a, b, c}, {b, d, c}};
      for (const auto& t : tri) {
        vm::putI(w.buf(), ++e, 10);
        vm::putI(w.buf(), 3, 3);
        for (long v : t) vm::putI(w.buf(), v, 10);
        w.line();
      }
    }
  if (!boundaries) {
    w.buf() += "0\n0\n0\n0";
    w.line();
    return nodeBytes;
  }
  w.buf() += "1 = Number of open boundaries\n" + std::to_string(n1) + " = Total number of open boundary nodes\n" +
             std::to_string(n1) + " 0";
  w.line();
  for (long i = 1; i <= n1; ++i) {
    vm::putI(w.buf(), i, 10);
    w.line();
  }
  w.buf() += "2 = Number of land boundaries\n" + std::to_string(2 * n1) + " = Total number of land boundary nodes\n" +
             std::to_string(n1) + " 20";
  w.line();
  for (long j = 0; j < n1; ++j) {
    vm::putI(w.buf(), j * n1 + 1, 10);
    w.line();
  }
  w.buf() += std::to_string(n1) + " 3";
  w.line();
  for (long j = 0; j < n1; ++j) {
    vm::putI(w.buf(), j * n1 + n1, 10);
    w.buf() += "  1.5  1.0";
    w.line();
  }
  return nodeBytes;
}

// A global file of np nodes, one value per node line (water level, record type 1) or two
// (velocity, record type 2): sparse snaps (time, iteration, count, default) listing three
// nodes in four, or full snaps listing every node. No snaps gives the header alone.
// Returns its size in bytes.
inline double writeGlobal(const std::string& path, long np, int snaps, bool sparse, int values = 1) {
  Writer w(path);
  w.buf() += "  synthetic run                 QORVEL                   synthetic mesh";
  w.line();
  vm::putI(w.buf(), snaps, 11);
  vm::putI(w.buf(), np, 11);
  w.buf() += values == 2 ? "  0.3600000E+004       360     2" : "  0.3600000E+004       360     1";
  w.buf() += " FormatVersion:            2";
  w.line();
  for (int s = 1; s <= snaps; ++s) {
    long count = 0;
    for (long k = 1; k <= np; ++k) count += !sparse || (k + s) % 4 != 0;
    vm::putE(w.buf(), 3600.0 * s, 21, 10, 3);
    vm::putI(w.buf(), 360 * s, 15);
    if (sparse) {
      vm::putI(w.buf(), count, 15);
      vm::putE(w.buf(), -99999.0, 21, 10, 3);
    }
    w.line();
    for (long k = 1; k <= np; ++k) {
      if (sparse && (k + s) % 4 == 0) continue;
      vm::putI(w.buf(), k, 10);
      vm::putX(w.buf(), 5);
      vm::putE(w.buf(), std::sin(0.001 * static_cast<double>(k) + 0.3 * s) * 2.5, 17, 10, 3);
      if (values == 2) {
        vm::putX(w.buf(), 1);
        vm::putE(w.buf(), std::cos(0.002 * static_cast<double>(k) - 0.3 * s) * 1.5, 17, 10, 3);
      }
      w.line();
    }
  }
  return w.bytes();
}

// A station file of `count` stations over the grid mesh of writeGridMesh(side, x0, y0, h):
// most at random points of a box 1 % wider than the mesh on every side (so a few lie
// outside it), every 7th exactly on a node and every 11th on the middle of a cell's side
// (ties of the nearest-node search). Every 10th asks for a depth of at least 40 (a nearest
// wet node among a third of the nodes) and every 50th for 100 (deeper than any node).
inline void writeStations(const std::string& path, long count, int side, double x0, double y0, double h) {
  Writer w(path);
  w.buf() += std::to_string(count);
  w.line();
  std::mt19937_64 rng(42);
  const double span = h * side;
  std::uniform_real_distribution<double> u(-0.01 * span, 1.01 * span);
  std::uniform_int_distribution<int> node(0, side - 1);
  char b[128];
  for (long k = 1; k <= count; ++k) {
    double lon = x0 + u(rng), lat = y0 + u(rng);
    if (k % 7 == 0) lon = x0 + h * node(rng), lat = y0 + h * node(rng);
    else if (k % 11 == 0) lon = x0 + h * (node(rng) + 0.5), lat = y0 + h * node(rng);
    std::snprintf(b, sizeof b, "ST%ld %.10f %.10f", k, lat, lon);
    w.buf() += b;
    if (k % 50 == 0) w.buf() += " 0 100.0";
    else if (k % 10 == 0) w.buf() += " 0 40.0";
    w.line();
  }
}

// A file name as a quoted answer (the scratch paths hold slashes, which end an unquoted
// free-format item).
inline std::string quoted(const std::string& path) { return "'" + path + "'"; }

// Runs a tool on scripted answers, its console output discarded; returns the seconds taken.
inline double timeTool(const std::string& answers, const std::function<void(vm::Console&)>& tool) {
  std::istringstream in(answers);
  std::ostringstream out;
  vm::Console con(in, out);
  const double t0 = now();
  tool(con);
  return now() - t0;
}

// Runs f in a child process, so that the peak memory it reports is its own. A failure in
// the child (an exception, a signal) is thrown again in the parent.
inline void isolated(const std::function<void()>& f) {
  std::fflush(stdout);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("cannot start a child process");
  if (pid == 0) {
    int code = 0;
    try {
      f();
    } catch (const std::exception& e) {
      std::fprintf(stderr, "benchmark failed: %s\n", e.what());
      code = 1;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(code);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("a benchmark run failed");
}

}  // namespace bench
