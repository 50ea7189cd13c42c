#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace vimo {

// One line of the "s" reply: two unsigned 16-bit decimal numbers, "%hu, %hu". The program shows neither.
struct SetLine {
    std::uint16_t first = 0;
    std::uint16_t second = 0;
};

// The numbers of a set line; nothing when the line does not scan. Like "%hu", a number wraps to 16 bits.
std::optional<SetLine> parseSetLine(QByteArrayView line);

// Collects the "s" reply line by line: every line read counts as a data set, whether it scans or not; the list ends
// at the first read that gives nothing (a silence or an empty line) or at 256 sets.
class SetListReader {
public:
    // Takes the result of one line read (an empty text for a read that gave 0); false when the list has ended.
    bool addLine(QByteArrayView line);

    int count() const { return m_count; }
    // The lines that scanned, in order (for diagnostics).
    const std::vector<SetLine>& lines() const { return m_lines; }

private:
    int m_count = 0;
    std::vector<SetLine> m_lines;
};

// The rows of the data set box for `setCount` sets: "1", "2", ... and "All"; none for no sets.
QStringList setBoxRows(int setCount);

} // namespace vimo
