#include "support/tooltest.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "core/error.hpp"

namespace vmtest {

std::string readFile(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  EXPECT_TRUE(f.good()) << "cannot read " << p;
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void writeFile(const std::filesystem::path& p, const std::string& content) {
  std::ofstream f(p, std::ios::binary);
  f << content;
}

std::string testData(const std::string& relative) { return std::string(VELMORANT_TEST_DATA) + "/" + relative; }

std::string failureOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const vm::Failure& e) {
    return e.what();
  }
  return "no error";
}

ProgramRun runCommand(const std::string& command, const std::string& input, int seconds) {
  writeFile("stdin.txt", input);
  const std::string cmd =
      "timeout " + std::to_string(seconds) + " " + command + " < stdin.txt > stdout.txt 2> stderr.txt";
  const int rc = std::system(cmd.c_str());
  return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, readFile("stdout.txt"), readFile("stderr.txt")};
}

ProgramRun runProgram(const std::string& answers) {
  return runCommand(std::string("'") + VELMORANT_EXE + "'", answers);
}

void ToolTest::SetUp() {
  oldDir_ = std::filesystem::current_path();
  std::string tmpl = (std::filesystem::temp_directory_path() / "velmorant-test-XXXXXX").string();
  char* made = ::mkdtemp(tmpl.data());
  ASSERT_NE(made, nullptr);
  dir_ = made;
  std::filesystem::current_path(dir_);
}

void ToolTest::TearDown() {
  std::filesystem::current_path(oldDir_);
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

std::string ToolTest::run(const std::string& answers, const std::function<void(vm::Console&)>& tool) {
  std::istringstream in(answers);
  std::ostringstream out;
  vm::Console con(in, out);
  tool(con);
  return out.str();
}

}  // namespace vmtest
