// The mesh readers and the harmonic reader on the model's NetCDF form: the same mesh as
// from the text form, in every NetCDF form and boundary layout, and clear stops on what a
// NetCDF file lacks or holds wrongly.
#include <gtest/gtest.h>
#include <netcdf.h>

#include <sstream>

#include "core/error.hpp"
#include "forcing/harmonic.hpp"
#include "forcing/open_boundary.hpp"
#include "mesh/mesh.hpp"
#include "support/ncmesh.hpp"
#include "support/tooltest.hpp"

namespace {

using vmtest::MeshData;
using vmtest::NcForm;
using vmtest::NcMeshOptions;
using vmtest::writeFile;

std::string failure(const std::function<void()>& f) { return vmtest::failureOf(f); }

void expectSameMesh(const vm::Mesh& a, const vm::Mesh& b) {
  EXPECT_EQ(a.title, b.title);
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
  EXPECT_EQ(a.depth, b.depth);
  EXPECT_EQ(a.nm, b.nm);
  EXPECT_EQ(a.neta, b.neta);
  EXPECT_EQ(a.nvel, b.nvel);
  ASSERT_EQ(a.open.size(), b.open.size());
  for (size_t j = 0; j < a.open.size(); ++j) EXPECT_EQ(a.open[j].nodes, b.open[j].nodes) << "open segment " << j;
  ASSERT_EQ(a.land.size(), b.land.size());
  for (size_t j = 0; j < a.land.size(); ++j) {
    EXPECT_EQ(a.land[j].ibtype, b.land[j].ibtype);
    EXPECT_EQ(a.land[j].nodes, b.land[j].nodes) << "land segment " << j;
  }
}

class NetcdfMeshTest : public vmtest::ToolTest {
 protected:
  // The full reader with its console output.
  vm::Mesh full(const std::string& path, std::string* console = nullptr) {
    vm::Mesh m;
    const std::string out = run("", [&](vm::Console& c) { m = vm::readMeshFull(path, c); });
    if (console) *console = out;
    return m;
  }
};

TEST_F(NetcdfMeshTest, EveryFormAndBoundaryLayoutGivesTheMeshOfTheTextForm) {
  const MeshData data = vmtest::gridMesh();
  writeFile("grid.14", vmtest::meshText(data));
  std::string textConsole;
  const vm::Mesh text = full("grid.14", &textConsole);
  EXPECT_EQ(textConsole, "   |\n   + \n");
  int textNe = 0;
  const vm::Mesh textNodes = vm::readMeshNodes("grid.14", &textNe);

  for (NcForm form : vmtest::allNcForms())
    for (bool twoDim : {false, true}) {
      SCOPED_TRACE(std::string(vmtest::ncFormName(form)) + (twoDim ? ", two-dimensional" : ", flat"));
      NcMeshOptions o;
      o.form = form;
      o.twoDimensional = twoDim;
      vmtest::writeMeshNetcdf("grid.nc", data, o);
      std::string console;
      const vm::Mesh nc = full("grid.nc", &console);
      EXPECT_EQ(console, textConsole);
      expectSameMesh(nc, text);
      EXPECT_TRUE(nc.openCarried && nc.landCarried);
      EXPECT_FALSE(nc.barrierDataCarried);
      EXPECT_EQ(nc.nsequencer(5), 5);

      expectSameMesh(vm::readMeshGrid("grid.nc"), vm::readMeshGrid("grid.14"));
      vm::GridReading how;
      how.depth = false;
      how.cornersArePositions = false;
      const vm::Mesh grid = vm::readMeshGrid("grid.nc", how);
      EXPECT_TRUE(grid.depth.empty());
      EXPECT_EQ(grid.nm, text.nm);
      int ne = 0;
      const vm::Mesh nodes = vm::readMeshNodes("grid.nc", &ne);
      EXPECT_EQ(ne, textNe);
      EXPECT_EQ(nodes.x, textNodes.x);
      EXPECT_EQ(nodes.y, textNodes.y);
      EXPECT_EQ(nodes.title, textNodes.title);
    }
}

TEST_F(NetcdfMeshTest, StartIndexZeroAndOtherIntegerTypes) {
  const MeshData data = vmtest::gridMesh();
  writeFile("grid.14", vmtest::meshText(data));
  const vm::Mesh text = full("grid.14");
  for (nc_type type : {NC_INT, NC_SHORT, NC_DOUBLE, NC_FLOAT}) {
    NcMeshOptions o;
    o.form = NcForm::Offset64;
    o.elementStart = 0;
    o.boundaryStart = 0;
    o.intType = type;
    o.twoDimensional = type == NC_SHORT;
    vmtest::writeMeshNetcdf("zero.nc", data, o);
    expectSameMesh(full("zero.nc"), text);
    EXPECT_EQ(vm::readMeshGrid("zero.nc").nm, text.nm);
  }
  // Elements counted from 0, boundary nodes from 1: each variable has its own start_index.
  NcMeshOptions o;
  o.elementStart = 0;
  vmtest::writeMeshNetcdf("mixed.nc", data, o);
  expectSameMesh(full("mixed.nc"), text);
}

TEST_F(NetcdfMeshTest, TitleIsTheGridAttributeElseTheTitle) {
  MeshData data = vmtest::gridMesh();
  data.title = std::string(130, 'g');
  vmtest::writeMeshNetcdf("long.nc", data);
  EXPECT_EQ(vm::readMeshNodes("long.nc").title, std::string(120, 'g'));  // cut as line 1 is

  vmtest::NcWriter w("title.nc", NcForm::Classic);
  w.text("", "title", "from title");
  w.dim("node", 1);
  w.var("x", NC_DOUBLE, {"node"});
  w.var("y", NC_DOUBLE, {"node"});
  w.put("x", {1.0});
  w.put("y", {2.0});
  w.close();
  int ne = -1;
  const vm::Mesh m = vm::readMeshNodes("title.nc", &ne);
  EXPECT_EQ(m.title, "from title");
  EXPECT_EQ(ne, 0);  // no elements in the file
  EXPECT_EQ(m.x, std::vector<double>{1.0});
}

TEST_F(NetcdfMeshTest, FileWithoutBoundariesServesTheMeshButNotTheBoundaries) {
  NcMeshOptions o;
  o.boundaries = false;
  vmtest::writeMeshNetcdf("bare.nc", vmtest::gridMesh(), o);
  const vm::Mesh m = full("bare.nc");
  EXPECT_EQ(m.ne(), 12);
  EXPECT_FALSE(m.openCarried);
  EXPECT_FALSE(m.landCarried);
  EXPECT_TRUE(m.open.empty() && m.land.empty());
  // The tools that need them stop (see netcdf_mesh_tools_test).

  // A file that says it has no segments carries them all the same (none).
  {
    vmtest::NcWriter w("none.nc", NcForm::Nc4Chunked);
    vmtest::putMesh(w, vmtest::gridMesh(), {NcForm::Nc4Chunked, false});
    w.var("nope", NC_INT, {});
    w.var("nbou", NC_INT, {});
    w.put("nope", {0});
    w.put("nbou", {0});
  }
  const vm::Mesh none = full("none.nc");
  EXPECT_TRUE(none.openCarried && none.landCarried);
  EXPECT_TRUE(vm::readOpenBoundaryPoints("none.nc", false).empty());
}

TEST_F(NetcdfMeshTest, BarrierTypesAreReadWithoutTheirBarrierData) {
  MeshData data = vmtest::gridMesh();
  data.land.push_back({3, {2, 3}});
  data.land.push_back({24, {6, 7}});
  writeFile("grid.14", vmtest::meshText(data));
  vmtest::writeMeshNetcdf("grid.nc", data);
  const vm::Mesh text = full("grid.14"), nc = full("grid.nc");
  expectSameMesh(nc, text);
  EXPECT_TRUE(text.barrierDataCarried);
  EXPECT_FALSE(nc.barrierDataCarried);
  EXPECT_EQ(nc.land[4].ibconn, (std::vector<int>{0, 0}));
  EXPECT_EQ(nc.land[3].bar[1], (std::array<double, 3>{0, 0, 0}));
}

TEST_F(NetcdfMeshTest, ForbiddenIbtypeIsRefusedAsInTheTextForm) {
  MeshData data = vmtest::gridMesh();
  data.land[1].ibtype = 5;
  writeFile("grid.14", vmtest::meshText(data));
  vmtest::writeMeshNetcdf("grid.nc", data);
  std::string console[2], error[2];
  for (int k = 0; k < 2; ++k) {
    std::istringstream in("\n");
    std::ostringstream out;
    vm::Console con(in, out);
    error[k] = failure([&] { vm::readMeshFull(k ? "grid.nc" : "grid.14", con); });
    console[k] = out.str();
  }
  EXPECT_EQ(console[1], "   |\n   + \n IBTYPE is not allowed           5\n\n **** Hit the Enter-Key to stop ****\n");
  EXPECT_EQ(console[1], console[0]);
  EXPECT_NE(error[0].find("IBTYPE 5 is not allowed"), std::string::npos);
  EXPECT_EQ(error[1], "grid.nc: IBTYPE 5 of land-boundary segment 2 is not allowed");
}

TEST_F(NetcdfMeshTest, NodeNumbersOutsideTheNodesAreErrorsNamingTheFile) {
  MeshData data = vmtest::gridMesh();
  data.elements[4][1] = 13;
  vmtest::writeMeshNetcdf("corner.nc", data);
  const std::string corner =
      "corner.nc: variable 'element' holds 13 (element 5, corner 2), not a node number: with start_index 1 the "
      "12 nodes are numbered 1 to 12";
  EXPECT_EQ(failure([&] { full("corner.nc"); }), corner);
  EXPECT_EQ(failure([] { vm::readMeshGrid("corner.nc"); }), corner);
  vm::GridReading copied;
  copied.cornersArePositions = false;
  EXPECT_EQ(failure([&] { vm::readMeshGrid("corner.nc", copied); }), corner);
  // Only the node table is read here.
  EXPECT_EQ(vm::readMeshNodes("corner.nc").np(), 12);

  NcMeshOptions zero;
  zero.elementStart = 0;
  data = vmtest::gridMesh();
  data.elements[0][0] = 0;  // written as -1 with start_index 0
  vmtest::writeMeshNetcdf("below.nc", data, zero);
  EXPECT_NE(failure([] { vm::readMeshGrid("below.nc"); }).find("holds -1 (element 1, corner 1)"), std::string::npos);

  data = vmtest::gridMesh();
  data.land[2].nodes[1] = 40;
  NcMeshOptions two;
  two.twoDimensional = true;
  vmtest::writeMeshNetcdf("land.nc", data, two);
  EXPECT_NE(failure([&] { full("land.nc"); }).find("variable 'nbvv' holds 40 (node 2 of land-boundary segment 3)"),
            std::string::npos);
}

TEST_F(NetcdfMeshTest, MissingOrMisshapenVariablesAreNamed) {
  {
    vmtest::NcWriter w("nox.nc", NcForm::Classic);
    w.dim("node", 2);
    w.var("y", NC_DOUBLE, {"node"});
  }
  EXPECT_EQ(failure([] { vm::readMeshNodes("nox.nc"); }), "nox.nc: no variable 'x' (x or longitude of the nodes)");
  {
    // A header announcing far more nodes than were written (the library would hand out fill
    // values for all of them).
    vmtest::NcWriter w("huge.nc", NcForm::Nc4Chunked);
    w.dim("node", 300000000);
    w.var("x", NC_DOUBLE, {"node"});
    w.var("y", NC_DOUBLE, {"node"});
  }
  EXPECT_EQ(failure([] { vm::readMeshNodes("huge.nc"); }),
            "huge.nc: variable 'x' announces 300000000 values; the file is too small to hold them");
  {
    vmtest::NcWriter w("quad.nc", NcForm::Classic);
    w.dim("node", 1);
    w.dim("nele", 1);
    w.dim("nvertex", 4);
    for (const char* v : {"x", "y", "depth"}) w.var(v, NC_DOUBLE, {"node"});
    w.var("element", NC_INT, {"nele", "nvertex"});
  }
  EXPECT_EQ(failure([] { vm::readMeshGrid("quad.nc"); }),
            "quad.nc: dimension 'nvertex' is 4; the elements are triangles (3)");
  {
    // nbdv two-dimensional the other way round: (nope, max_nvdll).
    vmtest::NcWriter w("swapped.nc", NcForm::Nc4Contiguous);
    vmtest::putMesh(w, vmtest::gridMesh(), {NcForm::Nc4Contiguous, false});
    w.dim("nope", 2);
    w.dim("max_nvdll", 4);
    w.var("nvdll", NC_INT, {"nope"});
    w.var("nbdv", NC_INT, {"nope", "max_nvdll"});
    w.put("nvdll", {4, 3});
  }
  EXPECT_EQ(failure([&] { full("swapped.nc"); }),
            "swapped.nc: variable 'nbdv' has the shape (2, 4); expected (4 or more, 2) for the open-boundary segments");
  {
    vmtest::NcWriter w("short.nc", NcForm::Classic);
    vmtest::putMesh(w, vmtest::gridMesh(), {NcForm::Classic, false});
    w.dim("nope", 2);
    w.dim("neta", 5);
    w.var("nvdll", NC_INT, {"nope"});
    w.var("nbdv", NC_INT, {"neta"});
    w.put("nvdll", {4, 3});
    w.put("nbdv", {1, 2, 3, 4, 4});
  }
  EXPECT_EQ(failure([] { vm::readOpenBoundaryPoints("short.nc", false); }),
            "short.nc: variable 'nbdv' holds 5 nodes; the open-boundary segments have 7");
}

TEST_F(NetcdfMeshTest, DamagedClassicHeaderIsRefusedBeforeTheLibraryReadsIt) {
  NcMeshOptions o;
  o.form = NcForm::Classic;
  vmtest::writeMeshNetcdf("grid.nc", vmtest::gridMesh(), o);
  const std::string good = vmtest::readFile("grid.nc");
  // Byte 12 starts the count of dimensions (7 here); byte 16 the length of the first name.
  const std::pair<size_t, std::string> damages[] = {
      {12, "the list of dimensions is longer than the file"},
      {16, "a dimension name of 1694498820 bytes"},
  };
  for (const auto& [at, what] : damages) {
    std::string bad = good;
    bad[at] = 'e';
    writeFile("bad.nc", bad);
    EXPECT_EQ(failure([] { vm::readMeshNodes("bad.nc"); }),
              "bad.nc: cannot be opened as a NetCDF file (its header is damaged: " + what + ")");
  }
  writeFile("cut.nc", good.substr(0, 100));
  EXPECT_NE(failure([] { vm::readMeshNodes("cut.nc"); }).find("its header is damaged: the header ends inside"),
            std::string::npos);
  // Cut inside the data: the library would read the rest as zeros.
  writeFile("short.nc", good.substr(0, good.size() - 4));
  EXPECT_EQ(failure([] { vm::readMeshNodes("short.nc"); }),
            "short.nc: cannot be opened as a NetCDF file (the data of variable 'nbvv' run past the end of the file, "
            "which is cut short)");
}

TEST_F(NetcdfMeshTest, HarmonicFileInBothForms) {
  const vmtest::HarmonicData h = vmtest::harmonicFor(4);
  writeFile("h.53", vmtest::harmonicText(h));
  for (NcForm form : {NcForm::Classic, NcForm::Nc4Deflate}) {
    vmtest::writeHarmonicNetcdf("h.nc", h, form);
    vm::HarmonicFile text("h.53"), nc("h.nc");
    EXPECT_EQ(nc.names(), (std::vector<std::string>{"M2", "K1", "O1"}));
    EXPECT_EQ(nc.names(), text.names());
    for (int n = 0; n < 4; ++n) {
      std::vector<double> a1(3), p1(3), a2(3), p2(3);
      text.nextNode(a1.data(), p1.data());
      nc.nextNode(a2.data(), p2.data());
      EXPECT_EQ(a1, a2);
      EXPECT_EQ(p1, p2);
      if (n == 2) {
        EXPECT_EQ(p2[1], -99999.0);  // not a number in the file
      }
    }
    double a[3], p[3];
    EXPECT_EQ(failure([&] { nc.nextNode(a, p); }), "h.nc: the file holds the values of 4 nodes; the mesh has more");
  }
  vmtest::HarmonicData twice = h;
  twice.names[2] = "M2";
  vmtest::writeHarmonicNetcdf("twice.nc", twice, NcForm::Classic);
  EXPECT_EQ(failure([] { vm::HarmonicFile f("twice.nc"); }), "twice.nc: constituent M2 is listed twice");
}

}  // namespace
