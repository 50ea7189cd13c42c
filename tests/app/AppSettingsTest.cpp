#include "app/AppSettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace vimo {
namespace {

// A settings store of its own in a temporary folder, in the same format the program uses on this system.
class SettingsStore : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Vimo.conf")); }
    QSettings store() const { return QSettings(path(), QSettings::IniFormat); }

    void setRaw(const char* name, const QVariant& value)
    {
        QSettings s = store();
        s.setValue(QStringLiteral("Settings/") + QLatin1String(name), value);
    }
    void removeRaw(const char* name)
    {
        QSettings s = store();
        s.remove(QStringLiteral("Settings/") + QLatin1String(name));
    }
    AppSettings read()
    {
        QSettings s = store();
        return readSettings(s);
    }
    void write(const AppSettings& settings)
    {
        QSettings s = store();
        writeSettings(s, settings);
    }
};

AppSettings everythingChanged()
{
    AppSettings s;
    s.comPort = 2;
    s.baudRate = 1;
    s.left = 40;
    s.top = 50;
    s.simulateTarget = s.showPoints = s.showBackground = s.showAvgRoc = true;
    s.blankPart = s.revTrig = s.triggered = s.sizeable = s.prtColor = true;
    s.showInfo = false;
    s.prtWidth = 9.25;
    s.prtHeight = 4.75;
    s.bgColor = 0x00102030;
    s.gridColor = 0x00405060;
    s.scaleColor = 0x00708090;
    s.labelColor = 0x00A0B0C0;
    s.infoColor = 0x00D0E0F0;
    s.zCut = 350;
    s.zT1 = 25;
    s.zT2 = 120;
    s.autoStart = 2;
    s.autoStartSec = -7;
    s.autoStartAltitude = 123456;
    s.autoStop = 1;
    s.autoStopSec = 61;
    s.autoStopAltitude = 16;
    s.autoZero = 3;
    s.exportType = 3;
    s.interval = 250;
    return s;
}

TEST_F(SettingsStore, firstRun_everyValueTakesItsDefault)
{
    EXPECT_EQ(read(), AppSettings{});
    const AppSettings d;
    EXPECT_EQ(d.comPort, 0);
    EXPECT_EQ(d.baudRate, 5);
    EXPECT_EQ(d.left, 339);
    EXPECT_EQ(d.top, 143);
    EXPECT_TRUE(d.showInfo);
    EXPECT_DOUBLE_EQ(d.prtWidth, 7.0);
    EXPECT_DOUBLE_EQ(d.prtHeight, 3.5);
    EXPECT_EQ(d.bgColor, 0x00FFFFFFu);
    EXPECT_EQ(d.gridColor, 0x00808080u);
    EXPECT_EQ(d.infoColor, 0x000000FFu);
    EXPECT_EQ(d.interval, 100);
}

TEST_F(SettingsStore, writtenValues_readBackUnchanged)
{
    write(everythingChanged());
    EXPECT_EQ(read(), everythingChanged());
}

TEST_F(SettingsStore, written_allValuesUnderSettingsGroupWithPrintSizeAsEightByteDoubles)
{
    write(AppSettings{});
    QSettings s = store();
    s.beginGroup(QStringLiteral("Settings"));
    EXPECT_EQ(s.childKeys().size(), 34);
    const QVariant width = s.value(QStringLiteral("PrtWidth"));
    ASSERT_EQ(width.typeId(), QMetaType::QByteArray);
    EXPECT_EQ(width.toByteArray(), QByteArray("\x00\x00\x00\x00\x00\x00\x1c\x40", 8)); // 7.0, little-endian
    EXPECT_EQ(s.value(QStringLiteral("ShowInfo")).toInt(), 1);
    EXPECT_EQ(s.value(QStringLiteral("InfoColor")).toInt(), 0xFF);
}

// Literally, reading stops at the first value that fails and the close then overwrites every later value with
// its default for good. Here each value stands on its own.
TEST_F(SettingsStore, missingValue_takesItsDefault_andCostsNoOtherValue)
{
    for (const char* name : {"ComPort", "PrtWidth", "Interval"}) {
        write(everythingChanged());
        removeRaw(name);
        AppSettings expected = everythingChanged();
        if (QLatin1String(name) == QLatin1String("ComPort"))
            expected.comPort = 0;
        else if (QLatin1String(name) == QLatin1String("PrtWidth"))
            expected.prtWidth = 7.0;
        else
            expected.interval = 100;
        EXPECT_EQ(read(), expected) << name;
    }
}

TEST_F(SettingsStore, unusableValues_takeTheirOwnDefaults_andCostNoOtherValue)
{
    write(everythingChanged());
    setRaw("BaudRate", QStringLiteral("fast"));              // not a number
    setRaw("PrtWidth", 9);                                   // an integer where 8 bytes belong
    setRaw("PrtHeight", QByteArray("\x00\x00\x00\x00\x00\x00\xf8\x7f", 8)); // NaN
    setRaw("GridColor", QByteArray("\x01\x02", 2));          // binary where an integer belongs
    setRaw("ZCut", QStringLiteral("99999999999"));           // beyond 32 bits
    AppSettings expected = everythingChanged();
    expected.baudRate = 5;
    expected.prtWidth = 7.0;
    expected.prtHeight = 3.5;
    expected.gridColor = 0x00808080;
    expected.zCut = 100;
    EXPECT_EQ(read(), expected);
}

TEST_F(SettingsStore, storedValues_takenAsTheProgramReadsThem)
{
    setRaw("Interval", 0x12345);   // the low 16 bits
    setRaw("ShowPoints", 7);       // any non-zero value checks a box
    setRaw("ShowInfo", 0);
    setRaw("BGColor", QStringLiteral("4294967295"));
    const AppSettings s = read();
    EXPECT_EQ(s.interval, 0x2345);
    EXPECT_TRUE(s.showPoints);
    EXPECT_FALSE(s.showInfo);
    EXPECT_EQ(s.bgColor, 0xFFFFFFFFu);
}

SettingsContext machineWithTwoPorts()
{
    SettingsContext context;
    context.portCount = 2;
    context.screens = {QRect(0, 0, 1920, 1080)};
    return context;
}

TEST(SettingsRange, usableValues_areKept)
{
    AppSettings s = everythingChanged();
    s.comPort = 1;
    bringIntoRange(s, machineWithTwoPorts());
    AppSettings expected = everythingChanged();
    expected.comPort = 1;
    EXPECT_EQ(s, expected);
}

TEST(SettingsRange, portOutsideTheList_selectsNone)
{
    for (int stored : {-1, 2, 500}) {
        AppSettings s;
        s.comPort = stored;
        bringIntoRange(s, machineWithTwoPorts());
        EXPECT_EQ(s.comPort, -1) << stored;
    }
    AppSettings s; // first run on a machine without ports
    bringIntoRange(s, SettingsContext{});
    EXPECT_EQ(s.comPort, -1);
}

TEST(SettingsRange, speedOutsideTheTable_becomes115200)
{
    for (int stored : {-1, 6, 1000}) {
        AppSettings s;
        s.baudRate = stored;
        bringIntoRange(s, machineWithTwoPorts());
        EXPECT_EQ(s.baudRate, 5) << stored;
    }
}

TEST(SettingsRange, positionOnNoScreen_becomesTheDesignedOne)
{
    for (const QPoint stored : {QPoint(5000, 100), QPoint(100, -2000), QPoint(-760, 100), QPoint(1900, 1070)}) {
        AppSettings s;
        s.left = stored.x();
        s.top = stored.y();
        bringIntoRange(s, machineWithTwoPorts());
        EXPECT_EQ(QPoint(s.left, s.top), QPoint(339, 143)) << stored.x() << "," << stored.y();
    }
    AppSettings partlyOff; // mostly visible on the second screen
    partlyOff.left = 1900;
    partlyOff.top = -10;
    SettingsContext twoScreens = machineWithTwoPorts();
    twoScreens.screens.append(QRect(1920, 0, 1280, 1024));
    bringIntoRange(partlyOff, twoScreens);
    EXPECT_EQ(QPoint(partlyOff.left, partlyOff.top), QPoint(1920, 0)); // moved wholly onto that screen
}

TEST(SettingsRange, theWindowAlwaysLandsWhollyOnAScreen_evenFromTheEndsOfTheIntRange_mendedFault)
{
    const QRect screen = machineWithTwoPorts().screens.constFirst();
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    for (const QPoint stored : {QPoint(kMax, kMax), QPoint(kMin, kMin), QPoint(kMax, 100), QPoint(100, kMin),
                                QPoint(screen.width() - 200, 300)}) {
        AppSettings s;
        s.left = stored.x();
        s.top = stored.y();
        bringIntoRange(s, machineWithTwoPorts());
        EXPECT_TRUE(screen.contains(QRect(QPoint(s.left, s.top), machineWithTwoPorts().windowSize)))
            << stored.x() << "," << stored.y() << " -> " << s.left << "," << s.top;
    }
    SettingsContext small = machineWithTwoPorts(); // a screen smaller than the window: its top left corner
    small.screens = {QRect(0, 0, 640, 480)};
    AppSettings s;
    bringIntoRange(s, small);
    EXPECT_EQ(QPoint(s.left, s.top), QPoint(0, 0));
}

TEST(SettingsRange, unknownExportType_becomesBitmap)
{
    for (int stored : {0, -3, 6}) {
        AppSettings s;
        s.exportType = stored;
        bringIntoRange(s, machineWithTwoPorts());
        EXPECT_EQ(s.exportType, 1) << stored;
    }
    AppSettings pdf;
    pdf.exportType = 5;
    bringIntoRange(pdf, machineWithTwoPorts());
    EXPECT_EQ(pdf.exportType, 5);
}

} // namespace
} // namespace vimo
