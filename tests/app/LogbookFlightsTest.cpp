// The Logbook page lists flights: a row per launch, models set for many rows and filtered by, totals and a season
// chart that follow the rows shown, a chart point that selects its row, Open that shows the chosen flight, and the
// table exported as shown.

#include "ModalScript.h"
#include "WindowHarness.h"
#include "app/pages/DataPage.h"
#include "app/pages/LogbookPage.h"
#include "app/pages/SeasonChartView.h"
#include "data/Plot.h"
#include "logbook/Logbook.h"
#include "logbook/LogbookModel.h"
#include "plot/FlightSpan.h"
#include "support/SyntheticFlight.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QTest>

namespace vimo::test {
namespace {

// A session of `launches` hand launches (heights 30, 32, ...) from a field 300 m up.
void archiveSession(Logbook& logbook, int set, int launches, const QDate& day)
{
    FlightPathBuilder path(300);
    path.stay(20);
    for (int i = 0; i < launches; ++i)
        path.handLaunch(30 + 2 * i).glide(0.6, 20).landAt(300, 0.8).stay(40);
    Plot plot;
    fillRecording(plot.signals.createDataSet(), path.sample(0.5, 0.2, std::uint32_t(10 + set)));
    plot.yLabel = QStringLiteral("Altitude (meters)");
    DownloadFacts facts{QDateTime(day, QTime(10, 0), Qt::UTC),
                        set,
                        QStringLiteral("VIMO"),
                        QStringLiteral("MOD2"),
                        QStringLiteral("1.07"),
                        false,
                        QString()};
    ASSERT_TRUE(logbook.archive(plot, 0, facts).archived);
}

class LogbookFlights : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        startWindow();
        archiveSession(window->logbook(), 1, 5, QDate(2026, 6, 1));
        archiveSession(window->logbook(), 2, 3, QDate(2026, 7, 1));
        page()->reload();
    }

    LogbookPage* page() const { return pageOf<LogbookPage>(*window); }
    QTableView* table() const { return page()->table(); }
    int rows() const { return table()->model()->rowCount(); }

    // Selects the shown rows whose recording is set `set`.
    void selectSet(int set)
    {
        const auto* model = qobject_cast<const LogbookModel*>(
            qobject_cast<const QSortFilterProxyModel*>(table()->model())->sourceModel());
        table()->clearSelection();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->recording(row).set == set)
                page()->table()->selectionModel()->select(
                    qobject_cast<const QSortFilterProxyModel*>(table()->model())->mapFromSource(model->index(row, 0)),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
};

TEST_F(LogbookFlights, aRowPerLaunch_modelsFilterTheRows_andTotalsAndChartFollowThem)
{
    ASSERT_EQ(rows(), 8);
    EXPECT_TRUE(page()->totalsLabel()->text().startsWith(QStringLiteral("8 flights")))
        << page()->totalsLabel()->text().toStdString();
    EXPECT_EQ(page()->chart()->chart().points.size(), 8u);

    selectSet(1);
    page()->setModelSelected(QStringLiteral("Sharon"));
    selectSet(2);
    page()->setModelSelected(QStringLiteral("Bird"));
    EXPECT_EQ(page()->chart()->chart().series, QStringList({"Bird", "Sharon"}));

    QComboBox* models = page()->modelFilter();
    models->setCurrentIndex(models->findText(QStringLiteral("Sharon")));
    EXPECT_EQ(rows(), 5);
    EXPECT_TRUE(page()->totalsLabel()->text().startsWith(QStringLiteral("5 flights")));
    EXPECT_EQ(page()->chart()->chart().points.size(), 5u);

    page()->chartValueBox()->setCurrentIndex(1);
    EXPECT_EQ(page()->chart()->chart().valueLabel, QStringLiteral("Duration (min)"));
    models->setCurrentIndex(models->findText(QStringLiteral("(no model)")));
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(page()->chart()->chart().points.empty());
}

TEST_F(LogbookFlights, clickOnAChartPoint_selectsItsRow)
{
    SeasonChartView* chart = page()->chart();
    chart->resize(600, 220);
    chart->setChart(chart->chart()); // draws at this size
    ASSERT_FALSE(chart->layout().dots.empty());
    const auto [centre, id] = chart->layout().dots.back();
    QTest::mouseClick(chart, Qt::LeftButton, {}, centre.toPoint());
    const QModelIndexList selected = table()->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(qobject_cast<const QSortFilterProxyModel*>(table()->model())->mapToSource(selected.first()).row(), id);
}

TEST_F(LogbookFlights, openShowsTheChosenFlightOfItsRecording)
{
    const auto* proxy = qobject_cast<const QSortFilterProxyModel*>(table()->model());
    const auto* model = qobject_cast<const LogbookModel*>(proxy->sourceModel());
    int chosen = -1;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->recording(row).set == 1 && model->flight(row) && model->flight(row)->number == 3)
            chosen = row;
    }
    ASSERT_GE(chosen, 0);
    page()->selectSourceRow(chosen);
    page()->openAction()->trigger();
    ASSERT_EQ(window->session().plot().signals.size(), 1) << "the whole recording is opened once";
    const FlightMeasures& f = *model->flight(chosen);
    const FlightSpan span = flightSpan(f.launch, f.duration);
    EXPECT_DOUBLE_EQ(window->session().plot().xMin, span.from);
    EXPECT_DOUBLE_EQ(window->session().plot().xMax, span.to);
}

TEST_F(LogbookFlights, exportWritesTheRowsShownAsCsv_andAFailureKeepsTheOldFile)
{
    QComboBox* models = page()->modelFilter();
    selectSet(2);
    page()->setModelSelected(QStringLiteral("Bird"));
    models->setCurrentIndex(models->findText(QStringLiteral("Bird")));
    const QString file = QDir(archivePath()).filePath(QStringLiteral("export.csv"));
    ASSERT_TRUE(page()->exportTable(file));
    const QStringList lines = QString::fromUtf8(readFile(file)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Date,Recording,")));
    for (int i = 1; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].contains(QStringLiteral(",Bird,"))) << lines[i].toStdString();

    QString reason;
    EXPECT_FALSE(page()->exportTable(archivePath(), &reason)) << "a folder is no file";
    EXPECT_FALSE(reason.isEmpty());
}

} // namespace
} // namespace vimo::test
