// Opening the logbook over 10,000 archived flights, against a bare SELECT of the same rows in the same run:
// the model alone (index opened, every row read, sorted by date), and the whole opening of the page's logbook
// (the archive folder checked against the index, then the model). The ratios are printed at the end.
#include "../support/RatioReporter.h"
#include "data/DataFile.h"
#include "data/Plot.h"
#include "logbook/Logbook.h"
#include "logbook/LogbookModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vimo;

namespace {

constexpr int kFlights = 10000;

// An archive of 10,000 small flight files in 100 date folders, indexed once.
struct Archive {
    QTemporaryDir dir;

    Archive()
    {
        Plot plot;
        DataSet& set = plot.signals.createDataSet();
        set.clearSamples();
        for (int i = 0; i < 40; ++i)
            set.altitude.series.append(i * 0.5, 100 + i);
        for (int n = 0; n < kFlights; ++n) {
            plot.signals.rename(0, QStringLiteral("Flight %1").arg(n));
            const QString folder = QStringLiteral("2026-%1-%2").arg(1 + n / 1000 % 12, 2, 10, QLatin1Char('0'))
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

void BareSelect(benchmark::State& state)
{
    LogbookIndex index(archive().dir.path());
    for (auto _ : state) {
        QSqlQuery q(index.database());
        q.setForwardOnly(true);
        q.exec(QStringLiteral("SELECT * FROM flights ORDER BY downloaded DESC"));
        int rows = 0;
        while (q.next()) {
            for (int c = 0; c < 24; ++c)
                benchmark::DoNotOptimize(q.value(c));
            ++rows;
        }
        if (rows != kFlights)
            state.SkipWithError("not every flight was indexed");
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
        benchmark::DoNotOptimize(filter.rowCount());
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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    test::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("OpenLogbookModel", "BareSelect");
    reporter.printRatio("OpenLogbookWithFolderCheck", "BareSelect");
    benchmark::Shutdown();
    return 0;
}
