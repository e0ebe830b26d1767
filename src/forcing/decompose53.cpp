// Splits a harmonic constituent file (text or NetCDF) into two mesh-layout files per
// constituent, one whose depth column is the amplitude at each node and one whose depth
// column is the phase. The harmonic file is read once, front to back; every node's values
// go straight to their files.
#include <memory>
#include <string>
#include <vector>

#include "core/error.hpp"
#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/text.hpp"
#include "forcing/dialogue.hpp"
#include "forcing/grid_announced.hpp"
#include "forcing/harmonic.hpp"
#include "tools.hpp"

namespace vm {

namespace {

// Element lines are the same in every output file: they are laid out once per block of
// this many elements and the block is written to each file.
constexpr size_t kElementBlock = 1 << 15;

}  // namespace

void decompose53(Console& con) {
  con.empty();
  const std::string meshName = askName(con, "Enter name of Grid File", "the grid file name");
  con.empty();
  const std::string harmonic = askName(con, "Enter name of Fort.53 File", "the harmonic file name");
  con.empty();
  const Mesh mesh = readGridAnnounced(con, meshName);

  HarmonicFile in(harmonic);
  const std::vector<std::string>& names = in.names();

  // Output names: harmonic file name, ".", constituent name, ".amp.63" or ".pha.63".
  std::vector<std::string> outNames;
  for (const std::string& n : names)
    for (const char* kind : {".amp.63", ".pha.63"}) {
      std::string out = harmonic + "." + n + kind;
      if (sameFile(out, harmonic) || sameFile(out, meshName))
        fail("the output file " + out + " would replace an input file");
      outNames.push_back(out);
    }

  std::vector<std::unique_ptr<OutFile>> out;
  const std::string title = FreeLine().t(pad(mesh.title, kNameWidth)).str() + "\n";
  const std::string counts = FreeLine().i(mesh.ne()).i(mesh.np()).str() + "\n";
  for (const std::string& name : outNames) {
    out.push_back(std::make_unique<OutFile>(name));
    out.back()->put(title);
    out.back()->put(counts);
  }

  std::string node, line;
  std::vector<double> amp(names.size()), pha(names.size());
  for (int j = 0; j < mesh.np(); ++j) {
    in.nextNode(amp.data(), pha.data());
    node = FreeLine().i(j + 1).d(mesh.x[static_cast<size_t>(j)]).d(mesh.y[static_cast<size_t>(j)]).str();
    for (size_t i = 0; i < names.size(); ++i) {
      for (int k = 0; k < 2; ++k) {
        line.assign(node);
        line += ' ';
        putFreeReal(line, k == 0 ? amp[i] : pha[i]);
        line += '\n';
        out[2 * i + static_cast<size_t>(k)]->put(line);
      }
    }
  }

  std::string block;
  for (size_t first = 0; first < mesh.nm.size(); first += kElementBlock) {
    block.clear();
    const size_t last = std::min(mesh.nm.size(), first + kElementBlock);
    for (size_t e = first; e < last; ++e) {
      const auto& c = mesh.nm[e];
      block += FreeLine().i(static_cast<long long>(e + 1)).i(3).i(c[0]).i(c[1]).i(c[2]).str();
      block += '\n';
    }
    for (auto& f : out) f->put(block);
  }
  const std::string zero = FreeLine().i(0).str() + "\n";
  for (auto& f : out) {
    for (int k = 0; k < 10; ++k) f->put(zero);
    f->close();
  }
}

}  // namespace vm
