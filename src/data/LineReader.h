#pragma once

#include <QByteArrayView>

namespace vimo {

// Splits bytes into lines, each read whole however long it is. A line ends at LF; a CR right before that LF (or at
// the very end of the bytes) belongs to the line end, so CR LF and LF files read alike. The lines are views into
// the bytes, which must outlive the reader.
class LineReader {
public:
    explicit LineReader(QByteArrayView bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_pos >= m_bytes.size(); }

    // The next line without its line end; false (and an empty line) when no line is left.
    bool next(QByteArrayView& line);

    // The next line, or an empty one when no line is left: for headers, whose missing lines read as empty.
    QByteArrayView nextOrEmpty();

    // Where the next line starts, to go back to it (a line read ahead that belongs to the caller's caller).
    qsizetype position() const { return m_pos; }
    void seek(qsizetype position) { m_pos = position; }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

} // namespace vimo
