// Writes small NetCDF files of the model's layout for tests, through the NetCDF C library,
// in any of the forms the model writes.
//
//   NcWriter w("zeta.nc", NcForm::Nc4Deflate);
//   w.dim("time", 3, true);                      // unlimited (fixed in the contiguous form)
//   w.dim("node", 4);
//   w.var("time", NC_DOUBLE, {"time"});
//   w.var("zeta", NC_DOUBLE, {"time", "node"});
//   w.fill("zeta", -99999.0);                    // _FillValue of the variable's own type
//   w.text("", "rundes", "a run");               // "" names the global attributes
//   w.put("time", {300, 600, 900});              // whole variables, after the definitions
//   w.put("zeta", values);
//   w.close();                                   // or let the destructor close it
//
// Every library error is a test failure naming the call (thrown as std::runtime_error).
#pragma once
#include <netcdf.h>

#include <string>
#include <vector>

namespace vmtest {

enum class NcForm {
  Classic,        // netCDF-3 classic ("CDF" 1)
  Offset64,       // netCDF-3 64-bit offset ("CDF" 2)
  Data64,         // netCDF-3 64-bit data ("CDF" 5)
  Nc4Contiguous,  // netCDF-4, every variable contiguous: unlimited dimensions become fixed
  Nc4Chunked,     // netCDF-4, chunked as the library chooses, not compressed
  Nc4Deflate,     // netCDF-4, deflate level 2; a variable led by the unlimited dimension in
                  // chunks of one record by all of its other dimensions
};

// Every form, for tests that run over all of them.
const std::vector<NcForm>& allNcForms();
const char* ncFormName(NcForm form);

class NcWriter {
 public:
  NcWriter(const std::string& path, NcForm form);
  ~NcWriter();
  NcWriter(const NcWriter&) = delete;
  NcWriter& operator=(const NcWriter&) = delete;

  // A dimension of `len`; an unlimited one still needs its length for the data put later
  // (and for the contiguous form, where it is fixed).
  void dim(const std::string& name, size_t len, bool unlimited = false);
  // A variable over the named dimensions (slowest first). Returns its id.
  int var(const std::string& name, nc_type type, const std::vector<std::string>& dims);

  // Attributes; `var` "" for a global attribute.
  void text(const std::string& var, const std::string& name, const std::string& value);
  void num(const std::string& var, const std::string& name, double value, nc_type type = NC_DOUBLE);
  // _FillValue in the variable's own type.
  void fill(const std::string& var, double value);

  // Writes a whole numeric variable (its full declared shape), converted by the library.
  void put(const std::string& var, const std::vector<double>& values);
  // Writes a text variable (n, len): each string cut or NUL-padded to len.
  void putText(const std::string& var, const std::vector<std::string>& rows);
  // Writes the block of `var` at `start` with `count` elements per dimension.
  void putBlock(const std::string& var, const std::vector<size_t>& start, const std::vector<size_t>& count,
                const double* values);

  void close();
  int id() const { return ncid_; }
  NcForm form() const { return form_; }

 private:
  void check(int status, const std::string& what) const;
  void dataMode();
  int varId(const std::string& name) const;
  int dimId(const std::string& name) const;
  std::vector<size_t> shapeOf(int varid) const;

  std::string path_;
  NcForm form_;
  int ncid_ = -1;
  bool defining_ = true;
  struct Dim {
    std::string name;
    size_t len;
    int id;
    bool unlimited;
  };
  std::vector<Dim> dims_;
};

}  // namespace vmtest
