// The Logbook page driven offscreen over a real archive: what the table shows, filtering, and the actions.

#include "app/pages/LogbookPage.h"
#include "data/DataFile.h"
#include "data/Plot.h"
#include "logbook/Logbook.h"
#include "logbook/LogbookModel.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

// An archive with three flights downloaded on three days.
struct ArchiveWithFlights {
    QTemporaryDir dir;
    Logbook logbook{dir.path()};

    ArchiveWithFlights()
    {
        const char* names[] = {"Morning", "Thermal", "Evening"};
        for (int i = 0; i < 3; ++i) {
            Plot plot;
            DataSet& set = plot.signals.createDataSet();
            set.clearSamples();
            for (int s = 0; s <= 10 * (i + 1); ++s)
                set.altitude.series.append(s * 0.5, 10.0 * s);
            plot.signals.rename(0, QString::fromLatin1(names[i]));
            const DownloadFacts facts{QDateTime(QDate(2026, 3, 1 + i), QTime(12, 0)).toUTC(),
                                      i + 1,
                                      QStringLiteral("VIMO"),
                                      QStringLiteral("MOD2"),
                                      QStringLiteral("1.07"),
                                      false};
            EXPECT_TRUE(logbook.archive(plot, 0, facts).archived);
        }
    }
};

QStringList shownNames(const LogbookPage& page)
{
    QStringList names;
    const QAbstractItemModel* model = page.table()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, 3).data().toString();
    return names;
}

void selectRows(LogbookPage& page, std::initializer_list<int> rows)
{
    QItemSelectionModel* selection = page.table()->selectionModel();
    selection->clearSelection();
    for (const int row : rows)
        selection->select(page.table()->model()->index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

} // namespace

TEST(LogbookPage, showsNewestFirstAndFiltersByTextAndDateRange)
{
    ArchiveWithFlights archive;
    LogbookPage page(archive.logbook);
    page.show();
    EXPECT_EQ(shownNames(page), (QStringList{"Evening", "Thermal", "Morning"}));
    EXPECT_EQ(page.table()->model()->index(0, LogbookModel::Samples).data().toInt(), 31);
    EXPECT_EQ(page.table()->model()->index(0, LogbookModel::HighestAltitude).data().toString(), "300.0")
        << "highest altitude";

    QTest::keyClicks(page.filterBox(), "therm");
    EXPECT_EQ(shownNames(page), QStringList{"Thermal"});
    page.filterBox()->clear();

    page.fromDate()->setDate(QDate(2026, 3, 2));
    EXPECT_EQ(shownNames(page), (QStringList{"Evening", "Thermal"}));
    page.toDate()->setDate(QDate(2026, 3, 2));
    EXPECT_EQ(shownNames(page), QStringList{"Thermal"});

    page.table()->sortByColumn(3, Qt::AscendingOrder);
    page.fromDate()->setDate(QDate(2026, 1, 1));
    page.toDate()->setDate(QDate(2026, 12, 31));
    EXPECT_EQ(shownNames(page), (QStringList{"Evening", "Morning", "Thermal"}));
}

TEST(LogbookPage, openEmitsTheSelectedFilesAndDeleteCanBeUndone)
{
    ArchiveWithFlights archive;
    LogbookPage page(archive.logbook);
    page.show();
    selectRows(page, {0, 2});
    QSignalSpy opened(&page, &LogbookPage::openRequested);
    page.openAction()->trigger();
    ASSERT_EQ(opened.size(), 1);
    const QStringList files = opened.at(0).at(0).toStringList();
    ASSERT_EQ(files.size(), 2);
    EXPECT_TRUE(files[0].endsWith("_3.csv"));
    EXPECT_TRUE(files[1].endsWith("_1.csv"));

    page.deleteSelected();
    EXPECT_EQ(shownNames(page), QStringList{"Thermal"});
    EXPECT_FALSE(QFileInfo::exists(files[0]));
    EXPECT_EQ(QDir(archive.dir.filePath("deleted")).exists(), true);
    ASSERT_TRUE(page.undoDeleteAction()->isEnabled());
    page.undoDeleteAction()->trigger();
    EXPECT_EQ(shownNames(page), (QStringList{"Evening", "Thermal", "Morning"}));
    EXPECT_TRUE(QFileInfo::exists(files[0]));
    EXPECT_FALSE(page.undoDeleteAction()->isEnabled());
}

TEST(LogbookPage, renameWritesFileAndIndexAndImportAddsRows)
{
    ArchiveWithFlights archive;
    LogbookPage page(archive.logbook);
    selectRows(page, {1});
    const QString file = page.selectedFiles().at(0);
    page.renameSelected(QStringLiteral("Über den Wolken"));
    EXPECT_EQ(shownNames(page), (QStringList{"Evening", "Über den Wolken", "Morning"}));
    Plot plot;
    ASSERT_EQ(datafile::loadDataFile(file, plot), 1);
    EXPECT_EQ(plot.signals.at(0).name(), "Über den Wolken");

    QTemporaryDir source;
    Plot other;
    other.signals.createDataSet();
    other.signals.rename(0, QStringLiteral("Imported"));
    writeFile(source.filePath("mine.csv"), datafile::dataSetFileBytes(other, 0));
    page.importFolder(source.path());
    EXPECT_TRUE(shownNames(page).contains("Imported"));
    EXPECT_EQ(page.table()->model()->rowCount(), 4);
}
