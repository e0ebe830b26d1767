#include "comparison/report_fixture.hpp"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <cmath>
#include <string_view>

namespace vmtest {

using namespace vm;
using namespace vm::cmp;

namespace {

const Seconds kStart = 1704067200;  // 2024-01-01 00:00:00

Series series(std::vector<std::optional<double>> v) {
  Series s;
  for (size_t i = 0; i < v.size(); ++i) s.t.push_back(kStart + 3600 * static_cast<Seconds>(i));
  s.v = std::move(v);
  return s;
}

StationResult paired(int component, double k) {
  StationResult r;
  r.label = "S1";
  r.component = component;
  r.observed = series({1.0 * k, 2.0 * k, std::nullopt, 1.5 * k});
  r.model = series({1.1 * k, 2.2 * k, 1.8 * k, std::nullopt});
  r.pairTimes = {kStart, kStart + 3600};
  r.pairObs = {1.0 * k, 2.0 * k};
  r.pairModel = {1.1 * k, 2.2 * k};
  r.stats.n = 2;
  r.stats.bias = 0.15 * k;
  r.stats.rmse = 0.158114 * k;
  r.stats.sde = 0.05 * k;
  r.stats.r = 1.0;
  r.stats.willmott = 0.99;
  r.obsPeak = 2.0 * k;
  r.obsPeakTime = kStart + 3600;
  r.modelPeak = 2.2 * k;
  r.modelPeakTime = kStart + 3600;
  r.peakError = 0.2 * k;
  r.peakLagHours = -1e-9;  // printed without its sign
  return r;
}

void walk(xmlNode* node, ParsedReport& r) {
  for (xmlNode* n = node; n; n = n->next) {
    if (n->type != XML_ELEMENT_NODE) continue;
    const std::string_view name = reinterpret_cast<const char*>(n->name);
    const std::string_view ns = n->ns ? reinterpret_cast<const char*>(n->ns->href) : "";
    if (name == "svg" && ns == "http://www.w3.org/2000/svg") ++r.svgs;
    if (name == "tr") {
      std::string line;
      for (xmlNode* cell = n->children; cell; cell = cell->next) {
        if (cell->type != XML_ELEMENT_NODE) continue;
        if (cell != n->children) line += ',';
        xmlChar* t = xmlNodeGetContent(cell);
        line += reinterpret_cast<const char*>(t);
        xmlFree(t);
      }
      r.rows.push_back(line);
    }
    walk(n->children, r);
  }
}

void collectError(void* ctx, xmlErrorPtr e) {
  auto* s = static_cast<std::string*>(ctx);
  if (s->empty() && e) s->append("line " + std::to_string(e->line) + ": " + (e->message ? e->message : "?"));
}

}  // namespace

Series tideSeries(long long hours, double scale) {
  Series s;
  s.t.reserve(static_cast<size_t>(hours));
  s.v.reserve(static_cast<size_t>(hours));
  for (long long i = 0; i < hours; ++i) {
    s.t.push_back(kStart + 3600 * i);
    if (i % 97 == 50)
      s.v.push_back(std::nullopt);
    else
      s.v.push_back(scale * std::sin(static_cast<double>(i) * 2 * M_PI / 12.42) + 0.2 * std::sin(i * 0.01));
  }
  return s;
}

Comparison sampleSeriesComparison() {
  Comparison c;
  c.components = 2;
  c.observedFile = "obs <1> & co.TALVO";
  c.modelFile = "run \"7\".TALVO";
  c.zone = "UTC";
  c.observedDatum = "NAVD88";
  c.modelDatum = "MSL";
  c.unit = "m/s";
  c.quantity = "vel";
  c.warnings = {"The datums differ: NAVD88 in the observed file, MSL in the model file"};
  c.skipped = {{"obs <1> & co.TALVO", 2, 9}};
  c.onlyObserved = {"Lonely<1>"};
  c.onlyModel = {"Model & only"};
  for (int comp = 1; comp <= 2; ++comp) c.stations.push_back(paired(comp, comp));
  for (int comp = 1; comp <= 2; ++comp) {
    StationResult r;
    r.label = "Q \"x\" <y> & z";
    r.component = comp;
    r.observed = series({0.5, 0.7});
    c.stations.push_back(r);
  }
  for (int comp = 1; comp <= 2; ++comp) {
    StationResult r;
    r.label = "Empty";
    r.component = comp;
    c.stations.push_back(r);
  }
  for (int comp = 1; comp <= 2; ++comp) {
    Pooled p;
    p.component = comp;
    p.stations = 1;
    p.stats = c.stations[comp - 1].stats;
    p.slope = 1.1;
    p.r2 = 1.0;
    c.pooled.push_back(p);
  }
  return c;
}

Comparison sampleMarksComparison() {
  Comparison c;
  c.hwm = true;
  c.observedFile = "marks.TALVO";
  c.modelFile = "maxele.TALVO";
  c.zone = "LST";
  c.observedDatum = c.modelDatum = "NAVD88";
  c.unit = "ft";
  c.quantity = "hwm";
  c.marks = {{"A", 1.0, 1.2, false}, {"B", 1.5, std::nullopt, true}, {"C", std::nullopt, 0.8, false},
             {"D<&>\"", 2.0, 1.9, false}};
  c.dryInModel = {"B"};
  Pooled p;
  p.stations = 2;
  p.stats.n = 2;
  p.stats.bias = 0.05;
  p.slope = 1.02;
  p.r2 = 1.0;
  c.pooled.push_back(p);
  return c;
}

ParsedReport parseReport(const std::string& content) {
  ParsedReport r;
  xmlSetStructuredErrorFunc(&r.error, collectError);
  xmlDoc* doc = xmlReadMemory(content.data(), static_cast<int>(content.size()), "report.html", nullptr,
                             XML_PARSE_NONET);
  xmlSetStructuredErrorFunc(nullptr, nullptr);
  if (!doc) {
    if (r.error.empty()) r.error = "not well-formed";
    return r;
  }
  xmlNode* root = xmlDocGetRootElement(doc);
  if (!root || !root->ns || std::string_view(reinterpret_cast<const char*>(root->ns->href)) !=
                                 "http://www.w3.org/1999/xhtml") {
    if (r.error.empty()) r.error = "the root element is not an XHTML html element";
  }
  r.ok = r.error.empty();
  walk(root, r);
  xmlChar* t = xmlNodeGetContent(root);
  r.text = reinterpret_cast<const char*>(t);
  xmlFree(t);
  xmlFreeDoc(doc);
  return r;
}

}  // namespace vmtest
