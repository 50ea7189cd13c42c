// The port box follows the adapters plugged in and out while the window runs, and a typed device path survives a
// restart.

#include "WindowHarness.h"

#include "PageControls.h"
#include "app/controllers/ConnectionController.h"
#include "app/pages/ConnectPage.h"
#include "link/PortEntry.h"

#include <QTest>

namespace vimo::test {
namespace {

class PortList : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        startWindow();
        window->connection().setPortLister([this](const std::function<bool(const PortEntry&)>& callback) {
            for (const QString& name : ports)
                callback(portEntry(name, QString(), QStringLiteral("USB")));
            return true;
        });
    }
    QComboBox* box() const { return controls(pageOf<ConnectPage>(*window)).portBox; }

    QStringList ports;
};

TEST_F(PortList, anAdapterPluggedInLaterShowsWhenTheListOpens_andTheChosenPortStaysChosen)
{
    ports = {QStringLiteral("ttyUSB0")};
    window->connection().discoverPorts();
    box()->setCurrentIndex(0);
    ports = {QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")}; // the new one is listed first
    box()->showPopup();
    box()->hidePopup();
    EXPECT_EQ(box()->count(), 2);
    EXPECT_EQ(window->connection().selectedDevicePath(), QStringLiteral("/dev/ttyUSB0"));

    ports = {QStringLiteral("ttyS0")}; // the chosen adapter is pulled: no other port is chosen in its place
    box()->showPopup();
    box()->hidePopup();
    EXPECT_EQ(box()->count(), 1);
    EXPECT_TRUE(window->connection().selectedDevicePath().isEmpty());
}

TEST_F(PortList, whileNotConnectedThePortsAreReadAgainEveryFewSeconds_andATypedPathStays)
{
    choosePort(QStringLiteral("/tmp/adapter"));
    ports = {QStringLiteral("ttyUSB3")};
    EXPECT_TRUE(QTest::qWaitFor([&] { return box()->count() == 1; }, 2 * ConnectionController::kPortScanMs));
    EXPECT_EQ(box()->currentText(), QStringLiteral("/tmp/adapter"));
    EXPECT_EQ(window->connection().selectedDevicePath(), QStringLiteral("/tmp/adapter"));
}

TEST_F(PortList, aTypedDevicePathIsRememberedBetweenRuns_besideThePortRow)
{
    choosePort(QStringLiteral("/dev/ttyACM7"));
    window->close();
    {
        QSettings s = store();
        s.beginGroup(QStringLiteral("Settings"));
        EXPECT_EQ(s.value(QStringLiteral("ComPort")).toInt(), -1);
        EXPECT_EQ(s.value(QStringLiteral("PortPath")).toString(), QStringLiteral("/dev/ttyACM7"));
    }
    window.reset();
    startWindow();
    EXPECT_EQ(box()->currentText(), QStringLiteral("/dev/ttyACM7"));
    EXPECT_EQ(window->connection().selectedDevicePath(), QStringLiteral("/dev/ttyACM7"));
}

} // namespace
} // namespace vimo::test
