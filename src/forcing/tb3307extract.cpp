// Tidal constituents of the TB3307 database at a mesh's open-boundary nodes: amplitude and
// phase of the elevation and of both velocity components, interpolated in single precision
// from the database element that holds each point. Writes a report (tides.out) and an
// elevation forcing file named after the mesh.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/counts.hpp"
#include "core/error.hpp"
#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/lines.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "forcing/dialogue.hpp"
#include "forcing/element_locator.hpp"
#include "forcing/open_boundary.hpp"
#include "tools.hpp"

namespace vm {

namespace {

const char* const kPointFile = "tides.in";
const char* const kReportFile = "tides.out";
const char* const kGridFile = "tb3307.grd";
const char* const kDataFile = "tb3307.tdb";

constexpr int kConstituents = 10;
constexpr float kPi = 3.1415927f;
constexpr float kInsideLimit = 1.0E-5f;

// Output position n writes the database constituent `index` (1-based position in the data
// file) and tags its forcing lines with `code`.
struct OutputRow {
  int index;
  int code;
};
constexpr OutputRow kOrder[kConstituents] = {{4, 1}, {3, 2}, {2, 4},  {7, 5},   {5, 6},
                                             {6, 7}, {8, 8}, {9, 9}, {10, 10}, {1, 11}};

enum Quantity { kElevation, kEast, kNorth, kQuantities };

// The constituent names of the data file, 10 characters each. The count must be exactly
// 10: the output order is laid out for that many.
std::vector<std::string> readDataHeader(FileReader& in) {
  long ncon = 0;
  readList(in, "the number of constituents", ncon);
  if (ncon != kConstituents)
    in.fail("the data file lists " + std::to_string(ncon) + " constituents; exactly " +
            std::to_string(kConstituents) + " are needed");
  std::vector<std::string> names;
  for (long k = 0; k < ncon; ++k) {
    const std::string_view ln = in.need("a constituent line");
    fieldReal(ln, 1, 21, 10, &in, "the first real of a constituent line");
    fieldReal(ln, 22, 11, 7, &in, "the second real of a constituent line");
    fieldReal(ln, 33, 13, 8, &in, "the third real of a constituent line");
    names.push_back(pad(columns(ln, 48, 10), 10));
  }
  long nodes = 0;
  readList(in, "the number of database nodes", nodes);
  return names;
}

// The database mesh. Nodes and elements are stored under the numbers their lines carry,
// which must be 1..NP and 1..NE with every number present.
TriMesh readDatabaseMesh(const std::string& path) {
  FileReader in(path);
  in.need("the title line");
  long ne = 0, np = 0;
  readList(in, "the element count and the node count", ne, np);
  if (ne < 0 || np < 0 || ne > INT32_MAX || np > INT32_MAX) in.fail("element or node count out of range");
  TriMesh m;
  // Node and element lines are kept as read and placed under their numbers once all of
  // them are there: counts that the file does not hold allocate nothing.
  struct NodeLine {
    long n;
    float x, y;
  };
  std::vector<NodeLine> nodeLines;
  nodeLines.reserve(reserveAhead(np));
  for (long j = 0; j < np; ++j) {
    long n = 0;
    float x = 0.0f, y = 0.0f;
    readList(in, "a node line (number, x, y)", n, x, y);
    if (n < 1 || n > np) in.fail("node number " + std::to_string(n) + " lies outside 1.." + std::to_string(np));
    nodeLines.push_back({n, x, y});
  }
  m.x.assign(static_cast<size_t>(np), 0.0f);
  m.y.assign(static_cast<size_t>(np), 0.0f);
  std::vector<char> seen(static_cast<size_t>(np), 0);
  for (const NodeLine& l : nodeLines) {
    m.x[static_cast<size_t>(l.n - 1)] = l.x;
    m.y[static_cast<size_t>(l.n - 1)] = l.y;
    seen[static_cast<size_t>(l.n - 1)] = 1;
  }
  nodeLines = {};
  struct ElementLine {
    long e;
    int32_t corner[3];
  };
  std::vector<ElementLine> elementLines;
  elementLines.reserve(reserveAhead(ne));
  for (long j = 0; j < ne; ++j) {
    long e = 0, count = 0, n[3] = {0, 0, 0};
    readList(in, "an element line (number, node count, three nodes)", e, count, n[0], n[1], n[2]);
    if (e < 1 || e > ne) in.fail("element number " + std::to_string(e) + " lies outside 1.." + std::to_string(ne));
    ElementLine& l = elementLines.emplace_back();
    l.e = e;
    for (int k = 0; k < 3; ++k) {
      if (n[k] < 1 || n[k] > np || !seen[static_cast<size_t>(n[k] - 1)])
        in.fail("element " + std::to_string(e) + " names node " + std::to_string(n[k]) + ", which has no node line");
      l.corner[k] = static_cast<int32_t>(n[k] - 1);
    }
  }
  m.corners.assign(3 * static_cast<size_t>(ne), -1);
  for (const ElementLine& l : elementLines)
    for (int k = 0; k < 3; ++k) m.corners[3 * static_cast<size_t>(l.e - 1) + static_cast<size_t>(k)] = l.corner[k];
  for (long e = 0; e < ne; ++e)
    if (m.corners[3 * static_cast<size_t>(e)] < 0) fail(path + ": element " + std::to_string(e + 1) + " has no element line");
  return m;
}

// One database node's record: amplitude and phase (radians) per quantity and constituent,
// or what went wrong reading it.
struct NodeRecord {
  long node = 0;
  long found = 0;  // node number on the record's first line
  std::string error;
  float amp[kQuantities][kConstituents] = {};
  float pha[kQuantities][kConstituents] = {};
};

void parseRecordLine(std::string_view ln, const LineSource& in, int q, NodeRecord& r) {
  ListScanner s(ln, &in, q == kElevation ? "the node number and the elevation amplitudes and phases"
                                         : "the velocity amplitudes and phases");
  if (q == kElevation && !s.get(r.found)) return;
  for (int k = 0; k < kConstituents; ++k)
    if (!s.get(r.amp[q][k]) || !s.get(r.pha[q][k])) return;
}

// Reads the records of the given nodes (ascending) in one pass over the data file; the
// records of the nodes between are passed over three lines at a time, unparsed. A record
// that cannot be read keeps its error, to be raised when a point needs that node.
std::vector<NodeRecord> readNodeRecords(const std::vector<long>& nodes) {
  FileReader in(kDataFile, 1 << 22);
  readDataHeader(in);
  std::vector<NodeRecord> recs(nodes.size());
  long next = 1;  // node of the record that starts at the next line
  std::string endError;
  for (size_t r = 0; r < nodes.size(); ++r) {
    NodeRecord& rec = recs[r];
    rec.node = nodes[r];
    if (!endError.empty()) {
      rec.error = endError;
      continue;
    }
    std::string_view ln;
    for (; next < rec.node; ++next)
      for (int k = 0; k < 3 && endError.empty(); ++k)
        if (!in.next(ln))
          endError = in.name() + ": unexpected end of file after line " + std::to_string(in.lineNo()) +
                     ", expected the record of node " + std::to_string(rec.node);
    for (int q = 0; q < kQuantities && endError.empty(); ++q) {
      if (!in.next(ln)) {
        endError = in.name() + ": unexpected end of file after line " + std::to_string(in.lineNo()) +
                   ", expected the record of node " + std::to_string(rec.node);
        break;
      }
      if (!rec.error.empty()) continue;
      try {
        parseRecordLine(ln, in, q, rec);
      } catch (const Failure& f) {
        rec.error = f.what();
      }
    }
    if (!endError.empty() && rec.error.empty()) rec.error = endError;
    ++next;
    for (int q = 0; q < kQuantities; ++q)
      for (int k = 0; k < kConstituents; ++k) rec.pha[q][k] = rec.pha[q][k] * kPi / 180.0f;
  }
  return recs;
}

void warnOutside(Console& con, float index) {
  con.empty();
  con.empty();
  con.empty();
  con.line(" WARNING -  SPECIFIED LOCATION DOES NOT LIE WITHIN ANY ELEMENT IN THE DOMAIN.");
  con.line(" CHECK THE LONGITUDE AND LATITUDE FOR THIS LOCATION PROGRAM WILL ESTIMATE NEAREST ELEMENT");
  std::string s = " THE PROXIMITY INDEX FOR THIS LOCATION EQUALS ";
  putE(s, index, 15, 6);
  con.line(s);
}

void writeReportHeader(OutFile& out) {
  auto b = [](size_t n) { return std::string(n, ' '); };
  out.line("");
  out.line("");
  out.line(b(8) + "Constituent" + b(13) + "Elevation" + b(16) + "East Velocity" + b(12) + "North Velocity");
  std::string s = b(11) + "Name/" + b(8);
  for (int k = 0; k < 3; ++k) s += b(6) + "Amplitude     Phase";
  out.line(s);
  s = b(5) + "Lon" + b(10) + "Lat" + b(12) + "(m)" + b(8) + "(deg)";
  for (int k = 0; k < 2; ++k) s += b(9) + "(m/s)" + b(6) + "(deg)";
  out.line(s);
  out.line("");
}

// Interpolated amplitude and phase (degrees) of one quantity and constituent.
void combine(const std::array<const NodeRecord*, 3>& corner, const float w[3], int q, int k, float& amp,
             float& pha) {
  float c[3], s[3];
  for (int r = 0; r < 3; ++r) {
    c[r] = corner[r]->amp[q][k] * std::cos(corner[r]->pha[q][k]);
    s[r] = corner[r]->amp[q][k] * std::sin(corner[r]->pha[q][k]);
  }
  const float cc = w[0] * c[0] + w[1] * c[1] + w[2] * c[2];
  const float ss = w[0] * s[0] + w[1] * s[1] + w[2] * s[2];
  amp = std::sqrt(cc * cc + ss * ss);
  if (amp != 0.0f) {
    pha = std::acos(cc / amp) * 180.0f / kPi;
    if (ss < 0.0f) pha = 360.0f - pha;
  } else {
    pha = 0.0f;
  }
}

}  // namespace

void tb3307extract(Console& con) {
  banner(con, 53, {"This Program Extracts Harmonic Constiutents from the ", "TB3307 Tidal Database"});
  const std::string mesh = askName(con, "Enter the name of the grid file to interpolate", "the grid file name");
  con.empty();

  // Every file this run writes must differ from every file it reads.
  const std::string forcing = mesh + ".TB3307";
  const std::string reads[] = {mesh, kGridFile, kDataFile};
  for (const std::string& out : {std::string(kPointFile), std::string(kReportFile), forcing})
    for (const std::string& in : reads)
      if (sameFile(out, in)) fail("the file " + out + ", which this tool writes, must not be its input " + in);
  if (sameFile(forcing, kPointFile) || sameFile(forcing, kReportFile) || sameFile(kPointFile, kReportFile))
    fail("the output files " + forcing + ", " + kPointFile + " and " + kReportFile + " must differ");

  const std::vector<BoundaryPoint> boundary = readOpenBoundaryPoints(mesh, true);
  const long n = static_cast<long>(boundary.size());
  std::vector<std::string> names;
  if (n > 0) {
    FileReader data(kDataFile);
    names = readDataHeader(data);
  }
  {
    OutFile pts(kPointFile);
    std::string s;
    putI(s, n, 10);
    pts.line(s);
    for (const BoundaryPoint& p : boundary) {
      s.clear();
      putF(s, p.x, 18, 10);
      putF(s, p.y, 18, 10);
      pts.line(s);
    }
  }
  con.empty();
  con.say("QORVEL Grid has been read");
  con.say(FreeLine().t("Number of Open Boundary Nodes is ").i(n));
  con.empty();
  if (n == 0) {
    con.say("There are no open boundary nodes: nothing to interpolate.");
    return;
  }

  OutFile report(kReportFile);
  writeReportHeader(report);
  std::vector<float> xout(static_cast<size_t>(n)), yout(static_cast<size_t>(n));
  {
    FileReader pts(kPointFile);
    long count = 0;
    readList(pts, "the number of points", count);
    if (count != n) pts.fail("the number of points changed while the tool ran");
    for (size_t i = 0; i < xout.size(); ++i) readList(pts, "x and y of a point", xout[i], yout[i]);
  }
  const TriMesh db = readDatabaseMesh(kGridFile);
  con.say("Interpolating Nodes ...");

  // Element of every point, then the records of all their nodes in one pass.
  const ElementLocator locator(db);
  std::vector<Located> where(xout.size());
  std::vector<long> needed;
  for (size_t i = 0; i < xout.size(); ++i) {
    where[i] = locator.locate(xout[i], yout[i]);
    if (where[i].element == 0) continue;
    for (int r = 0; r < 3; ++r) needed.push_back(db.corners[3 * static_cast<size_t>(where[i].element - 1) + r] + 1);
  }
  std::sort(needed.begin(), needed.end());
  needed.erase(std::unique(needed.begin(), needed.end()), needed.end());
  const std::vector<NodeRecord> recs = readNodeRecords(needed);
  auto record = [&](long node) -> const NodeRecord& {
    return recs[static_cast<size_t>(std::lower_bound(needed.begin(), needed.end(), node) - needed.begin())];
  };

  const size_t cells = static_cast<size_t>(kConstituents) * xout.size();
  std::vector<float> amp[kQuantities], pha[kQuantities];
  for (int q = 0; q < kQuantities; ++q) amp[q].assign(cells, 0.0f), pha[q].assign(cells, 0.0f);
  for (size_t i = 0; i < xout.size(); ++i) {
    con.say(FreeLine().i(static_cast<long long>(i + 1)));
    const Located& at = where[i];
    if (at.index > kInsideLimit) warnOutside(con, at.index);
    if (at.element == 0)
      fail(std::string(kGridFile) + ": no element of nonzero area to interpolate point " + std::to_string(i + 1) +
           " from");
    const int32_t* c = &db.corners[3 * static_cast<size_t>(at.element - 1)];
    const float xp = xout[i], yp = yout[i];
    const float x1 = db.x[static_cast<size_t>(c[0])], y1 = db.y[static_cast<size_t>(c[0])];
    const float x2 = db.x[static_cast<size_t>(c[1])], y2 = db.y[static_cast<size_t>(c[1])];
    const float x3 = db.x[static_cast<size_t>(c[2])], y3 = db.y[static_cast<size_t>(c[2])];
    const float a = at.area;
    float w[3];
    w[1] = ((xp - x1) * (y3 - y1) - (yp - y1) * (x3 - x1)) / a;
    w[2] = ((yp - y1) * (x2 - x1) - (xp - x1) * (y2 - y1)) / a;
    w[0] = 1.0f - w[1] - w[2];

    // The corners' records in ascending node order, as the data file holds them.
    std::array<int, 3> order = {0, 1, 2};
    std::sort(order.begin(), order.end(), [&](int p, int q) { return c[p] < c[q]; });
    std::array<const NodeRecord*, 3> corner{};
    for (int r : order) {
      const long node = c[r] + 1;
      const NodeRecord& rec = record(node);
      if (!rec.error.empty()) fail(rec.error);
      if (rec.found != node) {
        con.say(FreeLine()
                    .t("ERROR FINDING NODE ")
                    .i(node)
                    .t(" PROGRAM HAS FOUND")
                    .t(" NODE ")
                    .i(rec.found)
                    .t(" IN ITS PLACE"));
        con.say(" PROGRAM WILL NOW BE TERMINATED");
        fail(std::string(kDataFile) + ": the record of node " + std::to_string(node) + " carries node number " +
             std::to_string(rec.found));
      }
      corner[static_cast<size_t>(r)] = &rec;
    }
    for (int q = 0; q < kQuantities; ++q)
      for (int k = 0; k < kConstituents; ++k) {
        const size_t at2 = static_cast<size_t>(k) * xout.size() + i;
        combine(corner, w, q, k, amp[q][at2], pha[q][at2]);
      }
  }

  OutFile out(forcing);
  std::string s;
  for (const OutputRow& row : kOrder) {
    const size_t d = static_cast<size_t>(row.index - 1);
    report.line("");
    report.line("");
    report.line(" " + names[d]);
    report.line("");
    out.line(names[d]);
    for (size_t i = 0; i < xout.size(); ++i) {
      const size_t at = d * xout.size() + i;
      s.assign(" ");
      putF(s, xout[i], 11, 6);
      s += "  ";
      putF(s, yout[i], 11, 6);
      s += "  ";
      for (int q = 0; q < kQuantities; ++q) {
        putE(s, amp[q][at], 12, 5);
        s += "  ";
        putF(s, pha[q][at], 8, 3);
        s += "   ";
      }
      report.line(s);
      s.clear();
      putE(s, amp[kElevation][at], 18, 10);
      putE(s, pha[kElevation][at], 18, 10);
      putI(s, row.code, 10);
      putI(s, static_cast<long long>(i + 1), 10);
      out.line(s);
    }
  }
  out.close();
  report.close();
  con.line(" ");
  con.line("**** RESULTS HAVE BEEN STORED IN FILE: TIDES.OUT ****");
}

}  // namespace vm
