#include "core/nc3header.hpp"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace vm {

namespace {

constexpr uint64_t kDimensionTag = 0x0A, kVariableTag = 0x0B, kAttributeTag = 0x0C;
constexpr uint64_t kMaxName = 256;    // the library's longest name
constexpr uint64_t kMaxRank = 1024;   // the library's most dimensions of a variable

struct Fault {
  std::string what;
};

// The header is read as far as it goes, a block at a time, checked against the file's size.
class Header {
 public:
  Header(std::FILE* f, uint64_t size, int version) : f_(f), size_(size), version_(version) {}

  void check() {
    pos_ = 4;
    wide(version_ == 5 ? 8 : 4, "the record count");
    const uint64_t ndims = list(kDimensionTag, "dimensions");
    for (uint64_t d = 0; d < ndims; ++d) {
      name("a dimension name");
      count("a dimension length");
    }
    attributes("global attributes");
    const uint64_t nvars = list(kVariableTag, "variables");
    for (uint64_t v = 0; v < nvars; ++v) {
      name("a variable name");
      const uint64_t rank = count("the rank of a variable");
      if (rank > kMaxRank) throw Fault{"a variable of " + std::to_string(rank) + " dimensions"};
      need(rank * countSize(), "the dimensions of a variable");
      for (uint64_t k = 0; k < rank; ++k)
        if (count("a dimension of a variable") >= ndims) throw Fault{"a variable names a dimension the file lacks"};
      attributes("the attributes of a variable");
      type("the type of a variable");
      wide(countSize(), "the size of a variable");  // all ones for a very large variable
      wide(version_ == 1 ? 4 : 8, "the offset of a variable");
    }
  }

 private:
  size_t countSize() const { return version_ == 5 ? 8 : 4; }

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
  void name(const char* what) {
    const uint64_t len = count(what);
    if (len == 0 || len > kMaxName) throw Fault{std::string(what) + " of " + std::to_string(len) + " bytes"};
    need((len + 3) / 4 * 4, what);
    pos_ += (len + 3) / 4 * 4;
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
      static const uint64_t sizes[] = {0, 1, 1, 2, 4, 4, 8, 1, 2, 4, 8, 8};
      const uint64_t size = sizes[t];
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
    fault = e.what;
  }
  std::fclose(f);
  return fault;
}

}  // namespace vm
