// The archive of downloaded flights: where files go, that they are never overwritten, and what the index keeps.

#include "LogbookTestData.h"
#include "logbook/ArchiveFiles.h"
#include "logbook/ArchiveFolder.h"
#include "logbook/Logbook.h"
#include "support/WriteLimit.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

int csvCount(const QString& root)
{
    return int(archivefiles::scan(root).size());
}

} // namespace

TEST(Archive, archive_writesTheDataSetFileUnderTheDownloadDateAndIndexesIt)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    Plot plot;
    makeFlight(plot, 500);
    const ArchiveOutcome outcome = logbook.archive(plot, 0, facts(2, true));
    ASSERT_TRUE(outcome.archived) << outcome.reason.toStdString();
    const QString date = QDateTime(QDate(2026, 12, 8), QTime(10, 30), Qt::UTC).toLocalTime().toString("yyyy-MM-dd");
    EXPECT_EQ(outcome.path, dir.filePath(date + "/Alt_" + date + "_2.csv"));
    EXPECT_EQ(readFile(outcome.path), datafile::dataSetFileBytes(plot, 0)) << "exactly the saved data set file";

    const std::vector<ArchivedRecording> rows = logbook.index().recordings();
    ASSERT_EQ(rows.size(), 1u);
    const ArchivedRecording& r = rows[0];
    EXPECT_EQ(r.path, date + "/Alt_" + date + "_2.csv");
    EXPECT_EQ(r.set, 2);
    EXPECT_EQ(r.deviceName, "VIMO");
    EXPECT_EQ(r.softwareVersion, "1.07");
    EXPECT_EQ(r.samples, 500);
    EXPECT_EQ(r.triggerCount, 3);
    EXPECT_EQ(r.unit, "meters");
    EXPECT_EQ(r.name, "Thermal");
    EXPECT_EQ(r.notes, "Field north\n2026-12-08  Set 2, 500 samples\nsummary");
    EXPECT_TRUE(r.incomplete);
    EXPECT_DOUBLE_EQ(*r.lastTime, 249.5);
    EXPECT_DOUBLE_EQ(*r.interval, 0.5);
    EXPECT_EQ(r.downloaded, facts(2).downloaded);
}

TEST(Archive, archive_sameSetAgain_takesTheNextNameAndKeepsEveryEarlierFile)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    std::vector<QString> paths;
    for (int i = 0; i < 3; ++i) {
        Plot plot;
        makeFlight(plot, 50 + i);
        const ArchiveOutcome outcome = logbook.archive(plot, 0, facts(1));
        ASSERT_TRUE(outcome.archived);
        paths.push_back(outcome.path);
        EXPECT_EQ(readFile(outcome.path), datafile::dataSetFileBytes(plot, 0));
    }
    EXPECT_TRUE(paths[0].endsWith("_1.csv"));
    EXPECT_TRUE(paths[1].endsWith("_1-2.csv"));
    EXPECT_TRUE(paths[2].endsWith("_1-3.csv"));
    EXPECT_EQ(readFile(paths[0]).count('\n'), 7 + 50) << "the first file is untouched";
    EXPECT_EQ(logbook.index().recordings().size(), 3u);
}

TEST(Archive, nonAsciiNamesAndFolders_survivesFileIndexAndRebuild)
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("Flüge Øst 飞行"));
    const QString name = QStringLiteral("Höhe über Grund");
    {
        Logbook logbook(root);
        Plot plot;
        makeFlight(plot, 40, name);
        ASSERT_TRUE(logbook.archive(plot, 0, facts(1)).archived);
    }
    QFile::remove(QDir(root).filePath(LogbookIndex::kFileName));
    Logbook reopened(root);
    const std::vector<ArchivedRecording> rows = reopened.index().recordings();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, name);
    EXPECT_EQ(rows[0].deviceName, "VIMO") << "the facts file beside the flight is read again";
}

TEST(Archive, archiveBelowAPlainFile_failsWithAReasonAndIndexLivesInMemory)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("plain"), "not a folder");
    Logbook logbook(dir.filePath("plain/flights"));
    EXPECT_TRUE(logbook.index().inMemory());
    Plot plot;
    makeFlight(plot, 40);
    const ArchiveOutcome outcome = logbook.archive(plot, 0, facts(1));
    EXPECT_FALSE(outcome.archived);
    EXPECT_FALSE(outcome.reason.isEmpty());
    EXPECT_EQ(readFile(dir.filePath("plain")), "not a folder");
}

TEST(Archive, archiveOnAFullDisk_failsAndLeavesNoHalfFile)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    Plot plot;
    makeFlight(plot, 20000); // far more than the limit below
    ArchiveOutcome outcome;
    {
        WriteLimit full(4096);
        outcome = logbook.archive(plot, 0, facts(1));
    }
    EXPECT_FALSE(outcome.archived);
    EXPECT_FALSE(outcome.reason.isEmpty());
    EXPECT_EQ(csvCount(dir.path()), 0);
    const QStringList left =
        QDir(dir.filePath(QDateTime(QDate(2026, 12, 8), QTime(10, 30), Qt::UTC).toLocalTime().toString("yyyy-MM-dd")))
            .entryList(QDir::Files);
    EXPECT_TRUE(left.isEmpty()) << left.join(", ").toStdString();

    // Once there is room again the same flight is archived under the same name.
    const ArchiveOutcome again = logbook.archive(plot, 0, facts(1));
    ASSERT_TRUE(again.archived);
    EXPECT_TRUE(again.path.endsWith("_1.csv"));
}

TEST(Archive, renameDeleteAndUndo_moveTheFileAndKeepTheIndexInStep)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    Plot plot;
    makeFlight(plot, 30);
    const ArchiveOutcome outcome = logbook.archive(plot, 0, facts(4));
    ASSERT_TRUE(outcome.archived);
    const QString path = logbook.index().recordings().at(0).path;

    ASSERT_TRUE(logbook.rename(path, QStringLiteral("Abendflug mit Ü, sehr lang und länger")));
    Plot reread;
    ASSERT_EQ(datafile::loadDataFile(outcome.path, reread), 1);
    EXPECT_EQ(reread.signals.at(0).name(), QStringLiteral("Abendflug mit Ü, se")) << "cut to 19 characters";
    EXPECT_EQ(reread.signals.at(0).altitude.series.count(), 30);
    EXPECT_EQ(logbook.index().recordings().at(0).name, reread.signals.at(0).name());

    const std::optional<QString> deleted = logbook.moveToDeleted(path);
    ASSERT_TRUE(deleted);
    EXPECT_TRUE(deleted->startsWith("deleted/"));
    EXPECT_FALSE(QFileInfo::exists(outcome.path));
    EXPECT_TRUE(QFileInfo::exists(logbook.absolutePath(*deleted)));
    EXPECT_TRUE(logbook.index().recordings().empty());
    EXPECT_TRUE(Logbook(dir.path()).index().recordings().empty()) << "deleted flights are not indexed again";

    const std::optional<QString> restored = logbook.restore(*deleted, path);
    ASSERT_TRUE(restored);
    EXPECT_EQ(*restored, path);
    ASSERT_EQ(logbook.index().recordings().size(), 1u);
    EXPECT_EQ(logbook.index().recordings().at(0).set, 4) << "the facts came back with the file";
}

TEST(Archive, importFolder_copiesTheCsvFilesAndIndexesThem)
{
    QTemporaryDir archive;
    QTemporaryDir source;
    writeFlightFile(source.filePath("Alt_2025-06-01_3.csv"), 25, QStringLiteral("Old one"));
    writeFlightFile(source.filePath("other.csv"), 10, QStringLiteral("Other"));
    writeFile(source.filePath("readme.txt"), "not a flight");
    Logbook logbook(archive.path());
    const ImportOutcome first = logbook.importFolder(source.path());
    EXPECT_EQ(first.imported.size(), 2);
    EXPECT_TRUE(first.failed.isEmpty());
    const ImportOutcome second = logbook.importFolder(source.path());
    EXPECT_EQ(second.imported.size(), 2) << "a second import never overwrites the first";
    EXPECT_EQ(logbook.index().recordings().size(), 4u);
    EXPECT_TRUE(QFileInfo::exists(source.filePath("other.csv"))) << "the sources stay";
    int withSet3 = 0;
    for (const ArchivedRecording& r : logbook.index().recordings())
        withSet3 += r.set == 3;
    EXPECT_EQ(withSet3, 2);
}

TEST(Archive, archiveFolder_chosenBeatsEnvironmentBeatsDefault)
{
    const QByteArray saved = qgetenv(kArchiveEnvironment);
    qputenv(kArchiveEnvironment, "/tmp/from-env");
    EXPECT_EQ(archiveFolder("/tmp/chosen"), "/tmp/chosen");
    EXPECT_EQ(archiveFolder(), "/tmp/from-env");
    qunsetenv(kArchiveEnvironment);
    EXPECT_TRUE(archiveFolder().endsWith("/flights"));
    qputenv(kArchiveEnvironment, saved);
}
