// Harmonic file decomposition of 10 constituents on a mesh of about 500,000 nodes and
// 1,000,000 elements: 20 output files of about 2 GB in all. Prints the time of the tool
// run; everything is generated in a scratch folder that is removed afterwards.
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

    const int side = 708;  // side x side nodes
    const int nfreq = 10;
    const long np = static_cast<long>(side) * side, ne = 2L * (side - 1) * (side - 1);
    std::mt19937 rng(5);
    auto t0 = std::chrono::steady_clock::now();
    {
      vm::OutFile mesh("fort.14");
      mesh.line("synthetic mesh");
      mesh.line(std::to_string(ne) + " " + std::to_string(np));
      std::string s;
      std::uniform_real_distribution<double> depth(1.0, 4000.0);
      for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c) {
          s.clear();
          vm::putI(s, static_cast<long long>(r) * side + c + 1, 10);
          vm::putF(s, -98.0 + 0.01 * c, 16, 8);
          vm::putF(s, 8.0 + 0.01 * r, 16, 8);
          vm::putF(s, depth(rng), 12, 4);
          mesh.line(s);
        }
      long e = 0;
      for (int r = 0; r + 1 < side; ++r)
        for (int c = 0; c + 1 < side; ++c) {
          const long a = static_cast<long>(r) * side + c + 1, b = a + 1, d = a + side, f = d + 1;
          mesh.line(std::to_string(++e) + " 3 " + std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(f));
          mesh.line(std::to_string(++e) + " 3 " + std::to_string(a) + " " + std::to_string(f) + " " + std::to_string(d));
        }
      mesh.line("0");
      mesh.line("0");
      mesh.line("0");
      mesh.line("0");
      vm::OutFile h("fort.53");
      h.line(std::to_string(nfreq));
      const char* names[nfreq] = {"K1", "O1", "P1", "Q1", "N2", "M2", "S2", "K2", "M4", "MS4"};
      for (const char* n : names) h.line("  0.1405189025E-03  1.0000000   0.00000000  " + std::string(n));
      h.line(std::to_string(np));
      std::uniform_real_distribution<double> amp(0.0, 2.0), pha(0.0, 360.0);
      for (long n = 1; n <= np; ++n) {
        h.line(std::to_string(n));
        for (int k = 0; k < nfreq; ++k) {
          s.clear();
          vm::putE(s, amp(rng), 16, 8);
          vm::putF(s, pha(rng), 12, 4);
          h.line(s);
        }
      }
    }
    auto t1 = std::chrono::steady_clock::now();
    std::istringstream in("fort.14\nfort.53\n");
    std::ostringstream out;
    vm::Console con(in, out);
    vm::decompose53(con);
    auto t2 = std::chrono::steady_clock::now();
    std::uintmax_t written = 0;
    int files = 0;
    for (const auto& f : fs::directory_iterator(scratch.path()))
      if (f.path().extension() == ".63") written += f.file_size(), ++files;
    bench::report("decompose53 (option 45), bytes written",
                  std::to_string(np) + " nodes, " + std::to_string(nfreq) + " constituents, " + std::to_string(files) +
                      " files",
                  static_cast<double>(written), std::chrono::duration<double>(t2 - t1).count());
    (void)t0;
  });
}
