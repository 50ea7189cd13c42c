#include "imaging/BmpWriter.h"

#include <QIODevice>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace vimo::imaging {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

void put16(std::vector<uchar>& b, std::uint16_t v)
{
    b.push_back(uchar(v));
    b.push_back(uchar(v >> 8));
}

void put32(std::vector<uchar>& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(uchar(v >> (8 * i)));
}

bool writeAll(QIODevice& out, const uchar* data, qint64 size, QString& error)
{
    if (out.write(reinterpret_cast<const char*>(data), size) == size)
        return true;
    error = out.errorString();
    return false;
}

} // namespace

bool writeBmp(const QImage& image, QIODevice& out, QString& error)
{
    if (image.isNull()) {
        error = QStringLiteral("there is no picture to write");
        return false;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const auto width = std::uint64_t(rgb.width());
    const auto height = std::uint64_t(rgb.height());
    const std::uint64_t rowSize = (width * 3 + 3) / 4 * 4;
    const std::uint64_t pixelBytes = rowSize * height;
    if (pixelBytes + kFileHeaderSize + kInfoHeaderSize > 0xFFFFFFFFu) {
        error = QStringLiteral("the picture is too large for a BMP file");
        return false;
    }

    std::vector<uchar> header;
    header.reserve(kFileHeaderSize + kInfoHeaderSize);
    header.push_back('B');
    header.push_back('M');
    put32(header, std::uint32_t(kFileHeaderSize + kInfoHeaderSize + pixelBytes));
    put32(header, 0); // reserved
    put32(header, kFileHeaderSize + kInfoHeaderSize);
    put32(header, kInfoHeaderSize);
    put32(header, std::uint32_t(width));
    put32(header, std::uint32_t(height)); // positive: rows run bottom-up
    put16(header, 1);                     // planes
    put16(header, 24);                    // bits a pixel
    put32(header, 0);                     // no compression
    put32(header, std::uint32_t(pixelBytes));
    put32(header, std::uint32_t(rgb.dotsPerMeterX()));
    put32(header, std::uint32_t(rgb.dotsPerMeterY()));
    put32(header, 0); // colours used: none, no palette
    put32(header, 0); // important colours
    if (!writeAll(out, header.data(), qint64(header.size()), error))
        return false;

    std::vector<uchar> row(rowSize, 0);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const uchar* source = rgb.constScanLine(y);
        for (std::uint64_t x = 0; x < width; ++x) { // BMP keeps blue, green, red
            row[3 * x] = source[3 * x + 2];
            row[3 * x + 1] = source[3 * x + 1];
            row[3 * x + 2] = source[3 * x];
        }
        if (!writeAll(out, row.data(), qint64(rowSize), error))
            return false;
    }
    return true;
}

} // namespace vimo::imaging
