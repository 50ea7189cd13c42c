#include "app/pages/AboutPage.h"
#include "PageControls.h"
#include "app/GuardedApplication.h"
#include "app/dialogs/Prompts.h"
#include "app/AppSettings.h"
#include "app/pages/ConfigurePage.h"
#include "app/Controls.h"
#include "app/pages/ConnectPage.h"
#include "app/pages/DataPage.h"
#include "app/pages/LogPage.h"
#include "app/MainWindow.h"
#include "data/Plot.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QSlider>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace vimo {
namespace {

using test::controls;

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

    QTabWidget* pages = window.PageControl;
    ASSERT_EQ(pages->count(), 6);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("Connect / Download"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("Configure"));
    EXPECT_EQ(pages->tabText(2), QStringLiteral("Recorded Data"));
    EXPECT_EQ(pages->tabText(3), QStringLiteral("Logbook"));
    EXPECT_EQ(pages->tabText(4), QStringLiteral("Log Data"));
    EXPECT_EQ(pages->tabText(5), QStringLiteral("About"));
    EXPECT_FALSE(pages->isTabVisible(4));
    EXPECT_EQ(pages->currentWidget(), window.aboutPage);

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vimo"));
    EXPECT_EQ(window.size(), QSize(773, 565 + window.menuBar()->height())) << "the pages keep their designed room";
    EXPECT_FALSE(window.isSizeable());
    EXPECT_EQ(window.ConnectStatusDisp->text(), QStringLiteral("Not Connected"));
    EXPECT_TRUE(window.ProgressBar1->isHidden());
    EXPECT_FALSE(controls(window.aboutPage).VersionInfo->text().isEmpty());
    EXPECT_TRUE(controls(window.aboutPage).BuildInfo->text().contains(QStringLiteral(", ")));
    EXPECT_EQ(window.plot().signals.size(), 1); // the first data set
    EXPECT_EQ(&window.dataPage->plot(), &window.plot());
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
    EXPECT_TRUE(window.Timer3->isSingleShot());
    EXPECT_EQ(window.Timer3->interval(), 3000);
    EXPECT_TRUE(controls(window.connectPage).SizeChk->isChecked());
    EXPECT_FALSE(window.isSizeable()); // not before the timer

    QSignalSpy ticks(window.Timer3, &QTimer::timeout);
    ASSERT_TRUE(ticks.wait(5000));
    EXPECT_EQ(window.PageControl->currentWidget(), window.connectPage);
    EXPECT_TRUE(window.isSizeable());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.Timer3->isActive());

    // Ticking the box now changes nothing until the next start.
    controls(window.connectPage).SizeChk->click();
    EXPECT_TRUE(window.isSizeable());
}

TEST_F(MainWindowTest, secondShow_doesNotRepeatTheFirstShow)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const Plot* plot = &window.plot();
    window.PageControl->setCurrentWidget(window.configurePage);
    window.hide();
    window.show();
    EXPECT_EQ(&window.plot(), plot);
    EXPECT_EQ(window.PageControl->currentWidget(), window.configurePage);
}

TEST_F(MainWindowTest, pageChange_clearsTheReadouts)
{
    MainWindow window;
    window.show();
    window.XYDisp->setText(QStringLiteral("12.5 s, 40 ft"));
    window.ROCDisp->setText(QStringLiteral("2.0 ft/s"));
    window.PageControl->setCurrentWidget(window.connectPage);
    EXPECT_TRUE(window.XYDisp->text().isEmpty());
    EXPECT_TRUE(window.ROCDisp->text().isEmpty());
}

TEST_F(MainWindowTest, close_writesTheSettings_andTheNextStartRestoresThem)
{
    {
        MainWindow window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.SimulateChk->setChecked(true);
        controls(window.configurePage).TrigChk->setChecked(true);
        controls(window.connectPage).SizeChk->setChecked(true);
        window.plot().gridColor = 0x00123456;
        window.close();
    }
    {
        QSettings s = store();
        s.beginGroup(QStringLiteral("Settings"));
        EXPECT_EQ(s.childKeys().size(), 33);
        EXPECT_EQ(s.value(QStringLiteral("GridColor")).toInt(), 0x123456);
    }
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.SimulateChk->isChecked());
    EXPECT_TRUE(controls(window.configurePage).TrigChk->isChecked());
    EXPECT_TRUE(controls(window.connectPage).SizeChk->isChecked());
    EXPECT_EQ(window.plot().gridColor, 0x00123456u);
    EXPECT_EQ(window.speedIndex(), 5);
    EXPECT_EQ(controls(window.connectPage).SpeedBox->currentText(), QStringLiteral("115200"));
}

TEST_F(MainWindowTest, configureChoices_areStoredAsTheProgramReadsThem)
{
    {
        QSettings s = store();
        s.setValue(QStringLiteral("Settings/AutoStart"), 9); // beyond the last row: the last row
        s.setValue(QStringLiteral("Settings/AutoZero"), 3);
        s.setValue(QStringLiteral("Settings/ZT1"), 12);      // between two steps: the next step
        s.setValue(QStringLiteral("Settings/ZCut"), 99999);  // beyond the bar: its end
    }
    {
        MainWindow window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(controls(window.configurePage).AutoStartGrp->itemIndex(), 3);
        EXPECT_EQ(controls(window.configurePage).AutoZeroGrp->itemIndex(), 3);
        EXPECT_FALSE(controls(window.configurePage).AutoZeroChk->isChecked());
        EXPECT_EQ(controls(window.configurePage).T1Bar->value(), 15);
        EXPECT_EQ(controls(window.configurePage).ZCutBar->value(), 1500);
        controls(window.configurePage).AutoStartSecEdit->setText(QStringLiteral("12 seconds"));
        controls(window.configurePage).AutoStopSecEdit->setText(QStringLiteral("soon"));
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
    EXPECT_EQ(window.pos(), QPoint(339, 143));
    EXPECT_EQ(controls(window.connectPage).CommPortBox->currentIndex(), -1);
    EXPECT_TRUE(controls(window.configurePage).TrigChk->isChecked());
    EXPECT_EQ(window.plot().infoColor, 0x00FF00u);
}

} // namespace
} // namespace vimo

namespace vimo {
namespace {

using test::controls;

// Arrow keys with Ctrl change the plot only on "Recorded Data"; elsewhere they reach the focused control.
TEST_F(MainWindowTest, plotKeys_actOnlyOnTheRecordedDataPage)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const double xMax = window.plot().xMax;

    window.PageControl->setCurrentWidget(window.configurePage);
    QLineEdit* edit = controls(window.configurePage).AutoStartSecEdit;
    edit->setFocus();
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Home);
    EXPECT_EQ(window.plot().xMax, xMax);
    EXPECT_EQ(edit->cursorPosition(), 0); // Home went to the edit

    window.PageControl->setCurrentWidget(window.dataPage);
    QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    QTest::keyClick(focused, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(window.plot().xMax, xMax / 2); // Ctrl+Right halves the time span
    QTest::keyClick(focused, Qt::Key_Home);
    EXPECT_EQ(window.plot().xMax, xMax);
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
