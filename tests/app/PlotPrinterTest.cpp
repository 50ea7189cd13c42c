#include "app/session/PlotPrinter.h"

#include "data/Plot.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vimo {
namespace {

TEST(PlotPrinter, rendersAtThePrintersResolutionWithThePageOffsets)
{
    QTemporaryDir dir;
    Plot plot;
    plot.signals.createDataSet();
    PrintSettings settings; // 7 x 3.5 inches
    settings.leftInches = 0.5;
    settings.topInches = 0.25;
    settings.inColor = false;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("print.pdf")));
    const PrintResult r = printPlot(printer, plot, settings);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    const int ppi = printer.logicalDpiX();
    EXPECT_EQ(r.layout.pageLeft, ppi / 2);
    EXPECT_EQ(r.layout.pageTop, ppi / 4);
    EXPECT_EQ(r.layout.pageRight - r.layout.pageLeft, 7 * ppi);
    EXPECT_GT(QFile(dir.filePath(QStringLiteral("print.pdf"))).size(), 0);
}

} // namespace
} // namespace vimo
