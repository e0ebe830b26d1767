// Wet/dry extent, min-max, max files, envelopes and difference files.
#include <gtest/gtest.h>

#include <string>

#include "core/error.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::readFile;
using vmtest::testData;
using vmtest::writeFile;

// Lines first..last (1-based) of a text.
std::string lines(const std::string& text, int first, int last) {
  std::string out;
  int n = 1;
  size_t p = 0;
  while (p < text.size() && n <= last) {
    size_t e = text.find('\n', p);
    if (e == std::string::npos) e = text.size() - 1;
    if (n >= first) out += text.substr(p, e - p + 1);
    p = e + 1;
    ++n;
  }
  return out;
}

std::string failure(const std::function<void()>& f) { return vmtest::failureOf(f); }

const char* const kMesh =
    "tiny mesh\n"
    "2 4\n"
    "1 -90.5 29.25 3.0\n"
    "2 -90.0 29.25 2.0\n"
    "3 -90.0 29.75 1.0\n"
    "4 123456789.5 29.75 1.0\n"
    "1 4 1 2 3\n"
    "2 3 1 3 4\n"
    "1 = open boundaries\n";

class SummaryTest : public vmtest::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    writeFile("fort.14", kMesh);
  }
  std::string wetdry(const std::string& answers) {
    return run(answers, [](vm::Console& c) { vm::wetdry(c, "unix"); });
  }
  std::string findminmax(const std::string& answers) {
    return run(answers, [](vm::Console& c) { vm::findminmax(c, "unix"); });
  }
  std::string generatemax(const std::string& answers) {
    return run(answers, [](vm::Console& c) { vm::generatemax(c, "unix"); });
  }
};

TEST_F(SummaryTest, WetExtentMarksListedNodesAndStopsAtTheEndOfAShortFile) {
  // Three snaps announced, two present; node 3 is listed in the first snap only, node 4 never.
  writeFile("fort.63",
            "run\n3 4 300.0 10 1 word\n"
            "300.0 10 2 -99999.0\n2 0.5\n3 0.1\n"
            "600.0 20 1 -99999.0\n2 1.0\n");
  std::string console = wetdry("fort.14\nfort.63 ignored\n100000\n");
  EXPECT_EQ(readFile("wet.14"), readFile(testData("modelout/wet_expected.14")));
  EXPECT_EQ(console,
            " Enter the name of the fort.14 file\n"
            " Enter the name of the fort.63 file\n"
            " Enter the wettag value\n"
            "Processing snap #    1 of     3.\n"
            "Processing snap #    2 of     3.\n"
            "Processing snap #    3 of     3.\n");

  // No snaps: nothing is marked.
  writeFile("empty.63", "run\n0 4 300.0 10 1 word\n");
  wetdry("fort.14\nempty.63\n5\n");
  EXPECT_EQ(lines(readFile("wet.14"), 3, 3), "         1     -90.500000      29.250000    0\n");
  EXPECT_EQ(lines(readFile("wet.14"), 4, 4), "         2     -90.000000      29.250000    0\n");
}

TEST_F(SummaryTest, WetExtentNeedsNoDepthAndCopiesTheCornersAsTheyAre) {
  writeFile("labels.14", "labelled\n1 3\n101 0.5 1.5\n102 1.5 1.5\n103 1.5 2.5\n1 3 101 102 103\n");
  writeFile("g.63", "run\n1 3 300.0 10 1 word\n300.0 10 1 -99999.0\n3 0.5\n");
  wetdry("labels.14\ng.63\n7\n");
  EXPECT_EQ(readFile("wet.14"),
            "Wetness Extent fort.14 style Grid\n         1         3\n"
            "         1       0.500000       1.500000    0\n"
            "         2       1.500000       1.500000    0\n"
            "         3       1.500000       2.500000    7\n"
            "         1         3       101       102       103\n");
}

TEST_F(SummaryTest, WetExtentRefusesFullSnapsNodesOutsideTheMeshAndItsOwnOutputAsInput) {
  writeFile("full.63", "run\n1 4 300.0 10 1 word\n300.0 10\n1 0.5\n2 0.5\n3 0.5\n4 0.5\n");
  EXPECT_NE(failure([&] { wetdry("fort.14\nfull.63\n1\n"); }).find("full.63, line 3"), std::string::npos);
  writeFile("far.63", "run\n1 4 300.0 10 1 word\n300.0 10 1\n5 0.5\n");
  EXPECT_NE(failure([&] { wetdry("fort.14\nfar.63\n1\n"); }).find("far.63, line 4: node number 5"),
            std::string::npos);
  writeFile("wet.14", kMesh);
  EXPECT_NE(failure([&] { wetdry("wet.14\nfar.63\n1\n"); }).find("wet.14"), std::string::npos);
  EXPECT_EQ(readFile("wet.14"), kMesh);
}

// A vector file: the first snap in full form, the second sparse with three items.
const char* const kVector =
    "run\n2 3 300.0 10 2 word\n"
    "300.0 10\n1 0.5 -99999.0\n2 -99999.0 -99999.0\n3 123456.0 -99999.0\n4 -99999.0 -99999.0\n"
    "600.0 20 1\n2 -3.14159 -99999.0\n";

TEST_F(SummaryTest, MinMaxReportsEachComponentAndComponentsWithoutValues) {
  writeFile("v.63", kVector);
  const std::string expected = readFile(testData("modelout/minmax_expected.txt"));
  EXPECT_EQ(findminmax("fort.14\nv.63\n"),
            "Enter the name of the fort.14 file: Enter the name of the global file: \n"
            "Processing snap #    1 of     2.\n"
            "Processing snap #    2 of     2.\n"
            "\n Results:\n" +
                lines(expected, 2, 4));
}

TEST_F(SummaryTest, MinMaxOnACutFileCountsWhatWasReadAndLeavesOutTheHeading) {
  // Cut in the middle of snap 2 (its second node line is missing).
  writeFile("cut.63",
            "run\n3 4 300.0 10 1 word\n"
            "300.0 10\n1 1.23456\n2 -0.5\n3 -99999.0\n4 -99999.0\n"
            "600.0 20 2 -99999.0\n1 7.0\n");
  const std::string expected = readFile(testData("modelout/minmax_expected.txt"));
  EXPECT_EQ(findminmax("fort.14\ncut.63\n"),
            "Enter the name of the fort.14 file: Enter the name of the global file: \n"
            "Processing snap #    1 of     3.\n"
            "Processing snap #    2 of     3.\n" +
                lines(expected, 5, 5));
  // Ending at a snap header: one progress line more than the snaps present.
  writeFile("short.63", "run\n2 4 300.0 10 1 word\n300.0 10 1\n1 7.0\n");
  EXPECT_EQ(findminmax("fort.14\nshort.63\n"),
            "Enter the name of the fort.14 file: Enter the name of the global file: \n"
            "Processing snap #    1 of     2.\n"
            "Processing snap #    2 of     2.\n" +
                lines(expected, 5, 5).substr(0, 20) + "    7.0000\n");
  // Line 2 without its text word is an error.
  writeFile("bad.63", "run\n1 4 300.0 10 1\n");
  EXPECT_NE(failure([&] { findminmax("fort.14\nbad.63\n"); }).find("bad.63, line 2"), std::string::npos);
}

TEST_F(SummaryTest, MaxFileKeepsTheLargestValueOfEachComponent) {
  // Snap 1 sparse with four items; snap 2 with three items counts as full form (3 lines).
  writeFile("v.64",
            "Vector run\n2 3 300.0 10 2 FormatVersion: 2\n"
            "300.0 10 2 -99999.0\n1 0.5 -0.5\n3 -99999.0 1.25\n"
            "600.0 20 3\n1 0.25 -0.25\n2 -99999.0 -99999.0\n3,2.0d0 0.75\n4 -99999.0 -99999.0\n");
  std::string console = generatemax("fort.14\nv.64\nmax.64\n");
  EXPECT_EQ(console,
            "Enter the name of the fort.14 file: Enter the name of the global file: "
            "Enter the name of the max file: \n"
            "Processing snap #    1 of     2.\n"
            "Processing snap #    2 of     2.\n\n");
  // The mesh has four nodes; the expected file was written for three: compare the head
  // through its own line 3 and the node lines.
  std::string got = readFile("max.64");
  std::string expected = readFile(testData("modelout/max_expected.63"));
  EXPECT_EQ(lines(got, 1, 1), lines(expected, 1, 1));
  EXPECT_EQ(lines(got, 4, 6), lines(expected, 4, 6));
  EXPECT_EQ(lines(got, 7, 7), "           4  -99999.000000000000       -99999.000000000000     \n");
  EXPECT_EQ(lines(got, 2, 3), "         1         4" + lines(expected, 2, 2).substr(20) +
                                  lines(expected, 3, 3).substr(0, 33) + "4" + lines(expected, 3, 3).substr(34));
}

TEST_F(SummaryTest, MaxFileOfACutFileIsCompletedAndNodesOutsideTheMeshStop) {
  writeFile("cut.63", "run\n3 4 300.0 10 1 word\n300.0 10 1 -99999.0\n2 1.5\n600.0 20 2 -99999.0\n1 9.0\n");
  EXPECT_EQ(generatemax("fort.14\ncut.63\nmax.63\n"),
            "Enter the name of the fort.14 file: Enter the name of the global file: "
            "Enter the name of the max file: \n"
            "Processing snap #    1 of     3.\n"
            "Processing snap #    2 of     3.\n");
  EXPECT_EQ(lines(readFile("max.63"), 4, 7),
            "           1   9.0000000000000000     \n"
            "           2   1.5000000000000000     \n"
            "           3  -99999.000000000000     \n"
            "           4  -99999.000000000000     \n");

  writeFile("far.63", "run\n1 4 300.0 10 1 word\n300.0 10 1 -99999.0\n0 1.5\n");
  EXPECT_NE(failure([&] { generatemax("fort.14\nfar.63\nmax.63\n"); }).find("far.63, line 4: node number 0"),
            std::string::npos);
  // Also on a line that is not plain blanks and numbers, and for numbers beyond 32 bits.
  writeFile("far.63", "run\n1 4 300.0 10 1 word\n300.0 10 1 -99999.0\n5,1.5\n");
  EXPECT_NE(failure([&] { generatemax("fort.14\nfar.63\nmax.63\n"); }).find("far.63, line 4: node number 5"),
            std::string::npos);
  writeFile("far.63", "run\n1 4 300.0 10 1 word\n300.0 10 1 -99999.0\n4294967297 1.5\n");
  EXPECT_NE(failure([&] { generatemax("fort.14\nfar.63\nmax.63\n"); }).find("node number 4294967297"),
            std::string::npos);
}

TEST_F(SummaryTest, MaxFileOfRecordTypeZeroListsTheNodesWithoutValues) {
  // Record type 0: no values on the node lines, none kept per node (found by fuzzing: the
  // empty table was indexed).
  writeFile("zero.63", "run\n1 4 300.0 10 0 word\n300.0 10 2 -99999.0\n2\n3\n");
  generatemax("fort.14\nzero.63\nmax.63\n");
  EXPECT_EQ(lines(readFile("max.63"), 4, 7), "           1\n           2\n           3\n           4\n");
}

TEST_F(SummaryTest, MaxFileNameThatNamesAnInputIsAskedAgain) {
  writeFile("g.63", "run\n0 4 300.0 10 1 word\n");
  std::string console = generatemax("fort.14\ng.63\n./g.63\nfort.14\nm.63\n");
  EXPECT_EQ(console,
            "Enter the name of the fort.14 file: Enter the name of the global file: "
            "Enter the name of the max file:  The output file must not be one of the input files.\n"
            "Enter the name of the max file:  The output file must not be one of the input files.\n"
            "Enter the name of the max file: \n\n");
  EXPECT_EQ(readFile("g.63"), "run\n0 4 300.0 10 1 word\n");
  EXPECT_EQ(lines(readFile("m.63"), 4, 4), "           1  -99999.000000000000     \n");
}

class EnvelopeTest : public vmtest::ToolTest {
 protected:
  std::string meow(const std::string& answers) {
    return run(answers, [](vm::Console& c) { vm::meow(c, "unix"); });
  }
};

const char* const kMaxA = "Storm1 run description\n1 4 3600.0 10 1\n0.0 0\n1 1.5\n2 -99999.0\n3 0.25\n4 -99999.0\n";
// As the max-file tool writes them: line 3 is a sparse snap header; two values per node.
const char* const kMaxB =
    "  Storm2 other\n 1 4 0.1E+01\n 1 1\n  0.000000E+00 0 4 -0.999900E+04\n"
    "1 2.0 9.0\n2 0.3\n3 -99999.0\n4\n-99999.0\n";

TEST_F(EnvelopeTest, EnvelopeHoldsTheLargestValueOfEveryNode) {
  writeFile("a.63", kMaxA);
  writeFile("b.63", kMaxB);
  writeFile("list", "a.63\n'b.63' second\n");
  std::string console = meow("env.63\nlist\n2\n");
  EXPECT_EQ(readFile("env.63"), readFile(testData("modelout/meow_expected.63")));
  const std::string pad56(56, ' '), pad54(54, ' ');
  EXPECT_EQ(console,
            "\n Maximum Envelope of Water (MEOW) Compiler Program\n\n"
            " Enter the name of the MEOW Output File: \n"
            " Enter the name of the MEOW Input File List: \n"
            " Enter the number of Files in the Input File List: \n"
            "           1           2 a.63" + pad56 + "\n"
            " Reading the file:  Storm1" + pad54 + "\n"
            "           2           2 b.63" + pad56 + "\n"
            " Reading the file:  Storm2" + pad54 + "\n");
}

TEST_F(EnvelopeTest, MismatchedNodeCountsShortListsAndOutputsNamingInputsAreRefused) {
  writeFile("a.63", kMaxA);
  writeFile("c.63", "other\n1 5 3600.0 10 1\n0.0 0\n1 1\n2 2\n3 3\n4 4\n5 5\n");
  writeFile("list", "a.63\nc.63\n");
  EXPECT_NE(failure([&] { meow("env.63\nlist\n2\n"); }).find("c.63, line 2: the node count 5 differs"),
            std::string::npos);
  EXPECT_NE(failure([&] { meow("env2.63\nlist\n3\n"); }).find("list: unexpected end of file"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("env2.63"));  // the list is read before the output is created

  // The output may name neither the list nor an input; a count below 1 is asked again.
  std::string console = meow("list\nlist\n0\n1\na.63\nenv.63\n");
  EXPECT_NE(console.find(" Enter the number of Files in the Input File List: \n"
                         " The number of files must be 1 or more.\n"
                         " Enter the number of Files in the Input File List: \n"
                         " The output file must not be one of the input files.\n"
                         " Enter the name of the MEOW Output File: \n"
                         " The output file must not be one of the input files.\n"
                         " Enter the name of the MEOW Output File: \n"
                         "           1           1 a.63"),
            std::string::npos)
      << console;
  EXPECT_EQ(readFile("a.63"), kMaxA);
  EXPECT_EQ(readFile("list"), "a.63\nc.63\n");
  EXPECT_EQ(lines(readFile("env.63"), 4, 7),
            "         1      0.1500000000E+01\n         2     -0.9999900000E+05\n"
            "         3      0.2500000000E+00\n         4     -0.9999900000E+05\n");
}

class DifferenceTest : public vmtest::ToolTest {
 protected:
  std::string generatediff(const std::string& answers) {
    return run(answers, [](vm::Console& c) { vm::generatediff(c, "unix"); });
  }
};

const char* const kFirst = "first run\n1 4 1.0 1 1\nnot a snap header\n1 1.2\n2 -99999.0\n3 0.5\n4 -99999.0\n\n";
const char* const kSecond = "second run\n1 4 1.0 1 1\n0.0 0\n11 0.7\n12 0.7\n13\n -99999.0\n14 -99999.0 7\n";

TEST_F(DifferenceTest, DryNodesCountAsZeroUnlessBothAreDry) {
  writeFile("one.63", kFirst);
  writeFile("two.63", kSecond);
  std::string console = generatediff("one.63\ntwo.63\nd.63\n");
  EXPECT_EQ(readFile("d.63"), readFile(testData("modelout/diff_expected.63")));
  EXPECT_EQ(console,
            "\n ************************************************\n"
            "    This Program will Subtract File2 from File1\n"
            " ************************************************\n"
            "Enter Filename 1: Enter Filename 2: Enter Output File:  not a snap header" +
                std::string(103, ' ') + "\n");
}

TEST_F(DifferenceTest, MismatchedCountsShortSecondFilesAndOutputsNamingInputs) {
  writeFile("one.63", kFirst);
  writeFile("five.63", "second run\n1 5 1.0 1 1\n0.0 0\n1 0\n2 0\n3 0\n4 0\n5 0\n");
  EXPECT_NE(failure([&] { generatediff("one.63\nfive.63\nd.63\n"); }).find("4 nodes"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("d.63"));

  writeFile("short.63", "second run\n1 4 1.0 1 1\n0.0 0\n1 0.5\n");
  EXPECT_NE(failure([&] { generatediff("one.63\nshort.63\nd.63\n"); }).find("short.63: unexpected end of file"),
            std::string::npos);
  EXPECT_EQ(lines(readFile("d.63"), 4, 4), "         1      0.7000000000E+00\n");  // written before the stop

  writeFile("two.63", kSecond);
  std::string console = generatediff("one.63\ntwo.63\ntwo.63\none.63\nd2.63\n");
  EXPECT_NE(console.find("Enter Output File:  The output file must not be one of the input files.\n"
                         "Enter Output File:  The output file must not be one of the input files.\n"
                         "Enter Output File: "),
            std::string::npos);
  EXPECT_EQ(readFile("one.63"), kFirst);
  EXPECT_EQ(readFile("d2.63"), readFile(testData("modelout/diff_expected.63")));
}

}  // namespace
