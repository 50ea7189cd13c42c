#include "data/LineReader.h"

#include <cstring>

namespace vimo {

bool LineReader::next(QByteArrayView& line)
{
    if (atEnd()) {
        line = {};
        return false;
    }
    const qsizetype start = m_pos;
    const char* const data = m_bytes.data();
    const auto* lf = static_cast<const char*>(std::memchr(data + start, '\n', std::size_t(m_bytes.size() - start)));
    qsizetype end = lf ? lf - data : m_bytes.size();
    m_pos = lf ? end + 1 : end;
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
