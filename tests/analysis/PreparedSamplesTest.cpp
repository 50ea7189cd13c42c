#include "analysis/PreparedSamples.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace vimo::analysis;

namespace {

TEST(PreparedSamplesTest, SpikesAreJudgedInMetresAfterTheDisplayTransform)
{
    const std::vector<double> t{0, 0.5, 1, 1.5, 2, 2.5, 3};
    // In feet: a 20 ft spike (6.1 m) is a bad reading, an 8 ft one (2.4 m) is kept.
    const std::vector<double> a{100, 100, 120, 100, 108, 100, 100};
    SampleTransform feet;
    feet.metresPerUnit = 0.3048;
    feet.timeOffset = 10;
    const PreparedSamples s = prepareSamples(t, a, feet);
    const double base = 100 * 0.3048;
    EXPECT_EQ(s.a, (std::vector<double>{base, base, base, base, 108 * 0.3048, base, base}));
    EXPECT_EQ(s.t, (std::vector<double>{10, 10.5, 11, 11.5, 12, 12.5, 13}));
    EXPECT_EQ(a[2], 120); // the caller's samples are left as they are
}

TEST(PreparedSamplesTest, NeighboursAreReadAsRecordedNotAsMended)
{
    // 20 lies beyond both its neighbours and becomes 8; 8 lies below both 20 and 16, as recorded, and becomes 16.
    // Judged against the mended 8 it would stay. Two high samples side by side are each other's neighbour and
    // stay. Both must hold for clean samples and on the repair path taken for a time that goes back.
    const std::vector<double> spikes{0, 20, 8, 16, 16, 16, 16, 50, 50, 16, 16};
    const std::vector<double> mended{0, 8, 16, 16, 16, 16, 16, 50, 50, 16, 16};
    const std::vector<double> clean{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::vector<double> back{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 8.5};
    for (const std::vector<double>* t : {&clean, &back}) {
        const PreparedSamples s = prepareSamples(*t, spikes, SampleTransform{});
        EXPECT_EQ(s.a, mended);
    }
}

TEST(PreparedSamplesTest, RepairPathKeepsOrderMendsSpikesAndFillsNonFiniteValues)
{
    const std::vector<double> t{0, 1, 0.5, 2, 3, 4};
    const std::vector<double> a{10, 10, 60, 10, std::numeric_limits<double>::quiet_NaN(), 10};
    const PreparedSamples s = prepareSamples(t, a, SampleTransform{});
    EXPECT_EQ(s.backwardSteps, 1);
    EXPECT_EQ(s.t, (std::vector<double>{0, 1, 1, 2, 3, 4}));
    EXPECT_EQ(s.a, (std::vector<double>{10, 10, 10, 10, 10, 10}));
}

TEST(PreparedSamplesTest, FaultsAndSpikesAreCaughtWhereverTheyLie)
{
    // A fault at any place, the first and last samples included, and in recordings of any length.
    for (std::size_t n = 3; n <= 8; ++n) {
        std::vector<double> t(n);
        for (std::size_t i = 0; i < n; ++i)
            t[i] = 0.5 * double(i);
        const std::vector<double> flat(n, 100.0);
        for (std::size_t k = 1; k < n; ++k) {
            std::vector<double> back = t;
            back[k] = back[k - 1] - 0.25;
            EXPECT_EQ(prepareSamples(back, flat, SampleTransform{}).backwardSteps, 1)
                << n << " samples, time back at " << k;
            std::vector<double> notANumber = flat;
            notANumber[k] = std::numeric_limits<double>::infinity();
            EXPECT_EQ(prepareSamples(t, notANumber, SampleTransform{}).a, flat)
                << n << " samples, infinite altitude at " << k;
            if (k + 1 < n) {
                std::vector<double> spike = flat;
                spike[k] = 150;
                EXPECT_EQ(prepareSamples(t, spike, SampleTransform{}).a, flat) << n << " samples, spike at " << k;
            }
        }
    }
}

// A sample a minute from both neighbours may lie 100 m off for real; the same sample a second away is a bad reading.
TEST(PreparedSamplesTest, SamplesFarApartInTimeMayDifferForReal)
{
    const std::vector<double> a{100, 100, 200, 100, 100};
    const std::vector<double> close{0, 1, 2, 3, 4};
    const std::vector<double> apart{0, 1, 61, 121, 122};
    EXPECT_EQ(prepareSamples(close, a, SampleTransform{}).a, (std::vector<double>{100, 100, 100, 100, 100}));
    EXPECT_EQ(prepareSamples(apart, a, SampleTransform{}).a, a);
}

} // namespace
