// Looking at flights on the plot box: the cursor read-out, legend clicks, drag to pan, flights aligned at their
// launch, the climb-rate curve and Copy Plot.

#include "PageFixture.h"
#include "app/session/OutputActions.h"
#include "plot/DataEditor.h"
#include "plot/PixelMapping.h"
#include "plot/PlotExport.h"
#include "support/SyntheticFlight.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>

namespace vimo::test {
namespace {

struct PlotViewingTest : PageFixture {
    const PlotCommands& c = session.commands();

    QRect dataRect() const
    {
        const PlotLayout& l = box()->plotLayout();
        return QRect(QPoint(l.plotLeft, l.plotTop), QPoint(l.plotRight, l.plotBottom));
    }

    // Data set k holds a hand launch `ground` seconds after its start, a glide and a landing.
    void fillFlight(int k, double ground)
    {
        FlightPathBuilder path(0);
        path.stay(ground).handLaunch(40).glide(0.6, 40).landAt(0, 0.8).stay(30);
        fillRecording(set(k), path.sample(0.5, 0.3, 3));
        plot.signals.notifyChanged(k);
    }
};

} // namespace

TEST_F(PlotViewingTest, theCursorLineFollowsTheMouseWithItsBoxOnTheDataArea)
{
    move(at(40, 100));
    EXPECT_EQ(box()->cursorLineX(), -1) << "off until asked for";
    c.cursorReadout->setChecked(true);
    move(at(50, 100));
    const int x = at(50, 100).x();
    ASSERT_EQ(box()->cursorLineX(), x);
    const QRect readout = box()->readoutBoxRect();
    EXPECT_FALSE(readout.isEmpty());
    EXPECT_TRUE(dataRect().contains(readout)) << "the box stays on the data area";
    EXPECT_FALSE(readout.contains(x, readout.center().y())) << "beside the line, not over it";

    const QImage shown = box()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(x, dataRect().bottom() - 3), QColor(Qt::darkGray)) << "the line is drawn";

    c.legend->setChecked(true);
    paint();
    move(at(80, 100));
    EXPECT_FALSE(box()->readoutBoxRect().intersects(box()->plotLayout().legend.box)) << "the legend stays readable";

    move(at(100, 100) + QPoint(40, 0)); // right of the data area
    EXPECT_EQ(box()->cursorLineX(), -1);
    move(at(20, 100));
    c.cursorReadout->setChecked(false);
    EXPECT_EQ(box()->cursorLineX(), -1);
    EXPECT_TRUE(box()->readoutBoxRect().isEmpty());
}

TEST_F(PlotViewingTest, aClickOnALegendRowHidesItsDataSetAsAnUndoStepInEveryMouseMode)
{
    c.legend->setChecked(true);
    paint();
    const LegendLayout legend = box()->plotLayout().legend;
    ASSERT_EQ(legend.rows, 1);
    const QPoint row(legend.box.center().x(), legend.rowsTop + legend.rowHeight / 2);
    setMode(PlotBox::Peak);
    QTest::mouseClick(box(), Qt::LeftButton, {}, row);
    EXPECT_FALSE(set().altitude.visible);
    EXPECT_EQ(set().altitude.series.count(), 101) << "the data set stays";
    EXPECT_EQ(session.editor().stack().count(), 1) << "one step: no peak was tagged as well";
    c.undo->trigger();
    EXPECT_TRUE(set().altitude.visible);

    c.legend->setChecked(false);
    paint();
    QTest::mouseClick(box(), Qt::LeftButton, {}, row);
    EXPECT_TRUE(set().altitude.visible) << "without the legend the click is the mouse mode's";
}

TEST_F(PlotViewingTest, theMiddleButtonOrSpaceWithTheLeftDragsThePlotInEveryMouseMode)
{
    const QPoint from = at(50, 100);
    const QPoint to = at(40, 80);
    move(from);
    press(from, Qt::MiddleButton);
    move(to);
    EXPECT_TRUE(box()->panning());
    release(to, Qt::MiddleButton);
    EXPECT_FALSE(box()->panning());
    EXPECT_NEAR(plot.xMin, 10, 0.5);
    EXPECT_NEAR(plot.xMax, 110, 0.5);
    EXPECT_NEAR(plot.yMin, 20, 1);
    EXPECT_NEAR(plot.yMax, 220, 1);

    setMode(PlotBox::Climb);
    paint();
    const QPoint start = at(50, 100);
    QTest::keyPress(box(), Qt::Key_Space);
    drag(start, start + QPoint(30, 0));
    QTest::keyRelease(box(), Qt::Key_Space);
    EXPECT_LT(plot.xMin, 10 - 1) << "dragged right, the plot shows earlier times";
    EXPECT_EQ(session.editor().stack().count(), 0) << "no rate mark was placed";

    const double before = plot.xMin;
    paint();
    drag(at(50, 100), at(60, 100)); // Space let go: the mode's own drag, no pan
    EXPECT_EQ(plot.xMin, before);
}

TEST_F(PlotViewingTest, alignAtLaunchPutsEveryFirstLaunchAtZeroAndFollowsNewData)
{
    fillFlight(0, 60);
    c.alignAtLaunch->setChecked(true);
    ASSERT_TRUE(plot.alignAtLaunch);
    ASSERT_TRUE(set(0).firstLaunch.has_value());
    EXPECT_NEAR(*set(0).firstLaunch, 60, 3);
    EXPECT_LT(plot.xMin, -50) << "the time axis shows the recording before its launch";

    plot.signals.createDataSet();
    fillFlight(1, 20);
    ASSERT_TRUE(set(1).firstLaunch.has_value()) << "a new data set is aligned as well";
    EXPECT_NEAR(*set(1).firstLaunch, 20, 3);

    // The read-outs are those of the view: a sample's time is shown shifted.
    setMode(PlotBox::Zoom);
    plot.setRange({-10, 10, 0, 60});
    session.notifyChanged();
    paint();
    QString position;
    QObject::connect(box(), &PlotBox::readout, [&](const QString& p, const QString&) { position = p; });
    move(at(0, 10));
    EXPECT_TRUE(position.startsWith(QStringLiteral("Time =      0."))) << position.toStdString();
    const auto* stats = page->findChild<QLabel*>(QStringLiteral("StatsDisp"));
    EXPECT_FALSE(stats->text().startsWith(QStringLiteral("No samples"))) << "the launch is in view";

    c.alignAtLaunch->setChecked(false);
    EXPECT_FALSE(plot.alignAtLaunch);
    EXPECT_GE(plot.xMin, 0);
}

TEST_F(PlotViewingTest, theClimbRateCurveTakesRoomForItsAxis)
{
    const int right = box()->plotLayout().plotRight;
    c.climbRate->setChecked(true);
    paint();
    EXPECT_LT(box()->plotLayout().plotRight, right);
    c.climbRate->setChecked(false);
    paint();
    EXPECT_EQ(box()->plotLayout().plotRight, right);
}

TEST_F(PlotViewingTest, copyPlotPutsThePictureOfExportOnTheClipboard)
{
    c.legendInOutput->setChecked(true);
    c.copyPlot->trigger();
    const QImage copied = QApplication::clipboard()->image();
    const QImage exported = renderExportBitmap(plot, print, nullptr, session.output().renderOptions());
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), exported);
}

} // namespace vimo::test
