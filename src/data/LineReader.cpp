#include "data/LineReader.h"

#include <cstring>

namespace vimo {

LineReader::LineReader(QByteArrayView bytes) : m_bytes(bytes) {}

bool LineReader::next(QByteArrayView& line)
{
    if (atEnd()) {
        line = {};
        return false;
    }
    const qsizetype start = m_pos.offset;
    const char* const data = m_bytes.data();
    // The line runs to the next LF; a CR before it ends the line there (a CR right before the LF belongs to that
    // line end). Two memchr passes keep the common case, lines without CR or with CR LF, fast; the LF found is
    // kept, so that a file of CR-only lines is not searched to its end for every line.
    if (start < m_lf.from || start > m_lf.at) {
        const auto* lf = static_cast<const char*>(std::memchr(data + start, '\n', std::size_t(m_bytes.size() - start)));
        m_lf = {start, lf ? lf - data : m_bytes.size()};
    }
    const qsizetype lineEnd = m_lf.at;
    const auto* cr = static_cast<const char*>(std::memchr(data + start, '\r', std::size_t(lineEnd - start)));
    qsizetype end = lineEnd;
    if (cr && cr - data + 1 < lineEnd) {
        end = cr - data; // a lone CR
        m_pos.offset = end + 1;
    } else {
        if (cr)
            end = cr - data; // CR LF, or a CR at the very end
        m_pos.offset = lineEnd < m_bytes.size() ? lineEnd + 1 : lineEnd;
    }
    ++m_pos.line;
    line = m_bytes.sliced(start, end - start);
    return true;
}

QByteArrayView LineReader::nextOrEmpty()
{
    QByteArrayView line;
    next(line);
    return line;
}

} // namespace vimo
