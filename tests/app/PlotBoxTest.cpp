#include "PageFixture.h"

#include "plot/DataEditor.h"
#include "plot/PixelMapping.h"

#include <QSignalSpy>
#include <QWheelEvent>

using namespace vimo;
using namespace vimo::test;

namespace {

using PlotBoxTest = PageFixture;

PlotPoint valueAt(const Plot& plot, const PlotLayout& l, QPoint p)
{
    return valueAtPixel(plot, {l.plotLeft, l.plotTop, l.plotRight, l.plotBottom}, p.x(), p.y());
}

} // namespace

TEST_F(PlotBoxTest, zoomDragViewsTheRectangleAndATooSmallOneChangesNothing)
{
    const QPoint from = at(10, 150);
    const QPoint to = at(40, 60);
    const PlotPoint a = valueAt(plot, box()->plotLayout(), from);
    const PlotPoint b = valueAt(plot, box()->plotLayout(), to);
    move(from);
    press(from);
    EXPECT_TRUE(box()->zoomDragging());
    move(to);
    release(to);
    EXPECT_FALSE(box()->zoomDragging());
    EXPECT_EQ(plot.range(), (PlotRange{a.t, b.t, b.a, a.a}));

    paint();
    const PlotRange zoomed = plot.range();
    drag(at(12, 100), at(13.5, 140)); // 1.5 seconds wide
    EXPECT_EQ(plot.range(), zoomed);
}

TEST_F(PlotBoxTest, climbDragStoresARateMarkBetweenTheNearestSamples)
{
    setMode(PlotBox::Climb);
    drag(at(20, 40), at(60, 120));
    ASSERT_EQ(set().rateMarkCount(), 1);
    EXPECT_EQ(set().rateMarks[0].first, 20);
    EXPECT_EQ(set().rateMarks[0].second, 60);
    EXPECT_FALSE(box()->climbDragging());

    // Less than 2 altitude units of mouse travel: nothing stored.
    drag(at(30, 60), at(70, 60.5));
    EXPECT_EQ(set().rateMarkCount(), 1);
}

TEST_F(PlotBoxTest, climbDragWithAllSlotsUsedStoresNothing)
{
    for (int i = 1; i < kRateMarkSlots; ++i)
        set().addRateMark(0, 1);
    setMode(PlotBox::Climb);
    drag(at(20, 40), at(60, 120));
    EXPECT_EQ(set().rateMarkCount(), kRateMarkSlots);
    drag(at(20, 40), at(60, 120));
    EXPECT_EQ(set().rateMarkCount(), kRateMarkSlots);
    EXPECT_EQ(set().rateMarks[255].second, 60);
}

TEST_F(PlotBoxTest, climbDragWhoseEndsFallOnOneSampleStoresNoRateMark)
{
    // Samples ten minutes apart: a long drag still ends on the sample it started from.
    set().clearSamples();
    set().altitude.series.append(0, 0);
    set().altitude.series.append(600, 200);
    session.notifyChanged();
    paint();
    setMode(PlotBox::Climb);
    drag(at(10, 20), at(90, 180));
    EXPECT_EQ(set().rateMarkCount(), 0);
    EXPECT_EQ(session.editor().stack().count(), 0);
}

TEST_F(PlotBoxTest, peakClickTogglesTheTagOfTheNearestSample)
{
    setMode(PlotBox::Peak);
    move(at(47.2, 90));
    press(at(47.2, 90));
    release(at(47.2, 90));
    EXPECT_EQ(set().altitude.series.tag(47), 1);
    press(at(46.8, 90));
    release(at(46.8, 90));
    EXPECT_EQ(set().altitude.series.tag(47), 0);
    EXPECT_EQ(session.editor().stack().count(), 2);
}

TEST_F(PlotBoxTest, readoutsAndCursorCircleFollowTheNearestSample)
{
    QSignalSpy readouts(page.get(), &DataPage::readout);
    move(at(30.2, 55));
    ASSERT_EQ(readouts.count(), 1);
    EXPECT_EQ(readouts.last().at(0).toString(), QStringLiteral("Time =     30.0, Altitude =   60"));
    EXPECT_EQ(readouts.last().at(1).toString(), QStringLiteral("Rate of Climb =    2.000 units/sec"));
    EXPECT_EQ(box()->cursorSample(), 30);
    EXPECT_EQ(box()->cursorCircle(), at(30, 60)); // on the sample, not on the mouse

    // At the first sample the rate keeps its text; off the data area nothing happens.
    move(at(0, 0));
    EXPECT_EQ(readouts.last().at(0).toString(), QStringLiteral("Time =      0.0, Altitude =    0"));
    EXPECT_EQ(readouts.last().at(1).toString(), QStringLiteral("Rate of Climb =    2.000 units/sec"));
    const int seen = readouts.count();
    move({2, 2});
    EXPECT_EQ(readouts.count(), seen);

    // A repaint of the plot removes the circle.
    session.notifyChanged();
    EXPECT_EQ(box()->cursorCircle(), QPoint(-10, -10));

    // Leaving the page clears the window's read-outs: back on it, the first sample shows no old rate.
    page->hide();
    page->show();
    move(at(0, 0));
    EXPECT_EQ(readouts.last().at(1).toString(), QString());
}

TEST_F(PlotBoxTest, emptyDataSetGivesNoReadoutAndPeakAndClimbDoNothing)
{
    set().clearSamples();
    session.notifyChanged();
    paint();
    QSignalSpy readouts(page.get(), &DataPage::readout);
    move(at(50, 100));
    EXPECT_EQ(readouts.count(), 0);
    EXPECT_EQ(box()->cursorCircle(), QPoint(-10, -10));
    EXPECT_EQ(box()->cursorSample(), -1);

    setMode(PlotBox::Peak);
    press(at(50, 100));
    release(at(50, 100));
    setMode(PlotBox::Climb);
    drag(at(20, 40), at(60, 120));
    EXPECT_EQ(set().rateMarkCount(), 0);
    EXPECT_EQ(session.editor().stack().count(), 0);
}

TEST_F(PlotBoxTest, oneSampleDataSetUsesThatSample)
{
    set().clearSamples();
    set().altitude.series.append(42, 84);
    session.notifyChanged();
    paint();
    QSignalSpy readouts(page.get(), &DataPage::readout);
    move(at(90, 10));
    ASSERT_EQ(readouts.count(), 1);
    EXPECT_EQ(readouts.last().at(0).toString(), QStringLiteral("Time =     42.0, Altitude =   84"));
    EXPECT_EQ(box()->cursorCircle(), at(42, 84));
    setMode(PlotBox::Peak);
    press(at(90, 10));
    EXPECT_EQ(set().altitude.series.tag(0), 1);
}

TEST_F(PlotBoxTest, noActiveDataSetLeavesTheMouseWithoutEffect)
{
    plot.signals.deleteDataSet(0);
    EXPECT_EQ(session.activeSet(), -1);
    QSignalSpy readouts(page.get(), &DataPage::readout);
    move(at(50, 100));
    press(at(50, 100));
    EXPECT_FALSE(box()->zoomDragging());
    EXPECT_EQ(readouts.count(), 0);
}

TEST_F(PlotBoxTest, wheelZoomsAroundTheCursor)
{
    const QPoint p = at(25, 50);
    const PlotPoint v = valueAt(plot, box()->plotLayout(), p);
    QWheelEvent forward(QPointF(p), QPointF(box()->mapToGlobal(p)), {}, QPoint(0, 120), Qt::NoButton, {},
                        Qt::NoScrollPhase, false);
    QApplication::sendEvent(box(), &forward);
    EXPECT_DOUBLE_EQ(plot.xMax - plot.xMin, 80);
    EXPECT_DOUBLE_EQ(plot.yMax - plot.yMin, 160);
    EXPECT_NEAR((v.t - plot.xMin) / 80, v.t / 100, 1e-12);
    EXPECT_NEAR((v.a - plot.yMin) / 160, v.a / 200, 1e-12);
}

TEST_F(PlotBoxTest, clickTakesTheKeyboardFocusSoKeysReachThePlot)
{
    auto* combo = page->findChild<QWidget*>(QStringLiteral("ActiveSetCombo"));
    combo->setFocus();
    QApplication::setActiveWindow(page.get());
    press(at(50, 100));
    release(at(50, 100));
    EXPECT_TRUE(box()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(plot.range(), (PlotRange{10, 110, 0, 200}));
}
