// A set downloaded again is not archived again: the same samples from the same module and set number are
// recognised by their digest, and the user is told where they are.

#include "LogbookTestData.h"
#include "logbook/ArchiveFiles.h"
#include "logbook/Logbook.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

int archivedFiles(const QString& root)
{
    return int(archivefiles::scan(root).size());
}

QString downloadDay()
{
    return facts(1).downloaded.toLocalTime().date().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

TEST(DuplicateDownload, sameSamplesFromTheSameModuleAndSet_areNotArchivedAgainAndTheOutcomeSaysWhere)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    Plot plot;
    makeFlight(plot, 500);
    const ArchiveOutcome first = logbook.archive(plot, 0, facts(3));
    ASSERT_TRUE(first.archived);

    DownloadFacts later = facts(3);
    later.downloaded = later.downloaded.addDays(2);
    plot.signals.rename(0, QStringLiteral("Data007")); // a name and notes of its own do not make it another flight
    plot.signals.at(0).notes[0] = QStringLiteral("again");
    const ArchiveOutcome again = logbook.archive(plot, 0, later);
    EXPECT_FALSE(again.archived);
    EXPECT_TRUE(again.alreadyArchived);
    EXPECT_EQ(again.path, first.path);
    EXPECT_EQ(again.reason, QStringLiteral("Set 3 is already in the Logbook (%1)").arg(downloadDay()));
    EXPECT_EQ(archivedFiles(dir.path()), 1);
    EXPECT_EQ(logbook.index().recordings().size(), 1u);

    // After the index is made anew the digest is read from the file: still the same samples.
    QFile::remove(QDir(dir.path()).filePath(LogbookIndex::kFileName));
    Logbook rebuilt(dir.path());
    EXPECT_TRUE(rebuilt.archive(plot, 0, later).alreadyArchived);
}

TEST(DuplicateDownload, anotherSetNumberModuleOrSamples_orAWholeCopyOfAnIncompleteOne_isArchived)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    Plot plot;
    makeFlight(plot, 300);
    ASSERT_TRUE(logbook.archive(plot, 0, facts(1, true)).archived);

    EXPECT_TRUE(logbook.archive(plot, 0, facts(1, true)).alreadyArchived) << "nothing more arrived than before";
    EXPECT_TRUE(logbook.archive(plot, 0, facts(1)).archived) << "whole now, where the copy ended early";
    EXPECT_TRUE(logbook.archive(plot, 0, facts(1, true)).alreadyArchived) << "the whole copy holds it";
    EXPECT_TRUE(logbook.archive(plot, 0, facts(2)).archived) << "another set number";
    DownloadFacts otherModule = facts(1);
    otherModule.deviceName = QStringLiteral("OTHER");
    EXPECT_TRUE(logbook.archive(plot, 0, otherModule).archived);
    plot.signals.at(0).altitude.series.setAltitude(150, 1234.5);
    EXPECT_TRUE(logbook.archive(plot, 0, facts(1)).archived) << "one sample differs";
    EXPECT_EQ(archivedFiles(dir.path()), 5);
}

TEST(DuplicateDownload, copyRemovedOrEditedByHand_doesNotKeepTheSetOutOfTheArchive)
{
    QTemporaryDir dir;
    Logbook logbook(dir.path());
    Plot plot;
    makeFlight(plot, 300);
    const ArchiveOutcome first = logbook.archive(plot, 0, facts(1));
    ASSERT_TRUE(first.archived);

    writeFlightFile(first.path, 77, QStringLiteral("Edited")); // other samples now, the index not told
    const ArchiveOutcome afterEdit = logbook.archive(plot, 0, facts(1));
    EXPECT_TRUE(afterEdit.archived);

    ASSERT_TRUE(QFile::remove(afterEdit.path)); // removed, the index not told
    const ArchiveOutcome afterRemoval = logbook.archive(plot, 0, facts(1));
    EXPECT_TRUE(afterRemoval.archived);
    EXPECT_EQ(archivedFiles(dir.path()), 2);
}
