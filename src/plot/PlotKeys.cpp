#include "plot/PlotKeys.h"

#include "plot/Navigation.h"

namespace vimo {
namespace {

// What an arrow key does with Ctrl (stretch an axis) and with Shift (pan).
struct ArrowAction {
    int key;
    Axis axis;
    double stretch;
    PanDirection direction;
};

constexpr ArrowAction kArrows[] = {
    {Qt::Key_Left, Axis::Time, 2, PanDirection::Left},
    {Qt::Key_Right, Axis::Time, 0.5, PanDirection::Right},
    {Qt::Key_Up, Axis::Altitude, 0.5, PanDirection::Up},
    {Qt::Key_Down, Axis::Altitude, 2, PanDirection::Down},
};

} // namespace

bool handlePlotKey(Plot& plot, int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Home) {
        homeView(plot);
        return true;
    }
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    if (!ctrl && !shift)
        return false;
    for (const ArrowAction& arrow : kArrows) {
        if (arrow.key != key)
            continue;
        if (ctrl)
            stretchAxis(plot, arrow.axis, arrow.stretch);
        else
            pan(plot, arrow.direction, kPanKeyFraction);
        return true;
    }
    return false;
}

} // namespace vimo
