#include "observations/talvo61_dates.hpp"

#include <cmath>

#include "core/error.hpp"
#include "core/fmt.hpp"
#include "shell/calendar.hpp"

namespace vm {

bool validKind(int kind) { return kind >= 1 && kind <= 7; }

ObsRecord snapDate(const StartDate& start, double seconds) {
  constexpr long long kDay = 86400;
  constexpr long long kFourYears = 1461 * kDay;  // any four years hold exactly one leap year
  if (start[1] < 1 || start[1] > 12) fail("the simulation start month " + std::to_string(start[1]) + " is not 1 to 12");
  if (!(std::fabs(seconds) <= 1.0e13)) {
    std::string s;
    putE(s, seconds, 24, 10);
    fail("the snap time" + s + " is too far from the simulation start for a date");
  }
  long long year = start[0];
  long long u = (daysBeforeMonth(start[0])[static_cast<size_t>(start[1] - 1)] + static_cast<long long>(start[2]) - 1) * kDay +
                start[3] * 3600LL + start[4] * 60LL + std::llround(seconds);
  long long q = u / kFourYears;
  if (u % kFourYears < 0) --q;
  year += 4 * q;
  u -= q * kFourYears;
  for (;;) {
    const long long length = daysBeforeMonth(static_cast<int>(year))[12] * kDay;
    if (u < length) break;
    u -= length;
    ++year;
  }
  const auto& before = daysBeforeMonth(static_cast<int>(year));
  int month = 12;
  while (month > 1 && before[static_cast<size_t>(month - 1)] * kDay > u) --month;
  long long r = u - before[static_cast<size_t>(month - 1)] * kDay;
  ObsRecord d;
  d.year = static_cast<int>(year);
  d.month = month;
  d.day = static_cast<int>(r / kDay) + 1;
  r %= kDay;
  d.hour = static_cast<int>(r / 3600);
  d.minute = static_cast<int>(r % 3600 / 60);
  d.second = 0;
  return d;
}

}  // namespace vm
