#include "module/SetList.h"

#include "data/CFormat.h"
#include "module/ModuleProtocol.h"

namespace vimo {

std::optional<SetLine> parseSetLine(QByteArrayView line)
{
    std::int32_t a = 0;
    std::int32_t b = 0;
    if (cformat::scan(std::string_view(line.data(), std::size_t(line.size())), "%d, %d", {&a, &b}) != 2)
        return std::nullopt;
    return SetLine{std::uint16_t(a), std::uint16_t(b)};
}

bool SetListReader::addLine(QByteArrayView line)
{
    if (line.isEmpty() || m_count >= protocol::kMaxSets)
        return false;
    if (const auto parsed = parseSetLine(line))
        m_lines.push_back(*parsed);
    ++m_count;
    return m_count < protocol::kMaxSets;
}

QStringList setBoxRows(int setCount)
{
    QStringList rows;
    for (int i = 1; i <= setCount; ++i)
        rows << QString::fromLatin1(cformat::integer(i));
    if (setCount > 0)
        rows << QStringLiteral("All"); // nothing to download when there is no set
    return rows;
}

} // namespace vimo
