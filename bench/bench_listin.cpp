// List-directed reading speed on numeric lines like "   123456  -0.1234567890E+01",
// the shape of the model's global output files.
#include <cstdio>
#include <string>

#include "bench_util.hpp"
#include "core/fmt.hpp"
#include "core/lines.hpp"
#include "core/listin.hpp"
#include "scratch.hpp"

int main(int argc, char** argv) {
  return bench::guarded([&] {
    const long lines = argc > 1 ? std::stol(argv[1]) : 10'000'000;
    const ScratchFolder scratch;
    const std::string path = "listin.txt";
    {
      std::FILE* f = std::fopen(path.c_str(), "wb");
      std::string buf;
      for (long k = 1; k <= lines; ++k) {
        vm::putI(buf, k, 9);
        buf += "  ";
        vm::putE(buf, (k % 2 ? -1.0 : 1.0) * 0.1234567890123 * static_cast<double>(k % 1000 + 1), 17, 10);
        buf += '\n';
        if (buf.size() > (1 << 20)) {
          std::fwrite(buf.data(), 1, buf.size(), f);
          buf.clear();
        }
      }
      std::fwrite(buf.data(), 1, buf.size(), f);
      std::fclose(f);
    }
    double bytes = 0, sum = 0;
    const double t0 = bench::now();
    {
      vm::FileReader in(path);
      std::string_view ln;
      long node;
      double v;
      while (in.next(ln)) {
        vm::readLine(ln, &in, "node and value", node, v);
        sum += v + static_cast<double>(node);
        bytes += static_cast<double>(ln.size() + 1);
      }
    }
    const double t = bench::now() - t0;
    if (sum == 0.123) std::puts("");  // keep the loop honest
    bench::report("list-directed read (integer, real per line)", std::to_string(lines) + " lines", bytes, t);
  });
}
