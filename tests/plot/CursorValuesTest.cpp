#include "PlotTestData.h"

#include "data/Plot.h"
#include "plot/CursorValues.h"
#include "plot/PaintColour.h"
#include "plot/ReadoutBox.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace vimo {
namespace {

// Two data sets in feet, 100 + t and 2t, samples every two seconds, and a hidden third.
struct CursorValuesTest : ::testing::Test {
    Plot plot;
    void SetUp() override
    {
        for (int k = 0; k < 3; ++k) {
            DataSet& set = plot.signals.createDataSet();
            set.clearSamples();
            set.unit = AltitudeUnit::Feet;
            for (int i = 0; i <= 50; ++i)
                set.altitude.series.append(2 * i, k == 0 ? 100 + 2 * i : 4 * i);
        }
        plot.signals.at(0).altitude.lineColor = 0x0000FF;
        plot.signals.at(2).altitude.visible = false;
    }
};

TEST_F(CursorValuesTest, listsEachVisibleSetInterpolatedAtTheTime_asTheViewShowsIt)
{
    plot.signals.at(1).firstLaunch = 40;
    plot.alignAtLaunch = true;
    const CursorValues values = cursorValues(plot, 5.5);
    EXPECT_EQ(values.unit, QStringLiteral("ft"));
    ASSERT_EQ(values.sets.size(), 2u) << "the hidden set is left out";
    const CursorValue& first = values.sets[0];
    EXPECT_EQ(first.dataSet, 0);
    EXPECT_EQ(first.colour, 0x0000FFu);
    EXPECT_DOUBLE_EQ(*first.altitude, 105.5) << "between the samples at 4 s and 6 s";
    EXPECT_NEAR(*first.climbRate, 1.0, 1e-9);
    // The aligned set shows its 45.5 s at 5.5 s.
    EXPECT_DOUBLE_EQ(*values.sets[1].altitude, 91.0);

    EXPECT_EQ(cursorTimeText(values), QStringLiteral("Time 5.5 s"));
    EXPECT_EQ(cursorAltitudeText(values, first), QStringLiteral("105.5 ft"));
    EXPECT_EQ(cursorClimbText(values, values.sets[1]), QStringLiteral("+2.00 ft/s"));

    // Before the first set's recording: no values, written as "-".
    const CursorValues early = cursorValues(plot, -1);
    EXPECT_FALSE(early.sets[0].altitude);
    EXPECT_FALSE(early.sets[0].climbRate);
    EXPECT_EQ(cursorAltitudeText(early, early.sets[0]), QStringLiteral("-"));
    EXPECT_EQ(cursorClimbText(early, early.sets[0]), QStringLiteral("-"));
    ASSERT_TRUE(early.sets[1].altitude) << "the aligned set starts at -40 s";
}

TEST_F(CursorValuesTest, followsTheLineAsDrawn_throughTheDataSetsDisplayTransform)
{
    Signal& line = plot.signals.at(0).altitude;
    line.timeScale = 2;
    line.timeOffset = 4;
    line.altitudeOffset = 10;
    const CursorValues values = cursorValues(plot, 15); // its own 5.5 s
    EXPECT_DOUBLE_EQ(*values.sets[0].altitude, 115.5);
    EXPECT_NEAR(*values.sets[0].climbRate, 0.5, 1e-9) << "its time runs twice as long";
    line.timeScale = 0;
    EXPECT_FALSE(cursorValues(plot, 15).sets[0].altitude) << "a time scale of 0 draws no line to read";
}

TEST_F(CursorValuesTest, convertsIntoTheAxisUnit_andNeverWritesMinusZero)
{
    plot.altitudeAxis = AltitudeAxisChoice::Meters;
    CursorValues values = cursorValues(plot, 10);
    EXPECT_EQ(values.unit, QStringLiteral("m"));
    EXPECT_NEAR(*values.sets[0].altitude, 110 * 0.3048, 1e-9);
    values.sets[0].climbRate = -0.001;
    EXPECT_EQ(cursorClimbText(values, values.sets[0]), QStringLiteral("+0.00 m/s"));
    values.sets[0].climbRate = -0.5;
    EXPECT_EQ(cursorClimbText(values, values.sets[0]), QStringLiteral("-0.50 m/s"));
}

TEST_F(CursorValuesTest, box_staysBesideTheCursorInsideTheArea_andShowsEachSetsColour)
{
    const CursorValues values = cursorValues(plot, 10);
    QFont font;
    font.setPixelSize(12);
    const QSize size = readoutBoxSize(QFontMetrics(font), values);
    EXPECT_GT(size.height(), 3 * QFontMetrics(font).height()) << "the time and two rows";

    const QRect area(100, 50, 600, 300);
    const QRect right = placeReadoutBox(size, 200, area);
    EXPECT_GT(right.left(), 200);
    EXPECT_TRUE(area.contains(right));
    const QRect left = placeReadoutBox(size, 690, area);
    EXPECT_LT(left.right(), 690) << "near the right edge it flips to the left of the line";
    EXPECT_TRUE(area.contains(left));
    EXPECT_EQ(placeReadoutBox(QSize(900, 40), 300, area).left(), area.left()) << "too wide: from the left edge";

    QImage image(800, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    paintReadoutBox(painter, right, values);
    painter.end();
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == paintColour(0x0000FF).rgb()) {
                ++blue;
                EXPECT_TRUE(right.contains(x, y));
            }
    EXPECT_GT(blue, 0);
}

} // namespace
} // namespace vimo
