// Counts that a header announces and the file does not hold (a damaged or cut file): every
// reader stops cleanly at the end of the file, naming it, without first taking memory for
// all the announced items (two thousand million nodes, stations or profiles would need
// tens of gigabytes).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/error.hpp"
#include "forcing/open_boundary.hpp"
#include "mesh/mesh.hpp"
#include "modelout/stations.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::readFile;
using vmtest::testData;
using vmtest::writeFile;

const char* const kHuge = "2000000000";

class AnnouncedCountTest : public vmtest::ToolTest {
 protected:
  // The run must stop with an end-of-file message naming `file`.
  void expectEndOf(const std::string& file, const std::function<void()>& f) {
    try {
      f();
      ADD_FAILURE() << "no stop for " << file;
    } catch (const vm::Failure& e) {
      const std::string msg = e.what();
      EXPECT_EQ(msg.rfind(file + ": unexpected end of file", 0), 0u) << msg;
    }
  }
  void tool(const std::string& answers, const std::function<void(vm::Console&)>& t) { run(answers, t); }
};

TEST_F(AnnouncedCountTest, MeshReaders) {
  writeFile("nodes.14", std::string("m\n2 ") + kHuge + "\n1 0 0 1\n2 1 0 1\n");
  writeFile("elements.14", std::string("m\n") + kHuge + " 3\n1 0 0 1\n2 1 0 1\n3 0 1 1\n1 3 1 2 3\n");
  expectEndOf("nodes.14", [] { vm::readMeshGrid("nodes.14"); });
  expectEndOf("nodes.14", [] { vm::readMeshNodes("nodes.14"); });
  expectEndOf("elements.14", [] { vm::readMeshGrid("elements.14"); });
  expectEndOf("nodes.14", [] { vm::readOpenBoundaryPoints("nodes.14", true); });
  expectEndOf("nodes.14", [this] { tool("nodes.14\n", [](vm::Console& c) { vm::readMeshFull("nodes.14", c); }); });
}

TEST_F(AnnouncedCountTest, StationFilesAndStationSeries) {
  writeFile("s.Stations", std::string(kHuge) + "\nA 0.5 0.5\n");
  expectEndOf("s.Stations", [] { vm::readStationFile("s.Stations"); });

  // A series announcing that many stations, with one snap of one station line: the snap
  // is cut off, and the station list then ends before the announced stations.
  writeFile("run.61", std::string("Interpolated values at stations\n1 ") + kHuge + " 1 1 1 w\n3600.0 1\n1 2.5\n");
  writeFile("gulf.Stations", "1\nA 29.0 -90.0\n");
  expectEndOf("gulf.Stations", [this] {
    tool("", [](vm::Console& c) {
      vm::StartDate start{2008, 9, 1, 0, 0};
      std::string st = "gulf.Stations", series = "run.61", folder;
      int kind = 1;
      vm::talvo61(c, "unix", 1, start, st, series, kind, folder);
    });
  });
}

TEST_F(AnnouncedCountTest, MaxFilesProfilesDatabaseAndTypedStationCounts) {
  writeFile("a.63", std::string("run\n1 ") + kHuge + " 3600.0 10 1\n0.0 0\n1 1.5\n");
  writeFile("list", "a.63\n");
  expectEndOf("a.63", [this] { tool("env.63\nlist\n1\n", [](vm::Console& c) { vm::meow(c, "unix"); }); });

  writeFile("river.14", readFile(testData("forcing/river/river.14")));
  std::string profiles = readFile(testData("forcing/river/profiles.txt"));
  profiles.replace(profiles.find("\n2\n"), 3, std::string("\n") + kHuge + "\n");
  writeFile("profiles.txt", profiles);
  expectEndOf("profiles.txt", [this] {
    tool("river.14\n1\n8000\n2\nprofiles.txt\nout.txt\n", [](vm::Console& c) { vm::riverextract(c); });
  });

  for (const char* f : {"model.14", "tb3307.tdb"}) writeFile(f, readFile(testData(std::string("forcing/tb3307/") + f)));
  writeFile("tb3307.grd", std::string("db\n1 ") + kHuge + "\n1 -90 29 1\n");
  expectEndOf("tb3307.grd", [this] { tool("model.14\n", [](vm::Console& c) { vm::tb3307extract(c); }); });
  writeFile("tb3307.grd", std::string("db\n") + kHuge + " 3\n1 -90 29 1\n2 -89 29 1\n3 -90 30 1\n1 3 1 2 3\n");
  expectEndOf("tb3307.grd", [this] { tool("model.14\n", [](vm::Console& c) { vm::tb3307extract(c); }); });

  writeFile("osu.txt", readFile(testData("forcing/osu_result.txt")));
  expectEndOf("osu.txt", [this] {
    tool(std::string("osu.txt\n") + kHuge + "\nex.txt\n", [](vm::Console& c) { vm::osuextract(c); });
  });
}

}  // namespace
