#include "core/text.hpp"

#include "core/error.hpp"
#include "core/listin.hpp"

namespace vm {

namespace {

std::string squeeze(std::string_view field) {
  std::string t;
  t.reserve(field.size());
  for (char c : field)
    if (c != ' ' && c != '\t' && c != '\r') t += c;
  return t;
}

[[noreturn]] void badField(std::string_view field, const char* kind, const LineSource* where,
                           std::string_view expected) {
  std::string msg = std::string("expected ") + kind;
  if (!expected.empty()) msg += " (" + std::string(expected) + ")";
  msg += ", found '" + std::string(field) + "'";
  if (where) where->fail(msg);
  fail(msg);
}

}  // namespace

bool fieldIntOk(std::string_view field, long long& v) {
  std::string t = squeeze(field);
  if (t.empty()) {
    v = 0;
    return true;
  }
  if (t == "+" || t == "-") {
    v = 0;
    return true;
  }
  return parseInt(t, v);
}

bool fieldRealOk(std::string_view field, int decimals, double& v) {
  std::string t = squeeze(field);
  if (t.empty() || t == "+" || t == "-") {
    v = 0.0;
    return true;
  }
  if (t.find('.') == std::string::npos && decimals > 0) {
    // Implied decimals: the point goes before the last `decimals` digits of the mantissa.
    size_t start = (t[0] == '+' || t[0] == '-') ? 1 : 0;
    size_t end = start;
    while (end < t.size() && t[end] >= '0' && t[end] <= '9') ++end;
    std::string mant = t.substr(start, end - start);
    if (mant.size() < static_cast<size_t>(decimals)) mant.insert(0, static_cast<size_t>(decimals) - mant.size(), '0');
    mant.insert(mant.size() - static_cast<size_t>(decimals), 1, '.');
    t = t.substr(0, start) + mant + t.substr(end);
  }
  double x;
  if (!parseReal(t, x)) return false;
  v = x;
  return true;
}

long long fieldInt(std::string_view line, size_t first, size_t width, const LineSource* where,
                   std::string_view expected) {
  std::string_view f = columns(line, first, width);
  long long v;
  if (!fieldIntOk(f, v)) badField(f, "an integer", where, expected);
  return v;
}

double fieldReal(std::string_view line, size_t first, size_t width, int decimals, const LineSource* where,
                 std::string_view expected) {
  std::string_view f = columns(line, first, width);
  double v;
  if (!fieldRealOk(f, decimals, v)) badField(f, "a real number", where, expected);
  return v;
}

}  // namespace vm
