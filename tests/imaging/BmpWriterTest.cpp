#include "imaging/BmpWriter.h"
#include "TestImages.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <gtest/gtest.h>

namespace vimo {
namespace {

TEST(BmpWriter, writes24BitRowsThatQtsReaderDecodesToTheSamePixels)
{
    QImage picture = test::fewColourPicture(255, 101); // 255 x 3 bytes a row: padded to 768
    picture.setDotsPerMeterX(3937);
    picture.setDotsPerMeterY(3937);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    ASSERT_TRUE(imaging::writeBmp(picture, buffer, error)) << error.toStdString();
    const QByteArray bytes = buffer.data();

    ASSERT_EQ(bytes.size(), 54 + 768 * 101);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    const auto* raw = reinterpret_cast<const uchar*>(bytes.constData());
    EXPECT_EQ(qFromLittleEndian<quint32>(raw + 2), quint32(bytes.size()));
    EXPECT_EQ(qFromLittleEndian<quint16>(raw + 28), 24) << "bits a pixel";
    EXPECT_EQ(qFromLittleEndian<quint32>(raw + 30), 0u) << "uncompressed";
    EXPECT_EQ(qFromLittleEndian<qint32>(raw + 38), 3937) << "100 pixels per inch";

    QBuffer input;
    input.setData(bytes);
    QImageReader reader(&input, "bmp");
    const QImage decoded = reader.read();
    ASSERT_FALSE(decoded.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(decoded.size(), picture.size());
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), picture);
}

TEST(BmpWriter, aFailedWrite_isReportedWithItsReason)
{
    for (const qint64 capacity : {0, 10, 54, 2000}) {
        test::FullDevice full(capacity);
        QString error;
        EXPECT_FALSE(imaging::writeBmp(test::fewColourPicture(), full, error)) << capacity;
        EXPECT_EQ(error, QStringLiteral("No space left on device"));
    }
}

} // namespace
} // namespace vimo
