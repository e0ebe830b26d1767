// River inflow fluxes for the mesh's river boundaries (land segments of type 52): each
// river's discharge is spread over its boundary nodes, uniformly or following a flux
// profile across the river, and written as a flux per unit width at every node.
#include <cmath>
#include <string>
#include <vector>

#include "core/error.hpp"
#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/lines.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "forcing/dialogue.hpp"
#include "forcing/grid_announced.hpp"
#include "tools.hpp"

namespace vm {

namespace {

constexpr double kMetresPerDegreeLon = 96075.195;
constexpr double kMetresPerDegreeLat = 110859.57;
constexpr double kCubicMetresPerCubicFoot = 0.028316846592;
constexpr double kMississippiShare = 0.7;
constexpr double kAtchafalayaShare = 0.3;
constexpr int kRiverBoundary = 52;

// A line of points along a river: a mesh river boundary or a flux profile across a river.
struct RiverLine {
  std::string name;  // 120 characters, blank-padded
  std::vector<double> lon, lat, flux, dist;
  std::vector<int> node;  // mesh rivers: node positions
  double flow = 0.0;      // discharge (cms)
};

struct ProfilePoint {
  double lon, lat, flux;
};

const ProfilePoint kHv27Mississippi[] = {
    {-91.1941234, 30.4221559, 2.36}, {-91.194956, 30.4226073, 4.25},  {-91.1957467, 30.4231121, 5.86},
    {-91.1965052, 30.423653, 6.61},  {-91.1972709, 30.4241861, 6.89}, {-91.1980693, 30.4246818, 6.80},
    {-91.1988772, 30.4251659, 5.76}, {-91.1996913, 30.4256422, 4.82}, {-91.200516, 30.4261047, 2.83},
    {-91.201343, 30.426564, 1.32},   {-91.2021879, 30.4269983, 0.66}, {-91.203045, 30.4274143, 0.66},
    {-91.203899, 30.427835, 0.57}};
const ProfilePoint kHv27Atchafalaya[] = {
    {-91.79974, 30.98025, 2.18},  {-91.800455, 30.980235, 2.18}, {-91.80117, 30.98022, 2.18},
    {-91.801885, 30.980205, 2.18}, {-91.802734, 30.98018, 2.04}, {-91.8037, 30.980117, 2.00},
    {-91.8048, 30.980045, 1.90},  {-91.8059, 30.979973, 1.81},  {-91.807, 30.9799, 1.73},
    {-91.80787, 30.97987, 1.64},  {-91.80874, 30.97984, 1.58},  {-91.80961, 30.97981, 1.53},
    {-91.81048, 30.97978, 1.46}};

// Distance in metres from the first point, point by point along the line.
void measure(RiverLine& r) {
  r.dist.assign(r.lon.size(), 0.0);
  for (size_t k = 1; k < r.lon.size(); ++k) {
    const double dx = (r.lon[k] - r.lon[k - 1]) * kMetresPerDegreeLon;
    const double dy = (r.lat[k] - r.lat[k - 1]) * kMetresPerDegreeLat;
    r.dist[k] = r.dist[k - 1] + std::sqrt(dx * dx + dy * dy);
  }
}

// Discharge of nodal fluxes q at distances d (at least two points): each node carries
// half of each boundary piece next to it.
double integrate(const std::vector<double>& q, const std::vector<double>& d) {
  const size_t n = q.size();
  double total = q[0] * d[1] * 0.5;
  total = total + (d[n - 1] - d[n - 2]) * 0.5 * q[n - 1];
  for (size_t k = 1; k + 1 < n; ++k) total = total + q[k] * (d[k + 1] - d[k - 1]) * 0.5;
  return total;
}

std::string tableRow(std::string_view label, double cms) {
  std::string s;
  putA(s, label, 20);
  putF(s, cms, 20, 2);
  putF(s, cms / kCubicMetresPerCubicFoot, 20, 2);
  return s;
}

std::string tableHeader(std::string_view flow, std::string_view cfs) {
  std::string s;
  putA(s, "River", 20);
  putA(s, flow, 20);
  putA(s, cfs, 20);
  return s;
}

int askOption(Console& con, std::initializer_list<std::string_view> lines, int highest) {
  for (;;) {
    for (std::string_view l : lines) con.say(l);
    int option = 0;
    con.read("the option number", option);
    if (option >= 1 && option <= highest) return option;
  }
}

// A profile point that repeats the one before would divide by zero in the interpolation.
bool hasRepeatedPoint(const RiverLine& p) {
  for (size_t k = 1; k < p.dist.size(); ++k)
    if (p.dist[k] == p.dist[k - 1]) return true;
  return false;
}

// Reads the river flow input file; an empty result after a message means the file breaks
// one of the rules the interpolation needs.
std::vector<RiverLine> readProfiles(Console& con, const std::string& path, size_t rivers) {
  FileReader in(path);
  in.need("the first heading line");
  in.need("the second heading line");
  long nfile = 0, fmax = 0;
  readList(in, "the number of profiles", nfile);
  readList(in, "the largest point count of a profile", fmax);
  if (nfile < static_cast<long>(rivers)) {
    con.say(FreeLine().t("The flow input file holds").i(nfile).t(" profiles; the grid has").i(static_cast<long long>(rivers))
                .t(" river boundaries. No output written."));
    return {};
  }
  con.say("Reading Source File");
  con.empty();
  con.line(tableHeader("Flowrate (cms)", "Florate (cfs)"));
  std::vector<RiverLine> profiles;  // grows with the profiles read, whatever the count announces
  for (long g = 0; g < nfile; ++g) {
    RiverLine& p = profiles.emplace_back();
    p.name = pad(in.need("the name of a profile"), kNameWidth);
    long count = 0;
    readList(in, "the point count of a profile", count);
    const std::string which = "Profile " + std::string(rtrim(p.name));
    if (count > fmax) {
      con.say(which + " has more points than the largest count the file announces. No output written.");
      return {};
    }
    if (count < 2) {
      con.say(which + " has fewer than two points. No output written.");
      return {};
    }
    for (long k = 0; k < count; ++k) {
      double lon = 0.0, lat = 0.0, flux = 0.0;
      readList(in, "longitude, latitude and flux of a profile point", lon, lat, flux);
      p.lon.push_back(lon), p.lat.push_back(lat), p.flux.push_back(flux);
    }
    measure(p);
    if (hasRepeatedPoint(p)) {
      con.say(which + " has two consecutive points at the same place. No output written.");
      return {};
    }
    p.flow = integrate(p.flux, p.dist);
    con.line(tableRow(cut(p.name, 20), p.flow));
  }
  return profiles;
}

std::vector<RiverLine> builtInProfiles() {
  std::vector<RiverLine> profiles(2);
  const char* names[2] = {"Mississippi River", "Atchafalaya River"};
  for (size_t g = 0; g < 2; ++g) {
    RiverLine& p = profiles[g];
    p.name = pad(names[g], kNameWidth);
    for (const ProfilePoint& q : g == 0 ? kHv27Mississippi : kHv27Atchafalaya)
      p.lon.push_back(q.lon), p.lat.push_back(q.lat), p.flux.push_back(q.flux);
    measure(p);
    p.flow = integrate(p.flux, p.dist);
  }
  return profiles;
}

// Fluxes of mesh river r following profile p, stretched so that both ends meet; then
// scaled so that they carry the river's discharge. False (after a message) when the
// interpolated fluxes carry no discharge at all.
bool interpolate(Console& con, RiverLine& r, const RiverLine& p, const Format& factorLine) {
  const size_t n = r.lon.size(), m = p.lon.size();
  r.flux.assign(n, 0.0);
  r.flux[0] = p.flux[0];
  r.flux[n - 1] = p.flux[m - 1];
  const double stretch = p.dist[m - 1] / r.dist[n - 1];
  for (size_t k = 1; k + 1 < n; ++k) {
    const double pos = r.dist[k] * stretch;
    size_t f = 1;
    while (f + 1 < m && p.dist[f] < pos) ++f;
    r.flux[k] = p.flux[f - 1] + (pos - p.dist[f - 1]) * (p.flux[f] - p.flux[f - 1]) / (p.dist[f] - p.dist[f - 1]);
  }
  const double q = integrate(r.flux, r.dist);
  if (q == 0.0) {
    con.say("The fluxes interpolated from profile " + std::string(rtrim(p.name)) +
            " carry no discharge, so they cannot be scaled. No output written.");
    return false;
  }
  const double factor = r.flow / q;
  con.out() << factorLine.line(cut(p.name, 30), factor);
  for (double& v : r.flux) v *= factor;
  return true;
}

}  // namespace

void riverextract(Console& con) {
  banner(con, 58, {"River Boundary Extraction Tool"});
  const std::string meshName = askName(con, "Enter name of Grid File", "the grid file name");
  con.empty();
  const Mesh mesh = readGridAnnounced(con, meshName);
  needLandBoundaries(mesh, meshName);

  std::vector<RiverLine> rivers;
  for (const LandSegment& seg : mesh.land) {
    if (seg.ibtype != kRiverBoundary) continue;
    RiverLine r;
    for (int node : seg.nodes) {
      if (node < 1)
        fail(meshName + ": river boundary " + std::to_string(rivers.size() + 1) +
             " names a node that no node line carries");
      r.node.push_back(node);
      r.lon.push_back(mesh.x[static_cast<size_t>(node - 1)]);
      r.lat.push_back(mesh.y[static_cast<size_t>(node - 1)]);
    }
    rivers.push_back(std::move(r));
  }
  const long long nriv = static_cast<long long>(rivers.size());
  if (rivers.empty()) {
    con.say("The grid has no river boundaries (land boundaries of type 52): nothing to do.");
    return;
  }
  for (size_t r = 0; r < rivers.size(); ++r)
    if (rivers[r].lon.size() < 2) {
      con.say(FreeLine().t("River boundary").i(static_cast<long long>(r + 1)).t(" has fewer than two nodes. No output written."));
      return;
    }
  for (size_t r = 0; r < rivers.size(); ++r) {
    con.say(FreeLine().i(static_cast<long long>(r + 1)).i(nriv));
    measure(rivers[r]);
  }
  for (size_t r = 0; r < rivers.size(); ++r)
    if (rivers[r].dist.back() == 0.0) {
      con.say(FreeLine().t("River boundary").i(static_cast<long long>(r + 1)).t(" has zero length. No output written."));
      return;
    }

  con.empty();
  con.say("Useful Information (Avg Flows)");
  con.empty();
  con.say("(3-Days Prior to LandFall to end of Wind Data)");
  con.say("Gustav  -  8552 cms (302,000 cfs)");
  con.say("Ike     - 12006 cms (424,000 cfs)");
  con.say("Katrina -  5069 cms (179,000 cfs)");
  con.say("Rita    -  5635 cms (199,000 cfs)");
  con.empty();
  con.say("(Average of 7-Days Prior to LandFall)");
  con.say("Gustav  -  8807 cms (311,000 cfs)");
  con.say("Ike     - 12318 cms (435,000 cfs)");
  con.say("Katrina -  4842 cms (171,000 cfs)");
  con.say("Rita    -  5437 cms (192,000 cfs)");
  con.empty();

  int flowOption = 0;
  for (;;) {
    flowOption = askOption(
        con, {"Select Flow Option (1 or 2):", " 1) Mississippi Flow (Atchafalaya = 30% of Total)", " 2) Manual Entry"}, 2);
    if (flowOption == 2 || nriv == 2) break;
    con.say(FreeLine().t("Flow option 1 needs exactly two river boundaries; the grid has").i(nriv).t("."));
  }
  if (flowOption == 1) {
    rivers[0].name = pad("Mississippi River", kNameWidth);
    rivers[1].name = pad("Atchafalaya River", kNameWidth);
    con.say("Enter Flowrate in Mississippi River (cms)");
    con.read("the flow rate (cms)", rivers[0].flow);
    rivers[1].flow = rivers[0].flow / kMississippiShare * kAtchafalayaShare;
    con.empty();
    con.line(tableHeader("Flowrate (cms)", "Flowrate (cfs)"));
    con.line(tableRow("Mississippi", rivers[0].flow));
    con.line(tableRow("Atchafalya", rivers[1].flow));
    con.line(tableRow("Total", rivers[0].flow + rivers[1].flow));
  } else {
    for (size_t r = 0; r < rivers.size(); ++r) {
      con.say(FreeLine().t("Enter Flowrate (cms) for River:").i(static_cast<long long>(r + 1)));
      con.read("the flow rate (cms)", rivers[r].flow);
      con.empty();
      con.say("Enter River Identification:");
      std::string name;
      con.read("the river name", name);
      rivers[r].name = pad(name, kNameWidth);
    }
  }

  con.empty();
  const int forcing =
      askOption(con, {"Select River Forcing Option (1 or 2):", "1) Uniform", "2) Input from File", "3) HV27"}, 3);
  con.empty();
  std::string flowFile;
  if (forcing == 1) {
    for (RiverLine& r : rivers) r.flux.assign(r.lon.size(), r.flow / r.dist.back());
  } else {
    std::vector<RiverLine> profiles;
    if (forcing == 2) {
      flowFile = askName(con, "Enter name of River Flow Input File:", "the river flow input file name");
      con.empty();
      profiles = readProfiles(con, flowFile, rivers.size());
      if (profiles.empty()) return;
    } else {
      if (rivers.size() > 2) {
        con.say(FreeLine().t("The built-in HV27 profiles serve two rivers; the grid has").i(nriv)
                    .t(" river boundaries. No output written."));
        return;
      }
      profiles = builtInProfiles();
    }
    con.say("Linear Interpolation of Fluxes gives an adjustment factor of:");
    const Format factorLine("(a30,f10.8)");
    for (size_t r = 0; r < rivers.size(); ++r)
      if (!interpolate(con, rivers[r], profiles[r], factorLine)) return;
  }

  con.empty();
  const std::string outName = flowFile.empty()
                                  ? askOutputName(con, "Enter name of River Flow Output File", "the output file name", meshName)
                                  : askOutputName(con, "Enter name of River Flow Output File", "the output file name",
                                                  meshName, flowFile);
  con.empty();
  OutFile out(outName);
  std::string s;
  for (const RiverLine& r : rivers)
    for (size_t k = 0; k < r.node.size(); ++k) {
      s.clear();
      putF(s, r.flux[k], 18, 10);
      s.append(5, ' ');
      putF(s, 0.0, 4, 2);
      s.append(10, ' ');
      putA(s, cut("! " + r.name, 20), 20);
      putI(s, r.node[k], 10);
      out.line(s);
    }
  out.close();
}

}  // namespace vm
