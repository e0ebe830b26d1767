#include "comparison/compare_stats.hpp"

#include <algorithm>
#include <cmath>

namespace vm::cmp {

namespace {

std::optional<double> finite(double x) {
  if (std::isfinite(x)) return x;
  return std::nullopt;
}

}  // namespace

Fit fitPairs(const std::vector<PairSpan>& parts) {
  Fit f;
  long long n = 0;
  double so = 0.0, sm = 0.0, se = 0.0;
  double omin = HUGE_VAL, omax = -HUGE_VAL, mmin = HUGE_VAL, mmax = -HUGE_VAL, emin = HUGE_VAL, emax = -HUGE_VAL;
  for (const PairSpan& p : parts) {
    for (size_t k = 0; k < p.n; ++k) {
      const double o = p.o[k], m = p.m[k], e = m - o;
      so += o;
      sm += m;
      se += e;
      omin = std::min(omin, o);
      omax = std::max(omax, o);
      mmin = std::min(mmin, m);
      mmax = std::max(mmax, m);
      emin = std::min(emin, e);
      emax = std::max(emax, e);
    }
    n += static_cast<long long>(p.n);
  }
  f.stats.n = n;
  if (n == 0) return f;

  const double count = static_cast<double>(n);
  const double obar = so / count, mbar = sm / count;
  const double bias = se / count;

  double see = 0.0, sdd = 0.0, soo = 0.0, smm = 0.0, som = 0.0, sw = 0.0, sxy = 0.0, sxx = 0.0;
  for (const PairSpan& p : parts) {
    for (size_t k = 0; k < p.n; ++k) {
      const double o = p.o[k], m = p.m[k], e = m - o;
      const double d = e - bias, a = o - obar, b = m - mbar;
      see += e * e;
      sdd += d * d;
      soo += a * a;
      smm += b * b;
      som += a * b;
      const double w = std::fabs(m - obar) + std::fabs(o - obar);
      sw += w * w;
      sxy += o * m;
      sxx += o * o;
    }
  }
  // A constant series has no spread, whatever rounding left in the sums above.
  if (omin == omax) soo = 0.0;
  if (mmin == mmax) smm = 0.0;
  if (emin == emax) sdd = 0.0;
  if (omin == omax && mmin == mmax && omin == mmin) sw = 0.0;

  f.stats.bias = finite(bias);
  f.stats.rmse = finite(std::sqrt(see / count));
  f.stats.sde = finite(std::sqrt(sdd / count));
  if (n >= 2) {
    if (soo > 0.0 && smm > 0.0) f.stats.r = finite(std::clamp(som / std::sqrt(soo * smm), -1.0, 1.0));
    if (sw > 0.0) f.stats.willmott = finite(1.0 - see / sw);
  }
  if (sxx > 0.0) f.slope = finite(sxy / sxx);
  if (f.stats.r) f.r2 = *f.stats.r * *f.stats.r;
  return f;
}

}  // namespace vm::cmp
