// Manual pages written from a program's --help at build time: every line of the help survives roff, every command
// gets its section, and a failing program stops the build instead of leaving an empty page.

#include "RunProcess.h"
#include "cli/Commands.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vimo::test;

namespace {

// A program whose help holds everything roff would take as markup, and two commands.
const char* const kStubProgram = R"(#!/bin/sh
case "$1" in
  --help) printf 'Usage: %s COMMAND [--opt N]\n.dot starts this line\n'"'"'quote starts this one\n' "$0"
          printf 'back\\slash, a-b and --long\n\n\nCommands:\n  one     the first\n  two-x   the second\n\nEnd.\n' ;;
  one) printf 'Usage: stub one --fast\n' ;;
  two-x) printf 'Usage: stub two-x FILE\n' ;;
  *) exit 3 ;;
esac
)";

class HelpToMan : public ::testing::Test {
protected:
    QString writeStub(const char* script)
    {
        const QString path = dir.filePath(QStringLiteral("stub"));
        writeFile(path, script);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    ProcessResult generate(const QString& program, bool commands)
    {
        return runProcess(QStringLiteral(VIMO_CMAKE_COMMAND),
                          {QStringLiteral("-DPROGRAM=") + program, QStringLiteral("-DNAME=stub"),
                           QStringLiteral("-DSUMMARY=a stub program"), QStringLiteral("-DVERSION=9.8.7"),
                           QStringLiteral("-DDATE=2026-01-02"),
                           QStringLiteral("-DCOMMANDS=") + (commands ? "ON" : "OFF"),
                           QStringLiteral("-DOUTPUT=") + page(), QStringLiteral("-P"),
                           QStringLiteral(VIMO_SOURCE_DIR "/cmake/HelpToMan.cmake")});
    }

    // The page as `man` shows it, in plain ASCII; `warnings` gets what groff complained about.
    QString rendered(QString* warnings)
    {
        const ProcessResult r =
            runProcess(QStringLiteral("man"), {QStringLiteral("--warnings"), QStringLiteral("-l"), page()},
                       {QStringLiteral("LC_ALL=C"), QStringLiteral("MANWIDTH=200")});
        *warnings = r.err;
        return r.out;
    }

    QString page() const { return dir.filePath(QStringLiteral("stub.1")); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(HelpToMan, keepsEveryHelpLineAsPrintedAndNamesTheProgramNotItsPath)
{
    const ProcessResult r = generate(writeStub(kStubProgram), true);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    QString warnings;
    const QString text = rendered(&warnings);
    EXPECT_EQ(warnings, "");
    EXPECT_TRUE(text.contains("Usage: stub COMMAND [--opt N]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains(".dot starts this line\n"));
    EXPECT_TRUE(text.contains("'quote starts this one\n"));
    EXPECT_TRUE(text.contains("back\\slash, a-b and --long\n"));
    EXPECT_TRUE(text.contains("stub - a stub program"));
    EXPECT_FALSE(text.contains(dir.path())) << "the page shows where the program was built";
}

TEST_F(HelpToMan, givesEveryListedCommandASectionWithItsOwnHelp)
{
    ASSERT_EQ(generate(writeStub(kStubProgram), true).code, 0);
    const QByteArray roff = readFile(page());
    EXPECT_TRUE(roff.contains(".SS one\n.nf\nUsage: stub one \\-\\-fast\n.fi\n")) << roff.toStdString();
    EXPECT_TRUE(roff.contains(".SS two\\-x\n.nf\nUsage: stub two\\-x FILE\n.fi\n")) << roff.toStdString();
    EXPECT_FALSE(roff.contains(".SS End")) << "a line after the list is no command";
}

TEST_F(HelpToMan, stopsTheBuildWhenTheProgramOrACommandFails)
{
    const QString failing = writeStub("#!/bin/sh\necho 'no help here' >&2\nexit 1\n");
    const ProcessResult whole = generate(failing, false);
    EXPECT_NE(whole.code, 0);
    EXPECT_TRUE(whole.err.contains("no help here")) << whole.err.toStdString();
    EXPECT_FALSE(QFile::exists(page()));

    // A command listed in the help whose own --help fails.
    const QString brokenCommand = writeStub("#!/bin/sh\n[ \"$1\" = --help ] && printf 'Usage: x\\n\\nCommands:\\n"
                                            "  gone   vanished\\n' && exit 0\nexit 2\n");
    EXPECT_NE(generate(brokenCommand, true).code, 0);
    EXPECT_FALSE(QFile::exists(page()));
}

// The installed page of vimo-cli, written by the build: a command missing from the usage text would be missing
// from the page too, so every command the program runs must have its section.
TEST(CliManPage, hasTheHelpOfEveryCommandTheProgramRuns)
{
    const QByteArray roff = readFile(QStringLiteral(VIMO_BINARY_DIR "/dist/vimo-cli.1"));
    ASSERT_FALSE(roff.isEmpty());
    for (const vimo::cli::Command& command : vimo::cli::commands()) {
        QByteArray name(command.name);
        name.replace("-", "\\-");
        const QByteArray section = ".SS " + name + "\n.nf\nUsage: vimo\\-cli ";
        EXPECT_TRUE(roff.contains(section)) << command.name;
    }
    EXPECT_TRUE(roff.contains(".SH EXIT STATUS"));
}
