#include "modelout/summaries.hpp"

#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "modelout/timeseries.hpp"

namespace vm {

void snapProgress(Console& con, int snap, int snaps) {
  std::string s = "Processing snap #";
  putI(s, snap, 5);
  s += " of ";
  putI(s, snaps, 5);
  s += '.';
  con.line(s);
}

std::string askLine(Console& con, std::string_view prompt, size_t width) {
  con.prompt(prompt);
  return std::string(rtrim(cut(con.readLine("a file name"), width)));
}

GlobalReader::Options wholeSeriesOptions(int np, GlobalReader::SnapHeaderRule rule) {
  GlobalReader::Options opt;
  opt.lineWidth = 120;
  opt.wordWidth = 120;
  opt.rule = rule;
  opt.valuesPerLine = GlobalReader::kRecordTypeCount;
  opt.np = np;
  return opt;
}

bool namesAnyOf(const std::string& name, const std::vector<std::string>& inputs) {
  for (const std::string& in : inputs)
    if (sameFile(name, in)) return true;
  return false;
}

void readNodeValue(LineSource& in, std::string_view line, long long& node, double& value) {
  if (parseNodeLineFast(line, node, &value, 1)) return;
  ListScanner s(in, line, "a node line (node number and value)");
  s.get(node) && s.get(value);
}

}  // namespace vm
