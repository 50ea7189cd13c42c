#pragma once

class QImage;
class QIODevice;
class QString;

namespace vimo::imaging {

// Writes the image as a GIF89a file: one non-interlaced image at 0, 0 covering the logical screen, with a global
// palette built afresh from this picture (exact for pictures of at most 256 colours; see quantise()). On failure
// `error` says what failed and false is returned.
bool writeGif(const QImage& image, QIODevice& out, QString& error);

} // namespace vimo::imaging
