// The model's triangular mesh ("fort.14" layout) and its readers.
//
// Layout: a title line; NE and NP; NP node lines (number, x, y, depth); NE element lines
// (number, corner count, three node numbers); then the open boundaries (NOPE, NETA, and per
// segment NVDLL followed by one node per line) and the land boundaries (NBOU, NVEL, and per
// segment NVELL and IBTYPE followed by one node line each, whose items depend on IBTYPE).
// Every item is read free-format; items after those needed on a line are ignored.
//
// Two readers:
//  - the full reader (read14_alloc, then read14) takes the whole file, boundaries included.
//    Node numbers are labels: they are mapped to positions (1..NP, the order of the node
//    lines), and the element and boundary tables hold positions. A label that no node line
//    carries maps to position 0.
//  - readMeshGrid takes only the nodes and the elements, and uses the corner numbers of the
//    element lines directly as positions (a corner outside 1..NP is an error, unless the
//    caller only copies the corners).
//
// Positions are 1-based, as in the file: node k is at index k-1 of x, y and depth.
//
// Every reader also takes the mesh from the model's NetCDF output (recognised by the file's
// first bytes): x, y, depth and element with node numbers counted from the variable's
// start_index, and the boundary variables when the file has them (see mesh_netcdf.hpp).
// Such a file may carry no boundaries, and never carries the paired nodes and crest heights
// of barrier boundaries: the flags of Mesh tell, and a tool that needs what is missing stops.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/console.hpp"
#include "core/lines.hpp"

namespace vm {

// The sizes the full reader's first pass finds.
struct MeshSizes {
  int ne = 0;         // elements
  int np = 0;         // nodes
  int nope = 0;       // open-boundary segments
  int nbou = 0;       // land-boundary segments
  int maxNvdll = 0;   // largest open segment (0 if none)
  int maxNvell = 0;   // largest land segment (0 if none)
  int maxLabel = 0;   // largest node number of the node lines (0 if none)
};

// Node number (label) to position. Position 0 for a label that no node line carries.
class NodeNumbers {
 public:
  NodeNumbers() = default;
  // Room for labels 1..maxLabel, every one unmapped.
  explicit NodeNumbers(int maxLabel, int np);
  // Records the node line of `label` (1..maxLabel) at `position`; a later line with the
  // same label wins. finish() must follow the last set() before any lookup.
  void set(int label, int position);
  void finish();
  int operator()(long long label) const {
    if (label < 1 || label > maxLabel_) return 0;
    if (!sparse_) return table_[static_cast<size_t>(label)];
    return lookupSparse(static_cast<int>(label));
  }
  int maxLabel() const { return maxLabel_; }

 private:
  int lookupSparse(int label) const;
  int maxLabel_ = 0;
  bool sparse_ = false;  // labels far above the node count: kept as sorted pairs, not a table
  std::vector<int> table_;                  // indexed by label
  std::vector<std::pair<int, int>> pairs_;  // (label, position), sorted by finish()
};

struct OpenSegment {
  std::vector<int> nodes;  // positions (nbdv)
};

struct LandSegment {
  int ibtype = 0;
  std::vector<int> nodes;                // positions (nbvv)
  std::vector<int> ibconn;               // paired positions for IBTYPE 4 and 24, otherwise 0
  std::vector<std::array<double, 3>> bar;  // barrier reals of IBTYPE 3, 13, 23 (two) and 4, 24 (three), otherwise 0
};

struct Mesh {
  std::string title;  // line 1, cut to 120 characters
  std::vector<double> x, y, depth;
  std::vector<std::array<int, 3>> nm;  // element corners as positions
  NodeNumbers nsequencer;              // full reader only

  int neta = 0;  // as in the file
  int nvel = 0;  // as in the file
  std::vector<OpenSegment> open;
  std::vector<LandSegment> land;

  // What the file carried. A text mesh always carries all of it; a NetCDF mesh may lack its
  // open or land boundaries, and never has the paired nodes and crest heights of barrier
  // boundaries (`ibconn` and `bar` then hold 0).
  bool openCarried = true;
  bool landCarried = true;
  bool barrierDataCarried = true;

  int np() const { return static_cast<int>(x.size()); }
  int ne() const { return static_cast<int>(nm.size()); }
};

// Stop with "<path>: ..." saying what is missing when the mesh read from `path` lacks the
// open (or land) boundaries a tool needs.
void needOpenBoundaries(const Mesh& m, const std::string& path);
void needLandBoundaries(const Mesh& m, const std::string& path);

// The refusal of an IBTYPE the reader does not allow: the message, then the Enter key is
// awaited. The caller stops the program after it.
void showIbtypeRefusal(Console& con, int ibtype);

// True for the IBTYPE values the full reader accepts.
bool ibtypeAllowed(int ibtype);

// First pass of the full reader: the sizes. Writes the progress mark "  |" after the
// elements have been skipped.
MeshSizes read14_alloc(LineSource& in, Console& con);

// Second pass: the whole mesh, into arrays created at the sizes of the first pass. Writes
// the progress mark "  + " after the nodes. An element corner below 1 is reported on the
// console (element, corner, number) and maps to 0. An IBTYPE that is not allowed shows
// the message, waits for the Enter key and stops the program with a non-zero status.
Mesh read14(LineSource& in, const MeshSizes& sizes, Console& con);

// Both passes on the named file.
Mesh readMeshFull(const std::string& path, Console& con);

// Nodes and elements only. Line 1 is kept as the title (cut to 120 characters).
struct GridReading {
  bool depth = true;                // node lines hold a depth (false: only x and y are read)
  bool cornersArePositions = true;  // corners must lie in 1..NP (false: taken as they are)
};
Mesh readMeshGrid(const std::string& path, const GridReading& how = {});

// The title, the counts and the node lines (number, x, y) only: the element lines and
// everything after them are not read, and the depth is not kept (`depth` stays empty).
// The element count read from line 2 is kept in `elementCount`.
Mesh readMeshNodes(const std::string& path, int* elementCount = nullptr);

}  // namespace vm
