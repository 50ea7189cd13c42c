// Each data set keeps the unit it was recorded in: read from its block's label, written with a label naming it,
// and converted only where the plot's axis shows another unit.

#include "SampleData.h"
#include "data/AltitudeAxis.h"
#include "data/AutoScale.h"
#include "data/DataFile.h"
#include "data/PhotoList.h"

#include <gtest/gtest.h>

using namespace vimo;

namespace {

DataSet& addSetIn(Plot& plot, AltitudeUnit unit, const QString& label, double top)
{
    DataSet& set = test::addDataSet(plot, {{0, 0}, {10, top}, {20, 0}});
    set.unit = unit;
    set.altitudeLabel = label;
    return set;
}

} // namespace

TEST(AltitudeUnits, mixedPlotFile_readsEachBlocksUnit_andIsWrittenBackByteForByte)
{
    Plot plot;
    plot.yLabel = QStringLiteral("Altitude (meters)"); // as a metres plot file left it
    addSetIn(plot, AltitudeUnit::Feet, QStringLiteral("Altitude (feet)"), 1000);
    addSetIn(plot, AltitudeUnit::Meters, QStringLiteral("Altitude (meters)"), 300);
    addSetIn(plot, AltitudeUnit::Unknown, QStringLiteral("Height AGL"), 50);
    const QByteArray written = datafile::plotFileBytes(plot);
    // The axis shows the first set's feet; each block names its own unit, the unknown one keeps its label.
    EXPECT_TRUE(written.startsWith("Vimo Plot\r\n#Altitude versus Time\r\n#Time (sec)\r\n#Altitude (feet)\r\n"));
    EXPECT_TRUE(written.contains("#Data001\r\n#Time (sec)\r\n#Altitude (meters)\r\n"));
    EXPECT_TRUE(written.contains("#Data002\r\n#Time (sec)\r\n#Height AGL\r\n"));

    Plot read;
    ASSERT_EQ(datafile::readDataFile(written, read), 3);
    EXPECT_EQ(read.signals.at(0).unit, AltitudeUnit::Feet);
    EXPECT_EQ(read.signals.at(1).unit, AltitudeUnit::Meters);
    EXPECT_EQ(read.signals.at(2).unit, AltitudeUnit::Unknown);
    EXPECT_EQ(read.signals.at(1).altitude.series.altitude(1), 300) << "the samples are never converted";
    EXPECT_EQ(datafile::plotFileBytes(read), written);
}

TEST(AltitudeUnits, blocksNameTheirOwnUnit_andInOneUnitKeepThePlotsLabelAsBefore)
{
    Plot plot; // the default label "Altitude (Feet)"
    addSetIn(plot, AltitudeUnit::Feet, QStringLiteral("Altitude (feet)"), 1000);
    addSetIn(plot, AltitudeUnit::Unknown, QString(), 10); // nobody said: it takes the axis label, as before
    EXPECT_EQ(datafile::plotFileBytes(plot).count("#Altitude (Feet)\r\n"), 3);

    DataSet& metres = addSetIn(plot, AltitudeUnit::Meters, QStringLiteral("Altitude (metres)"), 300);
    metres.trigger.series.append(10, 300);
    EXPECT_TRUE(datafile::dataSetFileBytes(plot, 2).contains("\r\n#Altitude (metres)\r\n"));
    EXPECT_TRUE(photoListBytes(plot, 2).contains("\r\n#Altitude (metres)\r\n"));
}

TEST(AltitudeAxis, asRecordedIsTheFirstKnownUnit_andALabelNamingNoUnitIsKept)
{
    Plot plot;
    plot.signals.createDataSet(); // the start-up ramp knows no unit
    addSetIn(plot, AltitudeUnit::Meters, QStringLiteral("Altitude (meters)"), 100);
    addSetIn(plot, AltitudeUnit::Feet, QStringLiteral("Altitude (feet)"), 1000);
    EXPECT_DOUBLE_EQ(toAxisFactor(plot, plot.signals.at(2)), 0.3048);
    plot.yLabel = QStringLiteral("Height");
    EXPECT_EQ(axisLabel(plot), QStringLiteral("Height"));
    plot.altitudeAxis = AltitudeAxisChoice::Feet;
    EXPECT_EQ(toAxisFactor(plot, plot.signals.at(2)), 1.0);
}

TEST(AltitudeAxis, aPlotOfOneUnit_keepsThePlotsLabelOnTheAxis_whileItsBlocksNameTheirUnit)
{
    Plot plot; // a fresh plot under the default "Altitude (Feet)", then a metres data set file loaded into it
    addSetIn(plot, AltitudeUnit::Meters, QStringLiteral("Altitude (meters)"), 300);
    EXPECT_EQ(axisLabel(plot), QStringLiteral("Altitude (Feet)")) << "drawn and saved as a plot of one unit was";
    EXPECT_EQ(toAxisFactor(plot, plot.signals.at(0)), 1.0);
    const QByteArray written = datafile::plotFileBytes(plot);
    EXPECT_TRUE(written.startsWith("Vimo Plot\r\n#Altitude versus Time\r\n#Time (sec)\r\n#Altitude (Feet)\r\n"));
    EXPECT_TRUE(written.contains("#Data000\r\n#Time (sec)\r\n#Altitude (meters)\r\n")) << "the flight keeps its unit";
    // Its range is in the metres it was drawn in, whatever the label says: read back, it is not converted, and a
    // second save gives the same bytes.
    Plot again;
    datafile::readDataFile(written, again);
    EXPECT_EQ(again.yMax, plot.yMax);
    EXPECT_EQ(datafile::plotFileBytes(again), written);

    addSetIn(plot, AltitudeUnit::Feet, QStringLiteral("Altitude (feet)"), 1000); // now mixed: the axis says metres
    EXPECT_EQ(axisLabel(plot), unitLabel(AltitudeUnit::Meters));
}

TEST(AltitudeAxis, autoScaleAndAPlotFilesRange_areInTheAxisUnit)
{
    Plot plot;
    addSetIn(plot, AltitudeUnit::Meters, QStringLiteral("Altitude (meters)"), 100);
    addSetIn(plot, AltitudeUnit::Feet, QStringLiteral("Altitude (feet)"), 1000); // 304.8 m
    autoScaleAltitude(plot);
    EXPECT_EQ(plot.yMax, 400);

    Plot feetFile;
    feetFile.yLabel = QStringLiteral("Altitude (feet)");
    feetFile.setRange({0, 700, 0, 1000});
    addSetIn(feetFile, AltitudeUnit::Feet, QStringLiteral("Altitude (feet)"), 900);
    datafile::readDataFile(datafile::plotFileBytes(feetFile), plot);
    EXPECT_DOUBLE_EQ(plot.yMax, 304.8) << "the header's feet, shown on the metres axis";
}
