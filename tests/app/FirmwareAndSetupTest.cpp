// "Update Firmware", the module setup dialog and failing exchanges, driven offscreen.

#include "PageControls.h"
#include "WindowHarness.h"
#include "app/Controls.h"
#include "app/controllers/ConnectionController.h"
#include "app/controllers/ModuleController.h"
#include "app/dialogs/ModuleSetupDialog.h"
#include "app/pages/AboutPage.h"
#include "app/pages/ConfigurePage.h"
#include "app/pages/ConnectPage.h"
#include "firmware/FirmwareUpdate.h"
#include "support/SimFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

namespace vimo::test {
namespace {

const QString kHexFile = QStringLiteral(VIMO_SOURCE_DIR "/tests/firmware/data/addresses_0_to_99.hex");

class Firmware : public WindowTest {
protected:
    explicit Firmware(const sim::SimOptions& options = {}) : sim(options) {}

    void SetUp() override
    {
        WindowTest::SetUp();
        startWindow();
        prompts.fileToOpen = kHexFile;
    }

    ConfigureControls page() const { return controls(pageOf<ConfigurePage>(*window)); }

    SimFixture sim;
};

TEST_F(Firmware, update_withAHexFile_closesTheConnection_programsTheModule_andSaysSo)
{
    connectTo(sim.path());
    watchProgressStages();
    window->showPage(pageOf<ConfigurePage>(*window));
    click(page().updateFirmwareButton);
    ASSERT_TRUE(waitIdle(60000));

    ASSERT_GE(prompts.shown.size(), 2);
    EXPECT_EQ(prompts.shown[0].kind, QStringLiteral("okCancel"));
    EXPECT_EQ(prompts.shown[0].caption, QStringLiteral("Vimo Firmware Update"));
    EXPECT_EQ(prompts.shown[0].text, QString::fromLatin1(kUpdateWarning));
    EXPECT_EQ(prompts.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(prompts.shown[1].kind, QStringLiteral("openFile"));
    EXPECT_EQ(prompts.shown[1].caption, QStringLiteral("Select Firmware Update File"));
    EXPECT_EQ(prompts.shown[1].text, QStringLiteral("Firmware Update (*.hex);;All Files (*) / hex"));
    EXPECT_EQ(prompts.shown.size(), 2); // success ends without a box
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Firmware updated successfully."));

    const QStringList lines = memo();
    EXPECT_TRUE(lines.contains(QStringLiteral("ISP Mode Initiated")));
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.mid(lines.size() - 2), (QStringList{QString(), "Firmware updated successfully."}));
    const QByteArray programmed = sim->model().programMemory;
    for (int a = 0; a < 100; ++a)
        EXPECT_EQ(quint8(programmed[a]), quint8(a)) << a;
    EXPECT_EQ(controls(pageOf<ConnectPage>(*window)).connectButton->text(), QStringLiteral("Connect"));
    EXPECT_EQ(controls(window.get()).connectionStatus->text(), QStringLiteral("Not Connected"));
    EXPECT_EQ(window->currentPage(), pageOf<ConnectPage>(*window));
    EXPECT_TRUE(controls(window.get()).progressBar->isHidden());
    EXPECT_EQ(progressStages, QStringList{"Updating firmware"});
    EXPECT_TRUE(controls(window.get()).progressText->isHidden());
}

TEST_F(Firmware, update_cancelledAtTheWarning_sendsNothing)
{
    choosePort(sim.path());
    prompts.answers = {false};
    click(page().updateFirmwareButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(sim->received().isEmpty());
}

TEST_F(Firmware, update_byHand_showsTheInstructions_andCancelSendsNothing)
{
    choosePort(sim.path());
    page().partIsBlankBox->setChecked(true);
    QTest::mouseClick(page().manualEntryBox, Qt::LeftButton); // hidden, but a click still counts
    EXPECT_FALSE(page().partIsBlankBox->isChecked());
    EXPECT_FALSE(page().partIsBlankBox->isEnabled());
    prompts.answers = {true, false};
    click(page().updateFirmwareButton);
    ASSERT_TRUE(waitIdle());
    ASSERT_EQ(prompts.shown.size(), 3);
    EXPECT_EQ(prompts.shown[2].icon, MessageIcon::None);
    EXPECT_TRUE(prompts.shown[2].text.startsWith(QStringLiteral("1) Power off device\n2) Press and hold S2")));
    EXPECT_TRUE(sim->received().isEmpty());
}

// An update with no port selected says so before it asks or opens anything.
TEST_F(Firmware, update_withNoPortSelected_saysSoBeforeAnything)
{
    choosePort(QString());
    click(page().updateFirmwareButton);
    ASSERT_TRUE(waitIdle());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("Unable to open Serial Port\n\nno serial port selected"));
}

sim::SimOptions failingBootLoader()
{
    sim::SimOptions options;
    options.faults.bootFault = sim::BootFault::ChecksumError;
    return options;
}

class FirmwareFails : public Firmware {
protected:
    FirmwareFails() : Firmware(failingBootLoader()) {}
};

TEST_F(FirmwareFails, update_whenTheBootLoaderRefusesEveryRecord_reportsTheStepAndNoSuccess)
{
    choosePort(sim.path());
    click(page().updateFirmwareButton);
    ASSERT_TRUE(waitIdle(60000));
    const QStringList lines = memo();
    EXPECT_EQ(lines.count(QStringLiteral("bad checksum")), 3);
    EXPECT_EQ(lines.last(), QStringLiteral("Error Setting Status Byte"));
    EXPECT_FALSE(lines.contains(QStringLiteral("Firmware updated successfully.")));
    EXPECT_TRUE(controls(window.get()).progressBar->isHidden());
    EXPECT_TRUE(controls(window.get()).progressText->isHidden());

    // The failure ends with a box: that it failed, why, and what to try next.
    ASSERT_FALSE(prompts.shown.isEmpty());
    const ScriptedPrompts::Shown& box = prompts.shown.last();
    EXPECT_EQ(box.kind, QStringLiteral("message"));
    EXPECT_EQ(box.caption, QStringLiteral("Vimo Firmware Update"));
    EXPECT_EQ(box.icon, MessageIcon::Warning);
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("The firmware update failed: the boot loader did not accept a "
                                                   "record.")));
    EXPECT_TRUE(box.text.contains(QStringLiteral("Keep the module powered")));
    EXPECT_TRUE(box.text.contains(QStringLiteral("\"Part is Blank\"")));
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QStringLiteral("The firmware update failed: the boot loader did not accept a record"));
}

class ModuleSetup : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        startWindow();
        window->showPage(pageOf<AboutPage>(*window));
    }

    ModuleSetupDialog& dialog() const { return *window->findChild<ModuleSetupDialog*>(); }

    // Presses a mouse button on the About page's icon; while the dialog is open, `inDialog` runs and closes it.
    void pressIcon(Qt::KeyboardModifiers modifiers, const std::function<void()>& inDialog = {})
    {
        QTimer::singleShot(0, &dialog(), [this, inDialog] {
            if (!dialog().isVisible())
                return;
            if (inDialog)
                inDialog();
            QTest::mouseClick(controls(&dialog()).closeButton, Qt::LeftButton);
        });
        QTest::mousePress(controls(pageOf<AboutPage>(*window)).icon, Qt::RightButton, modifiers);
        QTest::mouseRelease(controls(pageOf<AboutPage>(*window)).icon, Qt::RightButton, modifiers);
    }

    ModuleConfig& config() const { return window->module().module().config; }
};

TEST_F(ModuleSetup, iconWithoutCtrl_opensNothing)
{
    bool opened = false;
    pressIcon(Qt::NoModifier, [&] { opened = true; });
    QTest::qWait(20);
    EXPECT_FALSE(opened);
}

TEST_F(ModuleSetup, beforeAnyRead_showsVersion0AndNoSize_theArrowsWrap_andTheCaptionFollowsTheVersion)
{
    QString shownVersion;
    int shownItem = 0;
    pressIcon(Qt::ControlModifier, [&] {
        shownVersion = controls(&dialog()).versionReadout->text();
        shownItem = controls(&dialog()).memoryBox->currentIndex();
        QTest::mouseClick(controls(&dialog()).versionArrows->downButton(), Qt::LeftButton);
    });
    EXPECT_EQ(shownVersion, QStringLiteral("0"));
    EXPECT_EQ(shownItem, -1);
    EXPECT_EQ(config().moduleVersion, 255);
    EXPECT_EQ(config().memorySize, 0);
    EXPECT_EQ(controls(pageOf<ConfigurePage>(*window)).blankDisplayBox->text(), QStringLiteral("Enable LCD backlight"));

    pressIcon(Qt::ControlModifier, [&] {
        QTest::mouseClick(controls(&dialog()).versionArrows->upButton(), Qt::LeftButton);
        controls(&dialog()).memoryBox->setCurrentIndex(3);
        Q_EMIT controls(&dialog()).memoryBox->activated(3); // "32768 (24LC256)"
    });
    EXPECT_EQ(config().moduleVersion, 0);
    EXPECT_EQ(config().memorySize, 4);
    EXPECT_EQ(controls(pageOf<ConfigurePage>(*window)).blankDisplayBox->text(),
              QStringLiteral("Blank display after 30 seconds"));
}

// A memory size outside 1..8 selects nothing in the list, and the field keeps its value.
TEST_F(ModuleSetup, sizeOutsideTheList_selectsNothing_andKeepsTheField)
{
    config().memorySize = 12;
    int shownItem = 0;
    pressIcon(Qt::ControlModifier, [&] {
        shownItem = controls(&dialog()).memoryBox->currentIndex();
        EXPECT_FALSE(controls(&dialog()).memoryBox->isEditable());
    });
    EXPECT_EQ(shownItem, -1);
    EXPECT_EQ(config().memorySize, 12);
}

class Exchanges : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        startWindow();
    }
};

// An exception thrown by an exchange ends that exchange with an error box; the program goes on.
TEST_F(Exchanges, anExchangeThatThrows_showsAnErrorBox_andTheProgramGoesOn)
{
    ASSERT_TRUE(window->module().start([](ModuleSession& s) -> ModuleController::Finish {
        s.reporter.status(StatusPanel::Progress, QStringLiteral("Set 1 of 3"));
        s.reporter.progress(40, 100);
        throw std::runtime_error("the module layer failed");
    }));
    EXPECT_FALSE(window->module().start([](ModuleSession&) { return ModuleController::Finish{}; }))
        << "one exchange at a time";
    ASSERT_TRUE(waitIdle());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("the module layer failed"));
    EXPECT_TRUE(controls(pageOf<ConnectPage>(*window)).connectButton->isEnabled());
    // The exchange never said it was done with the progress bar: it goes with the exchange all the same.
    EXPECT_TRUE(controls(window.get()).progressBar->isHidden());
    EXPECT_TRUE(controls(window.get()).progressText->isHidden());

    window->setSimulateTarget(true);
    click(controls(pageOf<ConnectPage>(*window)).downloadInfoButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(memo().last(), QStringLiteral("Memory contains 0 data sets."));
}

TEST_F(Exchanges, aQuestionFromTheWorker_isAnsweredOnTheWindowThread)
{
    bool answer = false;
    prompts.answers = {true};
    ASSERT_TRUE(window->module().start([&answer](ModuleSession& s) -> ModuleController::Finish {
        s.reporter.memoLine(QStringLiteral("before the question"));
        answer = s.reporter.confirm(QStringLiteral("Caption"), QStringLiteral("Go on?"));
        return {};
    }));
    ASSERT_TRUE(waitIdle());
    EXPECT_TRUE(answer);
    EXPECT_EQ(memo(), QStringList{"before the question"});
    EXPECT_EQ(prompts.shown.last().text, QStringLiteral("Go on?"));
}

} // namespace
} // namespace vimo::test
