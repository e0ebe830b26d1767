// The built velmorant executable, run with scripted standard input in a scratch folder.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/tooltest.hpp"

namespace {

using vmtest::readFile;
using vmtest::writeFile;

class ExecutableTest : public vmtest::ToolTest {
 protected:
  struct Result {
    int status;
    std::string out, err;
  };
  Result runExe(const std::string& input) {
    writeFile("stdin.txt", input);
    std::string cmd = std::string("'") + VELMORANT_EXE + "' < stdin.txt > stdout.txt 2> stderr.txt";
    int rc = std::system(cmd.c_str());
    Result r{WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, readFile("stdout.txt"), readFile("stderr.txt")};
    return r;
  }
};

TEST_F(ExecutableTest, StationListThroughTheMenuThenTerminate) {
  writeFile("bay.TALVO",
            "% TALVO generic format - Water Level\n% year month day hour min sec watlev (m)\nNOAA UTC NAVD88\n"
            " NOAA_1 29.5 -90.1\n   2005      8     29      0      0      0        1.2345\n");
  Result r = runExe("1\n1\n99\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(readFile("bay.Stations"), "           1\n  NOAA_1 29.5 -90.1\n");
  EXPECT_NE(r.out.find(" Select Option: \n Enter the name of the input watlev file\n           1 ) bay.TALVO\n"),
            std::string::npos);
  EXPECT_NE(r.out.find("\n Yatta!\n\n"), std::string::npos);
  EXPECT_EQ(r.out.substr(r.out.size() - 21), "\n Program Terminated\n");
}

TEST_F(ExecutableTest, MissingInputStopsWithOneClearLineAndKeepsEarlierOutput) {
  Result r = runExe("2\nnothere.TALVO\nout.hwm\n99\n");
  EXPECT_NE(r.status, 0);
  EXPECT_EQ(r.err, "velmorant: cannot open input file 'nothere.TALVO': No such file or directory\n");
  EXPECT_NE(r.out.find(" Enter the name of the output hwm file\n"), std::string::npos);  // flushed before the stop
  EXPECT_EQ(r.out.find("Yatta"), std::string::npos);
}

TEST_F(ExecutableTest, MalformedValueNamesFileAndLine) {
  writeFile("wl.TALVO",
            "% TALVO generic format - Water Level\n% year month day hour min sec watlev (m)\nNOAA UTC NAVD88\n"
            "S 1 2\n2005 8 29 0 0 0 1.5\n2005 8 29 1 0 0 x1.7\n");
  Result r = runExe("2\nwl.TALVO\nout.hwm\n99\n");
  EXPECT_NE(r.status, 0);
  EXPECT_EQ(r.err, "velmorant: wl.TALVO, line 6: expected a real number (the date fields and the water level), found 'x1.7'\n");
  EXPECT_EQ(readFile("out.hwm").substr(0, 38), " % TALVO generic format - Water Level\n");
}

TEST_F(ExecutableTest, EndOfStandardInputIsAnError) {
  Result r = runExe("15\n");
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.err.find("standard input"), std::string::npos);
  EXPECT_NE(r.out.find(" Yatta!"), std::string::npos);
}

}  // namespace
