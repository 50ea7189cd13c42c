// The "Session" group as the window reads it back: the start-height window, whatever a hand-edited file holds.

#include "app/SessionMemory.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace vimo {
namespace {

struct SessionStore : ::testing::Test {
    QTemporaryDir dir;
    QSettings store{dir.filePath(QStringLiteral("Vimo.conf")), QSettings::IniFormat};

    double windowRead()
    {
        return readSessionMemory(store).startHeightWindow;
    }
};

TEST_F(SessionStore, startHeightWindow_isTenWhenNeverStored_andReadsBackAsWritten)
{
    EXPECT_EQ(windowRead(), 10.0);
    SessionMemory memory;
    memory.startHeightWindow = 12.5;
    writeSessionMemory(store, memory);
    EXPECT_EQ(readSessionMemory(store), memory);
    // The file keeps the number as text, the same on a German desktop.
    QSettings again(store.fileName(), QSettings::IniFormat);
    EXPECT_EQ(again.value(QStringLiteral("Session/StartHeightWindow")).toString(), QStringLiteral("12.5"));
}

TEST_F(SessionStore, startHeightWindow_handEditedToWhatIsNoUsableNumberOfSeconds_fallsBackToTen)
{
    const QVariant bad[] = {
        QStringLiteral("ten"), QStringLiteral("12,5"), QStringLiteral("nan"), QStringLiteral("inf"),
        QStringLiteral("-3"),  QStringLiteral("601"),  -0.5,                  std::numeric_limits<double>::quiet_NaN(),
        QStringList{QStringLiteral("1"), QStringLiteral("2")}, QByteArray("\x01\x02", 2),
    };
    for (const QVariant& value : bad) {
        store.setValue(QStringLiteral("Session/StartHeightWindow"), value);
        EXPECT_EQ(windowRead(), 10.0) << value.toString().toStdString();
    }
    for (const auto& [stored, seconds] : {std::pair{QVariant(QStringLiteral(" 0 ")), 0.0},
                                         std::pair{QVariant(QStringLiteral("600")), 600.0}, std::pair{QVariant(30), 30.0}}) {
        store.setValue(QStringLiteral("Session/StartHeightWindow"), stored);
        EXPECT_EQ(windowRead(), seconds) << stored.toString().toStdString();
    }
}

} // namespace
} // namespace vimo
