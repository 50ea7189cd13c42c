#include "RenderFixture.h"

#include "plot/PaintColour.h"
#include "plot/PlotLegend.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::countColour;
using test::pageOf;
using test::renderOnImage;

constexpr int kPpi = 100;

struct Legend : ::testing::Test {
    Plot plot;
    PrintSettings page = pageOf(7, 3.5);

    Legend()
    {
        DataSet& first = plot.signals.createDataSet();
        first.altitude.lineColor = 0x0000FF; // red
        first.altitude.lineStyle = kLineSolid;
        DataSet& second = plot.signals.createDataSet();
        second.altitude.lineColor = 0xFF0000; // blue
        second.altitude.lineStyle = kLineDash;
    }

    // Draws only the legend on a white page and returns where it lies, and its picture.
    LegendLayout legendLayout(QImage* picture = nullptr, bool inColor = true)
    {
        QImage image(700, 350, QImage::Format_RGB32);
        image.fill(Qt::white);
        const PlotLayout layout = computePlotLayout(kPpi, kPpi, page);
        QPainter painter(&image);
        const LegendLayout legend = drawPlotLegend(painter, kPpi, kPpi, plot, layout, inColor, Qt::black, Qt::white);
        painter.end();
        if (picture)
            *picture = image;
        return legend;
    }
    QRect legendBox(QImage* picture = nullptr, bool inColor = true) { return legendLayout(picture, inColor).box; }
};

TEST_F(Legend, isOffUnlessAskedFor_andThenDrawsInsideTheDataArea)
{
    const QImage plain = renderOnImage(plot, kPpi, page).image;
    RenderOptions withLegend;
    withLegend.legend = true;
    const test::Rendering shown = renderOnImage(plot, kPpi, page, withLegend);
    EXPECT_EQ(renderOnImage(plot, kPpi, page, RenderOptions{}).image, plain);
    EXPECT_NE(shown.image, plain);

    const QRect box = legendBox();
    const QRect data(shown.layout.plotLeft, shown.layout.plotTop, shown.layout.plotWidth(), shown.layout.plotHeight());
    EXPECT_TRUE(data.contains(box)) << "the legend never covers the axes or the texts";
    EXPECT_EQ(shown.layout.legend.box, box) << "the rendering tells where it drew the legend";
    EXPECT_TRUE(renderOnImage(plot, kPpi, page).layout.legend.box.isEmpty());
}

TEST_F(Legend, listsEachDataSetInItsLineColour_andAHiddenOneGreyedInItsRow)
{
    QImage picture;
    const QRect both = legendBox(&picture);
    EXPECT_GT(countColour(picture, both, paintColour(0x0000FF).rgb()), 0);
    EXPECT_GT(countColour(picture, both, paintColour(0xFF0000).rgb()), 0);

    plot.signals.at(1).altitude.visible = false;
    QImage greyed;
    const LegendLayout hidden = legendLayout(&greyed);
    EXPECT_EQ(hidden.box, both) << "the hidden data set keeps its row";
    EXPECT_EQ(countColour(greyed, both, paintColour(0xFF0000).rgb()), 0) << "its line is not in its colour";
    const QRect secondRow(both.left() + 1, hidden.rowsTop + hidden.rowHeight, both.width() - 2, hidden.rowHeight);
    EXPECT_EQ(countColour(greyed, secondRow, QColor(Qt::black).rgb()), 0) << "nor its name in the ink";
    EXPECT_GT(test::differingPixels(greyed.copy(secondRow), picture.copy(secondRow)), 0);
    const QRect firstRow(both.left() + 1, hidden.rowsTop, both.width() - 2, hidden.rowHeight);
    EXPECT_EQ(test::differingPixels(greyed.copy(firstRow), picture.copy(firstRow)), 0);
}

TEST_F(Legend, hitTest_findsTheDataSetOfTheRowUnderAPixel)
{
    RenderOptions withLegend;
    withLegend.legend = true;
    const PlotLayout layout = renderOnImage(plot, kPpi, page, withLegend).layout;
    const LegendLayout& legend = layout.legend;
    ASSERT_EQ(legend.rows, 2);
    const int x = legend.box.center().x();
    EXPECT_EQ(legendEntryAt(layout, x, legend.rowsTop), 0);
    EXPECT_EQ(legendEntryAt(layout, x, legend.rowsTop + legend.rowHeight - 1), 0);
    EXPECT_EQ(legendEntryAt(layout, x, legend.rowsTop + legend.rowHeight), 1);
    EXPECT_EQ(legendEntryAt(layout, legend.box.left(), legend.rowsTop + legend.rowHeight), 1);
    EXPECT_EQ(legendEntryAt(layout, x, legend.box.top()), -1) << "the margin above the rows";
    EXPECT_EQ(legendEntryAt(layout, x, legend.box.bottom()), -1) << "the margin below them";
    EXPECT_EQ(legendEntryAt(layout, legend.box.left() - 1, legend.rowsTop), -1);
    EXPECT_EQ(legendEntryAt(renderOnImage(plot, kPpi, page).layout, x, legend.rowsTop), -1) << "no legend drawn";
}

TEST_F(Legend, inBlackAndWhite_theLinesAreBlack)
{
    QImage picture;
    const QRect box = legendBox(&picture, false);
    EXPECT_EQ(countColour(picture, box, paintColour(0x0000FF).rgb()), 0);
    EXPECT_EQ(countColour(picture, box, paintColour(0xFF0000).rgb()), 0);
}

TEST_F(Legend, withoutDataSets_drawsNothing)
{
    plot.signals.clear();
    QImage picture;
    EXPECT_TRUE(legendBox(&picture).isEmpty());
    EXPECT_EQ(countColour(picture, picture.rect(), QColor(Qt::white).rgb()), picture.width() * picture.height());
}

} // namespace
} // namespace vimo
