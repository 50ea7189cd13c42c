#include "RenderFixture.h"

#include "plot/PlotExport.h"
#include "support/TestFiles.h"
#include "support/WriteLimit.h"

#include <QFileInfo>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <system_error>

namespace vimo {
namespace {

class Export : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Plot plot;
    PrintSettings settings; // 7 x 3.5 inches, black and white

    Export()
    {
        DataSet& set = plot.signals.createDataSet();
        set.altitude.series.setTag(12, 1);
        set.addRateMark(3, 9);
        plot.info1 = QStringLiteral("Field 3, calm");
        settings.inColor = true;
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    QImage exportAndRead(const QString& name)
    {
        const ExportResult r = exportPlot(plot, settings, path(name), *exportFormatOf(name));
        EXPECT_TRUE(r.ok) << r.message.toStdString();
        QImageReader reader(path(name));
        const QImage image = reader.read();
        EXPECT_FALSE(image.isNull()) << reader.errorString().toStdString();
        return image.convertToFormat(QImage::Format_RGB32);
    }

    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot);
    }
};

TEST_F(Export, defaultSizeGives700x350Pixels_and2555InchesGive255)
{
    EXPECT_EQ(exportAndRead(QStringLiteral("plot.bmp")).size(), QSize(700, 350));
    settings.widthInches = 2.555;
    EXPECT_EQ(exportAndRead(QStringLiteral("narrow.bmp")).size(), QSize(255, 350));
}

TEST_F(Export, bitmapFormats_decodeToTheRenderedBitmap)
{
    const QImage rendered = renderExportBitmap(plot, settings).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(exportAndRead(QStringLiteral("plot.bmp")), rendered);
    EXPECT_EQ(exportAndRead(QStringLiteral("plot.png")), rendered);

    // GIF: the plot's colours come back exact; only rare shades of antialiased text may be approximated.
    const QImage gif = exportAndRead(QStringLiteral("plot.gif"));
    ASSERT_EQ(gif.size(), rendered.size());
    const int differing = test::differingPixels(gif, rendered);
    EXPECT_LT(differing, rendered.width() * rendered.height() / 100);
    std::set<QRgb> plotColours = {0xFFFFFF, 0x808080, 0x000000, 0x0000FF, 0xFF0000};
    for (int y = 0; y < gif.height(); ++y) {
        for (int x = 0; x < gif.width(); ++x) {
            if (plotColours.count(rendered.pixel(x, y) & 0xFFFFFF)) {
                ASSERT_EQ(gif.pixel(x, y), rendered.pixel(x, y)) << x << "," << y;
            }
        }
    }

    const QImage jpeg = exportAndRead(QStringLiteral("plot.JPG"));
    ASSERT_EQ(jpeg.size(), rendered.size());
    double error = 0;
    for (int y = 0; y < jpeg.height(); ++y)
        for (int x = 0; x < jpeg.width(); ++x)
            error += std::abs(qGray(jpeg.pixel(x, y)) - qGray(rendered.pixel(x, y)));
    EXPECT_LT(error / (jpeg.width() * jpeg.height()), 4.0);
}

TEST_F(Export, withTheBackgroundPicture_aGifStillKeepsThePlotColoursExact)
{
    plot.showBackground = true;
    const QImage rendered = renderExportBitmap(plot, settings).convertToFormat(QImage::Format_RGB32);
    const QImage gif = exportAndRead(QStringLiteral("sky.gif"));
    EXPECT_LT(test::differingPixels(gif, rendered), rendered.width() * rendered.height() / 50);
}

TEST_F(Export, pdf_isOneVectorPageOfThePlotsSize)
{
    const ExportResult r = exportPlot(plot, settings, path(QStringLiteral("plot.pdf")), ExportFormat::Pdf);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    QFile file(path(QStringLiteral("plot.pdf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[0 0 504(\\.0+)? 252(\\.0+)?\\]"));
    EXPECT_TRUE(mediaBox.match(QString::fromLatin1(bytes)).hasMatch()) << "7 x 3.5 inches in points";
    EXPECT_FALSE(bytes.contains("/Subtype /Image")) << "drawn as vectors, not as a bitmap";
    EXPECT_EQ(entries(), QStringList{QStringLiteral("plot.pdf")}) << "no temporary file left";
}

TEST_F(Export, isNeverOffset_whateverThePageOffsetsHold)
{
    settings.leftInches = 0.5;
    settings.topInches = 0.5;
    const ExportResult r = exportPlot(plot, settings, path(QStringLiteral("plot.png")), ExportFormat::Png);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.layout.pageLeft, 0);
    EXPECT_EQ(r.layout.pageTop, 0);
    EXPECT_EQ(r.layout.plotLeft, 35 + 70);
}

TEST_F(Export, sizesThatAreNotPositiveOrTooLarge_areRefusedAndWriteNothing)
{
    test::writeFile(path(QStringLiteral("old.bmp")), "old picture");
    const double refused[][2] = {{0, 3.5}, {7, -1}, {0.009, 3.5}, {200.01, 3.5}, {7, 1e300}, {std::nan(""), 3.5}};
    for (const auto& [w, h] : refused) {
        settings.widthInches = w;
        settings.heightInches = h;
        for (const auto format : {ExportFormat::Bmp, ExportFormat::Pdf}) {
            const ExportResult r = exportPlot(plot, settings, path(QStringLiteral("old.bmp")), format);
            EXPECT_FALSE(r.ok) << w << " x " << h;
            EXPECT_TRUE(r.message.startsWith(QStringLiteral("The plot cannot be exported at ")))
                << r.message.toStdString();
        }
    }
    EXPECT_EQ(test::readFile(path(QStringLiteral("old.bmp"))), QByteArray("old picture"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("old.bmp")});
    EXPECT_FALSE(exportSizeProblem(200, 200).has_value()) << "20000 pixels a side is still allowed";
}

TEST_F(Export, aTargetThatCannotBeWritten_saysSoAndLeavesNoFile)
{
    QDir(dir.path()).mkdir(QStringLiteral("taken.png")); // a folder stands where the file should go
    for (const auto format : {ExportFormat::Png, ExportFormat::Gif, ExportFormat::Pdf}) {
        const ExportResult r = exportPlot(plot, settings, path(QStringLiteral("taken.png")), format);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.message.startsWith(QStringLiteral("Unable to"))) << r.message.toStdString();
        const ExportResult missing = exportPlot(plot, settings, path(QStringLiteral("no/such/folder/x.png")), format);
        EXPECT_FALSE(missing.ok);
        EXPECT_TRUE(missing.message.contains(QStringLiteral("x.png"))) << missing.message.toStdString();
    }
    EXPECT_EQ(entries(), QStringList{QStringLiteral("taken.png")});
}

#ifdef Q_OS_UNIX
// Every picture type: a write that fails (as on a full disk) is reported with the system's reason, the old file
// stays as it was and no temporary file is left.
TEST_F(Export, aWriteThatFails_keepsTheOldFileAndSaysWhy)
{
    settings.widthInches = 30;
    settings.heightInches = 20;
    for (const auto format :
         {ExportFormat::Bmp, ExportFormat::Jpeg, ExportFormat::Gif, ExportFormat::Png, ExportFormat::Pdf}) {
        test::writeFile(path(QStringLiteral("old.pic")), "old picture");
        ExportResult r;
        {
            test::WriteLimit limit(512);
            r = exportPlot(plot, settings, path(QStringLiteral("old.pic")), format);
        }
        EXPECT_FALSE(r.ok) << int(format);
        EXPECT_TRUE(r.message.startsWith(QStringLiteral("Unable to write "))) << r.message.toStdString();
        if (format != ExportFormat::Pdf) { // the PDF page itself may not be made beyond the limit
            EXPECT_TRUE(r.message.endsWith(QStringLiteral(": ")
                                           + QString::fromStdString(std::system_category().message(EFBIG))))
                << r.message.toStdString();
        }
        EXPECT_EQ(test::readFile(path(QStringLiteral("old.pic"))), QByteArray("old picture"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("old.pic")});
    }
}

// A PDF gets the permissions of any new file, as the bitmaps do.
TEST_F(Export, pdfGetsTheSameFileModeAsTheOtherTypes)
{
    const mode_t mask = ::umask(022);
    for (const QString& name : {QStringLiteral("a.pdf"), QStringLiteral("a.png")})
        ASSERT_TRUE(exportPlot(plot, settings, path(name), *exportFormatOf(name)).ok);
    ::umask(mask);
    EXPECT_EQ(QFileInfo(path(QStringLiteral("a.pdf"))).permissions(),
              QFileInfo(path(QStringLiteral("a.png"))).permissions());
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("a.pdf"))).permissions() & QFile::ReadOther);
}
#endif

TEST_F(Export, formatFollowsTheExtension)
{
    EXPECT_EQ(exportFormatOf(QStringLiteral("a.BMP")), ExportFormat::Bmp);
    EXPECT_EQ(exportFormatOf(QStringLiteral("a.jpeg")), ExportFormat::Jpeg);
    EXPECT_EQ(exportFormatOf(QStringLiteral("dir.gif/a.Gif")), ExportFormat::Gif);
    EXPECT_EQ(exportFormatOf(QStringLiteral("a.tiff")), std::nullopt);
    EXPECT_EQ(exportFormatOf(QStringLiteral("gif")), std::nullopt);
}

} // namespace
} // namespace vimo
