// The index follows the files through every fault: gone, garbage, an older schema, hand edits, two writers at
// once, and a writer killed in the middle of a file.

#include "LogbookTestData.h"
#include "logbook/ArchiveFiles.h"
#include "logbook/Logbook.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

int csvCount(const QString& root)
{
    return int(archivefiles::scan(root).size());
}

QString indexPath(const QString& root)
{
    return QDir(root).filePath(LogbookIndex::kFileName);
}

// An archive with `count` flights archived through the library.
void fillArchive(const QString& root, int count)
{
    Logbook logbook(root);
    for (int i = 0; i < count; ++i) {
        Plot plot;
        makeFlight(plot, 20 + i, QStringLiteral("Flight %1").arg(i));
        ASSERT_TRUE(logbook.archive(plot, 0, facts(1 + i % 3)).archived);
    }
}

// A folder of `count` flight files of `samples` samples each, to be imported by another program.
void writeSourceFolder(const QString& folder, int count, int samples)
{
    for (int i = 0; i < count; ++i)
        writeFlightFile(QDir(folder).filePath(QStringLiteral("src_%1.csv").arg(i)), samples,
                        QStringLiteral("S%1").arg(i));
}

QProcess* startImport(const QString& source, const QString& root, QObject* parent)
{
    auto* process = new QProcess(parent);
    process->start(QStringLiteral(VIMO_CLI_PATH), {"logbook", "import", source, "--archive", root});
    return process;
}

// Every archived file reads whole: its sample count is the one it was written with.
void expectEveryFileWhole(const QString& root, int samples)
{
    for (const archivefiles::FoundFile& f : archivefiles::scan(root)) {
        Plot plot;
        ASSERT_EQ(datafile::loadDataFile(QDir(root).filePath(f.path), plot), 1);
        EXPECT_EQ(plot.signals.at(0).altitude.series.count(), samples) << f.path.toStdString();
    }
}

} // namespace

TEST(IndexFaults, indexDeletedOrGarbage_isRebuiltFromTheFiles)
{
    QTemporaryDir dir;
    fillArchive(dir.path(), 5);
    QFile::remove(indexPath(dir.path()));
    EXPECT_EQ(Logbook(dir.path()).index().recordings().size(), 5u);

    QByteArray garbage(50000, '\x5a');
    garbage.replace(0, 16, "SQLite format 3"); // looks like a database at first sight
    writeFile(indexPath(dir.path()), garbage);
    QFile::remove(indexPath(dir.path()) + "-wal");
    QFile::remove(indexPath(dir.path()) + "-shm");
    Logbook rebuilt(dir.path());
    EXPECT_FALSE(rebuilt.index().inMemory()) << rebuilt.index().lastError().toStdString();
    EXPECT_EQ(rebuilt.index().recordings().size(), 5u);
    EXPECT_EQ(csvCount(dir.path()), 5) << "no file was touched";
}

TEST(IndexFaults, olderSchema_isMadeAnewWithTheCurrentVersionAndWal)
{
    QTemporaryDir dir;
    fillArchive(dir.path(), 2);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "older");
        db.setDatabaseName(indexPath(dir.path()));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("DROP TABLE flights"));
        ASSERT_TRUE(q.exec("CREATE TABLE flights (path TEXT)"));
        ASSERT_TRUE(q.exec("PRAGMA user_version = 0"));
        db.close();
    }
    QSqlDatabase::removeDatabase("older");
    Logbook logbook(dir.path());
    ASSERT_EQ(logbook.index().recordings().size(), 2u);
    QSqlQuery q(logbook.index().database());
    ASSERT_TRUE(q.exec("PRAGMA user_version") && q.next());
    EXPECT_EQ(q.value(0).toInt(), LogbookIndex::kSchemaVersion);
    ASSERT_TRUE(q.exec("PRAGMA journal_mode") && q.next());
    EXPECT_EQ(q.value(0).toString(), "wal");
}

TEST(IndexFaults, filesEditedRemovedOrAddedByHand_theIndexFollows)
{
    QTemporaryDir dir;
    fillArchive(dir.path(), 3);
    const std::vector<archivefiles::FoundFile> files = archivefiles::scan(dir.path());
    ASSERT_EQ(files.size(), 3u);

    writeFlightFile(dir.filePath(files[0].path), 77, QStringLiteral("Edited"));
    QFile::remove(dir.filePath(files[1].path));
    writeFlightFile(dir.filePath("by hand/Alt_2024-05-05_9.csv"), 12, QStringLiteral("Hand"));
    writeFlightFile(dir.filePath("deleted/old.csv"), 12, QStringLiteral("Gone"));

    Logbook logbook(dir.path());
    EXPECT_TRUE(logbook.index().lastError().isEmpty()) << logbook.index().lastError().toStdString();
    std::map<QString, ArchivedRecording> rows;
    for (const ArchivedRecording& r : logbook.index().recordings())
        rows.emplace(r.path, r);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows.at(files[0].path).name, "Edited");
    EXPECT_EQ(rows.at(files[0].path).samples, 77);
    EXPECT_EQ(rows.count(files[1].path), 0u);
    EXPECT_EQ(rows.at("by hand/Alt_2024-05-05_9.csv").set, 9) << "numbered by its name";
    EXPECT_EQ(rows.at(files[2].path).deviceName, "VIMO") << "an unchanged file keeps its row";
}

TEST(IndexFaults, twoConnectionsAndTwoProgramsWritingAtOnce_loseNothing)
{
    QTemporaryDir dir;
    QTemporaryDir source;
    writeSourceFolder(source.path(), 15, 300);
    Logbook window(dir.path()); // a second connection, open the whole time

    QObject parent;
    QProcess* a = startImport(source.path(), dir.path(), &parent);
    QProcess* b = startImport(source.path(), dir.path(), &parent);
    for (int i = 0; i < 10; ++i) {
        Plot plot;
        makeFlight(plot, 300, QStringLiteral("Thermal"), 100 + i); // ten flights, none a copy of another
        EXPECT_TRUE(window.archive(plot, 0, facts(1)).archived);
    }
    ASSERT_TRUE(a->waitForFinished(120000));
    ASSERT_TRUE(b->waitForFinished(120000));
    EXPECT_EQ(a->exitCode(), 0) << a->readAllStandardError().toStdString();
    EXPECT_EQ(b->exitCode(), 0) << b->readAllStandardError().toStdString();

    EXPECT_EQ(csvCount(dir.path()), 40) << "no file was written over another";
    EXPECT_TRUE(window.index().sync());
    EXPECT_EQ(window.index().recordings().size(), 40u);
    expectEveryFileWhole(dir.path(), 300);
}

TEST(IndexFaults, writerKilledInTheMiddle_leavesNoHalfFileAndTheNextStartIndexesWhatIsThere)
{
    QTemporaryDir dir;
    QTemporaryDir source;
    writeSourceFolder(source.path(), 30, 40000); // about 1.5 MB each: the kill lands inside a write
    QObject parent;
    QProcess* writer = startImport(source.path(), dir.path(), &parent);
    ASSERT_TRUE(writer->waitForStarted());
    for (int i = 0; i < 6000 && csvCount(dir.path()) < 2; ++i)
        QThread::msleep(5);
    writer->kill(); // SIGKILL
    ASSERT_TRUE(writer->waitForFinished());
    EXPECT_EQ(writer->exitStatus(), QProcess::CrashExit);

    const int files = csvCount(dir.path());
    EXPECT_GE(files, 2);
    EXPECT_LT(files, 30) << "the writer was killed before it finished";
    expectEveryFileWhole(dir.path(), 40000);
    Logbook logbook(dir.path());
    EXPECT_EQ(int(logbook.index().recordings().size()), files);
}
