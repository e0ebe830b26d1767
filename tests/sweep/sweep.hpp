// The bad-input sweep: every menu option run from a valid scripted base, then with each of
// its input files damaged in turn (removed, emptied, cut at several points, one number
// turned into text) and with its console answers ending early.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sweep {

// The ways an input file is damaged, in the order of the outcome strings below.
enum class Damage { Removed, Emptied, CutHeader, CutMiddle, BeforeLast, CutLast, TextFirst, TextMiddle, TextLast };
inline constexpr int kDamages = 9;
const char* damageName(Damage d);

// The damaged content (nullopt: the file is removed); `skip` when the damage does not
// apply to this content or repeats an earlier one.
struct Damaged {
  bool skip = false;
  std::optional<std::string> content;
};
// Every damage of one content, duplicates and no-ops marked skipped.
std::vector<Damaged> damagesOf(const std::string& content);

// Outcome letters of a run with one damaged input file:
//   'F' stopped with a vm::Failure (non-zero status, one line) that names the file
//   'o' stopped the same way naming another file: one that the damaged file names (a file
//       name cut short) is missing
//   'C' completed (the tool takes such input in its stride: a series ending early, a value
//       read as missing, a line it does not read)
//   '-' the damage does not apply (no number to turn into text, a cut that repeats another)
// Any other end (a failure without a clear one-line message or with a zero status, another
// exception) is a fault and is shown as 'x'.
struct InputFile {
  std::string name;     // as the tool is told it (working-directory relative)
  std::string content;  // the valid base content
  std::string expect;   // kDamages outcome letters
};

struct Scenario {
  int option;
  std::string label;
  std::vector<InputFile> files;
  std::string answers;  // console answers of the valid base run (every line is needed)
};

const std::vector<Scenario>& scenarios();
// The base run of an option (the first one, or the one with the label given).
const Scenario& scenario(int option, const std::string& label = "");

// The scenario with input k stored as `diskName` and named `spelled` wherever the answers
// or the other inputs name it (whole words only).
Scenario renamed(const Scenario& sc, size_t k, const std::string& diskName, const std::string& spelled);

// Writes the scenario's inputs in the working directory (folders made as needed).
void lay(const Scenario& sc);

// A file of the test data folder.
std::string data(const std::string& relative);

}  // namespace sweep
