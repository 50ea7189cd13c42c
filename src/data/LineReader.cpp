#include "data/LineReader.h"

namespace vimo {

bool LineReader::next(QByteArrayView& line)
{
    if (atEnd()) {
        line = {};
        return false;
    }
    const qsizetype start = m_pos;
    const qsizetype lf = m_bytes.indexOf('\n', start);
    qsizetype end = lf < 0 ? m_bytes.size() : lf;
    m_pos = lf < 0 ? m_bytes.size() : lf + 1;
    if (end > start && m_bytes[end - 1] == '\r')
        --end;
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
