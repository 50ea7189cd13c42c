#pragma once

#include <QString>
#include <cstdint>

namespace vimo {

// The texts the sampling-interval editor shows after each change.
struct IntervalDisplay {
    QString hours;           // "%d"
    QString minutes;         // "%02d"
    QString seconds;         // "%02d"
    QString milliseconds;    // "%03d"
    QString totalRecordTime; // "Total Record Time: ..."
};

// The sampling-interval editor of the Configure page: hours, minutes, seconds and milliseconds fields and the
// interval in milliseconds derived from them, never above one hour.
class IntervalEditor {
public:
    static constexpr std::uint32_t kMaxInterval = 3'600'000; // one hour

    enum Field { Hours, Minutes, Seconds, Milliseconds };

    // Never negative. Wider than the 16 bits the fields need, so that a base interval above 32767 ms (which
    // becomes the milliseconds field when every field is 0) is shown as it is.
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    std::int32_t milliseconds = 100;
    std::uint32_t recordInterval = 100;

    // Sets the interval and splits it into the fields (as after a configuration read).
    void setInterval(std::uint32_t ms);

    // The up or down arrow of one field; the milliseconds field steps by the module's base interval.
    // Call normalise() (or showRecordInterval) afterwards, as the spin buttons do.
    void spin(Field field, bool up, std::uint16_t baseInterval);

    // Recomputes the interval from the fields: 0 becomes the base interval, above one hour becomes one hour.
    void normalise(std::uint16_t baseInterval);
};

// Normalises the editor and returns what its panels and the "Total Record Time" line show.
IntervalDisplay showRecordInterval(IntervalEditor& editor, std::uint16_t baseInterval, std::uint8_t memorySize);

// "Total Record Time: ..." for a memory of memorySize x 4096 samples taken every recordInterval milliseconds.
QString totalRecordTimeText(std::uint8_t memorySize, std::uint32_t recordInterval);

// The module's intervalTicks for an interval: recordInterval / baseInterval, rounded down. A base interval of 0
// cannot divide, so the current value is kept; a quotient that does not fit 16 bits is stored as 65535.
std::uint16_t intervalTicksFor(std::uint32_t recordInterval, std::uint16_t baseInterval, std::uint16_t current);

// A non-negative number with leading zeros to `width` digits ("%02lu"), independent of the locale.
QString zeroPadded(std::uint64_t value, int width);

} // namespace vimo
