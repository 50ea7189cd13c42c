// The rules every vimo-cli command line keeps, and what the data-file commands refuse: usage errors exit 2 with
// the command's own usage, files that are no data files exit 1 and say so.

#include "data/DataFile.h"
#include "data/NativeName.h"
#include "data/Plot.h"
#include "support/CliRun.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

QString flightFile(const QTemporaryDir& dir, const QString& name = QStringLiteral("flight.csv"))
{
    Plot plot;
    DataSet& set = plot.signals.createDataSet();
    set.clearSamples();
    for (int i = 0; i <= 300; ++i)
        set.altitude.series.append(i,
                                   i < 50 ? 0 : (i < 100 ? 2.0 * (i - 50) : (i < 250 ? 100 : 100 - 2.0 * (i - 250))));
    plot.yLabel = QStringLiteral("Altitude (meters)");
    const QString path = dir.filePath(name);
    writeFile(path, datafile::dataSetFileBytes(plot, 0));
    return path;
}

} // namespace

TEST(CommandLineRules, repeatedEmptyStrayAndContradictoryOptionsAreUsageErrorsWithTheCommandsUsage)
{
    QTemporaryDir dir;
    const QString flight = flightFile(dir);
    const QString png = dir.filePath("a.png");
    const QList<QStringList> mistakes = {
        {"render", flight, "--out", png, "--out", dir.filePath("b.png")},
        {"stats", flight, "--json", "--json"},
        {"flights", flight, "--window", "5", "--window", "6"},
        {"logbook", "--archive", dir.path(), "--archive", dir.path()},
        {"logbook", "--archive", ""},
        {"info", "--port", "/dev/a", "--port", "/dev/b"},
        {"download", "--port", "/dev/a", "--set", "1", "--set", "2", "--out", dir.path()},
        {"flash", "--port", "/dev/a", "--force", "x.hex"},
        {"render", flight, "--out", png, "--width", "-7"},
        {"flights", flight, "--window", "601"},
        {"stats", ""},
        {"--version", "extra"},
    };
    for (const QStringList& words : mistakes) {
        const CliRun r = runCli(words);
        EXPECT_EQ(r.code, 2) << words.join(' ').toStdString() << ": " << r.err.toStdString();
    }
    EXPECT_TRUE(runCli({"stats", flight, "--json", "--json"}).err.contains("--json is given more than once"));
    EXPECT_TRUE(runCli({"stats", ""}).err.contains("the file name is empty"));
    EXPECT_TRUE(runCli({"flights", flight, "--window", "601"}).err.contains("from 0 to 600"));
    EXPECT_FALSE(QFileInfo::exists(png));

    const CliRun noFile = runCli({"render", "--out", png});
    EXPECT_EQ(noFile.code, 2);
    EXPECT_TRUE(noFile.err.contains("Usage: vimo-cli render FILE.csv")) << noFile.err.toStdString();
}

// --launch-end must lie inside the first flight; the analysis would otherwise move it there without a word.
TEST(CommandLineRules, launchEndOutsideTheFlightIsAUsageErrorAndHugeAltitudesStayShort)
{
    QTemporaryDir dir;
    const QString flight = QStringLiteral(VIMO_SOURCE_DIR "/docs/examples/evening-thermal.csv");
    const CliRun outside = runCli({"flights", flight, "--launch-end", "5000"});
    EXPECT_EQ(outside.code, 2);
    EXPECT_TRUE(outside.err.contains("lies outside the first flight")) << outside.err.toStdString();

    const QString huge = dir.filePath("huge.csv");
    writeFile(huge, "0, 0, 0\n1, 0, 0\n50, 1e308, 0\n60, -1e308, 0\n100, 0, 0\n");
    const CliRun r = runCli({"flights", huge});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    for (const QString& line : r.out.split('\n'))
        EXPECT_LT(line.size(), 400) << line.toStdString();
}

// A file of which no line is a sample is refused by name; a name that is not UTF-8 opens and is shown escaped.
TEST(CommandLineRules, noDataFileIsRefusedAndNamesThatAreNotUtf8Open)
{
    QTemporaryDir dir;
    const QString text = dir.filePath("notes.csv");
    writeFile(text, "shopping list\nmilk\n");
    for (const char* command : {"stats", "flights"}) {
        const CliRun r = runCli({command, text});
        EXPECT_EQ(r.code, 1) << command;
        EXPECT_TRUE(r.out.isEmpty()) << command;
        EXPECT_TRUE(r.err.contains(text + ": not a Vimo data file")) << r.err.toStdString();
    }

    const QString good = flightFile(dir);
    const QByteArray bytes = QFile::encodeName(dir.path()) + "/b\xff.csv";
    ASSERT_TRUE(QFile::copy(good, dir.filePath("copy.csv")));
    ASSERT_EQ(std::rename(QFile::encodeName(dir.filePath("copy.csv")).constData(), bytes.constData()), 0);
    const CliRun r = runCli({"stats", nativename::decode(bytes)});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("b\\xff.csv")) << r.out.toStdString();
}

TEST(CommandLineRules, archiveFolderThatIsAFileIsNamedWithTheReason)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("flights");
    writeFile(file, "x");
    const CliRun r = runCli({"logbook", "--archive", file});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(file) && r.err.contains("not a folder")) << r.err.toStdString();
}
