// One synthetic mesh (and harmonic file) written in both forms, the text layout and the
// model's NetCDF layout, with values the text form holds exactly.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "support/ncwrite.hpp"

namespace vmtest {

struct MeshData {
  std::string title = "synthetic grid";
  std::vector<std::array<double, 3>> nodes;  // x, y, depth; numbered 1..NP in order
  std::vector<std::array<int, 3>> elements;  // node numbers 1..NP
  std::vector<std::vector<int>> open;
  struct Land {
    int ibtype;
    std::vector<int> nodes;
  };
  std::vector<Land> land;
};

// A 4 x 3 grid of nodes (x -89.875..-89.125, y 29.125..29.625, inside the test TB3307
// database), 12 elements, open segments {1,2,3,4} and {4,8,12}, land segments of types 0
// ({12,11}), 52 ({11,10,9}) and 52 ({9,5,1}).
MeshData gridMesh();

// The text layout. Barrier types get their reals (and IBTYPE 4 and 24 a paired node, the
// segment's first node) on each node line.
std::string meshText(const MeshData& m);

struct NcMeshOptions {
  NcForm form = NcForm::Nc4Deflate;
  bool boundaries = true;
  bool twoDimensional = false;  // nbdv(max_nvdll, nope) and nbvv(max_nvell, nbou)
  int elementStart = 1;         // start_index of element (the attribute is left out for 1)
  int boundaryStart = 1;        // start_index of nbdv and nbvv (the attribute is left out for 1)
  nc_type intType = NC_INT;     // type of element and the boundary variables
};
void writeMeshNetcdf(const std::string& path, const MeshData& m, const NcMeshOptions& o = {});
// The same into a file being written.
void putMesh(NcWriter& w, const MeshData& m, const NcMeshOptions& o);

// Harmonic constituents of a mesh: names, and per node and constituent amplitude and phase.
struct HarmonicData {
  std::vector<std::string> names;
  std::vector<std::vector<double>> amp, phs;  // [node][constituent]
};
HarmonicData harmonicFor(int nodes);
std::string harmonicText(const HarmonicData& h);
// The NetCDF form; with a mesh given, the mesh goes into the same file (as the model writes
// it). Fill values (-99999.0) are written as the variable's _FillValue.
void writeHarmonicNetcdf(const std::string& path, const HarmonicData& h, NcForm form, const MeshData* mesh = nullptr);

}  // namespace vmtest
