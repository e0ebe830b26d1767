// Small dialogue helpers shared by the boundary forcing tools.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/console.hpp"
#include "core/files.hpp"
#include "core/text.hpp"

namespace vm {

// Names typed at the prompts are held in 120 characters and used without trailing blanks.
inline constexpr size_t kNameWidth = 120;

inline std::string asName(std::string_view typed) { return std::string(rtrim(cut(typed, kNameWidth))); }

// Writes the prompt as a message of its own and reads one name.
inline std::string askName(Console& con, std::string_view prompt, std::string_view what) {
  con.say(prompt);
  std::string typed;
  con.read(what, typed);
  return asName(typed);
}

// Reads a name that must not denote any of the files given; a name that does is refused
// with a message and asked again.
template <class... Names>
std::string askOutputName(Console& con, std::string_view prompt, std::string_view what, const Names&... inputs) {
  for (;;) {
    std::string name = askName(con, prompt, what);
    if (!(sameFile(name, inputs) || ...)) return name;
    con.say("The output file must not be one of the input files; enter another name.");
  }
}

inline std::string hyphens(size_t n) { return std::string(n, '-'); }

// The opening of a tool: an empty line, the title lines between two lines of hyphens, an
// empty line.
inline void banner(Console& con, size_t width, std::initializer_list<std::string_view> lines) {
  con.empty();
  con.say(hyphens(width));
  for (std::string_view l : lines) con.say(l);
  con.say(hyphens(width));
  con.empty();
}

}  // namespace vm
