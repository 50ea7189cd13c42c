// The start-height window as the window reads it back from a settings file that may have been edited by hand.

#include "app/SessionMemory.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace vimo {

TEST(SessionMemory, startHeightWindow_thatIsNoUsableNumberOfSeconds_fallsBackToTen)
{
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("Vimo.conf")), QSettings::IniFormat);
    const auto readBack = [&store](const QVariant& stored) {
        store.setValue(QStringLiteral("Session/StartHeightWindow"), stored);
        return readSessionMemory(store).startHeightWindow;
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

} // namespace vimo
