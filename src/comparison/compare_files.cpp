#include "comparison/compare_files.hpp"

#include "core/text.hpp"

#include "comparison/compare_input.hpp"
#include "comparison/compare_pairs.hpp"
#include "core/error.hpp"

namespace vm::cmp {

namespace {

std::string quoted(const std::string& word) { return word.empty() ? "(none)" : "\"" + word + "\""; }

// The time zones must agree; the units too where both files name one. Nothing has been
// written yet when either check stops the run.
void checkAgreement(const InputFile& obs, const InputFile& mod) {
  if (upper(obs.zone) != upper(mod.zone))
    fail(mod.name + ", line 3: the time zone " + quoted(mod.zone) + " differs from the time zone " + quoted(obs.zone) +
         " of the observed file " + obs.name +
         "; expected the same time zone in both files (option 7 shifts the times of a file to another time zone)");
  if (!obs.unit.empty() && !mod.unit.empty() && unitKey(obs.unit) != unitKey(mod.unit)) {
    std::string hint;
    const std::string a = unitKey(obs.unit), b = unitKey(mod.unit);
    if ((a == "M" && b == "FT") || (a == "FT" && b == "M")) hint = " (option 7 converts between feet and metres)";
    fail(mod.name + ", line 2: the unit " + quoted(mod.unit) + " differs from the unit " + quoted(obs.unit) +
         " of the observed file " + obs.name + "; expected the same unit in both files" + hint);
  }
}

std::vector<std::string> warningsOf(const InputFile& obs, const InputFile& mod, bool hwm) {
  std::vector<std::string> w;
  if (upper(obs.datum) != upper(mod.datum))
    w.push_back("Warning: the datums differ: " + quoted(obs.datum) + " in the observed file, " + quoted(mod.datum) +
                " in the model file");
  if (obs.unit.empty() != mod.unit.empty())
    w.push_back("Warning: the " + std::string(obs.unit.empty() ? "observed" : "model") +
                " file names no unit; the unit " + quoted(obs.unit.empty() ? mod.unit : obs.unit) + " of the " +
                (obs.unit.empty() ? "model" : "observed") + " file is taken for both");
  if (!hwm && !obs.quantity.empty() && !mod.quantity.empty() && upper(obs.quantity) != upper(mod.quantity))
    w.push_back("Warning: the quantities differ: " + quoted(obs.quantity) + " in the observed file, " +
                quoted(mod.quantity) + " in the model file");
  return w;
}

void addSkipped(Comparison& c, const InputFile& f) {
  if (f.skipped > 0) c.skipped.push_back({f.name, f.skipped, f.firstSkipped});
}

}  // namespace

Comparison compareFiles(const std::string& observed, const std::string& modelled) {
  Comparison c;
  FileReader obsIn(observed);
  InputFile obs = readInputHeader(obsIn);
  FileReader modIn(modelled);
  InputFile mod = readInputHeader(modIn);
  checkAgreement(obs, mod);
  c.hwm = upper(obs.quantity) == "HWM";

  const std::string hwmWhy = "in a high-water-mark comparison";
  readInputData(obsIn, obs, c.hwm ? ValueRule{1, hwmWhy} : ValueRule{});
  ValueRule modRule{};
  if (c.hwm)
    modRule = {1, hwmWhy};
  else if (obs.values != 0)
    modRule = {obs.values, "like the observed file " + observed};
  readInputData(modIn, mod, modRule);

  c.components = obs.values != 0 ? obs.values : (mod.values != 0 ? mod.values : 1);
  c.observedFile = observed;
  c.modelFile = modelled;
  c.zone = obs.zone;
  c.observedDatum = obs.datum;
  c.modelDatum = mod.datum;
  c.unit = obs.unit.empty() ? mod.unit : obs.unit;
  c.quantity = obs.quantity;
  c.warnings = warningsOf(obs, mod, c.hwm);
  addSkipped(c, obs);
  addSkipped(c, mod);
  pairFiles(obs, mod, c);
  return c;
}

}  // namespace vm::cmp
