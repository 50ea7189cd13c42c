// Fuzzes the decoding of a data set as the module sends it: the 6-byte header and the big-endian words with their
// trigger marks, both directly and through the download exchange over the serial link.
#include "FuzzModule.h"
#include "data/Plot.h"
#include "module/Download.h"
#include "module/SetDecoder.h"

#include <cstdint>
#include <cstdlib>

namespace {

void decodeDirectly(const std::uint8_t* data, std::size_t size)
{
    if (size < 2 + vimo::SetHeader::kWireSize)
        return;
    const auto base = std::uint16_t((data[0] << 8) | data[1]);
    const auto header =
        vimo::decodeSetHeader(QByteArrayView(reinterpret_cast<const char*>(data + 2), vimo::SetHeader::kWireSize));
    if (!header)
        std::abort();
    vimo::SetAssembler assembler(0, *header, base);
    std::size_t pos = 2 + vimo::SetHeader::kWireSize;
    while (assembler.wantsWord() && pos + 1 < size) {
        assembler.addWord(std::uint16_t((data[pos] << 8) | data[pos + 1]));
        const int percent = assembler.progressPercent();
        if (percent < 0 || (header->wordCount != 0 && percent > 100 + 100 / header->wordCount))
            std::abort();
        pos += 2;
    }
    const vimo::DownloadedSet set = assembler.finish();
    if (set.count() > set.received || set.triggerTimes.size() != set.triggerAltitudes.size()
        || int(set.triggerTimes.size()) > set.received || set.times.size() != set.altitudes.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    decodeDirectly(data, size);

    const QByteArray reply(reinterpret_cast<const char*>(data), qsizetype(size));
    vimo::fuzz::ReplySession s(QByteArray(1, '\0'), reply);
    s.session.state.setCount = 1;
    vimo::Plot plot;
    vimo::downloadDataSets(s.session, 0, [&plot](vimo::DownloadedSet&& set) { vimo::addDownloadedSet(plot, set); });
    return 0;
}
