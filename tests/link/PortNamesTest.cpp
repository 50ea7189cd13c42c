#include "link/PortNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vimo;

namespace {

TEST(PortNames, holdsTheFirst200NamesInDiscoveryOrder)
{
    PortNames names;
    int added = 0;
    for (int i = 0; i < 250; ++i)
        added += names.add(QStringLiteral("ttyUSB%1").arg(i)) ? 1 : 0;
    EXPECT_EQ(added, 200);
    EXPECT_EQ(names.count(), 200);
    EXPECT_EQ(names.at(0), QStringLiteral("ttyUSB0"));
    EXPECT_EQ(names.at(199), QStringLiteral("ttyUSB199"));
}

TEST(PortNames, nameLongerThan199Characters_isSkippedWholeNeverCut)
{
    PortNames names;
    EXPECT_TRUE(names.add(QString(199, QLatin1Char('a'))));
    EXPECT_FALSE(names.add(QString(200, QLatin1Char('b'))));
    // Characters, not UTF-16 units: 199 characters outside the basic plane still fit.
    QString wide;
    for (int i = 0; i < 199; ++i)
        wide += QString::fromUcs4(U"\U0001F6E9");
    EXPECT_TRUE(names.add(wide));
    ASSERT_EQ(names.count(), 2);
    EXPECT_EQ(names.at(0).size(), 199);
    EXPECT_EQ(names.at(1), wide);
}

TEST(PortListText, nameDescriptionAndBusSeparatedByThreeBlanks)
{
    EXPECT_EQ(portListText(portEntry(QStringLiteral("COM1"), QStringLiteral("Communications Port (COM1)"),
                                     QStringLiteral("ACPI"))),
              QStringLiteral("COM1   Communications Port (COM1)   ACPI"));
    // Without a description the name stands twice; without a bus the text ends in three blanks.
    EXPECT_EQ(portListText(portEntry(QStringLiteral("ttyS0"), QString(), QString())),
              QStringLiteral("ttyS0   ttyS0   "));
    const QString text =
        portListText(portEntry(QStringLiteral("ttyUSB0"), QString(2000, QLatin1Char('d')), QStringLiteral("USB")));
    EXPECT_EQ(text.size(), 1023);
    EXPECT_TRUE(text.startsWith(QStringLiteral("ttyUSB0   ddd")));
}

TEST(DevicePath, linuxNamesGoBelowDevAndPathsStayAsTheyAre)
{
    EXPECT_EQ(devicePath(QStringLiteral("ttyUSB0")), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(devicePath(QStringLiteral("/dev/pts/3")), QStringLiteral("/dev/pts/3"));
    EXPECT_EQ(devicePath(QStringLiteral("/tmp/vimo")), QStringLiteral("/tmp/vimo"));
    // A relative path stays a path, never a name below /dev.
    EXPECT_EQ(devicePath(QStringLiteral("sub/port")), QDir::currentPath() + QStringLiteral("/sub/port"));
    EXPECT_EQ(devicePath(QStringLiteral("./port")), QDir::currentPath() + QStringLiteral("/port"));
}

TEST(DevicePath, windowsRulePrefixesEveryNameButFourCharacterOnes)
{
    EXPECT_EQ(windowsDevicePath(QStringLiteral("COM3")), QStringLiteral("COM3"));
    EXPECT_EQ(windowsDevicePath(QStringLiteral("COM12")), QStringLiteral("\\\\.\\COM12"));
    EXPECT_EQ(windowsDevicePath(QStringLiteral("COM")), QStringLiteral("\\\\.\\COM"));
}

// A sysfs tree in a temporary folder: devices with "subsystem" links and class/tty entries pointing at them.
class FakeSysfs : public ::testing::Test {
protected:
    // Makes the device folder `path` (below devices/) belong to `subsystem`.
    void device(const QString& path, const QString& subsystem)
    {
        const QString dir = root.filePath(QStringLiteral("devices/") + path);
        ASSERT_TRUE(QDir().mkpath(dir));
        ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("bus/") + subsystem)));
        ASSERT_TRUE(QFile::link(root.filePath(QStringLiteral("bus/") + subsystem), dir + QStringLiteral("/subsystem")));
    }
    // Lists the tty `name`, hanging on the device folder `path` (none: a virtual terminal).
    void tty(const QString& name, const QString& path = {})
    {
        const QString dir = root.filePath(QStringLiteral("class/tty/") + name);
        ASSERT_TRUE(QDir().mkpath(dir));
        if (!path.isEmpty()) {
            ASSERT_TRUE(QFile::link(root.filePath(QStringLiteral("devices/") + path), dir + QStringLiteral("/device")));
        }
    }
    QString bus(const QString& name) { return busOfTty(name, root.path()); }

    QTemporaryDir root;
};

TEST_F(FakeSysfs, busOfTty_namesTheBusThePortHangsOn)
{
    // A USB adapter behind a PCI host controller reads USB.
    device(QStringLiteral("pci0000:00/0000:00:14.0"), QStringLiteral("pci"));
    device(QStringLiteral("pci0000:00/0000:00:14.0/usb1/1-1"), QStringLiteral("usb"));
    device(QStringLiteral("pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0"), QStringLiteral("usb"));
    device(QStringLiteral("pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/ttyUSB0"), QStringLiteral("usb-serial"));
    tty(QStringLiteral("ttyUSB0"), QStringLiteral("pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/ttyUSB0"));
    EXPECT_EQ(bus(QStringLiteral("ttyUSB0")), QStringLiteral("USB"));

    // A legacy port found by the firmware tables, with the serial core's own devices in between.
    device(QStringLiteral("pnp0/00:04"), QStringLiteral("pnp"));
    device(QStringLiteral("pnp0/00:04/00:04:0"), QStringLiteral("serial-base"));
    device(QStringLiteral("pnp0/00:04/00:04:0/00:04:0.0"), QStringLiteral("serial-base"));
    tty(QStringLiteral("ttyS0"), QStringLiteral("pnp0/00:04/00:04:0/00:04:0.0"));
    EXPECT_EQ(bus(QStringLiteral("ttyS0")), QStringLiteral("PNP"));

    // A bus of another kind is named as it is; a terminal without a device, or no entry at all, has none.
    device(QStringLiteral("soc/serial@1000"), QStringLiteral("weird"));
    tty(QStringLiteral("ttyAMA0"), QStringLiteral("soc/serial@1000"));
    EXPECT_EQ(bus(QStringLiteral("ttyAMA0")), QStringLiteral("WEIRD"));
    tty(QStringLiteral("tty1"));
    EXPECT_EQ(bus(QStringLiteral("tty1")), QString());
    EXPECT_EQ(bus(QStringLiteral("ttyNONE")), QString());
}

TEST(EnumerateSerialPorts, needsACallbackAndStopsWhenItSaysSo)
{
    EXPECT_FALSE(enumerateSerialPorts(nullptr));
    int calls = 0;
    EXPECT_TRUE(enumerateSerialPorts([&](const PortEntry& entry) {
        ++calls;
        EXPECT_FALSE(entry.portName.isEmpty());
        EXPECT_FALSE(entry.friendlyName.isEmpty());
        return false;
    }));
    EXPECT_LE(calls, 1);
}

} // namespace
