// The CRMS converter: one comma-separated download for all stations and a stations file
// searched for every station block. The first byte chooses the date window.
#include <iterator>

#include "rawinput.hpp"
#include "tools.hpp"

namespace {

// Windows inside one year, and one across the year end (the run stops before any file).
const char* const kWindows[] = {
    "2008 1 1 0 0 0\n2008 12 31 23 59 59\n",
    "2008 3 1 0 0 0\n2008,12,31,21,0,0\n",
    "2007 6 15 10 0 0\n2007 6 15 10 0 0\n",
    "2008 13 1 0 0 0\n2008 1 1 0 0 0\n2008 2 29 0 0 0\n",
    "2008 12 1 0 0 0\n2009 1 1 0 0 0\n",
};

}  // namespace

VM_FUZZ_TARGET(crms2talvo) {
  if (size == 0) return;
  const std::string window = kWindows[data[0] % std::size(kWindows)];
  // The data file "a" and the stations file "b"; neither is named by the input.
  const std::vector<std::string> p = fuzz::parts(data + 1, size - 1, 2);
  fuzz::put("a", p[0]);
  fuzz::put("b", p[1]);
  fuzz::runTool(window + "a\nb\n", [](vm::Console& c) { vm::crms2talvo(c); });
}
