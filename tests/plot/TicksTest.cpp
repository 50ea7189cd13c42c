#include "plot/Ticks.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace vimo;

TEST(ChooseTicks, exampleTableHolds)
{
    struct Row {
        double min, max, step, first, last;
        int decimals;
    };
    const Row rows[] = {
        {0, 20, 2, 0, 20, 1},       {0, 90, 9, 0, 90, 1},        {0, 37, 3.7, 0, 37, 1},
        {0, 5, 0.5, 0, 5, 1},       {0, 1.5, 0.2, 0, 1.4, 1},    {0, 100, 10, 0, 100, 0},
        {0, 3600, 360, 0, 3600, 0}, {-50, 450, 50, -50, 450, 0}, {0, 1, 0.1, 0, 1, 2},
    };
    for (const Row& r : rows) {
        const Ticks t = chooseTicks(r.min, r.max);
        EXPECT_NEAR(t.step, r.step, 1e-9) << r.min << ".." << r.max;
        EXPECT_NEAR(t.first, r.first, 1e-9) << r.min << ".." << r.max;
        EXPECT_NEAR(t.last, r.last, 1e-9) << r.min << ".." << r.max;
        EXPECT_EQ(t.decimals, r.decimals) << r.min << ".." << r.max;
    }
}

TEST(ChooseTicks, emptyRangeActsAsOneUnit)
{
    const Ticks a = chooseTicks(0, 0);
    const Ticks b = chooseTicks(0, 1);
    EXPECT_EQ(a.step, b.step);
    EXPECT_EQ(a.last, b.last);
    EXPECT_EQ(a.decimals, b.decimals);
}

TEST(ChooseTicks, endsForHugeTinyAndBrokenRanges)
{
    // Values far beyond 32 bits, spans below the resolution of the values, non-finite input, repeated zooming out.
    const double ranges[][2] = {
        {100000000000.0, 100000000100.0},
        {1e300, 1.0000001e300},
        {1e15, 1e15 + 1},
        {-1e308, 1e308},
        {0, 1e-300},
        {5, -5},
        {NAN, 3},
        {0, INFINITY},
    };
    for (const auto& r : ranges) {
        const Ticks t = chooseTicks(r[0], r[1]);
        EXPECT_LE(t.count(), 64) << r[0] << ".." << r[1];
        EXPECT_TRUE(std::isfinite(t.first)) << r[0] << ".." << r[1];
    }
    double lo = 10, hi = 30;
    for (int i = 0; i < 29; ++i) {
        const double span = hi - lo;
        lo -= span / 2;
        hi += span / 2;
        const Ticks t = chooseTicks(lo, hi);
        EXPECT_GT(t.count(), 0);
        EXPECT_LE(t.count(), 14);
    }
    const Ticks t = chooseTicks(100000000000.0, 100000000100.0);
    EXPECT_EQ(t.first, 100000000000.0);
    EXPECT_EQ(t.step, 10);
}
