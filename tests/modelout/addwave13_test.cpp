// Wave-refraction attribute: regions, the attributes file copy, and the coverage index
// against the element-by-element scan.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/error.hpp"
#include "modelout/coverage.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::readFile;
using vmtest::testData;
using vmtest::writeFile;

// Node 1 on the box's corner, 2 just east of it, 3 just south, 4 inside.
const char* const kMesh =
    "mesh\n0 4\n1 -82.0 25.0 5\n2 -81.9 26.0 5\n3 -90.0 24.99 5\n4 -85.0 30.0 5\n";
const char* const kNoAttributes = "title\n4 nodes\n0\n";
const char* const kTwoAttributes =
    "title   \r\n4\n2\n"
    "surface_height_offset\nm\n1\n0.0   \n"
    "manning\nunitless\n1\n0.02\n"
    "surface_height_offset\n1\n3 0.5   \n"
    "manning\n2 lines\n1 0.03\n4 0.04\n";

const std::string kHead =
    "\nThis program develops the nodal attribute for wave refraction in SWAN,\n"
    "  and then adds it to an existing nodal attributes file.\n"
    "Enter name of the mesh (fort.14): The mesh was read successfully.\n\n"
    "How do you want to apply the wave refraction?\n"
    "  1. Enable within a specified lon/lat box.\n"
    "  2. Enable within the coverage defined by a coarse mesh.\n"
    "Enter selection (1/2): ";
const std::string kBoxMenu =
    "You have selected option 1.\n\n"
    "How do you want to specify the lon/lat box?\n"
    "  A. Enable wave refraction in the northern\n"
    "     Gulf of Mexico (lon < -82, lat > 25).\n"
    "  B. Specify the lon/lat box inside which\n"
    "     wave refraction will be enabled.\n"
    "Enter selection (A/B): ";
const std::string kTail =
    "The nodal attribute for wave refraction was developed successfully.\n\n"
    "Enter name of the original nodal attributes file (orig.13): "
    "Enter name of the new nodal attributes file (new.13): "
    "The new nodal attributes file was written successfully.\n\n";

const std::string kName = "wave_refraction_in_swan\n";

std::string disabled(const std::vector<int>& nodes) {
  std::string s = "           " + std::to_string(nodes.size()) + "\n";
  for (int n : nodes) s += "           " + std::to_string(n) + "   0.0000000000000000     \n";
  return s;
}

class WaveRefractionTest : public vmtest::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    writeFile("fort.14", kMesh);
  }
  std::string addwave13(const std::string& answers) {
    return run(answers, [](vm::Console& c) { vm::addwave13(c); });
  }
};

TEST_F(WaveRefractionTest, NorthernGulfBoxIncludesItsBoundsAndListsDisabledNodes) {
  writeFile("orig.13", kNoAttributes);
  std::string console = addwave13("fort.14\n1\nA\norig.13\nnew.13\n");
  EXPECT_EQ(console, kHead + kBoxMenu + "You have selected option A.\n" + kTail);
  const std::string e = readFile(testData("modelout/attributes_expected.txt"));
  EXPECT_EQ(readFile("new.13"), "title\n4 nodes\n" + e.substr(0, 13) + kName + "unitless\n" + e.substr(13, 40) +
                                    kName + e.substr(53));
}

TEST_F(WaveRefractionTest, TypedBoxAndEveryAttributeBlockCopied) {
  writeFile("orig.13", kTwoAttributes);
  // Minimum longitude above the maximum: no node is enabled.
  std::string console = addwave13("fort.14 \n1\nBravo\n-80\n-70\n40,\n20\norig.13\nnew.13\n");
  EXPECT_EQ(console, kHead + kBoxMenu + "You have selected option B.\n\n" +
                         "Enter maximum longitude:Enter minimum longitude:Enter maximum latitude:"
                         "Enter minimum latitude:" + kTail);
  EXPECT_EQ(readFile("new.13"),
            "title\n4\n           3\n"
            "surface_height_offset\nm\n1\n0.0\n"
            "manning\nunitless\n1\n0.02\n" +
                kName + "unitless\n           1\n   1.0000000000000000     \n" +
                "surface_height_offset\n1\n3 0.5\n"
                "manning\n2 lines\n1 0.03\n4 0.04\n" +
                kName + disabled({1, 2, 3, 4}));

  // A box that holds every node: the new block has a count of 0 and no node lines.
  addwave13("fort.14\n1\nB\n0 / ignored\n-100\n90\n-90\norig.13\nall.13\n");
  EXPECT_EQ(readFile("all.13").substr(readFile("all.13").size() - kName.size() - 13), kName + "           0\n");
}

TEST_F(WaveRefractionTest, UnacceptableSelectionsStopTheProgram) {
  for (const char* answers : {"fort.14\n1\na\n", "fort.14\n3\n", "fort.14\n\n"}) {
    try {
      addwave13(answers);
      FAIL() << answers;
    } catch (const vm::Failure& f) {
      EXPECT_NE(f.status(), 0);
      EXPECT_NE(std::string(f.what()).find("FATAL ERROR: That is not an acceptable selection."), std::string::npos);
    }
  }
  // The message is on the console too.
  std::ostringstream out;
  std::istringstream in("fort.14\n1\nC\n");
  vm::Console con(in, out);
  EXPECT_THROW(vm::addwave13(con), vm::Failure);
  EXPECT_EQ(out.str(), kHead + kBoxMenu + "FATAL ERROR: That is not an acceptable selection.\n");
}

TEST_F(WaveRefractionTest, CoarseMeshCoverageUsesTheTenthOfAPercentTolerance) {
  // Unit square of two elements (the second clockwise); nodes on the outer edge, just
  // inside the tolerance, just beyond it, and far away.
  writeFile("coarse.grd", "coarse\n2 4\n1 0 0 1\n2 1 0 1\n3 0 1 1\n4 1 1 1\n1 3 1 2 3\n2 3 2 3 4\n");
  writeFile("fine.14", "fine\n0 5\n1 0.5 0.0 1\n2 0.5 -0.0004 1\n3 0.5 -0.0006 1\n4 5 5 1\n5 0.9 0.9 1\n");
  writeFile("orig.13", "t\n5\n0\n");
  std::string console = addwave13("fine.14\n2\ncoarse.grd\norig.13\nnew.13\n");
  EXPECT_NE(console.find("Enter selection (1/2): \n"
                         "You want to enable the wave refraction within the coverage defined by a coarse mesh.\n"
                         "Enter name of the coarse mesh (GOMEX.grd): The coarse mesh was read successfully.\n"
                         "The nodal attribute"),
            std::string::npos);
  EXPECT_EQ(readFile("new.13").substr(readFile("new.13").find(kName, 40)), kName + disabled({3, 4}));

  // A coarse corner that is not a node is an error naming the file and the line.
  writeFile("bad.grd", "coarse\n1 3\n1 0 0 1\n2 1 0 1\n3 0 1 1\n1 3 1 2 9\n");
  try {
    addwave13("fine.14\n2\nbad.grd\n");
    FAIL();
  } catch (const vm::Failure& f) {
    EXPECT_NE(std::string(f.what()).find("bad.grd, line 6: element corner 9"), std::string::npos) << f.what();
  }
}

TEST_F(WaveRefractionTest, FilesThatDoNotFitAreRefusedBeforeTheNewFileIsMade) {
  writeFile("five.13", "t\n5\n0\n");
  EXPECT_THROW(addwave13("fort.14\n1\nA\nfive.13\nnew.13\n"), vm::Failure);
  writeFile("has.13", "t\n4\n1\n wave_refraction_in_swan \nunitless\n1\n1.0\nwave_refraction_in_swan\n0\n");
  EXPECT_THROW(addwave13("fort.14\n1\nA\nhas.13\nnew.13\n"), vm::Failure);
  EXPECT_FALSE(std::filesystem::exists("new.13"));
  writeFile("neg.13", "t\n4\n-1\n");
  EXPECT_THROW(addwave13("fort.14\n1\nA\nneg.13\nnew.13\n"), vm::Failure);
  // An attribute count whose four header lines per attribute pass the largest integer: the
  // file ends first (found by fuzzing: the line count overflowed).
  writeFile("huge.13", "t\n4\n7777777777777777777\nmanning\n");
  try {
    addwave13("fort.14\n1\nA\nhuge.13\nnew.13\n");
    ADD_FAILURE();
  } catch (const vm::Failure& f) {
    EXPECT_NE(std::string(f.what()).find("huge.13: unexpected end of file"), std::string::npos) << f.what();
  }

  // A new name that names an input is asked again.
  writeFile("orig.13", kNoAttributes);
  std::string console = addwave13("fort.14\n1\nA\norig.13\norig.13\nfort.14\nnew.13\n");
  const std::string ask = "Enter name of the new nodal attributes file (new.13): ";
  EXPECT_NE(console.find(ask + " The output file must not be one of the input files.\n" + ask +
                         " The output file must not be one of the input files.\n" + ask + "The new"),
            std::string::npos);
  EXPECT_EQ(readFile("orig.13"), kNoAttributes);
  EXPECT_EQ(readFile("fort.14"), kMesh);
}

// The index against the scan of every element, on random meshes: a jittered triangulated
// grid (with clockwise elements, slivers and repeated corners) and points on corners, on
// edges, just inside and just outside the tolerance, and anywhere around.
TEST(CoverageIndexTest, AgreesWithTheElementScan) {
  std::mt19937_64 rng(20240611);
  for (int round = 0; round < 30; ++round) {
    std::uniform_real_distribution<double> jitter(-0.3, 0.3);
    const int nx = 3 + static_cast<int>(rng() % 12), ny = 3 + static_cast<int>(rng() % 12);
    const double ox = -100.0 + static_cast<double>(rng() % 50), oy = 10.0 + static_cast<double>(rng() % 30);
    const double h = round % 3 == 0 ? 1e-3 : 0.25;
    std::vector<double> x, y;
    for (int j = 0; j <= ny; ++j)
      for (int i = 0; i <= nx; ++i) {
        x.push_back(ox + h * (i + (i > 0 && i < nx ? jitter(rng) : 0.0)));
        y.push_back(oy + h * (j + (j > 0 && j < ny ? jitter(rng) : 0.0)));
      }
    std::vector<std::array<int, 3>> nm;
    auto node = [&](int i, int j) { return j * (nx + 1) + i + 1; };
    for (int j = 0; j < ny; ++j)
      for (int i = 0; i < nx; ++i) {
        if (rng() % 7 == 0) continue;  // holes
        nm.push_back({node(i, j), node(i + 1, j), node(i, j + 1)});
        nm.push_back({node(i + 1, j), node(i, j + 1), node(i + 1, j + 1)});  // clockwise
      }
    nm.push_back({1, 2, 3});                                    // a sliver along the bottom row
    nm.push_back({node(0, 1), node(0, 1), node(1, 1)});        // repeated corner: zero area
    const vm::CoverageIndex index(x, y, nm);

    std::vector<std::pair<double, double>> pts;
    std::uniform_real_distribution<double> ux(ox - 2 * h, ox + h * (nx + 2)), uy(oy - 2 * h, oy + h * (ny + 2));
    for (int k = 0; k < 400; ++k) pts.emplace_back(ux(rng), uy(rng));
    std::uniform_real_distribution<double> t(0.0, 1.0);
    for (const auto& e : nm) {
      const size_t a = static_cast<size_t>(e[0] - 1), b = static_cast<size_t>(e[1] - 1);
      pts.emplace_back(x[a], y[a]);
      const double s = t(rng);
      const double ex = x[a] + s * (x[b] - x[a]), ey = y[a] + s * (y[b] - y[a]);
      pts.emplace_back(ex, ey);
      // Off the edge by amounts around the tolerance.
      for (double f : {1e-4, 4e-4, 5e-4, 6e-4, 1e-3, 1e-2})
        for (double sign : {-1.0, 1.0}) pts.emplace_back(ex + sign * f * (y[b] - y[a]), ey - sign * f * (x[b] - x[a]));
    }
    for (const auto& [px, py] : pts)
      ASSERT_EQ(index.covered(px, py), vm::coveredByScan(x, y, nm, px, py))
          << "round " << round << " point " << px << " " << py;
  }
}

// Nearly collinear corners far from the origin: the computed doubled area is rounding noise,
// and the scan covers points far along the element's line, outside any box around it.
TEST(CoverageIndexTest, NearlyCollinearElementsFarFromTheOriginCoverWhatTheScanCovers) {
  int farCovered = 0;
  for (int k = 0; k < 300; ++k) {
    const double ox = 100000.3 + k * 7.1, oy = -100000.7 + k * 3.3, h = 1.37;
    const std::vector<double> x{ox, ox + h, ox + 2 * h}, y{oy, oy + 0.3 * h, oy + 0.6 * h};
    const std::vector<std::array<int, 3>> nm{{1, 2, 3}};
    for (double magnitude : {0.0, 3.0e5}) {
      const vm::CoverageIndex index(x, y, nm, magnitude);
      for (double t : {-40.0, -5.0, -2.0, 3.0, 5.0, 40.0}) {
        const double px = ox + h * t, py = oy + 0.3 * h * t;
        const bool scan = vm::coveredByScan(x, y, nm, px, py);
        ASSERT_EQ(index.covered(px, py), scan) << k << " " << t;
        farCovered += scan;
      }
    }
  }
  EXPECT_GT(farCovered, 20);  // the case really occurs
}

TEST(CoverageIndexTest, EmptyMeshesAndPointsThatAreNotNumbers) {
  const vm::CoverageIndex none({}, {}, {});
  EXPECT_FALSE(none.covered(0, 0));
  const std::vector<double> x{0, 1, 0}, y{0, 0, 1};
  const vm::CoverageIndex one(x, y, {{1, 2, 3}});
  EXPECT_TRUE(one.covered(0.25, 0.25));
  EXPECT_FALSE(one.covered(std::nan(""), 0.25));
  EXPECT_FALSE(one.covered(1e300, 0.25));
}

}  // namespace
