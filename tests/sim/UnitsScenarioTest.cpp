// Flights downloaded from a module set to feet beside a flight recorded in metres: each keeps its unit, its heights
// and its penalty through vimo-cli join and flights, whatever the order and however often the plot is saved.

#include "support/CliRun.h"
#include "support/SimFixture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

TEST(UnitsScenario, feetFlightsBesideAMetresFlight_keepTheirHeightsAndPenaltiesThroughJoinAndSave)
{
    SimFixture sim(withShortRestart(simWithSets(5, 1200)));
    sim->withModel([](sim::SimModel& m) { m.config[sim::field::kUnits] = 0; }); // feet
    QTemporaryDir dir;
    const QString thermal = QStringLiteral(VIMO_SOURCE_DIR "/docs/examples/evening-thermal.csv");
    const auto cli = [](const QStringList& arguments) {
        const CliRun r = runCli(arguments);
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out.toUtf8());
    };
    const auto join = [&](const QStringList& files, const QString& name) {
        cli(QStringList{"join"} + files + QStringList{"--out", dir.filePath(name)});
        return dir.filePath(name);
    };
    const auto flights = [&](const QString& file) { return cli({"flights", "--json", file}).array(); };

    cli({"download", "--port", sim.path(), "--set", "all", "--out", dir.path(), "--no-archive"});
    QStringList feet;
    for (const QString& name : QDir(dir.path()).entryList({"Alt_*.csv"}, QDir::Files, QDir::Name))
        feet << dir.filePath(name);
    ASSERT_EQ(feet.size(), 5);
    const QJsonArray alone = cli(QStringList{"flights", "--json"} + feet).array(); // each from its own file
    EXPECT_EQ(alone[0]["unit"], "feet");

    // Each step: the feet flights keep the figures they have alone; the evening thermal is 204.9 m, 115 points.
    const auto expectFigures = [&](const QJsonArray& sets, int firstFeet, int thermalAt) {
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(sets[firstFeet + i]["flights"], alone[i]["flights"]) << "flight " << i;
        EXPECT_EQ(sets[thermalAt]["unit"], "meters");
        EXPECT_EQ(sets[thermalAt]["flights"][0]["startHeight"].toDouble(), 204.9);
        EXPECT_EQ(sets[thermalAt]["flights"][0]["f5jPenalty"].toDouble(), 115);
    };
    const QString plot = join(feet + QStringList{thermal}, "plot.csv"); // the thermal loaded after them
    expectFigures(flights(plot), 0, 5);
    const QString again = join(QStringList{plot} + feet, "again.csv"); // download again, save all
    expectFigures(flights(again), 6, 5);
    expectFigures(flights(join(QStringList{thermal} + feet, "metres-first.csv")), 1, 0);

    // The mixed plot file survives load and save byte for byte, and stats names each data set's unit.
    EXPECT_EQ(readFile(join({again}, "resaved.csv")), readFile(again));
    EXPECT_EQ(cli({"stats", "--json", again})["dataSets"][5]["unit"], "meters");
}
