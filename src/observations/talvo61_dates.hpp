// Shared by the station-output conversion and the batch chain that drives it.
#pragma once
#include "observations/talvo_format.hpp"
#include "tools.hpp"

namespace vm {

// Observation kinds the conversion writes: 1 to 7.
bool validKind(int kind);

// The date of a snap `seconds` after the simulation start. The elapsed time is rounded to
// the nearest whole second and the arithmetic is done on whole seconds, so a whole hour
// never comes out a minute early. Dates carry into the following years (or back into the
// previous ones). The second is always 0. A start month outside 1..12, or a time too large
// for a date, is a fatal error.
ObsRecord snapDate(const StartDate& start, double seconds);

}  // namespace vm
