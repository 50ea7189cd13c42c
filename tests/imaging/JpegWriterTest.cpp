#include "imaging/JpegWriter.h"
#include "TestImages.h"

#include <QBuffer>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

#include <jpeglib.h>

namespace vimo {
namespace {

// What libjpeg's own decompressor finds in a JPEG stream.
struct Decoded {
    bool progressive = true;
    int components = 0;
    J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
    bool fullChromaResolution = false;
    int firstLuminanceQuantiser = 0;
    int density = 0;
    QImage image;
};

Decoded decodeWithLibjpeg(const QByteArray& bytes)
{
    Decoded d;
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors); // a broken stream ends the test program, which fails the test
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()), (unsigned long)bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    d.progressive = jpeg_has_multiple_scans(&cinfo);
    d.components = cinfo.num_components;
    d.colourSpace = cinfo.jpeg_color_space;
    d.fullChromaResolution = true;
    for (int c = 0; c < cinfo.num_components; ++c)
        d.fullChromaResolution &= cinfo.comp_info[c].h_samp_factor == 1 && cinfo.comp_info[c].v_samp_factor == 1;
    d.firstLuminanceQuantiser = cinfo.quant_tbl_ptrs[0] ? cinfo.quant_tbl_ptrs[0]->quantval[0] : 0;
    d.density = cinfo.density_unit == 1 ? cinfo.X_density : 0;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    d.image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = d.image.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return d;
}

double meanChannelError(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

TEST(JpegWriter, writesABaselineColourJpegOfQuality90WithoutChromaSubsampling)
{
    QImage picture = test::manyColourPicture();
    picture.setDotsPerMeterX(3937);
    picture.setDotsPerMeterY(3937);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    ASSERT_TRUE(imaging::writeJpeg(picture, buffer, 90, error)) << error.toStdString();

    const Decoded d = decodeWithLibjpeg(buffer.data());
    EXPECT_FALSE(d.progressive);
    EXPECT_EQ(d.components, 3);
    EXPECT_EQ(d.colourSpace, JCS_YCbCr);
    EXPECT_TRUE(d.fullChromaResolution);
    EXPECT_EQ(d.firstLuminanceQuantiser, 3) << "the standard table scaled to quality 90 (16 x 20 %)";
    EXPECT_EQ(d.density, 100);
    ASSERT_EQ(d.image.size(), picture.size());
    EXPECT_LT(meanChannelError(d.image, picture), 3.0);
}

TEST(JpegWriter, aFailedWrite_isReportedWithItsReason)
{
    test::FullDevice full(100);
    QString error;
    EXPECT_FALSE(imaging::writeJpeg(test::manyColourPicture(1500, 400), full, 90, error));
    EXPECT_EQ(error, QStringLiteral("No space left on device"));
}

} // namespace
} // namespace vimo
