#include "app/MainWindow.h"
#include "PageControls.h"
#include "app/AppSettings.h"
#include "app/Controls.h"
#include "app/GuardedApplication.h"
#include "app/dialogs/Prompts.h"
#include "app/pages/AboutPage.h"
#include "app/pages/ConfigurePage.h"
#include "app/pages/ConnectPage.h"
#include "app/pages/DataPage.h"
#include "app/pages/LogPage.h"
#include "data/Plot.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace vimo {
namespace {

using test::controls;
using test::pageOf;

// Every test gets a settings store of its own.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    }

    QSettings store() const { return QSettings(QStringLiteral("Brennick"), QStringLiteral("Vimo")); }

    QTemporaryDir m_dir;
};

TEST_F(MainWindowTest, start_showsAboutFirst_withSixPagesAndLogDataHidden)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTabWidget* pages = controls(&window).pages;
    ASSERT_EQ(pages->count(), 6);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("Connect / Download"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("Configure"));
    EXPECT_EQ(pages->tabText(2), QStringLiteral("Recorded Data"));
    EXPECT_EQ(pages->tabText(3), QStringLiteral("Logbook"));
    EXPECT_EQ(pages->tabText(4), QStringLiteral("Log Data"));
    EXPECT_EQ(pages->tabText(5), QStringLiteral("About"));
    EXPECT_FALSE(pages->isTabVisible(4));
    EXPECT_EQ(pages->currentWidget(), pageOf<AboutPage>(window));

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vimo"));
    EXPECT_EQ(window.size(), QSize(773, 565 + window.menuBar()->height())) << "the pages keep their designed room";
    EXPECT_FALSE(window.isSizeable());
    EXPECT_EQ(controls(&window).connectionStatus->text(), QStringLiteral("Not Connected"));
    EXPECT_TRUE(controls(&window).progressBar->isHidden());
    EXPECT_FALSE(controls(pageOf<AboutPage>(window)).version->text().isEmpty());
    EXPECT_TRUE(controls(pageOf<AboutPage>(window)).build->text().contains(QStringLiteral(", ")));
    EXPECT_EQ(window.session().plot().signals.size(), 1); // the first data set
    EXPECT_EQ(&pageOf<DataPage>(window)->session(), &window.session());
}

TEST_F(MainWindowTest, startupTimer_firesOnce_showingConnectPageAndApplyingSizeableFromLastRun)
{
    {
        QSettings s = store();
        s.setValue(QStringLiteral("Settings/Sizeable"), 1);
    }
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(controls(&window).startupTimer->isSingleShot());
    EXPECT_EQ(controls(&window).startupTimer->interval(), 3000);
    EXPECT_TRUE(controls(pageOf<ConnectPage>(window)).sizeableBox->isChecked());
    EXPECT_FALSE(window.isSizeable()); // not before the timer

    QSignalSpy ticks(controls(&window).startupTimer, &QTimer::timeout);
    ASSERT_TRUE(ticks.wait(5000));
    EXPECT_EQ(window.currentPage(), pageOf<ConnectPage>(window));
    EXPECT_TRUE(window.isSizeable());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(controls(&window).startupTimer->isActive());

    // Ticking the box now changes nothing until the next start.
    controls(pageOf<ConnectPage>(window)).sizeableBox->click();
    EXPECT_TRUE(window.isSizeable());
}

TEST_F(MainWindowTest, secondShow_doesNotRepeatTheFirstShow)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const Plot* plot = &window.session().plot();
    window.showPage(pageOf<ConfigurePage>(window));
    window.hide();
    window.show();
    EXPECT_EQ(&window.session().plot(), plot);
    EXPECT_EQ(window.currentPage(), pageOf<ConfigurePage>(window));
}

TEST_F(MainWindowTest, pageChange_clearsTheReadouts)
{
    MainWindow window;
    window.show();
    controls(&window).positionReadout->setText(QStringLiteral("12.5 s, 40 ft"));
    controls(&window).climbReadout->setText(QStringLiteral("2.0 ft/s"));
    window.showPage(pageOf<ConnectPage>(window));
    EXPECT_TRUE(controls(&window).positionReadout->text().isEmpty());
    EXPECT_TRUE(controls(&window).climbReadout->text().isEmpty());
}

TEST_F(MainWindowTest, close_writesTheSettings_andTheNextStartRestoresThem)
{
    {
        MainWindow window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.setSimulateTarget(true);
        controls(pageOf<ConfigurePage>(window)).recordTriggerBox->setChecked(true);
        controls(pageOf<ConnectPage>(window)).sizeableBox->setChecked(true);
        window.session().plot().gridColor = 0x00123456;
        window.close();
    }
    {
        QSettings s = store();
        s.beginGroup(QStringLiteral("Settings"));
        EXPECT_EQ(s.childKeys().size(), 34);
        EXPECT_EQ(s.value(QStringLiteral("GridColor")).toInt(), 0x123456);
    }
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.simulateTarget());
    EXPECT_TRUE(controls(pageOf<ConfigurePage>(window)).recordTriggerBox->isChecked());
    EXPECT_TRUE(controls(pageOf<ConnectPage>(window)).sizeableBox->isChecked());
    EXPECT_EQ(window.session().plot().gridColor, 0x00123456u);
    EXPECT_EQ(window.speedIndex(), 5);
    EXPECT_EQ(controls(pageOf<ConnectPage>(window)).speedBox->currentText(), QStringLiteral("115200"));
}

TEST_F(MainWindowTest, restoredPrintSize_showsInTheOutputDialogFromTheStart)
{
    {
        QSettings s = store();
        s.setValue(QStringLiteral("Settings/PrtWidth"), QByteArray("\x00\x00\x00\x00\x00\x00\x22\x40", 8));  // 9.0
        s.setValue(QStringLiteral("Settings/PrtHeight"), QByteArray("\x00\x00\x00\x00\x00\x00\x12\x40", 8)); // 4.5
        s.setValue(QStringLiteral("Settings/PrtColor"), 1);
        s.setValue(QStringLiteral("Settings/ExportType"), 3);
    }
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(test::child<QLineEdit>(&window, "WidthEdit")->text(), QStringLiteral("9"));
    EXPECT_EQ(test::child<QLineEdit>(&window, "HeightEdit")->text(), QStringLiteral("4.5"));
    EXPECT_TRUE(test::child<QCheckBox>(&window, "ColorChk")->isChecked());
    EXPECT_EQ(window.session().printSettings().widthInches, 9);
    const AppSettings collected = window.currentSettings();
    EXPECT_EQ(collected.get<double>("PrtWidth"), 9);
    EXPECT_EQ(collected.get<int>("ExportType"), 3);
}

TEST_F(MainWindowTest, configureChoices_areStoredAsTheProgramReadsThem)
{
    {
        QSettings s = store();
        s.setValue(QStringLiteral("Settings/AutoStart"), 9); // beyond the last row: the last row
        s.setValue(QStringLiteral("Settings/AutoZero"), 3);
        s.setValue(QStringLiteral("Settings/ZT1"), 12);     // between two steps: the next step
        s.setValue(QStringLiteral("Settings/ZCut"), 99999); // beyond the bar: its end
    }
    {
        MainWindow window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(controls(pageOf<ConfigurePage>(window)).autoStartGroup->itemIndex(), 3);
        EXPECT_EQ(controls(pageOf<ConfigurePage>(window)).autoZeroGroup->itemIndex(), 3);
        EXPECT_FALSE(controls(pageOf<ConfigurePage>(window)).autoZeroOnPowerupBox->isChecked());
        EXPECT_EQ(controls(pageOf<ConfigurePage>(window)).cutOffTimeBar->value(), 15);
        EXPECT_EQ(controls(pageOf<ConfigurePage>(window)).cutOffAltitudeBar->value(), 1500);
        controls(pageOf<ConfigurePage>(window)).autoStartSecondsEdit->setText(QStringLiteral("12 seconds"));
        controls(pageOf<ConfigurePage>(window)).autoStopSecondsEdit->setText(QStringLiteral("soon"));
        window.close();
    }
    QSettings s = store();
    EXPECT_EQ(s.value(QStringLiteral("Settings/AutoStartSec")).toInt(), 12);
    EXPECT_EQ(s.value(QStringLiteral("Settings/AutoStopSec")).toInt(), 0);
    EXPECT_EQ(s.value(QStringLiteral("Settings/AutoStart")).toInt(), 3);
    EXPECT_EQ(s.value(QStringLiteral("Settings/ZT1")).toInt(), 15);
}

TEST_F(MainWindowTest, handEditedNonsense_takesDefaultsAndRangesWithoutCostingTheRest)
{
    {
        QSettings s = store();
        s.beginGroup(QStringLiteral("Settings"));
        s.setValue(QStringLiteral("BaudRate"), 17);
        s.setValue(QStringLiteral("Left"), 90000);
        s.setValue(QStringLiteral("Top"), QStringLiteral("high"));
        s.setValue(QStringLiteral("ComPort"), 12);
        s.setValue(QStringLiteral("Triggered"), 1);
        s.setValue(QStringLiteral("InfoColor"), 0x00FF00);
    }
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.speedIndex(), 5);
    // The designed place, moved as little as needed to put the window wholly on the screen.
    EXPECT_EQ(window.pos().y(), 143);
    EXPECT_LE(window.pos().x(), 339);
    EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()))
        << window.frameGeometry().x() << "," << window.frameGeometry().width() << " on "
        << window.screen()->availableGeometry().width() << "x" << window.screen()->availableGeometry().height();
    EXPECT_EQ(controls(pageOf<ConnectPage>(window)).portBox->currentIndex(), -1);
    EXPECT_TRUE(controls(pageOf<ConfigurePage>(window)).recordTriggerBox->isChecked());
    EXPECT_EQ(window.session().plot().infoColor, 0x00FF00u);
}

} // namespace
} // namespace vimo

namespace vimo {
namespace {

using test::controls;
using test::pageOf;

// Arrow keys with Ctrl change the plot only on "Recorded Data"; elsewhere they reach the focused control.
TEST_F(MainWindowTest, plotKeys_actOnlyOnTheRecordedDataPage)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const double xMax = window.session().plot().xMax;

    window.showPage(pageOf<ConfigurePage>(window));
    QLineEdit* edit = controls(pageOf<ConfigurePage>(window)).autoStartSecondsEdit;
    edit->setFocus();
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Home);
    EXPECT_EQ(window.session().plot().xMax, xMax);
    EXPECT_EQ(edit->cursorPosition(), 0); // Home went to the edit

    window.showPage(pageOf<DataPage>(window));
    QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    QTest::keyClick(focused, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(window.session().plot().xMax, xMax / 2); // Ctrl+Right halves the time span
    QTest::keyClick(focused, Qt::Key_Home);
    EXPECT_EQ(window.session().plot().xMax, xMax);
}

TEST(GuardedDelivery, anExceptionIsReportedAndGoesNoFurther)
{
    QString reported;
    const bool delivered = deliverGuarded([]() -> bool { throw std::runtime_error("bad handler"); },
                                          [&](const QString& what) { reported = what; });
    EXPECT_FALSE(delivered);
    EXPECT_EQ(reported, QStringLiteral("bad handler"));
    EXPECT_TRUE(deliverGuarded([] { return true; }, [](const QString&) { FAIL(); }));
}

// The boxes the program shows: exact caption, text, icon and buttons.
TEST(DialogPromptsTest, questionBox_hasTheCaptionTextAndButtons)
{
    DialogPrompts prompts;
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(prompts.yesNo(nullptr, QStringLiteral("Reset Config Defaults"), QStringLiteral("Sure?")));
    EXPECT_EQ(caption, QStringLiteral("Reset Config Defaults"));
    EXPECT_EQ(text, QStringLiteral("Sure?"));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
}

} // namespace
} // namespace vimo
