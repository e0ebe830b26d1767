#include "core/ncplausible.hpp"

#include <filesystem>
#include <limits>

namespace vm {

void plausibleSize(const NcFile& f, const NcFile::Var& v) {
  std::error_code ec;
  const auto bytes = std::filesystem::file_size(f.name(), ec);
  const size_t fileSize = ec ? 0 : static_cast<size_t>(bytes);
  const size_t cap = std::numeric_limits<size_t>::max() / 8;
  size_t limit = (fileSize < cap / kNcMostExpansion ? fileSize * kNcMostExpansion : cap) + (size_t{1} << 20);
  limit /= 8;  // values of 8 bytes
  size_t n = 1;
  for (size_t len : v.shape) {
    if (len != 0 && n > limit / len) {
      std::string shape;
      for (size_t k = 0; k < v.shape.size(); ++k) shape += (k ? " x " : "") + std::to_string(v.shape[k]);
      f.fail("variable '" + v.name + "' announces " + shape + " values; the file is too small to hold them");
    }
    n *= len;
  }
}

}  // namespace vm
