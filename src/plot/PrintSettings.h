#pragma once

namespace vimo {

// Size, placement and colour choice of one rendering of the plot, in inches on the target surface.
//
// The main window keeps one stored instance for printing and export (persisted as "PrtWidth", "PrtHeight",
// "PrtColor"); the screen paint builds its own value from the plot box's size and never touches the stored one.
struct PrintSettings {
    double widthInches = 7.0;
    double heightInches = 3.5;
    double leftInches = 0; // page offsets: non-zero only while a print runs
    double topInches = 0;
    bool inColor = false; // false: page, grid, ticks, tick labels, lines, markers and frame in black on white
};

} // namespace vimo
