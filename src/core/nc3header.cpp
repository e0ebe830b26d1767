#include "core/nc3header.hpp"

#include <cstdint>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace vm {

namespace {

constexpr uint64_t kDimensionTag = 0x0A, kVariableTag = 0x0B, kAttributeTag = 0x0C;
constexpr uint64_t kMaxName = 256;    // the library's longest name
constexpr uint64_t kMaxRank = 1024;   // the library's most dimensions of a variable

struct Fault {
  std::string what;
  bool header = true;  // a fault of the header itself, not of the data it describes
};

using Wide = unsigned __int128;
constexpr Wide kHuge = Wide{1} << 100;  // sizes are held below this, so that sums cannot overflow
constexpr uint64_t kTypeSize[] = {0, 1, 1, 2, 4, 4, 8, 1, 2, 4, 8, 8};

// Where a variable's data lie: from `begin`, `bytes` (per record for a record variable).
struct Extent {
  std::string name;
  bool record = false;
  Wide bytes = 0;
  uint64_t begin = 0;
};

// The header is read as far as it goes, a block at a time, checked against the file's size.
class Header {
 public:
  Header(std::FILE* f, uint64_t size, int version) : f_(f), size_(size), version_(version) {}

  void check() {
    pos_ = 4;
    const uint64_t numrecs = wide(countSize(), "the record count");
    const bool streaming = numrecs == (countSize() == 8 ? ~uint64_t{0} : uint64_t{0xFFFFFFFF});
    const uint64_t ndims = list(kDimensionTag, "dimensions");
    std::vector<uint64_t> dims;
    for (uint64_t d = 0; d < ndims; ++d) {
      name("a dimension name");
      dims.push_back(count("a dimension length"));  // 0: the record dimension
    }
    attributes("global attributes");
    const uint64_t nvars = list(kVariableTag, "variables");
    std::vector<Extent> vars;
    for (uint64_t v = 0; v < nvars; ++v) {
      Extent& e = vars.emplace_back();
      e.name = name("a variable name");
      const uint64_t rank = count("the rank of a variable");
      if (rank > kMaxRank) throw Fault{"a variable of " + std::to_string(rank) + " dimensions"};
      need(rank * countSize(), "the dimensions of a variable");
      Wide values = 1;
      for (uint64_t k = 0; k < rank; ++k) {
        const uint64_t d = count("a dimension of a variable");
        if (d >= ndims) throw Fault{"a variable names a dimension the file lacks"};
        if (dims[d] == 0) e.record = true;
        else values = std::min<Wide>(values * dims[d], kHuge);
      }
      attributes("the attributes of a variable");
      e.bytes = std::min<Wide>(values * kTypeSize[type("the type of a variable")], kHuge);
      wide(countSize(), "the size of a variable");  // all ones for a very large variable
      e.begin = wide(version_ == 1 ? 4 : 8, "the offset of a variable");
    }
    dataExtents(vars, streaming ? 0 : numrecs);
  }

 private:
  size_t countSize() const { return version_ == 5 ? 8 : 4; }

  // The data of every variable must lie inside the file: the library would hand out zeros
  // for the part of a file that was cut short. Records are laid one after the other, each
  // holding every record variable's slab padded to 4 bytes (unpadded when there is one).
  void dataExtents(const std::vector<Extent>& vars, uint64_t numrecs) const {
    Wide recsize = 0;
    size_t records = 0;
    for (const Extent& e : vars)
      if (e.record) ++records;
    for (const Extent& e : vars)
      if (e.record) recsize += records == 1 ? e.bytes : (e.bytes + 3) / 4 * 4;
    for (const Extent& e : vars) {
      // Without records a record variable holds nothing; its offset, within a first record
      // that was never written, may lie past the end of the file.
      if (e.record && numrecs == 0) continue;
      Wide end = e.begin;
      if (!e.record) end += e.bytes;
      else end += (numrecs - 1) * recsize + e.bytes;
      if (end > size_)
        throw Fault{"the data of variable '" + e.name + "' run past the end of the file, which is cut short", false};
    }
  }

  uint64_t left() const { return size_ - pos_; }
  // The next n bytes must be in the file; they are read when they are to be looked at.
  void need(uint64_t n, const char* what, bool look = false) {
    if (n > left()) throw Fault{"the header ends inside " + std::string(what)};
    if (!look) return;
    while (b_.size() < pos_ + n) {
      unsigned char buf[1 << 14];
      const size_t got = std::fread(buf, 1, sizeof buf, f_);
      if (got == 0) throw Fault{"the file cannot be read"};
      b_.insert(b_.end(), buf, buf + got);
    }
  }
  uint64_t wide(size_t width, const char* what) {
    need(width, what, true);
    uint64_t v = 0;
    for (size_t k = 0; k < width; ++k) v = v << 8 | b_[pos_ + k];
    pos_ += width;
    return v;
  }
  // A count: 32 bits (64 in the 64-bit data form), never negative.
  uint64_t count(const char* what) {
    const uint64_t v = wide(countSize(), what);
    if (v >> (countSize() * 8 - 1)) throw Fault{"a negative count in " + std::string(what)};
    return v;
  }
  std::string name(const char* what) {
    const uint64_t len = count(what);
    if (len == 0 || len > kMaxName) throw Fault{std::string(what) + " of " + std::to_string(len) + " bytes"};
    need((len + 3) / 4 * 4, what, true);
    std::string n(reinterpret_cast<const char*>(b_.data() + pos_), len);
    pos_ += (len + 3) / 4 * 4;
    return n;
  }
  int type(const char* what) {
    const uint64_t t = wide(4, what);
    if (t < 1 || t > (version_ == 5 ? 11u : 6u)) throw Fault{"an unknown type in " + std::string(what)};
    return static_cast<int>(t);
  }
  // A tagged list: the tag and its length, or the absent list (both zero).
  uint64_t list(uint64_t tag, const char* what) {
    const uint64_t t = wide(4, what);
    const uint64_t n = count(what);
    if (t == 0 && n == 0) return 0;
    if (t != tag) throw Fault{"the list of " + std::string(what) + " has a wrong tag"};
    // Every element takes at least a name length and one padded name byte.
    if (n > left() / (countSize() + 4)) throw Fault{"the list of " + std::string(what) + " is longer than the file"};
    return n;
  }
  void attributes(const char* what) {
    const uint64_t n = list(kAttributeTag, what);
    for (uint64_t a = 0; a < n; ++a) {
      name("an attribute name");
      const int t = type("the type of an attribute");
      const uint64_t values = count("the length of an attribute");
      const uint64_t size = kTypeSize[t];
      if (values > left() / size) throw Fault{"the header ends inside the values of an attribute"};
      const uint64_t bytes = (values * size + 3) / 4 * 4;
      need(bytes, "the values of an attribute");
      pos_ += bytes;
    }
  }

  std::FILE* f_;
  uint64_t size_;
  int version_;
  std::vector<unsigned char> b_;  // the bytes read so far, from the start of the file
  uint64_t pos_ = 0;
};

}  // namespace

std::string classicHeaderFault(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return {};
  unsigned char magic[4] = {};
  long size = -1;
  if (std::fread(magic, 1, 4, f) == 4 && std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
  const int version = magic[3];
  if (size < 4 || magic[0] != 'C' || magic[1] != 'D' || magic[2] != 'F' || (version != 1 && version != 2 && version != 5) ||
      std::fseek(f, 0, SEEK_SET) != 0) {
    std::fclose(f);
    return {};
  }
  std::string fault;
  try {
    Header(f, static_cast<uint64_t>(size), version).check();
  } catch (const Fault& e) {
    fault = e.header ? "its header is damaged: " + e.what : e.what;
  }
  std::fclose(f);
  return fault;
}

}  // namespace vm
