#include "RenderFixture.h"

#include "plot/AxisTicks.h"
#include "plot/PlotText.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>
#include <limits>

namespace vimo {
namespace {

using test::countColour;
using test::differingPixels;
using test::pageOf;
using test::renderOnImage;

constexpr QRgb kGrey = 0x808080;
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;

QRgb rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

// The renderer's edge cases hold at screen and at printer resolution alike.
class RenderAtResolution : public ::testing::TestWithParam<int> {
protected:
    int ppi() const { return GetParam(); }
    Plot plot; // no data sets: just the page, axes and texts
};

INSTANTIATE_TEST_SUITE_P(Ppi, RenderAtResolution, ::testing::Values(100, 600));

TEST_P(RenderAtResolution, returnsTheLayoutOfThePageItDrew)
{
    const auto r = renderOnImage(plot, ppi(), pageOf(8, 5));
    EXPECT_EQ(r.layout, computePlotLayout(ppi(), ppi(), pageOf(8, 5)));
    // The page covers the whole picture: nothing of the image's own fill is left.
    EXPECT_EQ(countColour(r.image, r.image.rect(), qRgb(0, 0x80, 0x80)), 0);
}

TEST_P(RenderAtResolution, range0to20_labelsEveryTwoUnitsAndDrawsElevenDottedGridLines)
{
    const auto r = renderOnImage(plot, ppi(), pageOf(8, 5));
    const PlotLayout& l = r.layout;
    const auto altitudeTicks = altitudeAxisTicks(plot, l);
    const auto timeTicks = timeAxisTicks(plot, l);
    QStringList labels;
    for (const AxisTick& tick : altitudeTicks)
        labels << tick.label;
    EXPECT_EQ(labels.join(QLatin1Char(' ')), QStringLiteral("0.0 2.0 4.0 6.0 8.0 10.0 12.0 14.0 16.0 18.0 20.0"));
    ASSERT_EQ(timeTicks.size(), 11u);
    EXPECT_EQ(timeTicks.back().label, QStringLiteral("20.0"));

    const int frame = std::max(ppi() / 75, 1);
    for (const AxisTick& tick : altitudeTicks) {
        const int y = tick.pixel;
        EXPECT_EQ(rgb(r.image, l.plotLeft - 2, y), kGrey) << "tick at " << y;
        // Each label sits left of its tick.
        const QRect labelCell(l.plotLeft - ppi() / 2, y - ppi() / 20, ppi() / 2 - ppi() / 15, ppi() / 10);
        EXPECT_GT(countColour(r.image, labelCell, kBlack), 0) << "label at " << y;
        if (y <= l.plotTop + frame || y >= l.plotBottom - 1)
            continue; // under the frame, or the zero line
        const QRect row(l.plotLeft + frame, y, l.plotWidth() - 2 * frame, 1);
        const int grey = countColour(r.image, row, kGrey);
        EXPECT_GT(grey, row.width() / 5) << "grid line at " << y;
        EXPECT_LT(grey, row.width() * 4 / 5) << "grid line at " << y << " is not dotted";
    }
    for (const AxisTick& tick : timeTicks)
        EXPECT_EQ(rgb(r.image, tick.pixel, l.plotBottom + 2), kGrey) << "tick at " << tick.pixel;
}

int solidGreyRowsInside(const test::Rendering& r, int ppi)
{
    const PlotLayout& l = r.layout;
    const int frame = std::max(ppi / 75, 1);
    int rows = 0;
    for (int y = l.plotTop + frame; y < l.plotBottom - frame; ++y) {
        const QRect row(l.plotLeft + frame, y, l.plotWidth() - 2 * frame, 1);
        rows += countColour(r.image, row, kGrey) == row.width() ? 1 : 0;
    }
    return rows;
}

TEST_P(RenderAtResolution, zeroBelowTheRange_liesOnTheBottomEdgeInsteadOfInside)
{
    plot.yMin = 10;
    plot.yMax = 30;
    const auto below = renderOnImage(plot, ppi(), pageOf(8, 5));
    EXPECT_EQ(altitudeToPixel(plot, below.layout, 0), below.layout.plotHeight());
    EXPECT_EQ(solidGreyRowsInside(below, ppi()), 0);

    plot.yMin = -10;
    plot.yMax = 10;
    const auto across = renderOnImage(plot, ppi(), pageOf(8, 5));
    EXPECT_EQ(solidGreyRowsInside(across, ppi()), 1);
    const int y0 = across.layout.plotTop + altitudeToPixel(plot, across.layout, 0);
    EXPECT_EQ(rgb(across.image, across.layout.plotLeft + 10, y0), kGrey);
}

TEST_P(RenderAtResolution, oneSampleSignal_drawsItsMarkersAndTagMarksButNoLine)
{
    DataSet& set = plot.signals.createDataSet();
    set.altitude.series.resize(1);
    set.altitude.series.setTime(0, 10);
    set.altitude.series.setAltitude(0, 10);
    set.altitude.series.setTag(0, 1);
    set.altitude.pointColor = 0x00FF00; // lime
    set.trigger.series.append(15, 5);
    set.trigger.pointColor = 0xFF00FF; // fuchsia
    const auto r = renderOnImage(plot, ppi(), pageOf(8, 5));
    const PixelMapper map(plot, r.layout);
    const int w = std::max(ppi() / 50, 3);
    const int h = w;

    const int x = r.layout.plotLeft + map.timeToPixel(10);
    const int y = r.layout.plotTop + map.altitudeToPixel(10);
    EXPECT_EQ(rgb(r.image, x - 2 * w, y), 0x00FF00u) << "left arm of the tag mark";
    EXPECT_EQ(rgb(r.image, x, y + 2 * h), 0x00FF00u) << "lower arm of the tag mark";
    EXPECT_EQ(rgb(r.image, x, y), kWhite) << "open centre, no line";
    EXPECT_EQ(countColour(r.image, QRect(x - 3 * w, y - 6 * h, 6 * w, 3 * h), kBlack) > 0, true) << "tag label";
    EXPECT_EQ(countColour(r.image, r.image.rect(), 0x0000FFu), 0) << "no line in the line colour (blue)";

    const int tx = r.layout.plotLeft + map.timeToPixel(15);
    const int ty = r.layout.plotTop + map.altitudeToPixel(5);
    EXPECT_EQ(rgb(r.image, tx, ty - h), 0xFF00FFu) << "apex of the trigger triangle";
}

TEST_P(RenderAtResolution, blackAndWhite_makesPageGridAndLinesBlackButKeepsTheTitleColour)
{
    plot.backgroundColor = 0xC0FFFF; // light yellow
    plot.labelColor = 0x0000FF;      // red
    plot.gridColor = 0x00FF00;       // lime: no shade of antialiased black or red text
    plot.signals.createDataSet();    // the blue ramp
    const auto mono = renderOnImage(plot, ppi(), pageOf(8, 5, false));
    const PlotLayout& l = mono.layout;
    EXPECT_EQ(rgb(mono.image, 0, 0), kBlack) << "page border";
    EXPECT_EQ(rgb(mono.image, mono.image.width() - 1, mono.image.height() - 1), kBlack);
    EXPECT_EQ(rgb(mono.image, 2, 2), kWhite) << "page";
    EXPECT_EQ(countColour(mono.image, mono.image.rect(), 0x00FF00u), 0) << "no grid colour";
    EXPECT_EQ(countColour(mono.image, mono.image.rect(), 0x0000FFu), 0) << "no line colour";
    EXPECT_EQ(rgb(mono.image, l.plotLeft - 2, l.plotTop + altitudeToPixel(plot, l, 10)), kBlack) << "tick";
    const QRect title(l.plotLeft, l.titleTop, l.plotWidth(), l.plotTop - l.titleTop);
    EXPECT_GT(countColour(mono.image, title, 0xFF0000u), 0) << "title in the label colour";
    const int x = l.plotLeft + timeToPixel(plot, l, 10);
    EXPECT_EQ(rgb(mono.image, x, l.plotTop + altitudeToPixel(plot, l, 10)), kBlack) << "data line";

    const auto colour = renderOnImage(plot, ppi(), pageOf(8, 5, true));
    EXPECT_EQ(rgb(colour.image, 0, 0), 0xFFFFC0u) << "page in its colour, no border";
    EXPECT_GT(countColour(colour.image, colour.image.rect(), 0x00FF00u), 0);
}

TEST(RenderMarkers, at600ppi_aDotIsOnePixelAndASquareIs24PixelsWide)
{
    Plot plot;
    DataSet& set = plot.signals.createDataSet();
    set.altitude.series.resize(1);
    set.altitude.series.setTime(0, 10);
    set.altitude.series.setAltitude(0, 10);
    set.altitude.lineStyle = kLineNone;
    set.altitude.pointColor = 0x00FF00;

    set.altitude.pointStyle = kPointDot;
    const auto dot = renderOnImage(plot, 600, pageOf(8, 5));
    EXPECT_EQ(countColour(dot.image, dot.image.rect(), 0x00FF00), 1);

    set.altitude.pointStyle = kPointSquare;
    const auto square = renderOnImage(plot, 600, pageOf(8, 5));
    QRect box;
    for (int y = 0; y < square.image.height(); ++y)
        for (int x = 0; x < square.image.width(); ++x)
            if (rgb(square.image, x, y) == 0x00FF00u)
                box |= QRect(x, y, 1, 1);
    EXPECT_EQ(box.size(), QSize(24, 24));
    EXPECT_EQ(rgb(square.image, box.center().x(), box.center().y()), kWhite) << "filled with the page colour";
}

TEST(RenderTexts, averageClimb_isTheRateOverTheVisibleRangeAndZeroWhenTheSetLiesLeftOfIt)
{
    Plot plot;
    EXPECT_EQ(averageClimbText(plot), QString());
    plot.signals.createDataSet(); // ramp: 1 unit a second
    EXPECT_EQ(averageClimbText(plot), QStringLiteral("Avg Climb = 1"));
    plot.xMin = 100;
    plot.xMax = 200;
    EXPECT_EQ(averageClimbText(plot), QStringLiteral("Avg Climb = 0"));
}

TEST(RenderTexts, everyTextIsArialAtTheAskedCellHeightFromTheFirstRendering)
{
    QImage image(10, 10, QImage::Format_RGB32);
    for (const int height : {8, 14, 25, 40, 120}) {
        const QFont font = plotFont(height, &image);
        const QString family = QFontInfo(font).family();
        EXPECT_TRUE(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"))
            << family.toStdString();
        EXPECT_NEAR(QFontMetrics(font, &image).height(), height, 1);
    }
    // A fresh surface gets the same texts as one that was rendered on before.
    Plot plot;
    const auto first = renderOnImage(plot, 100, pageOf(7, 3.5));
    QImage reused = first.image;
    QPainter painter(&reused);
    renderPlot(painter, 100, 100, plot, pageOf(7, 3.5));
    painter.end();
    EXPECT_EQ(differingPixels(first.image, reused), 0);
}

TEST(RenderPage, offsets_moveTheWholeRenderingOnThePage)
{
    Plot plot;
    plot.signals.createDataSet();
    plot.showBackground = true;
    PrintSettings moved = pageOf(4, 3);
    moved.leftInches = 0.5;
    moved.topInches = 0.25;
    const auto atOffset = renderOnImage(plot, 100, moved);
    const auto atOrigin = renderOnImage(plot, 100, pageOf(4, 3));
    EXPECT_EQ(atOffset.layout.plotLeft, atOrigin.layout.plotLeft + 50);
    EXPECT_EQ(differingPixels(atOffset.image.copy(50, 25, 400, 300), atOrigin.image), 0);
}

// Faults the renderer guards against.
class RenderFaults : public ::testing::Test {
protected:
    Plot plot;
    DataSet& set = plot.signals.createDataSet();

    QImage render() { return renderOnImage(plot, 100, pageOf(8, 5)).image; }
    QImage renderWithoutSignals()
    {
        set.altitude.visible = false;
        set.trigger.visible = false;
        QImage image = render();
        set.altitude.visible = true;
        set.trigger.visible = true;
        return image;
    }
};

TEST_F(RenderFaults, unknownLineAndPointStyles_drawNothing)
{
    set.trigger.series.append(5, 5);
    // Line styles end at 5 and point styles at 7: beyond them, and below 0, nothing is drawn.
    const std::int32_t unknown[][2] = {{-1, -1}, {6, 8}, {1000, 1000}, {INT32_MIN, INT32_MIN}};
    for (const auto& [line, point] : unknown) {
        set.altitude.lineStyle = set.trigger.lineStyle = line;
        set.altitude.pointStyle = set.trigger.pointStyle = point;
        EXPECT_EQ(differingPixels(render(), renderWithoutSignals()), 0) << line << " " << point;
    }
}

TEST_F(RenderFaults, rateMarksWithIndicesOutsideTheSeries_areSkipped)
{
    set.altitude.lineStyle = kLineNone;
    set.addRateMark(0, 21);
    set.addRateMark(-1, 5);
    set.addRateMark(5, 70000);
    set.addRateMark(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(differingPixels(render(), renderWithoutSignals()), 0);
}

TEST_F(RenderFaults, rateMarkInOnePixelColumn_showsItsRate_andOneWithoutTimeBetween_showsOnlyItsBracket)
{
    set.addRateMark(5, 6);
    const PlotLayout l = computePlotLayout(100, 100, pageOf(8, 5));
    const QRect inside(l.plotLeft + 1, l.plotTop + 1, l.plotWidth() - 1, l.plotHeight() - 1);

    set.altitude.series.setTime(6, 5.001); // samples 5 and 6 share a pixel column
    const QImage oneColumn = render();
    EXPECT_GT(countColour(oneColumn, inside, kBlack), 0) << "the rate's digits";
    EXPECT_GT(countColour(oneColumn, inside, 0xFF0000u), 0) << "the bracket in the info colour (red)";

    set.altitude.series.setTime(6, 5); // no time passes between samples 5 and 6
    const QImage sameTime = render();
    EXPECT_EQ(countColour(sameTime, inside, kBlack), 0) << "no digits";
    EXPECT_GT(countColour(sameTime, inside, 0xFF0000u), 0) << "the bracket";
}

TEST_F(RenderFaults, zoomedIn_theLineEntersFromItsPreviousSampleAndNeverJumpsBackToTheFirst)
{
    // Samples every second; the view starts half a second before sample 11, far right of the data area's edge.
    plot.setRange({10.5, 12.5, 0, 20});
    const auto r = renderOnImage(plot, 100, pageOf(8, 5));
    const PlotLayout& l = r.layout;
    const int x11 = l.plotLeft + timeToPixel(plot, l, 11);
    const int y11 = l.plotTop + altitudeToPixel(plot, l, 11);
    const int y0 = l.plotTop + altitudeToPixel(plot, l, 0);
    ASSERT_GT(x11 - l.plotLeft, 100);
    const int y10 = l.plotTop + altitudeToPixel(plot, l, 10);
    ASSERT_LT(y10, (y11 + y0) / 2);
    // Below sample 10's height, towards the left edge at sample 0's height: nothing belongs there.
    EXPECT_NE(rgb(r.image, (l.plotLeft + x11) / 2, (y11 + y0) / 2), 0x0000FFu);
    EXPECT_EQ(countColour(r.image, QRect(l.plotLeft + 2, y10 + 3, x11 - l.plotLeft - 4, y0 - y10 - 6), 0x0000FFu), 0);
    // The line does come in from sample 10, pinned just left of the data area.
    EXPECT_GT(
        countColour(r.image, QRect(l.plotLeft + 1, std::min(y10, y11) - 2, 4, std::abs(y10 - y11) + 4), 0x0000FFu), 0);
}

TEST_F(RenderFaults, extremeAndDegenerateRanges_renderAndEnd)
{
    const double huge = std::numeric_limits<double>::max();
    const double inf = std::numeric_limits<double>::infinity();
    const PlotRange ranges[] = {
        {0, 1e300, -1e300, 1e300},
        {1e15, 1e15 + 1e-3, 1e15, 1e15 + 1e-3},
        {5, 5, 5, 5},
        {20, 0, 20, 0},
        {-huge, huge, -huge, huge},
        {-inf, inf, 0, inf},
        {1e-300, 2e-300, -1e-310, 1e-310},
    };
    set.altitude.pointStyle = kPointCircle;
    set.altitude.series.setTag(3, 1);
    set.addRateMark(2, 9);
    for (const PlotRange& range : ranges) {
        plot.setRange(range);
        const auto r = renderOnImage(plot, 100, pageOf(8, 5));
        EXPECT_EQ(r.layout.plotLeft, 120);
    }
}

} // namespace
} // namespace vimo
