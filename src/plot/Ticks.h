#pragma once

namespace vimo {

// The tick values of one axis: first, first + step, ... up to last, each printed with `decimals` digits after
// the point.
struct Ticks {
    double first = 0;
    double last = 0;
    double step = 1;
    int decimals = 0;

    // How many tick values first..last holds (at least 1 when last >= first).
    int count() const;
    // Tick value i, computed by repeated addition as the axis is drawn.
    double value(int i) const;
};

// Chooses the ticks for the axis range min..max: the step is a tenth of the span cut to two significant digits,
// doubled while more than 12 steps fit. Works in double precision throughout and ends for every input (huge,
// tiny, empty, reversed or non-finite ranges).
Ticks chooseTicks(double min, double max);

} // namespace vimo
