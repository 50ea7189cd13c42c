// The version header the build writes: the commit of a git checkout, nothing more for a source tarball (even one
// unpacked inside some other repository), and no rewrite when nothing changed, so a build recompiles nothing.

#include "RunProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace vimo::test;

namespace {

class VersionHeader : public ::testing::Test {
protected:
    // Writes the header for the sources in `sourceDir`; returns its text.
    QByteArray write(const QString& sourceDir)
    {
        const ProcessResult r =
            runProcess(QStringLiteral(VIMO_CMAKE_COMMAND),
                       {QStringLiteral("-DSOURCE_DIR=") + sourceDir, QStringLiteral("-DVERSION=9.8.7"),
                        QStringLiteral("-DOUTPUT=") + header(), QStringLiteral("-P"),
                        QStringLiteral(VIMO_SOURCE_DIR "/cmake/WriteVersionHeader.cmake")});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        return readFile(header());
    }

    // A git repository with one commit in `path`; returns the commit's short name.
    static QString commitRepository(const QString& path)
    {
        QDir().mkpath(path);
        writeFile(path + QStringLiteral("/CMakeLists.txt"), "project(X)\n");
        const QStringList git = {QStringLiteral("-C"), path,
                                 QStringLiteral("-c"), QStringLiteral("user.name=T"),
                                 QStringLiteral("-c"), QStringLiteral("user.email=t@example.org")};
        EXPECT_EQ(runProcess(QStringLiteral("git"), git + QStringList{"init", "-q"}).code, 0);
        EXPECT_EQ(runProcess(QStringLiteral("git"), git + QStringList{"add", "."}).code, 0);
        EXPECT_EQ(runProcess(QStringLiteral("git"), git + QStringList{"commit", "-q", "-m", "x"}).code, 0);
        return runProcess(QStringLiteral("git"), git + QStringList{"rev-parse", "--short", "HEAD"}).out.trimmed();
    }

    QString header() const { return out.filePath(QStringLiteral("VimoVersion.h")); }

    QTemporaryDir work;
    QTemporaryDir out;
};

} // namespace

TEST_F(VersionHeader, gitCheckoutAddsItsCommit)
{
    if (runProcess(QStringLiteral("git"), {QStringLiteral("--version")}).code != 0)
        GTEST_SKIP() << "git is not installed";
    const QString sources = work.filePath(QStringLiteral("checkout"));
    const QString commit = commitRepository(sources);
    ASSERT_FALSE(commit.isEmpty());
    const QByteArray text = write(sources);
    EXPECT_TRUE(text.contains("#define VIMO_VERSION \"9.8.7\"\n")) << text.toStdString();
    const QByteArray withCommit = "#define VIMO_VERSION_TEXT \"9.8.7 (git " + commit.toLatin1() + ")\"\n";
    EXPECT_TRUE(text.contains(withCommit)) << text.toStdString();
}

TEST_F(VersionHeader, tarballShowsTheReleaseAloneEvenInsideAnotherRepository)
{
    const QString plain = work.filePath(QStringLiteral("plain"));
    writeFile(plain + QStringLiteral("/CMakeLists.txt"), "project(X)\n");
    EXPECT_TRUE(write(plain).contains("#define VIMO_VERSION_TEXT \"9.8.7\"\n"));

    // Sources unpacked into a folder of someone's own repository are not that repository's commit.
    if (runProcess(QStringLiteral("git"), {QStringLiteral("--version")}).code != 0)
        return;
    const QString outer = work.filePath(QStringLiteral("home"));
    commitRepository(outer);
    const QString nested = outer + QStringLiteral("/vimo-1.0.0");
    writeFile(nested + QStringLiteral("/CMakeLists.txt"), "project(X)\n");
    EXPECT_TRUE(write(nested).contains("#define VIMO_VERSION_TEXT \"9.8.7\"\n"));
}

TEST_F(VersionHeader, unchangedVersionLeavesTheHeaderUntouched)
{
    const QString plain = work.filePath(QStringLiteral("plain"));
    writeFile(plain + QStringLiteral("/CMakeLists.txt"), "project(X)\n");
    write(plain);
    const QDateTime first = QFileInfo(header()).lastModified();
    QThread::msleep(1100);
    write(plain);
    EXPECT_EQ(QFileInfo(header()).lastModified(), first);
}
