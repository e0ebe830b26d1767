// List-directed input and fixed-column fields.
#include <gtest/gtest.h>

#include <string>

#include "core/error.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"

namespace {

using vm::Failure;
using vm::readLine;
using vm::readList;
using vm::TextLines;

TEST(ListInput, SeparatorsQuotesAndReals) {
  double x = 0, y = 0;
  readLine("1.5+3 .5", nullptr, "", x, y);
  EXPECT_EQ(x, 1500.0);
  EXPECT_EQ(y, 0.5);
  readLine("5. 1d3", nullptr, "", x, y);
  EXPECT_EQ(x, 5.0);
  EXPECT_EQ(y, 1000.0);
  readLine("\t-2.5D-1,\t+3E2 ", nullptr, "", x, y);
  EXPECT_EQ(x, -0.25);
  EXPECT_EQ(y, 300.0);

  int j = 0;
  readLine(" 7, 8.25e-1 ", nullptr, "", j, x);
  EXPECT_EQ(j, 7);
  EXPECT_EQ(x, 0.825);

  std::string s;
  readLine("'a b', 3", nullptr, "", s, j);
  EXPECT_EQ(s, "a b");
  EXPECT_EQ(j, 3);
  readLine("\"it''s\" 'don''t'", nullptr, "", s, s);
  EXPECT_EQ(s, "don't");
  readLine("abc/def 9", nullptr, "", s);
  EXPECT_EQ(s, "abc");
  readLine("a,b", nullptr, "", s);
  EXPECT_EQ(s, "a");
}

TEST(ListInput, SlashLeavesTheRemainingItemsUnchanged) {
  int i = 0, j = -1;
  double x = -1;
  EXPECT_FALSE(readLine("4 / 5", nullptr, "", i, j, x));
  EXPECT_EQ(i, 4);
  EXPECT_EQ(j, -1);
  EXPECT_EQ(x, -1);
  TextLines src("1\n/\n9 9\n", "f");
  EXPECT_FALSE(readList(src, "", i, j, x));
  EXPECT_EQ(i, 1);
  EXPECT_EQ(j, -1);
}

TEST(ListInput, FileReadsContinueOntoFollowingLinesAndSkipTheRest) {
  TextLines src("1 2\n3\n4 5 6\n7\n", "f");
  int a, b, c, d;
  readList(src, "", a, b, c);
  EXPECT_EQ(a + b * 10 + c * 100, 321);
  readList(src, "", d);  // the rest of line 2 is skipped after a read ends: the next read starts at line 3
  EXPECT_EQ(d, 4);
  readList(src, "", d);
  EXPECT_EQ(d, 7);
  EXPECT_EQ(src.lineNo(), 4);
  EXPECT_THROW(readList(src, "", d), Failure);  // end of file
}

TEST(ListInput, OneLineReadsFailWhenTheLineRunsOut) {
  int a, b;
  EXPECT_THROW(readLine("5", nullptr, "", a, b), Failure);
  EXPECT_THROW(readLine("", nullptr, "", a), Failure);
}

TEST(ListInput, RejectsItemsOfTheWrongKind) {
  int i;
  double x;
  for (const char* bad : {"3.0", "abc", "1e3", "'7'", "99999999999", "--1", "3*0", ",5", "1,,2"}) {
    int k = 0;
    EXPECT_THROW(readLine(bad, nullptr, "", i, k), Failure) << bad;
  }
  for (const char* bad : {"abc", "1.2.3", "e5", ".", "1e", "1.0x", "2*1.5"}) EXPECT_THROW(readLine(bad, nullptr, "", x), Failure) << bad;
}

TEST(ListInput, ErrorMessagesNameFileLineAndWhatWasExpected) {
  TextLines src("header\n 12  abc\n", "fort.14");
  src.need("");
  int ne = 0, np = 0;
  try {
    readList(src, "the node count", ne, np);
    FAIL();
  } catch (const Failure& f) {
    std::string m = f.what();
    EXPECT_NE(m.find("fort.14"), std::string::npos) << m;
    EXPECT_NE(m.find("line 2"), std::string::npos) << m;
    EXPECT_NE(m.find("the node count"), std::string::npos) << m;
    EXPECT_NE(m.find("'abc'"), std::string::npos) << m;
    EXPECT_NE(f.status(), 0);
  }
}

TEST(ListInput, IntegerRangesAndThirtyTwoBitReals) {
  int i;
  long long big;
  EXPECT_THROW(readLine("2147483648", nullptr, "", i), Failure);
  readLine("-2147483648 9223372036854775807", nullptr, "", i, big);
  EXPECT_EQ(i, -2147483647 - 1);
  EXPECT_EQ(big, 9223372036854775807LL);
  float f;
  readLine("0.1", nullptr, "", f);
  EXPECT_EQ(f, 0.1f);  // rounded once, straight to 32 bits
}

TEST(FixedColumns, IntegerFieldsIgnoreBlanks) {
  EXPECT_EQ(vm::fieldInt("        12", 1, 10, nullptr, ""), 12);
  EXPECT_EQ(vm::fieldInt("  1 2     ", 1, 10, nullptr, ""), 12);
  EXPECT_EQ(vm::fieldInt("", 1, 10, nullptr, ""), 0);
  EXPECT_EQ(vm::fieldInt("abc  -7xyz", 4, 4, nullptr, ""), -7);
  EXPECT_EQ(vm::fieldInt("1234567890123", 1, 10, nullptr, ""), 1234567890);
  EXPECT_THROW(vm::fieldInt("   3.0", 1, 10, nullptr, ""), Failure);
}

TEST(FixedColumns, RealFieldsWithImpliedDecimals) {
  EXPECT_DOUBLE_EQ(vm::fieldReal("  12345", 1, 7, 3, nullptr, ""), 12.345);
  EXPECT_DOUBLE_EQ(vm::fieldReal(" -12.5 ", 1, 7, 3, nullptr, ""), -12.5);
  EXPECT_DOUBLE_EQ(vm::fieldReal("      5", 1, 7, 3, nullptr, ""), 0.005);
  EXPECT_DOUBLE_EQ(vm::fieldReal("1234567890", 1, 10, 5, nullptr, ""), 12345.6789);
  EXPECT_DOUBLE_EQ(vm::fieldReal("   15E2", 1, 7, 1, nullptr, ""), 150.0);
  EXPECT_EQ(vm::fieldReal("       ", 1, 7, 3, nullptr, ""), 0.0);
  EXPECT_EQ(vm::fieldReal("29.5", 1, 7, 3, nullptr, ""), 29.5);  // past the line end: blanks
  EXPECT_THROW(vm::fieldReal("  x.5", 1, 7, 3, nullptr, ""), Failure);
}

}  // namespace
