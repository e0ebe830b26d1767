#include "support/ncwrite.hpp"

#include <algorithm>
#include <stdexcept>

namespace vmtest {

const std::vector<NcForm>& allNcForms() {
  static const std::vector<NcForm> forms = {NcForm::Classic,       NcForm::Offset64,   NcForm::Data64,
                                            NcForm::Nc4Contiguous, NcForm::Nc4Chunked, NcForm::Nc4Deflate};
  return forms;
}

const char* ncFormName(NcForm form) {
  switch (form) {
    case NcForm::Classic: return "classic";
    case NcForm::Offset64: return "64-bit offset";
    case NcForm::Data64: return "64-bit data";
    case NcForm::Nc4Contiguous: return "netCDF-4 contiguous";
    case NcForm::Nc4Chunked: return "netCDF-4 chunked";
    case NcForm::Nc4Deflate: return "netCDF-4 deflate";
  }
  return "?";
}

static bool netcdf4(NcForm f) {
  return f == NcForm::Nc4Contiguous || f == NcForm::Nc4Chunked || f == NcForm::Nc4Deflate;
}

NcWriter::NcWriter(const std::string& path, NcForm form) : path_(path), form_(form) {
  int mode = NC_CLOBBER;
  switch (form) {
    case NcForm::Classic: break;
    case NcForm::Offset64: mode |= NC_64BIT_OFFSET; break;
    case NcForm::Data64: mode |= NC_64BIT_DATA; break;
    default: mode |= NC_NETCDF4; break;
  }
  check(nc_create(path.c_str(), mode, &ncid_), "nc_create");
}

NcWriter::~NcWriter() {
  if (ncid_ >= 0) nc_close(ncid_);
}

void NcWriter::check(int status, const std::string& what) const {
  if (status != NC_NOERR) throw std::runtime_error(path_ + ": " + what + ": " + nc_strerror(status));
}

void NcWriter::close() {
  if (ncid_ < 0) return;
  const int id = ncid_;
  ncid_ = -1;
  check(nc_close(id), "nc_close");
}

void NcWriter::dataMode() {
  if (!defining_) return;
  check(nc_enddef(ncid_), "nc_enddef");
  defining_ = false;
}

void NcWriter::dim(const std::string& name, size_t len, bool unlimited) {
  if (!defining_) {
    check(nc_redef(ncid_), "nc_redef");
    defining_ = true;
  }
  const bool unl = unlimited && form_ != NcForm::Nc4Contiguous;
  int id = -1;
  check(nc_def_dim(ncid_, name.c_str(), unl ? NC_UNLIMITED : len, &id), "dimension " + name);
  dims_.push_back({name, len, id, unl});
}

int NcWriter::dimId(const std::string& name) const {
  for (const Dim& d : dims_)
    if (d.name == name) return d.id;
  throw std::runtime_error(path_ + ": no dimension " + name);
}

int NcWriter::varId(const std::string& name) const {
  if (name.empty()) return NC_GLOBAL;
  int id = -1;
  check(nc_inq_varid(ncid_, name.c_str(), &id), "variable " + name);
  return id;
}

int NcWriter::var(const std::string& name, nc_type type, const std::vector<std::string>& dims) {
  if (!defining_) {
    check(nc_redef(ncid_), "nc_redef");
    defining_ = true;
  }
  std::vector<int> ids;
  for (const std::string& d : dims) ids.push_back(dimId(d));
  int id = -1;
  check(nc_def_var(ncid_, name.c_str(), type, static_cast<int>(ids.size()), ids.data(), &id), "variable " + name);
  if (netcdf4(form_) && !ids.empty()) {
    bool empty = false;  // a dimension of length 0 is unlimited, which cannot be contiguous
    for (const Dim& d : dims_)
      for (int i : ids)
        if (d.id == i && d.len == 0) empty = true;
    if (form_ == NcForm::Nc4Contiguous) {
      if (!empty) check(nc_def_var_chunking(ncid_, id, NC_CONTIGUOUS, nullptr), "contiguous " + name);
    } else if (form_ == NcForm::Nc4Deflate) {
      bool recordLed = false;
      for (const Dim& d : dims_)
        if (d.id == ids[0] && d.unlimited) recordLed = true;
      if (recordLed) {
        std::vector<size_t> chunks;
        for (size_t k = 0; k < ids.size(); ++k) {
          size_t len = 1;
          for (const Dim& d : dims_)
            if (d.id == ids[k]) len = d.len;
          chunks.push_back(k == 0 || len == 0 ? 1 : len);
        }
        check(nc_def_var_chunking(ncid_, id, NC_CHUNKED, chunks.data()), "chunking " + name);
      }
      check(nc_def_var_deflate(ncid_, id, 0, 1, 2), "deflate " + name);
    }
  }
  return id;
}

void NcWriter::text(const std::string& var, const std::string& name, const std::string& value) {
  if (!defining_) {
    check(nc_redef(ncid_), "nc_redef");
    defining_ = true;
  }
  check(nc_put_att_text(ncid_, varId(var), name.c_str(), value.size(), value.data()), "attribute " + name);
}

void NcWriter::num(const std::string& var, const std::string& name, double value, nc_type type) {
  if (!defining_) {
    check(nc_redef(ncid_), "nc_redef");
    defining_ = true;
  }
  check(nc_put_att_double(ncid_, varId(var), name.c_str(), type, 1, &value), "attribute " + name);
}

void NcWriter::fill(const std::string& var, double value) {
  nc_type type = NC_NAT;
  check(nc_inq_vartype(ncid_, varId(var), &type), "type of " + var);
  num(var, "_FillValue", value, type);
}

std::vector<size_t> NcWriter::shapeOf(int varid) const {
  int ndims = 0;
  int ids[NC_MAX_VAR_DIMS];
  check(nc_inq_var(ncid_, varid, nullptr, nullptr, &ndims, ids, nullptr), "nc_inq_var");
  std::vector<size_t> shape;
  for (int k = 0; k < ndims; ++k) {
    size_t len = 0;
    for (const Dim& d : dims_)
      if (d.id == ids[k]) len = d.len;
    shape.push_back(len);
  }
  return shape;
}

void NcWriter::put(const std::string& var, const std::vector<double>& values) {
  const int id = varId(var);
  const std::vector<size_t> count = shapeOf(id);
  size_t n = 1;
  for (size_t c : count) n *= c;
  if (values.size() != n)
    throw std::runtime_error(path_ + ": " + var + " needs " + std::to_string(n) + " values, not " +
                             std::to_string(values.size()));
  putBlock(var, std::vector<size_t>(count.size(), 0), count, values.data());
}

void NcWriter::putBlock(const std::string& var, const std::vector<size_t>& start, const std::vector<size_t>& count,
                        const double* values) {
  dataMode();
  size_t n = 1;
  for (size_t c : count) n *= c;
  if (n == 0) return;
  check(nc_put_vara_double(ncid_, varId(var), start.data(), count.data(), values), "data of " + var);
}

void NcWriter::putText(const std::string& var, const std::vector<std::string>& rows) {
  const int id = varId(var);
  const std::vector<size_t> shape = shapeOf(id);
  if (shape.size() != 2 || shape[0] != rows.size())
    throw std::runtime_error(path_ + ": " + var + " is not a (" + std::to_string(rows.size()) + ", len) variable");
  std::string buf;
  for (const std::string& r : rows) buf += r.substr(0, shape[1]) + std::string(shape[1] - std::min(r.size(), shape[1]), '\0');
  dataMode();
  if (buf.empty()) return;
  const size_t start[2] = {0, 0};
  check(nc_put_vara_text(ncid_, id, start, shape.data(), buf.data()), "data of " + var);
}

}  // namespace vmtest
