#include "mesh/mesh.hpp"

#include "core/error.hpp"
#include "support/tooltest.hpp"

namespace {

using vmtest::writeFile;

// Ten nodes labelled 110 down to 101, two open segments, land segments of IBTYPE 0, 24 and 3.
const char* const kLabelled =
    "labelled mesh\n"
    "3 10\n"
    "110 0.0 0.0 5.0\n109 1.0 0.0 5.0\n108 2.0 0.0 5.0\n107 0.0 1.0 5.0\n106 1.0 1.0 5.0\n"
    "105 2.0 1.0 5.0\n104 0.0 2.0 5.0\n103 1.0 2.0 5.0\n102 2.0 2.0 5.0\n101 3.0 3.0 5.0\n"
    "1 3 110 109 107\n2 3 109 106 107\n3 3 101 102 103\n"
    "2 = Number of open boundaries\n"
    "3 = Total number of open boundary nodes\n"
    "2 0 ! segment type after the count\n110\n109\n"
    "1\n101\n"
    "3 = Number of land boundaries\n"
    "6 = Total number of land boundary nodes\n"
    "1 0\n105\n"
    "2 24 ! barrier pairs\n104 103 1.5 2.5 3.5\n102 999 4.5 5.5 6.5 ! unknown partner\n"
    "2 3\n108 0.25 0.75\n107 1.25 1.75\n";

class MeshTest : public vmtest::ToolTest {};

TEST_F(MeshTest, LabelsMapToPositionsAndEveryBoundaryTypeIsRead) {
  writeFile("m.14", kLabelled);
  vm::Mesh m;
  vm::MeshSizes s;
  std::string out = run("", [&](vm::Console& c) {
    vm::FileReader a("m.14");
    s = vm::read14_alloc(a, c);
    vm::FileReader b("m.14");
    m = vm::read14(b, s, c);
  });
  EXPECT_EQ(out, "   |\n   + \n");
  EXPECT_EQ(s.ne, 3);
  EXPECT_EQ(s.np, 10);
  EXPECT_EQ(s.nope, 2);
  EXPECT_EQ(s.nbou, 3);
  EXPECT_EQ(s.maxNvdll, 2);
  EXPECT_EQ(s.maxNvell, 2);
  EXPECT_EQ(s.maxLabel, 110);

  EXPECT_EQ(m.title, "labelled mesh");
  EXPECT_EQ(m.nsequencer(110), 1);
  EXPECT_EQ(m.nsequencer(101), 10);
  EXPECT_EQ(m.nsequencer(100), 0);
  EXPECT_EQ(m.nsequencer(1), 0);
  EXPECT_EQ(m.nsequencer(111), 0);
  EXPECT_EQ(m.nm[0], (std::array<int, 3>{1, 2, 4}));
  EXPECT_EQ(m.nm[2], (std::array<int, 3>{10, 9, 8}));
  EXPECT_DOUBLE_EQ(m.x[9], 3.0);

  EXPECT_EQ(m.neta, 3);
  ASSERT_EQ(m.open.size(), 2u);
  EXPECT_EQ(m.open[0].nodes, (std::vector<int>{1, 2}));
  EXPECT_EQ(m.open[1].nodes, (std::vector<int>{10}));

  EXPECT_EQ(m.nvel, 6);
  ASSERT_EQ(m.land.size(), 3u);
  EXPECT_EQ(m.land[0].ibtype, 0);
  EXPECT_EQ(m.land[0].nodes, (std::vector<int>{6}));
  EXPECT_EQ(m.land[0].ibconn, (std::vector<int>{0}));
  EXPECT_EQ(m.land[0].bar[0], (std::array<double, 3>{0, 0, 0}));
  EXPECT_EQ(m.land[1].nodes, (std::vector<int>{7, 9}));
  EXPECT_EQ(m.land[1].ibconn, (std::vector<int>{8, 0}));
  EXPECT_EQ(m.land[1].bar[1], (std::array<double, 3>{4.5, 5.5, 6.5}));
  EXPECT_EQ(m.land[2].nodes, (std::vector<int>{3, 4}));
  EXPECT_EQ(m.land[2].ibconn, (std::vector<int>{0, 0}));
  EXPECT_EQ(m.land[2].bar[1], (std::array<double, 3>{1.25, 1.75, 0}));
}

TEST_F(MeshTest, NoBoundariesAndCornerBelowOne) {
  writeFile("m.14", "t\n1 3\n1 0 0 1\n2 1 0 1\n3 0 1 1\n1 3 1 0 3\n0\n0\n0\n0\n");
  vm::Mesh m;
  std::string out = run("", [&](vm::Console& c) { m = vm::readMeshFull("m.14", c); });
  EXPECT_EQ(out, "   |\n   + \n" + vm::FreeLine().i(1).i(2).i(0).str() + "\n");
  EXPECT_EQ(m.nm[0], (std::array<int, 3>{1, 0, 3}));
  EXPECT_TRUE(m.open.empty());
  EXPECT_TRUE(m.land.empty());
}

TEST_F(MeshTest, DisallowedIbtypeWaitsForEnterAndStops) {
  writeFile("m.14", "t\n0 1\n1 0 0 1\n0\n0\n1\n1\n1 5\n1\n");
  std::string out;
  try {
    run("\n", [&](vm::Console& c) {
      struct Flush {
        vm::Console& c;
        std::string& o;
        ~Flush() { o = dynamic_cast<std::ostringstream&>(c.out()).str(); }
      } f{c, out};
      vm::readMeshFull("m.14", c);
    });
    FAIL() << "no stop";
  } catch (const vm::Failure& f) {
    EXPECT_NE(f.status(), 0);
    EXPECT_NE(std::string(f.what()).find("IBTYPE 5"), std::string::npos);
  }
  EXPECT_EQ(out, "   |\n   + \n" + vm::FreeLine().t("IBTYPE is not allowed").i(5).str() +
                     "\n\n **** Hit the Enter-Key to stop ****\n");
}

TEST_F(MeshTest, HugeLabelsUseTheSortedTable) {
  writeFile("m.14", "t\n1 3\n2000000000 0 0 1\n7 1 0 1\n2000000000 0 1 1\n1 3 7 2000000000 5\n0\n0\n0\n0\n");
  vm::Mesh m;
  run("", [&](vm::Console& c) { m = vm::readMeshFull("m.14", c); });
  EXPECT_EQ(m.nsequencer(2000000000), 3);  // the later line of a repeated label wins
  EXPECT_EQ(m.nsequencer(7), 2);
  EXPECT_EQ(m.nm[0], (std::array<int, 3>{2, 3, 0}));
}

TEST_F(MeshTest, BadFilesNameFileAndLine) {
  auto message = [&](const std::string& text) {
    writeFile("m.14", text);
    try {
      run("", [&](vm::Console& c) { vm::readMeshFull("m.14", c); });
    } catch (const vm::Failure& f) {
      return std::string(f.what());
    }
    return std::string("no error");
  };
  EXPECT_NE(message("t\n1 3\n1 0 0 1\n2 1 0 1\n").find("m.14: unexpected end of file"), std::string::npos);
  EXPECT_NE(message("t\n0 1\n1 0 x 1\n0\n0\n0\n0\n").find("m.14, line 3"), std::string::npos);
  EXPECT_NE(message("t\n0 1\n0 0 0 1\n0\n0\n0\n0\n").find("line 3"), std::string::npos);
}

TEST_F(MeshTest, GridReaderUsesCornersAsPositionsAndChecksThem) {
  writeFile("g.14", "grid\n2 3\n1 0 0 1\n2 1 0 2\n3 0 1 3\n1 3 1 2 3\n2 3 3 2 1\n");
  vm::Mesh m = vm::readMeshGrid("g.14");
  EXPECT_EQ(m.np(), 3);
  EXPECT_EQ(m.ne(), 2);
  EXPECT_EQ(m.nm[1], (std::array<int, 3>{3, 2, 1}));
  EXPECT_DOUBLE_EQ(m.depth[2], 3.0);

  writeFile("g.14", "grid\n1 3\n1 0 0 1\n2 1 0 2\n3 0 1 3\n1 3 1 4 3\n");
  try {
    vm::readMeshGrid("g.14");
    FAIL();
  } catch (const vm::Failure& f) {
    EXPECT_NE(std::string(f.what()).find("g.14, line 6: element corner 4"), std::string::npos) << f.what();
  }
}

TEST_F(MeshTest, GridReaderForCallersThatNeedNoDepthAndOnlyCopyCorners) {
  // Node lines of x and y only; corners that are labels, not positions.
  writeFile("g.14", "grid\n2 3\n1 0 0\n2 1 0\n3 0 1\n1 3 101 102 103\n2 3 0 2 1\n");
  vm::GridReading how;
  how.depth = false;
  how.cornersArePositions = false;
  vm::Mesh m = vm::readMeshGrid("g.14", how);
  ASSERT_EQ(m.np(), 3);
  EXPECT_DOUBLE_EQ(m.x[1], 1.0);
  EXPECT_DOUBLE_EQ(m.y[2], 1.0);
  EXPECT_TRUE(m.depth.empty());
  EXPECT_EQ(m.nm[0], (std::array<int, 3>{101, 102, 103}));
  EXPECT_EQ(m.nm[1], (std::array<int, 3>{0, 2, 1}));
  how.cornersArePositions = true;
  EXPECT_THROW(vm::readMeshGrid("g.14", how), vm::Failure);
}

TEST_F(MeshTest, NodeReaderStopsAfterTheNodesAndNeedsNoDepth) {
  // Node lines without a depth, and element lines that would not read: neither matters.
  writeFile("n.14", "nodes\n7 3\n1 0.5 -1.5\n2 1 0 2\n3 0 1.25\nnot an element\n");
  int ne = -1;
  vm::Mesh m = vm::readMeshNodes("n.14", &ne);
  EXPECT_EQ(ne, 7);
  ASSERT_EQ(m.np(), 3);
  EXPECT_EQ(m.ne(), 0);
  EXPECT_DOUBLE_EQ(m.x[0], 0.5);
  EXPECT_DOUBLE_EQ(m.y[0], -1.5);
  EXPECT_DOUBLE_EQ(m.y[2], 1.25);
  writeFile("n.14", "nodes\n7 3\n1 0.5 -1.5\n2 1 0 2\n");
  EXPECT_THROW(vm::readMeshNodes("n.14"), vm::Failure);
}

}  // namespace
