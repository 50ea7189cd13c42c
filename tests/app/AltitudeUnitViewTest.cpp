// The altitude unit on the "Recorded Data" page: data sets in feet and metres on one plot, shown in the axis unit
// that View -> Altitude Unit chooses, without any sample changing.

#include "PageFixture.h"

#include "app/plotview/FlightsTableModel.h"
#include "data/AltitudeAxis.h"
#include "support/SyntheticFlight.h"

#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>

namespace vimo::test {
namespace {

constexpr double kFoot = 0.3048;

// Data set 0 is the fixture's climb, in metres (0..200 m over 100 s); data set 1 three hand launches recorded in
// feet.
struct AltitudeUnitView : PageFixture {
    void SetUp() override
    {
        PageFixture::SetUp();
        set(0).unit = AltitudeUnit::Meters;
        FlightPathBuilder throws(0);
        throws.stay(20);
        for (int i = 0; i < 3; ++i)
            throws.handLaunch(40).glide(0.6, 40).landAt(0, 0.8).stay(30);
        DataSet& feet = plot.signals.createDataSet();
        fillRecording(feet, throws.sample(0.5, 0.3, 2, kFoot));
        feet.unit = AltitudeUnit::Feet;
        plot.signals.notifyChanged(1);
        session.setActiveSet(0);
        session.notifyChanged();
        paint();
    }

    QString cell(int row, int column) const { return session.flights().index(row, column).data().toString(); }
    QString header(int column) const { return session.flights().headerData(column, Qt::Horizontal).toString(); }
    // The first row of data set 1 (its first flight).
    int feetRow() const
    {
        for (int row = 0; row < session.flights().rowCount(); ++row) {
            if (session.flights().rowFlight(row).dataSet == 1)
                return row;
        }
        ADD_FAILURE() << "no flight of the feet data set";
        return -1;
    }
    // A command the page carries.
    QAction* action(const char* name) const
    {
        for (QAction* action : page->actions()) {
            if (action->objectName() == QLatin1String(name))
                return action;
        }
        return nullptr;
    }
    QString statsLine() const { return page->findChild<QLabel*>(QStringLiteral("StatsDisp"))->text(); }
};

TEST_F(AltitudeUnitView, theFlightsTableShowsEveryHeightInTheAxisUnit_andItsPenaltyFromMetres)
{
    const Flight& recorded = session.flights().report(1)->flights.at(0);
    ASSERT_TRUE(recorded.startHeight && recorded.f5jPenalty);
    const double feet = *recorded.startHeight; // the analysis works in the data set's own unit
    const int row = feetRow();

    // As Recorded: the first data set's metres.
    EXPECT_EQ(axisUnit(plot), AltitudeUnit::Meters);
    EXPECT_EQ(header(FlightsTableModel::StartHeightColumn), QStringLiteral("Start Height (m)"));
    EXPECT_EQ(header(FlightsTableModel::HighestColumn), QStringLiteral("Highest (m)"));
    EXPECT_NEAR(cell(row, FlightsTableModel::StartHeightColumn).toDouble(), feet * kFoot, 0.051);
    const QString penalty = cell(row, FlightsTableModel::PenaltyColumn);

    session.setAltitudeAxis(AltitudeAxisChoice::Feet);
    EXPECT_EQ(header(FlightsTableModel::StartHeightColumn), QStringLiteral("Start Height (ft)"));
    EXPECT_NEAR(cell(row, FlightsTableModel::StartHeightColumn).toDouble(), feet, 0.051);
    EXPECT_EQ(cell(row, FlightsTableModel::PenaltyColumn), penalty) << "the penalty is always one of metres";
    EXPECT_EQ(session.flights().report(1)->flights.at(0).startHeight, recorded.startHeight)
        << "the unit of the view does not analyse again";
}

TEST_F(AltitudeUnitView, theChoiceConvertsReadoutStatisticsAndView_butNoSample)
{
    const QList<double> before = {set(0).altitude.series.altitude(50), set(1).altitude.series.altitude(50)};
    const QString metresStats = statsLine();
    EXPECT_TRUE(metresStats.contains(QStringLiteral("High 200.0"))) << metresStats.toStdString();

    QAction* feet = action("UnitFeetAction");
    ASSERT_NE(feet, nullptr);
    feet->trigger();
    EXPECT_TRUE(feet->isChecked());
    EXPECT_FALSE(action("UnitAsRecordedAction")->isChecked());
    EXPECT_EQ(axisUnit(plot), AltitudeUnit::Feet);
    EXPECT_EQ(unitNamedBy(axisLabel(plot)), AltitudeUnit::Feet);
    EXPECT_NEAR(plot.yMax, 200 / kFoot, 1e-6) << "the view shows the same stretch of the flights";
    paint();
    EXPECT_TRUE(statsLine().contains(QStringLiteral("High 656.2"))) << statsLine().toStdString();

    // The read-out of the active (metres) data set at 50 s, 100 m: 328 ft.
    QSignalSpy readouts(box(), &PlotBox::readout);
    move(at(50, 100 / kFoot));
    ASSERT_FALSE(readouts.isEmpty());
    EXPECT_TRUE(readouts.last().at(0).toString().contains(QRegularExpression(QStringLiteral("Altitude = +328$"))))
        << readouts.last().at(0).toString().toStdString();

    EXPECT_EQ(set(0).altitude.series.altitude(50), before[0]);
    EXPECT_EQ(set(1).altitude.series.altitude(50), before[1]);
    EXPECT_EQ(set(1).unit, AltitudeUnit::Feet);
}

// With "As Recorded", deleting the data set whose unit the axis shows hands the axis to the next one; the view
// follows into the new unit and back on undo, so it keeps showing the same stretch.
TEST_F(AltitudeUnitView, asRecorded_theViewFollowsWhenTheFirstUnitLeavesAndComesBack)
{
    std::unique_ptr<DataSet> metres = plot.signals.takeDataSet(0);
    EXPECT_EQ(axisUnit(plot), AltitudeUnit::Feet);
    EXPECT_NEAR(plot.yMax, 200 / kFoot, 1e-6);
    plot.signals.insertDataSet(0, std::move(metres));
    EXPECT_EQ(axisUnit(plot), AltitudeUnit::Meters);
    EXPECT_NEAR(plot.yMax, 200, 1e-6);
}

} // namespace
} // namespace vimo::test
