// List-directed ("free-format") input.
//
// Items are separated by blanks, tabs or one comma (with blanks around it); a line end
// separates items too. A text item ends at a blank, comma or slash unless it is enclosed
// in apostrophes or quotation marks (a doubled quote inside stands for one). A slash ends
// the read: the items not yet read keep their values. Null values (",,") and repeat
// counts ("3*0") are not supported and are errors.
//
// A read made on a line source starts at its next line and continues onto the following
// lines while items are missing; the rest of the last line used is skipped. A read made on
// one text line fails when that line runs out.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/lines.hpp"

namespace vm {

// Parses numbers the way list-directed input accepts them.
// Integers: optional sign, digits. Reals: optional sign, digits with or without a point,
// optional exponent introduced by E, e, D or d (or a bare sign after the mantissa).
bool parseInt(std::string_view tok, long long& v);
bool parseReal(std::string_view tok, double& v);
bool parseReal(std::string_view tok, float& v);  // rounded once, straight to 32 bits

class ListScanner {
 public:
  // Reads from the line source, starting at its next line.
  ListScanner(LineSource& src, std::string_view expected);
  // Reads from the line source, starting with `first`: a line already taken from it (the
  // read continues onto the source's following lines as usual).
  ListScanner(LineSource& src, std::string_view first, std::string_view expected);
  // Reads from one text line; `where` (may be null) names the file and line in messages.
  ListScanner(std::string_view line, const LineSource* where, std::string_view expected);

  // Each returns false when a slash ended the read (the item is left unchanged).
  bool get(int& v);
  bool get(long& v);
  bool get(long long& v);
  bool get(double& v);
  bool get(float& v);
  bool get(std::string& v);

  bool slashed() const { return slash_; }

 private:
  enum class Tok { Item, Slash };
  Tok token(std::string_view& tok, bool& quoted);
  bool getInteger(long long& v, long long lo, long long hi);
  [[noreturn]] void bad(std::string_view found, std::string_view kind) const;
  [[noreturn]] void ranOut() const;

  LineSource* src_ = nullptr;
  const LineSource* where_ = nullptr;
  std::string_view line_;
  size_t pos_ = 0;
  bool slash_ = false;
  bool needSeparator_ = false;  // a comma already seen since the last item
  std::string quotedBuf_;
  std::string_view expected_;
};

// readList(src, "what is read", a, b, c): one list-directed read on a line source.
// Returns false if a slash ended the read.
template <class... T>
bool readList(LineSource& src, std::string_view expected, T&... items) {
  ListScanner s(src, expected);
  return (s.get(items) && ...);
}

// readLine(line, where, "what is read", a, b): one list-directed read on one text line.
template <class... T>
bool readLine(std::string_view line, const LineSource* where, std::string_view expected, T&... items) {
  ListScanner s(line, where, expected);
  return (s.get(items) && ...);
}

}  // namespace vm
