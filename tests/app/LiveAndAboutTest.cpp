// The hidden "Log Data" page, the About page's links, and the settings across two runs of the window.

#include "PageControls.h"
#include "WindowHarness.h"
#include "app/Controls.h"
#include "app/controllers/ConnectionController.h"
#include "app/controllers/ModuleController.h"
#include "app/pages/AboutPage.h"
#include "app/pages/ConnectPage.h"
#include "app/pages/LogPage.h"
#include "data/Plot.h"
#include "support/SimFixture.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace vimo::test {
namespace {

class LogData : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        startWindow();
    }
    LogControls page() const { return controls(pageOf<LogPage>(*window)); }
    SimFixture sim;
};

TEST_F(LogData, start_whileNotConnected_saysSoAndStaysStopped)
{
    window->showPage(pageOf<LogPage>(*window));
    click(page().startButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(memo(), QStringList{"Not Connected"});
    EXPECT_EQ(page().startButton->text(), QStringLiteral("Start"));
    EXPECT_EQ(window->currentPage(), pageOf<ConnectPage>(*window));
}

TEST_F(LogData, startAndStop_sendLOnce_andShowLoggingMeanwhile)
{
    connectTo(sim.path());
    sim->clearReceived();
    click(page().startButton);
    ASSERT_TRUE(waitIdle());
    ASSERT_TRUE(sim->waitForReceived(1, 2000));
    EXPECT_EQ(sim->received(), "l");
    EXPECT_EQ(page().startButton->text(), QStringLiteral("Stop"));
    EXPECT_EQ(controls(window.get()).loggingStatus->text(), QStringLiteral("Logging"));
    EXPECT_TRUE(window->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    EXPECT_EQ(window->findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 250);

    click(page().startButton);
    ASSERT_TRUE(waitIdle());
    QTest::qWait(50);
    EXPECT_EQ(sim->received(), "l"); // stopping sends nothing
    EXPECT_EQ(page().startButton->text(), QStringLiteral("Start"));
    EXPECT_TRUE(controls(window.get()).loggingStatus->text().isEmpty());
    EXPECT_FALSE(window->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

TEST_F(LogData, thePageIsBuiltAsDesigned)
{
    EXPECT_EQ(page().elapsedTime->text(), QStringLiteral("0d 00:00:00.00"));
    EXPECT_EQ(page().altitude->text(), QStringLiteral("10000"));
    EXPECT_EQ(page().altitudeLabel->text(), QStringLiteral("Altitude (feet)"));
    EXPECT_EQ(page().stripTop->text(), QStringLiteral("10000"));
    EXPECT_EQ(page().stripBottom->text(), QStringLiteral("0"));
    EXPECT_EQ(page().strip->size(), QSize(665, 321));
    const QImage strip = page().strip->grab().toImage();
    EXPECT_EQ(strip.pixelColor(5, 5), QColor(Qt::black));
    EXPECT_EQ(strip.pixelColor(5, 0), QColor(0x80, 0x80, 0x80)); // the top grid line
}

class AboutLinks : public LogData {};

TEST_F(AboutLinks, emailWebSiteAndManual_goToTheDesktop)
{
    UrlCatcher catcher;
    for (const char* scheme : {"mailto", "http", "file"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &catcher, "open");
    AboutControls about = controls(pageOf<AboutPage>(*window));
    QTest::mouseClick(about.email, Qt::LeftButton);
    QTest::mouseClick(about.webSite, Qt::LeftButton);
    QTest::mouseClick(about.manualButton, Qt::LeftButton);
    for (const char* scheme : {"mailto", "http", "file"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));

    ASSERT_EQ(catcher.urls.size(), 3);
    EXPECT_EQ(catcher.urls[0].toString(), QStringLiteral("mailto:") + about.email->text());
    EXPECT_EQ(catcher.urls[1].host(), about.webSite->text());
    EXPECT_TRUE(catcher.urls[2].isLocalFile());
    EXPECT_TRUE(catcher.urls[2].toLocalFile().endsWith(QStringLiteral("/VimoManual.pdf")));
}

class TwoRuns : public WindowTest {};

// One value missing after an update: everything else still comes back.
TEST_F(TwoRuns, aMissingValue_costsNothingElse)
{
    startWindow();
    controls(pageOf<ConnectPage>(*window)).speedBox->setCurrentIndex(2);
    Q_EMIT controls(pageOf<ConnectPage>(*window)).speedBox->activated(2);
    window->session().plot().backgroundColor = 0x00EEDDCC;
    window->close();
    window.reset();
    {
        QSettings s = store();
        s.remove(QStringLiteral("Settings/Interval"));
    }
    startWindow();
    EXPECT_EQ(window->speedIndex(), 2);
    EXPECT_EQ(window->session().plot().backgroundColor, 0x00EEDDCCu);
    EXPECT_EQ(window->module().module().config.baseInterval, 100);
}

} // namespace
} // namespace vimo::test
