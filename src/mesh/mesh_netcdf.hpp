// The mesh as the model's NetCDF output carries it. The mesh readers of mesh.hpp come here
// when the file is a NetCDF file, so that no tool has to tell the two forms apart.
//
// Variables read:
//  - x(node), y(node), depth(node): any numeric type;
//  - element(nele, nvertex), nvertex 3: node numbers counted from the variable's
//    `start_index` attribute (1 when absent);
//  - open boundaries: nvdll(nope) and nbdv, with a scalar `neta` when present;
//  - land boundaries: nvell(nbou), ibtype(nbou) and nbvv, with a scalar `nvel` when present.
//    nbdv and nbvv are flat (segments one after the other, padding after the last) or
//    two-dimensional (max_nvdll, nope): element [k][j] is the k-th node of segment j. Their
//    node numbers count from their own `start_index`.
// A file without nvdll (or nvell) carries no open (land) boundaries, unless a scalar
// variable `nope` (`nbou`) says there are none. The title is the global attribute `agrid`,
// else `title`. Node numbers must name nodes of the file; every fault is a fatal error
// naming the file and what is wrong.
#pragma once
#include <string>

#include "core/console.hpp"
#include "mesh/mesh.hpp"

namespace vm {

struct NcMeshParts {
  bool depth = true;     // the depth variable is needed
  bool elements = true;  // the element table is read (else the element count alone)
  bool openBoundaries = true;
  bool landBoundaries = true;
};

// Reads what `parts` asks for from the NetCDF file `path`. With a console, the progress marks
// of the text reader ("  |" and "  + ") are written, and an IBTYPE that is not allowed is
// refused the same way. `elementCount`, when given, receives the length of `nele` (0 when
// the file has no such dimension).
Mesh readNetcdfMesh(const std::string& path, const NcMeshParts& parts, Console* con, int* elementCount = nullptr);

}  // namespace vm
