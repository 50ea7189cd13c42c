#pragma once

class QImage;
class QIODevice;
class QString;

namespace vimo::imaging {

// Writes the image as a Windows BMP file: 24 bits a pixel, uncompressed, rows bottom-up and padded to 4 bytes,
// with the image's resolution. Every write is checked; on failure `error` says what failed and false is returned.
bool writeBmp(const QImage& image, QIODevice& out, QString& error);

} // namespace vimo::imaging
