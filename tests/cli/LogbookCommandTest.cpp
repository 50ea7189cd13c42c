// vimo-cli download keeps every set in the archive, and vimo-cli logbook lists, imports and rebuilds it.

#include "data/DataFile.h"
#include "data/Plot.h"
#include "support/CliRun.h"
#include "support/SimFixture.h"
#include "support/SyntheticFlight.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

CliRun download(SimFixture& sim, QStringList more)
{
    return runCli(QStringList{"download", "--port", sim.path(), "--set"} + more);
}

QJsonArray listJson(const QString& archive)
{
    const CliRun r = runCli({"logbook", "--json", "--archive", archive});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out.toUtf8()).array();
}

int csvFiles(const QString& folder)
{
    int n = 0;
    for (const QFileInfo& sub : QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        n += int(QDir(sub.filePath()).entryList({"*.csv"}, QDir::Files).size());
    return n;
}

} // namespace

TEST(LogbookCli, download_archivesEverySetAndLogbookListsThemAsJson)
{
    SimFixture sim;
    QTemporaryDir out;
    QTemporaryDir archive;
    const CliRun r = download(sim, {"all", "--out", out.path(), "--archive", archive.path()});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count("Archived "), 3);
    EXPECT_EQ(csvFiles(archive.path()), 3);

    const QJsonArray list = listJson(archive.path());
    ASSERT_EQ(list.size(), 3);
    const QJsonObject newest = list.at(0).toObject();
    EXPECT_EQ(newest.value("set").toInt(), 3) << "newest first; one download orders by set";
    for (const char* key :
         {"file", "downloaded", "set", "name", "samples", "unit", "incomplete", "firstTime", "lastTime", "maxAltitude"})
        EXPECT_TRUE(newest.contains(QLatin1String(key))) << key;
    EXPECT_FALSE(newest.value("incomplete").toBool());
    EXPECT_GT(newest.value("samples").toInt(), 1000);
    EXPECT_TRUE(QDateTime::fromString(newest.value("downloaded").toString(), Qt::ISODate).isValid());
    EXPECT_EQ(readFile(newest.value("file").toString()),
              readFile(QDir(out.path()).filePath(QFileInfo(newest.value("file").toString()).fileName())))
        << "the archived file is the file saved to --out";
}

TEST(LogbookCli, download_setThatEndsEarly_isArchivedAndMarkedIncomplete)
{
    sim::SimOptions options;
    options.faults.silenceAfterWords = 100;
    SimFixture sim(options);
    QTemporaryDir out;
    QTemporaryDir archive;
    download(sim, {"1", "--out", out.path(), "--archive", archive.path()});
    const QJsonArray list = listJson(archive.path());
    ASSERT_EQ(list.size(), 1);
    EXPECT_TRUE(list.at(0).toObject().value("incomplete").toBool());
    EXPECT_LT(list.at(0).toObject().value("samples").toInt(), 100);
}

TEST(LogbookCli, download_archiveThatCannotBeWritten_stillSavesAndSaysSoPlainly)
{
    SimFixture sim;
    QTemporaryDir out;
    QTemporaryDir dir;
    writeFile(dir.filePath("plain"), "x");
    const CliRun r = download(sim, {"2", "--out", out.path(), "--archive", dir.filePath("plain/flights")});
    EXPECT_EQ(r.code, 0) << "the download itself worked";
    EXPECT_TRUE(r.err.contains("Set 2 was NOT archived")) << r.err.toStdString();
    EXPECT_EQ(QDir(out.path()).entryList({"*.csv"}).size(), 1);
}

TEST(LogbookCli, download_noArchive_leavesTheArchiveAlone)
{
    SimFixture sim;
    QTemporaryDir out;
    QTemporaryDir archive;
    const QByteArray saved = qgetenv("VIMO_ARCHIVE");
    qputenv("VIMO_ARCHIVE", archive.path().toUtf8());
    const CliRun r = download(sim, {"1", "--out", out.path(), "--no-archive"});
    const CliRun both = download(sim, {"1", "--out", out.path(), "--no-archive", "--archive", archive.path()});
    qputenv("VIMO_ARCHIVE", saved);
    EXPECT_EQ(r.code, 0);
    EXPECT_FALSE(r.out.contains("Archived"));
    EXPECT_TRUE(QDir(archive.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_EQ(both.code, 2);
}

TEST(LogbookCli, importRebuildAndStrayWords)
{
    QTemporaryDir archive;
    QTemporaryDir source;
    Plot plot;
    plot.signals.createDataSet();
    plot.signals.rename(0, QStringLiteral("Sommerflug über Äcker"));
    writeFile(source.filePath("Alt_2025-07-01_2.csv"), datafile::dataSetFileBytes(plot, 0));

    const CliRun imported = runCli({"logbook", "import", source.path(), "--archive", archive.path()});
    EXPECT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.startsWith("Imported "));
    const CliRun listed = runCli({"logbook", "--archive", archive.path()});
    EXPECT_TRUE(listed.out.contains(QStringLiteral("  set 2  Sommerflug über Äck  21 samples")))
        << listed.out.toStdString();

    QFile::remove(QDir(archive.path()).filePath("logbook.sqlite"));
    const CliRun rebuilt = runCli({"logbook", "rebuild", "--archive", archive.path()});
    EXPECT_EQ(rebuilt.code, 0);
    EXPECT_EQ(rebuilt.out, "1 flights indexed\n");

    EXPECT_EQ(runCli({"logbook", "list", "--archive", archive.path()}).code, 2);
    EXPECT_EQ(runCli({"logbook", "rebuild", "now", "--archive", archive.path()}).code, 2);
    EXPECT_EQ(runCli({"logbook", "import", "--archive", archive.path()}).code, 2);
    EXPECT_EQ(runCli({"logbook", "import", source.filePath("none"), "--archive", archive.path()}).code, 1);
}

TEST(LogbookCli, secondDownloadOfTheSameSets_addsNothingAndSaysSo_andSetsAreNamedAsTheWindowNamesThem)
{
    SimFixture sim;
    QTemporaryDir out;
    QTemporaryDir archive;
    ASSERT_EQ(download(sim, {"all", "--out", out.path(), "--archive", archive.path()}).code, 0);
    const CliRun again = download(sim, {"all", "--out", out.path(), "--archive", archive.path()});
    EXPECT_EQ(again.code, 0) << again.err.toStdString();
    EXPECT_FALSE(again.out.contains("Archived ")) << again.out.toStdString();
    for (const char* set : {"Set 1", "Set 2", "Set 3"})
        EXPECT_TRUE(again.out.contains(QStringLiteral("%1 is already in the Logbook (").arg(QLatin1String(set))))
            << again.out.toStdString();
    EXPECT_EQ(csvFiles(archive.path()), 3);

    const QJsonArray list = listJson(archive.path());
    ASSERT_EQ(list.size(), 3);
    for (const QJsonValue& v : list) {
        const QJsonObject o = v.toObject();
        EXPECT_EQ(o.value("name").toString(),
                  QStringLiteral("Data%1").arg(o.value("set").toInt(), 3, 10, QLatin1Char('0')))
            << "set 1 is Data001, as in the window after a fresh start";
        EXPECT_TRUE(o.value("flights").isArray());
        EXPECT_TRUE(o.contains("model") && o.value("model").isNull());
    }
}

TEST(LogbookCli, handLaunchSession_listsAFlightPerLaunch_andTheModelIsSetFilteredAndKeptThroughARebuild)
{
    constexpr int launches = 5;
    QTemporaryDir archive;
    QTemporaryDir source;
    FlightPathBuilder path(300);
    path.stay(20);
    for (int i = 0; i < launches; ++i)
        path.handLaunch(30 + 2 * i).glide(0.6, 20).landAt(300, 0.8).stay(40);
    Plot plot;
    fillRecording(plot.signals.createDataSet(), path.sample(0.5, 0.2, 11));
    plot.yLabel = QStringLiteral("Altitude (meters)");
    writeFile(source.filePath("Alt_2026-06-01_1.csv"), datafile::dataSetFileBytes(plot, 0));
    writeFile(source.filePath("Alt_2026-06-01_2.csv"), datafile::dataSetFileBytes(plot, 0));
    ASSERT_EQ(runCli({"logbook", "import", source.path(), "--archive", archive.path()}).code, 0);

    const QJsonArray list = listJson(archive.path());
    ASSERT_EQ(list.size(), 2);
    const QJsonArray flights = list.at(0).toObject().value("flights").toArray();
    ASSERT_EQ(flights.size(), launches);
    for (int i = 0; i < launches; ++i) {
        const QJsonObject f = flights.at(i).toObject();
        EXPECT_EQ(f.value("flight").toInt(), i + 1);
        for (const char* key : {"launch", "duration", "startHeight", "penalty", "maxAltitude", "climbs", "unit"})
            EXPECT_TRUE(f.contains(QLatin1String(key))) << key;
        EXPECT_EQ(f.value("unit").toString(), "meters");
    }
    const CliRun perFlight = runCli({"logbook", "--flights", "--archive", archive.path()});
    EXPECT_EQ(perFlight.out.count('\n'), 2 * launches) << perFlight.out.toStdString();
    EXPECT_TRUE(perFlight.out.contains(QStringLiteral("flight %1/%1").arg(launches)));

    // The model of one file, given by its path inside the archive; a file outside the archive is refused.
    const QString file = list.at(0).toObject().value("file").toString();
    const QString inside = QDir(archive.path()).relativeFilePath(file);
    const CliRun named = runCli(
        {"logbook", "model", " Sharon ", inside, source.filePath("Alt_2026-06-01_1.csv"), "--archive", archive.path()});
    EXPECT_EQ(named.code, 1) << "one of the files is not archived";
    EXPECT_TRUE(named.out.contains(": model Sharon")) << named.out.toStdString();
    QFile::remove(QDir(archive.path()).filePath("logbook.sqlite"));
    ASSERT_EQ(runCli({"logbook", "rebuild", "--archive", archive.path()}).code, 0);
    const QJsonArray sharon =
        QJsonDocument::fromJson(
            runCli({"logbook", "--json", "--model", "sharon", "--archive", archive.path()}).out.toUtf8())
            .array();
    ASSERT_EQ(sharon.size(), 1);
    EXPECT_EQ(sharon.at(0).toObject().value("model").toString(), "Sharon");
    EXPECT_EQ(sharon.at(0).toObject().value("file").toString(), file);
    EXPECT_TRUE(runCli({"logbook", "--flights", "--model", "Other", "--archive", archive.path()}).out.isEmpty());

    EXPECT_EQ(runCli({"logbook", "--json", "--flights", "--archive", archive.path()}).code, 2);
    EXPECT_EQ(runCli({"logbook", "model", "Sharon", "--archive", archive.path()}).code, 2);
    EXPECT_EQ(runCli({"logbook", "rebuild", "--model", "Sharon", "--archive", archive.path()}).code, 2);
}
