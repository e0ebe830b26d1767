#include "fuzz.hpp"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/error.hpp"
#include "shell/choosefile.hpp"

namespace fuzz {

std::vector<Target>& targets() {
  static std::vector<Target> all;
  return all;
}

namespace {
std::string& scratch() {
  static std::string dir;
  return dir;
}
}  // namespace

void enterScratch() {
  if (scratch().empty()) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "velmorant-fuzz-XXXXXX").string();
    if (::mkdtemp(tmpl.data()) == nullptr) std::abort();
    scratch() = tmpl;
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(scratch(), ec);
    });
  }
  std::filesystem::current_path(scratch());
}

std::string scratchDir() { return scratch(); }

void clean() {
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(scratch(), ec)) std::filesystem::remove_all(e.path(), ec);
}

std::string text(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

std::vector<std::string> parts(const std::uint8_t* data, std::size_t size, std::size_t n) {
  std::vector<std::string> out(n);
  std::size_t k = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\f' && k + 1 < n) {
      ++k;
      continue;
    }
    out[k].push_back(static_cast<char>(data[i]));
  }
  return out;
}

void put(const std::string& name, std::string_view content) {
  std::ofstream f(name, std::ios::binary);
  f.write(content.data(), static_cast<std::streamsize>(content.size()));
}

namespace {

// The chooser's Unix listing "ls -1 -p *.EXT> choosefilelist", done in-process: a shell per
// chooser call would make the chooser-driven tools a hundred times slower to fuzz and to
// replay. Names starting with a dot are not matched, folders get a slash, byte order.
void listInProcess(const std::string& command) {
  const std::string head = "ls -1 -p *.", tail = "> choosefilelist";
  std::vector<std::string> names;
  if (command.size() > head.size() + tail.size() && command.compare(0, head.size(), head) == 0 &&
      command.compare(command.size() - tail.size(), tail.size(), tail) == 0) {
    std::string suffix(1, '.');
    suffix.append(command, head.size(), command.size() - head.size() - tail.size());
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(".", ec)) {
      const std::string name = e.path().filename().string();
      if (name[0] == '.' || name.size() < suffix.size() ||
          name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        continue;
      names.push_back(e.is_directory(ec) ? name + "/" : name);
    }
    std::sort(names.begin(), names.end());
  }
  std::string list;
  for (const std::string& n : names) list += n + "\n";
  put("choosefilelist", list);
}

}  // namespace

void runTool(const std::string& answers, const std::function<void(vm::Console&)>& tool) {
  std::istringstream in(answers);
  std::ostringstream out;
  vm::Console con(in, out);
  struct InProcessListing {
    vm::ListingRunner shell = vm::setListingRunner(&listInProcess);
    ~InProcessListing() { vm::setListingRunner(shell); }
  } listing;
  try {
    tool(con);
  } catch (const vm::Failure&) {
  }
}

}  // namespace fuzz
