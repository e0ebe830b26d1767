// The comparison's report: one self-contained XHTML file with inline SVG plots.
#include "comparison/comparison.hpp"
#include "core/files.hpp"

namespace vm::cmp {

void writeReport(const Comparison& c, const std::string& path) {
  // Placeholder until the plotting lands: the title and the file names only.
  (void)c;
  (void)path;
}

}  // namespace vm::cmp
