// The bad-input sweep, run in-process through the menu's option table: every base run,
// every damage of every input file, and the console answers ending after each line.
#include "sweep/sweep.hpp"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <sstream>

#include "core/error.hpp"
#include "shell/menu.hpp"
#include "support/tooltest.hpp"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace sweep {
namespace {

namespace fs = std::filesystem;
using vmtest::readFile;
using vmtest::writeFile;

// What is running, for the watchdog and the crash report (written from signal handlers).
char g_running[512] = "";
constexpr unsigned kHangSeconds = 20;

void sayRunning(const char* why) {
  const ssize_t a = ::write(2, why, std::strlen(why));
  const ssize_t b = ::write(2, g_running, std::strlen(g_running));
  const ssize_t c = ::write(2, "\n", 1);
  (void)a, (void)b, (void)c;
}

extern "C" void onHang(int) {
  sayRunning("\nsweep: the run does not end: ");
  ::_exit(124);
}

extern "C" void onCrash(int sig) {
  sayRunning("\nsweep: crash signal during: ");
  ::signal(sig, SIG_DFL);
  ::raise(sig);
}

#if defined(__SANITIZE_ADDRESS__)
extern "C" void onSanitizerDeath() { sayRunning("\nsweep: sanitizer report during: "); }
#endif

void installGuards() {
  static bool done = false;
  if (done) return;
  done = true;
  ::signal(SIGALRM, onHang);
#if defined(__SANITIZE_ADDRESS__)
  __sanitizer_set_death_callback(onSanitizerDeath);
#else
  for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) ::signal(sig, onCrash);
#endif
}

struct Outcome {
  enum { Completed, Failed, Other } end = Completed;
  std::string message;
  int status = 0;
};

Outcome runOption(int option, const std::string& answers, const std::string& what) {
  std::snprintf(g_running, sizeof g_running, "option %d, %s", option, what.c_str());
  std::istringstream in(answers);
  std::ostringstream out;
  vm::Console con(in, out);
  vm::MenuState state;
  Outcome o;
  ::alarm(kHangSeconds);
  try {
    if (!vm::runOption(con, state, option)) {
      o.end = Outcome::Other;
      o.message = "the menu does not know the option";
    }
  } catch (const vm::Failure& f) {
    o.end = Outcome::Failed;
    o.message = f.what();
    o.status = f.status();
  } catch (const std::exception& e) {
    o.end = Outcome::Other;
    o.message = std::string("unexpected exception: ") + e.what();
  }
  ::alarm(0);
  return o;
}

// A stop that names `name`, with a non-zero status and a one-line message.
bool cleanStopNaming(const Outcome& o, const std::string& name) {
  return o.end == Outcome::Failed && o.status != 0 && o.message.find('\n') == std::string::npos &&
         o.message.find(name) != std::string::npos;
}

class BadInputSweep : public vmtest::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    installGuards();
  }

  void clearFolder() {
    for (const auto& e : fs::directory_iterator(dir_)) fs::remove_all(e.path());
  }

  // Writes the scenario's files, `damaged` (index) replaced by `content` (or left out).
  void lay(const Scenario& sc, size_t damaged, const std::optional<std::string>& content) {
    clearFolder();
    for (size_t k = 0; k < sc.files.size(); ++k) {
      const InputFile& f = sc.files[k];
      if (fs::path(f.name).has_parent_path()) fs::create_directories(fs::path(f.name).parent_path());
      if (k != damaged)
        writeFile(f.name, f.content);
      else if (content)
        writeFile(f.name, *content);
    }
  }

  // Every input is as it was laid (and a removed one is still absent).
  void expectInputsKept(const Scenario& sc, size_t damaged, const std::optional<std::string>& content,
                        const std::string& what) {
    for (size_t k = 0; k < sc.files.size(); ++k) {
      const InputFile& f = sc.files[k];
      if (k == damaged && !content) {
        EXPECT_FALSE(fs::exists(f.name)) << what << ": the removed input " << f.name << " was created";
        continue;
      }
      const std::string& want = k == damaged ? *content : f.content;
      EXPECT_TRUE(fs::exists(f.name) && readFile(f.name) == want) << what << ": input " << f.name << " changed";
    }
  }
};

std::string describe(const Scenario& sc) { return "option " + std::to_string(sc.option) + " (" + sc.label + ")"; }

TEST_F(BadInputSweep, EveryDamagedInputIsHandledOrStopsCleanly) {
  const auto started = std::chrono::steady_clock::now();
  const bool times = std::getenv("VELMORANT_SWEEP_TIMES") != nullptr;
  const char* only = std::getenv("VELMORANT_SWEEP_OPTION");  // one option, when looking into it
  int runs = 0;
  for (const Scenario& sc : scenarios()) {
    if (only && std::atoi(only) != sc.option) continue;
    const auto scenarioStarted = std::chrono::steady_clock::now();
    // The base run is valid and leaves its inputs alone.
    lay(sc, sc.files.size(), std::nullopt);
    const Outcome base = runOption(sc.option, sc.answers, sc.label + ", base run");
    ASSERT_EQ(base.end, Outcome::Completed) << describe(sc) << ": " << base.message;
    expectInputsKept(sc, sc.files.size(), std::nullopt, describe(sc) + " base run");
    ++runs;

    for (size_t k = 0; k < sc.files.size(); ++k) {
      const InputFile& f = sc.files[k];
      const std::vector<Damaged> damages = damagesOf(f.content);
      std::string got, faults;
      for (int d = 0; d < kDamages; ++d) {
        if (damages[static_cast<size_t>(d)].skip) {
          got += '-';
          continue;
        }
        const std::optional<std::string>& content = damages[static_cast<size_t>(d)].content;
        const std::string what = describe(sc) + ", " + f.name + " " + damageName(static_cast<Damage>(d));
        lay(sc, k, content);
        const Outcome o = runOption(sc.option, sc.answers, what);
        ++runs;
        if (o.end == Outcome::Completed) {
          got += 'C';
        } else if (cleanStopNaming(o, f.name)) {
          got += 'F';
        } else if (cleanStopNaming(o, "")) {
          got += 'o';
          faults += "\n  " + std::string(damageName(static_cast<Damage>(d))) + ": " + o.message;
        } else {
          got += 'x';
          faults += "\n  " + std::string(damageName(static_cast<Damage>(d))) + ": " + o.message;
        }
        expectInputsKept(sc, k, content, what);
      }
      EXPECT_EQ(got, f.expect) << describe(sc) << ", input " << f.name << faults;
    }
    if (times)
      std::printf("[ sweep    ] %-45s %.3f s\n", describe(sc).c_str(),
                  std::chrono::duration<double>(std::chrono::steady_clock::now() - scenarioStarted).count());
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("[ sweep    ] %d runs in %.2f s\n", runs, seconds);
}

// Console answers that end early: after every line of the base answers the run must stop
// with a message about standard input, never wait or loop.
TEST_F(BadInputSweep, AnswersEndingEarlyStopCleanly) {
  const auto started = std::chrono::steady_clock::now();
  int runs = 0;
  for (const Scenario& sc : scenarios()) {
    std::vector<size_t> ends;  // offsets just after each answer line
    for (size_t p = sc.answers.find('\n'); p != std::string::npos; p = sc.answers.find('\n', p + 1))
      ends.push_back(p + 1);
    for (size_t k = 0; k < ends.size(); ++k) {
      const std::string cut = sc.answers.substr(0, k == 0 ? 0 : ends[k - 1]);
      lay(sc, sc.files.size(), std::nullopt);
      const std::string what = describe(sc) + ", answers ending after " + std::to_string(k) + " lines";
      const Outcome o = runOption(sc.option, cut, what);
      ++runs;
      EXPECT_TRUE(cleanStopNaming(o, "standard input")) << what << ": " << o.message;
      expectInputsKept(sc, sc.files.size(), std::nullopt, what);
    }
    if (!sc.answers.empty()) {
      // The last answer without its line end is still an answer.
      lay(sc, sc.files.size(), std::nullopt);
      const Outcome o = runOption(sc.option, sc.answers.substr(0, sc.answers.size() - 1), describe(sc));
      ++runs;
      EXPECT_EQ(o.end, Outcome::Completed) << describe(sc) << ", last answer without a line end: " << o.message;
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("[ sweep    ] %d runs in %.2f s\n", runs, seconds);
}

// An answer that is refused and asked again, then the end of the answers: the question
// loop must stop on the end of input, not ask for ever.
TEST_F(BadInputSweep, RefusedAnswerThenEndOfAnswersStops) {
  const std::pair<int, std::string> cases[] = {
      {1, "0\n"},                                               // a selection below 1
      {2, "wl.TALVO\nwl.TALVO\n"},                              // the output names the input
      {3, "2008 9 1 0 0\n99\ngulf.Stations\n99\nrun.61\n8\n"},  // a kind outside 1 to 7
      {6, "9\n"},                                               // a format option outside 1 to 7
      {6, "1\nQORVEL\nm.TALVO\n99\nm.TALVO\n"},                 // the merge file as an input
      {13, "env.63\nlist\n0\n"},                                // no files to read
      {13, "list\nlist\n2\n"},                                  // the output names an input
      {14, "fort.14\nv.64\nv.64\n"},
      {16, "one.63\ntwo.63\none.63\n"},
      {21, "2008 13 1 0 0 0\n"},  // month 13
      {25, "list.txt\n3\n"},      // no such storm
      {32, "list.txt\nLST_LDT\n"},  // local time with daylight saving
      {32, "list.txt\nGMT\nfeet\n"},
      {41, "small.14\nsmall.14\n"},
      {42, "osu.txt\n3\nosu.txt\n"},
      {51, "fort.14\n1\nA\norig.13\norig.13\n"},
      {52, "river.14\n3\n"},                                  // no such flow option
      {52, "river.14\n2\n1000\n'Lower'\n2500.5\nAtch\n4\n"},  // no such forcing option
      {52, "river.14\n2\n1000\n'Lower'\n2500.5\nAtch\n2\nprofiles.txt\nriver.14\n"},
  };
  for (const auto& [option, answers] : cases) {
    const Scenario& sc = scenario(option);
    lay(sc, sc.files.size(), std::nullopt);
    const std::string what = "option " + std::to_string(option) + " on " + answers;
    const Outcome o = runOption(option, answers, what);
    EXPECT_TRUE(cleanStopNaming(o, "standard input")) << what << ": " << o.message;
  }
}

// Every option the menu runs has a base run in the sweep.
TEST_F(BadInputSweep, CoversEveryMenuOption) {
  std::set<int> swept;
  for (const Scenario& sc : scenarios()) swept.insert(sc.option);
  std::set<int> known;
  for (int option = 1; option <= 97; ++option) {
    clearFolder();
    const Outcome o = runOption(option, "", "menu option probe");
    if (o.end != Outcome::Other) known.insert(option);
  }
  EXPECT_EQ(known.size(), 39u);
  EXPECT_EQ(swept, known);
}

}  // namespace
}  // namespace sweep
