// Wave refraction: the nodal attribute "wave_refraction_in_swan" (1.0 enabled, 0.0
// disabled) built for a mesh, enabled inside a lon/lat box or inside the coverage of a
// coarse mesh, and added to a copy of an existing nodal attributes file.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/error.hpp"
#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "mesh/mesh.hpp"
#include "modelout/coverage.hpp"
#include "modelout/summaries.hpp"
#include "tools.hpp"

namespace vm {

namespace {

const char* const kAttribute = "wave_refraction_in_swan";
constexpr size_t kNameWidth = 100;
constexpr size_t kLineWidth = 1000;

[[noreturn]] void unacceptable(Console& con, char answer) {
  const char* msg = "FATAL ERROR: That is not an acceptable selection.";
  con.line(msg);
  con.flush();
  fail(std::string(msg) + " (answer '" + answer + "')");
}

char firstCharacter(Console& con, std::string_view prompt) {
  con.prompt(prompt);
  std::string_view answer = con.readLine("a selection");
  return answer.empty() ? ' ' : answer.front();
}

struct Box {
  double maxLon, minLon, maxLat, minLat;
};

Box askBox(Console& con) {
  con.line("You have selected option 1.");
  con.empty();
  con.line("How do you want to specify the lon/lat box?");
  con.line("  A. Enable wave refraction in the northern");
  con.line("     Gulf of Mexico (lon < -82, lat > 25).");
  con.line("  B. Specify the lon/lat box inside which");
  con.line("     wave refraction will be enabled.");
  const char c = firstCharacter(con, "Enter selection (A/B): ");
  if (c == 'A') {
    con.line("You have selected option A.");
    return {-82.0, -9999.0, 9999.0, 25.0};
  }
  if (c != 'B') unacceptable(con, c);
  con.line("You have selected option B.");
  con.empty();
  Box b{};
  con.prompt("Enter maximum longitude:");
  con.read("the maximum longitude", b.maxLon);
  con.prompt("Enter minimum longitude:");
  con.read("the minimum longitude", b.minLon);
  con.prompt("Enter maximum latitude:");
  con.read("the maximum latitude", b.maxLat);
  con.prompt("Enter minimum latitude:");
  con.read("the minimum latitude", b.minLat);
  return b;
}

// Reads the input attributes file's head, checks it against the mesh and copies it with
// the new attribute's header block, then copies every value block and adds the new one.
void writeAttributes(const std::string& origName, const std::string& newName, const std::vector<char>& refrac) {
  FileReader in(origName);
  auto text = [&](const char* what) { return std::string(rtrim(cut(in.need(what), kLineWidth))); };
  const std::string title = text("the title line (line 1)");
  const std::string nodesLine = text("the node count (line 2)");
  long long nodes = 0;
  readLine(nodesLine, &in, "the node count (line 2)", nodes);
  if (nodes != static_cast<long long>(refrac.size()))
    in.fail("the file is for " + std::to_string(nodes) + " nodes, the mesh has " + std::to_string(refrac.size()));
  long long m = 0;
  readLine(text("the number of attributes (line 3)"), &in, "the number of attributes (line 3)", m);
  if (m < 0) in.fail("expected a number of attributes of 0 or more, found " + std::to_string(m));

  // Four header lines per attribute (counted per attribute: four times a count near the
  // largest integer does not exist).
  std::vector<std::string> headers;
  for (long long k = 0; k < m; ++k)
    for (int l = 0; l < 4; ++l) {
      headers.push_back(text("an attribute header line"));
      if (l == 0 && trim(headers.back()) == kAttribute)
        in.fail(std::string("the file already holds the attribute ") + kAttribute);
    }

  OutFile out(newName);
  out.line(title);
  out.line(nodesLine);
  std::string s;
  putI(s, m + 1, 12);
  out.line(s);
  for (const std::string& h : headers) out.line(h);
  out.line(kAttribute);
  out.line("unitless");
  out.line(FreeLine().i(1).str());
  out.line(FreeLine().d(1.0).str());

  for (long long k = 0; k < m; ++k) {
    out.line(text("the name line of an attribute's values"));
    const std::string countLine = text("the count line of an attribute's values");
    long long count = 0;
    readLine(countLine, &in, "the number of nodes with values other than the default", count);
    if (count < 0) in.fail("expected a count of 0 or more, found " + std::to_string(count));
    out.line(countLine);
    for (long long j = 0; j < count; ++j) out.line(text("a node line of an attribute's values"));
  }

  long long disabled = 0;
  for (char r : refrac) disabled += r == 0;
  out.line(kAttribute);
  out.line(FreeLine().i(disabled).str());
  s.clear();
  for (size_t n = 0; n < refrac.size(); ++n) {
    if (refrac[n]) continue;
    s += ' ';
    putFreeInt(s, static_cast<long long>(n + 1));
    s += ' ';
    putFreeReal(s, 0.0);
    out.line(s);
    s.clear();
  }
  out.close();
}

}  // namespace

void addwave13(Console& con) {
  con.empty();
  con.line("This program develops the nodal attribute for wave refraction in SWAN,");
  con.line("  and then adds it to an existing nodal attributes file.");
  const std::string meshName = askLine(con, "Enter name of the mesh (fort.14): ", kNameWidth);
  const Mesh mesh = readMeshNodes(meshName);
  con.line("The mesh was read successfully.");
  con.empty();

  con.line("How do you want to apply the wave refraction?");
  con.line("  1. Enable within a specified lon/lat box.");
  con.line("  2. Enable within the coverage defined by a coarse mesh.");
  const char option = firstCharacter(con, "Enter selection (1/2): ");
  std::vector<std::string> inputs{meshName};
  std::vector<char> refrac(static_cast<size_t>(mesh.np()), 0);
  if (option == '1') {
    const Box b = askBox(con);
    for (size_t n = 0; n < refrac.size(); ++n)
      refrac[n] = b.minLon <= mesh.x[n] && mesh.x[n] <= b.maxLon && b.minLat <= mesh.y[n] && mesh.y[n] <= b.maxLat;
  } else if (option == '2') {
    con.empty();
    con.line("You want to enable the wave refraction within the coverage defined by a coarse mesh.");
    const std::string coarseName = askLine(con, "Enter name of the coarse mesh (GOMEX.grd): ", kNameWidth);
    inputs.push_back(coarseName);
    GridReading how;
    how.depth = false;  // corners are positions, checked
    const Mesh coarse = readMeshGrid(coarseName, how);
    con.line("The coarse mesh was read successfully.");
    double magnitude = 0.0;  // every node of the mesh is answered through the index
    for (size_t n = 0; n < refrac.size(); ++n)
      if (std::isfinite(mesh.x[n]) && std::isfinite(mesh.y[n]))
        magnitude = std::max({magnitude, std::fabs(mesh.x[n]), std::fabs(mesh.y[n])});
    const CoverageIndex index(coarse.x, coarse.y, coarse.nm, magnitude);
    for (size_t n = 0; n < refrac.size(); ++n) refrac[n] = index.covered(mesh.x[n], mesh.y[n]);
  } else {
    unacceptable(con, option);
  }
  con.line("The nodal attribute for wave refraction was developed successfully.");
  con.empty();

  const std::string origName = askLine(con, "Enter name of the original nodal attributes file (orig.13): ", kNameWidth);
  inputs.push_back(origName);
  const std::string newName = askOutputName(
      con, [&] { return askLine(con, "Enter name of the new nodal attributes file (new.13): ", kNameWidth); }, inputs);
  writeAttributes(origName, newName, refrac);
  con.line("The new nodal attributes file was written successfully.");
  con.empty();
}

}  // namespace vm
