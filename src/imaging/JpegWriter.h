#pragma once

class QImage;
class QIODevice;
class QString;

namespace vimo::imaging {

// Writes the image as a baseline (not progressive) colour JPEG of the given quality with no chroma subsampling,
// so that thin coloured lines keep their colour, and with the image's resolution in the JFIF header. On failure
// `error` says what failed and false is returned.
bool writeJpeg(const QImage& image, QIODevice& out, int quality, QString& error);

} // namespace vimo::imaging
