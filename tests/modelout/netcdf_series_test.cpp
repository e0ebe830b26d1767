// The model's NetCDF global, max and station files give every tool that reads them the
// same bytes as the text files holding the same data.
#include <cmath>
#include <filesystem>
#include <limits>
#include <functional>
#include <optional>

#include "core/error.hpp"
#include "core/fmt.hpp"
#include "core/text.hpp"
#include "modelout/timeseries.hpp"
#include "modelout/tsextract_names.hpp"
#include "support/ncwrite.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

using vmtest::NcForm;
using vmtest::NcWriter;
using vmtest::readFile;
using vmtest::writeFile;

constexpr double D = -99999.0;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Six nodes in two rows, four triangles.
const char* const kMesh =
    "two rows\n4 6\n1 0 0 5\n2 1 0 5\n3 2 0 1\n4 0 1 5\n5 1 1 5\n6 2 1 5\n"
    "1 3 1 2 5\n2 3 1 5 4\n3 3 2 3 6\n4 3 2 6 5\n";
// Lat, lon: inside, inside, a preferred node, a minimum depth, outside.
const char* const kStations = "5\nA 0.25 0.5\nB 0.5 1.5\nC 0.5 0.5 6\nE 0.1 1.9 0 4.0\nF 5 5\n";

const char* const kRundes = "Hindcast, surge only";
const char* const kRunid = "r7";
const char* const kAgrid = "two rows";

// Line 1 of the text files the model writes for such a run.
std::string description() {
  return "  " + vm::pad(kRundes, 32) + "  " + vm::pad(kRunid, 24) + " " + vm::pad(kAgrid, 24);
}

const std::vector<double> kTimes{3600.0, 7200.0, 10800.0};
constexpr double kDt = 2.0;

// Values per snap and node (NaN stands for a dry node the file marks as not a number).
const std::vector<std::vector<double>> kZeta{
    {0.5, 1.25, D, -0.75, 2.0, 0.125}, {0.25, D, kNaN, -1.5, 3.5, 0.0}, {D, D, D, D, D, D}};
const std::vector<std::vector<double>> kU{
    {0.5, -1.0, D, 0.0, 2.5, D}, {D, 0.75, D, 1.5, -0.25, 0.5}, {D, D, D, D, D, D}};
const std::vector<std::vector<double>> kV{
    {0.25, 2.0, D, -0.5, 1.0, 3.0}, {D, -0.5, D, 1.0, 0.125, kNaN}, {D, D, D, D, D, D}};

double dryOf(double v) { return std::isnan(v) ? D : v; }

std::string num(double v) {
  char b[40];
  std::snprintf(b, sizeof b, "%.17g", v);
  return b;
}

// A global file in the text form: full snaps, or sparse ones listing the nodes that are
// not dry in every component.
void writeTextGlobal(const std::string& name, const std::vector<std::vector<std::vector<double>>>& comps,
                     bool sparse, size_t snaps = 3, bool dt = true) {
  const size_t np = comps[0][0].size();
  const double increment = snaps >= 2 ? kTimes[1] - kTimes[0] : snaps == 1 ? kTimes[0] : 0.0;
  std::string s = description() + "\n";
  auto add = [](std::string& line, const std::string& item) {
    line += ' ';
    line += item;
  };
  add(s, std::to_string(snaps));
  add(s, std::to_string(np));
  add(s, num(increment));
  add(s, std::to_string(dt ? static_cast<int>(increment / kDt) : 0));
  add(s, std::to_string(comps.size()));
  add(s, "''\n");
  for (size_t t = 0; t < snaps; ++t) {
    std::string lines;
    int count = 0;
    for (size_t n = 0; n < np; ++n) {
      bool wet = false;
      std::string l;
      add(l, std::to_string(n + 1));
      for (const auto& c : comps) {
        add(l, num(dryOf(c[t][n])));
        wet = wet || dryOf(c[t][n]) != D;
      }
      if (sparse && !wet) continue;
      lines += l;
      lines += '\n';
      ++count;
    }
    add(s, num(kTimes[t]));
    add(s, std::to_string(dt ? static_cast<int>(kTimes[t] / kDt) : 0));
    if (sparse) {
      add(s, std::to_string(count));
      add(s, "-99999.0");
    }
    s += '\n';
    s += lines;
  }
  writeFile(name, s);
}

struct NcOptions {
  nc_type type = NC_FLOAT;
  bool dt = true;
  bool attributes = true;
  size_t snaps = 3;
};

void writeNcGlobal(const std::string& name, NcForm form, const std::vector<std::string>& names,
                   const std::vector<std::vector<std::vector<double>>>& comps, const NcOptions& o = {}) {
  const size_t np = comps[0][0].size();
  NcWriter w(name, form);
  w.dim("time", o.snaps, true);
  w.dim("node", np);
  w.var("time", NC_DOUBLE, {"time"});
  w.text("time", "units", "seconds since 2008-09-01 00:00:00");
  w.var("x", NC_DOUBLE, {"node"});
  w.var("depth", NC_DOUBLE, {"node"});
  for (const std::string& n : names) {
    w.var(n, o.type, {"time", "node"});
    w.fill(n, D);
  }
  if (o.attributes) {
    w.text("", "rundes", kRundes);
    w.text("", "runid", kRunid);
    w.text("", "agrid", kAgrid);
  }
  w.text("", "title", "not used while rundes, runid or agrid are there");
  if (o.dt) w.num("", "dt", kDt);
  w.put("time", std::vector<double>(kTimes.begin(), kTimes.begin() + static_cast<long>(o.snaps)));
  w.put("x", std::vector<double>(np, 0.0));
  w.put("depth", std::vector<double>(np, 5.0));
  for (size_t c = 0; c < names.size(); ++c) {
    std::vector<double> all;
    for (size_t t = 0; t < o.snaps; ++t) all.insert(all.end(), comps[c][t].begin(), comps[c][t].end());
    w.put(names[c], all);
  }
}

// A max file in the text form as a NetCDF max file reads: line 2 with snaps, nodes, time
// increment, output step and record type 1, line 3 with the first time and its iteration.
void writeTextMax(const std::string& name, const std::vector<double>& values, double time) {
  std::string s = description() + "\n";
  s += vm::FreeLine().i(1).i(static_cast<long long>(values.size())).d(time).i(static_cast<int>(time / kDt)).i(1).str() +
       "\n";
  s += vm::FreeLine().d(time).i(static_cast<int>(time / kDt)).str() + "\n";
  for (size_t n = 0; n < values.size(); ++n) s += std::to_string(n + 1) + " " + num(dryOf(values[n])) + "\n";
  writeFile(name, s);
}

void writeNcMax(const std::string& name, NcForm form, const std::vector<double>& values, double time,
                bool timeDim = false) {
  NcWriter w(name, form);
  w.dim("time", 1, true);
  w.dim("node", values.size());
  w.var("time", NC_DOUBLE, {"time"});
  w.var("depth", NC_DOUBLE, {"node"});
  w.var("time_of_zeta_max", NC_DOUBLE, {"node"});
  if (timeDim) w.var("zeta_max", NC_DOUBLE, {"time", "node"});
  else w.var("zeta_max", NC_DOUBLE, {"node"});
  w.fill("zeta_max", D);
  w.var("vel_max", NC_DOUBLE, {"node"});
  w.text("", "rundes", kRundes);
  w.text("", "runid", kRunid);
  w.text("", "agrid", kAgrid);
  w.num("", "dt", kDt, NC_FLOAT);
  w.put("time", {time});
  w.put("depth", std::vector<double>(values.size(), 1.0));
  w.put("time_of_zeta_max", std::vector<double>(values.size(), 7.0));
  w.put("zeta_max", values);
  w.put("vel_max", std::vector<double>(values.size(), 9.0));
}

// A station file: two snaps of four stations.
const std::vector<std::vector<double>> kStationZeta{{0.5, D, 1.75, -0.25}, {kNaN, 0.125, 2.0, -1.0}};
const std::vector<std::vector<double>> kStationV{{1.0, D, 0.5, 0.25}, {D, 0.5, -2.0, 1.0}};

void writeTextStations(const std::string& name, bool vector) {
  vm::StationSeriesWriter w(name);
  w.header(2, 4, 1800, vector ? 2 : 1, "");
  for (size_t t = 0; t < 2; ++t) {
    w.snap(kTimes[t], static_cast<int>(kTimes[t] / kDt));
    for (size_t s = 0; s < 4; ++s) {
      if (vector) w.value(static_cast<int>(s + 1), dryOf(kStationZeta[t][s]), dryOf(kStationV[t][s]));
      else w.value(static_cast<int>(s + 1), dryOf(kStationZeta[t][s]));
    }
  }
  w.close();
}

void writeNcStations(const std::string& name, NcForm form, bool vector) {
  NcWriter w(name, form);
  w.dim("time", 2, true);
  w.dim("station", 4);
  w.dim("namelen", 8);
  w.var("time", NC_DOUBLE, {"time"});
  w.var("station_name", NC_CHAR, {"station", "namelen"});
  w.var("x", NC_DOUBLE, {"station"});
  w.var("y", NC_DOUBLE, {"station"});
  const std::vector<std::string> names = vector ? std::vector<std::string>{"u-vel", "v-vel"} : std::vector<std::string>{"zeta"};
  for (const std::string& n : names) {
    w.var(n, NC_FLOAT, {"time", "station"});
    w.fill(n, D);
  }
  w.num("", "dt", kDt);
  w.put("time", {kTimes[0], kTimes[1]});
  w.putText("station_name", {"A", "B", "C", "D"});
  w.put("x", {0, 1, 2, 3});
  w.put("y", {0, 1, 2, 3});
  auto flat = [](const std::vector<std::vector<double>>& v) {
    std::vector<double> all;
    for (const auto& r : v) all.insert(all.end(), r.begin(), r.end());
    return all;
  };
  w.put(names[0], flat(kStationZeta));
  if (vector) w.put(names[1], flat(kStationV));
}

class NcSameBytesTest : public vmtest::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    writeFile("m.14", kMesh);
    writeFile("st.Stations", kStations);
  }
  // The console output and the named files a run leaves, as one text.
  std::string outputs(const std::string& console, const std::vector<std::string>& files) {
    std::string all = console;
    for (const std::string& f : files) all += "\n--- " + f + "\n" + readFile(f);
    return all;
  }
  // Every tool that reads a global file, on the file now called g.
  std::string globalTools(int recordType) {
    std::string all;
    std::string s = "st.Stations", m = "m.14", g = "g", r = "run", folder;
    const std::string console = run("", [&](vm::Console& c) { vm::tsextract(c, "unix", 1, s, m, g, r, folder); });
    all += outputs(console, {vm::summaryName("st.Stations", "m.14"), vm::seriesName("st.Stations", "run", recordType)});
    all += outputs(run("m.14\ng\n", [](vm::Console& c) { vm::findminmax(c, "unix"); }), {});
    all += outputs(run("m.14\ng\nmax.63\n", [](vm::Console& c) { vm::generatemax(c, "unix"); }), {"max.63"});
    writeFile("run.cntrl", "2008 9 1 0 0\nm.14\nrun\n''\n1\n1\ng\n" + std::string(recordType == 2 ? "7" : "1") +
                               "\nst.Stations\n");
    all += outputs(run("1\n", [](vm::Console& c) { vm::talvocntrl(c, "unix"); }),
                   {vm::seriesName("st.Stations", "run", recordType) + ".TALVO"});
    return all;
  }
  std::string wetdry() {
    return outputs(run("m.14\ng\n7\n", [](vm::Console& c) { vm::wetdry(c, "unix"); }), {"wet.14"});
  }
};

TEST_F(NcSameBytesTest, ScalarAndVectorGlobalFilesInEveryForm) {
  const std::vector<std::vector<std::vector<double>>> scalar{kZeta}, vector{kU, kV};
  writeTextGlobal("g", scalar, false);
  const std::string scalarText = globalTools(1);
  writeTextGlobal("g", scalar, true);
  const std::string scalarWet = wetdry();
  writeTextGlobal("g", vector, false);
  const std::string vectorText = globalTools(2);
  writeTextGlobal("g", vector, true);
  const std::string vectorWet = wetdry();
  EXPECT_NE(scalarText.find("  3.5000   -1.5000"), std::string::npos) << scalarText;  // min-max
  EXPECT_NE(scalarWet.find("         2       1.000000       0.000000    7"), std::string::npos) << scalarWet;

  for (NcForm form : vmtest::allNcForms()) {
    SCOPED_TRACE(vmtest::ncFormName(form));
    writeNcGlobal("g", form, {"zeta"}, scalar);
    EXPECT_EQ(globalTools(1), scalarText);
    EXPECT_EQ(wetdry(), scalarWet);
    writeNcGlobal("g", form, {"u-vel", "v-vel"}, vector, {NC_DOUBLE});
    EXPECT_EQ(globalTools(2), vectorText);
    EXPECT_EQ(wetdry(), vectorWet);
  }
}

TEST_F(NcSameBytesTest, MaxFilesForTheEnvelopeAndTheDifference) {
  const std::vector<double> a{0.5, D, 1.25, D, -2.0, 3.0}, b{0.75, 0.25, D, D, -2.5, kNaN};
  auto tools = [&] {
    writeFile("list.txt", "a.max\nb.max\n");
    std::string all = outputs(run("env.63\nlist.txt\n2\n", [](vm::Console& c) { vm::meow(c, "unix"); }), {"env.63"});
    all += outputs(run("a.max\nb.max\ndiff.63\n", [](vm::Console& c) { vm::generatediff(c, "unix"); }), {"diff.63"});
    return all;
  };
  writeTextMax("a.max", a, 7200.0);
  writeTextMax("b.max", b, 7200.0);
  const std::string text = tools();
  EXPECT_NE(text.find("         2      0.2500000000E+00\n"), std::string::npos) << text;
  for (NcForm form : vmtest::allNcForms()) {
    SCOPED_TRACE(vmtest::ncFormName(form));
    writeNcMax("a.max", form, a, 7200.0);
    writeNcMax("b.max", form, b, 7200.0, true);
    EXPECT_EQ(tools(), text);
    // One form of each kind: text and NetCDF mix.
    writeTextMax("a.max", a, 7200.0);
    EXPECT_EQ(tools(), text);
  }
}

TEST_F(NcSameBytesTest, StationFilesToObservations) {
  auto convert = [&](bool vector) {
    vm::StartDate start{2008, 9, 1, 0, 0};
    std::string st = "st.Stations", series = "s.61", folder;
    int kind = vector ? 7 : 1;
    writeFile("st.Stations", "4\nA 0.25 0.5\nB 0.5 1.5\nC 0.5 0.5\nD 0.1 1.9\n");
    return outputs(run("", [&](vm::Console& c) { vm::talvo61(c, "unix", 1, start, st, series, kind, folder); }),
                   {"s.61.TALVO"});
  };
  for (bool vector : {false, true}) {
    writeTextStations("s.61", vector);
    const std::string text = convert(vector);
    EXPECT_NE(text.find("-999"), std::string::npos) << text;
    for (NcForm form : vmtest::allNcForms()) {
      SCOPED_TRACE(vmtest::ncFormName(form));
      writeNcStations("s.61", form, vector);
      EXPECT_EQ(convert(vector), text);
    }
  }
}

TEST_F(NcSameBytesTest, ZeroSnapsNoDtAndOnlyFillValues) {
  const std::vector<std::vector<std::vector<double>>> scalar{kZeta};
  for (size_t snaps : {0, 1}) {
    SCOPED_TRACE(snaps);
    writeTextGlobal("g", scalar, false, snaps);
    const std::string text = globalTools(1);
    writeTextGlobal("g", scalar, true, snaps);
    const std::string wet = wetdry();
    // Without records, the record variables of a netCDF-3 file begin at or past its end.
    for (NcForm form : vmtest::allNcForms()) {
      SCOPED_TRACE(vmtest::ncFormName(form));
      writeNcGlobal("g", form, {"zeta"}, scalar, {NC_FLOAT, true, true, snaps});
      EXPECT_EQ(globalTools(1), text);
      EXPECT_EQ(wetdry(), wet);
    }
  }
  // Without dt the output step and every iteration are 0.
  writeTextGlobal("g", scalar, false, 3, false);
  const std::string text = globalTools(1);
  writeNcGlobal("g", NcForm::Classic, {"zeta"}, scalar, {NC_DOUBLE, false});
  EXPECT_EQ(globalTools(1), text);

  // A max file of fill values only.
  const std::vector<double> dry(6, D);
  writeTextMax("a.max", dry, 3600.0);
  writeTextMax("b.max", dry, 3600.0);
  writeFile("list.txt", "a.max\nb.max\n");
  auto tools = [&] {
    return outputs(run("env.63\nlist.txt\n2\n", [](vm::Console& c) { vm::meow(c, "unix"); }), {"env.63"}) +
           outputs(run("a.max\nb.max\ndiff.63\n", [](vm::Console& c) { vm::generatediff(c, "unix"); }), {"diff.63"});
  };
  const std::string maxText = tools();
  writeNcMax("a.max", NcForm::Offset64, dry, 3600.0);
  writeNcMax("b.max", NcForm::Nc4Deflate, std::vector<double>(6, kNaN), 3600.0, true);
  EXPECT_EQ(tools(), maxText);
}

// The head items of a NetCDF global file, as a reader without a mesh sees them.
class NcHeadTest : public vmtest::ToolTest {};

TEST_F(NcHeadTest, DescriptionCountsStepAndIterations) {
  {
    NcWriter w("g.nc", NcForm::Offset64);
    w.dim("time", 2, true);
    w.dim("node", 1);
    w.var("time", NC_DOUBLE, {"time"});
    w.var("zeta", NC_INT, {"time", "node"});
    w.text("", "title", "a title only");
    w.num("", "dt", 2.0);
    w.text("", "runid", std::string(30, 'r'));
    w.put("time", {5.0, -5.0});
    w.put("zeta", {3, -2147483647});  // the library's default fill of integers is dry
  }
  vm::GlobalReader::Options opt;
  vm::GlobalReader g("g.nc", opt);
  EXPECT_EQ(g.header().description, std::string(2 + 32 + 2, ' ') + std::string(24, 'r') + std::string(25, ' '));
  EXPECT_EQ(g.header().snaps, 2);
  EXPECT_EQ(g.header().nodes, 1);
  EXPECT_EQ(g.header().increment, -10.0);
  EXPECT_EQ(g.header().outputStep, -5);
  EXPECT_EQ(g.header().recordType, 1);
  EXPECT_EQ(g.header().word, "");
  vm::SnapHeader h;
  std::vector<double> seen;
  ASSERT_TRUE(g.nextSnap(h));
  EXPECT_EQ(h.iteration, 3);  // 2.5, halves away from zero
  g.readNodes([&](int, const double* v) { seen.push_back(v[0]); });
  ASSERT_TRUE(g.nextSnap(h));
  EXPECT_EQ(h.iteration, -3);
  g.readNodes([&](int, const double* v) { seen.push_back(v[0]); });  // dry: not handed over
  EXPECT_FALSE(g.nextSnap(h));
  EXPECT_EQ(seen, std::vector<double>{3.0});

  {
    NcWriter w("t.nc", NcForm::Classic);
    w.dim("time", 1, true);
    w.dim("node", 1);
    w.var("time", NC_DOUBLE, {"time"});
    w.var("zeta", NC_DOUBLE, {"time", "node"});
    w.text("", "title", "Just a title\nand a second line");
    w.put("time", {0.5});
    w.put("zeta", {1.0});
  }
  vm::GlobalReader t("t.nc", opt);
  EXPECT_EQ(t.header().description, "Just a title");
  EXPECT_EQ(t.header().increment, 0.5);  // one snap: its time
  EXPECT_EQ(t.header().outputStep, 0);
}

// Every fault of a NetCDF file is one error naming the file and what is wrong.
TEST_F(NcHeadTest, FaultsNameTheFileAndWhatIsWrong) {
  auto message = [](const std::function<void()>& f) {
    try {
      f();
    } catch (const vm::Failure& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  auto global = [](const std::string& name, int np = 2) {
    vm::GlobalReader::Options opt;
    opt.np = np;
    vm::GlobalReader g(name, opt);
    vm::SnapHeader h;
    while (g.nextSnap(h)) g.readNodes([](int, const double*) {});
  };
  auto make = [](const std::string& name, const std::vector<std::string>& vars, nc_type type = NC_FLOAT,
                 bool timeVar = true, bool timeDim = true) {
    NcWriter w(name, NcForm::Nc4Chunked);
    if (timeDim) w.dim("time", 1, true);
    w.dim("node", 2);
    if (timeVar && timeDim) w.var("time", NC_DOUBLE, {"time"});
    for (const std::string& v : vars) w.var(v, type, {timeDim ? "time" : "node", "node"});
    if (timeVar && timeDim && vars.size() == 1 && type != NC_CHAR) {
      w.put("time", {60.0});
      w.put(vars[0], {1.0, 2.0});
    }
  };
  make("none.nc", {});
  EXPECT_EQ(message([&] { global("none.nc"); }),
            "none.nc: expected one or two data variables with dimensions (time, node), found none");
  make("three.nc", {"u-vel", "v-vel", "w-vel"});
  EXPECT_EQ(message([&] { global("three.nc"); }),
            "three.nc: expected one or two data variables with dimensions (time, node), found 3: 'u-vel', 'v-vel', "
            "'w-vel'");
  make("text.nc", {"zeta"}, NC_CHAR);
  EXPECT_EQ(message([&] { global("text.nc"); }), "text.nc: data variable 'zeta' is not numeric");
  make("notime.nc", {"zeta"}, NC_FLOAT, false);
  EXPECT_EQ(message([&] { global("notime.nc"); }), "notime.nc: no variable 'time' (the snap times)");
  make("nodim.nc", {"zeta"}, NC_FLOAT, false, false);
  EXPECT_EQ(message([&] { global("nodim.nc"); }), "nodim.nc: no dimension 'time' (the snap times)");
  make("ok.nc", {"zeta"});
  EXPECT_EQ(message([&] { global("ok.nc", 3); }), "ok.nc: has 2 nodes (dimension 'node'), the mesh has 3");
  EXPECT_EQ(message([&] { global("ok.nc", 2); }), "no error");
  EXPECT_EQ(message([&] { vm::StationSeriesReader r("ok.nc"); }), "ok.nc: no dimension 'station' (the stations)");

  // Cut files and files that only begin like NetCDF.
  const std::string whole = readFile("ok.nc");
  writeFile("cut.nc", whole.substr(0, whole.size() / 2));
  EXPECT_NE(message([&] { global("cut.nc"); }).rfind("cut.nc: ", 0), std::string::npos);
  writeFile("cdf.nc", std::string("CDF\x01\0\0\0\x05garbage", 16));
  EXPECT_EQ(message([&] { global("cdf.nc"); }).rfind("cdf.nc: cannot be opened as a NetCDF file", 0), 0u);

  // A header that announces far more values than the file holds is refused before any
  // room is taken for them.
  {
    NcWriter w("huge.nc", NcForm::Nc4Chunked);  // chunks never written take no room
    w.dim("time", 1, true);
    w.dim("station", 400000000);
    w.var("time", NC_DOUBLE, {"time"});
    w.var("zeta", NC_FLOAT, {"time", "station"});
    w.put("time", {1.0});
  }
  EXPECT_EQ(message([&] { vm::StationSeriesReader r("huge.nc"); }),
            "huge.nc: variable 'zeta' announces 1 x 400000000 values; the file is too small to hold them");

  // Max files: a max variable is needed, and one over time needs a snap.
  {
    NcWriter w("max.nc", NcForm::Classic);
    w.dim("time", 0, true);
    w.dim("node", 2);
    w.var("x", NC_DOUBLE, {"node"});
    w.var("time_of_zeta_max", NC_DOUBLE, {"node"});
  }
  writeFile("list.txt", "max.nc\n");
  EXPECT_EQ(message([&] { run("env\nlist.txt\n1\n", [](vm::Console& c) { vm::meow(c, "unix"); }); }),
            "max.nc: no max variable: none with dimensions (node) or (time, node) besides x, y, depth and "
            "time_of_...");
  {
    NcWriter w("max.nc", NcForm::Classic);
    w.dim("time", 0, true);
    w.dim("node", 2);
    w.var("zeta_max", NC_DOUBLE, {"time", "node"});
  }
  EXPECT_EQ(message([&] { run("max.nc\nmax.nc\nd\n", [](vm::Console& c) { vm::generatediff(c, "unix"); }); }),
            "max.nc: max variable 'zeta_max' has no snap to read");
}

}  // namespace
