#include "link/OpenError.h"

#include <gtest/gtest.h>

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
    EXPECT_TRUE(text.contains(QStringLiteral("sudo adduser $USER uucp")));
    // An unknown group falls back to the usual one.
    error.deviceGroup.clear();
    EXPECT_TRUE(vimo::openFailureMessage(error).contains(QStringLiteral("sudo adduser $USER dialout")));
}

TEST(ExplainOpenFailure, missingDeviceIsNotAnAccessProblem)
{
    OpenError error;
    error.path = QStringLiteral("/dev/vimo-no-such-port");
    vimo::explainOpenFailure(error);
    EXPECT_FALSE(error.accessDenied);
    EXPECT_TRUE(error.deviceGroup.isEmpty());
}

} // namespace
