#pragma once

#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <utility>

namespace vimo {

// Milliseconds of a clock that never goes back; tests hand in one they drive.
using MonotonicClock = std::function<std::int64_t()>;

// The process's steady clock in milliseconds.
std::int64_t steadyClockMs();

// Estimates the time left of one piece of long work (the words of a data set, the records of a firmware image)
// from how fast it advanced lately. It gives no figure until the work has advanced for kSettleMs: the first few
// words, or a slow start such as the erase before programming, would otherwise give a wild one. The rate is taken
// over the last kWindowMs, so that a change of pace shows within a few seconds.
class ProgressEstimate {
public:
    static constexpr std::int64_t kSettleMs = 2000;
    static constexpr std::int64_t kWindowMs = 10000;

    explicit ProgressEstimate(MonotonicClock clock = steadyClockMs);

    // A new piece of work begins: what was learned about the last one is forgotten.
    void restart();

    // The work has reached `done` of `total`. A value below the last one begins a new piece of work.
    void update(std::int64_t done, std::int64_t total);

    // Whole seconds left, rounded up; nothing while the rate is not known yet and nothing once the work is complete.
    std::optional<int> secondsLeft() const;

private:
    struct Point {
        std::int64_t ms;
        std::int64_t done;
    };

    MonotonicClock m_clock;
    std::deque<Point> m_points; // from the first advance on, the oldest ones beyond the window dropped
    std::int64_t m_firstAdvanceMs = 0;
    std::int64_t m_done = -1; // nothing reported yet
    std::int64_t m_total = 0;
};

// What the user is told about long work: its stage ("Set 2 of 3") and, once the pace is known, the time left
// ("Set 2 of 3, about 1:20 left"). Each new stage starts the estimate over; the text is empty when no work runs.
class ProgressStatus {
public:
    explicit ProgressStatus(MonotonicClock clock = steadyClockMs) : m_estimate(std::move(clock)) {}

    void setStage(const QString& stage);
    void setProgress(std::int64_t done, std::int64_t total) { m_estimate.update(done, total); }
    // The work has ended, however it ended.
    void finish();

    QString text() const;

private:
    QString m_stage;
    ProgressEstimate m_estimate;
};

// "about 1:20 left": the time rounded up to 5 s, as minutes and seconds (hours when there are any).
QString timeLeftText(int seconds);

// The progress panel's text: the stage of the work ("Set 2 of 3") and, when known, the time left.
QString progressText(const QString& stage, std::optional<int> secondsLeft);

} // namespace vimo
