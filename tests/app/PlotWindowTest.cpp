// View -> Plot Window: the plot in a resizable window of its own, a second view of the same session, and the View
// toggles of the plot that the window remembers between runs.

#include "WindowHarness.h"

#include "app/pages/DataPage.h"
#include "app/pages/PlotWindow.h"
#include "app/plotview/PlotBox.h"
#include "data/Plot.h"

#include <QAction>
#include <QTest>

namespace vimo::test {
namespace {

class PlotWindowTest : public WindowTest {
protected:
    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }

    void restartWindow()
    {
        window->close();
        window.reset();
        startWindow();
    }
};

} // namespace

TEST_F(PlotWindowTest, plotWindowShowsTheSameSessionLargerWithItsKeys_andKeepsItsSizeAndPlace)
{
    startWindow();
    QAction* toggle = action("PlotWindowAction");
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(toggle->shortcut(), QKeySequence(QStringLiteral("F11")));
    PlotWindow* plotWindow = window->plotWindow();
    EXPECT_FALSE(plotWindow->isVisible());
    toggle->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(plotWindow));
    EXPECT_EQ(plotWindow->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)) << "it can be resized";
    plotWindow->resize(1200, 800);
    PlotBox* big = plotWindow->page()->plotBox();
    QTest::qWait(1);
    big->repaint();
    EXPECT_GT(big->plotLayout().plotRight, 900) << "drawn at the window's own size";

    // A plot key in the plot window moves the one plot: the main window's page shows it as well.
    const double before = window->session().plot().xMin;
    QTest::keyClick(big, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_NE(window->session().plot().xMin, before);

    plotWindow->setGeometry(120, 90, 1000, 650);
    plotWindow->close();
    EXPECT_FALSE(toggle->isChecked()) << "closing the window unchecks its toggle";
    restartWindow();
    plotWindow = window->plotWindow();
    action("PlotWindowAction")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(plotWindow));
    EXPECT_EQ(plotWindow->size(), QSize(1000, 650));
}

TEST_F(PlotWindowTest, theViewTogglesOfThePlotAreRememberedBetweenRuns)
{
    startWindow();
    const char* toggles[] = {"CursorReadoutAction", "AlignAtLaunchAction", "ClimbRateAction"};
    for (const char* name : toggles) {
        EXPECT_FALSE(action(name)->isChecked()) << name;
        action(name)->trigger();
    }
    restartWindow();
    for (const char* name : toggles)
        EXPECT_TRUE(action(name)->isChecked()) << name;
    EXPECT_TRUE(window->session().plot().alignAtLaunch);
}

} // namespace vimo::test
