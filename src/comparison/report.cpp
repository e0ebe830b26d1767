// The comparison's report: one self-contained XHTML file with inline SVG plots, which a
// browser opens from disk as HTML and an XML parser reads as XML. The tables carry the
// columns and the number formatting of the CSV files; the plots are drawn by svgplot.
#include <cstdio>
#include <span>
#include <string_view>

#include "comparison/comparison.hpp"
#include "comparison/compare_tables.hpp"
#include "comparison/svgplot.hpp"
#include "core/files.hpp"

namespace vm::cmp {

namespace {

using svg::appendEscaped;

const char* const kStyle =
    "body{font-family:sans-serif;color:#222;margin:1.5em;max-width:1250px}"
    "h1{font-size:1.5em}h2{font-size:1.2em;margin-top:1.6em;border-bottom:1px solid #ccc}"
    "h3{font-size:1em;margin:1.2em 0 .2em}"
    "table{border-collapse:collapse;margin:.4em 0 1em}"
    "th,td{border:1px solid #ccc;padding:2px 6px}th{background:#f2f2f2}"
    "td{white-space:nowrap}td.n{text-align:right;font-variant-numeric:tabular-nums}"
    ".meta th{text-align:left}.scroll{overflow-x:auto}"
    ".warn li{color:#8a4b00}"
    "svg{display:block;max-width:100%;height:auto;font:11px sans-serif}"
    "svg text{fill:#222}.yl text{text-anchor:end}.xl text,.at,.nv{text-anchor:middle}.lg text{text-anchor:start}"
    ".at{font-weight:bold}.nv{fill:#888}"
    ".gr{fill:none;stroke:#e4e4e4}.fr{fill:none;stroke:#888}.zl{stroke:#444}"
    ".mod{fill:none;stroke:#1f6fb4;stroke-width:1.3;stroke-linejoin:round;stroke-linecap:round}"
    ".obs{fill:none;stroke:#222;stroke-width:3;stroke-linecap:round}"
    ".obl{fill:none;stroke:#222;stroke-width:5;stroke-linecap:round}"
    ".sp{fill:none;stroke:#1f6fb4;stroke-width:3.5;stroke-linecap:round;stroke-opacity:.5}"
    ".mk{fill:none;stroke:#1f6fb4;stroke-width:7;stroke-linecap:round;stroke-opacity:.6}"
    ".one{fill:none;stroke:#888;stroke-dasharray:5 4}.fit{fill:none;stroke:#d62728;stroke-width:1.5}"
    ".pko{fill:none;stroke:#d62728;stroke-width:2}.pkm{fill:none;stroke:#e08a00;stroke-width:2}"
    ".lgb{fill:#fff;fill-opacity:.85;stroke:#ccc}.ba{fill:#d6604d}.bb{fill:#4393c3}";

std::string timeText(const std::optional<Seconds>& t) { return t ? formatTime(*t) : std::string(); }

void tag(std::string& out, const char* name, std::string_view text) {
  out += '<';
  out += name;
  out += '>';
  appendEscaped(out, text);
  out += "</";
  out += name;
  out += '>';
}

// One table row: a label cell (linked to `anchor` when it is given) and value cells.
void row(std::string& out, std::string_view label, const std::string& anchor,
         std::initializer_list<std::string> values) {
  out += "<tr><td>";
  if (!anchor.empty()) {
    out += "<a href=\"#";
    out += anchor;
    out += "\">";
    appendEscaped(out, label);
    out += "</a>";
  } else {
    appendEscaped(out, label);
  }
  out += "</td>";
  for (const std::string& v : values) {
    out += "<td class=\"n\">";
    appendEscaped(out, v);
    out += "</td>";
  }
  out += "</tr>\n";
}

void tableHead(std::string& out, std::initializer_list<const char*> columns) {
  out += "<div class=\"scroll\"><table><thead><tr>";
  for (const char* c : columns) tag(out, "th", c);
  out += "</tr></thead><tbody>\n";
}

void tableEnd(std::string& out) { out += "</tbody></table></div>\n"; }

void metaRow(std::string& out, const char* name, std::string_view value) {
  out += "<tr><th>";
  out += name;
  out += "</th>";
  tag(out, "td", value);
  out += "</tr>\n";
}

std::string withUnit(const std::string& name, const std::string& unit) {
  return unit.empty() ? name : name + " (" + unit + ")";
}

// A list of labels after a heading, joined by commas.
void labelList(std::string& out, const char* what, const std::vector<std::string>& labels) {
  if (labels.empty()) return;
  out += "<li>";
  out += what;
  out += " (";
  out += std::to_string(labels.size());
  out += "): ";
  for (size_t k = 0; k < labels.size(); ++k) {
    if (k) out += ", ";
    appendEscaped(out, labels[k]);
  }
  out += "</li>\n";
}

void head(std::string& out, const Comparison& c) {
  out += "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\" xml:lang=\"en\">\n<head>\n"
         "<meta charset=\"UTF-8\"/>\n<title>";
  appendEscaped(out, "Comparison: " + c.modelFile + " against " + c.observedFile);
  out += "</title>\n<style>";
  out += kStyle;
  out += "</style>\n</head>\n<body>\n<h1>Model-Observation Comparison</h1>\n<table class=\"meta\"><tbody>\n";
  metaRow(out, "Observed file", c.observedFile);
  metaRow(out, "Model file", c.modelFile);
  metaRow(out, "Mode", c.hwm ? "high-water marks" : "time series");
  metaRow(out, "Time zone", c.zone);
  if (c.observedDatum == c.modelDatum) {
    metaRow(out, "Datum", c.observedDatum);
  } else {
    metaRow(out, "Datum (observed)", c.observedDatum);
    metaRow(out, "Datum (model)", c.modelDatum);
  }
  metaRow(out, "Quantity", c.quantity);
  metaRow(out, "Unit", c.unit);
  metaRow(out, "Values per record", std::to_string(c.components));
  out += "</tbody></table>\n";

  out += "<h2>Warnings</h2>\n";
  if (c.warnings.empty() && c.skipped.empty()) {
    out += "<p>None.</p>\n";
  } else {
    out += "<ul class=\"warn\">\n";
    for (const std::string& w : c.warnings) tag(out, "li", w);
    for (const Skipped& s : c.skipped)
      tag(out, "li",
          s.file + ": " + std::to_string(s.count) + " data line" + (s.count == 1 ? "" : "s") +
              " skipped (the date is not a calendar date), the first at line " + std::to_string(s.firstLine));
    out += "</ul>\n";
  }
  out += "<h2>Stations not compared</h2>\n";
  if (c.onlyObserved.empty() && c.onlyModel.empty() && c.dryInModel.empty()) {
    out += "<p>None.</p>\n";
  } else {
    out += "<ul>\n";
    labelList(out, "Only in the observed file", c.onlyObserved);
    labelList(out, "Only in the model file", c.onlyModel);
    labelList(out, "Dry in the model", c.dryInModel);
    out += "</ul>\n";
  }

  out += "<h2>Summary</h2>\n";
  tableHead(out, {"component", "stations", "n", "bias", "rmse", "sde", "r", "willmott", "slope", "r2"});
  for (const Pooled& p : c.pooled)
    row(out, std::to_string(p.component), {},
        {std::to_string(p.stations), std::to_string(p.stats.n), csvNumber(p.stats.bias), csvNumber(p.stats.rmse),
         csvNumber(p.stats.sde), csvNumber(p.stats.r), csvNumber(p.stats.willmott), csvNumber(p.slope), csvNumber(p.r2)});
  tableEnd(out);
}

std::optional<double> pooledSlope(const Comparison& c, int component) {
  for (const Pooled& p : c.pooled)
    if (p.component == component) return p.slope;
  return std::nullopt;
}

std::string quantityName(const Comparison& c, int component) {
  std::string q = c.quantity.empty() ? "value" : c.quantity;
  if (c.components > 1) {
    q += ' ';
    q += std::to_string(component);
  }
  return q;
}

void timeSeriesBody(std::string& out, const Comparison& c) {
  // One scatter per component: the two values of a record are different quantities.
  bool heading = false;
  for (int comp = 1; comp <= c.components; ++comp) {
    svg::ScatterPlot sp;
    for (const StationResult& s : c.stations)
      if (s.component == comp && !s.pairObs.empty()) {
        sp.x.push_back(s.pairObs);
        sp.y.push_back(s.pairModel);
      }
    if (sp.x.empty()) continue;
    if (!heading) out += "<h2>Modelled against observed</h2>\n";
    heading = true;
    const std::string q = quantityName(c, comp);
    sp.label = "Modelled against observed " + q + ", all stations";
    sp.xTitle = withUnit("Observed " + q, c.unit);
    sp.yTitle = withUnit("Modelled " + q, c.unit);
    sp.slope = pooledSlope(c, comp);
    if (c.components > 1) tag(out, "h3", "Component " + std::to_string(comp));
    svg::scatterSvg(out, sp);
  }

  out += "<h2>Stations</h2>\n";
  tableHead(out, {"station", "component", "n", "bias", "rmse", "sde", "r", "willmott", "obs_peak", "obs_peak_time",
                  "model_peak", "model_peak_time", "peak_error", "peak_lag_hours"});
  for (size_t k = 0; k < c.stations.size(); ++k) {
    const StationResult& s = c.stations[k];
    row(out, s.label, "ts" + std::to_string(k + 1),
        {std::to_string(s.component), std::to_string(s.stats.n), csvNumber(s.stats.bias), csvNumber(s.stats.rmse),
         csvNumber(s.stats.sde), csvNumber(s.stats.r), csvNumber(s.stats.willmott), csvNumber(s.obsPeak), timeText(s.obsPeakTime),
         csvNumber(s.modelPeak), timeText(s.modelPeakTime), csvNumber(s.peakError), csvNumber(s.peakLagHours)});
  }
  tableEnd(out);

  out += "<h2>Time series</h2>\n";
  const std::string xTitle = c.zone.empty() ? "Time" : "Time (" + c.zone + ")";
  for (size_t k = 0; k < c.stations.size(); ++k) {
    const StationResult& s = c.stations[k];
    std::string title = s.label;
    if (c.components > 1) title += ", component " + std::to_string(s.component);
    out += "<div class=\"plot\" id=\"ts" + std::to_string(k + 1) + "\">";
    tag(out, "h3", title);
    out += '\n';
    svg::TimeSeriesPlot p;
    p.label = title;
    p.yTitle = withUnit(quantityName(c, s.component), c.unit);
    p.xTitle = xTitle;
    p.observed = &s.observed;
    p.model = &s.model;
    p.obsPeak = s.obsPeak;
    p.obsPeakTime = s.obsPeakTime;
    p.modelPeak = s.modelPeak;
    p.modelPeakTime = s.modelPeakTime;
    svg::timeSeriesSvg(out, p);
    out += "</div>\n";
  }
}

void marksBody(std::string& out, const Comparison& c) {
  const std::string q = quantityName(c, 1);
  std::vector<double> obs, mod;
  for (const MarkResult& m : c.marks)
    if (m.observed && m.modelled) {
      obs.push_back(*m.observed);
      mod.push_back(*m.modelled);
    }
  if (!obs.empty()) {
    out += "<h2>Modelled against observed</h2>\n";
    svg::ScatterPlot sp;
    sp.label = "Modelled against observed high-water marks";
    sp.xTitle = withUnit("Observed " + q, c.unit);
    sp.yTitle = withUnit("Modelled " + q, c.unit);
    sp.x.push_back(obs);
    sp.y.push_back(mod);
    sp.slope = pooledSlope(c, 1);
    sp.pointsName = "Marks";
    svg::scatterSvg(out, sp);
  }

  out += "<h2>Stations</h2>\n";
  tableHead(out, {"station", "observed", "modelled", "difference"});
  svg::BarChart bars;
  for (const MarkResult& m : c.marks) {
    const std::optional<double> diff = difference(m);
    row(out, m.label, {}, {csvNumber(m.observed), csvNumber(m.modelled), csvNumber(diff)});
    bars.rows.push_back({m.label, diff,
                         m.dryInModel || !m.modelled ? "dry in the model"
                         : !m.observed               ? "no observed value"
                                                     : ""});
  }
  tableEnd(out);

  if (!c.marks.empty()) {
    out += "<h2>Differences per station</h2>\n";
    bars.label = "Modelled minus observed high-water mark per station";
    bars.xTitle = withUnit("Modelled - observed " + q, c.unit);
    bars.aboveName = "Model above observed";
    bars.belowName = "Model below observed";
    svg::barChartSvg(out, bars);
  }
}

}  // namespace

void writeReport(const Comparison& c, const std::string& path) {
  std::string out;
  out.reserve(65536 + c.stations.size() * 12288 + c.marks.size() * 512);
  head(out, c);
  if (c.hwm)
    marksBody(out, c);
  else
    timeSeriesBody(out, c);
  out += "</body>\n</html>\n";
  OutFile file(path);
  file.put(out);
  file.close();
}

}  // namespace vm::cmp
