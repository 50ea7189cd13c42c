#include "app/plotview/FlightsPanel.h"
#include "app/plotview/FlightsTableModel.h"
#include "data/Plot.h"
#include "support/SyntheticFlight.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

// Fills data set `set` with `throws` hand launches, each about a minute long, in metres.
void fillThrows(DataSet& set, int throws, double height = 40)
{
    FlightPathBuilder path(0);
    path.stay(20);
    for (int i = 0; i < throws; ++i)
        path.handLaunch(height).glide(0.6, 40).landAt(0, 0.8).stay(30);
    fillRecording(set, path.sample(0.5, 0.3, 3));
}

struct FlightsTable : ::testing::Test {
    Plot plot;
    std::unique_ptr<FlightsTableModel> model;

    void SetUp() override
    {
        plot.yLabel = QStringLiteral("Altitude (meters)");
        fillThrows(plot.signals.createDataSet(), 2);
        plot.signals.notifyChanged(0);
        model = std::make_unique<FlightsTableModel>(plot);
    }
};

} // namespace

TEST_F(FlightsTable, followsEveryChangeOfTheDataSets)
{
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->index(1, FlightsTableModel::DataSetColumn).data().toString(), QStringLiteral("Data000"));
    EXPECT_EQ(model->index(1, FlightsTableModel::FlightColumn).data().toString(), QStringLiteral("2"));

    DataSet& second = plot.signals.createDataSet(); // the start-up ramp climbs 20 m: a flight ending in the air
    EXPECT_EQ(model->rowCount(), 3);
    fillThrows(second, 3);
    plot.signals.notifyChanged(1); // what a download, a correction, a crop or an undo signals
    EXPECT_EQ(model->rowCount(), 5);
    EXPECT_EQ(model->rowFlight(4).dataSet, 1);

    std::unique_ptr<DataSet> taken = plot.signals.takeDataSet(0); // delete, kept for undo
    EXPECT_EQ(model->rowCount(), 3);
    plot.signals.insertDataSet(0, std::move(taken));
    EXPECT_EQ(model->rowCount(), 5);
    plot.signals.clear();
    EXPECT_EQ(model->rowCount(), 0);
}

TEST_F(FlightsTable, analysesAgainOnlyTheDataSetsWhoseReportNoLongerMatches)
{
    fillThrows(plot.signals.createDataSet(), 3);
    plot.signals.notifyChanged(1);
    DataSet& labelled = plot.signals.createDataSet();
    fillThrows(labelled, 1, 60);
    labelled.altitudeLabel = QStringLiteral("Altitude (feet)"); // as a file names its unit
    labelled.unit = AltitudeUnit::Feet;
    plot.signals.notifyChanged(2);
    const auto analysed = [this, before = model->analysisCount()] { return model->analysisCount() - before; };

    plot.signals.notifyChanged(1);
    EXPECT_EQ(analysed(), 1u) << "an edit of one data set costs its own analysis only";
    plot.signals.rename(0, QStringLiteral("Renamed"));
    EXPECT_EQ(analysed(), 2u);
    EXPECT_EQ(model->index(0, FlightsTableModel::DataSetColumn).data().toString(), QStringLiteral("Renamed"));

    model->setLaunchEnd(1, 0, model->report(1)->flights[0].launch);
    EXPECT_EQ(analysed(), 3u);
    plot.yLabel = QStringLiteral("Altitude (feet)"); // the unit of the data sets that name none
    model->refresh();
    EXPECT_EQ(analysed(), 5u) << "the labelled data set keeps its report";
    model->setWindow(20);
    EXPECT_EQ(analysed(), 8u);

    std::unique_ptr<DataSet> taken = plot.signals.takeDataSet(0); // removal and undo: its report is made afresh
    EXPECT_EQ(analysed(), 8u);
    EXPECT_EQ(model->rowFlight(0).dataSet, 0);
    plot.signals.insertDataSet(0, std::move(taken));
    EXPECT_EQ(analysed(), 9u);
    EXPECT_EQ(model->rowCount(), 6);
}

TEST_F(FlightsTable, aMovedLaunchEndChangesItsFlightsStartHeightOnly)
{
    const QString before = model->index(0, FlightsTableModel::StartHeightColumn).data().toString();
    const QString other = model->index(1, FlightsTableModel::StartHeightColumn).data().toString();
    model->setLaunchEnd(0, 0, model->flightAt(0)->launch); // the window now ends 10 s after the launch itself
    model->setWindow(0);
    EXPECT_NE(model->index(0, FlightsTableModel::StartHeightColumn).data().toString(), before);
    EXPECT_FALSE(model->report(0)->flights[0].launchEndEstimated);
    EXPECT_TRUE(model->report(0)->flights[1].launchEndEstimated);
    model->setWindow(10);
    EXPECT_EQ(model->index(1, FlightsTableModel::StartHeightColumn).data().toString(), other);
    model->clearLaunchEnd(0, 0);
    EXPECT_EQ(model->index(0, FlightsTableModel::StartHeightColumn).data().toString(), before);
}

TEST_F(FlightsTable, panelCopiesAndExportsTheTableAndAChosenRowAsksForItsFlight)
{
    plot.signals.rename(0, QStringLiteral("Field, north"));
    FlightsPanel panel(*model);
    panel.resize(700, 300);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));

    panel.copyTable();
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0],
              QStringLiteral("Data Set\tFlight\tLaunch (s)\tDuration\tStart Height\tPenalty\tHighest\tClimbs"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Field, north\t1\t"))) << lines[1].toStdString();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("flights.csv"));
    ASSERT_TRUE(panel.exportTable(path));
    const QByteArray csv = readFile(path);
    EXPECT_TRUE(csv.startsWith("Data Set,Flight,Launch (s),Duration,Start Height,Penalty,Highest,Climbs\r\n"));
    EXPECT_TRUE(csv.contains("\r\n\"Field, north\",2,")) << csv.toStdString();
    EXPECT_FALSE(panel.exportTable(dir.filePath(QStringLiteral("no/such/folder/flights.csv"))));

    QSignalSpy chosen(&panel, &FlightsPanel::flightChosen);
    panel.table()->selectRow(1);
    ASSERT_EQ(chosen.count(), 1);
    const Flight* second = model->flightAt(1);
    EXPECT_EQ(chosen[0][0].toInt(), 0);
    EXPECT_LT(chosen[0][1].toDouble(), second->launch);
    EXPECT_GT(chosen[0][2].toDouble(), second->launch + second->duration);
}
