// The season chart draws each flight where its day and value put it, in its model's colour, and finds the point
// under the mouse; it draws with a painter alone, so it is pinned on an image.

#include "plot/SeasonChart.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

using namespace vimo;

namespace {

SeasonChartLayout drawOn(QImage& image, const SeasonChart& chart)
{
    image = QImage(600, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    return drawSeasonChart(painter, image.rect(), chart);
}

} // namespace

TEST(SeasonChart, pointsSitByDayAndValueInTheirModelsColour_andTheOneUnderTheMouseIsFound)
{
    SeasonChart chart;
    chart.series = {"Bird", "Sharon"};
    chart.valueLabel = "Start height (m)";
    chart.points = {{QDate(2026, 5, 1), 40, 0, 7}, {QDate(2026, 8, 1), 80, 1, 9}, {QDate(2026, 8, 1), 20, 1, 11}};
    QImage image;
    const SeasonChartLayout layout = drawOn(image, chart);
    ASSERT_EQ(layout.dots.size(), 3u);
    const QPointF may = layout.dots[0].first;
    const QPointF high = layout.dots[1].first;
    const QPointF low = layout.dots[2].first;
    EXPECT_LT(may.x(), high.x()) << "later days to the right";
    EXPECT_DOUBLE_EQ(high.x(), low.x());
    EXPECT_LT(high.y(), may.y()) << "higher values above";
    EXPECT_LT(may.y(), low.y());
    for (const auto& [centre, id] : layout.dots)
        EXPECT_TRUE(layout.plotArea.contains(centre)) << id;
    EXPECT_EQ(image.pixelColor(may.toPoint()), seasonColour(0));
    EXPECT_EQ(image.pixelColor(high.toPoint()), seasonColour(1));
    EXPECT_NE(seasonColour(0), seasonColour(1));

    EXPECT_EQ(seasonPointAt(layout, high + QPointF(2, 2)), 9);
    EXPECT_EQ(seasonPointAt(layout, low), 11);
    EXPECT_FALSE(seasonPointAt(layout, layout.plotArea.topLeft() + QPointF(1, 1)));
}

TEST(SeasonChart, noPointsOrOneDayOrBadValues_drawWithoutFault)
{
    QImage image;
    EXPECT_TRUE(drawOn(image, SeasonChart{}).dots.empty());
    SeasonChart chart;
    chart.series = {"(no model)"};
    chart.points = {
        {QDate(2026, 5, 1), 0, 0, 1}, {QDate(2026, 5, 1), std::nan(""), 0, 2}, {QDate(2026, 5, 1), -5, 0, 3}};
    const SeasonChartLayout layout = drawOn(image, chart);
    ASSERT_EQ(layout.dots.size(), 2u) << "the value that is no number is left out";
    for (const auto& [centre, id] : layout.dots)
        EXPECT_TRUE(std::isfinite(centre.x()) && std::isfinite(centre.y())) << id;
}
