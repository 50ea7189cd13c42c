#include "module/IntervalEditor.h"

#include <gtest/gtest.h>

using namespace vimo;

TEST(IntervalEditor, moduleIntervalSplitsIntoFieldsAndGivesTheTotalRecordTime)
{
    IntervalEditor e;
    e.setInterval(10 * 100);
    const IntervalDisplay d = showRecordInterval(e, 100, 2);
    EXPECT_EQ(d.hours, "0");
    EXPECT_EQ(d.minutes, "00");
    EXPECT_EQ(d.seconds, "01");
    EXPECT_EQ(d.milliseconds, "000");
    EXPECT_EQ(d.totalRecordTime, "Total Record Time: 02 hours 16 min 32.000 sec"); // 8192 samples of 1 s
}

TEST(IntervalEditor, totalRecordTime_coversNoMemoryAndTheDaysFormat)
{
    EXPECT_EQ(totalRecordTimeText(0, 1000), "Total Record Time: 00 hours 00 min 00.000 sec");
    EXPECT_EQ(totalRecordTimeText(8, 10000), "Total Record Time: 3 days, 19 h 01 m 20.000 sec");
    // 255 units of memory at one hour: 64-bit arithmetic, no overflow.
    EXPECT_EQ(totalRecordTimeText(255, 3'600'000), "Total Record Time: 43520 days, 00 h 00 m 00.000 sec");
}

TEST(IntervalEditor, normalise_zeroBecomesTheBaseIntervalAndLongIntervalsOneHour)
{
    IntervalEditor e;
    e.milliseconds = 0;
    EXPECT_EQ(showRecordInterval(e, 100, 0).milliseconds, "100");
    EXPECT_EQ(e.recordInterval, 100u);

    e.hours = 1;
    e.seconds = 5;
    const IntervalDisplay d = showRecordInterval(e, 100, 0);
    EXPECT_EQ(e.recordInterval, IntervalEditor::kMaxInterval);
    EXPECT_EQ(d.hours + d.minutes + d.seconds + d.milliseconds, "10000000");

    // The longest interval a module can report (65535 x 65535 ms) also ends at one hour.
    e.setInterval(65535u * 65535u);
    e.normalise(65535);
    EXPECT_EQ(e.recordInterval, IntervalEditor::kMaxInterval);
}

TEST(IntervalEditor, spin_keepsEachFieldInItsRangeAndStepsMillisecondsByTheBase)
{
    IntervalEditor e;
    e.milliseconds = 0;
    for (int i = 0; i < 20; ++i)
        e.spin(IntervalEditor::Milliseconds, true, 100);
    EXPECT_EQ(e.milliseconds, 900);
    e.spin(IntervalEditor::Hours, true, 100);
    e.spin(IntervalEditor::Hours, true, 100);
    EXPECT_EQ(e.hours, 1);
    e.spin(IntervalEditor::Minutes, false, 100);
    EXPECT_EQ(e.minutes, 0);
    for (int i = 0; i < 70; ++i)
        e.spin(IntervalEditor::Seconds, true, 100);
    EXPECT_EQ(e.seconds, 59);
    e.milliseconds = 50;
    e.spin(IntervalEditor::Milliseconds, false, 100);
    EXPECT_EQ(e.milliseconds, 50);
}

TEST(IntervalEditor, intervalTicksFor_baseIntervalZeroKeepsTheTicksAsRead)
{
    EXPECT_EQ(intervalTicksFor(1000, 0, 42), 42);
}

TEST(IntervalEditor, intervalTicksFor_quotientAbove65535IsStoredAs65535)
{
    EXPECT_EQ(intervalTicksFor(3'600'000, 1, 0), 65535);
    EXPECT_EQ(intervalTicksFor(3'600'000, 100, 0), 36000);
    EXPECT_EQ(intervalTicksFor(250, 100, 0), 2); // rounded down
}
