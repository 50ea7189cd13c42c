// Opening the logbook over 10,000 archived recordings of five flights each, against a bare SELECT of the same rows
// (every recording and every flight) in the same run: the model alone (index opened, every row read, sorted by
// date), the whole opening of the page's logbook (the archive folder checked against the index, then the model),
// and the Logbook page itself (table, totals and season chart). The ratios are printed at the end.
#include "../support/RatioReporter.h"
#include "../support/SyntheticFlight.h"
#include "app/pages/LogbookPage.h"
#include "data/DataFile.h"
#include "data/Plot.h"
#include "logbook/Logbook.h"
#include "logbook/LogbookModel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vimo;

namespace {

constexpr int kRecordings = 10000;
constexpr int kFlightsEach = 5;

// An archive of 10,000 recordings of five hand launches each, in 100 date folders, indexed once.
struct Archive {
    QTemporaryDir dir;

    Archive()
    {
        test::FlightPathBuilder path(100);
        path.stay(10);
        for (int i = 0; i < kFlightsEach; ++i)
            path.handLaunch(30 + 2 * i).glide(0.6, 20).landAt(100, 0.8).stay(30);
        Plot plot;
        test::fillRecording(plot.signals.createDataSet(), path.sample(0.5, 0.2, 3));
        plot.yLabel = QStringLiteral("Altitude (meters)");
        for (int n = 0; n < kRecordings; ++n) {
            plot.signals.rename(0, QStringLiteral("Session %1").arg(n));
            const QString folder = QStringLiteral("2026-%1-%2")
                                       .arg(1 + n / 1000 % 12, 2, 10, QLatin1Char('0'))
                                       .arg(1 + n % 28, 2, 10, QLatin1Char('0'));
            QDir().mkpath(dir.filePath(folder));
            QFile file(dir.filePath(folder + QStringLiteral("/Alt_%1_%2.csv").arg(folder).arg(n)));
            file.open(QIODevice::WriteOnly);
            file.write(datafile::dataSetFileBytes(plot, 0));
        }
        Logbook first(dir.path()); // indexes every file
    }
};

Archive& archive()
{
    static Archive a;
    return a;
}

// Reads every column of every row the query gives; returns the rows.
int readAll(QSqlQuery& q)
{
    int rows = 0;
    const int columns = q.record().count();
    while (q.next()) {
        for (int c = 0; c < columns; ++c)
            benchmark::DoNotOptimize(q.value(c));
        ++rows;
    }
    return rows;
}

void BareSelect(benchmark::State& state)
{
    LogbookIndex index(archive().dir.path());
    for (auto _ : state) {
        QSqlQuery q(index.database());
        q.setForwardOnly(true);
        q.exec(QStringLiteral("SELECT * FROM recordings ORDER BY downloaded DESC"));
        const int recordings = readAll(q);
        q.exec(QStringLiteral("SELECT * FROM flights ORDER BY path, flight"));
        const int flights = readAll(q);
        if (recordings != kRecordings || flights != kRecordings * kFlightsEach)
            state.SkipWithError("not every recording and flight was indexed");
    }
}
BENCHMARK(BareSelect)->Unit(benchmark::kMillisecond);

void OpenLogbookModel(benchmark::State& state)
{
    for (auto _ : state) {
        LogbookIndex index(archive().dir.path());
        LogbookModel model;
        model.reload(index);
        LogbookFilter filter;
        filter.setSourceModel(&model);
        filter.sort(LogbookModel::Date, Qt::DescendingOrder);
        if (filter.rowCount() != kRecordings * kFlightsEach)
            state.SkipWithError("not a row per flight");
    }
}
BENCHMARK(OpenLogbookModel)->Unit(benchmark::kMillisecond);

void OpenLogbookWithFolderCheck(benchmark::State& state)
{
    for (auto _ : state) {
        Logbook logbook(archive().dir.path());
        LogbookModel model;
        model.reload(logbook.index());
        LogbookFilter filter;
        filter.setSourceModel(&model);
        filter.sort(LogbookModel::Date, Qt::DescendingOrder);
        benchmark::DoNotOptimize(filter.rowCount());
    }
}
BENCHMARK(OpenLogbookWithFolderCheck)->Unit(benchmark::kMillisecond);

void OpenLogbookPage(benchmark::State& state)
{
    for (auto _ : state) {
        Logbook logbook(archive().dir.path());
        LogbookPage page(logbook);
        benchmark::DoNotOptimize(page.table()->model()->rowCount());
    }
}
BENCHMARK(OpenLogbookPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    test::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("OpenLogbookModel", "BareSelect");
    reporter.printRatio("OpenLogbookWithFolderCheck", "BareSelect");
    reporter.printRatio("OpenLogbookPage", "BareSelect");
    benchmark::Shutdown();
    return 0;
}
