// The model-versus-observation comparison: an observed and a modelled observation file
// paired station by station, with skill statistics on the console, two tables for
// scripts and a report with plots.
#include <algorithm>
#include <string>
#include <vector>

#include "comparison/compare_files.hpp"
#include "comparison/compare_tables.hpp"
#include "comparison/comparison.hpp"
#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/text.hpp"
#include "observations/talvo_format.hpp"
#include "shell/choosefile.hpp"
#include "tools.hpp"

namespace vm {

namespace {

using namespace cmp;

struct OutputNames {
  std::string stations, summary, report;
  std::vector<std::string> all() const { return {stations, summary, report}; }
};

OutputNames outputsOf(const std::string& name) {
  return {name + ".stations.csv", name + ".summary.csv", name + ".html"};
}

// The name of the comparison, asked again while one of its outputs (or their temporary
// names) would name an input file.
std::string askName(Console& con, const std::string& observed, const std::string& modelled) {
  for (;;) {
    con.empty();
    con.prompt("Enter the name of the comparison (no extension): ");
    std::string name;
    con.read("the name of the comparison", name);
    name = std::string(rtrim(cut(name, kObsLineWidth)));
    std::string clash, input;
    for (const std::string& out : outputsOf(name).all()) {
      for (const std::string& file : {out, StagedOutputs::temporaryName(out)}) {
        for (const std::string* in : {&observed, &modelled}) {
          if (clash.empty() && sameFile(file, *in)) {
            clash = file;
            input = *in;
          }
        }
      }
    }
    if (clash.empty()) return name;
    con.say("The output file " + clash + " would replace the input file " + input + "; enter another name.");
  }
}

// Console tables: numbers with 4 decimals; an undefined one is "-".
void putNumber(std::string& s, const std::optional<double>& v, int w = 12) {
  if (v) {
    putF(s, *v, w, 4);
  } else {
    putX(s, w - 1);
    s += '-';
  }
}

// A table line's start: the leading blank and the label padded to the column's width.
std::string labelCell(std::string_view label, size_t width) {
  std::string s(1, ' ');
  s += label;
  if (s.size() < width + 1) s.resize(width + 1, ' ');
  return s;
}

void putRight(std::string& s, std::string_view text, int w) {
  if (static_cast<int>(text.size()) < w) putX(s, w - static_cast<int>(text.size()));
  s += text;
}

void showStations(Console& con, const Comparison& c) {
  size_t width = 12;
  for (const StationResult& r : c.stations) width = std::max(width, r.label.size());
  const bool two = c.components == 2;
  std::string head = labelCell("station", width);
  if (two) putRight(head, "comp", 5);
  putRight(head, "pairs", 10);
  for (const char* t : {"bias", "rmse", "r", "peak error"}) putRight(head, t, 12);
  con.line(head);
  for (const StationResult& r : c.stations) {
    std::string s = labelCell(r.label, width);
    if (two) putI(s, r.component, 5);
    putI(s, r.stats.n, 10);
    putNumber(s, r.stats.bias);
    putNumber(s, r.stats.rmse);
    putNumber(s, r.stats.r);
    putNumber(s, r.peakError);
    con.line(s);
  }
  for (const Pooled& p : c.pooled) {
    std::string s = labelCell("all stations", width);
    if (two) putI(s, p.component, 5);
    putI(s, p.stats.n, 10);
    putNumber(s, p.stats.bias);
    putNumber(s, p.stats.rmse);
    putNumber(s, p.stats.r);
    con.line(s);
  }
}

std::string plain(const std::optional<double>& v) {
  if (!v) return "-";
  std::string s;
  putF(s, *v, 12, 4);
  return std::string(ltrim(s));
}

void showMarks(Console& con, const Comparison& c) {
  size_t width = 12;
  for (const MarkResult& m : c.marks) width = std::max(width, m.label.size());
  std::string head = labelCell("station", width);
  for (const char* t : {"observed", "modelled", "difference"}) putRight(head, t, 12);
  con.line(head);
  for (const MarkResult& m : c.marks) {
    std::string s = labelCell(m.label, width);
    putNumber(s, m.observed);
    putNumber(s, m.modelled);
    putNumber(s, difference(m));
    if (m.dryInModel) s += "  dry in the model";
    if (!m.observed) s += "  no valid observed value";
    con.line(s);
  }
  const Pooled& p = c.pooled.front();
  con.say("all stations: " + std::to_string(p.stats.n) + " marks, bias " + plain(p.stats.bias) + ", rmse " +
          plain(p.stats.rmse) + ", r " + plain(p.stats.r) + ", slope " + plain(p.slope));
}

void showLabels(Console& con, const std::vector<std::string>& labels, const char* where) {
  if (labels.empty()) return;
  con.say("Stations only in the " + std::string(where) + " file (" + std::to_string(labels.size()) + "):");
  for (const std::string& l : labels) con.say("  " + l);
}

}  // namespace

void talvocompare(Console& con, const std::string& os) {
  con.empty();
  con.say("Model-Observation Comparison");
  con.empty();
  con.say("Enter the name of the observed TALVO file");
  const std::string observed = choosefile(con, kTalvo, os);
  con.empty();
  con.say("Enter the name of the model TALVO file");
  const std::string modelled = choosefile(con, kTalvo, os);
  const std::string name = askName(con, observed, modelled);
  const OutputNames out = outputsOf(name);

  const Comparison c = compareFiles(observed, modelled);

  con.empty();
  for (const std::string& w : c.warnings) con.say(w);
  for (const Skipped& s : c.skipped)
    con.say(s.file + ": " + std::to_string(s.count) + " data line" + (s.count == 1 ? "" : "s") +
            " skipped, the date not a calendar date (the first at line " + std::to_string(s.firstLine) + ")");
  if (c.hwm)
    showMarks(con, c);
  else
    showStations(con, c);
  showLabels(con, c.onlyObserved, "observed");
  showLabels(con, c.onlyModel, "model");

  StagedOutputs staged(out.all());
  writeStationsTable(c, staged.temporary(0));
  writeSummaryTable(c, staged.temporary(1));
  writeReport(c, staged.temporary(2));
  staged.commit();
  con.say("Report written to " + out.report);
}

}  // namespace vm
