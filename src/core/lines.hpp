// Line sources: text files read through a large buffer, and console input.
// Every line is handed out without its line end; one trailing carriage return is dropped.
#pragma once
#include <cstdio>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

class LineSource {
 public:
  virtual ~LineSource() = default;

  // Next line, or false at the end of the input.
  bool next(std::string_view& line) {
    if (!fetch(line)) return false;
    ++lineno_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
  }
  // Next line; the end of the input is a fatal error naming what was expected.
  std::string_view need(std::string_view expected);

  const std::string& name() const { return name_; }
  // Number of the line last handed out (1 for the first line).
  long lineNo() const { return lineno_; }

  // A fatal error at the current line: "<name>, line N: <what>".
  [[noreturn]] void fail(std::string_view what) const;
  [[noreturn]] void failEnd(std::string_view expected) const;

 protected:
  explicit LineSource(std::string name) : name_(std::move(name)) {}
  virtual bool fetch(std::string_view& line) = 0;

 private:
  std::string name_;
  long lineno_ = 0;
};

// Storage that is not zero-filled when a vector grows: a read buffer is always written by
// the read before it is looked at, and filling a large buffer for every file opened (most
// files are small) costs more than reading them.
template <class T>
struct UninitializedAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = UninitializedAllocator<U>;
  };
  UninitializedAllocator() = default;
  template <class U>
  UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
};

// A text file opened as existing and read-only. Missing files are fatal.
class FileReader : public LineSource {
 public:
  explicit FileReader(const std::string& path, size_t bufferSize = 1 << 20);
  ~FileReader() override;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

 protected:
  bool fetch(std::string_view& line) override;

 private:
  bool refill();
  std::FILE* f_ = nullptr;
  std::vector<char, UninitializedAllocator<char>> buf_;
  size_t begin_ = 0, end_ = 0;
  bool eof_ = false;
};

// Lines of an input stream (the console's standard input).
class StreamLines : public LineSource {
 public:
  StreamLines(std::istream& in, std::string name) : LineSource(std::move(name)), in_(in) {}

 protected:
  bool fetch(std::string_view& line) override;

 private:
  std::istream& in_;
  std::string cur_;
};

// Lines held in memory (tests and internal reads of several lines).
class TextLines : public LineSource {
 public:
  TextLines(std::string text, std::string name) : LineSource(std::move(name)), text_(std::move(text)) {}

 protected:
  bool fetch(std::string_view& line) override;

 private:
  std::string text_;
  size_t pos_ = 0;
};

bool fileExists(const std::string& path);

}  // namespace vm
