#include "modelout/stationedit.hpp"

#include "core/error.hpp"
#include "shell/choosefile.hpp"

namespace vm {

std::string editedStationFileName(std::string_view input, std::string_view ending) {
  input = rtrim(input);
  std::string out(input.size() > 8 ? input.substr(0, input.size() - 8) : std::string_view());
  out += ending;
  return std::string(cut(out, 120));
}

std::string stationIdItem(std::string_view id) {
  bool quote = id.empty() || id.front() == '\'' || id.front() == '"' ||
               id.find_first_of(" \t,/") != std::string_view::npos;
  if (!quote) return std::string(id);
  std::string s = "'";
  for (char c : id) {
    if (c == '\'') s += '\'';
    s += c;
  }
  s += '\'';
  return s;
}

std::string chooseStationFiles(Console& con, const std::string& os, std::string_view secondPrompt,
                               std::string_view ending, std::string& stations, std::string& second) {
  con.line("Enter name of stationfile: ");
  stations = choosefile(con, kStations, os);
  con.empty();
  con.line(secondPrompt);
  second = choosefile(con, kTxt, os);
  con.empty();
  std::string out = editedStationFileName(stations, ending);
  if (sameFile(out, stations) || sameFile(out, second))
    fail("the new station file " + out + " would replace an input file");
  return out;
}

}  // namespace vm
