#pragma once

#include "plot/PlotLayout.h"
#include "plot/PrintSettings.h"

class QPainter;

namespace vimo {

struct FlightReport;
struct Plot;

struct RenderOptions {
    // Draws each line through every sample instead of the few points that shape each pixel column. Slower; the
    // reference that tests and benchmarks compare the normal drawing with.
    bool everySample = false;
    // Lists the data sets with their line colour and style in a box in the data area's top right corner. The
    // screen shows it when the user asks; exports and prints only when asked for as well.
    bool legend = false;

    // The flights of one data set to mark over the data area (start-height band, launch and landing, climbs), in
    // the report's own unit (they are drawn converted into the axis unit); null draws none, as in prints and
    // exports unless asked for.
    const FlightReport* flights = nullptr;
};

// Draws the whole plot (page, background picture, grid, ticks and labels, texts, every visible Signal with its
// line, markers, tag marks and rate marks, the frame) with `painter` on its device, whose pixels per inch are
// ppiX x ppiY, as a page of page.widthInches x page.heightInches at page.leftInches, page.topInches, in the plot's
// colours when page.inColor is set and in black and white otherwise. Lines, markers and frame are drawn without
// antialiasing so that each lands on the pixel the layout names; text is antialiased. Returns the layout of this
// rendering. Changes nothing in the plot; leaves the painter's state as it found it.
PlotLayout renderPlot(QPainter& painter, int ppiX, int ppiY, const Plot& plot, const PrintSettings& page,
                      const RenderOptions& options = {});

} // namespace vimo
