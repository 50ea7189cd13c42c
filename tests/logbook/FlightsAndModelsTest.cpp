// A recording holds many flights, and a recording has a model: a hand-launch session is one recording with a
// flight per launch, the model is kept beside the file so that a rebuilt index still knows it, and an index of the
// one-row-per-file schema is taken forward without losing a row.

#include "LogbookTestData.h"
#include "logbook/ArchiveFiles.h"
#include "logbook/Logbook.h"
#include "support/WriteLimit.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

constexpr int kLaunches = 8;

// A session of eight hand launches from a field 300 m up, with walks back between them.
void makeHandLaunchSession(Plot& plot)
{
    FlightPathBuilder path(300);
    path.stay(20);
    for (int i = 0; i < kLaunches; ++i)
        path.handLaunch(30 + 2 * i).glide(0.6, 20).landAt(300, 0.8).stay(40);
    fillRecording(plot.signals.createDataSet(), path.sample(0.5, 0.2, 11));
    plot.yLabel = QStringLiteral("Altitude (meters)");
}

ArchivedRecording only(Logbook& logbook)
{
    const std::vector<ArchivedRecording> rows = logbook.index().recordings();
    EXPECT_EQ(rows.size(), 1u);
    return rows.empty() ? ArchivedRecording{} : rows.front();
}

} // namespace

TEST(FlightsAndModels, handLaunchSession_isOneRecordingWithAFlightPerLaunch_inOrder)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    Plot plot;
    makeHandLaunchSession(plot);
    ASSERT_TRUE(logbook.archive(plot, 0, facts(1)).archived);

    const ArchivedRecording r = only(logbook);
    ASSERT_EQ(int(r.flights.size()), kLaunches);
    for (int i = 0; i < kLaunches; ++i) {
        const FlightMeasures& f = r.flights[std::size_t(i)];
        EXPECT_EQ(f.number, i + 1);
        ASSERT_TRUE(f.startHeight) << "launch " << i + 1;
        EXPECT_NEAR(*f.startHeight, 30 + 2 * i + 8, 3.0) << "the throw and its zoom, above the field";
        if (i > 0)
            EXPECT_GT(f.launch, r.flights[std::size_t(i - 1)].launch + r.flights[std::size_t(i - 1)].duration);
    }
    // The flights come back from the index, not only from the file just read.
    Logbook reopened(dir.path());
    EXPECT_EQ(only(reopened).flights, r.flights);
}

TEST(FlightsAndModels, modelIsKeptInTheFactsFileAndTheIndex_andSurvivesARebuild)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    Plot plot;
    makeFlight(plot, 200);
    ASSERT_TRUE(logbook.archive(plot, 0, facts(2)).archived);
    const QString path = only(logbook).path;

    QString reason;
    ASSERT_TRUE(logbook.setAirframe(path, QStringLiteral("  Bubble\nDancer "), &reason)) << reason.toStdString();
    EXPECT_EQ(only(logbook).airframe, "Bubble Dancer") << "one line, trimmed";
    EXPECT_EQ(logbook.index().airframes(), QStringList{"Bubble Dancer"});
    const QByteArray facts = readFile(downloadfacts::pathFor(logbook.absolutePath(path)));
    EXPECT_TRUE(facts.contains("\"airframe\": \"Bubble Dancer\"")) << facts.toStdString();
    EXPECT_TRUE(facts.contains("\"set\": 2")) << "the other facts stay";

    QFile::remove(QDir(dir.path()).filePath(LogbookIndex::kFileName));
    Logbook rebuilt(dir.path());
    EXPECT_EQ(only(rebuilt).airframe, "Bubble Dancer");
    ASSERT_TRUE(rebuilt.rename(path, QStringLiteral("Renamed")));
    EXPECT_EQ(only(rebuilt).airframe, "Bubble Dancer") << "a file read again keeps its model";

    ASSERT_TRUE(rebuilt.setAirframe(path, QString()));
    EXPECT_TRUE(rebuilt.index().airframes().isEmpty());
}

TEST(FlightsAndModels, modelOfAFileWithoutFacts_writesFactsThatChangeNothingElse)
{
    QTemporaryDir dir;
    writeFlightFile(dir.filePath("by hand/Alt_2024-05-05_9.csv"), 40, QStringLiteral("Hand"));
    Logbook logbook(dir.path());
    const ArchivedRecording before = only(logbook);
    ASSERT_TRUE(logbook.setAirframe(before.path, QStringLiteral("Radian")));
    QFile::remove(QDir(dir.path()).filePath(LogbookIndex::kFileName));
    Logbook rebuilt(dir.path());
    ArchivedRecording after = only(rebuilt);
    EXPECT_EQ(after.airframe, "Radian");
    after.airframe.clear();
    EXPECT_EQ(after, before) << "dated and numbered as before";
}

#ifdef Q_OS_UNIX
TEST(FlightsAndModels, modelThatCannotBeWritten_keepsTheOldFactsAndIndexAndSaysWhy)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    Plot plot;
    makeFlight(plot, 50);
    ASSERT_TRUE(logbook.archive(plot, 0, facts(1)).archived);
    const QString path = only(logbook).path;
    ASSERT_TRUE(logbook.setAirframe(path, QStringLiteral("Old")));
    const QByteArray factsBefore = readFile(downloadfacts::pathFor(logbook.absolutePath(path)));

    QString reason;
    bool set = true;
    {
        WriteLimit full(16); // no facts file fits
        set = logbook.setAirframe(path, QStringLiteral("New"), &reason);
    }
    EXPECT_FALSE(set);
    EXPECT_EQ(reason, QString::fromStdString(std::system_category().message(EFBIG)));
    EXPECT_EQ(readFile(downloadfacts::pathFor(logbook.absolutePath(path))), factsBefore);
    EXPECT_EQ(only(logbook).airframe, "Old");
}
#endif

// The schema before flights had their own table: one row per file with the measures of its first flight.
TEST(FlightsAndModels, indexOfTheOneRowPerFileSchema_keepsEveryRowAndItsFirstFlight_thenReadsAllFlights)
{
    QTemporaryDir dir;
    Plot plot;
    makeHandLaunchSession(plot);
    writeFile(dir.filePath("2026-06-01/Alt_2026-06-01_1.csv"), datafile::dataSetFileBytes(plot, 0));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "version2");
        db.setDatabaseName(dir.filePath(LogbookIndex::kFileName));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(
            q.exec("CREATE TABLE flights (path TEXT PRIMARY KEY NOT NULL, downloaded TEXT NOT NULL,"
                   " set_number INTEGER NOT NULL, device_name TEXT NOT NULL, model TEXT NOT NULL,"
                   " software_version TEXT NOT NULL, samples INTEGER NOT NULL, interval REAL, unit TEXT NOT NULL,"
                   " trigger_count INTEGER NOT NULL, first_time REAL, last_time REAL, first_value REAL,"
                   " last_value REAL, highest_value REAL, name TEXT NOT NULL, notes TEXT NOT NULL,"
                   " incomplete INTEGER NOT NULL, launch REAL, duration REAL, start_height REAL,"
                   " highest_altitude REAL, file_size INTEGER NOT NULL, file_modified INTEGER NOT NULL)"));
        for (const char* row :
             {"('2026-06-01/Alt_2026-06-01_1.csv', '2026-06-01T10:00:00.000Z', 1, 'VIMO', 'MOD2', '1.07', 10, 0.5,"
              " 'meters', 0, 0, 5, 300, 300, 340, 'Session', '', 0, 20, 30, 38, 40, 1, 1)",
              "('gone/unreadable.csv', '2026-05-01T10:00:00.000Z', 4, 'VIMO', 'MOD2', '1.07', 10, 0.5,"
              " 'meters', 0, 0, 5, 300, 300, 340, 'Old one', '', 0, 12, 90, 55, 60, 1, 1)"})
            ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO flights VALUES ") + QLatin1String(row))) << row;
        ASSERT_TRUE(q.exec("PRAGMA user_version = 2"));
        db.close();
    }
    QSqlDatabase::removeDatabase("version2");

    LogbookIndex migrated(dir.path()); // opened, not yet brought in line with the files
    std::vector<ArchivedRecording> rows = migrated.recordings();
    ASSERT_EQ(rows.size(), 2u) << migrated.lastError().toStdString();
    EXPECT_EQ(rows[1].name, "Old one");
    EXPECT_EQ(rows[1].set, 4);
    ASSERT_EQ(rows[1].flights.size(), 1u);
    EXPECT_EQ(rows[1].flights[0].duration, 90);
    EXPECT_EQ(rows[1].flights[0].startHeight, 55);
    EXPECT_EQ(rows[1].fileSize, -1) << "marked to be read from its file again";

    // The file that is there is read again: every launch becomes a flight.
    Logbook logbook(dir.path());
    rows = logbook.index().recordings();
    ASSERT_EQ(rows.size(), 1u) << "the row of the file that is gone goes with it";
    EXPECT_EQ(int(rows[0].flights.size()), kLaunches);
    EXPECT_FALSE(rows[0].digest.isEmpty());
    QSqlQuery q(logbook.index().database());
    ASSERT_TRUE(q.exec("PRAGMA user_version") && q.next());
    EXPECT_EQ(q.value(0).toInt(), LogbookIndex::kSchemaVersion);
}
