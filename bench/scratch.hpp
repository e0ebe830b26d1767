// A scratch folder for a benchmark: created empty in the temporary folder ($TMPDIR, else
// /tmp), made the working directory, and removed with everything in it at the end.
#pragma once
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "velmorant-bench-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a scratch folder");
    dir_ = tmpl;
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
  }
  ~ScratchFolder() {
    std::filesystem::current_path(old_);
    std::filesystem::remove_all(dir_);
  }
  const std::filesystem::path& path() const { return dir_; }
  // Removes everything in the folder (to keep the disk use of a long benchmark down).
  void clear() const {
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) std::filesystem::remove_all(entry.path());
  }

 private:
  std::filesystem::path dir_, old_;
};
