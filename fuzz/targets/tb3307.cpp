// The TB3307 database files (the grid "tb3307.grd" and the constituent data "tb3307.tdb")
// and the open boundaries of the model mesh, as the TB3307 extraction reads them.
//
// Input: three parts separated by form feeds: the model mesh, the database grid and the
// database data file.
#include <string>

#include "fuzz.hpp"
#include "tools.hpp"

VM_FUZZ_TARGET(tb3307) {
  const auto p = fuzz::parts(data, size, 3);
  fuzz::put("model.14", p[0]);
  fuzz::put("tb3307.grd", p[1]);
  fuzz::put("tb3307.tdb", p[2]);
  fuzz::runTool("model.14\n", [](vm::Console& con) { vm::tb3307extract(con); });
}
