// Every tool that reads a mesh writes the same bytes, and the same console output, from the
// model's NetCDF form of the mesh as from its text form. The mesh is written under the same
// name in both runs: the form is told by the file's first bytes, never by its name.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "core/error.hpp"
#include "support/ncmesh.hpp"
#include "support/tooltest.hpp"
#include "tools.hpp"

namespace {

namespace fs = std::filesystem;
using vmtest::MeshData;
using vmtest::NcForm;
using vmtest::NcMeshOptions;
using vmtest::readFile;
using vmtest::testData;
using vmtest::writeFile;

using Tool = std::function<void(vm::Console&)>;

struct Outcome {
  std::string console;
  std::map<std::string, std::string> files;  // every file written, by path
};

// Full-form global file of the grid mesh (12 nodes, 2 snaps) and its sparse form.
const char* const kFull =
    "run\n 2 12 300.0 10 1 word\n 300.0 10\n"
    " 1 0.5\n 2 0.25\n 3 -99999.0\n 4 1.5\n 5 0.75\n 6 2.0\n 7 0.125\n 8 1.25\n 9 3.0\n 10 0.5\n 11 2.5\n 12 1.0\n"
    " 600.0 20\n"
    " 1 1.0\n 2 0.5\n 3 0.25\n 4 -99999.0\n 5 1.0\n 6 2.5\n 7 0.25\n 8 1.0\n 9 2.0\n 10 0.75\n 11 3.0\n 12 1.5\n";
const char* const kSparse =
    "run\n 2 12 300.0 10 1 word\n 300.0 10 3 -99999.0\n 1 0.5\n 5 0.25\n 7 1.0\n"
    " 600.0 20 2 -99999.0\n 2 0.5\n 12 1.0\n";

class NetcdfMeshToolsTest : public vmtest::ToolTest {
 protected:
  // Runs the tool and collects every file it wrote (anything not among `inputs`, folders
  // included), then removes those files so that the next run starts from the same inputs.
  Outcome outcome(const std::string& answers, const Tool& tool) {
    std::set<std::string> before;
    for (const auto& e : fs::recursive_directory_iterator(".")) before.insert(e.path().string());
    Outcome o;
    o.console = run(answers, tool);
    for (const auto& e : fs::recursive_directory_iterator("."))
      if (e.is_regular_file() && !before.count(e.path().string())) o.files[e.path().string()] = readFile(e.path());
    for (const auto& [path, content] : o.files) fs::remove(path);
    return o;
  }

  // The tool run on the text mesh and on NetCDF meshes (classic flat, netCDF-4 deflated
  // two-dimensional with start_index 0), all named `name`: the same outcome each time.
  Outcome expectSameFromBothForms(const MeshData& mesh, const std::string& answers, const Tool& tool,
                                  const std::string& name = "grid.14") {
    writeFile(name, vmtest::meshText(mesh));
    const Outcome text = outcome(answers, tool);
    NcMeshOptions variants[2];
    variants[0].form = NcForm::Classic;
    variants[1].form = NcForm::Nc4Deflate;
    variants[1].twoDimensional = true;
    variants[1].elementStart = variants[1].boundaryStart = 0;
    for (const NcMeshOptions& o : variants) {
      SCOPED_TRACE(vmtest::ncFormName(o.form));
      vmtest::writeMeshNetcdf(name, mesh, o);
      const Outcome nc = outcome(answers, tool);
      EXPECT_EQ(nc.console, text.console);
      EXPECT_EQ(nc.files, text.files);
    }
    EXPECT_FALSE(text.files.empty() && text.console.empty());
    return text;
  }
};

TEST_F(NetcdfMeshToolsTest, OpenBoundaryExportAndTb3307Extraction) {
  const Outcome oob = expectSameFromBothForms(vmtest::gridMesh(), "grid.14\npts.txt\n2005 08 01 06 00 00\n2005 08 11 06 00 00\n",
                                              [](vm::Console& c) { vm::exportoob(c, "unix"); });
  EXPECT_EQ(oob.files.size(), 2u);
  EXPECT_EQ(oob.files.at("./pts.txt").substr(0, 13), "           7\n");  // duplicates kept

  for (const char* f : {"tb3307.grd", "tb3307.tdb"}) writeFile(f, readFile(testData(std::string("forcing/tb3307/") + f)));
  const Outcome tb = expectSameFromBothForms(vmtest::gridMesh(), "grid.14\n", [](vm::Console& c) { vm::tb3307extract(c); });
  EXPECT_EQ(tb.files.size(), 3u);
  EXPECT_TRUE(tb.files.count("./grid.14.TB3307"));
  EXPECT_EQ(tb.console.find("WARNING"), std::string::npos);  // every point inside the database
}

TEST_F(NetcdfMeshToolsTest, HarmonicDecompositionFromEitherFormOfEitherFile) {
  const MeshData mesh = vmtest::gridMesh();
  const vmtest::HarmonicData h = vmtest::harmonicFor(12);
  const Tool tool = [](vm::Console& c) { vm::decompose53(c); };
  writeFile("harm.53", vmtest::harmonicText(h));
  const Outcome text = expectSameFromBothForms(mesh, "grid.14\nharm.53\n", tool);
  EXPECT_EQ(text.files.size(), 6u);

  // The harmonic file in the NetCDF form, with the text mesh and with the NetCDF mesh.
  vmtest::writeHarmonicNetcdf("harm.53", h, NcForm::Nc4Deflate);
  const Outcome ncHarmonic = expectSameFromBothForms(mesh, "grid.14\nharm.53\n", tool);
  EXPECT_EQ(ncHarmonic.files, text.files);
  EXPECT_EQ(ncHarmonic.console, text.console);

  // One NetCDF file carrying the mesh and the harmonic results, as the model writes it,
  // answered for both names.
  fs::remove("grid.14");
  vmtest::writeHarmonicNetcdf("harm.53", h, NcForm::Offset64, &mesh);
  const Outcome one = outcome("harm.53\nharm.53\n", tool);
  EXPECT_EQ(one.files, text.files);

  // A mesh without boundary variables serves this tool, which needs none.
  NcMeshOptions bare;
  bare.boundaries = false;
  vmtest::writeMeshNetcdf("grid.14", mesh, bare);
  writeFile("harm.53", vmtest::harmonicText(h));
  EXPECT_EQ(outcome("grid.14\nharm.53\n", tool).files, text.files);
}

TEST_F(NetcdfMeshToolsTest, RiverFluxesAlsoWithBarrierBoundaries) {
  const std::string answers = "grid.14\n1\n7000\n1\nriver.out\n";
  const Tool tool = [](vm::Console& c) { vm::riverextract(c); };
  const Outcome plain = expectSameFromBothForms(vmtest::gridMesh(), answers, tool);
  EXPECT_EQ(plain.files.size(), 1u);
  EXPECT_NE(plain.console.find("           2           2\n"), std::string::npos);  // two rivers measured

  // Barrier boundaries: the NetCDF form has no barrier data, which this tool does not use.
  MeshData barriers = vmtest::gridMesh();
  barriers.land.insert(barriers.land.begin(), {3, {2, 3}});
  barriers.land.push_back({24, {6, 7}});
  expectSameFromBothForms(barriers, answers, tool);
  const Outcome decomposed = [&] {
    writeFile("harm.53", vmtest::harmonicText(vmtest::harmonicFor(12)));
    return expectSameFromBothForms(barriers, "grid.14\nharm.53\n", [](vm::Console& c) { vm::decompose53(c); });
  }();
  EXPECT_EQ(decomposed.files.size(), 6u);
}

TEST_F(NetcdfMeshToolsTest, ToolsNeedingBoundariesTheFileLacksStopSayingSo) {
  NcMeshOptions bare;
  bare.boundaries = false;
  vmtest::writeMeshNetcdf("bare.nc", vmtest::gridMesh(), bare);
  for (const char* f : {"tb3307.grd", "tb3307.tdb"}) writeFile(f, readFile(testData(std::string("forcing/tb3307/") + f)));
  const std::string open =
      "bare.nc: the file carries no open boundaries (variables nvdll and nbdv), which this tool needs";
  auto failure = [&](const std::string& answers, const Tool& tool) {
    try {
      run(answers, tool);
    } catch (const vm::Failure& e) {
      EXPECT_NE(e.status(), 0);
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(failure("bare.nc\npts\n2005 8 1 0 0 0\n2005 8 2 0 0 0\n", [](vm::Console& c) { vm::exportoob(c, "unix"); }),
            open);
  EXPECT_EQ(failure("bare.nc\n", [](vm::Console& c) { vm::tb3307extract(c); }), open);
  EXPECT_EQ(failure("bare.nc\n", [](vm::Console& c) { vm::riverextract(c); }),
            "bare.nc: the file carries no land boundaries (variables nvell, ibtype and nbvv), which this tool needs");
  EXPECT_FALSE(fs::exists("tides.in"));
}

TEST_F(NetcdfMeshToolsTest, WaveRefractionWithBothMeshesInEitherForm) {
  MeshData coarse;
  coarse.title = "coarse";
  coarse.nodes = {{-90.0, 29.0, 1.0}, {-89.5, 29.0, 1.0}, {-90.0, 30.0, 1.0}, {-89.5, 30.0, 1.0}};
  coarse.elements = {{1, 2, 4}, {1, 4, 3}};
  writeFile("orig.13", "attributes\n12\n1\nmanning\nunitless\n1\n0.02\nmanning\n1\n3 0.03\n");
  const std::string answers = "grid.14\n2\ncoarse.14\norig.13\nnew.13\n";
  const Tool tool = [](vm::Console& c) { vm::addwave13(c); };
  for (bool ncCoarse : {false, true}) {
    SCOPED_TRACE(ncCoarse ? "NetCDF coarse mesh" : "text coarse mesh");
    NcMeshOptions o;
    o.boundaries = false;
    o.form = NcForm::Nc4Contiguous;
    if (ncCoarse) vmtest::writeMeshNetcdf("coarse.14", coarse, o);
    else writeFile("coarse.14", vmtest::meshText(coarse));
    const Outcome out = expectSameFromBothForms(vmtest::gridMesh(), answers, tool);
    // The two western columns lie in the coarse mesh; the eastern two are listed as disabled.
    EXPECT_NE(out.files.at("./new.13").find("wave_refraction_in_swan\n           6\n"), std::string::npos);
  }
  expectSameFromBothForms(vmtest::gridMesh(), "grid.14\n1\nA\norig.13\nbox.13\n", tool);
}

TEST_F(NetcdfMeshToolsTest, StationExtractionWetDryExtremesAndMaxFileOnATextGlobalFile) {
  writeFile("g.63", kFull);
  writeFile("s.63", kSparse);
  writeFile("st.Stations", "3\nA 29.3 -89.6\nB 29.5 -89.2 0 5.0\nC 29.4 -89.8 7\n");
  const Outcome ts = expectSameFromBothForms(vmtest::gridMesh(), "", [](vm::Console& c) {
    std::string s = "st.Stations", m = "grid.14", g = "g.63", r = "r", f;
    vm::tsextract(c, "unix", 1, s, m, g, r, f);
  });
  EXPECT_TRUE(ts.files.count("./st.Stations.grid.14.Summary"));
  EXPECT_TRUE(ts.files.count("./st.r.61"));

  const Outcome wet = expectSameFromBothForms(vmtest::gridMesh(), "grid.14\ns.63\n7\n",
                                              [](vm::Console& c) { vm::wetdry(c, "unix"); });
  EXPECT_EQ(wet.files.size(), 1u);

  const Outcome mm = expectSameFromBothForms(vmtest::gridMesh(), "grid.14\ng.63\n",
                                             [](vm::Console& c) { vm::findminmax(c, "unix"); });
  EXPECT_NE(mm.console.find("Results:"), std::string::npos);
  const Outcome max = expectSameFromBothForms(vmtest::gridMesh(), "grid.14\ng.63\nmax.63\n",
                                              [](vm::Console& c) { vm::generatemax(c, "unix"); });
  EXPECT_EQ(max.files.size(), 1u);
}

TEST_F(NetcdfMeshToolsTest, BatchConversionChainReadsTheNetcdfMesh) {
  fs::create_directory("sub");
  writeFile("g.63", kFull);
  writeFile("sub/st.Stations", "2\nA 29.3 -89.6\nB 29.5 -89.2\n");
  writeFile("run.cntrl", "2008 12 31 23 0\ngrid.14\nrun\n'sub/'\n1\n1\ng.63\n1\nst.Stations\n");
  const Outcome chain =
      expectSameFromBothForms(vmtest::gridMesh(), "1\n", [](vm::Console& c) { vm::talvocntrl(c, "unix"); });
  EXPECT_TRUE(chain.files.count("./sub/st.run.61.TALVO"));
}

}  // namespace
