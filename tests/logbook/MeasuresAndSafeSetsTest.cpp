// What the index says beyond the file's own figures: the measures of each flight in the file's unit, and which of
// a module's sets are safely archived before an erase.

#include "LogbookTestData.h"
#include "analysis/FlightAnalysis.h"
#include "logbook/ArchivedSets.h"
#include "logbook/Logbook.h"
#include "module/ModuleSession.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

// A motor launch from a field 120 m up: 30 s on the ground, a climb of 150 m, a glide and a landing.
void makeLaunchedFlight(Plot& plot, double metresPerUnit = 1.0)
{
    FlightPathBuilder path(120);
    path.stay(30).motorLaunch(10, 15).glide(0.8, 60).landAt(120, 1.0).stay(30);
    const SyntheticRecording r = path.sample(0.5, 0.2, 3, metresPerUnit);
    DataSet& set = plot.signals.createDataSet();
    set.clearSamples();
    for (std::size_t i = 0; i < r.times.size(); ++i)
        set.altitude.series.append(r.times[i], r.altitudes[i]);
    plot.yLabel = metresPerUnit == 1.0 ? QStringLiteral("Altitude (meters)") : QStringLiteral("Altitude (Feet)");
}

ArchivedRecording archiveOne(Logbook& logbook, const Plot& plot)
{
    const ArchiveOutcome outcome = logbook.archive(plot, 0, facts(1));
    EXPECT_TRUE(outcome.archived) << outcome.reason.toStdString();
    const std::vector<ArchivedRecording> rows = logbook.index().recordings();
    return rows.empty() ? ArchivedRecording{} : rows.front();
}

ArchivedRecording record(int set, const QString& path, bool incomplete = false, const QString& device = "VIMO")
{
    ArchivedRecording r;
    r.set = set;
    r.path = path;
    r.incomplete = incomplete;
    r.deviceName = device;
    r.model = QStringLiteral("MOD2");
    r.softwareVersion = QStringLiteral("1.07");
    return r;
}

ModuleIdentity vimoModule()
{
    return {QStringLiteral("VIMO"), QStringLiteral("MOD2"), QStringLiteral("1.07"), QStringLiteral("08-27-03")};
}

} // namespace

TEST(FlightMeasures, archivedFlight_recordingCarriesItsFlightsMeasuresInTheFilesUnit)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    for (const double metresPerUnit : {1.0, 0.3048}) {
        Plot plot;
        makeLaunchedFlight(plot, metresPerUnit);
        const ArchivedRecording row = archiveOne(logbook, plot);
        ASSERT_EQ(row.flights.size(), 1u);
        const FlightMeasures& f = row.flights[0];
        EXPECT_EQ(f.number, 1);
        EXPECT_NEAR(f.launch, 30.0, 2.0);
        EXPECT_NEAR(f.duration, 15 + 1.5 + 60 + 105.75, 5.0); // climb, zoom, glide, landing at 1 m/s
        // About 154 m above the field, in the file's unit: the field's own 120 m are not counted.
        EXPECT_NEAR(f.highestAltitude * metresPerUnit, 154.0, 5.0);
        ASSERT_TRUE(f.startHeight && f.penalty);
        EXPECT_NEAR(*f.startHeight * metresPerUnit, 154.0, 8.0);
        EXPECT_EQ(*f.penalty, f5jPenalty(std::round(*f.startHeight * metresPerUnit))) << "counted from metres";
        QFile::remove(logbook.absolutePath(row.path));
        logbook.index().sync();
    }
}

TEST(FlightMeasures, setInMetresOnAPlotLabelledInFeet_isArchivedAndMeasuredInMetres)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    Plot plot;
    makeLaunchedFlight(plot);
    plot.signals.at(0).unit = AltitudeUnit::Meters;
    plot.yLabel = QStringLiteral("Altitude (feet)"); // a feet download came after it
    const ArchivedRecording row = archiveOne(logbook, plot);
    EXPECT_EQ(row.unit, "meters");
    ASSERT_EQ(row.flights.size(), 1u);
    ASSERT_TRUE(row.flights[0].startHeight);
    EXPECT_NEAR(*row.flights[0].startHeight, 154.0, 8.0);
}

TEST(FlightMeasures, recordingWithoutAFlight_hasNoFlights)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    Plot plot;
    DataSet& set = plot.signals.createDataSet();
    set.clearSamples();
    for (int i = 0; i < 200; ++i)
        set.altitude.series.append(i * 0.5, 120.0);
    plot.yLabel = QStringLiteral("Altitude (meters)");
    const ArchivedRecording row = archiveOne(logbook, plot);
    EXPECT_EQ(row.samples, 200);
    EXPECT_TRUE(row.flights.empty());
}

TEST(SafelyArchivedSets, countsEachSetOnceOnlyWhenWholeFromThisModuleAndThisConnection)
{
    const QSet<QString> thisConnection{"a/1.csv", "a/2.csv", "a/2b.csv", "a/3.csv", "a/4.csv", "a/9.csv"};
    const std::vector<ArchivedRecording> flights{
        record(1, "a/1.csv"),
        record(2, "a/2.csv", true),           // ended early
        record(2, "a/2b.csv"),                // the same set again, whole: set 2 is safe
        record(3, "a/3.csv", false, "OTHER"), // another module
        record(4, "old/4.csv"),               // archived before this connection
        record(9, "a/9.csv"),                 // not one of the module's sets
        record(1, "a/4.csv"),                 // set 1 twice counts once
    };
    const ArchivedSets sets = safelyArchivedSets(flights, vimoModule(), 4, thisConnection);
    EXPECT_TRUE(sets.counted);
    EXPECT_EQ(sets.total, 4);
    EXPECT_EQ(sets.archived, 2);
    EXPECT_FALSE(safelyArchivedSets(flights, vimoModule(), std::nullopt, thisConnection).counted);
}

TEST(SafelyArchivedSets, textSaysWhatIsNotArchivedFirst)
{
    const QString some = archivedSetsText({true, 3, 1});
    EXPECT_TRUE(some.startsWith("2 of the 3 data sets in the device are NOT archived")) << some.toStdString();
    EXPECT_LT(some.indexOf("NOT archived"), some.indexOf("1 of 3 is safely archived"));
    EXPECT_TRUE(archivedSetsText({true, 1, 0}).startsWith("1 of the 1 data set in the device is NOT archived"));
    EXPECT_TRUE(archivedSetsText({true, 3, 3}).startsWith("All 3 data sets in the device are safely archived"));
    EXPECT_TRUE(archivedSetsText({false, 0, 0}).contains("have not been counted"));
    EXPECT_TRUE(archivedSetsText({true, 0, 0}).contains("found no data sets"));
}
