// A check of the header of a netCDF-3 file (classic, 64-bit offset, 64-bit data) before the
// NetCDF library reads it: the library trusts the counts of a damaged header (a count of
// dimensions in the billions, a name longer than the file) and may then crash instead of
// reporting the fault. Every count and length is checked against the bytes that follow, and
// the data of every variable must lie inside the file (the library reads the missing part of
// a file cut short as zeros).
#pragma once
#include <string>

namespace vm {

// Empty when `path` is not a netCDF-3 file or it is sound; otherwise what is wrong ("its
// header is damaged: the header ends inside a variable name", "the data of variable 'x' run
// past the end of the file, which is cut short").
std::string classicHeaderFault(const std::string& path);

}  // namespace vm
