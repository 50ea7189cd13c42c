#pragma once

#include <QRgb>
#include <cstdint>
#include <vector>

class QImage;

namespace vimo::imaging {

// A picture as palette indices: width x height bytes, row by row, and at most 256 colours.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;
    std::vector<std::uint8_t> pixels;

    std::uint8_t at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

// Reduces the picture to at most 256 colours. A picture that has no more keeps every colour exactly. Otherwise the
// most frequent colours (a plot's page, grid, lines and texts, the flat areas of a picture) stay exact and the
// rest is reduced by median cut to the remaining entries, with Floyd-Steinberg error diffusion over the pixels of
// those colours only, so that flat areas never show dither noise. Deterministic for a given picture.
IndexedImage quantise(const QImage& image);

} // namespace vimo::imaging
