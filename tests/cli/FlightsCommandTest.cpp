#include "cli/Cli.h"
#include "data/DataFile.h"
#include "data/Plot.h"
#include "support/CliRun.h"
#include "support/SyntheticFlight.h"
#include "support/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vimo;
using vimo::test::CliRun;
using vimo::test::runCli;

namespace {

const QString kExample = QStringLiteral(VIMO_SOURCE_DIR "/docs/examples/evening-thermal.csv");

// A data set file of one motor-climb flight recorded in feet, as a download into a feet module writes it.
QString writeFeetFlight(const QTemporaryDir& dir)
{
    test::FlightPathBuilder path(0);
    path.stay(30).motorLaunch(10, 20).glide(0.7, 60).thermal(1.5, 60).glide(0.8, 40).landAt(0, 0.8).stay(40);
    const test::SyntheticRecording r = path.sample(0.5, 0.3, 2, 0.3048);
    Plot plot;
    plot.yLabel = QStringLiteral("Altitude (feet)");
    DataSet& set = plot.signals.createDataSet();
    set.clearSamples();
    for (std::size_t i = 0; i < r.times.size(); ++i)
        set.altitude.series.append(r.times[i], r.altitudes[i]);
    const QString path_ = dir.filePath(QStringLiteral("feet.csv"));
    EXPECT_EQ(datafile::saveDataSetFile(path_, plot, 0), SaveStatus::Saved);
    return path_;
}

QJsonArray parseArray(const QString& text)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text.toStdString();
    return doc.array();
}

} // namespace

TEST(FlightsCommand, textGivesABlockPerDataSetAndALinePerFlight)
{
    const CliRun r = runCli({QStringLiteral("flights"), kExample});
    ASSERT_EQ(r.code, cli::kOk) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("file: ") + kExample
                         + QStringLiteral("\ndata set: Evening Thermal\n"
                                          "unit: meters\n"
                                          "flight 1: launch 4.0 s, launch end 30.9 s (estimated), landing 639.0 s, "
                                          "duration 10:35, ground 0.0 m, start height 204.9 m (204.9 m), penalty 115, "
                                          "highest 260.9 m at 300.0 s, climbs 1\n"));
}

TEST(FlightsCommand, jsonKeepsTheDataSetsUnitAndGivesNullWhereTheLabelNamesNone)
{
    QTemporaryDir dir;
    const QString feet = writeFeetFlight(dir);
    const QString headerless = dir.filePath(QStringLiteral("headerless.csv"));
    test::writeFile(headerless, "0, 5\r\n1, 5\r\n2, 5\r\n");
    const CliRun r = runCli({QStringLiteral("flights"), feet, headerless, QStringLiteral("--json")});
    ASSERT_EQ(r.code, cli::kOk) << r.err.toStdString();
    const QJsonArray sets = parseArray(r.out);
    ASSERT_EQ(sets.size(), 2);

    const QJsonObject first = sets[0].toObject();
    EXPECT_EQ(first.value(QStringLiteral("file")).toString(), feet);
    EXPECT_EQ(first.value(QStringLiteral("dataSet")).toString(), QStringLiteral("Data000"));
    EXPECT_EQ(first.value(QStringLiteral("unit")).toString(), QStringLiteral("feet"));
    const QJsonArray flights = first.value(QStringLiteral("flights")).toArray();
    ASSERT_EQ(flights.size(), 1);
    const QJsonObject f = flights[0].toObject();
    for (const char* key : {"launch", "launchEnd", "landing", "duration", "groundAltitude", "startHeight",
                            "startHeightMeters", "f5jPenalty", "maxAltitude", "maxAltitudeTime"})
        EXPECT_TRUE(f.value(QLatin1String(key)).isDouble()) << key;
    EXPECT_NEAR(f.value(QStringLiteral("launch")).toDouble(), 30, 1);
    EXPECT_NEAR(f.value(QStringLiteral("startHeightMeters")).toDouble(), 204.6, 1.5);
    EXPECT_NEAR(f.value(QStringLiteral("startHeight")).toDouble(),
                f.value(QStringLiteral("startHeightMeters")).toDouble() / 0.3048, 0.5);
    const QJsonArray climbs = f.value(QStringLiteral("climbs")).toArray();
    ASSERT_EQ(climbs.size(), 1);
    EXPECT_NEAR(climbs[0].toObject().value(QStringLiteral("gain")).toDouble(), 90 / 0.3048, 0.25 * 90 / 0.3048);

    const QJsonObject second = sets[1].toObject();
    EXPECT_TRUE(second.value(QStringLiteral("unit")).isNull());
    EXPECT_TRUE(second.value(QStringLiteral("flights")).toArray().isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral("meters assumed"))) << r.err.toStdString();
}

TEST(FlightsCommand, launchEndAndWindowChangeTheFirstFlightsStartHeight)
{
    const CliRun r = runCli({QStringLiteral("flights"), kExample, QStringLiteral("--launch-end"), QStringLiteral("33"),
                             QStringLiteral("--window"), QStringLiteral("0"), QStringLiteral("--json")});
    ASSERT_EQ(r.code, cli::kOk) << r.err.toStdString();
    const QJsonObject f = parseArray(r.out)[0].toObject().value(QStringLiteral("flights")).toArray()[0].toObject();
    EXPECT_EQ(f.value(QStringLiteral("launchEnd")).toDouble(), 33);
    EXPECT_EQ(f.value(QStringLiteral("startHeight")).toDouble(), 204.1);
    EXPECT_EQ(f.value(QStringLiteral("f5jPenalty")).toDouble(), 112);

    const CliRun text =
        runCli({QStringLiteral("flights"), kExample, QStringLiteral("--launch-end"), QStringLiteral("33")});
    EXPECT_TRUE(text.out.contains(QStringLiteral("launch end 33.0 s (set)"))) << text.out.toStdString();
}

TEST(FlightsCommand, exitStatusSaysWhetherFilesLoadedAndArgumentsParsed)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.csv"));
    const CliRun unreadable = runCli({QStringLiteral("flights"), kExample, missing});
    EXPECT_EQ(unreadable.code, cli::kFailed);
    EXPECT_TRUE(unreadable.err.contains(missing));
    EXPECT_TRUE(unreadable.out.isEmpty());

    const QList<QStringList> usage = {
        {QStringLiteral("flights")},
        {QStringLiteral("flights"), kExample, QStringLiteral("--window"), QStringLiteral("ten")},
        {QStringLiteral("flights"), kExample, QStringLiteral("--window"), QStringLiteral("-1")},
        {QStringLiteral("flights"), kExample, QStringLiteral("--window"), QStringLiteral("10s")},
        {QStringLiteral("flights"), kExample, QStringLiteral("--launch-end"), QStringLiteral("nan")},
        {QStringLiteral("flights"), kExample, QStringLiteral("--launch-end"), QStringLiteral("1e999")},
        {QStringLiteral("flights"), kExample, QStringLiteral("--bogus")},
    };
    for (const QStringList& arguments : usage)
        EXPECT_EQ(runCli(arguments).code, cli::kUsage) << arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(runCli({QStringLiteral("flights"), QStringLiteral("--help")}).code, cli::kOk);
}
