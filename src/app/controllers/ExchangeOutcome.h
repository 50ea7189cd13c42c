#pragma once

#include <QString>

namespace vimo {

// What a command the user started on the module came to, for the window to say where the user is looking: `status`
// goes to the status bar for a few seconds, `failure` (when not empty) into a warning box captioned `caption`.
// An outcome with neither says nothing: the user declined, or the exchange has shown its own box already.
struct ExchangeOutcome {
    QString status;
    QString failure;
    QString caption;

    bool isEmpty() const { return status.isEmpty() && failure.isEmpty(); }
};

} // namespace vimo
