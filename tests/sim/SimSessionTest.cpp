// The module exchanges end to end: the real SerialLink on a pseudo-terminal, the simulated module on the other side.

#include "SimulatedFlights.h"
#include "analysis/FlightAnalysis.h"
#include "data/Plot.h"
#include "module/Configuration.h"
#include "module/Download.h"
#include "module/DownloadInfo.h"
#include "module/LiveView.h"
#include "module/Maintenance.h"
#include "support/RecordingReporter.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

QByteArray wireOf(const ModuleConfig& config)
{
    const ConfigRecord r = encodeConfig(config);
    return QByteArray(reinterpret_cast<const char*>(r.data()), int(r.size()));
}

ModuleConfig configOf(const sim::ConfigRecord& record)
{
    return *decodeConfig(QByteArrayView(reinterpret_cast<const char*>(record.data()), qsizetype(record.size())));
}

// The samples a module's words stand for: every word but the trigger marks.
std::vector<double> samplesOf(const std::vector<quint16>& words)
{
    std::vector<double> out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (isTriggerMark(words[i]) && i + 1 < words.size())
            ++i;
        out.push_back(std::int16_t(words[i]));
    }
    return out;
}

} // namespace

class SimSession : public ::testing::Test {
protected:
    explicit SimSession(const sim::SimOptions& options = {}) : sim(options), session(link, reporter) {}

    void connect()
    {
        ASSERT_TRUE(connectModule(session, sim.path(), 115200));
        ASSERT_TRUE(sim->waitForReceived(2, 1000));
        ASSERT_EQ(sim->received(), "rM");
        sim->clearReceived();
        reporter.memo.clear();
    }

    sim::SimModel model() { return sim->model(); }

    SimFixture sim;
    SerialLink link;
    RecordingReporter reporter;
    ModuleSession session;
};

TEST_F(SimSession, connect_readsTheConfigurationRecordAndTheVariant)
{
    ASSERT_TRUE(connectModule(session, sim.path(), 115200));
    EXPECT_EQ(sim->received(), "rM");
    EXPECT_EQ(session.config, configOf(sim::defaultConfig(false)));
    EXPECT_FALSE(session.state.f5jModule);
    EXPECT_EQ(reporter.memo, (QStringList{"Reading Configuration...", "Configuration loaded."}));
    EXPECT_EQ(session.showRecordInterval().totalRecordTime, "Total Record Time: 09 hours 06 min 08.000 sec");
}

TEST_F(SimSession, downloadInfo_identityAndSetCount)
{
    connect();
    const auto info = downloadInfo(session, false);
    ASSERT_TRUE(info);
    EXPECT_EQ(sim->received(), "vs");
    EXPECT_EQ(reporter.memo,
              (QStringList{"     Device Name: VIMO", "           Model: MOD2", "", "Software Version: 1.07",
                           "   Software Date: 05-14-06", "", "", "Memory contains 3 data sets."}));
    EXPECT_EQ(info->setRows, (QStringList{"1", "2", "3", "All"}));
}

TEST_F(SimSession, writeConfig_sendsTheRecordBigEndianAndTheModuleKeepsIt)
{
    connect();
    ConfigControls controls = controlsFromConfig(session.config, false);
    controls.unitsRow = 2;
    controls.autoStopAltitudeText = "-100";
    session.interval.setInterval(90'000);
    ASSERT_TRUE(writeConfiguration(session, controls));
    ModuleConfig expected = configOf(sim::defaultConfig(false));
    expected.units = 2;
    expected.stopAltitude = 0xFF9C;
    expected.intervalTicks = 900;
    ASSERT_TRUE(sim->waitForReceived(29, 2000));
    EXPECT_EQ(sim->received(), "c" + wireOf(expected));
    EXPECT_EQ(sim->received().mid(1 + 2, 2), QByteArray("\x03\x84", 2)); // 900, high byte first
    EXPECT_EQ(configOf(model().config), expected);
}

TEST_F(SimSession, calibrate_sendsDollarTAndTheAltitudeThenRereads)
{
    connect();
    ASSERT_TRUE(calibrate(session, "1234"));
    EXPECT_EQ(sim->received(), QByteArray("$t\x04\xD2rM", 6));
    EXPECT_EQ(model().calibration, 1234);
    EXPECT_EQ(reporter.memo, (QStringList{"Reading Configuration...", "Configuration loaded."}));
    sim->clearReceived();
    ASSERT_TRUE(calibrate(session, "-10"));
    EXPECT_EQ(sim->received().left(4), QByteArray("$t\xFF\xF6", 4));
    EXPECT_EQ(model().calibration, -10);
}

TEST_F(SimSession, maintenance_eraseResetDefaultsAndResetModule)
{
    connect();
    reporter.answer = true;
    ASSERT_TRUE(eraseData(session));
    ASSERT_TRUE(sim->waitForReceived(1, 1000));
    EXPECT_EQ(model().erases, 1);

    sim->withModel([](sim::SimModel& m) { m.config[sim::field::kUnits] = 1; });
    sim->clearReceived();
    ASSERT_TRUE(resetDefaults(session));
    EXPECT_EQ(sim->received(), "*rM");
    EXPECT_EQ(session.config.units, 0);

    sim->clearReceived();
    reporter.memo.clear();
    ASSERT_TRUE(resetModule(session)); // the module is deaf while it restarts; the read comes after it
    EXPECT_EQ(sim->received(), "RrM");
    EXPECT_EQ(model().restarts, 1);
    EXPECT_EQ(reporter.memo, (QStringList{"Reading Configuration...", "Configuration loaded."}));
}

TEST_F(SimSession, downloadAll_everySetArrivesWithItsSamples)
{
    connect();
    ASSERT_TRUE(downloadInfo(session, false));
    reporter.memo.clear();
    sim->clearReceived();
    Plot plot;
    const DownloadResult r = downloadDataSets(session, 3, [&plot](DownloadedSet&& s) { addDownloadedSet(plot, s); });
    EXPECT_EQ(r.delivered, 3);
    EXPECT_EQ(sim->received(), QByteArray("a\x00"
                                          "a\x01"
                                          "a\x02",
                                          6));
    ASSERT_EQ(plot.signals.size(), 3);
    const sim::SimModel m = model();
    for (int k = 0; k < 3; ++k) {
        const std::vector<double> expected = samplesOf(m.sets[std::size_t(k)].words);
        EXPECT_EQ(plot.signals.at(k).altitude.series.altitudes(), expected) << "set " << k;
        EXPECT_EQ(reporter.memo[2 * k + 1],
                  QStringLiteral("Set %1: Downloaded %2 data samples.").arg(k + 1).arg(expected.size()));
    }
    EXPECT_EQ(plot.yLabel, "Altitude (feet)");
    EXPECT_FALSE(reporter.progressVisible);
}

// The sets a new user downloads first from the simulator hold flights that the analysis finds as they were flown:
// electric flights landed on the field, a hand-launch session, and a flight still in the air when the recording
// stops.
TEST_F(SimSession, downloadAll_theDefaultSetsHoldExactlyTheFlightsTheSimulatorFlew)
{
    connect();
    ASSERT_TRUE(downloadInfo(session, false));
    Plot plot;
    downloadDataSets(session, 3, [&plot](DownloadedSet&& s) { addDownloadedSet(plot, s); });
    ASSERT_EQ(plot.signals.size(), 3);
    const sim::SimModel m = model();
    for (int k = 0; k < 3; ++k) {
        const std::vector<sim::SimFlight>& flown = m.sets[std::size_t(k)].flights;
        EXPECT_FALSE(flown.empty()) << "set " << k;
        const FlightReport report = analyseFlights(plot.signals.at(k).altitude, plot.yLabel);
        EXPECT_EQ(simulatedFlightFaults(report, flown, 1.0), "") << "set " << k;
    }
    EXPECT_FALSE(m.sets[2].flights.back().landing) << "the third set ends in the air";
}

TEST_F(SimSession, liveView_startSendsL)
{
    connect();
    LiveView view;
    startStopLive(session, view);
    ASSERT_TRUE(sim->waitForReceived(1, 1000));
    EXPECT_TRUE(model().liveOutput);
    EXPECT_EQ(view.buttonCaption, "Stop");
}

// Misbehaving modules.

class SimSessionFaults : public SimSession {
protected:
    static sim::SimOptions with(const std::function<void(sim::SimOptions&)>& change)
    {
        sim::SimOptions o;
        o.sets = 2;
        o.words = 300;
        change(o);
        return o;
    }
    explicit SimSessionFaults(const sim::SimOptions& o) : SimSession(o) {}

    DownloadResult downloadAll(std::vector<DownloadedSet>& sets)
    {
        session.state.setCount = 2;
        return downloadDataSets(session, 2, [&sets](DownloadedSet&& s) { sets.push_back(std::move(s)); });
    }
    std::vector<DownloadedSet> sets;
};

class NoHeader : public SimSessionFaults {
protected:
    NoHeader() : SimSessionFaults(with([](sim::SimOptions& o) { o.faults.noHeader = true; })) {}
};
TEST_F(NoHeader, download_everySetIsReportedCorrupted)
{
    connect();
    const DownloadResult r = downloadAll(sets);
    EXPECT_EQ(r.delivered, 0);
    EXPECT_EQ(reporter.memo, (QStringList{"", "Set 1: Corrupted data set.", "", "Set 2: Corrupted data set."}));
}

class SilentAfterWords : public SimSessionFaults {
protected:
    SilentAfterWords() : SimSessionFaults(with([](sim::SimOptions& o) { o.faults.silenceAfterWords = 200; })) {}
};
TEST_F(SilentAfterWords, download_setThatStopsEarlyKeepsTheSamplesThatCame)
{
    connect();
    downloadAll(sets);
    ASSERT_EQ(sets.size(), 2u);
    const std::vector<quint16> words = model().sets[0].words;
    const std::vector<double> expected = samplesOf({words.begin(), words.begin() + 200});
    EXPECT_EQ(sets[0].altitudes, expected);
    EXPECT_TRUE(sets[0].endedEarly);
    EXPECT_EQ(reporter.memo.mid(0, 3),
              (QStringList{"", QStringLiteral("Set 1: Downloaded %1 data samples.").arg(expected.size()),
                           QStringLiteral("Set 1: Transfer ended early; %1 of %2 samples arrived.")
                               .arg(expected.size())
                               .arg(samplesOf(words).size())}));
}

class WordCountZero : public SimSessionFaults {
protected:
    WordCountZero()
        : SimSessionFaults(with([](sim::SimOptions& o) {
              o.faults.wordCountZero = true;
              o.faults.silenceAfterWords = 200;
          }))
    {
    }
};
TEST_F(WordCountZero, download_unannouncedSetEndsAtTheSilenceWithoutProgress)
{
    connect();
    downloadAll(sets);
    ASSERT_EQ(sets.size(), 2u);
    const std::vector<quint16> words = model().sets[0].words;
    EXPECT_EQ(sets[0].count(), int(samplesOf({words.begin(), words.begin() + 200}).size()));
    EXPECT_FALSE(sets[0].endedEarly);
    for (const auto& step : reporter.progressSteps)
        EXPECT_EQ(step.first, 0);
}

class ShortConfig : public SimSessionFaults {
protected:
    ShortConfig() : SimSessionFaults(with([](sim::SimOptions& o) { o.faults.shortConfigBytes = 20; })) {}
};
TEST_F(ShortConfig, read_leavesTheRecordUntouchedAndSendsNoVariantQuery)
{
    session.config.signature = 0x5555;
    const ModuleConfig before = session.config;
    ASSERT_TRUE(connectModule(session, sim.path(), 115200));
    EXPECT_EQ(session.config, before);
    EXPECT_EQ(sim->received(), "r");
    EXPECT_EQ(reporter.memo, (QStringList{"Reading Configuration...", "No reponse from device."}));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].text, "Unable to read configuration!");
}

class NoVariant : public SimSessionFaults {
protected:
    NoVariant()
        : SimSessionFaults(with([](sim::SimOptions& o) {
              o.faults.noVariantReply = true;
              o.f5j = true;
          }))
    {
    }
};
TEST_F(NoVariant, read_moduleWithoutVariantReplyIsAStandardModule)
{
    session.state.f5jModule = true;
    ASSERT_TRUE(connectModule(session, sim.path(), 115200));
    EXPECT_FALSE(session.state.f5jModule);
    EXPECT_EQ(reporter.memo.last(), "Configuration loaded.");
}

class F5jModule : public SimSessionFaults {
protected:
    F5jModule() : SimSessionFaults(with([](sim::SimOptions& o) { o.f5j = true; })) {}
};
TEST_F(F5jModule, read_showsTheF5jGroupWithTheThrottleSettings)
{
    ASSERT_TRUE(connectModule(session, sim.path(), 115200));
    EXPECT_TRUE(session.state.f5jModule);
    const ConfigControls c = controlsFromConfig(session.config, session.state.f5jModule);
    EXPECT_TRUE(c.f5jVisible);
    EXPECT_EQ(c.zCutBar, 200);
    EXPECT_EQ(c.t1Bar, 30);
}

class ErasedModule : public SimSessionFaults {
protected:
    ErasedModule() : SimSessionFaults(with([](sim::SimOptions& o) { o.erasedConfig = true; })) {}
};
TEST_F(ErasedModule, read_valuesBeyondTheLastRowSelectTheLastRow)
{
    ASSERT_TRUE(connectModule(session, sim.path(), 115200));
    const ConfigControls c = controlsFromConfig(session.config, false);
    EXPECT_EQ(c.unitsText(), "Meters");
    EXPECT_EQ(c.autoStartRow, 3);
    EXPECT_EQ(c.autoZeroRow, 3);
    // 0xFFFF x 0xFFFF ms is clamped to one hour; writing keeps a 16-bit interval.
    EXPECT_EQ(session.interval.recordInterval, IntervalEditor::kMaxInterval);
    ConfigControls controls = c;
    ASSERT_TRUE(writeConfiguration(session, controls));
    EXPECT_EQ(session.config.intervalTicks, 3'600'000 / 0xFFFF);
}

class HangUp : public SimSessionFaults {
protected:
    HangUp() : SimSessionFaults(with([](sim::SimOptions& o) { o.faults.hangUpAfterBytes = 28 + 1 + 6 + 100; })) {}
};
TEST_F(HangUp, download_portLostMidSetKeepsWhatCameAndDisconnects)
{
    connect();
    downloadAll(sets);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_GT(sets[0].count(), 0);
    EXPECT_LE(sets[0].count(), 50);
    EXPECT_FALSE(session.state.connected);
    EXPECT_TRUE(reporter.memo.last().contains("was lost"));
    EXPECT_EQ(reporter.connectionStatus.last(), "Not Connected");
}
