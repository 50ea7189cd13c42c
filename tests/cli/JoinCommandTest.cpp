// vimo-cli join; what it writes is pinned by the units scenario of the simulated module.
#include "support/CliRun.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using vimo::test::runCli;

TEST(JoinCommand, usageErrorsAndFailures_giveTheirExitCodeAndReason)
{
    QTemporaryDir dir;
    const QString feet = vimo::test::fixturePath(QStringLiteral("handwritten_lf.csv"));
    const QString out = dir.filePath(QStringLiteral("p.csv"));
    EXPECT_EQ(runCli({QStringLiteral("join"), feet}).code, vimo::cli::kUsage);
    EXPECT_EQ(runCli({QStringLiteral("join"), QStringLiteral("--out"), out}).code, vimo::cli::kUsage);
    EXPECT_EQ(runCli({QStringLiteral("join"), feet, QStringLiteral("/no/such.csv"), QStringLiteral("--out"), out}).code,
              vimo::cli::kFailed);
    EXPECT_FALSE(QFile::exists(out)) << "nothing is written when a file cannot be read";
    const QString nowhere = dir.filePath(QStringLiteral("no/folder/p.csv"));
    const vimo::test::CliRun unsaved = runCli({QStringLiteral("join"), feet, QStringLiteral("--out"), nowhere});
    EXPECT_EQ(unsaved.code, vimo::cli::kFailed);
    EXPECT_TRUE(unsaved.err.contains(QStringLiteral("cannot save ") + nowhere)) << unsaved.err.toStdString();
}
