// The Logbook table as the page shows it: one row per flight, what its cells read, how they sort and filter, and
// the totals of the rows shown.

#include "logbook/LogbookModel.h"
#include "logbook/LogbookIndex.h"
#include "logbook/LogbookTotals.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using namespace vimo;

namespace {

FlightMeasures flight(int number, double duration, std::optional<double> startHeight)
{
    FlightMeasures f;
    f.number = number;
    f.launch = 100.0 * number;
    f.duration = duration;
    f.startHeight = startHeight;
    f.penalty = startHeight ? std::optional(*startHeight / 2) : std::nullopt; // any number will do here
    f.highestAltitude = startHeight.value_or(0) + 10;
    return f;
}

ArchivedRecording recording(const QString& path, int day, const QString& airframe, const QString& unit,
                            std::vector<FlightMeasures> flights)
{
    ArchivedRecording r;
    r.path = path;
    r.name = path.section('.', 0, 0);
    r.downloaded = QDateTime(QDate(2026, 6, day), QTime(10, 30), Qt::UTC);
    r.airframe = airframe;
    r.unit = unit;
    r.flights = std::move(flights);
    return r;
}

QStringList column(const QAbstractItemModel& model, int c)
{
    QStringList cells;
    for (int row = 0; row < model.rowCount(); ++row)
        cells << model.index(row, c).data().toString();
    return cells;
}

std::vector<ShownFlight> shown(const LogbookModel& model, const LogbookFilter& filter)
{
    std::vector<ShownFlight> flights;
    for (const int row : filter.shownSourceRows()) {
        if (const FlightMeasures* f = model.flight(row))
            flights.push_back({f, model.unit(row)});
    }
    return flights;
}

// Three recordings: a hand-launch session of three launches (metres), a single flight in feet, and a recording
// without a flight.
struct SeasonIndex {
    QTemporaryDir dir;
    LogbookIndex index{dir.path()};
    LogbookModel model;
    LogbookFilter filter;

    SeasonIndex()
    {
        EXPECT_TRUE(index.put(std::vector<ArchivedRecording>{
            recording("session.csv", 1, "Bubble Dancer", "meters",
                      {flight(1, 60, 30.0), flight(2, 95, 42.0), flight(3, 30, std::nullopt)}),
            recording("feet.csv", 2, "Supra", "feet", {flight(1, 605.4, 328.084)}),
            recording("ground.csv", 3, "", "meters", {}),
        }));
        model.reload(index);
        filter.setSourceModel(&model);
        filter.sort(LogbookModel::Date, Qt::DescendingOrder);
    }
};

} // namespace

TEST(LogbookModel, eachFlightIsARow_aRecordingWithoutOneHasANoFlightRow_andARecordingsRowsStayTogether)
{
    SeasonIndex s;
    EXPECT_EQ(column(s.filter, LogbookModel::File),
              (QStringList{"ground.csv", "feet.csv", "session.csv", "session.csv", "session.csv"}));
    EXPECT_EQ(column(s.filter, LogbookModel::Flight), (QStringList{"no flight", "1/1", "1/3", "2/3", "3/3"}));
    EXPECT_EQ(column(s.filter, LogbookModel::StartHeight), (QStringList{"", "328.1", "30.0", "42.0", "-"}));
    EXPECT_EQ(column(s.filter, LogbookModel::Unit), (QStringList{"m", "ft", "m", "m", "m"}));
    EXPECT_EQ(column(s.filter, LogbookModel::Model),
              (QStringList{"", "Supra", "Bubble Dancer", "Bubble Dancer", "Bubble Dancer"}));
    EXPECT_EQ(column(s.filter, LogbookModel::Launch).at(3), "200.0") << "the launch time within the recording";

    // Sorted by start height the flights of all recordings compare; unknown ones come last.
    s.filter.sort(LogbookModel::StartHeight, Qt::DescendingOrder);
    EXPECT_EQ(column(s.filter, LogbookModel::StartHeight), (QStringList{"328.1", "42.0", "30.0", "", "-"}));
}

TEST(LogbookModel, durationReadsMinutesAndSecondsLikeTheFlightsTable_andSortsByTheSeconds)
{
    SeasonIndex s;
    s.filter.sort(LogbookModel::Duration, Qt::AscendingOrder);
    // As text "10:05" would come before "9:00"; the recording without a flight comes first.
    EXPECT_EQ(column(s.filter, LogbookModel::Duration), (QStringList{"", "0:30", "1:00", "1:35", "10:05"}));
}

TEST(LogbookModel, filterByModelAndText_andTheTotalsFollowTheRowsShown)
{
    SeasonIndex s;
    // Every flight: the heights compare in metres, as the recordings' units differ.
    LogbookTotals all = totalsOf(shown(s.model, s.filter));
    EXPECT_EQ(all.flights, 4);
    EXPECT_DOUBLE_EQ(all.airTime, 60 + 95 + 30 + 605.4);
    EXPECT_DOUBLE_EQ(all.longest, 605.4);
    EXPECT_EQ(all.unit, AltitudeUnit::Meters);
    EXPECT_NEAR(*all.bestStartHeight, 100.0, 1e-3);
    EXPECT_NEAR(*all.meanStartHeight, (30 + 42 + 100.0) / 3, 1e-3);
    EXPECT_DOUBLE_EQ(*all.worstStartHeight, 30.0);
    EXPECT_EQ(totalsText(all), "4 flights, air time 13:10, longest 10:05, start height best 100.0 m, mean 57.3 m, "
                               "worst 30.0 m, penalty 200.042");

    s.filter.setAirframe(QStringLiteral("bubble dancer"));
    EXPECT_EQ(s.filter.rowCount(), 3);
    const LogbookTotals bubble = totalsOf(shown(s.model, s.filter));
    EXPECT_EQ(bubble.flights, 3);
    EXPECT_DOUBLE_EQ(bubble.penalty, 36.0) << "the flight without a start height costs nothing";

    s.filter.setAirframe(QString()); // the recordings without a model
    EXPECT_EQ(column(s.filter, LogbookModel::File), QStringList{"ground.csv"});
    EXPECT_EQ(totalsText(totalsOf(shown(s.model, s.filter))), "No flights");

    s.filter.setAirframe(std::nullopt);
    s.filter.setText(QStringLiteral("supra"));
    const LogbookTotals supra = totalsOf(shown(s.model, s.filter));
    EXPECT_EQ(supra.unit, AltitudeUnit::Feet) << "one unit: the heights stay in it";
    EXPECT_EQ(totalsText(supra), "1 flight, air time 10:05, longest 10:05, start height best 328.1 ft, mean 328.1 ft, "
                                 "worst 328.1 ft, penalty 164.042");
}
