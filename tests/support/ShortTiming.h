#pragma once

#include "base/Timing.h"

namespace vimo::test {

// The timing the window's and the CLI's tests run with: a module that does not answer costs a second instead of
// five, the restart after "Reset Module" and the calibration settle a few tenths. Limits that a reply from the
// simulated module must meet stay long enough for a loaded machine. A test that resets the module must let the
// simulator restart within `resetModuleSettleMs` (SimOptions::restartMs).
inline Timing shortTiming()
{
    Timing t;
    t.configMs = 1000;
    t.headerMs = 1000;
    t.calibrateSettleMs = 100;
    t.resetModuleSettleMs = 400;
    t.afterBreakMs = 100;
    t.beforeResetMs = 100;
    return t;
}

// How long the simulated module stays deaf after "R" in tests that run with shortTiming().
inline constexpr int kShortRestartMs = 100;

} // namespace vimo::test
