#pragma once

class QPainter;

namespace vimo {

struct FlightReport;
struct PlotLayout;
class PixelMapper;

// Draws the flight marks of one data set over the data area: the start-height window as a light band with its
// highest point marked and labelled, the launch end as a dashed line, the launch and the landing as small
// triangles on the bottom edge, and the climbs as thin bars just above it. The caller has clipped the painter to
// the data area. In black and white the band is a light grey and the bars black.
void paintFlightOverlay(QPainter& painter, const PlotLayout& layout, const PixelMapper& map, const FlightReport& report,
                        bool inColor, int ppiX);

} // namespace vimo
