// Loading and saving a data set file of 65,536 samples, each against a plain line-by-line read or write of the
// same bytes in the same run. The ratios are printed at the end; the memory a loaded data set holds per sample is
// reported as a counter.
#include "../support/RatioReporter.h"
#include "data/DataFile.h"
#include "data/Plot.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

using namespace vimo;

namespace {

struct Files {
    QTemporaryDir dir;
    QString source;
    QList<QByteArray> lines;
    Plot plot; // the data set the save benchmarks write

    Files()
    {
        DataSet& set = plot.signals.createDataSet();
        set.clearSamples();
        for (int i = 0; i < SampleSeries::kCapacity; ++i) {
            set.altitude.series.append(i * 0.5, 1000 + (i % 2000) * 0.25, i % 500 == 0 ? 1 : 0);
            if (i % 100 == 0)
                set.trigger.series.append(i * 0.5, 1000 + (i % 2000) * 0.25);
        }
        set.addRateMark(10, 2000);
        source = dir.filePath(QStringLiteral("Alt_source.csv"));
        datafile::saveDataSetFile(source, plot, 0);
        QFile file(source);
        file.open(QIODevice::ReadOnly);
        while (!file.atEnd())
            lines.append(file.readLine());
    }
};

Files& files()
{
    static Files f;
    return f;
}

void PlainReadLines(benchmark::State& state)
{
    const QString path = files().source;
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        char buffer[512];
        qint64 total = 0;
        qint64 n = 0;
        while ((n = file.readLine(buffer, sizeof buffer)) > 0)
            total += n;
        benchmark::DoNotOptimize(total);
    }
}

void LoadDataSetFile(benchmark::State& state)
{
    const QString path = files().source;
    std::size_t bytes = 0;
    for (auto _ : state) {
        Plot plot;
        datafile::loadDataFile(path, plot);
        bytes = plot.signals.at(0).altitude.series.memoryBytes();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes_per_sample"] = double(bytes) / SampleSeries::kCapacity;
}

void PlainWriteLines(benchmark::State& state)
{
    const QString path = files().dir.filePath(QStringLiteral("plain.csv"));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        for (const QByteArray& line : files().lines)
            file.write(line);
        file.close();
    }
}

// The same plain write made as safe as a save: a temporary file synced to disk and renamed over the target.
void PlainWriteLinesSafely(benchmark::State& state)
{
    const QString path = files().dir.filePath(QStringLiteral("plain_safe.csv"));
    for (auto _ : state) {
        QSaveFile file(path);
        file.open(QIODevice::WriteOnly);
        for (const QByteArray& line : files().lines)
            file.write(line);
        file.commit();
    }
}

void SaveDataSetFile(benchmark::State& state)
{
    const QString path = files().dir.filePath(QStringLiteral("saved.csv"));
    for (auto _ : state)
        datafile::saveDataSetFile(path, files().plot, 0);
}

BENCHMARK(PlainReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadDataSetFile)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainWriteLines)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainWriteLinesSafely)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveDataSetFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    test::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [&](const char* what, const char* base) {
        const auto& real = reporter.realTimes;
        const auto& cpu = reporter.cpuTimes;
        if (real.count(what) && real.count(base) && real.at(base) > 0 && cpu.at(base) > 0)
            std::printf("%-16s / %-22s = %.2f (wall clock), %.2f (CPU)\n", what, base, real.at(what) / real.at(base),
                        cpu.at(what) / cpu.at(base));
    };
    ratio("LoadDataSetFile", "PlainReadLines");
    ratio("SaveDataSetFile", "PlainWriteLines");
    ratio("SaveDataSetFile", "PlainWriteLinesSafely");
    benchmark::Shutdown();
    return 0;
}
