// A guard against NetCDF headers that announce far more data than the file can hold: the
// library hands out fill values for data never written, so a few bytes of header could
// otherwise make a reader allocate and fill gigabytes.
#pragma once
#include <cstddef>

#include "core/ncfile.hpp"

namespace vm {

// Deflate, the compression the model uses, shrinks data at most about 1032 times; a
// variable that would need more than this many times the whole file's size (as 64-bit
// reals), plus a margin for small files, cannot have been written in full.
inline constexpr size_t kNcMostExpansion = 2048;

// Stops with "<file>: variable 'v' announces N values; the file is too small to hold them"
// when `v` cannot have been written in full in its file.
void plausibleSize(const NcFile& f, const NcFile::Var& v);

}  // namespace vm
