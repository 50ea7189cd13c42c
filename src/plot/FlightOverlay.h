#pragma once

#include <QColor>

class QPainter;

namespace vimo {

class CurveOccupancy;
struct FlightReport;
struct PlotLayout;
class PixelMapper;

// How the flight marks are drawn: in colour or in black and white, at the surface's pixels per inch, with the
// page's colour behind a label that cannot avoid the curves, and where the curves run (null: nowhere known).
struct OverlayStyle {
    bool inColor = true;
    int ppiX = 100;
    QColor paper = Qt::white;
    const CurveOccupancy* curves = nullptr;
};

// Draws the flight marks of one data set over the data area: the start-height window as a light band with its
// highest point marked, and the start height written beside the band where it covers no curve; the launch end as
// a dashed line, the launch and the landing as small triangles on the bottom edge, and the climbs as thin bars just
// above it. A band out of view takes its mark and its label with it. The report's times and altitudes are those of
// the axes (see reportInView). The caller has clipped the painter to the data area. In black and white the band is
// a light grey and the bars black.
void paintFlightOverlay(QPainter& painter, const PlotLayout& layout, const PixelMapper& map, const FlightReport& report,
                        const OverlayStyle& style);

} // namespace vimo
