// Small text helpers shared by every tool: trimming, cutting and padding fixed-length
// texts, and fixed-column field reads.
#pragma once
#include <string>
#include <string_view>

#include "core/lines.hpp"

namespace vm {

inline std::string_view rtrim(std::string_view s) {
  size_t n = s.size();
  while (n > 0 && (s[n - 1] == ' ' || s[n - 1] == '\t')) --n;
  return s.substr(0, n);
}

inline std::string_view ltrim(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  return s.substr(i);
}

inline std::string_view trim(std::string_view s) { return ltrim(rtrim(s)); }

// The first n characters (a text line read into an n-character variable).
inline std::string_view cut(std::string_view s, size_t n) { return s.size() > n ? s.substr(0, n) : s; }

// Blank-padded to n characters, or cut to n.
inline std::string pad(std::string_view s, size_t n) {
  std::string r(cut(s, n));
  r.resize(n, ' ');
  return r;
}

// First character that is neither blank nor tab, or '\0' for a blank line.
// The text with its letters a-z in capitals.
inline std::string upper(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return r;
}

inline char firstNonBlank(std::string_view s) {
  for (char c : s)
    if (c != ' ' && c != '\t') return c;
  return '\0';
}

// Characters first..first+width-1 (1-based columns); columns past the line end are empty.
inline std::string_view columns(std::string_view line, size_t first, size_t width) {
  if (first == 0 || first > line.size()) return {};
  return line.substr(first - 1, width);
}

// An integer read from a fixed field, as "(iW)" reads it: blanks are ignored, an empty
// field is 0. A field that is not an integer is a fatal error at `where`'s current line.
long long fieldInt(std::string_view line, size_t first, size_t width, const LineSource* where,
                   std::string_view expected);

// A real read from a fixed field, as "(fW.D)" reads it: blanks are ignored, an empty field
// is 0, and a field without a decimal point has D implied decimals.
double fieldReal(std::string_view line, size_t first, size_t width, int decimals, const LineSource* where,
                 std::string_view expected);

// Reads a whole field as "(iW)" would when the field is given as text; false if it is not
// an integer (blanks ignored, empty is 0).
bool fieldIntOk(std::string_view field, long long& v);
bool fieldRealOk(std::string_view field, int decimals, double& v);

}  // namespace vm
