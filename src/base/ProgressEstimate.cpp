#include "base/ProgressEstimate.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace vimo {
namespace {

// A figure beyond this (100 hours) says nothing a user can use.
constexpr double kLongestSeconds = 360000.0;
constexpr int kRoundingSeconds = 5;

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace

std::int64_t steadyClockMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

ProgressEstimate::ProgressEstimate(MonotonicClock clock) : m_clock(std::move(clock)) {}

void ProgressEstimate::restart()
{
    m_points.clear();
    m_firstAdvanceMs = 0;
    m_done = -1;
    m_total = 0;
}

void ProgressEstimate::update(std::int64_t done, std::int64_t total)
{
    if (done < m_done)
        restart();
    const std::int64_t now = m_clock();
    m_total = total;
    if (m_points.empty()) {
        // The first advance starts the measurement: the time spent before it (waiting for the first word, erasing
        // the code space) says nothing about the pace that follows.
        if (m_done >= 0 && done > m_done) {
            m_points.push_back({now, done});
            m_firstAdvanceMs = now;
        }
        m_done = done;
        return;
    }
    m_points.push_back({now, done});
    while (m_points.size() > 2 && m_points[1].ms <= now - kWindowMs)
        m_points.pop_front();
    m_done = done;
}

std::optional<int> ProgressEstimate::secondsLeft() const
{
    if (m_points.size() < 2 || m_done >= m_total)
        return std::nullopt;
    const std::int64_t now = m_clock();
    if (now - m_firstAdvanceMs < kSettleMs)
        return std::nullopt;
    const Point& oldest = m_points.front();
    const double advanced = double(m_points.back().done - oldest.done);
    const double elapsedMs = double(now - oldest.ms);
    if (advanced <= 0 || elapsedMs <= 0)
        return std::nullopt;
    const double seconds = double(m_total - m_done) * elapsedMs / advanced / 1000.0;
    if (seconds > kLongestSeconds)
        return std::nullopt;
    return int(std::ceil(seconds));
}

QString timeLeftText(int seconds)
{
    const int rounded = (std::max(seconds, 1) + kRoundingSeconds - 1) / kRoundingSeconds * kRoundingSeconds;
    const int hours = rounded / 3600;
    const int minutes = rounded / 60 % 60;
    const QString clock = hours > 0
                              ? QStringLiteral("%1:%2:%3").arg(hours).arg(twoDigits(minutes), twoDigits(rounded % 60))
                              : QStringLiteral("%1:%2").arg(minutes).arg(twoDigits(rounded % 60));
    return QStringLiteral("about %1 left").arg(clock);
}

QString progressText(const QString& stage, std::optional<int> secondsLeft)
{
    if (!secondsLeft)
        return stage;
    const QString left = timeLeftText(*secondsLeft);
    return stage.isEmpty() ? left : stage + QStringLiteral(", ") + left;
}

void ProgressStatus::setStage(const QString& stage)
{
    m_stage = stage;
    m_estimate.restart();
}

void ProgressStatus::finish()
{
    m_stage.clear();
    m_estimate.restart();
}

QString ProgressStatus::text() const
{
    return progressText(m_stage, m_estimate.secondsLeft());
}

} // namespace vimo
