#include "cli/Cli.h"
#include "data/DataFile.h"
#include "data/Plot.h"
#include "support/CliRun.h"
#include "support/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

using namespace vimo;
using vimo::test::fixturePath;

using vimo::test::CliRun;
using vimo::test::runCli;

TEST(StatsCommand, reportsEveryDataSetOfFilesWrittenByThisProgram)
{
    QTemporaryDir dir;
    Plot plot;
    DataSet& flight = plot.signals.createDataSet();
    flight.clearSamples();
    for (int i = 0; i < 4; ++i)
        flight.altitude.series.append(0.5 * i, 100 - 30 * i);
    flight.trigger.series.append(0.5, 70);
    flight.addRateMark(0, 3);
    plot.signals.rename(0, QStringLiteral("Evening \u00F6"));
    flight.notes[2] = QStringLiteral("2 sec, interval=0.5 sec, max=100");
    plot.signals.createDataSet(); // the 21-sample ramp
    const QString plotPath = dir.filePath(QStringLiteral("Plot.csv"));
    const QString setPath = dir.filePath(QStringLiteral("Alt.csv"));
    ASSERT_EQ(datafile::savePlotFile(plotPath, plot), SaveStatus::Saved);
    ASSERT_EQ(datafile::saveDataSetFile(setPath, plot, 0), SaveStatus::Saved);

    const CliRun r = runCli({QStringLiteral("stats"), plotPath, setPath});
    EXPECT_EQ(r.code, cli::kOk) << r.err.toStdString();
    const QString first = QStringLiteral("name: Evening \u00F6\n"
                                         "samples: 4\n"
                                         "trigger samples: 1\n"
                                         "rate marks: 1\n"
                                         "first time: 0\n"
                                         "last time: 1.5\n"
                                         "lowest altitude: 10\n"
                                         "highest altitude: 100\n"
                                         "note 1:\n"
                                         "note 2:\n"
                                         "note 3: 2 sec, interval=0.5 sec, max=100\n");
    EXPECT_EQ(r.out, QStringLiteral("file: ") + plotPath + QStringLiteral("\n") + first + QStringLiteral("\nfile: ")
                         + plotPath
                         + QStringLiteral("\nname: Data001\n"
                                          "samples: 21\n"
                                          "trigger samples: 0\n"
                                          "rate marks: 0\n"
                                          "first time: 0\n"
                                          "last time: 20\n"
                                          "lowest altitude: 0\n"
                                          "highest altitude: 20\n"
                                          "note 1:\nnote 2:\nnote 3:\n")
                         + QStringLiteral("\nfile: ") + setPath + QStringLiteral("\n") + first);
}

TEST(StatsCommand, handWrittenFilesWithLfOrCrLfReportAlike)
{
    const CliRun lf = runCli({QStringLiteral("stats"), fixturePath(QStringLiteral("handwritten_lf.csv"))});
    const CliRun crlf = runCli({QStringLiteral("stats"), fixturePath(QStringLiteral("handwritten_crlf.csv"))});
    ASSERT_EQ(lf.code, cli::kOk);
    ASSERT_EQ(crlf.code, cli::kOk);
    const auto withoutFileLine = [](const QString& out) { return out.section(QLatin1Char('\n'), 1); };
    EXPECT_EQ(withoutFileLine(lf.out), withoutFileLine(crlf.out));
    EXPECT_EQ(withoutFileLine(lf.out), QStringLiteral("name: Slope soaring\n"
                                                      "samples: 5\n"
                                                      "trigger samples: 2\n"
                                                      "rate marks: 1\n"
                                                      "first time: 0\n"
                                                      "last time: 4\n"
                                                      "lowest altitude: -1.5\n"
                                                      "highest altitude: 88\n"
                                                      "note 1: Ridge west\n"
                                                      "note 2:\n"
                                                      "note 3: 12 sec, interval=1 sec, max=88\n"));
}

TEST(StatsCommand, jsonCarriesTheSameFieldsAndNullsForAnEmptyDataSet)
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.csv"));
    vimo::test::writeFile(empty, "#Empty\r\n#T\r\n#A\r\n#\r\n#\r\n#\r\n#0,0,20,20,0\r\n"); // saved without samples
    const CliRun r = runCli({QStringLiteral("stats"), fixturePath(QStringLiteral("handwritten_crlf.csv")), empty,
                             QStringLiteral("--json")});
    ASSERT_EQ(r.code, cli::kOk) << r.err.toStdString();
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    const QJsonArray sets = doc.object().value(QStringLiteral("dataSets")).toArray();
    ASSERT_EQ(sets.size(), 2);
    const QJsonObject first = sets[0].toObject();
    EXPECT_EQ(first.value(QStringLiteral("name")).toString(), QStringLiteral("Slope soaring"));
    EXPECT_EQ(first.value(QStringLiteral("samples")).toInt(), 5);
    EXPECT_EQ(first.value(QStringLiteral("triggerSamples")).toInt(), 2);
    EXPECT_EQ(first.value(QStringLiteral("rateMarks")).toInt(), 1);
    EXPECT_EQ(first.value(QStringLiteral("lastTime")).toDouble(), 4);
    EXPECT_EQ(first.value(QStringLiteral("lowestAltitude")).toDouble(), -1.5);
    EXPECT_EQ(first.value(QStringLiteral("notes")).toArray().at(0).toString(), QStringLiteral("Ridge west"));
    const QJsonObject second = sets[1].toObject();
    EXPECT_EQ(second.value(QStringLiteral("samples")).toInt(), 0);
    EXPECT_TRUE(second.value(QStringLiteral("firstTime")).isNull());
    EXPECT_TRUE(second.value(QStringLiteral("highestAltitude")).isNull());
    EXPECT_EQ(second.value(QStringLiteral("file")).toString(), empty);
}

TEST(StatsCommand, fileThatCannotBeOpenedFailsWithTheReasonOnStderr)
{
    const CliRun r = runCli({QStringLiteral("stats"), fixturePath(QStringLiteral("handwritten_lf.csv")),
                             QStringLiteral("/no/such/file.csv")});
    EXPECT_EQ(r.code, cli::kFailed);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral("Unable to open /no/such/file.csv!"))) << r.err.toStdString();
}

TEST(StatsCommand, usageErrorsAndHelp)
{
    EXPECT_EQ(runCli({QStringLiteral("stats")}).code, cli::kUsage);
    const CliRun unknown = runCli({QStringLiteral("stats"), QStringLiteral("--frobnicate"), QStringLiteral("a.csv")});
    EXPECT_EQ(unknown.code, cli::kUsage);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("Usage: vimo-cli stats")));
    const CliRun help = runCli({QStringLiteral("stats"), QStringLiteral("--help")});
    EXPECT_EQ(help.code, cli::kOk);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: vimo-cli stats FILE.csv")));
}

// Lines that could not be read, and plot files without data sets, are reported on stderr naming the file; the
// data still loads and the command succeeds.
TEST(StatsCommand, unreadableLinesAndEmptyPlotFilesAreWarnedAboutOnStderr)
{
    QTemporaryDir dir;
    const QString comma = dir.filePath(QStringLiteral("comma.csv"));
    test::writeFile(comma, "#Comma\r\n#T\r\n#A\r\n#\r\n#\r\n#\r\n#0,0,20,20,0\r\n1,5, 1,5, 0\r\n");
    const QString empty = dir.filePath(QStringLiteral("empty-plot.csv"));
    test::writeFile(empty, "Vimo Plot\r\n#\r\n#\r\n#\r\n#\r\n#\r\n#\r\n#0,0,20,20\r\n");
    const CliRun r = runCli({QStringLiteral("stats"), comma, empty});
    EXPECT_EQ(r.code, cli::kOk) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("vimo-cli stats: warning: %1: Line 8 could not be read.").arg(comma)))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("vimo-cli stats: %1: the file holds no data sets").arg(empty)))
        << r.err.toStdString();
}
