// Support for driving tools in-process: a scratch working directory, scripted answers
// and helpers to write and read files.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>

#include "core/console.hpp"

namespace vmtest {

std::string readFile(const std::filesystem::path& p);
void writeFile(const std::filesystem::path& p, const std::string& content);
std::string testData(const std::string& relative);
// The message of the vm::Failure that `f` stops with, or "no error".
std::string failureOf(const std::function<void()>& f);

// A run of the built program in the working directory, its standard input the answers
// given, guarded against waiting for ever (status 124 when the guard ends it, -1 on a signal).
struct ProgramRun {
  int status;
  std::string out, err;
};
ProgramRun runProgram(const std::string& answers);
// Any command line, run by the shell in the working directory with the same guard.
ProgramRun runCommand(const std::string& command, const std::string& input = "", int seconds = 300);

// Each test runs in a fresh scratch folder, which becomes the working directory.
class ToolTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs `tool` with the answers given (lines joined by '\n'); returns the console output.
  std::string run(const std::string& answers, const std::function<void(vm::Console&)>& tool);

  std::filesystem::path dir_;
  std::filesystem::path oldDir_;
};

}  // namespace vmtest
