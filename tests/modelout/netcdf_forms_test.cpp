// The test writer makes files of every form, and each is recognised by its first bytes.
#include <gtest/gtest.h>

#include "core/ncfile.hpp"
#include "support/ncwrite.hpp"
#include "support/tooltest.hpp"

namespace {

using vmtest::NcForm;
using vmtest::NcWriter;

class NcFormsTest : public vmtest::ToolTest {};

TEST_F(NcFormsTest, EveryFormIsRecognisedAndReadBack) {
  for (NcForm form : vmtest::allNcForms()) {
    SCOPED_TRACE(vmtest::ncFormName(form));
    {
      NcWriter w("f.nc", form);
      w.dim("time", 2, true);
      w.dim("node", 3);
      w.var("zeta", NC_FLOAT, {"time", "node"});
      w.fill("zeta", -99999.0);
      w.put("zeta", {1, 2, -99999, 4, 5, 6});
    }
    EXPECT_TRUE(vm::isNetcdf("f.nc"));
    vm::NcFile f("f.nc");
    EXPECT_EQ(f.dim("time"), 2u);
    const auto& v = f.needVar("zeta", {"time", "node"}, "values");
    EXPECT_EQ(f.readAll(v, -1.0), (std::vector<double>{1, 2, -1, 4, 5, 6}));
  }
  vmtest::writeFile("t.63", "CDF\3 not one\n");
  EXPECT_FALSE(vm::isNetcdf("t.63"));
  EXPECT_FALSE(vm::isNetcdf("missing.nc"));
}

}  // namespace
