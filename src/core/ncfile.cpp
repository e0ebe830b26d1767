#include "core/ncfile.hpp"

#include <netcdf.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/error.hpp"
#include "core/nc3header.hpp"
#include "core/ncguard.hpp"

namespace vm {

// The first 8 bytes of a file (fewer when it is shorter; none when it cannot be read).
static size_t signature(const std::string& path, unsigned char (&b)[8]) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return 0;
  const size_t n = std::fread(b, 1, sizeof b, f);
  std::fclose(f);
  return n;
}

static bool hdf5Signature(const unsigned char (&b)[8], size_t n) {
  static const unsigned char hdf5[8] = {0x89, 'H', 'D', 'F', '\r', '\n', 0x1a, '\n'};
  return n == 8 && std::memcmp(b, hdf5, 8) == 0;
}

bool isNetcdf(const std::string& path) {
  unsigned char b[8] = {};
  const size_t n = signature(path, b);
  if (n >= 4 && b[0] == 'C' && b[1] == 'D' && b[2] == 'F' && (b[3] == 1 || b[3] == 2 || b[3] == 5)) return true;
  return hdf5Signature(b, n);
}

bool isHdf5(const std::string& path) {
  unsigned char b[8] = {};
  return hdf5Signature(b, signature(path, b));
}

bool isNumericType(int type) {
  switch (type) {
    case NC_BYTE: case NC_SHORT: case NC_INT: case NC_FLOAT: case NC_DOUBLE:
    case NC_UBYTE: case NC_USHORT: case NC_UINT: case NC_INT64: case NC_UINT64:
      return true;
    default:
      return false;
  }
}

bool NcFile::Var::numeric() const { return isNumericType(type); }

bool NcFile::Var::text() const { return type == NC_CHAR; }

NcFile::NcFile(const std::string& path) : path_(path) {
  // The library may crash on a damaged netCDF-3 header instead of reporting it, and reads
  // the missing part of a file cut short as zeros.
  if (const std::string fault = classicHeaderFault(path); !fault.empty())
    fail("cannot be opened as a NetCDF file (" + fault + ")");
  // The HDF5 library beneath may crash on a damaged netCDF-4 file: a child process reads
  // its structure first.
  int refused = NC_NOERR;
  if (isHdf5(path)) switch (probeNetcdf(path, &refused)) {
      case NcProbe::Stopped:
        fail("damaged NetCDF file: the NetCDF library stopped while reading its structure");
      case NcProbe::TimedOut:
        fail("damaged NetCDF file: the NetCDF library had not read its structure after " +
             std::to_string(ncProbeSeconds()) + " s");
      default:  // sound, or an error of the library
        check(refused, "cannot be opened as a NetCDF file");
        break;
    }
  check(nc_open(path.c_str(), NC_NOWRITE, &ncid_), "cannot be opened as a NetCDF file");
  try {
    readVars();
  } catch (...) {  // no destructor runs for a constructor that throws
    nc_close(ncid_);
    ncid_ = -1;
    throw;
  }
}

void NcFile::readVars() {
  int nvars = 0;
  check(nc_inq_nvars(ncid_, &nvars), "cannot be read as a NetCDF file");
  for (int id = 0; id < nvars; ++id) {
    Var v;
    v.id = id;
    char name[NC_MAX_NAME + 1] = {};
    int ndims = 0;
    check(nc_inq_varndims(ncid_, id, &ndims), "cannot be read as a NetCDF file");
    if (ndims < 0 || ndims > NC_MAX_VAR_DIMS)
      fail("variable " + std::to_string(id + 1) + " has " + std::to_string(ndims) + " dimensions");
    int dimids[NC_MAX_VAR_DIMS];
    nc_type type = NC_NAT;
    check(nc_inq_var(ncid_, id, name, &type, nullptr, dimids, nullptr), "cannot be read as a NetCDF file");
    v.name = name;
    v.type = type;
    for (int k = 0; k < ndims; ++k) {
      char dname[NC_MAX_NAME + 1] = {};
      size_t len = 0;
      check(nc_inq_dim(ncid_, dimids[k], dname, &len), "cannot be read as a NetCDF file");
      v.dims.emplace_back(dname);
      v.shape.push_back(len);
    }
    vars_.push_back(std::move(v));
  }
}

NcFile::~NcFile() {
  if (ncid_ >= 0) nc_close(ncid_);
}

void NcFile::fail(const std::string& what) const { vm::fail(path_ + ": " + what); }

void NcFile::check(int status, const std::string& what) const {
  if (status != NC_NOERR) fail(what + " (" + nc_strerror(status) + ")");
}

std::optional<size_t> NcFile::dim(const std::string& name) const {
  int id = -1;
  if (nc_inq_dimid(ncid_, name.c_str(), &id) != NC_NOERR) return std::nullopt;
  size_t len = 0;
  check(nc_inq_dimlen(ncid_, id, &len), "dimension '" + name + "' cannot be read");
  return len;
}

size_t NcFile::needDim(const std::string& name, const std::string& what) const {
  auto d = dim(name);
  if (!d) fail("no dimension '" + name + "' (" + what + ")");
  return *d;
}

const NcFile::Var* NcFile::var(const std::string& name) const {
  for (const Var& v : vars_)
    if (v.name == name) return &v;
  return nullptr;
}

static std::string dimList(const std::vector<std::string>& dims) {
  std::string s = "(";
  for (size_t k = 0; k < dims.size(); ++k) s += (k ? ", " : "") + dims[k];
  return s + ")";
}

const NcFile::Var& NcFile::needVar(const std::string& name, const std::vector<std::string>& dims,
                                   const std::string& what, bool text) const {
  const Var* v = var(name);
  if (!v) fail("no variable '" + name + "' (" + what + ")");
  if (v->dims != dims)
    fail("variable '" + name + "' has dimensions " + dimList(v->dims) + ", expected " + dimList(dims));
  if (text ? !v->text() : !v->numeric())
    fail("variable '" + name + "' is not " + (text ? "text" : "numeric"));
  return *v;
}

std::optional<std::string> NcFile::textAttr(const std::string& name, int varid) const {
  const int vid = varid < 0 ? NC_GLOBAL : varid;
  nc_type type = NC_NAT;
  size_t len = 0;
  if (nc_inq_att(ncid_, vid, name.c_str(), &type, &len) != NC_NOERR) return std::nullopt;
  if (type == NC_CHAR) {
    std::string s(len, '\0');
    if (len && nc_get_att_text(ncid_, vid, name.c_str(), s.data()) != NC_NOERR) return std::nullopt;
    const size_t nul = s.find('\0');
    if (nul != std::string::npos) s.resize(nul);
    return s;
  }
  if (type == NC_STRING && len == 1) {
    char* p = nullptr;
    if (nc_get_att_string(ncid_, vid, name.c_str(), &p) != NC_NOERR) return std::nullopt;
    std::string s = p ? p : "";
    nc_free_string(1, &p);
    return s;
  }
  return std::nullopt;
}

std::optional<double> NcFile::numAttr(const std::string& name, int varid) const {
  const int vid = varid < 0 ? NC_GLOBAL : varid;
  nc_type type = NC_NAT;
  size_t len = 0;
  if (nc_inq_att(ncid_, vid, name.c_str(), &type, &len) != NC_NOERR || len == 0) return std::nullopt;
  if (type == NC_CHAR || type == NC_STRING) return std::nullopt;
  std::vector<double> vals(len);
  if (nc_get_att_double(ncid_, vid, name.c_str(), vals.data()) != NC_NOERR) return std::nullopt;
  return vals[0];
}

// The fill value of a variable as a 64-bit real: its _FillValue, else the default of its type.
static double fillOf(const NcFile& f, const NcFile::Var& v) {
  if (auto a = f.numAttr("_FillValue", v.id)) return *a;
  switch (v.type) {
    case NC_BYTE: return NC_FILL_BYTE;
    case NC_SHORT: return NC_FILL_SHORT;
    case NC_INT: return NC_FILL_INT;
    case NC_FLOAT: return static_cast<double>(NC_FILL_FLOAT);
    case NC_UBYTE: return NC_FILL_UBYTE;
    case NC_USHORT: return NC_FILL_USHORT;
    case NC_UINT: return NC_FILL_UINT;
    case NC_INT64: return static_cast<double>(NC_FILL_INT64);
    case NC_UINT64: return static_cast<double>(NC_FILL_UINT64);
    default: return NC_FILL_DOUBLE;
  }
}

void NcFile::read(const Var& v, const std::vector<size_t>& start, const std::vector<size_t>& count, double* out,
                  double dry) const {
  if (!v.numeric()) fail("variable '" + v.name + "' is not numeric");
  if (start.size() != v.shape.size() || count.size() != v.shape.size())
    fail("variable '" + v.name + "' read with the wrong number of dimensions");
  size_t n = 1;
  for (size_t k = 0; k < count.size(); ++k) {
    if (start[k] > v.shape[k] || count[k] > v.shape[k] - start[k])
      fail("variable '" + v.name + "' read past its end");
    n *= count[k];
  }
  if (n == 0) return;
  check(nc_get_vara_double(ncid_, v.id, start.data(), count.data(), out),
        "variable '" + v.name + "' cannot be read");
  const double fill = fillOf(*this, v);
  for (size_t k = 0; k < n; ++k)
    if (out[k] == fill || std::isnan(out[k])) out[k] = dry;
}

std::vector<double> NcFile::readAll(const Var& v, double dry) const {
  size_t n = 1;
  for (size_t len : v.shape) n *= len;
  std::vector<double> out(n);
  std::vector<size_t> start(v.shape.size(), 0);
  read(v, start, v.shape, out.data(), dry);
  return out;
}

std::vector<std::string> NcFile::readStrings(const Var& v) const {
  if (!v.text() || v.shape.size() != 2) fail("variable '" + v.name + "' is not a (count, length) text variable");
  const size_t rows = v.shape[0], len = v.shape[1];
  std::vector<char> buf(rows * len);
  if (!buf.empty()) check(nc_get_var_text(ncid_, v.id, buf.data()), "variable '" + v.name + "' cannot be read");
  std::vector<std::string> out;
  out.reserve(rows);
  for (size_t r = 0; r < rows; ++r) {
    std::string s(buf.data() + r * len, len);
    const size_t nul = s.find('\0');
    if (nul != std::string::npos) s.resize(nul);
    out.push_back(std::move(s));
  }
  return out;
}

void NcFile::cacheChunks(const Var& v) const {
  int storage = NC_CONTIGUOUS;
  std::vector<size_t> chunks(v.shape.size() ? v.shape.size() : 1);
  if (nc_inq_var_chunking(ncid_, v.id, &storage, chunks.data()) != NC_NOERR || storage != NC_CHUNKED) return;
  // Chunks across one row of the slowest dimension, each held once.
  size_t typeSize = 0;
  if (nc_inq_type(ncid_, v.type, nullptr, &typeSize) != NC_NOERR) return;
  size_t chunkBytes = typeSize, perRow = 1;
  for (size_t k = 0; k < v.shape.size(); ++k) {
    chunkBytes *= chunks[k];
    if (k > 0 && chunks[k]) perRow *= (v.shape[k] + chunks[k] - 1) / chunks[k];
  }
  const size_t bytes = chunkBytes * perRow + chunkBytes;
  nc_set_var_chunk_cache(ncid_, v.id, bytes, perRow * 4 + 1009, 1.0f);
}

}  // namespace vm
