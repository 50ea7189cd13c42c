// Serial link speed through a pseudo-terminal against the simulated module.
//
// Every figure is a ratio against a baseline of the same run: the time the bytes need on a real line (10 bits a
// byte) plus the pauses the exchange prescribes, the same bytes read raw from the terminal without the link, or
// the time limit that an operation was given.
#include "link/SerialLink.h"

#include "SimModule.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using vimo::SerialLink;
using vimo::sim::SimModule;
using vimo::sim::SimOptions;

namespace {

constexpr int kFullSetWords = 65535;
constexpr qint64 kHeaderBytes = 6;
constexpr qint64 kSetBytes = kHeaderBytes + 2 * qint64(kFullSetWords);
constexpr double kSetIndexPauseSeconds = 0.020; // between "a" and the set index
constexpr double kDrainQuietSeconds = 0.020;    // the quiet time drain waits for before the command

double wireSeconds(qint64 bytes, int baud)
{
    return double(bytes) * 10.0 / baud;
}

SimOptions fullSetModule(bool pace)
{
    SimOptions options;
    options.sets = 1;
    options.words = kFullSetWords;
    options.pace = pace;
    return options;
}

// Downloads set 0 as the module layer does: drain, "a", pause, index, the header, then word by word with the
// per-word limits, until the announced word count is in. Returns the words read.
int downloadSet(SerialLink& link)
{
    link.drain();
    link.write("a", 1);
    QThread::msleep(20);
    link.write(QByteArray(1, '\0'));
    char header[kHeaderBytes + 1];
    if (link.readExact(header, kHeaderBytes, 2500) != kHeaderBytes)
        return -1;
    const int announced = (quint8(header[3]) << 8) | quint8(header[4]);
    int words = 0;
    char word[3];
    quint32 limit = 500;
    while (words < announced && link.readExact(word, 2, limit) == 2) {
        ++words;
        limit = quint8(word[0]) == 0x82 ? 1000 : 500;
    }
    return words;
}

// Times `body` once per iteration and returns the mean in seconds; negative when `body` reported a failure.
template <typename Body>
double meanSeconds(benchmark::State& state, Body body)
{
    double seconds = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const bool ok = body();
        seconds += timer.nsecsElapsed() * 1e-9;
        if (!ok) {
            state.SkipWithError("the exchange failed");
            return -1;
        }
    }
    return seconds / double(state.iterations());
}

// Runs the download `state.iterations()` times and reports the time per download and its ratio to `baseline`.
void runDownloads(benchmark::State& state, SimModule& module, int baud, double baselineSeconds, const char* ratioName)
{
    SerialLink link;
    if (!link.open(module.devicePath(), baud)) {
        state.SkipWithError("cannot open the simulated module");
        return;
    }
    const double perDownload = meanSeconds(state, [&] { return downloadSet(link) == kFullSetWords; });
    if (perDownload < 0)
        return;
    state.counters["seconds"] = perDownload;
    state.counters["baseline_s"] = baselineSeconds;
    state.counters[ratioName] = perDownload / baselineSeconds;
}

// Baseline: the same reply read straight from the terminal in large blocks, without the link.
void BM_FullSet_RawTerminal(benchmark::State& state)
{
    SimModule module(fullSetModule(false));
    if (!module.start()) {
        state.SkipWithError("no simulator");
        return;
    }
    const int fd = ::open(QFile::encodeName(module.devicePath()).constData(), O_RDWR | O_NOCTTY);
    termios mode{};
    ::tcgetattr(fd, &mode);
    ::cfmakeraw(&mode);
    ::tcsetattr(fd, TCSANOW, &mode);
    std::vector<char> buffer(static_cast<size_t>(kSetBytes));
    const double perRead = meanSeconds(state, [&] {
        (void)!::write(fd, "a\0", 2);
        qint64 got = 0;
        pollfd wait{fd, POLLIN, 0};
        while (got<kSetBytes&& ::poll(&wait, 1, 2000)> 0)
            got += ::read(fd, buffer.data() + got, size_t(kSetBytes - got));
        return got == kSetBytes;
    });
    ::close(fd);
    state.counters["seconds"] = perRead;
    state.counters["ratio_to_wire_115200"] = perRead / wireSeconds(kSetBytes, 115200);
}
BENCHMARK(BM_FullSet_RawTerminal)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The host is never the bottleneck: an unpaced module, read word by word through the link.
void BM_FullSet_Unpaced(benchmark::State& state)
{
    SimModule module(fullSetModule(false));
    if (!module.start()) {
        state.SkipWithError("no simulator");
        return;
    }
    runDownloads(state, module, 115200, wireSeconds(kSetBytes, 115200), "ratio_to_wire_115200");
}
BENCHMARK(BM_FullSet_Unpaced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// A paced module at the line's rate: the download may take at most 1.05 times the wire time plus the pauses.
void BM_FullSet_Paced(benchmark::State& state)
{
    const int baud = int(state.range(0));
    SimModule module(fullSetModule(true));
    if (!module.start()) {
        state.SkipWithError("no simulator");
        return;
    }
    const double baseline = wireSeconds(kSetBytes + 2, baud) + kSetIndexPauseSeconds + kDrainQuietSeconds;
    runDownloads(state, module, baud, baseline, "ratio_to_wire_and_pauses");
}
BENCHMARK(BM_FullSet_Paced)->Arg(115200)->Arg(4800)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// How long an operation takes beyond the time it was given, on a silent line; the baseline is its limit.
template <typename Operation>
void measureLimit(benchmark::State& state, double limitSeconds, Operation operation)
{
    SimModule module;
    SerialLink link;
    if (!module.start() || !link.open(module.devicePath(), 115200)) {
        state.SkipWithError("no simulator");
        return;
    }
    const double perCall = meanSeconds(state, [&] {
        operation(link);
        return true;
    });
    state.counters["overshoot_ms"] = (perCall - limitSeconds) * 1000;
    state.counters["ratio_to_limit"] = perCall / limitSeconds;
}

void BM_Drain_SilentLine(benchmark::State& state)
{
    measureLimit(state, kDrainQuietSeconds, [](SerialLink& link) { link.drain(); });
}
BENCHMARK(BM_Drain_SilentLine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

// drain after a reply: the time from the command to the end of the 20 ms quiet after the last byte.
void BM_Drain_AfterReply(benchmark::State& state)
{
    measureLimit(state, kDrainQuietSeconds, [](SerialLink& link) {
        link.write("v", 1);
        link.drain();
    });
}
BENCHMARK(BM_Drain_AfterReply)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

void BM_ReadExact_TimeLimit(benchmark::State& state)
{
    measureLimit(state, 0.5, [](SerialLink& link) {
        char buffer[29];
        benchmark::DoNotOptimize(link.readExact(buffer, 28, 500));
    });
}
BENCHMARK(BM_ReadExact_TimeLimit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_ReadLine_TimeLimit(benchmark::State& state)
{
    measureLimit(state, 0.3, [](SerialLink& link) {
        char buffer[257];
        benchmark::DoNotOptimize(link.readLine(buffer, 256, 300));
    });
}
BENCHMARK(BM_ReadLine_TimeLimit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_WaitFor_TimeLimit(benchmark::State& state)
{
    measureLimit(state, 1.0, [](SerialLink& link) { benchmark::DoNotOptimize(link.waitFor(QByteArray("OK"), 1000)); });
}
BENCHMARK(BM_WaitFor_TimeLimit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
