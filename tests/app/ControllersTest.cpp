// The module controllers on their own: pages without a window, questions answered by a script.

#include "PageControls.h"
#include "WindowHarness.h"

#include "app/controllers/ConfigController.h"
#include "app/controllers/ConnectionController.h"
#include "app/controllers/FirmwareController.h"
#include "app/controllers/ModuleController.h"
#include "app/session/PlotSession.h"
#include "data/Plot.h"
#include "logbook/Logbook.h"
#include "plot/PrintSettings.h"

#include <QTemporaryDir>

namespace vimo::test {
namespace {

struct Controllers : ::testing::Test {
    ScriptedPrompts prompts;
    QWidget parent;
    ModuleController module{&parent, prompts};
    ConnectPage connectPage;
    ConfigurePage configurePage;
    LogPage logPage;
    PlotSession session{&parent};
    QTemporaryDir archive;
    Logbook logbook{archive.path()};
    ConnectionController connection{module, connectPage, configurePage, session, logPage, logbook};
    ConfigController config{module, configurePage, &parent};
    FirmwareController firmware{module, connection, configurePage, prompts, &parent};

    QStringList kinds() const
    {
        QStringList list;
        for (const auto& shown : prompts.shown)
            list << shown.kind;
        return list;
    }
};

TEST_F(Controllers, firmwareUpdateWithoutAPort_saysSoAndStartsNothing)
{
    firmware.updateFirmware();
    ASSERT_EQ(kinds(), QStringList{QStringLiteral("message")});
    EXPECT_EQ(prompts.shown[0].caption, QStringLiteral("Error"));
    EXPECT_FALSE(module.busy());
}

TEST_F(Controllers, firmwareUpdate_declinedWarningOrNoFile_programsNothing)
{
    controls(&connectPage).portBox->setEditText(QStringLiteral("/dev/vimo-test-none"));
    EXPECT_EQ(connection.selectedDevicePath(), QStringLiteral("/dev/vimo-test-none"));
    prompts.answers = {false};
    firmware.updateFirmware();
    EXPECT_EQ(kinds(), QStringList{QStringLiteral("okCancel")}) << "no file is asked for after Cancel";

    prompts.shown.clear();
    prompts.answers = {true};
    prompts.fileToOpen.clear();
    firmware.updateFirmware();
    EXPECT_EQ(kinds(), (QStringList{QStringLiteral("okCancel"), QStringLiteral("openFile")}));
    EXPECT_FALSE(module.busy());
}

TEST_F(Controllers, aSpeedChosenWhileDisconnected_isRememberedForTheNextConnect)
{
    connection.setSpeedIndex(5);
    Q_EMIT connectPage.speedChosen(2);
    EXPECT_EQ(connection.speedIndex(), 2);
    EXPECT_EQ(connection.baudRate(), 9600);
    EXPECT_FALSE(module.busy()) << "nothing to close";
}

TEST_F(Controllers, theIntervalArrowsStepTheEditorAndShowTheRecordTime)
{
    config.showRecordTime();
    const QString before = controls(&configurePage).secondsPanel->text();
    Q_EMIT configurePage.intervalStepRequested(IntervalEditor::Seconds, true);
    EXPECT_NE(controls(&configurePage).secondsPanel->text(), before);
    Q_EMIT configurePage.intervalStepRequested(IntervalEditor::Seconds, false);
    EXPECT_EQ(controls(&configurePage).secondsPanel->text(), before);
}

TEST_F(Controllers, aRunningExchangeDisablesWhatWouldStartAnother)
{
    Q_EMIT module.busyChanged(true);
    EXPECT_FALSE(controls(&connectPage).connectButton->isEnabled());
    EXPECT_FALSE(controls(&connectPage).downloadDataButton->isEnabled());
    EXPECT_FALSE(configurePage.isEnabled());
    EXPECT_FALSE(controls(&logPage).startButton->isEnabled());
    EXPECT_TRUE(session.exchangeRunning());
    Q_EMIT module.busyChanged(false);
    EXPECT_TRUE(controls(&connectPage).connectButton->isEnabled());
    EXPECT_EQ(controls(&connectPage).connectButton->text(), QStringLiteral("Connect"));
    EXPECT_FALSE(session.exchangeRunning());
}

} // namespace
} // namespace vimo::test
