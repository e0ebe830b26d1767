#include "modelout/timeseries.hpp"

#include <map>

#include "core/error.hpp"
#include "support/tooltest.hpp"

namespace {

using vm::GlobalReader;
using vmtest::readFile;
using vmtest::writeFile;

// Every snap of a global file as node -> values, with unlisted nodes at the snap's default.
using Snap = std::map<int, std::vector<double>>;

std::vector<Snap> readAll(const std::string& path, GlobalReader::Options opt, bool* cut = nullptr) {
  GlobalReader g(path, opt);
  std::vector<Snap> all;
  vm::SnapHeader h;
  if (cut) *cut = false;
  while (g.nextSnap(h)) {
    Snap s;
    for (int k = 1; k <= g.np(); ++k) s[k] = std::vector<double>(static_cast<size_t>(g.valuesPerLine()), h.fill);
    bool ok = g.readNodes([&](int node, const double* v) { s[node].assign(v, v + g.valuesPerLine()); });
    all.push_back(s);
    if (!ok) {
      if (cut) *cut = true;
      break;
    }
  }
  return all;
}

class GlobalReaderTest : public vmtest::ToolTest {};

TEST_F(GlobalReaderTest, FullAndSparseFormsGiveTheSameSnaps) {
  writeFile("full.63",
            "run\n 2 3 0.3E+03 10 1 FormatVersion: 2\n"
            " 300.0 10\n 1 0.5\n 2 -99999.0\n 3 1.5E+000\n"
            " 600.0 20\n 1 -99999.0\n 2 -99999.0\n 3 -99999.0\n");
  writeFile("sparse.63",
            "run\n 2 3 0.3E+03 10 1 FormatVersion: 2\n"
            " 300.0 10 2 -99999.0\n 3 1.5E+000\n 1 0.5\n"
            " 600.0 20 0 -9.9999E+004\n");
  GlobalReader::Options opt;
  opt.np = 3;
  auto full = readAll("full.63", opt);
  auto sparse = readAll("sparse.63", opt);
  ASSERT_EQ(full.size(), 2u);
  EXPECT_EQ(full, sparse);
  EXPECT_EQ(full[0][1][0], 0.5);
  EXPECT_EQ(full[1][2][0], -99999.0);

  GlobalReader g("sparse.63", opt);
  EXPECT_EQ(g.header().snaps, 2);
  EXPECT_EQ(g.header().outputStep, 10);
  EXPECT_EQ(g.header().word, "FormatVersion:");
  vm::SnapHeader h;
  ASSERT_TRUE(g.nextSnap(h));
  EXPECT_TRUE(h.sparse);
  EXPECT_EQ(h.count, 2);
  ASSERT_TRUE(g.nextSnap(h));  // the unread node lines of the first snap are passed over
  EXPECT_EQ(h.time, 600.0);
  EXPECT_EQ(h.count, 0);
  EXPECT_FALSE(g.nextSnap(h));
}

TEST_F(GlobalReaderTest, VectorsAndGeneralFreeFormLines) {
  // Commas, D exponents and a node line continued on the next line take the general path.
  writeFile("v.64",
            "run\n 1 3 1.0 1 2 w\n 0.0 0\n 1, 1.5D0, -2.5d-1\n 2 0.5\n 0.25\n 3 7 8 extra items\n");
  GlobalReader::Options opt;
  auto s = readAll("v.64", opt);
  ASSERT_EQ(s.size(), 1u);
  EXPECT_EQ(s[0][1], (std::vector<double>{1.5, -0.25}));
  EXPECT_EQ(s[0][2], (std::vector<double>{0.5, 0.25}));
  EXPECT_EQ(s[0][3], (std::vector<double>{7, 8}));

  writeFile("r3.63", "run\n 1 2 1.0 1 3 w\n 0.0 0\n 1 4 9\n 2 5 9\n");
  s = readAll("r3.63", opt);
  EXPECT_EQ(s[0][1], (std::vector<double>{4}));  // record type 3: one value per line
  opt.valuesPerLine = GlobalReader::kRecordTypeCount;
  GlobalReader g("r3.63", opt);
  EXPECT_EQ(g.valuesPerLine(), 3);
}

TEST_F(GlobalReaderTest, EarlyEndsStopTheSeriesQuietly) {
  GlobalReader::Options opt;
  bool cut;
  // Fewer snaps than announced.
  writeFile("a.63", "run\n 5 2 1.0 1 1 w\n 0.0 0\n 1 1.0\n 2 2.0\n");
  auto s = readAll("a.63", opt, &cut);
  EXPECT_EQ(s.size(), 1u);
  EXPECT_FALSE(cut);
  // Cut off in the middle of a snap's node lines.
  writeFile("b.63", "run\n 5 2 1.0 1 1 w\n 0.0 0\n 1 1.0\n 2 2.0\n 1.0 1\n 1 3.0\n");
  s = readAll("b.63", opt, &cut);
  EXPECT_EQ(s.size(), 2u);
  EXPECT_TRUE(cut);
  // A node line that is not numbers, and a header without time and iteration.
  writeFile("c.63", "run\n 5 2 1.0 1 1 w\n 0.0 0\n 1 1.0\n 2 abc\n");
  s = readAll("c.63", opt, &cut);
  EXPECT_TRUE(cut);
  writeFile("d.63", "run\n 5 2 1.0 1 1 w\n 0.0 0\n 1 1.0\n 2 2.0\n\n");
  s = readAll("d.63", opt, &cut);
  EXPECT_EQ(s.size(), 1u);
  EXPECT_FALSE(cut);
  // More snaps in the file than announced: the rest is not read.
  writeFile("e.63", "run\n 1 1 1.0 1 1 w\n 0.0 0\n 1 1.0\n 1.0 1\n 1 2.0\n");
  EXPECT_EQ(readAll("e.63", opt).size(), 1u);
}

TEST_F(GlobalReaderTest, FatalFaultsNameFileAndLine) {
  auto message = [](const std::string& text, GlobalReader::Options opt) {
    writeFile("f.63", text);
    try {
      readAll("f.63", opt);
    } catch (const vm::Failure& f) {
      return std::string(f.what());
    }
    return std::string("no error");
  };
  GlobalReader::Options opt;
  EXPECT_NE(message("run\n 1 2 1.0 1 1\n", opt).find("f.63, line 2"), std::string::npos);
  EXPECT_NE(message("run\n 1 2 1.0 1 1 w\n 0 0\n 1 1.0\n 3 2.0\n", opt).find("f.63, line 5: node number 3"),
            std::string::npos);
  EXPECT_NE(message("run\n 1 2 1.0 1 1 w\n 0 0\n 1, 1.0\n 0 2.0\n", opt).find("line 5: node number 0"),
            std::string::npos);
  opt.checkNodes = false;
  EXPECT_EQ(message("run\n 1 2 1.0 1 1 w\n 0 0 1 0.0\n 9 2.0\n", opt), "no error");
  // Strict mode: only the end of the file at a snap header ends the series.
  opt.strict = true;
  opt.rule = GlobalReader::SnapHeaderRule::CountOnly;
  EXPECT_NE(message("run\n 2 2 1.0 1 1 w\n 0 0 1 0.0\n 1 x\n", opt).find("line 4"), std::string::npos);
  EXPECT_NE(message("run\n 2 2 1.0 1 1 w\n 0 0\n", opt).find("line 3"), std::string::npos);
  EXPECT_EQ(message("run\n 2 2 1.0 1 1 w\n 0 0 1 0.0\n 1 1\n", opt), "no error");
}

TEST(StationSeries, WriterLaysOutLikeTheFortranRuntime) {
  std::string path = ::testing::TempDir() + "/ss.61";
  {
    vm::StationSeriesWriter w(path);
    w.header(3, 2, 2400, 2, "FormatVersion:");
    w.snap(12000.0, 2400);
    w.value(1, 1.5, -0.000123456789012);
    w.value(2, -99999.0, 0.0);
    w.snap(1.0e-5, 7);
    w.value(1, 1.0e100);
    w.value(2, -2.25e-120);
  }
  EXPECT_EQ(readFile(path), readFile(vmtest::testData("modelout/station_series.txt")));
}

class StationSeriesReaderTest : public vmtest::ToolTest {};

TEST_F(StationSeriesReaderTest, ReadsModelWrittenHeadersAndStopsAtCutSnaps) {
  writeFile("m.61",
            "title\n 3 2 0.3000000E+002 30 1 word\n"
            " 30.0 1\n 1 1.0\n 2 2.0\n"
            " 60.0 2\n 1 3.0\n");
  vm::StationSeriesReader r("m.61");
  EXPECT_EQ(r.snaps(), 3);
  EXPECT_EQ(r.stations(), 2);
  EXPECT_EQ(r.valuesPerLine(), 1);
  double t, v, w = -1;
  ASSERT_TRUE(r.nextSnap(t));
  EXPECT_EQ(t, 30.0);
  ASSERT_TRUE(r.station(v, w));
  ASSERT_TRUE(r.station(v, w));
  EXPECT_EQ(v, 2.0);
  EXPECT_EQ(w, -1);
  ASSERT_TRUE(r.nextSnap(t));
  ASSERT_TRUE(r.station(v, w));
  EXPECT_FALSE(r.station(v, w));
  EXPECT_FALSE(r.nextSnap(t));

  writeFile("bad.61", "title\n 3 2.5 1 1 1\n");
  EXPECT_THROW(vm::StationSeriesReader("bad.61"), vm::Failure);
}

}  // namespace
