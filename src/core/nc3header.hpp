// A check of the header of a netCDF-3 file (classic, 64-bit offset, 64-bit data) before the
// NetCDF library reads it: the library trusts the counts of a damaged header (a count of
// dimensions in the billions, a name longer than the file) and may then crash instead of
// reporting the fault. Every count and length is checked against the bytes that follow.
#pragma once
#include <string>

namespace vm {

// Empty when `path` is not a netCDF-3 file or its header is sound; otherwise what is wrong
// with the header ("the header ends inside the list of dimensions", ...).
std::string classicHeaderFault(const std::string& path);

}  // namespace vm
