#include "FakeModule.h"
#include "module/Configuration.h"
#include "module/Download.h"
#include "module/Maintenance.h"

#include <QElapsedTimer>

using namespace vimo;
using namespace vimo::test;

namespace {

// Every pause a value of its own, so that a transcript shows which one an exchange took.
Timing distinctPauses()
{
    Timing t;
    t.beforeConfigRecordMs = 1;
    t.beforeSetIndexMs = 2;
    t.resetDefaultsSettleMs = 3;
    t.calibrateSettleMs = 4;
    t.calibrateByteMs = 5;
    t.calibrateDoneMs = 6;
    t.resetModuleSettleMs = 7;
    t.configMs = 50;
    t.variantMs = 50;
    t.headerMs = 50;
    return t;
}

QStringList pausesOf(const QStringList& events)
{
    return events.filter(QStringLiteral("pause "));
}

} // namespace

// A session made with its own Timing: the window's and the CLI's tests rely on every exchange taking its pauses
// and time limits from there, not from the real protocol values.
class SessionTiming : public ModuleTest {
protected:
    SessionTiming() : quick(link, reporter, pauseHook(), distinctPauses())
    {
        ModuleConfig c;
        c.baseInterval = 100;
        c.intervalTicks = 10;
        module.configReply = wire(c);
    }

    void connectQuick()
    {
        connect();
        quick.state.connected = true;
    }

    ModuleSession quick;
};

TEST_F(SessionTiming, everyCommandPausesAsTheSessionsTimingSays)
{
    connectQuick();
    ASSERT_TRUE(calibrate(quick, QStringLiteral("1234")));
    ASSERT_TRUE(resetDefaults(quick));
    ASSERT_TRUE(resetModule(quick));
    sendConfiguration(quick);
    EXPECT_EQ(pausesOf(w.events),
              (QStringList{"pause 4", "pause 5", "pause 5", "pause 6", "pause 3", "pause 7", "pause 1"}));
}

TEST_F(SessionTiming, aSilentModule_costsTheSessionsLimitsNotTheRealOnes)
{
    connectQuick();
    w.respond = nullptr; // nothing answers: the config read and the set header run into their limits
    quick.state.setCount = 2;
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(readConfiguration(quick));
    const DownloadResult result = downloadDataSets(
        quick, 0, [](DownloadedSet&&) {}, QDate(2024, 6, 1));
    EXPECT_EQ(result.requested, 1);
    EXPECT_EQ(result.delivered, 0);
    EXPECT_EQ(pausesOf(w.events), QStringList{"pause 2"});
    // The real limits add up to 7.5 s; the session's to 0.1 s.
    EXPECT_LT(timer.elapsed(), 2000);
}
