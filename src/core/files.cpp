#include "core/files.hpp"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "core/error.hpp"

namespace vm {

OutFile::OutFile(const std::string& path) : name_(path) {
  f_ = std::fopen(path.c_str(), "wb");
  if (!f_) fail("cannot create output file '" + path + "': " + std::strerror(errno));
}

OutFile::~OutFile() {
  if (f_) {
    if (!buf_.empty()) std::fwrite(buf_.data(), 1, buf_.size(), f_);
    std::fclose(f_);
  }
}

void OutFile::put(std::string_view s) {
  if (buf_.size() + s.size() > (1 << 20)) {
    if (!buf_.empty() && std::fwrite(buf_.data(), 1, buf_.size(), f_) != buf_.size())
      fail("cannot write output file '" + name_ + "': " + std::strerror(errno));
    buf_.clear();
    if (s.size() > (1 << 19)) {
      if (std::fwrite(s.data(), 1, s.size(), f_) != s.size())
        fail("cannot write output file '" + name_ + "': " + std::strerror(errno));
      return;
    }
  }
  buf_ += s;
}

void OutFile::close() {
  if (!f_) return;
  bool ok = buf_.empty() || std::fwrite(buf_.data(), 1, buf_.size(), f_) == buf_.size();
  buf_.clear();
  ok = (std::fclose(f_) == 0) && ok;
  f_ = nullptr;
  if (!ok) fail("cannot write output file '" + name_ + "'");
}

bool sameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  return a == b;
}

bool readWholeFile(const std::string& path, std::string& content) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  content.clear();
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) content.append(buf, n);
  std::fclose(f);
  return true;
}

}  // namespace vm
