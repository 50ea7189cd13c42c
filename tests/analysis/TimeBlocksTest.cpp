#include "analysis/TimeBlocks.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace vimo::analysis;

namespace {

TEST(TimeBlocksTest, LowestAndHighestMatchAPlainSearchForEveryStartAndLength)
{
    // Vector pairs, four-sample steps and the samples left over all take part for some lengths.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> altitude(-50.0, 400.0);
    std::vector<double> a(40);
    for (double& v : a)
        v = altitude(random);
    for (int begin = 0; begin < 8; ++begin) {
        for (int end = begin + 1; end <= int(a.size()); ++end) {
            double low = 0;
            double high = 0;
            lowestAndHighest(a.data(), begin, end, low, high);
            const auto [lowest, highest] = std::minmax_element(a.begin() + begin, a.begin() + end);
            EXPECT_EQ(low, *lowest) << begin << ".." << end;
            EXPECT_EQ(high, *highest) << begin << ".." << end;
        }
    }
}

TEST(TimeBlocksTest, HighestIndexIsTheFirstOfEqualHighestSamplesAcrossBlocks)
{
    std::vector<double> a(300, 10.0);
    EXPECT_EQ(highestIndex(a.data(), 5, 299), 5); // all equal: the first
    a[70] = 50;
    a[200] = 50; // as high, in a later block
    EXPECT_EQ(highestIndex(a.data(), 0, 299), 70);
    EXPECT_EQ(highestIndex(a.data(), 71, 299), 200);
    EXPECT_EQ(highestIndex(a.data(), 71, 199), 71);
    a[63] = 49; // a block's highest that a later block beats
    a[64] = 49;
    EXPECT_EQ(highestIndex(a.data(), 0, 69), 63);
    EXPECT_EQ(highestIndex(a.data(), 0, 299), 70);
    EXPECT_EQ(highestIndex(a.data(), 250, 250), 250);
}

} // namespace
