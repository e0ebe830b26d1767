// Output files and file identity.
#pragma once
#include <cstdio>
#include <string>
#include <string_view>

namespace vm {

// A text file created or replaced, written through a large buffer. Whatever was written
// reaches the disk when the file is closed or destroyed, also when a fatal error unwinds.
class OutFile {
 public:
  explicit OutFile(const std::string& path);
  ~OutFile();
  OutFile(const OutFile&) = delete;
  OutFile& operator=(const OutFile&) = delete;

  void put(std::string_view s);
  void line(std::string_view s) {
    put(s);
    put("\n");
  }
  void close();
  const std::string& name() const { return name_; }

 private:
  std::FILE* f_ = nullptr;
  std::string name_;
  std::string buf_;  // grows with what is written, up to 1 MB before it goes to the file
};

// True when the two names denote the same file: the same file on disk when both exist,
// otherwise the same name.
bool sameFile(const std::string& a, const std::string& b);

// Copies a whole file byte for byte (false if the source cannot be read).
bool readWholeFile(const std::string& path, std::string& content);

}  // namespace vm
