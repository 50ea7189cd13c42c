#pragma once

#include <QtCore/qnamespace.h>

namespace vimo {

struct Plot;

// The plot's keys on the "Recorded Data" page:
//   Ctrl+Left/Right  time span x2 / x0.5 (the minimum stays)   Ctrl+Up/Down  altitude span x0.5 / x2
//   Shift+arrows     pan by a tenth of the span                Home          the start-up view 0..20 / 0..20
// With Ctrl and Shift held together only the Ctrl action happens; Home works with any modifiers.
// Returns true when the key is one of these (the caller consumes it and repaints), false for any other key,
// including an arrow without Ctrl or Shift.
bool handlePlotKey(Plot& plot, int key, Qt::KeyboardModifiers modifiers);

} // namespace vimo
