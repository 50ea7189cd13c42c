#include "cli/Cli.h"
#include "data/AutoScale.h"
#include "data/DataFile.h"
#include "data/Plot.h"
#include "plot/PlotExport.h"
#include "support/TestFiles.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTextStream>
#include <cmath>
#include <gtest/gtest.h>

namespace vimo {
namespace {

class RenderCommand : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString output;
    QString errors;

    QString path(const QString& name) const { return dir.filePath(name); }

    int run(QStringList arguments)
    {
        arguments.prepend(QStringLiteral("render"));
        output.clear();
        errors.clear();
        QTextStream out(&output);
        QTextStream err(&errors);
        return cli::run(arguments, out, err);
    }

    // A data set file with a flight of altitudes 0..87 over 0..300 s, and a plot file with a range of its own.
    QString flightFile()
    {
        Plot plot;
        DataSet& set = plot.signals.createDataSet();
        set.altitude.series.clear();
        for (int i = 0; i <= 300; ++i)
            set.altitude.series.append(i, 87.0 * std::sin(i / 95.5));
        set.altitude.series.setTag(150, 1);
        test::writeFile(path(QStringLiteral("flight.csv")), datafile::dataSetFileBytes(plot, 0));
        return path(QStringLiteral("flight.csv"));
    }
    QString plotFile()
    {
        Plot plot;
        plot.signals.createDataSet();
        plot.title = QStringLiteral("Evening thermals");
        plot.setRange({5, 15, -10, 30});
        test::writeFile(path(QStringLiteral("plot.csv")), datafile::plotFileBytes(plot));
        return path(QStringLiteral("plot.csv"));
    }

    static QImage read(const QString& file)
    {
        QImageReader reader(file);
        return reader.read().convertToFormat(QImage::Format_RGB32);
    }

    // What the window would export after loading the same files.
    static QImage expected(const QStringList& files, bool autoScale, PrintSettings settings = {},
                           AltitudeAxisChoice axis = AltitudeAxisChoice::AsRecorded)
    {
        Plot plot;
        plot.altitudeAxis = axis;
        for (const QString& file : files)
            datafile::readDataFile(test::readFile(file), plot);
        if (autoScale) {
            autoScaleTime(plot);
            autoScaleAltitude(plot);
        }
        settings.inColor = true;
        return renderExportBitmap(plot, settings).convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(RenderCommand, writesEveryFormatByItsExtension)
{
    const QString flight = flightFile();
    for (const QString name : {"p.bmp", "p.jpg", "p.gif", "p.png"}) {
        ASSERT_EQ(run({flight, QStringLiteral("--out"), path(name)}), 0) << errors.toStdString();
        EXPECT_EQ(read(path(name)).size(), QSize(700, 350)) << name.toStdString();
    }
    ASSERT_EQ(run({flight, QStringLiteral("--out"), path(QStringLiteral("p.pdf"))}), 0) << errors.toStdString();
    EXPECT_TRUE(test::readFile(path(QStringLiteral("p.pdf"))).startsWith("%PDF-"));
}

TEST_F(RenderCommand, dataSetFilesAlone_areScaledToFillThePicture_aPlotFileGivesItsRange)
{
    const QString flight = flightFile();
    ASSERT_EQ(run({flight, QStringLiteral("--out"), path(QStringLiteral("a.png"))}), 0) << errors.toStdString();
    EXPECT_EQ(read(path(QStringLiteral("a.png"))), expected({flight}, true));

    const QString plot = plotFile();
    ASSERT_EQ(run({plot, flight, QStringLiteral("--out"), path(QStringLiteral("b.png"))}), 0);
    EXPECT_EQ(read(path(QStringLiteral("b.png"))), expected({plot, flight}, false));
}

TEST_F(RenderCommand, unitOption_drawsTheAltitudeAxisInTheUnitAskedFor)
{
    const QString flight = flightFile(); // in feet
    ASSERT_EQ(run({flight, QStringLiteral("--out"), path(QStringLiteral("m.png")), QStringLiteral("--unit"),
                   QStringLiteral("m")}),
              0)
        << errors.toStdString();
    const QImage metres = read(path(QStringLiteral("m.png")));
    EXPECT_EQ(metres, expected({flight}, true, {}, AltitudeAxisChoice::Meters));
    EXPECT_NE(metres, expected({flight}, true));
    EXPECT_EQ(run({flight, QStringLiteral("--out"), path(QStringLiteral("y.png")), QStringLiteral("--unit"),
                   QStringLiteral("yd")}),
              2);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("y.png"))));
}

TEST_F(RenderCommand, sizeAndMonoOptions_shapeThePicture)
{
    const QString flight = flightFile();
    ASSERT_EQ(run({flight, QStringLiteral("--out"), path(QStringLiteral("s.bmp")), QStringLiteral("--width"),
                   QStringLiteral("2.555"), QStringLiteral("--height"), QStringLiteral("2"), QStringLiteral("--mono")}),
              0)
        << errors.toStdString();
    const QImage image = read(path(QStringLiteral("s.bmp")));
    EXPECT_EQ(image.size(), QSize(255, 200));
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0u) << "black page border of black and white";
}

TEST_F(RenderCommand, badUseAndFailures_giveTheirExitCodeAndReason)
{
    const QString flight = flightFile();
    EXPECT_EQ(run({flight}), 2);
    EXPECT_EQ(run({QStringLiteral("--out"), path(QStringLiteral("x.png"))}), 2);
    EXPECT_EQ(run({flight, QStringLiteral("--out"), path(QStringLiteral("x.tiff"))}), 2);
    EXPECT_TRUE(errors.contains(QStringLiteral("unknown picture type"))) << errors.toStdString();
    EXPECT_EQ(run({flight, QStringLiteral("--out"), path(QStringLiteral("x.png")), QStringLiteral("--width"),
                   QStringLiteral("wide")}),
              2);
    EXPECT_EQ(run({flight, QStringLiteral("--out"), path(QStringLiteral("x.png")), QStringLiteral("--bogus")}), 2);
    // Numbers are read whole: "7x" and a decimal comma are no widths; an empty picture name is no picture.
    for (const QString& width : {QStringLiteral("7x"), QStringLiteral("7,5")})
        EXPECT_EQ(
            run({flight, QStringLiteral("--out"), path(QStringLiteral("x.png")), QStringLiteral("--width"), width}), 2);
    EXPECT_EQ(run({flight, QStringLiteral("--out"), QString()}), 2);

    EXPECT_EQ(run({flight, QStringLiteral("--out"), path(QStringLiteral("x.png")), QStringLiteral("--width"),
                   QStringLiteral("0")}),
              2);
    EXPECT_TRUE(errors.contains(QStringLiteral("cannot be exported"))) << errors.toStdString();
    EXPECT_EQ(
        run({flight, path(QStringLiteral("missing.csv")), QStringLiteral("--out"), path(QStringLiteral("x.png"))}), 1);
    EXPECT_TRUE(errors.contains(path(QStringLiteral("missing.csv")))) << "names the file: " << errors.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("x.png"))));
}

} // namespace
} // namespace vimo
