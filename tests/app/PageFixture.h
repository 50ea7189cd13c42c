#pragma once

#include "app/pages/DataPage.h"
#include "app/plotview/PlotBox.h"
#include "app/session/PlotSession.h"
#include "data/Plot.h"
#include "plot/PlotLayout.h"
#include "plot/PrintSettings.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace vimo::test {

// The "Recorded Data" page on its own, shown offscreen at a fixed size, with one data set of 101 samples one
// second apart climbing 2 units a second (0..200), viewed at 0..100 s x 0..200. The session's dialogs belong to a
// hidden window of their own.
struct PageFixture : ::testing::Test {
    QWidget dialogHost;
    std::unique_ptr<PlotSession> ownSession = std::make_unique<PlotSession>(&dialogHost);
    PlotSession& session = *ownSession;
    Plot& plot = session.plot();
    PrintSettings& print = session.printSettings();
    std::unique_ptr<DataPage> page;

    void SetUp() override
    {
        DataSet& set = plot.signals.createDataSet();
        set.clearSamples();
        for (int i = 0; i <= 100; ++i)
            set.altitude.series.append(i, 2 * i);
        plot.setRange({0, 100, 0, 200});
        plot.homeRange = plot.range();
        page = std::make_unique<DataPage>(session);
        page->resize(900, 520);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get())); // the plot keys are shortcuts of the active window
        paint();
    }

    PlotBox* box() const { return page->plotBox(); }

    // Paints the plot box now, so that its layout is that of the current plot.
    void paint() const { box()->repaint(); }

    // The pixel of the plot box at which value (t, a) lies.
    QPoint at(double t, double a) const
    {
        const PlotLayout& l = box()->plotLayout();
        const PixelMapper map(plot, l);
        return {l.plotLeft + map.timeToPixel(t), l.plotTop + map.altitudeToPixel(a)};
    }

    void move(QPoint p) const { QTest::mouseMove(box(), p); }
    void press(QPoint p, Qt::MouseButton b = Qt::LeftButton) const { QTest::mousePress(box(), b, {}, p); }
    void release(QPoint p, Qt::MouseButton b = Qt::LeftButton) const { QTest::mouseRelease(box(), b, {}, p); }
    void drag(QPoint from, QPoint to) const
    {
        move(from);
        press(from);
        move(to);
        release(to);
    }
    void setMode(PlotBox::MouseMode mode) const { box()->setMouseMode(mode); }

    DataSet& set(int k = 0) { return plot.signals.at(k); }
};

} // namespace vimo::test
