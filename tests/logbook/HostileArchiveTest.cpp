// The archive and its index against a hostile afternoon: another writer holding the index, a broken index with its
// -wal, a full disk under the facts file, links to endless devices, garbage files and names that are not UTF-8.

#include "LogbookTestData.h"
#include "data/NativeName.h"
#include "logbook/ArchiveFiles.h"
#include "logbook/ArchiveFolder.h"
#include "logbook/Logbook.h"
#include "support/WriteLimit.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace vimo;
using namespace vimo::test;

namespace {

QString indexPath(const QString& root)
{
    return QDir(root).filePath(LogbookIndex::kFileName);
}

// Another program's connection that holds a write transaction on the index while it lives.
class OtherWriter {
public:
    explicit OtherWriter(const QString& root)
    {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other-writer"));
        m_db.setDatabaseName(indexPath(root));
        EXPECT_TRUE(m_db.open());
        EXPECT_TRUE(QSqlQuery(m_db).exec(QStringLiteral("BEGIN IMMEDIATE")));
    }
    ~OtherWriter()
    {
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other-writer"));
    }

private:
    QSqlDatabase m_db;
};

std::vector<QString> rowPaths(LogbookIndex& index)
{
    std::vector<QString> paths;
    for (const ArchivedRecording& r : index.recordings())
        paths.push_back(r.path);
    return paths;
}

} // namespace

// Busy is not broken: the other writer's rows and file stay; this run lists the files from memory and says why.
TEST(HostileArchive, indexHeldByAnotherWriter_isWaitedForThenLeftAloneAndTheFilesAreStillListed)
{
    QTemporaryDir dir;
    {
        Logbook logbook(dir.path());
        Plot plot;
        makeFlight(plot, 30);
        ASSERT_TRUE(logbook.archive(plot, 0, facts(1)).archived);
    }
    writeFlightFile(dir.filePath("by hand/Alt_2026-12-09_4.csv"), 20, QStringLiteral("New"));
    const QByteArray before = readFile(indexPath(dir.path()));
    {
        OtherWriter other(dir.path());
        QElapsedTimer waited;
        waited.start();
        LogbookIndex index(dir.path(), 300);
        EXPECT_TRUE(index.sync()) << "the new file goes into an index in memory instead";
        EXPECT_GE(waited.elapsed(), 300) << "the busy time-out was waited for";
        EXPECT_TRUE(index.busy());
        EXPECT_TRUE(index.inMemory());
        EXPECT_TRUE(index.lastError().contains("busy")) << index.lastError().toStdString();
        EXPECT_EQ(rowPaths(index).size(), 2u) << "both files are listed from memory";
    }
    EXPECT_TRUE(QFileInfo::exists(indexPath(dir.path()))) << "the index file was not deleted";
    EXPECT_EQ(readFile(indexPath(dir.path())).size(), before.size());
    Logbook later(dir.path());
    EXPECT_FALSE(later.index().inMemory());
    EXPECT_EQ(later.index().recordings().size(), 2u) << "once free, the index catches up";
}

// Only a broken index is made anew: in a new file renamed into place; the broken one is kept aside, and no stale
// -wal is left beside the new one.
TEST(HostileArchive, brokenIndexWithItsWal_isReplacedByANewFileAndKeptAsideNotDeleted)
{
    QTemporaryDir dir;
    {
        Logbook logbook(dir.path());
    }
    QByteArray garbage(8192, '\x5a');
    garbage.replace(0, 16, "SQLite format 3");
    writeFile(indexPath(dir.path()), garbage);
    writeFile(indexPath(dir.path()) + "-wal", "stale log");
    writeFlightFile(dir.filePath("2026-12-08/Alt_2026-12-08_1.csv"), 25, QStringLiteral("One"));

    Logbook logbook(dir.path());
    EXPECT_FALSE(logbook.index().inMemory()) << logbook.index().lastError().toStdString();
    EXPECT_EQ(logbook.index().recordings().size(), 1u);
    EXPECT_EQ(readFile(indexPath(dir.path()) + ".broken"), garbage);
    EXPECT_NE(readFile(indexPath(dir.path()) + "-wal"), QByteArray("stale log")) << "no stale log beside the new index";
    EXPECT_FALSE(QDir(dir.path()).entryList({"*.new-*"}, QDir::Files | QDir::Hidden).size() > 0);
}

#ifdef Q_OS_UNIX
// "Archived" means both files are whole: a facts file that cannot be written takes the flight file away again.
TEST(HostileArchive, factsFileThatCannotBeWritten_leavesTheFlightNotArchivedWithTheReason)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    Plot plot;
    makeFlight(plot, 10);
    DownloadFacts bigFacts = facts(1);
    bigFacts.deviceName = QString(20000, QLatin1Char('V'));
    ArchiveOutcome outcome;
    {
        WriteLimit limit(8192); // the flight file fits, the facts do not
        outcome = logbook.archive(plot, 0, bigFacts);
    }
    EXPECT_FALSE(outcome.archived);
    EXPECT_EQ(outcome.reason, QString::fromStdString(std::system_category().message(EFBIG)));
    EXPECT_TRUE(archivefiles::scan(dir.path()).empty());
    EXPECT_TRUE(QDir(dir.filePath("2026-12-08")).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// Every file the archive opens is a regular file: a link to /dev/zero or a FIFO named *.csv never hangs the scan,
// the index or the import, and garbage is no flight.
TEST(HostileArchive, linksToDevicesFifosAndGarbage_areNoFlightsAndNeverHang)
{
    QTemporaryDir dir;
    QTemporaryDir source;
    for (const QString& folder : {dir.path(), source.path()}) {
        ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(folder + "/zero.csv").constData()), 0);
        ASSERT_EQ(::mkfifo(QFile::encodeName(folder + "/fifo.csv").constData(), 0600), 0);
        writeFile(folder + "/garbage.csv", QByteArray("abc\0def", 7));
    }
    writeFlightFile(dir.filePath("real.csv"), 15, QStringLiteral("Real"));

    EXPECT_EQ(archivefiles::scan(dir.path()).size(), 2u) << "the garbage file is a file, the rest are not";
    Logbook logbook(dir.path());
    EXPECT_EQ(rowPaths(logbook.index()), std::vector<QString>{QStringLiteral("real.csv")});
    ASSERT_TRUE(logbook.index().rebuild());
    EXPECT_EQ(logbook.index().recordings().size(), 1u);

    const ImportOutcome imported = logbook.importFolder(source.path());
    EXPECT_TRUE(imported.imported.isEmpty());
    ASSERT_EQ(imported.failed.size(), 1) << imported.failed.join('\n').toStdString();
    EXPECT_TRUE(imported.failed.first().endsWith("garbage.csv: not a Vimo data file"));
}

// File names are bytes: a name that is not UTF-8 is found in the archive, indexed, opened from its row, and
// imported under a plain-text name.
TEST(HostileArchive, namesThatAreNotUtf8_areIndexedOpenedAndImported)
{
    QTemporaryDir dir;
    QTemporaryDir source;
    Plot plot;
    makeFlight(plot, 12, QStringLiteral("Hoehe"));
    const QByteArray bytes = datafile::dataSetFileBytes(plot, 0);
    for (const QString& folder : {dir.path(), source.path()}) {
        const QByteArray name = QFile::encodeName(folder) + "/h\xf6he.csv";
        FILE* raw = std::fopen(name.constData(), "wb");
        ASSERT_NE(raw, nullptr);
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), raw);
        std::fclose(raw);
    }
    Logbook logbook(dir.path());
    const std::vector<ArchivedRecording> rows = logbook.index().recordings();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(nativename::shown(rows[0].path), QStringLiteral("h\\xf6he.csv"));
    Plot reread;
    EXPECT_EQ(datafile::loadDataFile(logbook.absolutePath(rows[0].path), reread), 1);
    EXPECT_TRUE(logbook.index().sync());
    EXPECT_EQ(logbook.index().recordings().size(), 1u) << "the row matches its file: nothing read twice";

    const ImportOutcome imported = logbook.importFolder(source.path());
    ASSERT_EQ(imported.imported.size(), 1) << imported.failed.join('\n').toStdString();
    EXPECT_TRUE(imported.imported.first().endsWith(QStringLiteral("h\\xf6he.csv")));
}
#endif

TEST(HostileArchive, archiveFolderThatIsAFile_saysWhereTheArchiveShouldBeAndWhy)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("flights");
    writeFile(file, "not a folder");
    const std::optional<QString> problem = archiveFolderProblem(file);
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->contains(file) && problem->contains("not a folder")) << problem->toStdString();
    EXPECT_FALSE(archiveFolderProblem(dir.path()));
    Logbook logbook(file);
    EXPECT_TRUE(logbook.index().inMemory());
    EXPECT_FALSE(logbook.index().lastError().isEmpty()) << "the reason is never empty";
    EXPECT_EQ(readFile(file), QByteArray("not a folder"));
}
