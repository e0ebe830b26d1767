// The built velmorant executable, run with scripted standard input in a scratch folder.
#include <gtest/gtest.h>


#include <filesystem>
#include <string>

#include "support/tooltest.hpp"

namespace {

using vmtest::readFile;
using vmtest::writeFile;

class ExecutableTest : public vmtest::ToolTest {
 protected:
  using Result = vmtest::ProgramRun;
  Result runExe(const std::string& input) { return vmtest::runProgram(input); }
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

TEST_F(ExecutableTest, BatchChainFromAControlFileThenTerminate) {
  std::filesystem::create_directory("obs");
  writeFile("m.14", "square\n2 4\n1 0 0 1.0\n2 1 0 2.0\n3 0 1 3.0\n4 1 1 4.0\n1 3 1 2 3\n2 3 2 4 3\n");
  writeFile("obs/bay.Stations", "1\nA 0.3 0.2\n");
  writeFile("wl.63", "run\n 1 4 3600.0 1 1 w\n 3600.0 1\n 1 1.0\n 2 2.0\n 3 3.0\n 4 4.0\n");
  writeFile("run.cntrl", "2008 9 1 0 0\nm.14\nhc\n'obs/'\n1\n1\nwl.63\n1\nbay.Stations\n");
  Result r = runExe("31\n1\n99\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("Time series extracted successfully!\n"
                       " Collecting data for timesnap            1 .\n\n Yatta!\n"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(readFile("obs/bay.hc.61.TALVO"),
            " % TALVO generic format - Water Level\n % year month day hour min sec watlev (m)\n QORVEL UTC NAVD88\n"
            " A  0.29999999999999999       0.20000000000000001     \n"
            "   2008      9      1      1      0      0        1.8000\n");
}

TEST_F(ExecutableTest, UnacceptableWaveRefractionSelectionEndsTheProgram) {
  writeFile("m.14", "mesh\n0 1\n1 -85.0 30.0 5\n");
  Result r = runExe("51\nm.14\n1\na\n99\n");
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.out.find("Enter selection (A/B): FATAL ERROR: That is not an acceptable selection.\n"), std::string::npos);
  EXPECT_NE(r.err.find("FATAL ERROR: That is not an acceptable selection."), std::string::npos);
  EXPECT_EQ(r.out.find("Yatta"), std::string::npos);
}

TEST_F(ExecutableTest, EndOfStandardInputIsAnError) {
  Result r = runExe("15\n");
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.err.find("standard input"), std::string::npos);
  EXPECT_NE(r.out.find(" Yatta!"), std::string::npos);
}

}  // namespace
