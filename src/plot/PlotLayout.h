#pragma once

#include "plot/PrintSettings.h"

#include <QRect>
#include <algorithm>
#include <cmath>

namespace vimo {

struct Plot;

// Where the legend of a rendering lies: its box and its rows, one per data set in the plot's order, each rowHeight
// high from rowsTop on. All empty when no legend was drawn.
struct LegendLayout {
    QRect box;
    int rowsTop = 0;
    int rowHeight = 0;
    int rows = 0;

    friend bool operator==(const LegendLayout&, const LegendLayout&) = default;
};

// The device-pixel layout of one rendering. The data area is plotLeft..plotRight x plotTop..plotBottom; every
// rendering returns its layout, and the mouse navigation maps positions with the latest one.
struct PlotLayout {
    int pageLeft = 0;
    int pageTop = 0;
    int pageRight = 0;
    int pageBottom = 0;
    int yLabelLeft = 0;
    int titleTop = 0;
    int plotLeft = 0;
    int plotTop = 0;
    int plotRight = 0;
    int plotBottom = 0;
    int xLabelTop = 0;

    // Page width and height in device pixels (W and H of the layout rules).
    int pageWidth = 0;
    int pageHeight = 0;

    LegendLayout legend; // when the rendering drew one

    int plotWidth() const { return plotRight - plotLeft; }
    int plotHeight() const { return plotBottom - plotTop; }

    // Where a time right of the visible range is pinned: far right of the data area, never inside it.
    int rightPin() const;

    friend bool operator==(const PlotLayout&, const PlotLayout&) = default;
};

// The layout of a page of page.widthInches x page.heightInches placed at page.leftInches, page.topInches on a
// surface of ppiX x ppiY pixels per inch. Sizes too large for the surface's integers saturate instead of wrapping.
// With `climbAxis` the data area ends a tenth of the page's width further left, leaving room for the climb-rate
// axis on its right; everything else stays where it is.
PlotLayout computePlotLayout(int ppiX, int ppiY, const PrintSettings& page, bool climbAxis = false);

// Maps values of the visible range to offsets inside the data area. Build one per rendering; the scales are
// computed once. Every result is a finite pixel, whatever the range (empty, reversed, huge) or the value.
class PixelMapper {
public:
    PixelMapper(const Plot& plot, const PlotLayout& layout);

    // The visible range the mapper was built for.
    double xMin() const { return m_xMin; }
    double xMax() const { return m_xMax; }
    double yMin() const { return m_yMin; }
    double yMax() const { return m_yMax; }

    // Whether time t lies within the visible time range, ends included: only then is it drawn where it is rather
    // than pinned to an edge.
    bool timeInView(double t) const { return t >= m_xMin && t <= m_xMax; }

    // x offset inside the data area: -1 left of the range, rightPin() right of it, else trunc((t - xMin) * q).
    int timeToPixel(double t) const
    {
        if (t < m_xMin)
            return -1;
        if (t > m_xMax)
            return m_rightPin;
        return truncInto((t - m_xMin) * m_xScale, -1, m_rightPin, -1);
    }

    // y offset inside the data area: h below the range, 0 above it, else h - trunc((a - yMin) * q) - 1 within 0..h.
    int altitudeToPixel(double a) const
    {
        if (a < m_yMin)
            return m_height;
        if (a > m_yMax)
            return 0;
        const double offset = (a - m_yMin) * m_yScale; // 0 or more: a is not below yMin
        if (std::isnan(offset))
            return m_height;
        if (!(offset < m_height))
            return 0; // h - trunc(offset) - 1 would be -1 or less
        return std::max(m_height - int(offset) - 1, 0);
    }

private:
    // trunc(v) limited to lo..hi; a value that is not a number goes to `nanValue`.
    static int truncInto(double v, int lo, int hi, int nanValue)
    {
        if (std::isnan(v))
            return nanValue;
        if (v <= lo)
            return lo;
        if (v >= hi)
            return hi;
        return int(v); // truncates toward zero
    }

    double m_xMin, m_xMax, m_yMin, m_yMax;
    double m_xScale, m_yScale; // 0 for an empty range
    int m_height, m_rightPin;
};

int timeToPixel(const Plot& plot, const PlotLayout& layout, double t);
int altitudeToPixel(const Plot& plot, const PlotLayout& layout, double a);

} // namespace vimo
