#pragma once

#include "data/Plot.h"
#include "plot/PlotRenderer.h"
#include "support/SyntheticFlight.h"

#include <QImage>
#include <cstdint>

namespace vimo::test {

// A rendering of a plot on a QImage of the page's size at `ppi` pixels per inch in both directions.
struct Rendering {
    QImage image;
    PlotLayout layout;
};

Rendering renderOnImage(const Plot& plot, int ppi, const PrintSettings& page, const RenderOptions& options = {});

// A page of width x height inches at no offset.
PrintSettings pageOf(double widthInches, double heightInches, bool inColor = true);

// Number of pixels that differ between two images of the same size.
int differingPixels(const QImage& a, const QImage& b);

// Number of pixels of `colour` inside `area`.
int countColour(const QImage& image, const QRect& area, QRgb colour);

} // namespace vimo::test
