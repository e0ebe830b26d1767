// Damaged copies of an input file: cut at chosen points, emptied, one number as text.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

#include "support/tooltest.hpp"
#include "sweep/sweep.hpp"

namespace sweep {

const char* damageName(Damage d) {
  switch (d) {
    case Damage::Removed:
      return "removed";
    case Damage::Emptied:
      return "emptied";
    case Damage::CutHeader:
      return "cut in its first line";
    case Damage::CutMiddle:
      return "cut in a middle line";
    case Damage::BeforeLast:
      return "cut before its last line";
    case Damage::CutLast:
      return "cut in its last line";
    case Damage::TextFirst:
      return "first number as text";
    case Damage::TextMiddle:
      return "middle number as text";
    case Damage::TextLast:
      return "last number as text";
  }
  return "?";
}

std::string data(const std::string& relative) { return vmtest::readFile(vmtest::testData(relative)); }

namespace {

struct Line {
  size_t begin, length;  // without the line end
};

std::vector<Line> linesOf(const std::string& s) {
  std::vector<Line> lines;
  size_t p = 0;
  while (p < s.size()) {
    size_t e = s.find('\n', p);
    if (e == std::string::npos) e = s.size();
    lines.push_back({p, e - p});
    p = e + 1;
  }
  return lines;
}

// Cut in the middle of a line (the first one from `from` on of two or more characters).
size_t midLine(const std::vector<Line>& lines, size_t from) {
  for (size_t k = from; k < lines.size(); ++k)
    if (lines[k].length >= 2) return lines[k].begin + lines[k].length / 2;
  return 0;
}

// A word that reads as a decimal number: sign, digits with at most one point, exponent.
bool isNumber(std::string_view w) {
  size_t p = 0, digits = 0;
  auto digitsFrom = [&w](size_t& at) {
    size_t n = 0;
    for (; at < w.size() && std::isdigit(static_cast<unsigned char>(w[at])); ++at) ++n;
    return n;
  };
  if (p < w.size() && (w[p] == '+' || w[p] == '-')) ++p;
  digits += digitsFrom(p);
  if (p < w.size() && w[p] == '.') digits += digitsFrom(++p);
  if (digits == 0) return false;
  if (p < w.size() && w[p] != '\0' && std::strchr("eEdD", w[p])) {
    ++p;
    if (p < w.size() && (w[p] == '+' || w[p] == '-')) ++p;
    if (digitsFrom(p) == 0) return false;
  }
  return p == w.size();
}

// Numbers of the content: words between blanks, commas, slashes, colons and quotes that
// read as a decimal number. Returns their positions and lengths.
std::vector<std::pair<size_t, size_t>> numbersOf(const std::string& s) {
  auto separator = [](char c) { return std::isspace(static_cast<unsigned char>(c)) || std::strchr(",/:'\"", c); };
  std::vector<std::pair<size_t, size_t>> found;
  size_t p = 0;
  while (p < s.size()) {
    while (p < s.size() && separator(s[p])) ++p;
    size_t e = p;
    while (e < s.size() && !separator(s[e])) ++e;
    if (e > p && isNumber(std::string_view(s).substr(p, e - p))) found.emplace_back(p, e - p);
    p = e;
  }
  return found;
}

std::string asText(const std::string& s, std::pair<size_t, size_t> at) {
  std::string t = s;
  t.replace(at.first, at.second, std::string(at.second, 'x'));
  return t;
}

}  // namespace

std::vector<Damaged> damagesOf(const std::string& content) {
  const std::vector<Line> lines = linesOf(content);
  const size_t n = lines.size();
  std::vector<Damaged> out(kDamages);
  out[0].content = std::nullopt;
  out[1].content = std::string();
  auto cut = [&](size_t at) { return Damaged{false, content.substr(0, at)}; };
  out[2] = cut(n ? midLine(lines, 0) : 0);
  out[3] = cut(n ? midLine(lines, n / 2) : 0);
  out[4] = cut(n ? lines[n - 1].begin : 0);
  out[5] = cut(n ? lines[n - 1].begin + lines[n - 1].length / 2 : 0);
  const auto numbers = numbersOf(content);
  if (numbers.empty()) {
    out[6].skip = out[7].skip = out[8].skip = true;
  } else {
    out[6].content = asText(content, numbers.front());
    out[7].content = asText(content, numbers[numbers.size() / 2]);
    out[8].content = asText(content, numbers.back());
  }
  // A damage that leaves the content whole, or repeats an earlier one, is not run.
  for (size_t k = 1; k < out.size(); ++k) {
    if (out[k].skip) continue;
    if (*out[k].content == content) out[k].skip = true;
    for (size_t j = 1; j < k && !out[k].skip; ++j)
      if (!out[j].skip && out[j].content == out[k].content) out[k].skip = true;
  }
  return out;
}

}  // namespace sweep
