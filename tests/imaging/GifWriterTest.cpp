#include "imaging/GifWriter.h"
#include "TestImages.h"
#include "imaging/ColourQuantiser.h"

#include <QBuffer>
#include <cstring>
#include <gtest/gtest.h>

#include <gif_lib.h>

namespace vimo {
namespace {

// giflib's own reader over a byte array.
struct GifReader {
    QByteArray bytes;
    qsizetype position = 0;
    GifFileType* gif = nullptr;
    int error = 0;

    static int read(GifFileType* gif, GifByteType* into, int size)
    {
        auto* self = static_cast<GifReader*>(gif->UserData);
        const int n = int(std::min<qsizetype>(size, self->bytes.size() - self->position));
        std::memcpy(into, self->bytes.constData() + self->position, std::size_t(n));
        self->position += n;
        return n;
    }

    explicit GifReader(QByteArray data) : bytes(std::move(data))
    {
        gif = DGifOpen(this, &GifReader::read, &error);
        if (gif && DGifSlurp(gif) != GIF_OK)
            error = gif->Error;
    }
    ~GifReader()
    {
        if (gif)
            DGifCloseFile(gif, &error);
    }

    QImage image() const
    {
        const SavedImage& s = gif->SavedImages[0];
        const ColorMapObject* map = s.ImageDesc.ColorMap ? s.ImageDesc.ColorMap : gif->SColorMap;
        QImage out(s.ImageDesc.Width, s.ImageDesc.Height, QImage::Format_RGB32);
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x) {
                const GifColorType c = map->Colors[s.RasterBits[y * out.width() + x]];
                out.setPixel(x, y, qRgb(c.Red, c.Green, c.Blue));
            }
        return out;
    }
};

QByteArray gifOf(const QImage& picture)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    EXPECT_TRUE(imaging::writeGif(picture, buffer, error)) << error.toStdString();
    return buffer.data();
}

TEST(GifWriter, aPictureOfFewColours_becomesOneGif89aImageWithExactlyItsColours)
{
    const QImage picture = test::fewColourPicture();
    const QByteArray bytes = gifOf(picture);
    EXPECT_EQ(bytes.left(6), QByteArray("GIF89a"));
    const GifReader reader(bytes);
    ASSERT_NE(reader.gif, nullptr);
    ASSERT_EQ(reader.error, 0);
    ASSERT_EQ(reader.gif->ImageCount, 1);
    const GifImageDesc& desc = reader.gif->SavedImages[0].ImageDesc;
    EXPECT_EQ(desc.Left, 0);
    EXPECT_EQ(desc.Top, 0);
    EXPECT_EQ(desc.Width, picture.width());
    EXPECT_EQ(desc.Height, picture.height());
    EXPECT_FALSE(desc.Interlace);
    ASSERT_NE(reader.gif->SColorMap, nullptr);
    EXPECT_LE(reader.gif->SColorMap->ColorCount, 256);
    EXPECT_EQ(reader.image(), picture.convertToFormat(QImage::Format_RGB32));
}

TEST(GifWriter, aPictureOfManyColours_keepsItsFlatAreasExactAndStaysClose)
{
    const QImage picture = test::manyColourPicture();
    ASSERT_GT(test::distinctColours(picture), 256);
    const GifReader reader(gifOf(picture));
    ASSERT_NE(reader.gif, nullptr);
    ASSERT_EQ(reader.error, 0);
    EXPECT_LE(reader.gif->SColorMap->ColorCount, 256);
    const QImage decoded = reader.image();
    // The flat parts above and below the gradient band, lines included, come back without any dither noise.
    for (const QRect flat : {QRect(0, 0, 300, 40), QRect(0, 80, 300, 40)})
        for (int y = flat.top(); y <= flat.bottom(); ++y)
            for (int x = flat.left(); x <= flat.right(); ++x)
                ASSERT_EQ(decoded.pixel(x, y), picture.pixel(x, y) | 0xFF000000u) << x << "," << y;
    // The gradient is approximated: on average each channel stays within a few levels.
    double error = 0;
    for (int y = 40; y < 80; ++y)
        for (int x = 0; x < 300; ++x) {
            const QRgb a = decoded.pixel(x, y);
            const QRgb b = picture.pixel(x, y);
            error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    EXPECT_LT(error / (3 * 40 * 300), 12.0);
}

TEST(ColourQuantiser, isDeterministicAndNeverExceeds256Entries)
{
    const QImage picture = test::manyColourPicture(200, 90);
    const imaging::IndexedImage a = imaging::quantise(picture);
    const imaging::IndexedImage b = imaging::quantise(picture);
    EXPECT_LE(a.palette.size(), 256u);
    EXPECT_EQ(a.palette, b.palette);
    EXPECT_EQ(a.pixels, b.pixels);
    for (const std::uint8_t index : a.pixels)
        ASSERT_LT(index, a.palette.size());
}

TEST(GifWriter, aFailedWrite_isReportedWithItsReason)
{
    test::FullDevice full(20);
    QString error;
    EXPECT_FALSE(imaging::writeGif(test::manyColourPicture(), full, error));
    EXPECT_EQ(error, QStringLiteral("No space left on device"));
}

} // namespace
} // namespace vimo
