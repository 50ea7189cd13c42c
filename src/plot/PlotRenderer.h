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

    // The active data set: the one whose flights are marked and whose climb rate is drawn; -1 for none.
    int activeSet = -1;

    // The flights of the active data set to mark over the data area (start-height band, launch and landing,
    // climbs), as the analysis reported them (they are drawn as the view shows the data set: converted into the
    // axis unit and shifted with it); null draws none, as in prints and exports unless asked for. Nothing is
    // marked while the active data set is hidden. With no active data set (-1) the report is drawn unshifted.
    const FlightReport* flights = nullptr;

    // Draws the smoothed climb rate of the active data set (unless it is hidden) against an axis right of the data
    // area, which is narrowed to make room for it; the axis is drawn even without an active data set.
    bool climbRate = false;
};

// Draws the whole plot (page, background picture, grid, ticks and labels, texts, every visible Signal with its line,
// markers, tag marks and rate marks, the frame; hidden data sets left out) with `painter` on its device, whose pixels
// per inch are ppiX x ppiY, as a page of page.widthInches x page.heightInches at page.leftInches, page.topInches, in
// the plot's colours when page.inColor is set and in black and white otherwise. Lines, markers and frame are drawn
// without antialiasing so that each lands on the pixel the layout names; text is antialiased. Returns the layout of
// this rendering. Changes nothing in the plot; leaves the painter's state as it found it.
PlotLayout renderPlot(QPainter& painter, int ppiX, int ppiY, const Plot& plot, const PrintSettings& page,
                      const RenderOptions& options = {});

} // namespace vimo
