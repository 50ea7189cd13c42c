#include "link/OpenError.h"

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using vimo::OpenError;

namespace {

TEST(OpenFailureMessage, keepsTheFixedTextAndAddsTheReason)
{
    OpenError error;
    EXPECT_EQ(vimo::openFailureMessage(error), QStringLiteral("Unable to open Serial Port"));
    error.path = QStringLiteral("/dev/ttyUSB0");
    error.reason = QStringLiteral("No such file or directory");
    EXPECT_EQ(vimo::openFailureMessage(error),
              QStringLiteral("Unable to open Serial Port\n\n/dev/ttyUSB0: No such file or directory"));
}

TEST(OpenFailureMessage, accessDenied_namesTheGroupThatOwnsTheDevice)
{
    OpenError error;
    error.path = QStringLiteral("/dev/ttyACM0");
    error.reason = QStringLiteral("Permission denied");
    error.accessDenied = true;
    error.deviceGroup = QStringLiteral("uucp");
    const QString text = vimo::openFailureMessage(error);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Unable to open Serial Port\n\n/dev/ttyACM0: Permission denied\n\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("usually dialout (here: uucp):\n    sudo adduser $USER uucp\n")));
    // An unknown group falls back to the usual one.
    error.deviceGroup.clear();
    EXPECT_TRUE(vimo::openFailureMessage(error).contains(QStringLiteral("sudo adduser $USER dialout")));
}

// Another program's lock on the port reads as a permission error from the serial library: the user hears it is in use.
TEST(ExplainOpenFailure, portHeldByAnotherProgramSaysItIsInUse)
{
    OpenError error;
    error.path = QStringLiteral("/dev/null"); // a device this process may use
    error.reason = QStringLiteral("Permission error while locking the device");
    vimo::explainOpenFailure(error);
    EXPECT_FALSE(error.accessDenied);
    EXPECT_EQ(error.reason, QLatin1String(vimo::kPortInUseText));
}

TEST(ExplainOpenFailure, missingDeviceIsNotAnAccessProblem)
{
    OpenError error;
    error.path = QStringLiteral("/dev/vimo-no-such-port");
    vimo::explainOpenFailure(error);
    EXPECT_FALSE(error.accessDenied);
    EXPECT_TRUE(error.deviceGroup.isEmpty());
}

// A file or a device that is no terminal is "not a serial port", not "Inappropriate ioctl for device".
TEST(ExplainOpenFailure, pathThatIsNoSerialPortSaysSo)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("notes.txt"));
    QFile plain(file);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    for (const QString& path : {file, dir.path(), QStringLiteral("/dev/null")}) {
        OpenError error;
        error.path = path;
        error.reason = QString::fromLocal8Bit(std::strerror(ENOTTY));
        vimo::explainOpenFailure(error);
        EXPECT_EQ(error.reason, QStringLiteral("not a serial port")) << path.toStdString();
        EXPECT_FALSE(error.accessDenied);
    }
}

// explainOpenFailure() as a user who may not open the device: this process when it is not root, otherwise a child
// that gave up root for "nobody". Returns whether access was found denied and for which group.
std::pair<bool, QString> explainAsOutsider(const QString& path)
{
    if (::geteuid() != 0) {
        OpenError error;
        error.path = path;
        vimo::explainOpenFailure(error);
        return {error.accessDenied, error.deviceGroup};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const uid_t nobody = 65534;
        if (::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(3);
        OpenError error;
        error.path = path;
        vimo::explainOpenFailure(error);
        ::_exit(!error.accessDenied ? 1 : error.deviceGroup == QLatin1String("root") ? 0 : 2);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return {code == 0 || code == 2, code == 0 ? QStringLiteral("root") : QString()};
}

TEST(ExplainOpenFailure, deviceThisUserMayNotOpen_isAccessDeniedWithTheOwningGroup)
{
    QTemporaryDir dir;
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    const QString path = dir.filePath(QStringLiteral("ttyLocked"));
    QFile device(path);
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    device.close();
    ::chmod(QFile::encodeName(path).constData(), ::geteuid() == 0 ? 0600 : 0000);
    const auto [denied, group] = explainAsOutsider(path);
    EXPECT_TRUE(denied);
    if (::geteuid() == 0) {
        EXPECT_EQ(group, QStringLiteral("root"));
    }
}

} // namespace
