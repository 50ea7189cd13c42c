#include "imaging/JpegWriter.h"

#include <QIODevice>
#include <QImage>
#include <QString>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

namespace vimo::imaging {
namespace {

// libjpeg reports errors through a call that must not return: it jumps back to writeJpeg with the message.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onError(j_common_ptr cinfo)
{
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr) {} // warnings and traces are not printed

// Hands libjpeg's output to a QIODevice in blocks; a failed write ends the compression with its reason.
struct Destination {
    jpeg_destination_mgr base;
    QIODevice* device;
    QString* writeError;
    JOCTET buffer[64 * 1024];
};

void initDestination(j_compress_ptr cinfo)
{
    auto* d = reinterpret_cast<Destination*>(cinfo->dest);
    d->base.next_output_byte = d->buffer;
    d->base.free_in_buffer = sizeof d->buffer;
}

void writeOrFail(j_compress_ptr cinfo, qint64 size)
{
    auto* d = reinterpret_cast<Destination*>(cinfo->dest);
    if (d->device->write(reinterpret_cast<const char*>(d->buffer), size) != size) {
        *d->writeError = d->device->errorString();
        ERREXIT(cinfo, JERR_FILE_WRITE);
    }
}

boolean emptyOutputBuffer(j_compress_ptr cinfo)
{
    auto* d = reinterpret_cast<Destination*>(cinfo->dest);
    writeOrFail(cinfo, qint64(sizeof d->buffer));
    d->base.next_output_byte = d->buffer;
    d->base.free_in_buffer = sizeof d->buffer;
    return TRUE;
}

void termDestination(j_compress_ptr cinfo)
{
    auto* d = reinterpret_cast<Destination*>(cinfo->dest);
    writeOrFail(cinfo, qint64(sizeof d->buffer - d->base.free_in_buffer));
}

} // namespace

bool writeJpeg(const QImage& image, QIODevice& out, int quality, QString& error)
{
    if (image.isNull()) {
        error = QStringLiteral("there is no picture to write");
        return false;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QString writeError;
    auto destination = std::make_unique<Destination>();
    destination->base.init_destination = initDestination;
    destination->base.empty_output_buffer = emptyOutputBuffer;
    destination->base.term_destination = termDestination;
    destination->device = &out;
    destination->writeError = &writeError;

    jpeg_compress_struct cinfo{};
    ErrorManager errors{};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.output_message = onMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        error = writeError.isEmpty() ? QString::fromLocal8Bit(errors.message) : writeError;
        return false;
    }
    jpeg_create_compress(&cinfo);
    cinfo.dest = &destination->base;
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    for (int c = 0; c < cinfo.num_components; ++c) { // full colour resolution in every component
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    cinfo.density_unit = 1; // dots per inch
    cinfo.X_density = UINT16(std::clamp(qRound(rgb.dotsPerMeterX() * 0.0254), 1, 65535));
    cinfo.Y_density = UINT16(std::clamp(qRound(rgb.dotsPerMeterY() * 0.0254), 1, 65535));
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace vimo::imaging
