// vimo-cli's bash completion against the built program: it reads the commands and options from the program's
// help, so a change of the help that it no longer understands shows here.

#include "RunProcess.h"
#include "cli/Commands.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vimo::test;

namespace {

class Completion : public ::testing::Test {
protected:
    Completion()
    {
        // vimo-cli itself, except that `ports` lists two made-up adapters.
        program = dir.filePath(QStringLiteral("vimo-cli"));
        writeFile(program, "#!/bin/sh\n"
                           "if [ \"$1\" = ports ]; then\n"
                           "  printf 'ttyUSB0   FT232R USB UART   USB\\nttyACM0   Vimo adapter   USB\\n'; exit 0\n"
                           "fi\n"
                           "exec '" VIMO_CLI_PATH "' \"$@\"\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // What bash offers for the words typed so far; the last word is the one being completed.
    QStringList complete(const QStringList& words)
    {
        QString array = QStringLiteral("'") + program + QLatin1Char('\'');
        for (const QString& word : words)
            array += QStringLiteral(" '") + word + QLatin1Char('\'');
        const QString script = QStringLiteral("source '" VIMO_SOURCE_DIR "/dist/linux/vimo-cli.bash'\n"
                                              "COMP_WORDS=(%1); COMP_CWORD=%2\n"
                                              "_vimo_cli; printf '%s\\n' \"${COMPREPLY[@]}\"\n")
                                   .arg(array)
                                   .arg(words.size());
        const ProcessResult r = runProcess(QStringLiteral("bash"), {QStringLiteral("-c"), script},
                                           {QStringLiteral("QT_QPA_PLATFORM=offscreen")});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        QStringList offered = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        offered.sort();
        return offered;
    }

    QTemporaryDir dir;
    QString program;
};

} // namespace

TEST_F(Completion, firstWordOffersEveryCommandTheProgramRuns)
{
    const QStringList offered = complete({QString()});
    for (const vimo::cli::Command& command : vimo::cli::commands())
        EXPECT_TRUE(offered.contains(QLatin1String(command.name))) << command.name;
    EXPECT_TRUE(offered.contains("--version"));
    EXPECT_EQ(complete({"re"}), QStringList({"render", "reset-defaults", "reset-module"}));
}

TEST_F(Completion, optionsComeFromEachCommandsOwnHelp)
{
    EXPECT_EQ(complete({"flash", "--"}),
              QStringList({"--baud", "--blank", "--dry-run", "--force", "--help", "--port"}));
    EXPECT_EQ(complete({"download", "--port", "ttyUSB0", "--"}),
              QStringList({"--archive", "--baud", "--help", "--no-archive", "--out", "--port", "--set"}));
    EXPECT_EQ(complete({"stats", "--j"}), QStringList({"--json"}));
}

TEST_F(Completion, optionValuesArePortsSpeedsAndConfigurationFields)
{
    EXPECT_EQ(complete({"info", "--port", ""}), QStringList({"ttyACM0", "ttyUSB0"}));
    EXPECT_EQ(complete({"info", "--port", "ttyU"}), QStringList({"ttyUSB0"}));
    EXPECT_TRUE(complete({"info", "--port", "/de"}).contains("/dev")) << "a typed path completes as a file";
    EXPECT_EQ(complete({"info", "--baud", "1"}), QStringList({"115200", "19200"}));
    EXPECT_EQ(complete({"config", "--set", "auto"}), QStringList({"autoStart=", "autoStop=", "autoZero="}));
    EXPECT_EQ(complete({"config", "--set", "memory"}), QStringList({"memorySize="}));
    // Fields that go back to the module as read are not offered: --set refuses them.
    EXPECT_EQ(complete({"config", "--set", "re"}), QStringList({"recordTrigger=", "reverseTrigger="}));
    EXPECT_EQ(complete({"config", "--set", "sig"}), QStringList());
    EXPECT_EQ(complete({"config", "--set", "base"}), QStringList());
    EXPECT_EQ(complete({"download", "--set", ""}), QStringList({"all"}));
}

TEST_F(Completion, dataFileArgumentsOfferOnlyFoldersAndMatchingFiles)
{
    QTemporaryDir files;
    writeFile(files.filePath("flight.csv"), "x");
    writeFile(files.filePath("notes.txt"), "x");
    writeFile(files.filePath("code.hex"), "x");
    QDir(files.path()).mkdir("sub");
    const QString base = files.path() + QLatin1Char('/');
    EXPECT_EQ(complete({"stats", base}), QStringList({QString(base + "flight.csv"), QString(base + "sub")}));
    EXPECT_EQ(complete({"flash", "--port", "ttyUSB0", base}),
              QStringList({QString(base + "code.hex"), QString(base + "sub")}));
}
