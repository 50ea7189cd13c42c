// A full-size data set download and a full firmware update through the module layer, over a pseudo-terminal to the
// simulated module.
//
// Every figure is a ratio against the baseline of its row: the time the bytes of the exchange need on a real line
// (10 bits a byte) plus the pauses the exchange prescribes. Unpaced, the simulator answers at once, so the ratio is
// the host's own share; paced, it keeps the timing of a real line, so the ratio shows what the host adds to it.
#include "../support/SilentReporter.h"
#include "SimModule.h"
#include "firmware/FirmwareImage.h"
#include "firmware/FirmwareUpdate.h"
#include "firmware/HexFile.h"
#include "firmware/IspProtocol.h"
#include "link/SerialLink.h"
#include "module/Download.h"
#include "module/ModuleProtocol.h"
#include "module/ModuleSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

using namespace vimo;

namespace {

constexpr int kFullSetWords = 65535;
constexpr double kDrainQuietSeconds = 0.020; // the quiet drain waits for before each command

double wireSeconds(double bytes, int baud)
{
    return bytes * 10.0 / baud;
}

void report(benchmark::State& state, double seconds, double baseline, const char* ratioName)
{
    state.counters["seconds"] = seconds;
    state.counters["baseline_s"] = baseline;
    state.counters[ratioName] = seconds / baseline;
}

// Downloads the module's one full-size set `state.iterations()` times through downloadDataSets and reports the mean
// time of a download against the bytes' wire time at 115200 baud plus the prescribed pauses.
void downloadFullSet(benchmark::State& state, bool pace, int baud)
{
    sim::SimOptions options;
    options.sets = 1;
    options.words = kFullSetWords;
    options.pace = pace;
    sim::SimModule module(options);
    SerialLink link;
    test::SilentReporter reporter;
    ModuleSession session(link, reporter);
    if (!module.start() || !connectModule(session, module.devicePath(), baud, false)) {
        state.SkipWithError("no simulated module");
        return;
    }
    session.state.setCount = 1;
    double seconds = 0;
    for (auto _ : state) {
        int samples = 0;
        QElapsedTimer timer;
        timer.start();
        const DownloadResult result =
            downloadDataSets(session, 0, [&samples](DownloadedSet&& set) { samples = set.received; });
        seconds += timer.nsecsElapsed() * 1e-9;
        if (result.delivered != 1 || samples == 0) {
            state.SkipWithError("the download failed");
            return;
        }
    }
    // "a" and the set index go out, the header and the words come back.
    const double bytes = 2 + SetHeader::kWireSize + 2.0 * kFullSetWords;
    const double pauses = Timing{}.beforeSetIndexMs * 0.001 + kDrainQuietSeconds;
    report(state, seconds / double(state.iterations()), wireSeconds(bytes, pace ? baud : 115200) + pauses,
           pace ? "ratio_to_wire_and_pauses" : "ratio_to_wire_115200");
}

void BM_Download_FullSet_Unpaced(benchmark::State& state)
{
    downloadFullSet(state, false, 115200);
}
BENCHMARK(BM_Download_FullSet_Unpaced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_Download_FullSet_Paced(benchmark::State& state)
{
    downloadFullSet(state, true, int(state.range(0)));
}
BENCHMARK(BM_Download_FullSet_Paced)
    ->Arg(115200)
    ->Arg(4800)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// The line time of a full update at the boot loader's speed: every record goes out while its echo comes back
// character by character; the last echoed character and the status character follow the record. Then the
// synchronisation ("U" and its answer) and the reset record; "P" goes out at the connection speed.
double updateWireSeconds(const FirmwareImage& image, int connectionBaud)
{
    double bytes = 2 + qstrlen(kIspResetRecord);
    for (const IspRecord& record : ispRecords(image))
        bytes += double(record.text.size()) + 2;
    return wireSeconds(bytes, kBootLoaderBaud) + wireSeconds(1, connectionBaud);
}

void BM_FirmwareUpdate_FullImage_Paced(benchmark::State& state)
{
    const QString hex = QStringLiteral(VIMO_SOURCE_DIR "/tests/firmware/data/full_code_space.hex");
    FirmwareImage image;
    if (!loadHexFile(hex, image).loaded() || *image.highestAddress != FirmwareImage::kSize - 1) {
        state.SkipWithError("no full image");
        return;
    }
    sim::SimOptions options;
    options.pace = true;
    sim::SimModule module(options);
    if (!module.start()) {
        state.SkipWithError("no simulated module");
        return;
    }
    SerialLink link;
    test::SilentReporter reporter;
    FirmwareUpdateOptions update;
    update.devicePath = module.devicePath();
    update.baud = int(state.range(0)); // the connection speed, at which "P" goes out
    double seconds = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const int result = runFirmwareUpdate(hex, update, link, reporter, image);
        seconds += timer.nsecsElapsed() * 1e-9;
        if (result != kUpdateOk) {
            state.SkipWithError("the update failed");
            return;
        }
    }
    // "P" + 100 ms, the break of 200 ms + 500 ms, and 500 ms before the reset record.
    const double pauses = 0.100 + 0.200 + 0.500 + 0.500;
    report(state, seconds / double(state.iterations()), updateWireSeconds(image, update.baud) + pauses,
           "ratio_to_wire_and_pauses");
}
BENCHMARK(BM_FirmwareUpdate_FullImage_Paced)
    ->Arg(115200)
    ->Arg(4800)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
