#include "core/lines.hpp"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "core/error.hpp"

namespace vm {

std::string_view LineSource::need(std::string_view expected) {
  std::string_view line;
  if (!next(line)) failEnd(expected);
  return line;
}

void LineSource::fail(std::string_view what) const {
  vm::fail(name_ + ", line " + std::to_string(lineno_) + ": " + std::string(what));
}

void LineSource::failEnd(std::string_view expected) const {
  std::string msg = name_ + ": unexpected end of file after line " + std::to_string(lineno_);
  if (!expected.empty()) msg += ", expected " + std::string(expected);
  vm::fail(msg);
}

FileReader::FileReader(const std::string& path, size_t bufferSize) : LineSource(path) {
  f_ = std::fopen(path.c_str(), "rb");
  if (!f_) vm::fail("cannot open input file '" + path + "': " + std::strerror(errno));
  // A file smaller than the buffer gets a buffer of its own size: small files (station
  // lists, control files) are opened often and need no megabytes each.
  struct stat st;
  if (::fstat(::fileno(f_), &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 0 &&
      static_cast<unsigned long long>(st.st_size) < bufferSize)
    bufferSize = static_cast<size_t>(st.st_size) + 1;
  buf_.resize(bufferSize < 4096 ? 4096 : bufferSize);
}

FileReader::~FileReader() {
  if (f_) std::fclose(f_);
}

bool FileReader::refill() {
  if (eof_) return false;
  if (begin_ > 0) {
    std::memmove(buf_.data(), buf_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buf_.size()) buf_.resize(buf_.size() * 2);  // a line longer than the buffer
  size_t got = std::fread(buf_.data() + end_, 1, buf_.size() - end_, f_);
  if (got == 0) {
    if (std::ferror(f_)) vm::fail("read error on file '" + name() + "': " + std::strerror(errno));
    eof_ = true;
    return false;
  }
  end_ += got;
  return true;
}

bool FileReader::fetch(std::string_view& line) {
  size_t searched = 0;  // bytes after begin_ already searched for a line end
  for (;;) {
    const char* base = buf_.data() + begin_;
    const size_t avail = end_ - begin_;
    const void* nl = std::memchr(base + searched, '\n', avail - searched);
    if (nl) {
      const size_t len = static_cast<size_t>(static_cast<const char*>(nl) - base);
      line = std::string_view(base, len);
      begin_ += len + 1;
      return true;
    }
    searched = avail;
    if (!refill()) {
      if (begin_ == end_) return false;
      line = std::string_view(buf_.data() + begin_, end_ - begin_);  // last line without a line end
      begin_ = end_;
      return true;
    }
  }
}

bool StreamLines::fetch(std::string_view& line) {
  if (!std::getline(in_, cur_)) return false;
  line = cur_;
  return true;
}

bool TextLines::fetch(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  size_t nl = text_.find('\n', pos_);
  if (nl == std::string::npos) nl = text_.size();
  line = std::string_view(text_).substr(pos_, nl - pos_);
  pos_ = nl + 1;
  return true;
}

bool fileExists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

}  // namespace vm
