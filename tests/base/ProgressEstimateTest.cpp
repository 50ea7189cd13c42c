// The estimate of the time left, on a clock the test moves.

#include "base/ProgressEstimate.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

class ProgressEstimateTest : public ::testing::Test {
protected:
    // Moves the clock by `ms` and reports `done` of `total`.
    void at(std::int64_t ms, std::int64_t done, std::int64_t total = 1000)
    {
        now += ms;
        estimate.update(done, total);
    }

    std::int64_t now = 50000;
    ProgressEstimate estimate{[this] { return now; }};
};

TEST_F(ProgressEstimateTest, saysNothingUntilTheWorkHasAdvancedForTwoSeconds)
{
    at(0, 0);
    EXPECT_FALSE(estimate.secondsLeft());
    // A long wait before the first advance (the erase before programming) does not count as slow progress.
    at(8000, 0);
    at(100, 10);
    at(100, 20); // the first words alone would promise 8 s for the whole
    EXPECT_FALSE(estimate.secondsLeft());
    at(1700, 50);
    EXPECT_FALSE(estimate.secondsLeft());
    at(200, 60); // 2 s after the first advance: 50 words in 2 s, 940 left
    ASSERT_TRUE(estimate.secondsLeft());
    EXPECT_EQ(*estimate.secondsLeft(), 38);
}

TEST_F(ProgressEstimateTest, followsTheRecentPace_andIsGoneWhenTheWorkIsComplete)
{
    at(0, 0);
    for (int done = 10; done <= 300; done += 10)
        at(1000, done); // 10 per second for half a minute
    EXPECT_EQ(estimate.secondsLeft(), 70);
    for (int done = 320; done <= 600; done += 20)
        at(1000, done); // then twice as fast: the last ten seconds decide
    EXPECT_EQ(estimate.secondsLeft(), 20);

    // A stall shows as a longer time, not as the old figure.
    now += 10000;
    ASSERT_TRUE(estimate.secondsLeft());
    EXPECT_GT(*estimate.secondsLeft(), 20);

    at(0, 1000);
    EXPECT_FALSE(estimate.secondsLeft());
}

TEST_F(ProgressEstimateTest, aValueThatGoesBackBeginsNewWork_andRestartForgetsThePace)
{
    at(0, 0, 100);
    at(1000, 40, 100);
    at(2000, 80, 100);
    ASSERT_TRUE(estimate.secondsLeft());
    at(100, 0, 100); // the next data set's bar starts at 0 again
    EXPECT_FALSE(estimate.secondsLeft());
    at(1000, 5, 100);
    EXPECT_FALSE(estimate.secondsLeft());

    estimate.restart();
    at(3000, 50, 100);
    EXPECT_FALSE(estimate.secondsLeft()); // no pace known after the restart
}

TEST_F(ProgressEstimateTest, noFigureForATotalThatIsNotKnownOrAnAbsurdTime)
{
    at(0, 0, 0);
    at(3000, 5, 0);
    EXPECT_FALSE(estimate.secondsLeft()); // no total announced: the bar stays at 0

    estimate.restart();
    at(0, 0, 2000000000);
    at(1000, 1, 2000000000);
    at(2000, 2, 2000000000);
    EXPECT_FALSE(estimate.secondsLeft());
}

TEST(ProgressText, roundsUpToFiveSecondsAndJoinsTheStage)
{
    EXPECT_EQ(timeLeftText(0), QStringLiteral("about 0:05 left"));
    EXPECT_EQ(timeLeftText(38), QStringLiteral("about 0:40 left"));
    EXPECT_EQ(timeLeftText(80), QStringLiteral("about 1:20 left"));
    EXPECT_EQ(timeLeftText(3601), QStringLiteral("about 1:00:05 left"));
    EXPECT_EQ(progressText(QStringLiteral("Set 2 of 3"), 80), QStringLiteral("Set 2 of 3, about 1:20 left"));
    EXPECT_EQ(progressText(QStringLiteral("Set 2 of 3"), std::nullopt), QStringLiteral("Set 2 of 3"));
    EXPECT_EQ(progressText(QString(), 80), QStringLiteral("about 1:20 left"));
}

} // namespace
} // namespace vimo
