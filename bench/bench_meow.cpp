// Maximum envelope of 20 max files of 2 million nodes each (node lines "(I10,E22.10)", as
// the envelope itself writes them).
#include <string>
#include <vector>

#include "modelout_data.hpp"
#include "scratch.hpp"
#include "tools.hpp"

int main(int argc, char** argv) {
  return bench::guarded([&] {
    const long np = argc > 1 ? std::stol(argv[1]) : 2'000'000;
    const int files = argc > 2 ? std::stoi(argv[2]) : 20;
    const ScratchFolder scratch;
    std::vector<std::string> names;
    std::string list;
    double bytes = 0;
    for (int f = 0; f < files; ++f) {
      names.push_back("meow" + std::to_string(f) + ".63");
      list += bench::quoted(names.back()) + "\n";
      bench::Writer w(names.back());
      w.buf() += "Run" + std::to_string(f) + " of the envelope benchmark\n         1 " + std::to_string(np) +
                 " 0.3600000E+04 360 1\n  0.000000E+00 0";
      w.line();
      for (long k = 1; k <= np; ++k) {
        vm::putI(w.buf(), k, 10);
        const double v = (k + f) % 9 == 0 ? -99999.0 : std::sin(0.0001 * static_cast<double>(k) * (f + 1));
        vm::putE(w.buf(), v, 22, 10);
        w.line();
      }
      bytes += w.bytes();
    }
    const std::string listName = "meow.list", out = "meow.envelope.63";
    {
      bench::Writer w(listName);
      w.buf() += list;
    }
    bench::isolated([&] {
      const double t = bench::timeTool(bench::quoted(out) + "\n" + bench::quoted(listName) + "\n" +
                                           std::to_string(files) + "\n",
                                       [](vm::Console& c) { vm::meow(c, "unix"); });
      bench::report("meow (maximum envelope)", std::to_string(files) + " max files of " + std::to_string(np) + " nodes",
                    bytes, t);
    });
  });
}
