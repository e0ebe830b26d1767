// The output formatting against records captured from the Fortran runtime
// (tests/data/fortran, made by gen_vectors.f90).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "core/fmt.hpp"
#include "support/tooltest.hpp"

namespace {

std::vector<std::string> vectorLines(const std::string& name) {
  std::ifstream f(vmtest::testData("fortran/" + name));
  EXPECT_TRUE(f.good()) << name;
  std::vector<std::string> lines;
  std::string ln;
  while (std::getline(f, ln)) {
    if (!ln.empty() && ln.back() == '|') ln.pop_back();
    lines.push_back(ln);
  }
  return lines;
}

double fromHex(const std::string& hex) {
  uint64_t bits = std::stoull(hex, nullptr, 16);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

// Splits at the first `n` bars; the rest (the output, which may hold bars) is the last field.
std::vector<std::string> fields(const std::string& ln, int n) {
  std::vector<std::string> f;
  size_t p = 0;
  for (int k = 0; k < n; ++k) {
    size_t q = ln.find('|', p);
    f.push_back(ln.substr(p, q - p));
    p = q + 1;
  }
  f.push_back(ln.substr(p));
  return f;
}

// Items of a case: "T:text", "I:n", "D:hex", separated by ';'.
struct Item {
  char kind;
  std::string text;
  long long i = 0;
  double d = 0;
};

std::vector<Item> items(const std::string& c) {
  std::vector<Item> out;
  size_t p = 0;
  while (p <= c.size()) {
    size_t q = c.find(';', p);
    if (q == std::string::npos) q = c.size();
    std::string it = c.substr(p, q - p);
    Item x{it[0], it.substr(2)};
    if (x.kind == 'I') x.i = std::stoll(x.text);
    if (x.kind == 'D') x.d = fromHex(x.text);
    out.push_back(x);
    p = q + 1;
  }
  return out;
}

std::string joined(const std::string& records) {
  // The vectors join records with the two characters "\n" and do not end the last one.
  std::string s;
  for (char c : records) s += c == '\n' ? std::string("\\n") : std::string(1, c);
  if (s.size() >= 2) s.resize(s.size() - 2);
  return s;
}

TEST(FortranVectors, ListDirectedReals) {
  int n = 0;
  for (const std::string& ln : vectorLines("listdirected_real8.txt")) {
    auto f = fields(ln, 1);
    EXPECT_EQ(vm::FreeLine().d(fromHex(f[0])).str(), f[1]) << "bits " << f[0];
    ++n;
  }
  EXPECT_GT(n, 250);
}

TEST(FortranVectors, ListDirectedIntegers) {
  for (const std::string& ln : vectorLines("listdirected_int.txt")) {
    auto f = fields(ln, 1);
    EXPECT_EQ(vm::FreeLine().i(std::stoll(f[0])).str(), f[1]);
  }
}

TEST(FortranVectors, ListDirectedMixedLines) {
  for (const std::string& ln : vectorLines("listdirected_mixed.txt")) {
    auto f = fields(ln, 1);
    vm::FreeLine l;
    for (const Item& it : items(f[0])) {
      if (it.kind == 'T') l.t(it.text);
      else if (it.kind == 'I') l.i(it.i);
      else l.d(it.d);
    }
    EXPECT_EQ(l.str(), f[1]) << f[0];
  }
}

TEST(FortranVectors, EditDescriptorsOnReals) {
  int n = 0;
  for (const std::string& ln : vectorLines("edit_real8.txt")) {
    auto f = fields(ln, 2);
    vm::Format fmt(f[0]);
    EXPECT_EQ(fmt.line(fromHex(f[1])), f[2] + "\n") << f[0] << " bits " << f[1];
    ++n;
  }
  EXPECT_GT(n, 3000);
}

TEST(FortranVectors, EditDescriptorsOnIntegers) {
  for (const std::string& ln : vectorLines("edit_int.txt")) {
    auto f = fields(ln, 2);
    vm::Format fmt(f[0]);
    EXPECT_EQ(fmt.line(std::stoll(f[1])), f[2] + "\n") << f[0] << " " << f[1];
  }
}

TEST(FortranVectors, WholeFormats) {
  for (const std::string& ln : vectorLines("edit_mixed.txt")) {
    // The format itself may hold bars only inside quotes; none of the captured ones do.
    auto f = fields(ln, 2);
    std::vector<vm::FmtArg> args;
    std::vector<Item> its = f[1].empty() ? std::vector<Item>{} : items(f[1]);
    for (const Item& it : its) {
      if (it.kind == 'T') args.emplace_back(std::string_view(it.text));
      else if (it.kind == 'I') args.emplace_back(it.i);
      else args.emplace_back(it.d);
    }
    std::string out;
    vm::Format(f[0]).write(out, args.data(), args.size());
    EXPECT_EQ(joined(out), f[2]) << f[0] << " | " << f[1];
  }
}

}  // namespace
