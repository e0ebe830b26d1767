// Output formatting as the Fortran runtime lays it out.
//
// Edit descriptors (put*): integers "iW" / "iW.M", fixed point "fW.D", exponent form
// "eW.D" (mantissa 0.1 to below 1, "E+dd", or "+ddd" for three-digit exponents), text
// "a" / "aW" and blanks "x". A value that does not fit its field fills it with asterisks.
//
// Free-format lines (FreeLine): one leading blank column; adjacent text items follow one
// another with no separator; a number after any item, and a text after a number, get one
// blank first. Integers take 11 columns, 64-bit reals 25 columns with 17 significant
// digits (fixed form from 0.1 to below 1e17, otherwise exponent form with three-digit
// exponent).
//
// Format: a parsed format text such as "(6i7,f14.4)" applied to a list of values, with
// repeat counts, groups, quoted texts, "/" and reversion to the last group.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

void putI(std::string& out, long long v, int w, int m = -1);
void putF(std::string& out, double v, int w, int d);
void putE(std::string& out, double v, int w, int d, int e = 0);
void putA(std::string& out, std::string_view s, int w = -1);
inline void putX(std::string& out, int n) { out.append(static_cast<size_t>(n), ' '); }

// One item of a free-format line, with the separator it gets.
void putFreeInt(std::string& out, long long v);  // 11 columns
void putFreeReal(std::string& out, double v);    // 25 columns

class FreeLine {
 public:
  FreeLine() : s_(" ") {}
  FreeLine& t(std::string_view text);
  FreeLine& i(long long v);
  FreeLine& d(double v);
  const std::string& str() const { return s_; }
  operator const std::string&() const { return s_; }

 private:
  enum class Last { Start, Text, Number };
  std::string s_;
  Last last_ = Last::Start;
};

// A value handed to a Format.
struct FmtArg {
  enum class Kind { Int, Real, Text };
  Kind kind;
  long long i = 0;
  double d = 0;
  std::string_view s;
  FmtArg(int v) : kind(Kind::Int), i(v) {}
  FmtArg(long v) : kind(Kind::Int), i(v) {}
  FmtArg(long long v) : kind(Kind::Int), i(v) {}
  FmtArg(double v) : kind(Kind::Real), d(v) {}
  FmtArg(float v) : kind(Kind::Real), d(v) {}
  FmtArg(std::string_view v) : kind(Kind::Text), s(v) {}
  FmtArg(const std::string& v) : kind(Kind::Text), s(v) {}
  FmtArg(const char* v) : kind(Kind::Text), s(v) {}
};

class Format {
 public:
  // Parses the format text; a malformed one is a programming error (std::logic_error).
  explicit Format(std::string_view text);

  // The records written for the values, each ended by '\n'.
  std::string operator()(std::initializer_list<FmtArg> args) const {
    std::string out;
    write(out, args.begin(), args.size());
    return out;
  }
  template <class... T>
  std::string line(const T&... v) const {
    return (*this)({FmtArg(v)...});
  }
  // Appends the records to `out`.
  void write(std::string& out, const FmtArg* args, size_t n) const;

 private:
  enum class Op { I, F, E, A, X, T, Slash, Lit, Open, Close };
  struct Node {
    explicit Node(Op o) : op(o) {}
    Op op;
    int w = -1, d = -1, e = 0;
    int repeat = 1;
    int match = -1;  // index of the matching parenthesis for groups
    std::string lit;
  };
  std::vector<Node> nodes_;
  int reversion_ = 0;  // node where the format starts again when values remain
  std::string text_;
};

}  // namespace vm
