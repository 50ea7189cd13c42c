#include "module/DownloadInfo.h"
#include "FakeModule.h"

using namespace vimo;
using namespace vimo::test;

namespace {

QStringList infoLines(const QString& name, const QString& model, const QString& version, const QString& date, int sets)
{
    return {QStringLiteral("     Device Name: ") + name,
            QStringLiteral("           Model: ") + model,
            QString(),
            QStringLiteral("Software Version: ") + version,
            QStringLiteral("   Software Date: ") + date,
            QString(),
            QString(),
            QStringLiteral("Memory contains %1 data sets.").arg(sets)};
}

} // namespace

class DownloadInfoTest : public ModuleTest {};

TEST_F(DownloadInfoTest, simulateTarget_answersFixedValuesWithoutAPort)
{
    const auto info = downloadInfo(session, true);
    ASSERT_TRUE(info);
    EXPECT_EQ(reporter.memo, infoLines("VIMO", "MOD1", "0.03", "08-27-03", 0));
    EXPECT_TRUE(info->setRows.isEmpty()); // no "All" of no sets
    EXPECT_EQ(info->firmwareVersion, "0.03");
    EXPECT_EQ(session.config.signature, 0xABCD);
    EXPECT_EQ(session.config.intervalTicks, 4);
    EXPECT_TRUE(w.events.isEmpty());
}

TEST_F(DownloadInfoTest, notConnected_writesNotConnectedAndSendsNothing)
{
    reporter.memo << "old line";
    EXPECT_FALSE(downloadInfo(session, false));
    EXPECT_EQ(reporter.memo, QStringList{"Not Connected"});
    EXPECT_EQ(reporter.pageSwitches, 0);
    EXPECT_TRUE(w.writes().isEmpty());
}

TEST_F(DownloadInfoTest, moduleWithThreeSets_fillsTheBoxAndTheMemo)
{
    connect();
    module.setList = "1, 200\r\n2, 300\r\nnot numbers\r\n";
    const auto info = downloadInfo(session, false);
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->complete);
    EXPECT_EQ(w.writes(), (QStringList{"v", "s"}));
    EXPECT_EQ(reporter.memo, infoLines("VIMO", "MOD1", "0.07", "2024-06-01", 3));
    EXPECT_EQ(info->setRows, (QStringList{"1", "2", "3", "All"}));
    EXPECT_EQ(info->selectedRow, 0);
    EXPECT_EQ(session.state.setCount, 3);
}

TEST_F(DownloadInfoTest, incompleteIdentity_keepsNoReplyFromTargetAsTheFirstLine)
{
    connect();
    module.identity = "VIMO\nMOD1\n0.0"; // the version line never ends, the date never comes
    const auto info = downloadInfo(session, false);
    ASSERT_TRUE(info);
    EXPECT_FALSE(info->complete);
    QStringList expected{"No Reply from Target"};
    expected << infoLines("VIMO", "MOD1", "0.0", "", 0);
    EXPECT_EQ(reporter.memo, expected);
    EXPECT_EQ(info->firmwareVersion, "0.0"); // what arrived still reaches the label
    EXPECT_EQ(w.writes(), (QStringList{"v", "s"}));
}

TEST_F(DownloadInfoTest, aFailedReplyLeavesTheKnownSetCountAndTheSetBoxAlone)
{
    connect();
    session.state.setCount = 3; // from an earlier "Download Info"
    module.identity = "VIMO\nMOD1\n0.0";
    module.setList = "";
    const auto info = downloadInfo(session, false);
    ASSERT_TRUE(info);
    EXPECT_FALSE(info->setsRead);
    EXPECT_EQ(session.state.setCount, 3);
    EXPECT_EQ(reporter.memo.last(), "Memory contains 3 data sets.");
}

TEST_F(DownloadInfoTest, threeHundredSetLines_countAs256AndTheRestIsDrainedByTheNextCommand)
{
    connect();
    for (int i = 0; i < 300; ++i)
        module.setList += "7, 8\n";
    const auto info = downloadInfo(session, false);
    ASSERT_TRUE(info);
    EXPECT_EQ(session.state.setCount, 256);
    EXPECT_EQ(info->setRows.size(), 257);
    EXPECT_EQ(reporter.memo.last(), "Memory contains 256 data sets.");
    EXPECT_EQ(link.drain(), 44 * 5);
}
