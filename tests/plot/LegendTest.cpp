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

    // Draws only the legend on a white page and returns its box and picture.
    QRect legendBox(QImage* picture = nullptr, bool inColor = true)
    {
        QImage image(700, 350, QImage::Format_RGB32);
        image.fill(Qt::white);
        const PlotLayout layout = computePlotLayout(kPpi, kPpi, page);
        QPainter painter(&image);
        const QRect box = drawPlotLegend(painter, kPpi, kPpi, plot, layout, inColor, Qt::black, Qt::white);
        painter.end();
        if (picture)
            *picture = image;
        return box;
    }
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
}

TEST_F(Legend, listsEachVisibleDataSetInItsLineColour)
{
    QImage picture;
    const QRect both = legendBox(&picture);
    EXPECT_GT(countColour(picture, both, paintColour(0x0000FF).rgb()), 0);
    EXPECT_GT(countColour(picture, both, paintColour(0xFF0000).rgb()), 0);

    plot.signals.at(1).altitude.visible = false;
    const QRect one = legendBox(&picture);
    EXPECT_LT(one.height(), both.height());
    EXPECT_EQ(countColour(picture, one, paintColour(0xFF0000).rgb()), 0) << "a hidden data set is not listed";
}

TEST_F(Legend, inBlackAndWhite_theLinesAreBlack)
{
    QImage picture;
    const QRect box = legendBox(&picture, false);
    EXPECT_EQ(countColour(picture, box, paintColour(0x0000FF).rgb()), 0);
    EXPECT_EQ(countColour(picture, box, paintColour(0xFF0000).rgb()), 0);
}

TEST_F(Legend, withoutVisibleDataSets_drawsNothing)
{
    plot.signals.at(0).altitude.visible = false;
    plot.signals.at(1).altitude.visible = false;
    QImage picture;
    EXPECT_TRUE(legendBox(&picture).isEmpty());
    EXPECT_EQ(countColour(picture, picture.rect(), QColor(Qt::white).rgb()), picture.width() * picture.height());
}

} // namespace
} // namespace vimo
