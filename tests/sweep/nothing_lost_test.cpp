// No run truncates a file it still has to read: an output named like one of the run's
// inputs (by the same name or another spelling of the same file) is refused. A name typed
// at a prompt is asked again; a fixed or derived name stops the tool before any output is
// created.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/error.hpp"
#include "shell/menu.hpp"
#include "support/tooltest.hpp"
#include "sweep/sweep.hpp"

namespace sweep {
namespace {

namespace fs = std::filesystem;
using vmtest::readFile;
using vmtest::writeFile;

class NothingLost : public vmtest::ToolTest {
 protected:
  // Runs the option; returns the console output, or the failure's message in `stop`.
  std::string runOption(int option, const std::string& answers, std::string* stop = nullptr) {
    std::istringstream in(answers);
    std::ostringstream out;
    vm::Console con(in, out);
    vm::MenuState state;
    try {
      vm::runOption(con, state, option);
    } catch (const vm::Failure& f) {
      if (!stop)
        ADD_FAILURE() << "option " << option << " stopped: " << f.what();
      else
        *stop = f.what();
      return out.str();
    }
    if (stop) ADD_FAILURE() << "option " << option << " did not stop";
    return out.str();
  }
  void expectKept(const Scenario& sc, const std::string& what) {
    for (const InputFile& f : sc.files) EXPECT_EQ(readFile(f.name), f.content) << what << ": " << f.name;
  }
};

size_t count(const std::string& text, const std::string& piece) {
  size_t n = 0;
  for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
  return n;
}

// Output names typed at a prompt that name an input: each is refused with a message and
// asked again; the run then completes with the next name.
TEST_F(NothingLost, TypedOutputNamesNamingAnInputAreAskedAgain) {
  const std::string any = "The output file must not be one of the input files";
  struct Case {
    int option;
    std::string label;  // of the base run, when the option has several
    std::string answers;
    std::string refusal;
    size_t refused;
    std::string written;  // the output finally made
  } cases[] = {
      {2, "", "wl.TALVO\nwl.TALVO\n'./wl.TALVO'\nhwm.TALVO\n", "The output file must not be the input file.", 2,
       "hwm.TALVO"},
      {6, "", "1\nQORVEL\nm.TALVO\n99\nm.TALVO\n99\n'./m.TALVO'\n99\na.TALVO\nn\n", "cannot also be merged into itself",
       2, "m.TALVO"},
      {13, "", "'./a.63'\nlist\n2\n'./list'\nb.63\nenv.63\n", any, 3, "env.63"},
      {14, "", "fort.14\nv.64\n./v.64\n./fort.14\nv.64\nmax.64\n", any, 3, "max.64"},
      {16, "", "one.63\ntwo.63\n./one.63\n./two.63\none.63\nd.63\n", any, 3, "d.63"},
      {41, "", "small.14\n'./small.14'\nsmall.14\ntides.OSU\npts.txt\n2005 8 1 6 0 0\n2005 8 11 6 0 0\n",
       "The points file must not be the grid file nor tides.OSU", 3, "pts.txt"},
      {42, "", "osu.txt\n3\n'./osu.txt'\nosu.txt\nex.txt\n", any, 2, "ex.txt"},
      {43, "", "fes.txt\n2\n'./fes.txt'\nfes.txt\nfes.out\n", any, 2, "fes.out"},
      {51, "wave refraction in a coarse mesh",
       "fine.14\n2\ncoarse.grd\norig.13\n./coarse.grd\n./fine.14\n./orig.13\nnew.13\n", any, 3, "new.13"},
      {52, "", "river.14\n2\n1000\n'Lower'\n2500.5\nAtch\n2\nprofiles.txt\n'./river.14'\n'./profiles.txt'\nriver.out\n",
       any, 2, "river.out"},
  };
  for (const Case& c : cases) {
    const Scenario& sc = scenario(c.option, c.label);
    for (const auto& e : fs::directory_iterator(dir_)) fs::remove_all(e.path());
    lay(sc);
    const std::string console = runOption(c.option, c.answers);
    EXPECT_EQ(count(console, c.refusal), c.refused) << "option " << c.option << "\n" << console;
    expectKept(sc, "option " + std::to_string(c.option));
    EXPECT_TRUE(fs::exists(c.written)) << "option " << c.option;
  }
}

// Output names a tool makes itself (fixed, or built from an input's name) that name an
// input: the run stops with an error naming that file before it creates any output.
struct Derived {
  int option;
  size_t input;                      // the input given the name of an output
  std::string disk;                  // the name it is stored under
  std::string spelled;               // how the answers or the other inputs name it
  std::vector<std::string> notMade;  // outputs the run must not have created
};

void PrintTo(const Derived& d, std::ostream* os) { *os << "option " << d.option << " " << d.spelled; }

class DerivedNames : public NothingLost, public ::testing::WithParamInterface<Derived> {};

TEST_P(DerivedNames, StopBeforeAnyOutputIsCreated) {
  const Derived& d = GetParam();
  const Scenario sc = renamed(scenario(d.option), d.input, d.disk, d.spelled);
  lay(sc);
  std::string stop;
  runOption(d.option, sc.answers, &stop);
  EXPECT_NE(stop.find(d.disk), std::string::npos) << stop;
  expectKept(sc, stop);
  for (const std::string& out : d.notMade) EXPECT_FALSE(fs::exists(out)) << out << " was created; " << stop;
}

const std::vector<std::string> kNoaaOut = {"watlev_NOAA_NAVD_VER.TALVO", "watlev_NOAA_MSL_VER.TALVO",
                                           "watlev_NOAA_NAVD_PRE.TALVO"};

INSTANTIATE_TEST_SUITE_P(
    EveryTool, DerivedNames,
    ::testing::Values(
        // Observation and model-output tools: names built from the input's.
        Derived{1, 0, ".tempfile", "'./.tempfile'", {".tempfile.Stations"}},
        Derived{3, 0, "run.61.TALVO", "'./run.61.TALVO'", {}},
        Derived{4, 1, "stations.F.TALVO", "'./stations.F.TALVO'", {}},
        Derived{8, 1, "stations.C.TALVO", "'./stations.C.TALVO'", {}},
        Derived{10, 2, "gulf.hindcast.61", "./gulf.hindcast.61", {}}, Derived{11, 0, "wet.14", "'./wet.14'", {}},
        Derived{11, 1, "wet.14", "'./wet.14'", {}}, Derived{17, 1, "gulf.P.Stations", "'./gulf.P.Stations'", {}},
        Derived{18, 1, "gulf.L.Stations", "'./gulf.L.Stations'", {}},
        Derived{31, 0, "sub/a.run.61", "'./sub/a.run.61'", {"sub/a.Stations.m.14.Summary"}},
        Derived{31, 4, "sub/a.Stations.m.14.Summary", "'./sub/a.Stations.m.14.Summary'", {"sub/a.run.61"}},
        // Converters: fixed output names, for the list or data file and for a raw file.
        Derived{21, 0, "notfound.txt", "'./notfound.txt'", {"watlev_CRMS.TALVO"}},
        Derived{21, 1, "watlev_CRMS.TALVO", "'./watlev_CRMS.TALVO'", {"notfound.txt"}},
        Derived{22, 0, "watlev_NOAA_MSL_PRE.TALVO", "'./watlev_NOAA_MSL_PRE.TALVO'", kNoaaOut},
        Derived{22, 2, "watlev_NOAA_MSL_PRE.TALVO", "'./watlev_NOAA_MSL_PRE.TALVO'", kNoaaOut},
        Derived{23, 1, "watlev_TCOON_NAVD88.TALVO", "'./watlev_TCOON_NAVD88.TALVO'", {}},
        Derived{24, 0, "watlev_VANTE.TALVO", "watlev_VANTE.TALVO", {}},
        Derived{24, 2, "watlev_VANTE.TALVO", "'./watlev_VANTE.TALVO'", {}},
        Derived{25,
                3,
                "watlev_USGS-DEPL_beach.TALVO",
                "'./watlev_USGS-DEPL_beach.TALVO'",
                {"watlev_USGS-DEPL_surge.TALVO"}},
        Derived{26, 2, "watlev_USGS-PERM.TALVO", "'./watlev_USGS-PERM.TALVO'", {}},
        Derived{27, 4, "watlev_VANTE-RVT.TALVO", "'./watlev_VANTE-RVT.TALVO'", {"hs_VANTE-RVT.TALVO"}},
        Derived{28, 1, "watlev_SLOSH.TALVO", "'./watlev_SLOSH.TALVO'", {}},
        Derived{29, 0, "tp_CSI.TALVO", "'./tp_CSI.TALVO'", {"hs_CSI.TALVO"}},
        Derived{29, 1, "dir_CSI.TALVO", "'./dir_CSI.TALVO'", {"hs_CSI.TALVO"}},
        Derived{30, 2, "tm_NDBC.TALVO", "'./tm_NDBC.TALVO'", {"dir_NDBC.TALVO"}},
        Derived{32, 0, "watlev_COOPS_PRED.TALVO", "'./watlev_COOPS_PRED.TALVO'", {"watlev_COOPS_OBS.TALVO"}},
        Derived{32, 2, "watlev_COOPS_OBS.TALVO", "'./watlev_COOPS_OBS.TALVO'", {"watlev_COOPS_PRED.TALVO"}},
        Derived{33, 1, "watlev_USGS_NWIS.TALVO", "'./watlev_USGS_NWIS.TALVO'", {}},
        Derived{34, 0, "watlev_NDBC_STDMET.TALVO", "'./watlev_NDBC_STDMET.TALVO'", {"hs_NDBC_STDMET.TALVO"}},
        Derived{34, 2, "dir_NDBC_STDMET.TALVO", "'./dir_NDBC_STDMET.TALVO'", {"hs_NDBC_STDMET.TALVO"}},
        // Boundary forcing: fixed names and names built from the harmonic file's.
        Derived{44, 0, "tides.out", "'./tides.out'", {"tides.in"}},
        Derived{45, 0, "harm.53.K1.pha.63", "'./harm.53.K1.pha.63'", {"harm.53.M2.amp.63"}}));

// A file given as its own symbolic link is the same file under another name.
TEST_F(NothingLost, OutputThatIsALinkToTheInputIsRefused) {
  const Scenario& sc = scenario(7);
  lay(sc);
  fs::create_symlink("adjust.TALVO", "adjust.TALVO.A.TALVO");
  std::string stop;
  runOption(7, sc.answers, &stop);
  EXPECT_NE(stop.find("adjust.TALVO.A.TALVO"), std::string::npos) << stop;
  expectKept(sc, "adjust");
}

}  // namespace
}  // namespace sweep
