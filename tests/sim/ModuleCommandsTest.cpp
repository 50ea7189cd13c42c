// vimo-cli's module and firmware commands against the simulated module on a pseudo-terminal.

#include "cli/Cli.h"
#include "data/DataFile.h"
#include "data/Plot.h"
#include "support/CliRun.h"
#include "support/SimFixture.h"
#include "support/TestFiles.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace vimo;
using namespace vimo::test;

class CliOnSim : public ::testing::Test {
protected:
    explicit CliOnSim(const sim::SimOptions& options = {}) : sim(withShortRestart(options)) {}

    CliRun module(QStringList arguments)
    {
        arguments.insert(1, QStringLiteral("--port"));
        arguments.insert(2, sim.path());
        return runCli(arguments);
    }

    SimFixture sim;
};

TEST_F(CliOnSim, info_printsTheEightInformationLines)
{
    const CliRun r = module({"info"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "     Device Name: VIMO\n           Model: MOD2\n\nSoftware Version: 1.07\n"
                     "   Software Date: 05-14-06\n\n\nMemory contains 3 data sets.\n");
    EXPECT_EQ(sim->received(), "vs");
}

TEST_F(CliOnSim, config_listsEveryFieldInRecordOrder)
{
    const CliRun r = module({"config"});
    EXPECT_EQ(r.code, 0);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[0], "signature=43981");
    EXPECT_EQ(lines[4], "baseInterval=100");
    EXPECT_EQ(lines[18], "reserved3=0");
    EXPECT_EQ(lines[19], "f5jModule=0");
    EXPECT_EQ(lines[20], "Total Record Time: 09 hours 06 min 08.000 sec");
}

TEST_F(CliOnSim, configSet_writesTheRecordAndPrintsWhatWasReadBack)
{
    const CliRun r = module({"config", "--set", "units=2", "--set", "stopAltitude=65436"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("\nunits=2\n"));
    EXPECT_TRUE(r.out.contains("\nstopAltitude=65436\n"));
    const sim::SimModel m = sim->model();
    EXPECT_EQ(m.config[sim::field::kUnits], 2);
    EXPECT_EQ(sim::get16(m.config, sim::field::kStopAltitude), 65436);
}

TEST_F(CliOnSim, configSet_readBackThatDiffersFromTheWrite_failsWithExitOne)
{
    sim::SimFaults faults;
    faults.keepConfigOnWrite = true;
    sim->setFaults(faults);
    const CliRun r = module({"config", "--set", "units=2"});
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_TRUE(r.out.contains("\nunits=0\n")) << "what was read back is printed";
    EXPECT_EQ(sim->model().config[sim::field::kUnits], 0);
}

TEST_F(CliOnSim, configSet_unknownFieldOrValueTooLargeIsAUsageError)
{
    EXPECT_EQ(module({"config", "--set", "colour=1"}).code, 2);
    EXPECT_EQ(module({"config", "--set", "units=256"}).code, 2);
    EXPECT_TRUE(sim->received().isEmpty());
}

TEST_F(CliOnSim, downloadAll_savesOneDataSetFilePerSet)
{
    QTemporaryDir dir;
    const CliRun r = module({"download", "--set", "all", "--out", dir.path(), "--no-archive"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Set 3: Downloaded"));
    const QString date = QDate::currentDate().toString("yyyy-MM-dd");
    for (int n = 1; n <= 3; ++n) {
        const QString path = QDir(dir.path()).filePath(QStringLiteral("Alt_%1_%2.csv").arg(date).arg(n));
        Plot plot;
        ASSERT_EQ(datafile::loadDataFile(path, plot), 1) << path.toStdString();
        EXPECT_GT(plot.signals.at(0).altitude.series.count(), 1000);
        EXPECT_TRUE(plot.signals.at(0).notes[1].endsWith(
            QStringLiteral("Set %1, %2 samples").arg(n).arg(plot.signals.at(0).altitude.series.count())));
    }
}

TEST_F(CliOnSim, download_setTheModuleDoesNotHoldFails)
{
    QTemporaryDir dir;
    const CliRun r = module({"download", "--set", "5", "--out", dir.path()});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("holds 3 data sets"));
    EXPECT_EQ(module({"download", "--set", "0", "--out", dir.path()}).code, 2);
}

TEST_F(CliOnSim, erase_needsYes)
{
    EXPECT_EQ(module({"erase"}).code, 2);
    EXPECT_EQ(sim->model().erases, 0);
    EXPECT_EQ(module({"erase", "--yes"}).code, 0);
    ASSERT_TRUE(sim->waitForReceived(1, 1000));
    EXPECT_EQ(sim->model().erases, 1);
}

TEST_F(CliOnSim, calibrate_sendsTheAltitudeOrRefusesText)
{
    EXPECT_EQ(module({"calibrate", "abc"}).code, 2);
    EXPECT_TRUE(sim->received().isEmpty());
    const CliRun r = module({"calibrate", "--", "-10"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(sim->model().calibration, -10);
    EXPECT_EQ(sim->received(), QByteArray("$t\xFF\xF6rM", 6));
}

TEST_F(CliOnSim, resetDefaults_andResetModule)
{
    sim->withModel([](sim::SimModel& m) { m.config[sim::field::kUnits] = 1; });
    EXPECT_EQ(module({"reset-defaults"}).code, 2);
    EXPECT_EQ(module({"reset-defaults", "--yes"}).code, 0);
    EXPECT_EQ(sim->model().config[sim::field::kUnits], 0);
    const CliRun r = module({"reset-module"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(sim->model().restarts, 1);
    EXPECT_TRUE(r.out.endsWith("Configuration loaded.\n"));
}

TEST_F(CliOnSim, flash_programsTheImageAndSaysSo)
{
    const CliRun r = module({"flash", firmwareFixture("addresses_0_to_99.hex")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "ISP Mode Initiated\n\nFirmware updated successfully.\n");
    EXPECT_EQ(sim->model().programMemory.left(3), QByteArray("\x00\x01\x02", 3));
}

TEST_F(CliOnSim, flashDryRun_printsTheRecordsAndSendsNothing)
{
    const CliRun r = module({"flash", "--dry-run", firmwareFixture("addresses_0_to_99.hex")});
    EXPECT_EQ(r.code, 0);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 1 + 119 + 2 + 2 + 1);
    EXPECT_TRUE(lines[0].contains("0x0000 to 0x0063 (100 bytes) in 2 program records"));
    EXPECT_EQ(lines[1], ":020000020301F8");
    EXPECT_EQ(lines.last(), ":00000008F8");
    EXPECT_TRUE(sim->received().isEmpty());
}

TEST_F(CliOnSim, flash_refusedFileFailsBeforeThePort)
{
    const CliRun r = module({"flash", firmwareFixture("no_data.hex")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Hex file contains no data."));
    EXPECT_TRUE(sim->received().isEmpty());

    // A file cut short is refused naming its line; lines after the end-of-file record are a warning.
    const CliRun cut = module({"flash", "--dry-run", firmwareFixture("no_end_of_file_record_line_2.hex")});
    EXPECT_EQ(cut.code, 1);
    EXPECT_TRUE(cut.err.contains("Hex file line 2: the file ends without an end-of-file record"))
        << cut.err.toStdString();
    const CliRun after = module({"flash", "--dry-run", firmwareFixture("data_after_end_of_file_line_3.hex")});
    EXPECT_EQ(after.code, 0);
    EXPECT_TRUE(after.err.contains("warning:") && after.err.contains("line 3")) << after.err.toStdString();
    EXPECT_TRUE(sim->received().isEmpty());
}

TEST(CliModuleCommands, missingPortOrBadBaudIsAUsageErrorAndAMissingDeviceFails)
{
    EXPECT_EQ(runCli({"info"}).code, 2);
    EXPECT_EQ(runCli({"info", "--port", "/dev/null", "--baud", "1200"}).code, 2);
    const CliRun r = runCli({"info", "--port", "/dev/vimo-no-such-port"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Unable to open Serial Port"));
    EXPECT_EQ(runCli({"ports"}).code, 0);
    EXPECT_EQ(runCli({"info", "--help"}).code, 0);
}

// Mistakes on the command line are usage errors (exit 2) and never reach the module.
TEST_F(CliOnSim, strayWordsNumbersThatAreNotWholeAndEmptyPathsAreUsageErrors)
{
    const QList<QStringList> mistakes = {
        {"erase", "--yes", "bogus"}, {"info", "x"},           {"calibrate", "12.5"}, {"calibrate", "12abc"},
        {"calibrate", "70000"},      {"calibrate", "1", "2"}, {"config", "units=2"},
    };
    for (const QStringList& words : mistakes)
        EXPECT_EQ(module(words).code, 2) << words.join(' ').toStdString();
    QTemporaryDir dir;
    EXPECT_EQ(module({"download", "--set", "1", "--out", ""}).code, 2);
    EXPECT_EQ(runCli({"info", "--port", ""}).code, 2);
    EXPECT_TRUE(sim->received().isEmpty());
}

// "--set FIELD=VALUE ..." applies every assignment, as the help shows.
TEST_F(CliOnSim, configSet_appliesEveryAssignmentAfterSet)
{
    const CliRun r = module({"config", "--set", "units=2", "stopAltitude=65436"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const sim::SimModel m = sim->model();
    EXPECT_EQ(m.config[sim::field::kUnits], 2);
    EXPECT_EQ(sim::get16(m.config, sim::field::kStopAltitude), 65436);
}

class CliOnSilentSim : public CliOnSim {
protected:
    CliOnSilentSim() : CliOnSim(options()) {}
    static sim::SimOptions options()
    {
        sim::SimOptions o;
        o.faults.silenceAfterWords = 10;
        return o;
    }
};

// A set that ended early is saved as it came, but the download says so on stderr and fails.
TEST_F(CliOnSilentSim, download_setThatEndedEarlyFailsWithTheReason)
{
    QTemporaryDir dir;
    const CliRun r = module({"download", "--set", "1", "--out", dir.path()});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("set 1 ended early")) << r.err.toStdString();
}

// A file in --out is never written over: each download takes the next free name and prints it.
TEST_F(CliOnSim, download_intoAFolderThatHoldsTheFileAlready_takesTheNextFreeNameAndKeepsTheOld)
{
    QTemporaryDir dir;
    const QString date = QDate::currentDate().toString("yyyy-MM-dd");
    const QString first = dir.filePath(QStringLiteral("Alt_%1_1.csv").arg(date));
    writeFile(first, "a flight of another day\r\n");
    for (int n = 2; n <= 3; ++n) {
        const CliRun r = module({"download", "--set", "1", "--out", dir.path(), "--no-archive"});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        const QString taken = dir.filePath(QStringLiteral("Alt_%1_1-%2.csv").arg(date).arg(n));
        EXPECT_TRUE(r.out.contains("Saved " + taken)) << r.out.toStdString();
        Plot plot;
        EXPECT_EQ(datafile::loadDataFile(taken, plot), 1);
    }
    EXPECT_EQ(readFile(first), QByteArray("a flight of another day\r\n"));
}

// The module gets only values the window's controls could give it; the usage error names the field and its range.
TEST_F(CliOnSim, configSetAndCalibrate_outsideWhatTheControlsGive_areUsageErrorsNamingTheRange)
{
    const std::pair<const char*, const char*> refused[] = {
        {"units=9", "units takes a whole number from 0 to 2"},
        {"intervalTicks=0", "intervalTicks takes a whole number from 1 to 65535"},
        {"memorySize=255", "memorySize takes a whole number from 1 to 8"},
        {"signature=1", "signature is not set from here"},
    };
    for (const auto& [assignment, reason] : refused) {
        const CliRun r = module({"config", "--set", assignment});
        EXPECT_EQ(r.code, 2) << assignment;
        EXPECT_TRUE(r.err.contains(QLatin1String(reason))) << r.err.toStdString();
    }
    const CliRun calibrate = module({"calibrate", "40000"});
    EXPECT_EQ(calibrate.code, 2);
    EXPECT_TRUE(calibrate.err.contains("from -32768 to 32767")) << calibrate.err.toStdString();
    EXPECT_TRUE(sim->received().isEmpty());
}

#ifdef Q_OS_UNIX
// A real flash of a file that cannot be read gives the reason, as --dry-run does.
TEST_F(CliOnSim, flash_ofAFolderOrFifo_givesTheSameReasonAsDryRun)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("image.hex");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& file : {dir.path(), fifo}) {
        const CliRun dry = module({"flash", "--dry-run", file});
        const CliRun real = module({"flash", file});
        EXPECT_EQ(real.code, 1);
        EXPECT_TRUE(dry.err.contains("Not a regular file")) << dry.err.toStdString();
        EXPECT_TRUE(real.err.contains("Not a regular file")) << real.err.toStdString();
    }
}

// Ctrl+C, SIGTERM and SIGHUP stop a download as Cancel Download does: what arrived is archived (incomplete) and
// saved, and the exit status is that of the signal.
TEST(CliDownloadSignals, downloadStoppedBySignal_keepsWhatArrivedAndExitsAsTheSignal)
{
    sim::SimOptions options = simWithSets(1, 20000);
    options.pace = true;
    options.baud = 9600; // about 40 s for the set: the signal lands inside it
    for (const auto& [signal, code] : {std::pair{SIGTERM, 143}, {SIGINT, 130}, {SIGHUP, 129}}) {
        SimFixture sim(options); // a module of its own: the last one still sends the set that was stopped
        QTemporaryDir out;
        QTemporaryDir archive;
        QProcess cli;
        cli.start(QStringLiteral(VIMO_CLI_PATH), {"download", "--port", sim.path(), "--baud", "9600", "--set", "1",
                                                  "--out", out.path(), "--archive", archive.path()});
        ASSERT_TRUE(cli.waitForStarted());
        QElapsedTimer waited;
        waited.start();
        while (!sim->received().contains('a') && waited.elapsed() < 30000) // the set was asked for
            QThread::msleep(20);
        QThread::msleep(2000); // some 900 words on their way
        ::kill(pid_t(cli.processId()), signal);
        ASSERT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), code) << cli.readAllStandardError().toStdString();
        const QStringList saved = QDir(out.path()).entryList({"*.csv"}, QDir::Files);
        ASSERT_EQ(saved.size(), 1);
        Plot plot;
        ASSERT_EQ(datafile::loadDataFile(out.filePath(saved.first()), plot), 1);
        const int samples = plot.signals.at(0).altitude.series.count();
        EXPECT_GT(samples, 0);
        EXPECT_LT(samples, 20000);
        const QString date = QDate::currentDate().toString("yyyy-MM-dd");
        const QByteArray facts = readFile(QDir(archive.path()).filePath(date + "/Alt_" + date + "_1.json"));
        EXPECT_TRUE(facts.contains("\"incomplete\": true")) << facts.toStdString();
    }
}
#endif
