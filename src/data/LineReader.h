#pragma once

#include <QByteArrayView>

namespace vimo {

// Splits bytes into lines, each read whole however long it is. A line ends at LF, at CR LF or at a lone CR, so
// files with CR LF, LF or CR-only line ends, and files that mix them, read alike. The lines are views into the
// bytes, which must outlive the reader.
class LineReader {
public:
    explicit LineReader(QByteArrayView bytes);

    bool atEnd() const { return m_pos.offset >= m_bytes.size(); }

    // The next line without its line end; false (and an empty line) when no line is left.
    bool next(QByteArrayView& line);

    // The next line, or an empty one when no line is left: for headers, whose missing lines read as empty.
    QByteArrayView nextOrEmpty();

    // The 1-based number of the line next() returned last (0 before the first).
    int lineNumber() const { return m_pos.line; }

    // Where the next line starts, to go back to it (a line read ahead that belongs to the caller's caller).
    struct Position {
        qsizetype offset = 0;
        int line = 0;
    };
    Position position() const { return m_pos; }
    void seek(Position position) { m_pos = position; }

private:
    QByteArrayView m_bytes;
    Position m_pos;
    // The first LF at or after `from` (the size of the bytes when there is none).
    struct {
        qsizetype from = 0;
        qsizetype at = -1;
    } m_lf;
};

} // namespace vimo
