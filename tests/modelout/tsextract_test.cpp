#include "core/error.hpp"
#include "core/text.hpp"
#include "modelout/timeseries.hpp"
#include "modelout/tsextract_names.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::readFile;
using vmtest::testData;
using vmtest::writeFile;

// Two triangles over the unit square: 1 (0,0) 2 (1,0) 3 (0,1) 4 (1,1).
const char* const kMesh = "square\n2 4\n1 0 0 1.0\n2 1 0 2.0\n3 0 1 3.0\n4 1 1 12345.0\n1 3 1 2 3\n2 3 2 4 3\n";

// Series of one station's values, read back.
std::vector<std::vector<double>> series(const std::string& path, int* snapsAnnounced = nullptr) {
  vm::StationSeriesReader r(path);
  if (snapsAnnounced) *snapsAnnounced = r.snaps();
  std::vector<std::vector<double>> all;
  double t;
  while (r.nextSnap(t)) {
    std::vector<double> snap;
    for (int i = 0; i < r.stations(); ++i) {
      double v, w = 0;
      if (!r.station(v, w)) return all;
      snap.push_back(v);
      if (r.valuesPerLine() == 2) snap.push_back(w);
    }
    all.push_back(snap);
  }
  return all;
}

class TsextractTest : public vmtest::ToolTest {
 protected:
  std::string driven(const std::string& stations, const std::string& global, const std::string& tag = "r",
                     const std::string& folder = "", const std::string& mesh = "m.14") {
    return run("", [&](vm::Console& c) {
      std::string s = stations, m = mesh, g = global, r = tag, f = folder;
      vm::tsextract(c, "unix", 1, s, m, g, r, f);
    });
  }
};

TEST_F(TsextractTest, InteractiveDialogueSummaryAndSeries) {
  writeFile("m.14", kMesh);
  writeFile("gulf.Stations", "2\nA 0.3 0.2\n'Grand Isle' 5.0 5.0 0 20000.0\n");
  writeFile("g.63", "run\n 3 4 300.0 10 1 word more\n 300.0 10\n 1 1.0\n 2 2.0\n 3 3.0\n 4 4.0\n"
                    " 600.0 20\n 1 1.0\n 2 -99999.0\n");
  std::string runid;
  std::string out = run("1\nm.14\ng.63\nhindcast\n", [&](vm::Console& c) {
    std::string a, b, g, f;
    vm::tsextract(c, "unix", 0, a, b, g, runid, f);
  });
  EXPECT_EQ(runid, "hindcast");
  EXPECT_EQ(readFile("gulf.Stations.m.14.Summary"), readFile(testData("modelout/summary_lines.txt")));
  const std::string expected =
      "Enter name of file with lat/lon or node numbers for stations: \n" +
      vm::FreeLine().i(1).t(") ").t("gulf.Stations").str() + "\n" + vm::FreeLine().i(2).t(") User-Defined").str() +
      "\nEnter Selection:  " + vm::pad("gulf.Stations", 120) + "\n" +
      "Stations information was read successfully!\n \nEnter name of QORVEL grid file: " +
      vm::FreeLine().d(-0.2 + 0.7).d(0.2).d(0.3).str() + "\n Grand Isle is located outside of Grid\n" +
      "QORVEL grid file was read successfully!\n \n"
      "Enter name of file containing global values: Enter Run Tag:  \n \n"
      "Processing snap #    1 of     3.\nProcessing snap #    2 of     3.\n"
      "Time series extracted successfully!\n";
  EXPECT_EQ(out, expected);
  // The second snap is cut off in its node lines: its header is written, no station lines.
  const std::string written = readFile("gulf.hindcast.61");
  EXPECT_EQ(written.substr(0, 32), "Interpolated values at stations\n");
  EXPECT_EQ(written.substr(32, 107), "          3          2         10         10          1 word" + std::string(46, ' ') + "\n");
  const std::string last = vm::FreeLine().d(600.0).i(20).str() + "\n";
  EXPECT_EQ(written.substr(written.size() - last.size()), last);
  int announced;
  auto s = series("gulf.hindcast.61", &announced);
  EXPECT_EQ(announced, 3);
  ASSERT_EQ(s.size(), 1u);
  EXPECT_DOUBLE_EQ(s[0][0], 0.5 * 1.0 + 0.2 * 2.0 + 0.3 * 3.0);
  EXPECT_EQ(s[0][1], -99999.0);  // no node deep enough
}

TEST_F(TsextractTest, FullAndSparseFormsAndTheDryCornerRule) {
  writeFile("m.14", kMesh);
  // Weights 0.2, 0.3, 0.5 in element 1; node stations; a station just outside the bottom edge.
  writeFile("s.Stations",
            "5\nw 0.5 0.3\nnode 0.5 0.3 4\ndeep 0.9 0.9 2 2.5\nedge -0.004 0.5\nout 5 5 2\n");
  const std::string head = "run\n 4 4 1.0 1 1 w\n";
  writeFile("full.63", head +
                           " 1.0 1\n 1 1.0\n 2 2.0\n 3 3.0\n 4 4.0\n"
                           " 2.0 2\n 1 1.0\n 2 2.0\n 3 -99999.0\n 4 4.0\n"
                           " 3.0 3\n 1 1.0\n 2 -99999.0\n 3 3.0\n 4 -99999.0\n"
                           " 4.0 4\n 1 -99999.0\n 2 -99999.0\n 3 -99999.0\n 4 -99999.0\n");
  writeFile("sparse.63", head +
                             " 1.0 1 4 -99999.0\n 4 4.0\n 3 3.0\n 2 2.0\n 1 1.0\n"
                             " 2.0 2 3 -99999.0\n 1 1.0\n 2 2.0\n 4 4.0\n"
                             " 3.0 3 2 -99999.0\n 1 1.0\n 3 3.0\n"
                             " 4.0 4 0 -99999.0\n");
  driven("s.Stations", "full.63", "full");
  driven("s.Stations", "sparse.63", "sparse");
  EXPECT_EQ(readFile("s.full.61").substr(100), readFile("s.sparse.61").substr(100));
  auto s = series("s.full.61");
  ASSERT_EQ(s.size(), 4u);
  const double D = -99999.0;
  EXPECT_NEAR(s[0][0], 0.2 * 1.0 + 0.3 * 2.0 + 0.5 * 3.0, 1e-9);
  EXPECT_NEAR(s[1][0], 0.4 * 1.0 + 0.6 * 2.0, 1e-9);  // corner 3 dry: weights renormalised
  EXPECT_NEAR(s[2][0], 1.0 * 0.2 / 0.7 + 3.0 * 0.5 / 0.7, 1e-9);  // corner 2 dry
  EXPECT_EQ(s[3][0], D);
  EXPECT_EQ(s[0][1], 4.0);  // preferred node
  EXPECT_EQ(s[2][1], D);
  EXPECT_EQ(s[0][2], 4.0);  // a minimum depth overrides the preferred node: nearest node of depth 2.5 or more
  // Just below the edge y = 0 (weights 0.504, 0.5, -0.004): with corner 2 dry, the negative
  // weight of wet corner 3 is clipped to 0 before renormalising, leaving corner 1's value
  // (unclipped it would be 0.984).
  EXPECT_NEAR(s[0][3], 0.504 * 1.0 + 0.5 * 2.0 - 0.004 * 3.0, 1e-9);
  EXPECT_EQ(s[2][3], 1.0);
  for (auto& snap : s) EXPECT_EQ(snap[4], D);  // outside the mesh, whatever its preferred node
}

TEST_F(TsextractTest, VectorsRecordTypeThreeAndEmptyFiles) {
  writeFile("m.14", kMesh);
  writeFile("v.Stations", "1\nw 0.5 0.3\n");
  writeFile("v.64", "run\n 1 4 1.0 1 2 w\n 1.0 1\n 1 1.0 10.0\n 2 2.0 20.0\n 3 -99999.0 30.0\n 4 0 0\n");
  driven("v.Stations", "v.64", "vec");
  auto s = series("v.vec.62");
  ASSERT_EQ(s.size(), 1u);
  // Corner 3's first component is dry: the corner is dry for both components.
  EXPECT_NEAR(s[0][0], 0.4 * 1.0 + 0.6 * 2.0, 1e-9);
  EXPECT_NEAR(s[0][1], 0.4 * 10.0 + 0.6 * 20.0, 1e-9);

  writeFile("r3.63", "run\n 1 4 1.0 1 3 w\n 1.0 1\n 1 1 9\n 2 1 9\n 3 1 9\n 4 1 9\n");
  driven("v.Stations", "r3.63", "three");
  EXPECT_EQ(series("v.three.62"), (std::vector<std::vector<double>>{{1.0}}));

  writeFile("none.63", "run\n 0 4 1.0 1 1 w\n");
  std::string out = driven("v.Stations", "none.63", "none");
  EXPECT_EQ(readFile("v.none.61"),
            "Interpolated values at stations\n"
            "          0          1          1          1          1 w" + std::string(49, ' ') + "\n");
  EXPECT_NE(out.find("Time series extracted successfully!"), std::string::npos);
}

TEST_F(TsextractTest, PlaceholderStationsUnreachableWetNodesAndWeightlessCorners) {
  writeFile("m.14", kMesh);
  // "ph": a placeholder longitude, never searched for in the mesh, yet given its nearest
  // nodes (nodes 1 and 3 are equally near: the lower wins). "deep": no node is deep enough.
  // "corner": on corner 1 of element 1 (weights 1, 0, 0).
  writeFile("p.Stations", "3\nph 0.5 -9999.0\ndeep 0.3 0.2 0 99999.0\ncorner 0.0 0.0\n");
  writeFile("g.63", "run\n 2 4 1.0 1 1 w\n"
                    " 1.0 1\n 1 -99999.0\n 2 2.0\n 3 3.0\n 4 4.0\n"
                    " 2.0 2\n 1 1.0\n 2 2.0\n 3 3.0\n 4 4.0\n");
  const std::string out = driven("p.Stations", "g.63");
  EXPECT_NE(out.find("\n ph is located outside of Grid\n"), std::string::npos) << out;
  const std::string summary = readFile("p.Stations.m.14.Summary");
  EXPECT_NE(summary.find(std::string(48, ' ') + "ph              0              1              1   1.0000000000"),
            std::string::npos)
      << summary;
  EXPECT_NE(summary.find(std::string(46, ' ') + "deep              1              1              0   1.0000000000"
                         "-999.0000000000"),
            std::string::npos)
      << summary;
  const double D = -99999.0;
  auto s = series("p.r.61");
  ASSERT_EQ(s.size(), 2u);
  // The one dry corner carries all the weight; the two wet corners weigh 0: D, not 0 / 0.
  EXPECT_EQ(s[0], (std::vector<double>{D, D, D}));
  EXPECT_EQ(s[1], (std::vector<double>{D, D, 1.0}));
}

TEST_F(TsextractTest, RefusedInputs) {
  writeFile("m.14", kMesh);
  writeFile("g.63", "run\n 1 4 1.0 1 1 w\n 1.0 1\n 1 1\n 2 1\n 5 1\n 4 1\n");
  writeFile("bad.Stations", "1\nA 0.5 0.5 7\n");
  EXPECT_THROW(driven("bad.Stations", "g.63"), vm::Failure);
  EXPECT_FALSE(std::filesystem::exists("bad.r.61"));
  writeFile("ok.Stations", "1\nA 0.5 0.5\n");
  try {
    driven("ok.Stations", "g.63");
    FAIL();
  } catch (const vm::Failure& f) {
    EXPECT_NE(std::string(f.what()).find("g.63, line 6: node number 5"), std::string::npos) << f.what();
  }
  writeFile("corner.14", "c\n1 3\n1 0 0 1\n2 1 0 1\n3 0 1 1\n1 3 1 2 4\n");
  EXPECT_THROW(driven("ok.Stations", "g.63", "r", "", "corner.14"), vm::Failure);
}

TEST(TsextractNames, OutputAndSummaryNames) {
  EXPECT_EQ(vm::seriesName("gulf.Stations", "hindcast", 1), "gulf.hindcast.61");
  EXPECT_EQ(vm::seriesName("mylist.txt", "r2", 2), "mylist.txt.r2.62");
  EXPECT_EQ(vm::seriesName("sub/Stations", "R", 1), "sub/.R.61");
  EXPECT_EQ(vm::seriesName("Stations", "R", 3), ".R.62");
  EXPECT_EQ(vm::seriesName("a.stations", "R ", 1), "a.stations.R.61");
  EXPECT_EQ(vm::seriesName(std::string(98, 'x'), "R", 1), std::string(98, 'x') + ".R");
  EXPECT_EQ(vm::summaryName("gulf.Stations", "../meshes/fort.14"), "gulf.Stations.fort.14.Summary");
  EXPECT_EQ(vm::summaryName("d/gulf.Stations", "fort.14  "), "d/gulf.Stations.fort.14.Summary");
}

}  // namespace
