#include "shell/choosefile.hpp"

#include <cstdlib>
#include <utility>
#include <vector>

#include "core/lines.hpp"
#include "core/text.hpp"

namespace vm {

namespace {

const char* extension(int kind) {
  switch (kind) {
    case kTalvo: return "TALVO";
    case kStations: return "Stations";
    case kSixtyOne: return "61";
    case kTxt: return "txt";
    default: return "cntrl";
  }
}

ListingRunner& runner() {
  static ListingRunner r = nullptr;
  return r;
}

}  // namespace

ListingRunner setListingRunner(ListingRunner r) {
  std::swap(r, runner());
  return r;
}

std::string listingCommand(int kind, const std::string& os) {
  std::string ext = extension(kind);
  if (rtrim(os) == "unix") return "ls -1 -p *." + ext + "> choosefilelist";
  return "dir /b *." + ext + "> choosefilelist";
}

std::string choosefile(Console& con, int kind, const std::string& os) {
  con.flush();
  std::string cmd = listingCommand(kind, os);
  if (runner()) {
    runner()(cmd);
  } else {
    int ignored = std::system(cmd.c_str());  // its exit status is not examined
    (void)ignored;
  }

  std::vector<std::string> names;
  {
    FileReader list("choosefilelist");
    std::string_view ln;
    while (list.next(ln)) names.emplace_back(rtrim(cut(ln, 120)));
  }
  for (size_t k = 0; k < names.size(); ++k)
    con.say(FreeLine().i(static_cast<long long>(k + 1)).t(") ").t(names[k]));
  con.say(FreeLine().i(static_cast<long long>(names.size() + 1)).t(") ").t("User-Defined"));

  long long sel;
  con.prompt("Enter Selection: ");
  for (;;) {
    sel = con.readField10("Enter Selection: ");
    if (sel >= 1) break;
    con.prompt("Enter Selection: ");
  }

  std::string result;
  if (sel < static_cast<long long>(names.size()) + 1) {
    result = names[static_cast<size_t>(sel - 1)];
  } else {
    con.prompt("Enter User-Defined Filename:");
    con.read("a file name", result);
    result = std::string(rtrim(cut(result, 120)));
  }
  con.say(pad(result, 120));
  return result;
}

}  // namespace vm
