// The anchor of the NetCDF benchmark: the shortest program that reads every snap of a
// global file's data variable through the NetCDF C library, one snap at a time, doing
// nothing with the values. The toolkit's readers are measured against it.
#pragma once
#include <netcdf.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace bench {

// Returns the sum of the values read (so that nothing is left out by the compiler).
inline double anchorRead(const std::string& path, const char* var) {
  int nc, v, dims[2];
  size_t snaps, nodes;
  if (nc_open(path.c_str(), NC_NOWRITE, &nc) || nc_inq_varid(nc, var, &v) || nc_inq_vardimid(nc, v, dims) ||
      nc_inq_dimlen(nc, dims[0], &snaps) || nc_inq_dimlen(nc, dims[1], &nodes))
    throw std::runtime_error(path + ": cannot be read");
  std::vector<double> snap(nodes);
  double sum = 0;
  for (size_t k = 0; k < snaps; ++k) {
    const size_t start[2] = {k, 0}, count[2] = {1, nodes};
    if (nc_get_vara_double(nc, v, start, count, snap.data())) throw std::runtime_error(path + ": read failed");
    sum += snap[k % nodes];
  }
  nc_close(nc);
  return sum;
}

}  // namespace bench
