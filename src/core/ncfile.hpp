// The model's NetCDF files, read through the NetCDF C library.
//
// A file is a NetCDF file when its first bytes say so ("CDF" and the byte 1, 2 or 5, or
// the HDF5 signature), never because of its name. Every fault is a fatal error that names
// the file and what is wrong.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vm {

// True when the file begins with the signature of a netCDF-3 (classic, 64-bit offset,
// 64-bit data) or an HDF5 (netCDF-4) file. False for anything else, a missing file
// included.
bool isNetcdf(const std::string& path);
// True when the file begins with the HDF5 signature (a netCDF-4 file).
bool isHdf5(const std::string& path);

// True for the numeric types of NetCDF (nc_type), integers and reals of every width.
bool isNumericType(int type);

class NcFile {
 public:
  struct Var {
    int id = -1;
    std::string name;
    int type = 0;                    // nc_type
    std::vector<std::string> dims;   // dimension names, slowest first
    std::vector<size_t> shape;       // their lengths
    bool numeric() const;
    bool text() const;               // NC_CHAR
  };

  explicit NcFile(const std::string& path);
  ~NcFile();
  NcFile(const NcFile&) = delete;
  NcFile& operator=(const NcFile&) = delete;

  const std::string& name() const { return path_; }
  int id() const { return ncid_; }

  // Length of a dimension; std::nullopt when the file has none of that name.
  std::optional<size_t> dim(const std::string& name) const;
  size_t needDim(const std::string& name, const std::string& what) const;

  // Every variable, in file order.
  const std::vector<Var>& vars() const { return vars_; }
  const Var* var(const std::string& name) const;
  // The named variable with exactly these dimensions (by name) and a numeric type
  // (a text type when `text` is set); anything else is a fatal error saying what is wrong.
  const Var& needVar(const std::string& name, const std::vector<std::string>& dims, const std::string& what,
                     bool text = false) const;

  // A text attribute (of a variable, or global with varid -1); std::nullopt when absent or
  // not text.
  std::optional<std::string> textAttr(const std::string& name, int varid = -1) const;
  // A numeric attribute's first value; std::nullopt when absent or not numeric.
  std::optional<double> numAttr(const std::string& name, int varid = -1) const;

  // Reads the block of `v` that starts at `start` with `count` elements per dimension,
  // converted to 64-bit reals. A value equal to the variable's fill value (its _FillValue,
  // else the library's default fill of its type) or not a number becomes `dry`.
  void read(const Var& v, const std::vector<size_t>& start, const std::vector<size_t>& count, double* out,
            double dry) const;
  // The whole variable, converted as read() does.
  std::vector<double> readAll(const Var& v, double dry) const;
  // A text variable (n, len) as n strings, each cut at its first NUL byte.
  std::vector<std::string> readStrings(const Var& v) const;

  // Sizes the chunk cache of `v` so that a read of one chunk-row decompresses every chunk
  // once (no-op for contiguous or netCDF-3 variables).
  void cacheChunks(const Var& v) const;

  // A fatal error "<file>: <what>".
  [[noreturn]] void fail(const std::string& what) const;

 private:
  void readVars();
  void check(int status, const std::string& what) const;
  std::string path_;
  int ncid_ = -1;
  std::vector<Var> vars_;
};

}  // namespace vm
