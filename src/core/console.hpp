// The console a tool talks through: an input stream for answers and an output stream for
// prompts, messages and progress lines. The executable binds it to standard input and
// output; tests bind it to strings.
#pragma once
#include <iostream>
#include <string>
#include <string_view>

#include "core/fmt.hpp"
#include "core/listin.hpp"
#include "core/lines.hpp"

namespace vm {

class Console {
 public:
  Console(std::istream& in, std::ostream& out) : input_(in, "standard input"), out_(out) {}

  // Output.
  void line(std::string_view s) {  // a line written as it stands
    out_ << s << '\n';
  }
  void say(std::string_view text) {  // a free-format message: one blank, then the text
    out_ << ' ' << text << '\n';
  }
  void say(const FreeLine& l) { out_ << l.str() << '\n'; }
  void empty() { out_ << '\n'; }
  void prompt(std::string_view s) {  // leaves the cursor on the line
    out_ << s;
    out_.flush();
  }
  std::ostream& out() { return out_; }
  void flush() { out_.flush(); }

  // Input.
  LineSource& input() { return input_; }
  // One whole answer line; the end of input is fatal.
  std::string_view readLine(std::string_view expected) { return input_.need(expected); }
  // A list-directed read of an answer (continues over several lines while items are missing).
  template <class... T>
  bool read(std::string_view expected, T&... items) {
    out_.flush();
    return readList(input_, expected, items...);
  }
  // A number typed into a 10-column integer field (menu choices, chooser selections):
  // only the first 10 characters count, blanks are ignored, an empty line is 0. While the
  // answer is not an integer the prompt is written again.
  long long readField10(std::string_view promptText);

 private:
  StreamLines input_;
  std::ostream& out_;
};

}  // namespace vm
