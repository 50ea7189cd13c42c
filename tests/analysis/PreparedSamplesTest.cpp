#include "analysis/PreparedSamples.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace vimo::analysis;

namespace {

std::vector<double> altitudesOf(const PreparedSamples& s)
{
    return std::vector<double>(s.a.begin(), s.a.end());
}

std::vector<double> timesOf(const PreparedSamples& s)
{
    return std::vector<double>(s.t.begin(), s.t.end());
}

TEST(PreparedSamplesTest, SpikesAreJudgedInMetresAfterTheDisplayTransform)
{
    const std::vector<double> t{0, 0.5, 1, 1.5, 2, 2.5, 3};
    // In feet: a 20 ft spike (6.1 m) is a bad reading, an 8 ft one (2.4 m) is kept.
    const std::vector<double> a{100, 100, 120, 100, 108, 100, 100};
    SampleTransform feet;
    feet.metresPerUnit = 0.3048;
    feet.timeOffset = 10;
    const PreparedSamples s = prepareSamples(t.data(), a.data(), t.size(), feet);
    const double base = 100 * 0.3048;
    EXPECT_EQ(altitudesOf(s), (std::vector<double>{base, base, base, base, 108 * 0.3048, base, base}));
    EXPECT_EQ(timesOf(s), (std::vector<double>{10, 10.5, 11, 11.5, 12, 12.5, 13}));
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
        const PreparedSamples s = prepareSamples(t->data(), spikes.data(), t->size(), SampleTransform{});
        EXPECT_EQ(altitudesOf(s), mended);
    }
}

TEST(PreparedSamplesTest, RepairPathKeepsOrderMendsSpikesAndFillsNonFiniteValues)
{
    const std::vector<double> t{0, 1, 0.5, 2, 3, 4};
    const std::vector<double> a{10, 10, 60, 10, std::numeric_limits<double>::quiet_NaN(), 10};
    const PreparedSamples s = prepareSamples(t.data(), a.data(), t.size(), SampleTransform{});
    EXPECT_EQ(s.backwardSteps, 1);
    EXPECT_EQ(timesOf(s), (std::vector<double>{0, 1, 1, 2, 3, 4}));
    EXPECT_EQ(altitudesOf(s), (std::vector<double>{10, 10, 10, 10, 10, 10}));
}

TEST(PreparedSamplesTest, FaultsAndSpikesAreCaughtAtEverySampleOfEvenAndOddCounts)
{
    // The samples are checked and mended two at a time, with a remainder and a last sample of their own.
    for (std::size_t n = 3; n <= 8; ++n) {
        std::vector<double> t(n);
        for (std::size_t i = 0; i < n; ++i)
            t[i] = 0.5 * double(i);
        const std::vector<double> flat(n, 100.0);
        for (std::size_t k = 1; k < n; ++k) {
            std::vector<double> back = t;
            back[k] = back[k - 1] - 0.25;
            EXPECT_EQ(prepareSamples(back.data(), flat.data(), n, SampleTransform{}).backwardSteps, 1)
                << n << " samples, time back at " << k;
            std::vector<double> notANumber = flat;
            notANumber[k] = std::numeric_limits<double>::infinity();
            EXPECT_EQ(altitudesOf(prepareSamples(t.data(), notANumber.data(), n, SampleTransform{})), flat)
                << n << " samples, infinite altitude at " << k;
            if (k + 1 < n) {
                std::vector<double> spike = flat;
                spike[k] = 150;
                EXPECT_EQ(altitudesOf(prepareSamples(t.data(), spike.data(), n, SampleTransform{})), flat)
                    << n << " samples, spike at " << k;
            }
        }
    }
}

TEST(PreparedSamplesTest, LongRecordingsAreReadInPlaceUntilTheFirstMendOrFaultWhereverItLies)
{
    // Clean samples in metres are read where they lie; a spike, a time that goes back, a value that is not finite or
    // a step longer than a second is found at the start, at a piece's edge and near the end of a long recording.
    const std::size_t n = 5000;
    std::vector<double> t(n);
    const std::vector<double> flat(n, 100.0);
    for (std::size_t i = 0; i < n; ++i)
        t[i] = 0.1 * double(i);
    const PreparedSamples clean = prepareSamples(t.data(), flat.data(), n, SampleTransform{});
    EXPECT_EQ(clean.a.data(), flat.data());
    EXPECT_EQ(clean.t.data(), t.data());
    for (std::size_t k : {std::size_t(1), std::size_t(1024), std::size_t(1025), std::size_t(2049), n - 2}) {
        std::vector<double> spike = flat;
        spike[k] = 200;
        const PreparedSamples mended = prepareSamples(t.data(), spike.data(), n, SampleTransform{});
        EXPECT_NE(mended.a.data(), spike.data()) << "spike at " << k;
        EXPECT_EQ(altitudesOf(mended), flat) << "spike at " << k;

        std::vector<double> back = t;
        back[k] = back[k - 1] - 0.05;
        EXPECT_EQ(prepareSamples(back.data(), flat.data(), n, SampleTransform{}).backwardSteps, 1) << k;

        std::vector<double> infinite = flat;
        infinite[k] = -std::numeric_limits<double>::infinity();
        EXPECT_EQ(altitudesOf(prepareSamples(t.data(), infinite.data(), n, SampleTransform{})), flat) << k;

        // A sample a minute from both neighbours may lie 100 m off for real.
        std::vector<double> gaps = t;
        for (std::size_t i = k; i < n; ++i)
            gaps[i] += i == k ? 60 : 120;
        const PreparedSamples kept = prepareSamples(gaps.data(), spike.data(), n, SampleTransform{});
        EXPECT_EQ(altitudesOf(kept), spike) << k;
    }
}

} // namespace
