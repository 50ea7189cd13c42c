// Fuzzes the "s" reply: lines of two unsigned 16-bit numbers that the program counts, up to 256 of them.
#include "module/SetList.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char*>(data), qsizetype(size));
    vimo::SetListReader reader;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        // As the line reader gives them: CR dropped, at most 256 characters.
        QByteArray line = text.sliced(start, end - start).toByteArray();
        line.replace('\r', QByteArray());
        if (!reader.addLine(line.left(256)))
            break;
        start = end + 1;
    }
    if (reader.count() > 256 || int(reader.lines().size()) > reader.count())
        std::abort();
    vimo::setBoxRows(reader.count());
    return 0;
}
