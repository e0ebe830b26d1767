// Counts announced by a file's header lines (nodes, stations, profiles) are promises that
// a damaged or cut file does not keep. Arrays filled from such a file grow as their lines
// are read; no more than this much room is taken before the lines are there.
#pragma once
#include <algorithm>
#include <cstddef>

namespace vm {

inline constexpr long long kMostReservedAhead = 1 << 16;

// Room to reserve for `announced` items before any of them has been read.
inline size_t reserveAhead(long long announced) {
  return announced <= 0 ? 0 : static_cast<size_t>(std::min(announced, kMostReservedAhead));
}

}  // namespace vm
