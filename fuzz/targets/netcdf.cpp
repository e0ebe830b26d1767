// The readers of the model's NetCDF files on one fuzzed file, the library's own parsing of
// the header and the data included. The input is the whole file; anything that is not a
// NetCDF file (by its first bytes) is left to the text readers' own targets.
//
// Mesh: the full reader with its boundaries (an IBTYPE it refuses waits for the Enter key,
// which the scripted console gives), the grid reader as each tool asks for it, the
// nodes-only reader and the open-boundary reader of the forcing tools. Harmonic file: its
// reader node by node, and the decomposition with the file as both mesh and harmonic file.
#include <algorithm>
#include <vector>

#include "core/error.hpp"
#include "core/ncfile.hpp"
#include "core/ncguard.hpp"
#include "forcing/harmonic.hpp"
#include "forcing/open_boundary.hpp"
#include "fuzz.hpp"
#include "mesh/mesh.hpp"
#include "tools.hpp"

namespace {

const char* const kFile = "f.nc";

// Nodes read from the harmonic file, and the largest mesh the whole decomposition runs on:
// a small file may announce (and the library fill) many nodes, each costing a line per
// output file.
constexpr int kHarmonicNodes = 4096;
constexpr size_t kToolNodes = 4096;
// A file on which the NetCDF library loops is cut off by the guard of netCDF-4 files well
// within the fuzzer's timeout.
constexpr unsigned kProbeSeconds = 4;

void meshReaders() {
  fuzz::runTool("\n", [](vm::Console& con) { vm::readMeshFull(kFile, con); });
  for (int k = 0; k < 3; ++k) {
    try {
      vm::GridReading how;
      how.depth = k == 0;
      how.cornersArePositions = k != 1;
      vm::readMeshGrid(kFile, how);
    } catch (const vm::Failure&) {
    }
  }
  try {
    int ne = 0;
    vm::readMeshNodes(kFile, &ne);
  } catch (const vm::Failure&) {
  }
  for (bool depth : {true, false}) {
    try {
      vm::readOpenBoundaryPoints(kFile, depth);
    } catch (const vm::Failure&) {
    }
  }
}

void harmonicReaders() {
  try {
    vm::HarmonicFile h(kFile);
    std::vector<double> amp(h.names().size()), pha(h.names().size());
    for (int j = 0; j < kHarmonicNodes; ++j) h.nextNode(amp.data(), pha.data());
  } catch (const vm::Failure&) {
  }
  try {
    const vm::NcFile f(kFile);
    if (f.dim("node").value_or(0) > kToolNodes) return;
  } catch (const vm::Failure&) {
    return;
  }
  fuzz::runTool("f.nc\nf.nc\n\n", [](vm::Console& con) { vm::decompose53(con); });
}

// The readers of global, max and station files (fuzzed on their own by the target ncseries)
// can join here, each on the same file, so that one input reaches every NetCDF reader.

}  // namespace

VM_FUZZ_TARGET(netcdf) {
  vm::setNcProbeSeconds(kProbeSeconds);
  fuzz::put(kFile, fuzz::text(data, size));
  if (!vm::isNetcdf(kFile)) return;
  meshReaders();
  harmonicReaders();
}
