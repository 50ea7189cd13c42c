#pragma once

#include "base/ProgressEstimate.h"

#include <QLabel>

namespace vimo {

// The status bar's panel beside the progress bar while a download or a firmware update runs: the stage of the work
// ("Set 2 of 3") and, once it can be estimated, the time left ("Set 2 of 3, about 1:20 left"). Hidden and empty
// while no such work runs, so that nothing stale stays in the status bar.
class ProgressPanel : public QLabel {
    Q_OBJECT
public:
    explicit ProgressPanel(QWidget* parent, MonotonicClock clock = steadyClockMs);

    // A new stage begins (the next data set): the estimate starts over.
    void setStage(const QString& stage);
    // The progress bar moved to `value` of `total`.
    void setProgress(int value, int total);
    // The work has ended, however it ended: the panel is emptied and hidden.
    void finish();

private:
    void refresh();

    ProgressStatus m_status;
};

} // namespace vimo
