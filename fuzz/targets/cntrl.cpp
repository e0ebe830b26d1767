// The control-file reader of the batch conversion, which runs the station extraction and
// talvo61 for every station file it names. The files it may name are there: a mesh, a
// scalar and a vector global file, and station files in the working folder and in "sub/".
//
// Input: the control file. Names that leave the scratch folder (any "/" other than the one
// of "sub/") are not tried: the run would read or write files of the machine.
#include <filesystem>
#include <string>

#include "fuzz.hpp"
#include "tools.hpp"

namespace {

const char* const kSquare = "square\n2 4\n1 0 0 1.0\n2 1 0 2.0\n3 0 1 3.0\n4 1 1 4.0\n1 3 1 2 3\n2 3 2 4 3\n";

bool staysInScratch(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == '/' && (i < 3 || text.compare(i - 3, 3, "sub") != 0))
      return false;
  return true;
}

}  // namespace

VM_FUZZ_TARGET(cntrl) {
  const std::string control = fuzz::text(data, size);
  if (!staysInScratch(control)) return;
  std::filesystem::create_directory("sub");
  fuzz::put("m.14", kSquare);
  fuzz::put("a.Stations", "1\nA 0.3 0.2\n");
  fuzz::put("sub/a.Stations", "1\nA 0.3 0.2\n");
  fuzz::put("sub/Stations", "2\nB 0.9 0.9\nC 0.1 0.1 3 0.5\n");
  fuzz::put("wl.63", "run\n 2 4 3600.0 1 1 w\n 3600.0 1\n 1 1.0\n 2 2.0\n 3 3.0\n 4 4.0\n"
                     " 7200.0 2 1 -99999.0\n 1 5.0\n");
  fuzz::put("cur.64", "run\n 1 4 3600.0 1 2 w\n 3600.0 1 4 -99999.0\n 1 1 2\n 2 1 2\n 3 1 2\n 4 1 2\n");
  fuzz::put("run.cntrl", control);
  fuzz::runTool("1\n", [](vm::Console& con) { vm::talvocntrl(con, "unix"); });
}
