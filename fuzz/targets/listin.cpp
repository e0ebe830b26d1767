// List-directed reads of every item kind, on a file-backed line source (reads continue onto
// the next lines) and on single lines (reads fail when the line runs out).
#include "core/error.hpp"
#include "core/lines.hpp"
#include "core/listin.hpp"
#include "fuzz.hpp"

VM_FUZZ_TARGET(listin) {
  const std::string all = fuzz::text(data, size);
  const unsigned char pattern = size > 0 ? data[0] : 0;
  try {
    vm::TextLines src(all, "fuzz");
    while (true) {
      vm::ListScanner s(src, "items");
      int i = 0;
      long long l = 0;
      double d = 0;
      float f = 0;
      std::string t;
      // The first byte chooses which kinds of item each read asks for.
      if (pattern & 1) s.get(i);
      if (pattern & 2) s.get(d);
      if (pattern & 4) s.get(t);
      if (pattern & 8) s.get(l);
      if (pattern & 16) s.get(f);
      s.get(t);
    }
  } catch (const vm::Failure&) {
  }
  std::string_view rest = all;
  while (!rest.empty()) {
    const size_t nl = rest.find('\n');
    const std::string_view line = rest.substr(0, nl);
    rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
    try {
      vm::ListScanner s(line, nullptr, "one line");
      double d = 0;
      std::string t;
      long long l = 0;
      s.get(d);
      s.get(t);
      s.get(l);
    } catch (const vm::Failure&) {
    }
    long long v;
    double r;
    float f;
    vm::parseInt(line, v);
    vm::parseReal(line, r);
    vm::parseReal(line, f);
  }
}
