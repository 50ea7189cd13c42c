#pragma once

#include "data/Colour.h"
#include "module/ModuleSession.h"

#include <vector>

class QPainter;

namespace vimo {

// The ring of recent live altitudes: one slot per pixel column of the strip. Appending to a full ring drops the
// oldest value.
class LiveBuffer {
public:
    explicit LiveBuffer(int capacity = 665);

    int capacity() const { return int(m_values.size()); }
    int count() const { return m_count; }
    int head() const { return m_head; } // slot of the next value
    int tail() const { return m_tail; } // slot of the oldest value
    double at(int slot) const { return m_values[std::size_t(slot)]; }

    void append(double value);
    // "Clear": empties the ring.
    void clear();

private:
    std::vector<double> m_values;
    int m_head = 0;
    int m_tail = 0;
    int m_count = 0;
};

// The live view's Start/Stop state. The module's live output has no known format, so nothing reads it: the
// timer that would poll it stays idle.
struct LiveView {
    static constexpr int kTimerMs = 250;
    static constexpr double kRangeMin = 0.0;
    static constexpr double kRangeMax = 10000.0;
    static constexpr Colour kStripColour = 0x0000FF; // red

    LiveBuffer buffer;
    bool logging = false;
    bool timerEnabled = false;
    QString buttonCaption = QStringLiteral("Start");
};

// Start/Stop: stopping sends nothing; starting needs a connection and sends "l". The status panel shows "Logging"
// while started.
void startStopLive(ModuleSession& session, LiveView& view);

// Draws the strip of a W x H box: black, a grey grid of ten bands, and the ring's values as a line of `colour`,
// two pixels per value with the newest at the right edge, `fullScale` at the top.
void paintLiveView(QPainter& painter, int width, int height, const LiveBuffer& buffer,
                   Colour colour = LiveView::kStripColour, double fullScale = LiveView::kRangeMax);

} // namespace vimo
