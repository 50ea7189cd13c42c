#include "imaging/GifWriter.h"

#include "imaging/ColourQuantiser.h"

#include <QIODevice>
#include <QImage>
#include <QString>

#include <gif_lib.h>

namespace vimo::imaging {
namespace {

constexpr int kLargestSide = 65535; // the format keeps sizes in 16 bits

struct Output {
    QIODevice* device;
    QString failure;
};

int writeToDevice(GifFileType* gif, const GifByteType* data, int size)
{
    auto* output = static_cast<Output*>(gif->UserData);
    const qint64 written = output->device->write(reinterpret_cast<const char*>(data), size);
    if (written != size) {
        if (output->failure.isEmpty())
            output->failure = output->device->errorString();
        return 0;
    }
    return size;
}

// The palette padded to a power of two entries, as the format requires.
ColorMapObject* makeColourMap(const std::vector<QRgb>& palette)
{
    int entries = 2;
    while (entries < int(palette.size()))
        entries *= 2;
    std::vector<GifColorType> colours(std::size_t(entries), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i)
        colours[i] = GifColorType{GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                                  GifByteType(qBlue(palette[i]))};
    return GifMakeMapObject(entries, colours.data());
}

QString failureText(const Output& output, int code)
{
    if (!output.failure.isEmpty())
        return output.failure;
    const char* text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("GIF error %1").arg(code);
}

} // namespace

bool writeGif(const QImage& image, QIODevice& out, QString& error)
{
    if (image.isNull()) {
        error = QStringLiteral("there is no picture to write");
        return false;
    }
    if (image.width() > kLargestSide || image.height() > kLargestSide) {
        error = QStringLiteral("the picture is too large for a GIF file");
        return false;
    }
    const IndexedImage indexed = quantise(image);

    Output output{&out, {}};
    int code = 0;
    GifFileType* gif = EGifOpen(&output, writeToDevice, &code);
    if (!gif) {
        error = failureText(output, code);
        return false;
    }
    EGifSetGifVersion(gif, true); // GIF89a
    ColorMapObject* colourMap = makeColourMap(indexed.palette);
    bool ok = colourMap && EGifPutScreenDesc(gif, indexed.width, indexed.height, 8, 0, colourMap) == GIF_OK
              && EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height; ++y) {
        auto* row = const_cast<GifPixelType*>(indexed.pixels.data() + std::size_t(y) * std::size_t(indexed.width));
        ok = EGifPutLine(gif, row, indexed.width) == GIF_OK;
    }
    if (!ok)
        code = gif->Error;
    int closeCode = 0;
    if (EGifCloseFile(gif, &closeCode) != GIF_OK && ok) {
        ok = false;
        code = closeCode;
    }
    GifFreeMapObject(colourMap);
    if (!ok)
        error = failureText(output, code);
    return ok;
}

} // namespace vimo::imaging
