// Skill statistics, caption reading and table fields of the comparison.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "comparison/compare_input.hpp"
#include "comparison/compare_stats.hpp"
#include "comparison/compare_tables.hpp"

namespace {

using vm::cmp::fitPairs;
using vm::cmp::PairSpan;

// o = 1 2 3 4, m = 2 2 5 3: e = 1 0 2 -1, obar 2.5, mbar 3.
// bias 0.5; rmse sqrt(6/4); sde sqrt(5/4); r = 3 / sqrt(5 * 6);
// Willmott 1 - 6 / (2^2 + 1^2 + 3^2 + 2^2) = 2/3; slope 33/30.
TEST(CompareStats, SmallSeriesAsComputedByHand) {
  const std::vector<double> o = {1, 2, 3, 4}, m = {2, 2, 5, 3};
  const auto f = fitPairs({{o.data(), m.data(), 4}});
  EXPECT_EQ(f.stats.n, 4);
  EXPECT_DOUBLE_EQ(*f.stats.bias, 0.5);
  EXPECT_DOUBLE_EQ(*f.stats.rmse, std::sqrt(1.5));
  EXPECT_DOUBLE_EQ(*f.stats.sde, std::sqrt(1.25));
  EXPECT_DOUBLE_EQ(*f.stats.r, 3.0 / std::sqrt(30.0));
  EXPECT_NEAR(*f.stats.willmott, 2.0 / 3.0, 1e-15);
  EXPECT_DOUBLE_EQ(*f.slope, 1.1);
  EXPECT_NEAR(*f.r2, 0.3, 1e-15);

  // Two spans pool to the same as one.
  const auto g = fitPairs({{o.data(), m.data(), 1}, {o.data() + 1, m.data() + 1, 3}});
  EXPECT_EQ(g.stats.n, 4);
  EXPECT_DOUBLE_EQ(*g.stats.rmse, *f.stats.rmse);
  EXPECT_DOUBLE_EQ(*g.stats.r, *f.stats.r);
}

TEST(CompareStats, UndefinedWithoutPairsOneOrConstantSeries) {
  const auto none = fitPairs({});
  EXPECT_EQ(none.stats.n, 0);
  EXPECT_FALSE(none.stats.bias || none.stats.rmse || none.stats.sde || none.stats.r || none.stats.willmott ||
               none.slope || none.r2);

  const double o1 = 2.0, m1 = 2.5;
  const auto one = fitPairs({{&o1, &m1, 1}});
  EXPECT_DOUBLE_EQ(*one.stats.bias, 0.5);
  EXPECT_DOUBLE_EQ(*one.stats.rmse, 0.5);
  EXPECT_DOUBLE_EQ(*one.stats.sde, 0.0);
  EXPECT_FALSE(one.stats.r || one.stats.willmott || one.r2);
  EXPECT_DOUBLE_EQ(*one.slope, 1.25);

  // A constant observed series has no correlation, even when its mean is not exact in
  // binary (0.1 three times); the index of agreement is still defined.
  const std::vector<double> o = {0.1, 0.1, 0.1}, m = {0.0, 0.1, 0.3};
  const auto flat = fitPairs({{o.data(), m.data(), 3}});
  EXPECT_FALSE(flat.stats.r);
  EXPECT_FALSE(flat.r2);
  ASSERT_TRUE(flat.stats.willmott);

  // Model equal to a constant observation: the index's denominator is zero.
  const auto same = fitPairs({{o.data(), o.data(), 3}});
  EXPECT_FALSE(same.stats.willmott);
  EXPECT_DOUBLE_EQ(*same.stats.rmse, 0.0);
  EXPECT_DOUBLE_EQ(*same.stats.sde, 0.0);

  // Observed all zero: no slope through the origin.
  const std::vector<double> z = {0.0, 0.0};
  EXPECT_FALSE(fitPairs({{z.data(), m.data(), 2}}).slope);
}

TEST(CompareCaption, UnitQuantityAndSpellings) {
  using namespace vm::cmp;
  EXPECT_EQ(captionUnit(" % year month day hour min sec watlev (m)"), "m");
  EXPECT_EQ(captionUnit("% year month day hour min sec cur ( m/s )  "), "m/s");
  EXPECT_EQ(captionUnit("% x (a) y (ft)"), "ft");
  EXPECT_EQ(captionUnit("% year month day hour min sec watlev"), "");
  EXPECT_EQ(captionUnit("% year watlev (m"), "");
  EXPECT_EQ(captionQuantity(" % year month day hour min sec hwm (m)"), "hwm");
  EXPECT_EQ(captionQuantity("% year month day hour min sec HWM(m)"), "HWM");
  EXPECT_EQ(captionQuantity("(m)"), "");
  EXPECT_EQ(captionQuantity("% year watlev"), "");
  EXPECT_EQ(unitKey("Metres"), unitKey("m"));
  EXPECT_EQ(unitKey("degrees"), unitKey("DEG"));
  EXPECT_EQ(unitKey("foot"), unitKey("ft"));
  EXPECT_EQ(unitKey("Seconds"), unitKey("s"));
  EXPECT_NE(unitKey("m"), unitKey("ft"));
  EXPECT_NE(unitKey("m/s"), unitKey("m"));
}

TEST(CompareTables, FieldsQuotedOnlyWhenNeededAndNumbersWithSixDecimals) {
  using vm::cmp::csvField;
  using vm::cmp::csvNumber;
  EXPECT_EQ(csvField("NOAA_8761724"), "NOAA_8761724");
  EXPECT_EQ(csvField("A,1"), "\"A,1\"");
  EXPECT_EQ(csvField("say \"x\""), "\"say \"\"x\"\"\"");
  EXPECT_EQ(csvField("a\nb"), "\"a\nb\"");
  EXPECT_EQ(csvField(""), "");
  EXPECT_EQ(csvNumber(std::nullopt), "");
  EXPECT_EQ(csvNumber(-1.5), "-1.500000");
  EXPECT_EQ(csvNumber(-1e-9), "0.000000");
  EXPECT_EQ(csvNumber(1234567.0000004), "1234567.000000");
}

}  // namespace
