// TB3307 extraction against a synthetic database of 250,000 nodes and about 500,000
// elements (data file at full size), for 5,000 open-boundary points. Prints the time of
// the tool run; the files are generated in a scratch folder that is removed afterwards.
#include "bench_util.hpp"
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "core/console.hpp"
#include "core/files.hpp"
#include "core/fmt.hpp"
#include "scratch.hpp"
#include "tools.hpp"

int main() {
  return bench::guarded([] {
    namespace fs = std::filesystem;
    const ScratchFolder scratch;

    const int side = 500;  // side x side nodes
    const int points = 5000;
    std::mt19937 rng(1);
    std::uniform_real_distribution<double> jitter(-0.02, 0.02);
    const double step = 0.076, x0 = -98.0, y0 = 8.0;
    auto t0 = std::chrono::steady_clock::now();
    {
      vm::OutFile grd("tb3307.grd");
      grd.line("synthetic database");
      const long ne = 2L * (side - 1) * (side - 1), np = static_cast<long>(side) * side;
      grd.line(std::to_string(ne) + " " + std::to_string(np));
      std::string s;
      for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c) {
          const bool inner = r > 0 && c > 0 && r < side - 1 && c < side - 1;
          s.clear();
          vm::putI(s, static_cast<long long>(r) * side + c + 1, 8);
          vm::putF(s, x0 + step * (c + (inner ? jitter(rng) : 0.0)), 14, 6);
          vm::putF(s, y0 + step * (r + (inner ? jitter(rng) : 0.0)), 14, 6);
          s += "   100.0";
          grd.line(s);
        }
      long e = 0;
      std::bernoulli_distribution flip(0.3);
      for (int r = 0; r + 1 < side; ++r)
        for (int c = 0; c + 1 < side; ++c) {
          const long a = static_cast<long>(r) * side + c + 1, b = a + 1, d = a + side, f = d + 1;
          long t[2][3] = {{a, b, f}, {a, f, d}};
          for (auto& tri : t) {
            if (flip(rng)) std::swap(tri[1], tri[2]);
            grd.line(std::to_string(++e) + " 3 " + std::to_string(tri[0]) + " " + std::to_string(tri[1]) + " " +
                     std::to_string(tri[2]));
          }
        }
      vm::OutFile tdb("tb3307.tdb");
      tdb.line("10");
      const char* names[10] = {"K1", "O1", "P1", "Q1", "N2", "M2", "S2", "K2", "M4", "MS4"};
      for (const char* n : names) {
        s.clear();
        vm::putE(s, 1.405e-4, 21, 10);
        vm::putF(s, 1.0, 11, 7);
        vm::putF(s, 0.5, 13, 8);
        s += "  ";
        vm::putA(s, n, -1);
        s.resize(57, ' ');
        tdb.line(s);
      }
      tdb.line(std::to_string(np));
      std::uniform_real_distribution<double> amp(0.0, 1.5), pha(0.0, 360.0);
      for (long n = 1; n <= np; ++n)
        for (int q = 0; q < 3; ++q) {
          s.clear();
          if (q == 0) vm::putI(s, n, 8);
          else s.append(8, ' ');
          for (int k = 0; k < 10; ++k) {
            vm::putF(s, amp(rng), 9, 5);
            vm::putF(s, pha(rng), 9, 3);
          }
          tdb.line(s);
        }
      vm::OutFile mesh("model.14");
      mesh.line("model");
      mesh.line("1 " + std::to_string(points));
      std::uniform_real_distribution<double> px(x0 - 1.0, x0 + step * (side - 1) + 1.0), py(y0, y0 + step * (side - 1));
      for (int k = 1; k <= points; ++k) {
        s.clear();
        vm::putI(s, k, 8);
        vm::putF(s, px(rng), 16, 8);
        vm::putF(s, py(rng), 16, 8);
        s += " 10.0";
        mesh.line(s);
      }
      mesh.line("1 3 1 2 3");
      mesh.line("1");
      mesh.line(std::to_string(points));
      mesh.line(std::to_string(points));
      for (int k = 1; k <= points; ++k) mesh.line(std::to_string(k));
      mesh.line("0");
      mesh.line("0");
    }
    auto t1 = std::chrono::steady_clock::now();
    std::istringstream in("model.14\n");
    std::ostringstream out;
    vm::Console con(in, out);
    vm::tb3307extract(con);
    auto t2 = std::chrono::steady_clock::now();
    const auto size = fs::file_size("tb3307.tdb");
    size_t warnings = 0;
    for (size_t at = out.str().find("WARNING"); at != std::string::npos; at = out.str().find("WARNING", at + 1)) ++warnings;
    std::fprintf(stderr, "%zu points outside the database\n", warnings);
    bench::report("tb3307extract (option 44), data file read",
                  std::to_string(points) + " points, " + std::to_string(2L * (side - 1) * (side - 1)) + " elements",
                  static_cast<double>(size), std::chrono::duration<double>(t2 - t1).count());
    (void)t0;
  });
}
