#include "core/fmt.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace vm {

namespace {

void stars(std::string& out, int w) { out.append(static_cast<size_t>(w), '*'); }

// Non-finite values as the runtime writes them in a field of width w.
bool putNonFinite(std::string& out, double v, int w) {
  if (std::isfinite(v)) return false;
  std::string t;
  if (std::isnan(v)) {
    t = "NaN";
  } else {
    bool neg = std::signbit(v);
    if (w >= 8 + (neg ? 1 : 0)) t = neg ? "-Infinity" : "Infinity";
    else t = neg ? "-Inf" : "Inf";
  }
  if (static_cast<int>(t.size()) > w) {
    stars(out, w);
  } else {
    out.append(static_cast<size_t>(w) - t.size(), ' ');
    out += t;
  }
  return true;
}

}  // namespace

void putI(std::string& out, long long v, int w, int m) {
  char buf[32];
  unsigned long long u = v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
  auto r = std::to_chars(buf, buf + sizeof buf, u);
  size_t digits = static_cast<size_t>(r.ptr - buf);
  if (m == 0 && v == 0) {
    out.append(static_cast<size_t>(w), ' ');
    return;
  }
  size_t shown = m > 0 && static_cast<size_t>(m) > digits ? static_cast<size_t>(m) : digits;
  size_t len = shown + (v < 0 ? 1 : 0);
  if (len > static_cast<size_t>(w)) {
    stars(out, w);
    return;
  }
  out.append(static_cast<size_t>(w) - len, ' ');
  if (v < 0) out += '-';
  out.append(shown - digits, '0');
  out.append(buf, digits);
}

void putF(std::string& out, double v, int w, int d) {
  if (putNonFinite(out, v, w)) return;
  char buf[420];
  double a = std::fabs(v);
  auto r = std::to_chars(buf, buf + sizeof buf - 1, a, std::chars_format::fixed, d);
  if (r.ec != std::errc()) {
    stars(out, w);
    return;
  }
  char* end = r.ptr;
  if (d == 0) *end++ = '.';  // "fW.0" writes the point after the integer part
  std::string_view digits(buf, static_cast<size_t>(end - buf));
  bool neg = std::signbit(v);
  size_t len = digits.size() + (neg ? 1 : 0);
  bool dropZero = false;
  if (len > static_cast<size_t>(w) && digits.size() >= 2 && digits[0] == '0' && digits[1] == '.') {
    dropZero = true;
    --len;
  }
  if (len > static_cast<size_t>(w)) {
    stars(out, w);
    return;
  }
  out.append(static_cast<size_t>(w) - len, ' ');
  if (neg) out += '-';
  out.append(dropZero ? digits.substr(1) : digits);
}

void putE(std::string& out, double v, int w, int d, int e) {
  if (putNonFinite(out, v, w)) return;
  bool neg = std::signbit(v);
  double a = std::fabs(v);
  char mant[400];
  int exp10 = 0;
  size_t nd = 0;
  if (a == 0.0) {
    for (int i = 0; i < d; ++i) mant[nd++] = '0';
  } else {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf - 1, a, std::chars_format::scientific, d > 0 ? d - 1 : 0);
    *r.ptr = '\0';  // the exponent is read with atoi, which must stop at its end
    const char* p = buf;
    for (; p != r.ptr && *p != 'e'; ++p)
      if (*p != '.') mant[nd++] = *p;
    exp10 = std::atoi(p + 1) + 1;
  }
  // Exponent part.
  char ebuf[16];
  size_t elen = 0;
  int ae = exp10 < 0 ? -exp10 : exp10;
  if (e > 0) {
    int lim = 1;
    for (int i = 0; i < e; ++i) lim *= 10;
    if (ae >= lim) {
      stars(out, w);
      return;
    }
    ebuf[elen++] = 'E';
    ebuf[elen++] = exp10 < 0 ? '-' : '+';
    for (int i = e - 1; i >= 0; --i) {
      int div = 1;
      for (int k = 0; k < i; ++k) div *= 10;
      ebuf[elen++] = static_cast<char>('0' + (ae / div) % 10);
    }
  } else if (ae <= 99) {
    ebuf[elen++] = 'E';
    ebuf[elen++] = exp10 < 0 ? '-' : '+';
    ebuf[elen++] = static_cast<char>('0' + ae / 10);
    ebuf[elen++] = static_cast<char>('0' + ae % 10);
  } else if (ae <= 999) {
    ebuf[elen++] = exp10 < 0 ? '-' : '+';
    ebuf[elen++] = static_cast<char>('0' + ae / 100);
    ebuf[elen++] = static_cast<char>('0' + (ae / 10) % 10);
    ebuf[elen++] = static_cast<char>('0' + ae % 10);
  } else {
    stars(out, w);
    return;
  }
  size_t len = (neg ? 1 : 0) + 2 + nd + elen;  // sign, "0.", digits, exponent
  bool dropZero = false;
  if (len > static_cast<size_t>(w)) {
    dropZero = true;
    --len;
  }
  if (len > static_cast<size_t>(w)) {
    stars(out, w);
    return;
  }
  out.append(static_cast<size_t>(w) - len, ' ');
  if (neg) out += '-';
  if (!dropZero) out += '0';
  out += '.';
  out.append(mant, nd);
  out.append(ebuf, elen);
}

void putA(std::string& out, std::string_view s, int w) {
  if (w < 0) {
    out += s;
  } else if (static_cast<int>(s.size()) >= w) {
    out += s.substr(0, static_cast<size_t>(w));
  } else {
    out.append(static_cast<size_t>(w) - s.size(), ' ');
    out += s;
  }
}

void putFreeInt(std::string& out, long long v) { putI(out, v, v < -9999999999LL || v > 99999999999LL ? 21 : 11); }

void putFreeReal(std::string& out, double v) {
  if (!std::isfinite(v)) {
    putNonFinite(out, v, 25);
    return;
  }
  double a = std::fabs(v);
  bool neg = std::signbit(v);
  char buf[64];
  int exp10 = 0;
  if (a != 0.0) {
    auto r = std::to_chars(buf, buf + sizeof buf - 1, a, std::chars_format::scientific, 16);
    *r.ptr = '\0';  // the exponent is read with atoi, which must stop at its end
    const char* p = buf;
    while (p != r.ptr && *p != 'e') ++p;
    exp10 = std::atoi(p + 1);
    if (exp10 < -1 || exp10 > 16) {
      // Exponent form: d.dddddddddddddddd followed by E, sign and three digits.
      std::string t;
      if (neg) t += '-';
      t.append(buf, static_cast<size_t>(p - buf));
      t += 'E';
      t += exp10 < 0 ? '-' : '+';
      int ae = exp10 < 0 ? -exp10 : exp10;
      t += static_cast<char>('0' + ae / 100);
      t += static_cast<char>('0' + (ae / 10) % 10);
      t += static_cast<char>('0' + ae % 10);
      out.append(25 > t.size() ? 25 - t.size() : 0, ' ');
      out += t;
      return;
    }
  }
  // Fixed form with 17 significant digits in 20 columns, then the 5 blanks of the
  // absent exponent.
  auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, 16 - exp10);
  size_t len = static_cast<size_t>(r.ptr - buf) + (neg ? 1 : 0);
  out.append(len < 20 ? 20 - len : 0, ' ');
  if (neg) out += '-';
  out.append(buf, static_cast<size_t>(r.ptr - buf));
  out.append(5, ' ');
}

FreeLine& FreeLine::t(std::string_view text) {
  if (last_ == Last::Number) s_ += ' ';
  s_ += text;
  last_ = Last::Text;
  return *this;
}

FreeLine& FreeLine::i(long long v) {
  if (last_ != Last::Start) s_ += ' ';
  putFreeInt(s_, v);
  last_ = Last::Number;
  return *this;
}

FreeLine& FreeLine::d(double v) {
  if (last_ != Last::Start) s_ += ' ';
  putFreeReal(s_, v);
  last_ = Last::Number;
  return *this;
}

// ---------------------------------------------------------------------------------------
// Format texts.

namespace {

[[noreturn]] void badFormat(std::string_view text, const char* why) {
  throw std::logic_error("bad format " + std::string(text) + ": " + why);
}

}  // namespace

Format::Format(std::string_view text) : text_(text) {
  size_t p = 0;
  auto skip = [&] {
    while (p < text.size() && (text[p] == ' ' || text[p] == ',')) ++p;
  };
  auto number = [&]() -> int {
    int v = 0;
    bool any = false;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9') {
      v = v * 10 + (text[p++] - '0');
      any = true;
    }
    return any ? v : -1;
  };
  skip();
  if (p >= text.size() || text[p] != '(') badFormat(text, "no opening parenthesis");
  ++p;
  std::vector<int> open;
  bool closed = false;
  while (p < text.size()) {
    skip();
    if (p >= text.size()) break;
    char c = text[p];
    if (c == ')') {
      ++p;
      if (open.empty()) {
        closed = true;
        break;
      }
      Node n(Op::Close);
      n.match = open.back();
      nodes_[static_cast<size_t>(open.back())].match = static_cast<int>(nodes_.size());
      if (open.size() == 1) reversion_ = open.back();
      open.pop_back();
      nodes_.push_back(n);
      continue;
    }
    if (c == '/') {
      ++p;
      nodes_.push_back(Node(Op::Slash));
      continue;
    }
    if (c == '\'' || c == '"') {
      Node n(Op::Lit);
      ++p;
      for (;;) {
        if (p >= text.size()) badFormat(text, "unclosed quote");
        if (text[p] == c) {
          if (p + 1 < text.size() && text[p + 1] == c) {
            n.lit += c;
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        n.lit += text[p++];
      }
      nodes_.push_back(n);
      continue;
    }
    int r = number();
    skip();
    if (p >= text.size()) badFormat(text, "ends after a count");
    c = static_cast<char>(text[p] | 0x20);
    if (text[p] == '(') {
      ++p;
      Node n(Op::Open);
      n.repeat = r > 0 ? r : 1;
      open.push_back(static_cast<int>(nodes_.size()));
      nodes_.push_back(n);
      continue;
    }
    ++p;
    Node n(Op::X);
    n.repeat = r > 0 ? r : 1;
    switch (c) {
      case 'x':
        n.op = Op::X;
        n.w = r > 0 ? r : 1;
        n.repeat = 1;
        break;
      case 'i':
        n.op = Op::I;
        n.w = number();
        if (n.w < 1) badFormat(text, "i without width");
        if (p < text.size() && text[p] == '.') {
          ++p;
          n.d = number();
        }
        break;
      case 'f':
      case 'e':
        n.op = c == 'f' ? Op::F : Op::E;
        n.w = number();
        if (n.w < 1 || p >= text.size() || text[p] != '.') badFormat(text, "f or e without w.d");
        ++p;
        n.d = number();
        if (n.d < 0) badFormat(text, "f or e without d");
        if (n.op == Op::E && p < text.size() && (text[p] | 0x20) == 'e') {
          ++p;
          n.e = number();
        }
        break;
      case 'a':
        n.op = Op::A;
        n.w = number();
        break;
      default:
        badFormat(text, "unsupported edit descriptor");
    }
    nodes_.push_back(n);
  }
  if (!closed || !open.empty()) badFormat(text, "unbalanced parentheses");
}

void Format::write(std::string& out, const FmtArg* args, size_t n) const {
  std::string rec;
  size_t pendingX = 0;
  size_t ai = 0;
  struct Level {
    size_t open;
    int left;
  };
  std::vector<Level> stack;
  auto flushX = [&] {
    rec.append(pendingX, ' ');
    pendingX = 0;
  };
  auto endRecord = [&] {
    out += rec;
    out += '\n';
    rec.clear();
    pendingX = 0;
  };
  bool dataSinceStart = false;
  size_t pos = 0;
  for (;;) {
    if (pos == nodes_.size()) {
      if (ai >= n) break;
      if (!dataSinceStart) throw std::logic_error("format " + text_ + " takes no values");
      endRecord();
      pos = static_cast<size_t>(reversion_);
      stack.clear();
      dataSinceStart = false;
      continue;
    }
    const Node& nd = nodes_[pos];
    switch (nd.op) {
      case Op::Open:
        stack.push_back({pos, nd.repeat});
        ++pos;
        break;
      case Op::Close:
        if (--stack.back().left > 0) {
          pos = stack.back().open + 1;
        } else {
          stack.pop_back();
          ++pos;
        }
        break;
      case Op::X:
        pendingX += static_cast<size_t>(nd.w);
        ++pos;
        break;
      case Op::Slash:
        endRecord();
        ++pos;
        break;
      case Op::Lit:
        flushX();
        rec += nd.lit;
        ++pos;
        break;
      default:
        for (int k = 0; k < nd.repeat; ++k) {
          if (ai >= n) {
            endRecord();
            return;
          }
          const FmtArg& a = args[ai++];
          dataSinceStart = true;
          flushX();
          switch (nd.op) {
            case Op::I:
              if (a.kind != FmtArg::Kind::Int) throw std::logic_error("format " + text_ + ": i needs an integer");
              putI(rec, a.i, nd.w, nd.d);
              break;
            case Op::F:
            case Op::E: {
              if (a.kind != FmtArg::Kind::Real) throw std::logic_error("format " + text_ + ": f/e need a real");
              if (nd.op == Op::F) putF(rec, a.d, nd.w, nd.d);
              else putE(rec, a.d, nd.w, nd.d, nd.e);
              break;
            }
            case Op::A:
              if (a.kind != FmtArg::Kind::Text) throw std::logic_error("format " + text_ + ": a needs a text");
              putA(rec, a.s, nd.w);
              break;
            default:
              break;
          }
        }
        ++pos;
        break;
    }
  }
  endRecord();
}

}  // namespace vm
