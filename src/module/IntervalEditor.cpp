#include "module/IntervalEditor.h"

#include "data/CFormat.h"

#include <algorithm>

namespace vimo {
namespace {

constexpr std::uint32_t kHour = 3'600'000;
constexpr std::uint32_t kMinute = 60'000;
constexpr std::uint32_t kSecond = 1000;

} // namespace

QString zeroPadded(std::uint64_t value, int width)
{
    QByteArray digits = cformat::integer(std::int64_t(std::min<std::uint64_t>(value, INT64_MAX)));
    if (digits.size() < width)
        digits.prepend(QByteArray(width - digits.size(), '0'));
    return QString::fromLatin1(digits);
}

void IntervalEditor::setInterval(std::uint32_t ms)
{
    recordInterval = ms;
    // An interval read from the module may exceed one hour (up to 65535 x 65535 ms); normalise() clamps it.
    hours = std::int32_t(ms / kHour);
    minutes = std::int32_t((ms % kHour) / kMinute);
    seconds = std::int32_t((ms % kMinute) / kSecond);
    milliseconds = std::int32_t(ms % kSecond);
}

void IntervalEditor::spin(Field field, bool up, std::uint16_t baseInterval)
{
    // Each arrow moves its field by one step as long as the field stays within its bounds.
    const auto step = [up](std::int32_t& value, std::int32_t delta, std::int32_t upperLimit) {
        if (up && value < upperLimit)
            value += delta;
        else if (!up && value >= delta)
            value -= delta;
    };
    switch (field) {
    case Hours:
        step(hours, 1, 1);
        break;
    case Minutes:
        step(minutes, 1, 59);
        break;
    case Seconds:
        step(seconds, 1, 59);
        break;
    case Milliseconds:
        step(milliseconds, baseInterval, 1000 - std::int32_t(baseInterval));
        break;
    }
}

void IntervalEditor::normalise(std::uint16_t baseInterval)
{
    // 64-bit: fields split from a long module interval (up to 65535 x 65535 ms) overflow a 32-bit sum.
    const std::int64_t total =
        std::int64_t(hours) * kHour + std::int64_t(minutes) * kMinute + std::int64_t(seconds) * kSecond + milliseconds;
    if (total == 0) {
        recordInterval = baseInterval;
        milliseconds = baseInterval;
    } else if (total > std::int64_t(kMaxInterval)) {
        setInterval(kMaxInterval);
    } else {
        recordInterval = std::uint32_t(total);
    }
}

QString totalRecordTimeText(std::uint8_t memorySize, std::uint32_t recordInterval)
{
    const std::uint64_t samples = std::uint64_t(memorySize) * 4096;
    const std::uint64_t t = samples * recordInterval;
    const std::uint64_t days = t / 86'400'000;
    const std::uint64_t rest = t % 86'400'000;
    const QString h = zeroPadded(rest / kHour, 2);
    const QString m = zeroPadded((rest % kHour) / kMinute, 2);
    const QString s = zeroPadded((rest % kMinute) / kSecond, 2);
    const QString ms = zeroPadded(rest % kSecond, 3);
    if (days > 0) {
        return QStringLiteral("Total Record Time: %1 days, %2 h %3 m %4.%5 sec").arg(zeroPadded(days, 1), h, m, s, ms);
    }
    return QStringLiteral("Total Record Time: %1 hours %2 min %3.%4 sec").arg(h, m, s, ms);
}

IntervalDisplay showRecordInterval(IntervalEditor& editor, std::uint16_t baseInterval, std::uint8_t memorySize)
{
    editor.normalise(baseInterval);
    IntervalDisplay d;
    d.hours = QString::fromLatin1(cformat::integer(editor.hours));
    d.minutes = zeroPadded(std::uint64_t(editor.minutes), 2);
    d.seconds = zeroPadded(std::uint64_t(editor.seconds), 2);
    d.milliseconds = zeroPadded(std::uint64_t(editor.milliseconds), 3);
    d.totalRecordTime = totalRecordTimeText(memorySize, editor.recordInterval);
    return d;
}

std::uint16_t intervalTicksFor(std::uint32_t recordInterval, std::uint16_t baseInterval, std::uint16_t current)
{
    if (baseInterval == 0)
        return current;
    return std::uint16_t(std::min<std::uint32_t>(recordInterval / baseInterval, 0xFFFF));
}

} // namespace vimo
