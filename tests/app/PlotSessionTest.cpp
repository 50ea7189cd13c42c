// The plot session: every change of the plot ends in its one changed() signal, the active data set keeps its
// identity while others come and go, and a second view of the same session follows the first.

#include "ModalScript.h"
#include "PageFixture.h"
#include "app/plotview/FlightsTableModel.h"
#include "plot/DataEditor.h"

#include <QAction>
#include <QComboBox>
#include <QSignalSpy>
#include <memory>

namespace vimo::test {
namespace {

struct PlotSessionTest : PageFixture {
    QSignalSpy changed{&session, &PlotSession::changed};

    // True when `change` made the session say that the plot changed, at least once.
    bool announces(const std::function<void()>& change)
    {
        changed.clear();
        change();
        return !changed.isEmpty();
    }
};

} // namespace

TEST_F(PlotSessionTest, everyKindOfChangeEndsInTheChangedSignal)
{
    const PlotCommands& c = session.commands();
    EXPECT_TRUE(announces([&] { c.zoomIn->trigger(); }));
    EXPECT_TRUE(announces([&] { session.pan(PanDirection::Left); }));
    EXPECT_TRUE(announces([&] { session.plotKey(Qt::Key_Home, {}); }));
    EXPECT_FALSE(announces([&] { session.plotKey(Qt::Key_A, {}); })) << "no plot key, no change";
    EXPECT_TRUE(announces([&] { drag(at(10, 20), at(60, 120)); })) << "the plot box's own zoom";
    EXPECT_TRUE(announces([&] { plot.signals.createDataSet(); }));
    EXPECT_TRUE(announces([&] { plot.signals.rename(0, QStringLiteral("Renamed")); }));
    EXPECT_TRUE(announces([&] { session.editor().deleteDataSet(1); }));
    EXPECT_TRUE(announces([&] { c.undo->trigger(); }));
    EXPECT_TRUE(announces([&] { session.flights().setWindow(20); }));
    EXPECT_TRUE(announces([&] { session.downloadArrived(2); }));
    EXPECT_TRUE(announces([&] { session.changePlot([](Plot& p) { p.gridColor = 0x123456; }); }));
}

TEST_F(PlotSessionTest, theActiveDataSetKeepsItsIdentityWhileOthersComeAndGo)
{
    plot.signals.createDataSet();
    DataSet& third = plot.signals.createDataSet();
    QSignalSpy moved(&session, &PlotSession::activeSetChanged);
    ASSERT_EQ(session.activeSet(), 2);

    ASSERT_TRUE(session.editor().deleteDataSet(0));
    EXPECT_EQ(session.activeSet(), 1);
    EXPECT_EQ(&plot.signals.at(session.activeSet()), &third);
    session.editor().undo();
    EXPECT_EQ(session.activeSet(), 2);
    EXPECT_EQ(moved.count(), 2) << "each move is announced once";
    EXPECT_EQ(box()->activeSet(), 2) << "the view follows";

    session.setActiveSet(5); // no such data set
    EXPECT_EQ(session.activeSet(), -1);
    ASSERT_TRUE(session.editor().deleteDataSet(0));
    EXPECT_EQ(session.activeSet(), -1) << "with none active, none becomes active";
}

TEST_F(PlotSessionTest, aSecondViewOfTheSameSessionFollowsTheFirst)
{
    DataPage other(session);
    other.resize(600, 400);
    other.show();
    QSignalSpy otherRefreshed(other.plotBox(), &PlotBox::refreshed);
    drag(at(10, 20), at(60, 120)); // a zoom in the first view
    EXPECT_FALSE(otherRefreshed.isEmpty());
    EXPECT_LT(plot.xMax, 100);

    auto* otherCombo = child<QComboBox>(&other, "ActiveSetCombo");
    plot.signals.createDataSet();
    EXPECT_EQ(otherCombo->currentIndex(), 1);
    otherCombo->setCurrentIndex(0); // chosen in the second view
    EXPECT_EQ(session.activeSet(), 0);
    EXPECT_EQ(box()->activeSet(), 0);

    session.commands().legend->setChecked(true);
    EXPECT_TRUE(box()->legendShown());
    EXPECT_TRUE(other.plotBox()->legendShown());
}

} // namespace vimo::test
