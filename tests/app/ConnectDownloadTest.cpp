// The "Connect / Download" page driven offscreen against the simulated module on a pseudo-terminal.

#include "PageControls.h"
#include "WindowHarness.h"
#include "app/controllers/ModuleController.h"
#include "app/pages/ConfigurePage.h"
#include "app/pages/ConnectPage.h"
#include "app/pages/DataPage.h"
#include "app/pages/LogPage.h"
#include "data/DataFile.h"
#include "data/Plot.h"
#include "logbook/Logbook.h"
#include "module/Maintenance.h"
#include "support/SimFixture.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace vimo::test {
namespace {

QStringList rowsOf(const QComboBox* box)
{
    QStringList rows;
    for (int i = 0; i < box->count(); ++i)
        rows.append(box->itemText(i));
    return rows;
}

class ConnectDownload : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        startWindow();
    }

    ConnectControls page() const { return controls(pageOf<ConnectPage>(*window)); }

    // "Download Info" after a connection, so the data set box lists the module's sets.
    void connectAndListSets()
    {
        connectTo(sim.path());
        click(page().downloadInfoButton);
        ASSERT_TRUE(waitIdle());
        sim->clearReceived();
    }

    int dataSets() const { return window->session().plot().signals.size(); }

    SimFixture sim{simWithSets(3, 400)};
};

TEST_F(ConnectDownload, connect_opensThePortAndReadsTheConfiguration_disconnectClosesIt)
{
    connectTo(sim.path());
    EXPECT_EQ(sim->received(), "rM");
    EXPECT_EQ(page().connectButton->text(), QStringLiteral("Disconnect"));
    EXPECT_EQ(controls(window.get()).connectionStatus->text(), QStringLiteral("Connected"));
    EXPECT_EQ(memo(),
              (QStringList{QStringLiteral("Reading Configuration..."), QStringLiteral("Configuration loaded.")}));
    // The module's record on the Configure page: version 3 has a backlight, auto start above 20 feet.
    EXPECT_EQ(controls(pageOf<ConfigurePage>(*window)).blankDisplayBox->text(), QStringLiteral("Enable LCD backlight"));
    EXPECT_EQ(controls(pageOf<ConfigurePage>(*window)).recordTimeLine->text(),
              QStringLiteral("Total Record Time: 09 hours 06 min 08.000 sec"));

    click(page().connectButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(page().connectButton->text(), QStringLiteral("Connect"));
    EXPECT_EQ(controls(window.get()).connectionStatus->text(), QStringLiteral("Not Connected"));
    EXPECT_FALSE(window->module().module().state.connected);
}

// Connect with an empty port box says that no port is selected; it opens no other name.
TEST_F(ConnectDownload, connect_withNoPortSelected_saysSoAndChangesNothing)
{
    choosePort(QString());
    click(page().connectButton);
    ASSERT_TRUE(waitIdle());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("Unable to open Serial Port\n\nno serial port selected"));
    EXPECT_EQ(prompts.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(page().connectButton->text(), QStringLiteral("Connect"));
    EXPECT_EQ(controls(window.get()).connectionStatus->text(), QStringLiteral("Not Connected"));
}

TEST_F(ConnectDownload, connect_toAPortThatCannotOpen_keepsTheFixedTextWithTheReason)
{
    choosePort(QStringLiteral("/dev/vimo-no-such-port"));
    click(page().connectButton);
    ASSERT_TRUE(waitIdle());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].text.startsWith(QStringLiteral("Unable to open Serial Port")));
    EXPECT_GT(prompts.shown[0].text.size(), QStringLiteral("Unable to open Serial Port").size());
    EXPECT_EQ(page().connectButton->text(), QStringLiteral("Connect"));
}

TEST_F(ConnectDownload, downloadInfo_listsTheSetsAndShowsTheIdentity)
{
    connectAndListSets();
    EXPECT_EQ(rowsOf(page().setBox), (QStringList{"1", "2", "3", "All"}));
    EXPECT_EQ(page().setBox->currentIndex(), 0);
    EXPECT_EQ(memo(), (QStringList{"     Device Name: VIMO", "           Model: MOD2", "", "Software Version: 1.07",
                                   "   Software Date: 05-14-06", "", "", "Memory contains 3 data sets."}));
    EXPECT_EQ(controls(pageOf<ConfigurePage>(*window)).firmwareVersionLabel->text(), QStringLiteral("1.07"));
}

TEST_F(ConnectDownload, downloadInfo_simulated_answersWithoutAModule)
{
    window->setSimulateTarget(true);
    click(page().downloadInfoButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_TRUE(rowsOf(page().setBox).isEmpty()); // no "All" of no sets
    EXPECT_EQ(memo(), (QStringList{"     Device Name: VIMO", "           Model: MOD1", "", "Software Version: 0.03",
                                   "   Software Date: 08-27-03", "", "", "Memory contains 0 data sets."}));
}

TEST_F(ConnectDownload, downloadData_oneSet_becomesADataSetOfThePlot)
{
    connectAndListSets();
    page().setBox->setCurrentIndex(1);
    click(page().downloadDataButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(sim->received().left(2), QByteArray("a\x01", 2));
    ASSERT_EQ(dataSets(), 1); // set 2 took the start-up set's place
    const DataSet& set = window->session().plot().signals.at(0);
    EXPECT_GT(set.altitude.series.count(), 0);
    EXPECT_TRUE(memo().contains(QStringLiteral("Set 2: Downloaded %1 data samples.").arg(set.altitude.series.count())));
    EXPECT_EQ(window->session().plot().xLabel, QStringLiteral("Time (seconds)"));
    EXPECT_TRUE(controls(window.get()).progressBar->isHidden());
    EXPECT_EQ(page().downloadDataButton->text(), QStringLiteral("Download Data"));
}

TEST_F(ConnectDownload, downloadData_archivesTheSetAsTheActiveDataSetFile)
{
    connectAndListSets();
    page().setBox->setCurrentIndex(1);
    click(page().downloadDataButton);
    ASSERT_TRUE(waitIdle());
    ASSERT_EQ(dataSets(), 1);
    Logbook logbook(archivePath());
    const std::vector<ArchivedRecording> flights = logbook.index().recordings();
    ASSERT_EQ(flights.size(), 1u);
    EXPECT_EQ(flights[0].set, 2);
    EXPECT_EQ(flights[0].deviceName, "VIMO");
    EXPECT_EQ(readFile(logbook.absolutePath(flights[0].path)), datafile::dataSetFileBytes(window->session().plot(), 0));
}

TEST_F(ConnectDownload, downloadData_archiveThatCannotBeWritten_stillPlotsTheSetAndSaysSo)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("plain"), "x");
    window.reset(); // the window opens its archive when it is made
    qputenv("VIMO_ARCHIVE", dir.filePath("plain/flights").toUtf8());
    startWindow();
    connectAndListSets();
    page().setBox->setCurrentIndex(0);
    click(page().downloadDataButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(dataSets(), 1);
    EXPECT_TRUE(memo().filter(QStringLiteral("Set 1 was NOT archived in")).size() == 1)
        << memo().join('\n').toStdString();
}

TEST_F(ConnectDownload, downloadData_all_fetchesEverySetInOrder)
{
    connectAndListSets();
    page().setBox->setCurrentIndex(3); // "All"
    click(page().downloadDataButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(dataSets(), 3);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(window->session().plot().signals.at(k).moduleSet, k); // each names its file after its own set
    const QStringList lines = memo();
    const auto at = [&](const char* prefix) {
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].startsWith(QLatin1String(prefix)))
                return i;
        return -1;
    };
    EXPECT_GE(at("Set 1: Downloaded"), 0);
    EXPECT_LT(at("Set 1: Downloaded"), at("Set 2: Downloaded"));
    EXPECT_LT(at("Set 2: Downloaded"), at("Set 3: Downloaded"));
}

TEST_F(ConnectDownload, downloadData_all_namesEachSetInTheStatusBar_andLeavesNothingThereAfterwards)
{
    connectAndListSets();
    watchProgressStages();
    page().setBox->setCurrentIndex(3); // "All"
    click(page().downloadDataButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(progressStages, (QStringList{"Set 1 of 3", "Set 2 of 3", "Set 3 of 3"}));
    const WindowControls status = controls(window.get());
    EXPECT_TRUE(status.progressText->isHidden());
    EXPECT_TRUE(status.progressText->text().isEmpty());
    EXPECT_TRUE(status.progressBar->isHidden());
    EXPECT_EQ(status.connectionStatus->text(), QStringLiteral("Connected"));

    progressStages.clear();
    page().setBox->setCurrentIndex(1); // one set: its own number
    click(page().downloadDataButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(progressStages, QStringList{"Set 2"});
    EXPECT_TRUE(status.progressText->isHidden());
}

TEST_F(ConnectDownload, eraseData_no_sendsNothing_yes_sendsXAndEmptiesTheSetBox)
{
    connectAndListSets();
    prompts.answers = {false};
    click(page().eraseButton);
    ASSERT_TRUE(waitIdle());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].kind, QStringLiteral("yesNoDefaultNo")) << "Enter must not erase the module";
    EXPECT_EQ(prompts.shown[0].caption, QStringLiteral("Reset Config Defaults"));
    EXPECT_TRUE(prompts.shown[0].text.endsWith(
        QStringLiteral("\n\nThis will erase all altitude data in the device.  Are you sure?")))
        << prompts.shown[0].text.toStdString();
    EXPECT_TRUE(sim->received().isEmpty());
    EXPECT_EQ(page().setBox->count(), 4);

    click(page().eraseButton);
    ASSERT_TRUE(waitIdle());
    ASSERT_TRUE(sim->waitForReceived(1, 2000));
    EXPECT_EQ(sim->received(), "x");
    EXPECT_EQ(page().setBox->count(), 0);
    EXPECT_EQ(memo().last(), QStringLiteral("The module's data was erased: it holds no data sets now."));

    // With no row the download says so.
    click(page().downloadDataButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(prompts.shown.last().caption, QStringLiteral("Vimo"));
    EXPECT_EQ(prompts.shown.last().text, QStringLiteral("No data set specified"));
}

TEST_F(ConnectDownload, downloadInfo_afterTheModuleIsLost_saysNoSetsAndOffersNoAll)
{
    connectAndListSets();
    ASSERT_EQ(page().setBox->count(), 4);
    sim->hangUp();
    click(page().downloadInfoButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_TRUE(memo().contains(QStringLiteral("Memory contains 0 data sets.")));
    EXPECT_EQ(page().setBox->count(), 0);
}

TEST_F(ConnectDownload, speedChange_whileConnected_disconnects_andTheNextConnectUsesTheNewSpeed)
{
    connectTo(sim.path());
    // Set by the program: nothing happens.
    page().speedBox->setCurrentIndex(3);
    QTest::qWait(50);
    EXPECT_TRUE(window->module().module().state.connected);

    // Chosen by the user.
    page().speedBox->setCurrentIndex(2);
    Q_EMIT page().speedBox->activated(2);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(window->speedIndex(), 2);
    EXPECT_EQ(page().connectButton->text(), QStringLiteral("Connect"));
    EXPECT_EQ(controls(window.get()).connectionStatus->text(), QStringLiteral("Not Connected"));

    sim->clearReceived();
    click(page().connectButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(sim->received(), "rM");
    EXPECT_EQ(controls(window.get()).connectionStatus->text(), QStringLiteral("Connected"));
}

TEST_F(ConnectDownload, notConnected_moduleButtonsSayNotConnected)
{
    click(page().downloadInfoButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(memo(), QStringList{"Not Connected"});
    window->showPage(pageOf<ConfigurePage>(*window));
    click(controls(pageOf<ConfigurePage>(*window)).readConfigButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(memo(), QStringList{"Not Connected"});
    EXPECT_EQ(window->currentPage(), pageOf<ConnectPage>(*window));
}

// A slow line, so that the download is still running while the test looks at the window.
class SlowDownload : public ConnectDownload {
protected:
    SlowDownload()
    {
        sim::SimOptions options = simWithSets(1, 30000);
        options.pace = true;
        options.baud = 57600;
        slow = std::make_unique<SimFixture>(options);
    }
    // Starts downloading the slow module's one long set.
    void startDownload()
    {
        connectTo(slow->path());
        click(page().downloadInfoButton);
        ASSERT_TRUE(waitIdle(30000));
        click(page().downloadDataButton);
        QTest::qWait(300);
    }

    std::unique_ptr<SimFixture> slow;
};

// While a download runs nothing can close the port or delete a data set under it; Cancel keeps the samples.
TEST_F(SlowDownload, whileDownloading_nothingCanTakeThePortOrTheData_andCancelKeepsTheSamples)
{
    startDownload();
    ASSERT_TRUE(window->module().busy());

    EXPECT_EQ(page().downloadDataButton->text(), QStringLiteral("Cancel Download"));
    EXPECT_TRUE(page().downloadDataButton->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{
             page().connectButton, page().portBox, page().speedBox, page().downloadInfoButton, page().setBox,
             page().eraseButton, pageOf<ConfigurePage>(*window), controls(pageOf<LogPage>(*window)).startButton})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(window->session().exchangeRunning());
    EXPECT_TRUE(controls(window.get()).progressBar->isVisible());
    EXPECT_TRUE(controls(window.get()).progressText->text().startsWith(QStringLiteral("Set 1")));

    // Closing asks first; "No" keeps the window and the download.
    prompts.answers = {false};
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompts.shown.last().kind, QStringLiteral("yesNo"));
    EXPECT_TRUE(window->module().busy());

    click(page().downloadDataButton); // cancel
    ASSERT_TRUE(waitIdle(10000));
    ASSERT_EQ(dataSets(), 1);
    const int kept = window->session().plot().signals.at(0).altitude.series.count();
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, 30000);
    EXPECT_TRUE(
        memo().contains(QStringLiteral("Set 1: Download cancelled; the %1 samples received are kept.").arg(kept)));
    EXPECT_EQ(page().downloadDataButton->text(), QStringLiteral("Download Data"));
    EXPECT_TRUE(page().connectButton->isEnabled());
    EXPECT_TRUE(pageOf<ConfigurePage>(*window)->isEnabled());
    EXPECT_FALSE(window->session().exchangeRunning());
    EXPECT_TRUE(controls(window.get()).progressBar->isHidden());
    EXPECT_TRUE(controls(window.get()).progressText->isHidden()); // nothing stale after a cancel
}

TEST_F(SlowDownload, closeDuringDownload_yes_closesWhenTheExchangeHasEnded)
{
    startDownload();
    ASSERT_TRUE(window->module().busy());

    prompts.answers = {true};
    window->close();
    EXPECT_TRUE(window->isVisible()); // not while the exchange runs
    ASSERT_TRUE(waitIdle(10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 2000));
    EXPECT_EQ(dataSets(), 1); // the samples received are kept
    // ... and are not dropped without a word: the question about unsaved work came after the exchange.
    EXPECT_EQ(prompts.shown.last().kind, QStringLiteral("saveDiscardCancel"));
}

} // namespace
} // namespace vimo::test
