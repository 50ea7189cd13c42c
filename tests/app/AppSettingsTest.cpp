#include "app/AppSettings.h"
#include "app/MainWindow.h"
#include "data/Plot.h"

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
        return readSettings(s, MainWindow::settingKeys());
    }
    void write(const AppSettings& settings)
    {
        QSettings s = store();
        writeSettings(s, MainWindow::settingKeys(), settings);
    }
};

AppSettings defaults()
{
    return AppSettings::defaults(MainWindow::settingKeys());
}

AppSettings everythingChanged()
{
    AppSettings s = defaults();
    s.set("ComPort", 2);
    s.set("BaudRate", 1);
    s.set("Left", 40);
    s.set("Top", 50);
    for (const char* on : {"SimulateTarget", "ShowPoints", "ShowBackground", "ShowAvgROC", "BlankPart", "RevTrig",
                           "Triggered", "Sizeable", "PrtColor"})
        s.set(on, true);
    s.set("ShowInfo", false);
    s.set("PrtWidth", 9.25);
    s.set("PrtHeight", 4.75);
    s.set<Colour>("BGColor", 0x00102030);
    s.set<Colour>("GridColor", 0x00405060);
    s.set<Colour>("ScaleColor", 0x00708090);
    s.set<Colour>("LabelColor", 0x00A0B0C0);
    s.set<Colour>("InfoColor", 0x00D0E0F0);
    s.set("ZCut", 350);
    s.set("ZT1", 25);
    s.set("ZT2", 120);
    s.set("AutoStart", 2);
    s.set("AutoStartSec", -7);
    s.set("AutoStartAltitude", 123456);
    s.set("AutoStop", 1);
    s.set("AutoStopSec", 61);
    s.set("AutoStopAltitude", 16);
    s.set("AutoZero", 3);
    s.set("ExportType", 3);
    s.set<quint16>("Interval", 250);
    s.set("PortPath", QStringLiteral("/dev/pts/7"));
    s.set("RecentFiles", QStringList{QStringLiteral("/f/a.csv"), QStringLiteral("/f/b.csv")});
    s.set("LoadFolder", QStringLiteral("/f/load"));
    s.set("SaveFolder", QStringLiteral("/f/save"));
    s.set("ExportFolder", QStringLiteral("/f/export"));
    for (const char* on : {"Legend", "LegendInOutput", "FlightsTable", "FlightMarks", "FlightMarksInOutput"})
        s.set(on, true);
    s.set("StartHeightWindow", 12.5);
    s.set("AltitudeUnit", int(AltitudeAxisChoice::Feet));
    return s;
}

TEST_F(SettingsStore, firstRun_everyValueTakesItsDefault)
{
    EXPECT_EQ(read(), defaults());
    const AppSettings d = defaults();
    EXPECT_EQ(d.get<int>("ComPort"), 0);
    EXPECT_EQ(d.get<int>("BaudRate"), 5);
    EXPECT_EQ(d.get<int>("Left"), 339);
    EXPECT_EQ(d.get<int>("Top"), 143);
    EXPECT_TRUE(d.get<bool>("ShowInfo"));
    EXPECT_DOUBLE_EQ(d.get<double>("PrtWidth"), 7.0);
    EXPECT_DOUBLE_EQ(d.get<double>("PrtHeight"), 3.5);
    EXPECT_EQ(d.get<Colour>("BGColor"), 0x00FFFFFFu);
    EXPECT_EQ(d.get<Colour>("GridColor"), 0x00808080u);
    EXPECT_EQ(d.get<Colour>("InfoColor"), 0x000000FFu);
    EXPECT_EQ(d.get<quint16>("Interval"), 100);
    EXPECT_EQ(d.get<double>("StartHeightWindow"), 10.0);
    EXPECT_TRUE(d.get<QStringList>("RecentFiles").isEmpty());
}

TEST_F(SettingsStore, writtenValues_readBackUnchanged)
{
    write(everythingChanged());
    EXPECT_EQ(read(), everythingChanged());
}

TEST_F(SettingsStore, written_allValuesUnderSettingsGroupWithPrintSizeAsEightByteDoubles)
{
    write(defaults());
    QSettings s = store();
    s.beginGroup(QStringLiteral("Settings"));
    EXPECT_EQ(s.childKeys().size(), 34);
    const QVariant width = s.value(QStringLiteral("PrtWidth"));
    ASSERT_EQ(width.typeId(), QMetaType::QByteArray);
    EXPECT_EQ(width.toByteArray(), QByteArray("\x00\x00\x00\x00\x00\x00\x1c\x40", 8)); // 7.0, little-endian
    EXPECT_EQ(s.value(QStringLiteral("ShowInfo")).toInt(), 1);
    EXPECT_EQ(s.value(QStringLiteral("InfoColor")).toInt(), 0xFF);
    s.endGroup();
    // The newer values, each under its own key in the group "Session".
    s.beginGroup(QStringLiteral("Session"));
    QStringList session;
    for (const SettingKey& key : MainWindow::settingKeys()) {
        if (key.group() == QLatin1String("Session"))
            session << QLatin1String(key.key);
    }
    session.sort();
    EXPECT_EQ(s.childKeys(), session);
}

// Each value stands on its own: one that is missing takes its default and costs no other value.
TEST_F(SettingsStore, missingValue_takesItsDefault_andCostsNoOtherValue)
{
    for (const char* name : {"ComPort", "PrtWidth", "Interval"}) {
        write(everythingChanged());
        removeRaw(name);
        AppSettings expected = everythingChanged();
        expected.set(QLatin1String(name), defaults().value(QLatin1String(name)));
        EXPECT_EQ(read(), expected) << name;
    }
}

TEST_F(SettingsStore, unusableValues_takeTheirOwnDefaults_andCostNoOtherValue)
{
    write(everythingChanged());
    setRaw("BaudRate", QStringLiteral("fast"));                             // not a number
    setRaw("PrtWidth", 9);                                                  // an integer where 8 bytes belong
    setRaw("PrtHeight", QByteArray("\x00\x00\x00\x00\x00\x00\xf8\x7f", 8)); // NaN
    setRaw("GridColor", QByteArray("\x01\x02", 2));                         // binary where an integer belongs
    setRaw("ZCut", QStringLiteral("99999999999"));                          // beyond 32 bits
    AppSettings expected = everythingChanged();
    expected.set("BaudRate", 5);
    expected.set("PrtWidth", 7.0);
    expected.set("PrtHeight", 3.5);
    expected.set<Colour>("GridColor", 0x00808080);
    expected.set("ZCut", 100);
    EXPECT_EQ(read(), expected);
}

TEST_F(SettingsStore, storedValues_takenAsTheProgramReadsThem)
{
    setRaw("Interval", 0x12345); // the low 16 bits
    setRaw("ShowPoints", 7);     // any non-zero value checks a box
    setRaw("ShowInfo", 0);
    setRaw("BGColor", QStringLiteral("4294967295"));
    const AppSettings s = read();
    EXPECT_EQ(s.get<quint16>("Interval"), 0x2345);
    EXPECT_TRUE(s.get<bool>("ShowPoints"));
    EXPECT_FALSE(s.get<bool>("ShowInfo"));
    EXPECT_EQ(s.get<Colour>("BGColor"), 0xFFFFFFFFu);
}

TEST_F(SettingsStore, speedOutsideTheTable_reads115200_andAnUnknownExportType_readsBitmap)
{
    for (int stored : {-1, 6, 1000}) {
        setRaw("BaudRate", stored);
        EXPECT_EQ(read().get<int>("BaudRate"), 5) << stored;
    }
    for (int stored : {0, -3, 6}) {
        setRaw("ExportType", stored);
        EXPECT_EQ(read().get<int>("ExportType"), 1) << stored;
    }
    setRaw("ExportType", 5);
    EXPECT_EQ(read().get<int>("ExportType"), 5);
}

// The session's values are newer and kept in Qt's own forms; the recent list keeps its length.
TEST_F(SettingsStore, sessionValues_areReadInTheirOwnForms)
{
    {
        QSettings s = store();
        QStringList recent;
        for (int i = 0; i < 12; ++i)
            recent << (i == 3 ? QString() : QStringLiteral("/f/%1.csv").arg(i));
        s.setValue(QStringLiteral("Session/RecentFiles"), recent);
        s.setValue(QStringLiteral("Session/Legend"), QStringLiteral("true"));
        s.setValue(QStringLiteral("Session/LoadFolder"), QStringLiteral(" /f/load "));
    }
    const AppSettings s = read();
    EXPECT_EQ(s.get<QStringList>("RecentFiles").size(), 8);
    EXPECT_FALSE(s.get<QStringList>("RecentFiles").contains(QString()));
    EXPECT_TRUE(s.get<bool>("Legend"));
    EXPECT_EQ(s.get<QString>("LoadFolder"), QStringLiteral(" /f/load "));
}

TEST_F(SettingsStore, startHeightWindow_thatIsNoUsableNumberOfSeconds_fallsBackToTen)
{
    const auto readBack = [this](const QVariant& stored) {
        {
            QSettings s = store();
            s.setValue(QStringLiteral("Session/StartHeightWindow"), stored);
        }
        return read().get<double>("StartHeightWindow");
    };
    for (const QVariant& bad : {QVariant(QStringLiteral("ten")), QVariant(QStringLiteral("12,5")),
                                QVariant(QStringLiteral("nan")), QVariant(QStringLiteral("-3")),
                                QVariant(QStringLiteral("601")), QVariant(std::numeric_limits<double>::infinity()),
                                QVariant(QStringList{QStringLiteral("1")}), QVariant(QByteArray("\x01", 1))})
        EXPECT_EQ(readBack(bad), 10.0) << bad.toString().toStdString();
    EXPECT_EQ(readBack(QStringLiteral(" 0 ")), 0.0);
    EXPECT_EQ(readBack(QStringLiteral("600")), 600.0);
    EXPECT_EQ(readBack(QStringLiteral("12.5")), 12.5);
}

// A whole number of the newer values: kept in the group "Session", read back from a number or a string of digits,
// and anything else (or a number its row refuses) takes the default.
TEST_F(SettingsStore, countValues_liveInTheSessionGroup_andFallBackToTheirDefault)
{
    const std::vector<SettingKey> keys{countKey("Count", 3).inRange(0, 9).key};
    {
        QSettings s = store();
        AppSettings seven = AppSettings::defaults(keys);
        seven.set("Count", 7);
        writeSettings(s, keys, seven);
        EXPECT_EQ(s.value(QStringLiteral("Session/Count")).toInt(), 7);
    }
    const auto readBack = [&](const QVariant& stored) {
        QSettings s = store();
        s.setValue(QStringLiteral("Session/Count"), stored);
        return readSettings(s, keys).get<int>("Count");
    };
    EXPECT_EQ(readBack(QStringLiteral(" 5 ")), 5);
    EXPECT_EQ(readBack(8), 8);
    for (const QVariant& bad :
         {QVariant(QStringLiteral("five")), QVariant(10), QVariant(-1), QVariant(2.5), QVariant(QByteArray("\x05", 1))})
        EXPECT_EQ(readBack(bad), 3) << bad.toString().toStdString();
}

QPoint position(const AppSettings& s)
{
    return {s.get<int>("Left"), s.get<int>("Top")};
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
    s.set("ComPort", 1);
    bringIntoRange(s, machineWithTwoPorts());
    AppSettings expected = everythingChanged();
    expected.set("ComPort", 1);
    EXPECT_EQ(s, expected);
}

TEST(SettingsRange, portOutsideTheList_selectsNone)
{
    for (int stored : {-1, 2, 500}) {
        AppSettings s = defaults();
        s.set("ComPort", stored);
        bringIntoRange(s, machineWithTwoPorts());
        EXPECT_EQ(s.get<int>("ComPort"), -1) << stored;
    }
    AppSettings s = defaults(); // first run on a machine without ports
    bringIntoRange(s, SettingsContext{});
    EXPECT_EQ(s.get<int>("ComPort"), -1);
}

TEST(SettingsRange, positionOnNoScreen_becomesTheDesignedOne)
{
    for (const QPoint stored : {QPoint(5000, 100), QPoint(100, -2000), QPoint(-760, 100), QPoint(1900, 1070)}) {
        AppSettings s = defaults();
        s.set("Left", stored.x());
        s.set("Top", stored.y());
        bringIntoRange(s, machineWithTwoPorts());
        EXPECT_EQ(position(s), QPoint(339, 143)) << stored.x() << "," << stored.y();
    }
    AppSettings partlyOff = defaults(); // mostly visible on the second screen
    partlyOff.set("Left", 1900);
    partlyOff.set("Top", -10);
    SettingsContext twoScreens = machineWithTwoPorts();
    twoScreens.screens.append(QRect(1920, 0, 1280, 1024));
    bringIntoRange(partlyOff, twoScreens);
    EXPECT_EQ(position(partlyOff), QPoint(1920, 0)); // moved wholly onto that screen
}

TEST(SettingsRange, theWindowAlwaysLandsWhollyOnAScreen_evenFromTheEndsOfTheIntRange)
{
    const QRect screen = machineWithTwoPorts().screens.constFirst();
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    for (const QPoint stored : {QPoint(kMax, kMax), QPoint(kMin, kMin), QPoint(kMax, 100), QPoint(100, kMin),
                                QPoint(screen.width() - 200, 300)}) {
        AppSettings s = defaults();
        s.set("Left", stored.x());
        s.set("Top", stored.y());
        bringIntoRange(s, machineWithTwoPorts());
        EXPECT_TRUE(screen.contains(QRect(position(s), machineWithTwoPorts().windowSize)))
            << stored.x() << "," << stored.y() << " -> " << position(s).x() << "," << position(s).y();
    }
    SettingsContext small = machineWithTwoPorts(); // a screen smaller than the window: its top left corner
    small.screens = {QRect(0, 0, 640, 480)};
    AppSettings s = defaults();
    bringIntoRange(s, small);
    EXPECT_EQ(position(s), QPoint(0, 0));
}

} // namespace
} // namespace vimo
