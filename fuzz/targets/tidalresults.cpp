// The result files of the external tidal model driver and of the FES2004 extraction
// program, as their re-ordering into extract files reads them, with the typed number of
// stations.
//
// Input: one byte choosing the program, then two parts separated by a form feed: the
// answer typed for the number of stations and the result file.
#include <string>

#include "fuzz.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(tidalresults) {
  if (size < 1) return;
  const bool fes = data[0] & 1;
  const auto p = fuzz::parts(data + 1, size - 1, 2);
  if (p[0].find('\n') != std::string::npos) return;  // one answer line
  fuzz::put("result.txt", p[1]);
  const std::string answers = "result.txt\n" + p[0] + "\nextract.txt\n";
  if (fes) fuzz::runTool(answers, [](vm::Console& con) { vm::fes2004extract(con); });
  else fuzz::runTool(answers, [](vm::Console& con) { vm::osuextract(con); });
}
