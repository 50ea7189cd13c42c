// vimo-cli --version names the release (and in a build from git the commit); the usage text points to it.

#include "support/CliRun.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vimo::test;

TEST(CliVersion, versionPrintsTheReleaseAndSucceeds)
{
    const CliRun r = runCli({"--version"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    const QRegularExpression line(QStringLiteral("^vimo-cli \\d+\\.\\d+\\.\\d+( \\(git [0-9a-f]+\\))?\\n$"));
    EXPECT_TRUE(line.match(r.out).hasMatch()) << r.out.toStdString();
    EXPECT_TRUE(runCli({"--help"}).out.contains("'vimo-cli --version'"));
}
