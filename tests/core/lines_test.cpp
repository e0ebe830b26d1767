// Line sources and output files.
#include <gtest/gtest.h>

#include <string>

#include "core/error.hpp"
#include "core/files.hpp"
#include "core/lines.hpp"
#include "support/tooltest.hpp"

namespace {

class LinesTest : public vmtest::ToolTest {};

TEST_F(LinesTest, LinesAcrossBufferRefillsWithCarriageReturnsAndNoFinalLineEnd) {
  std::string content;
  for (int k = 0; k < 3000; ++k) content += "line " + std::to_string(k) + (k % 3 == 0 ? "\r\n" : "\n");
  content += std::string(10000, 'x') + "\n\nlast";
  vmtest::writeFile("in.txt", content);
  vm::FileReader in("in.txt", 4096);  // smaller than the long line
  std::string_view ln;
  for (int k = 0; k < 3000; ++k) {
    ASSERT_TRUE(in.next(ln));
    ASSERT_EQ(ln, "line " + std::to_string(k));
  }
  ASSERT_TRUE(in.next(ln));
  EXPECT_EQ(ln.size(), 10000u);
  ASSERT_TRUE(in.next(ln));
  EXPECT_EQ(ln, "");
  ASSERT_TRUE(in.next(ln));
  EXPECT_EQ(ln, "last");
  EXPECT_EQ(in.lineNo(), 3003);
  EXPECT_FALSE(in.next(ln));
  EXPECT_FALSE(in.next(ln));
}

TEST_F(LinesTest, ASmallFileThatGrowsWhileReadIsReadToItsNewEnd) {
  // The buffer is sized to the file as opened; lines appended later (a file written by the
  // same run) must still come whole, also lines longer than that buffer.
  vmtest::writeFile("grow.txt", "one\n");
  vm::FileReader in("grow.txt");
  std::string_view ln;
  ASSERT_TRUE(in.next(ln));
  EXPECT_EQ(ln, "one");
  {
    vm::OutFile more("grow.txt");
    more.line("one");
    more.line(std::string(20000, 'y'));
    more.line("three");
  }
  ASSERT_TRUE(in.next(ln));
  EXPECT_EQ(ln, std::string(20000, 'y'));
  ASSERT_TRUE(in.next(ln));
  EXPECT_EQ(ln, "three");
  EXPECT_FALSE(in.next(ln));
}

TEST_F(LinesTest, EmptyFileAndMissingFile) {
  vmtest::writeFile("empty", "");
  vm::FileReader in("empty");
  std::string_view ln;
  EXPECT_FALSE(in.next(ln));
  try {
    in.need("the header");
    FAIL();
  } catch (const vm::Failure& f) {
    EXPECT_EQ(std::string(f.what()), "empty: unexpected end of file after line 0, expected the header");
  }
  try {
    vm::FileReader missing("nothere.14");
    FAIL();
  } catch (const vm::Failure& f) {
    EXPECT_NE(std::string(f.what()).find("nothere.14"), std::string::npos);
  }
}

TEST_F(LinesTest, OutputWrittenBeforeAFatalErrorStaysOnDisk) {
  try {
    vm::OutFile out("part.txt");
    out.line("first");
    out.put("second");
    vm::fail("stop");
  } catch (const vm::Failure&) {
  }
  EXPECT_EQ(vmtest::readFile("part.txt"), "first\nsecond");
}

TEST_F(LinesTest, SameFileSeesThroughDifferentNames) {
  vmtest::writeFile("a.TALVO", "x");
  EXPECT_TRUE(vm::sameFile("a.TALVO", "./a.TALVO"));
  EXPECT_FALSE(vm::sameFile("a.TALVO", "b.TALVO"));
  EXPECT_TRUE(vm::sameFile("new.txt", "new.txt"));
}

}  // namespace
