#include "core/listin.hpp"

#include <charconv>
#include <climits>
#include <cmath>

#include "core/error.hpp"

namespace vm {

namespace {

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool parseInt(std::string_view tok, long long& v) {
  if (tok.empty()) return false;
  size_t i = 0;
  bool neg = false;
  if (tok[0] == '+' || tok[0] == '-') {
    neg = tok[0] == '-';
    i = 1;
  }
  if (i == tok.size()) return false;
  unsigned long long u = 0;
  auto r = std::from_chars(tok.data() + i, tok.data() + tok.size(), u);
  if (r.ec != std::errc() || r.ptr != tok.data() + tok.size()) return false;
  if (neg) {
    if (u > static_cast<unsigned long long>(LLONG_MAX) + 1ULL) return false;
    v = u == static_cast<unsigned long long>(LLONG_MAX) + 1ULL ? LLONG_MIN : -static_cast<long long>(u);
  } else {
    if (u > static_cast<unsigned long long>(LLONG_MAX)) return false;
    v = static_cast<long long>(u);
  }
  return true;
}

namespace {

template <class F>
bool parseRealT(std::string_view tok, F& v) {
  if (tok.empty()) return false;
  const char* b = tok.data();
  const char* e = b + tok.size();
  bool neg = false;
  if (*b == '+' || *b == '-') {
    neg = *b == '-';
    ++b;
  }
  if (b == e) return false;
  // Fast path: plain decimal text that from_chars takes as it stands.
  bool plain = true;
  size_t digits = 0;
  for (const char* p = b; p != e; ++p) {
    char c = *p;
    if (isDigit(c)) {
      ++digits;
    } else if (c != '.' && c != 'e' && c != 'E' && c != '+' && c != '-') {
      plain = false;
      break;
    }
  }
  if (plain && digits > 0) {
    F x;
    auto r = std::from_chars(b, e, x, std::chars_format::general);
    if (r.ec == std::errc() && r.ptr == e) {
      v = neg ? -x : x;
      return true;
    }
    if (r.ec == std::errc::result_out_of_range) return false;
  }
  // Slow path: D exponents, an exponent given by a bare sign ("1.5+3"), Infinity and NaN.
  std::string t;
  t.reserve(static_cast<size_t>(e - b) + 1);
  size_t mant = 0;
  bool point = false, inExp = false, expDigits = false;
  for (const char* p = b; p != e; ++p) {
    char c = *p;
    if (!inExp) {
      if (isDigit(c)) {
        ++mant;
        t += c;
      } else if (c == '.' && !point) {
        point = true;
        t += c;
      } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D' || c == 'q' || c == 'Q') && mant > 0) {
        inExp = true;
        t += 'e';
        if (p + 1 != e && (p[1] == '+' || p[1] == '-')) t += *++p;
      } else if ((c == '+' || c == '-') && mant > 0) {
        inExp = true;
        t += 'e';
        t += c;
      } else {
        t.clear();
        break;
      }
    } else {
      if (!isDigit(c)) {
        t.clear();
        break;
      }
      expDigits = true;
      t += c;
    }
  }
  if (!t.empty() && mant > 0 && (!inExp || expDigits)) {
    F x;
    auto r = std::from_chars(t.data(), t.data() + t.size(), x, std::chars_format::general);
    if (r.ec == std::errc() && r.ptr == t.data() + t.size()) {
      v = neg ? -x : x;
      return true;
    }
    return false;
  }
  // Infinity and NaN, as the runtime accepts them.
  std::string w;
  for (const char* p = b; p != e; ++p) w += static_cast<char>(*p >= 'A' && *p <= 'Z' ? *p - 'A' + 'a' : *p);
  if (w == "inf" || w == "infinity") {
    v = static_cast<F>(neg ? -HUGE_VAL : HUGE_VAL);
    return true;
  }
  if (w == "nan") {
    v = static_cast<F>(std::nan(""));
    return true;
  }
  return false;
}

}  // namespace

bool parseReal(std::string_view tok, double& v) { return parseRealT(tok, v); }
bool parseReal(std::string_view tok, float& v) { return parseRealT(tok, v); }

ListScanner::ListScanner(LineSource& src, std::string_view expected)
    : src_(&src), where_(&src), expected_(expected) {
  line_ = src.need(expected);
}

ListScanner::ListScanner(LineSource& src, std::string_view first, std::string_view expected)
    : src_(&src), where_(&src), line_(first), expected_(expected) {}

ListScanner::ListScanner(std::string_view line, const LineSource* where, std::string_view expected)
    : where_(where), line_(line), expected_(expected) {}

void ListScanner::bad(std::string_view found, std::string_view kind) const {
  std::string msg = "expected ";
  msg += kind;
  if (!expected_.empty()) {
    msg += " (";
    msg += expected_;
    msg += ")";
  }
  msg += ", found '";
  msg += found;
  msg += "'";
  if (where_) where_->fail(msg);
  vm::fail(msg);
}

void ListScanner::ranOut() const {
  std::string msg = "the line ends before all items are read";
  if (!expected_.empty()) {
    msg += ", expected ";
    msg += expected_;
  }
  if (where_) where_->fail(msg);
  vm::fail(msg);
}

ListScanner::Tok ListScanner::token(std::string_view& tok, bool& quoted) {
  quoted = false;
  for (;;) {
    while (pos_ < line_.size() && isBlank(line_[pos_])) ++pos_;
    if (pos_ < line_.size() && line_[pos_] == ',') {
      if (needSeparator_) {
        ++pos_;
        needSeparator_ = false;
        continue;
      }
      bad(",", "a value (null values are not supported)");
    }
    if (pos_ < line_.size()) break;
    // The line ran out.
    if (!src_) ranOut();
    line_ = src_->need(expected_);
    pos_ = 0;
    needSeparator_ = false;
  }
  char c = line_[pos_];
  if (c == '/') {
    slash_ = true;
    pos_ = line_.size();
    return Tok::Slash;
  }
  if (c == '\'' || c == '"') {
    quoted = true;
    quotedBuf_.clear();
    size_t p = pos_ + 1;
    for (;;) {
      if (p >= line_.size()) break;  // an unclosed quote runs to the line end
      if (line_[p] == c) {
        if (p + 1 < line_.size() && line_[p + 1] == c) {
          quotedBuf_ += c;
          p += 2;
          continue;
        }
        ++p;
        break;
      }
      quotedBuf_ += line_[p++];
    }
    pos_ = p;
    tok = quotedBuf_;
  } else {
    size_t p = pos_;
    while (p < line_.size() && !isBlank(line_[p]) && line_[p] != ',' && line_[p] != '/') ++p;
    tok = line_.substr(pos_, p - pos_);
    pos_ = p;
    // A repeat count is digits followed by a star.
    size_t star = tok.find('*');
    if (star != std::string_view::npos && star > 0) {
      bool allDigits = true;
      for (size_t i = 0; i < star; ++i) allDigits = allDigits && isDigit(tok[i]);
      if (allDigits) bad(tok, "a value (repeat counts are not supported)");
    }
  }
  // Consume the separator that follows: blanks, then at most one comma.
  while (pos_ < line_.size() && isBlank(line_[pos_])) ++pos_;
  if (pos_ < line_.size() && line_[pos_] == ',') {
    ++pos_;
    needSeparator_ = false;
  } else {
    needSeparator_ = true;
  }
  return Tok::Item;
}

bool ListScanner::getInteger(long long& v, long long lo, long long hi) {
  if (slash_) return false;
  std::string_view tok;
  bool quoted;
  if (token(tok, quoted) == Tok::Slash) return false;
  long long x;
  if (quoted || !parseInt(tok, x) || x < lo || x > hi) bad(tok, "an integer");
  v = x;
  return true;
}

bool ListScanner::get(int& v) {
  long long x = v;
  if (!getInteger(x, INT_MIN, INT_MAX)) return false;
  v = static_cast<int>(x);
  return true;
}

bool ListScanner::get(long& v) {
  long long x = v;
  if (!getInteger(x, LONG_MIN, LONG_MAX)) return false;
  v = static_cast<long>(x);
  return true;
}

bool ListScanner::get(long long& v) { return getInteger(v, LLONG_MIN, LLONG_MAX); }

bool ListScanner::get(double& v) {
  if (slash_) return false;
  std::string_view tok;
  bool quoted;
  if (token(tok, quoted) == Tok::Slash) return false;
  double x;
  if (quoted || !parseReal(tok, x)) bad(tok, "a real number");
  v = x;
  return true;
}

bool ListScanner::get(float& v) {
  if (slash_) return false;
  std::string_view tok;
  bool quoted;
  if (token(tok, quoted) == Tok::Slash) return false;
  float x;
  if (quoted || !parseReal(tok, x)) bad(tok, "a real number");
  v = x;
  return true;
}

bool ListScanner::get(std::string& v) {
  if (slash_) return false;
  std::string_view tok;
  bool quoted;
  if (token(tok, quoted) == Tok::Slash) return false;
  v.assign(tok);
  return true;
}

}  // namespace vm
