// The Flights table and the flight marks on the "Recorded Data" page: rows, choosing a flight, following the
// data set edits, the View toggles, dragging the launch-end mark, and the start-height window box.

#include "ModalScript.h"
#include "PageControls.h"
#include "PageFixture.h"
#include "WindowHarness.h"

#include "app/plotview/FlightsPanel.h"
#include "app/plotview/FlightsTableModel.h"
#include "app/session/DataFileActions.h"
#include "app/session/OutputActions.h"
#include "plot/DataEditor.h"
#include "plot/LaunchEndDrag.h"
#include "plot/PlotRenderer.h"
#include "support/SyntheticFlight.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>

namespace vimo::test {
namespace {

// Two data sets in metres: Data000 one motor flight (launch at 20 s, motor cut at 45 s, a long glide),
// Data001 three hand launches.
struct FlightsPageTest : PageFixture {
    void SetUp() override
    {
        PageFixture::SetUp();
        plot.yLabel = QStringLiteral("Altitude (meters)");
        FlightPathBuilder motor(0);
        motor.stay(20).motorLaunch(6, 25).glide(0.6, 120).landAt(0, 1.0).stay(30);
        fillRecording(set(0), motor.sample(0.5, 0.3, 1));
        plot.signals.notifyChanged(0);
        FlightPathBuilder throws(0);
        throws.stay(20);
        for (int i = 0; i < 3; ++i)
            throws.handLaunch(40).glide(0.6, 40).landAt(0, 0.8).stay(30);
        fillRecording(plot.signals.createDataSet(), throws.sample(0.5, 0.3, 2));
        plot.signals.notifyChanged(1);
        plot.setRange({0, 500, 0, 200});
        plot.homeRange = {0, 20, 0, 20}; // what the start-up view leaves until a range is set
        session.notifyChanged();
        paint();
    }

    FlightsTableModel& model() const { return session.flights(); }
    QTableView* table() const { return child<QTableView>(page.get(), "FlightsTable"); }
    // A command of the page: its own or one of the session's that it carries.
    QAction* action(const char* name) const
    {
        for (QAction* action : page->actions()) {
            if (action->objectName() == QLatin1String(name))
                return action;
        }
        ADD_FAILURE() << "no action named " << name;
        return nullptr;
    }
    const Flight& flight(int k, int f = 0) const { return model().report(k)->flights.at(std::size_t(f)); }
    QString startHeight(int row) const
    {
        return model().index(row, FlightsTableModel::StartHeightColumn).data().toString();
    }

    // Shows the motor flight, active, with its marks, so that its launch-end mark can be taken.
    QPoint launchEndMark()
    {
        action("FlightMarksAction")->setChecked(true);
        page->flightsPanel()->show();
        table()->selectRow(0);
        paint();
        const PlotLayout& l = box()->plotLayout();
        const DataAreaPixels area{l.plotLeft, l.plotTop, l.plotRight, l.plotBottom};
        return {launchenddrag::pixelOfTime(plot, area, *flight(0).launchEnd), (l.plotTop + l.plotBottom) / 2};
    }
};

} // namespace

TEST_F(FlightsPageTest, theTableListsEveryFlight_andAChosenRowMakesItsSetActiveAndShowsTheFlight)
{
    ASSERT_EQ(model().rowCount(), 4);
    EXPECT_EQ(model().index(0, FlightsTableModel::DataSetColumn).data().toString(), set(0).name());
    EXPECT_EQ(model().index(3, FlightsTableModel::FlightColumn).data().toString(), QStringLiteral("3"));
    EXPECT_FALSE(page->flightsPanel()->isVisible()) << "hidden until asked for";

    action("FlightsTableAction")->trigger();
    ASSERT_TRUE(page->flightsPanel()->isVisible());
    EXPECT_GT(box()->height(), 120) << "the plot keeps its room beside the table";

    const QRect row = table()->visualRect(model().index(2, 0));
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(session.activeSet(), 1);
    const Flight& second = flight(1, 1);
    EXPECT_LT(plot.xMin, second.launch);
    EXPECT_GT(plot.xMax, second.launch + second.duration);
    EXPECT_LT(plot.xMax - plot.xMin, 2 * second.duration) << "zoomed to the flight, not the whole recording";
    EXPECT_LE(plot.yMin, 0);
    EXPECT_GE(plot.yMax, second.maxAltitude);
    EXPECT_LT(plot.yMax, 2 * second.maxAltitude) << "the altitudes of the flight, not those of the start-up view";

    table()->selectRow(0); // the keyboard or a click, the plot follows
    EXPECT_EQ(session.activeSet(), 0);
    EXPECT_LT(plot.xMin, flight(0).launch);
}

TEST_F(FlightsPageTest, theTableFollowsDeleteUndoAndCrop)
{
    DataEditor& editor = session.editor();
    ASSERT_TRUE(editor.deleteDataSet(0));
    EXPECT_EQ(model().rowCount(), 3);
    EXPECT_EQ(model().index(0, FlightsTableModel::DataSetColumn).data().toString(), plot.signals.at(0).name());
    editor.undo();
    EXPECT_EQ(model().rowCount(), 4);

    // Crop to the first throw of the hand launches.
    const Flight first = flight(1, 0);
    plot.setRange({first.launch - 15, first.launch + first.duration + 10, 0, 200});
    editor.crop();
    EXPECT_EQ(model().report(1)->flights.size(), 1u);
    editor.undo();
    EXPECT_EQ(model().report(1)->flights.size(), 3u);
}

TEST_F(FlightsPageTest, draggingTheLaunchEndMark_movesIt_theStartHeightFollows_andItStaysWithTheDataSet)
{
    const QPoint mark = launchEndMark();
    const double estimated = *flight(0).launchEnd;
    const QString before = startHeight(0);
    QSignalSpy analyses(&model(), &FlightsTableModel::modelReset);

    // Earlier by 20 s: the start-height window now ends before the motor cut.
    const QPoint target(at(estimated - 20, 0).x(), mark.y());
    move(mark);
    press(mark);
    EXPECT_EQ(box()->launchEndDragging(), 0);
    EXPECT_FALSE(box()->zoomDragging()) << "the mark is taken instead of starting a zoom";
    move(mark - QPoint(5, 0));
    move(target);
    EXPECT_EQ(analyses.count(), 0) << "no analysis while the mouse moves";
    release(target);
    EXPECT_EQ(analyses.count(), 1);
    EXPECT_EQ(box()->launchEndDragging(), -1);

    EXPECT_FALSE(flight(0).launchEndEstimated);
    EXPECT_NEAR(*flight(0).launchEnd, estimated - 20, 2);
    EXPECT_LT(startHeight(0).toDouble(), before.toDouble() - 40);
    EXPECT_TRUE(flight(1, 0).launchEndEstimated) << "other flights keep their estimate";

    // The moved launch end survives a delete and its undo.
    const QString moved = startHeight(0);
    ASSERT_TRUE(session.editor().deleteDataSet(0));
    session.editor().undo();
    EXPECT_EQ(startHeight(0), moved);
}

TEST_F(FlightsPageTest, aPressAwayFromTheMark_orWithTheMarksHidden_keepsTheMouseModes)
{
    const QPoint mark = launchEndMark();
    const QPoint away = mark + QPoint(3 * launchenddrag::kGrabPixels, 0);
    press(away);
    EXPECT_EQ(box()->launchEndDragging(), -1);
    EXPECT_TRUE(box()->zoomDragging());
    release(away);

    session.commands().flightMarks->setChecked(false);
    press(mark);
    EXPECT_EQ(box()->launchEndDragging(), -1);
    EXPECT_TRUE(box()->zoomDragging());
    release(mark);
}

TEST_F(FlightsPageTest, theStartHeightWindowBox_appliesAtOnceToTheTableTheBandAndTheExportedMarks)
{
    // A motor climb that runs into a thermal: how long the window lasts decides the start height.
    FlightPathBuilder path(0);
    path.stay(20).motorLaunch(6, 25).glide(0.5, 5).thermal(2, 60).glide(0.6, 200).landAt(0, 1.0).stay(30);
    fillRecording(set(0), path.sample(0.5, 0.3, 1));
    plot.signals.notifyChanged(0);
    action("FlightsTableAction")->trigger();
    action("FlightMarksAction")->setChecked(true);
    action("FlightMarksInOutputAction")->setChecked(true);
    table()->selectRow(0);
    ASSERT_EQ(session.activeSet(), 0);

    auto* box = child<QDoubleSpinBox>(page.get(), "FlightsWindowSpin");
    EXPECT_EQ(box->value(), 10.0);
    EXPECT_EQ(model().window(), 10.0);
    const double atTen = *flight(0).startHeight;
    const QString shownAtTen = startHeight(0);

    // Typed: taken when complete, not at every key.
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("40"));
    EXPECT_EQ(model().window(), 10.0) << "half-typed values are not analysed";
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(model().window(), 40.0);
    EXPECT_GT(*flight(0).startHeight, atTen + 40) << "30 s more of a 2 m/s climb";
    EXPECT_NE(startHeight(0), shownAtTen);
    EXPECT_NEAR(*flight(0).windowEnd - *flight(0).launchEnd, 40.0, 1e-9) << "the band follows";
    const RenderOptions output = session.output().renderOptions();
    ASSERT_NE(output.flights, nullptr);
    EXPECT_EQ(output.flights->flights.at(0).windowEnd, flight(0).windowEnd) << "exports and prints mark the same";

    // The arrows step whole seconds, at once.
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(model().window(), 39.0);
}

namespace {

class FlightsWindowTest : public WindowTest {
protected:
    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }
};

} // namespace

TEST_F(FlightsWindowTest, theExampleFlightHasItsRows_andTheTogglesAreRememberedBetweenRuns)
{
    startWindow();
    DataPage* page = pageOf<DataPage>(*window);
    PlotSession& session = window->session();
    const int before = session.flights().rowCount();
    session.files().loadFiles({QStringLiteral(VIMO_SOURCE_DIR "/docs/examples/evening-thermal.csv")});
    ASSERT_GT(session.flights().rowCount(), before);
    const FlightsTableModel::RowFlight last = session.flights().rowFlight(session.flights().rowCount() - 1);
    EXPECT_EQ(last.dataSet, session.plot().signals.size() - 1);

    EXPECT_FALSE(session.commands().flightMarks->isChecked());
    EXPECT_FALSE(session.output().flightMarks()) << "off in exports and prints unless asked for";
    for (const char* name : {"FlightsTableAction", "FlightMarksAction", "FlightMarksInOutputAction"}) {
        ASSERT_NE(action(name), nullptr) << name;
        EXPECT_TRUE(window->viewMenu()->actions().contains(action(name))) << name;
        action(name)->trigger();
    }
    EXPECT_TRUE(page->plotBox()->flightMarksShown());
    EXPECT_TRUE(session.output().flightMarks());

    window->close();
    window.reset();
    startWindow();
    EXPECT_TRUE(pageOf<DataPage>(*window)->flightsTableAction()->isChecked());
    EXPECT_TRUE(pageOf<DataPage>(*window)->plotBox()->flightMarksShown());
    EXPECT_TRUE(window->session().output().flightMarks());
    action("FlightMarksAction")->trigger();
    EXPECT_FALSE(pageOf<DataPage>(*window)->plotBox()->flightMarksShown());
}

TEST_F(FlightsWindowTest, theStartHeightWindowIsRememberedBetweenRuns_andABadStoredOneFallsBackToTen)
{
    startWindow();
    const auto box = [this] { return window->findChild<QDoubleSpinBox*>(QStringLiteral("FlightsWindowSpin")); };
    ASSERT_NE(box(), nullptr);
    EXPECT_EQ(box()->value(), 10.0);
    box()->setValue(25.5);
    EXPECT_EQ(window->session().flights().window(), 25.5);

    window->close();
    window.reset();
    startWindow();
    EXPECT_EQ(box()->value(), 25.5);
    EXPECT_EQ(window->session().flights().window(), 25.5);

    window->close();
    window.reset();
    store().setValue(QStringLiteral("Session/StartHeightWindow"), QStringLiteral("ten"));
    startWindow();
    EXPECT_EQ(box()->value(), 10.0);
    EXPECT_EQ(window->session().flights().window(), 10.0);
}

} // namespace vimo::test
