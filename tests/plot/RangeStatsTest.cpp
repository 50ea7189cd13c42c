#include "plot/RangeStats.h"

#include "data/SampleSeries.h"

#include <gtest/gtest.h>

using namespace vimo;

namespace {

SampleSeries series(std::initializer_list<std::pair<double, double>> samples)
{
    SampleSeries s(true);
    for (const auto& [t, a] : samples)
        s.append(t, a);
    return s;
}

} // namespace

TEST(RangeStats, coversOnlyTheSamplesWithinTheVisibleTimesEdgesIncluded)
{
    const SampleSeries s = series({{0, 50}, {1, 10}, {2, 30}, {3, 80}, {4, 40}, {5, 0}});
    const auto stats = visibleRangeStats(s, 1, 4);
    ASSERT_TRUE(stats);
    EXPECT_EQ(stats->samples, 4);
    EXPECT_EQ(stats->lowest, 10);
    EXPECT_EQ(stats->highest, 80);
    EXPECT_EQ(stats->timeSpan(), 3);
    EXPECT_DOUBLE_EQ(*stats->averageClimb, 10); // (40 - 10) / 3
    EXPECT_EQ(rangeStatsText(stats), QStringLiteral("Low 10.0  High 80.0  Span 3.0 s  Avg Climb 10.000 units/sec"));

    const auto between = visibleRangeStats(s, 1.2, 2.8); // one sample: no climb
    ASSERT_TRUE(between);
    EXPECT_EQ(between->samples, 1);
    EXPECT_FALSE(between->averageClimb);
    EXPECT_EQ(rangeStatsText(between), QStringLiteral("Low 30.0  High 30.0  Span 0.0 s  Avg Climb - units/sec"));
}

TEST(RangeStats, noneWhenNothingIsVisible)
{
    const SampleSeries s = series({{0, 1}, {1, 2}});
    EXPECT_FALSE(visibleRangeStats(s, 2, 9));
    EXPECT_FALSE(visibleRangeStats(s, 1, 0)); // reversed range
    EXPECT_FALSE(visibleRangeStats(SampleSeries(true), -1e9, 1e9));
    EXPECT_EQ(rangeStatsText(std::nullopt), QStringLiteral("No samples in view"));
}
