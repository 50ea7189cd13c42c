#include "data/LineReader.h"

#include <cstring>

namespace vimo {

LineReader::LineReader(QByteArrayView bytes) : m_bytes(bytes)
{
    if (!bytes.contains('\n') && bytes.contains('\r'))
        m_end = '\r';
}

bool LineReader::next(QByteArrayView& line)
{
    if (atEnd()) {
        line = {};
        return false;
    }
    const qsizetype start = m_pos.offset;
    const char* const data = m_bytes.data();
    const auto* found = static_cast<const char*>(std::memchr(data + start, m_end, std::size_t(m_bytes.size() - start)));
    qsizetype end = found ? found - data : m_bytes.size();
    m_pos.offset = found ? end + 1 : end;
    ++m_pos.line;
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
