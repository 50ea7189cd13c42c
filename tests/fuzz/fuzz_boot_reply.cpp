// Fuzzes the boot loader's replies: the echo of a record followed by its status character, and the answer to the
// synchronisation character, through the record and synchronisation exchanges over the serial link.
#include "FuzzModule.h"
#include "firmware/FirmwareUpdate.h"
#include "firmware/IspProtocol.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray reply(reinterpret_cast<const char*>(data), qsizetype(size));
    for (std::size_t i = 0; i < size && i < 16; ++i)
        vimo::ispReplyMessage(vimo::classifyIspReply(char(data[i])));

    const QByteArray record = vimo::ispStatusByteRecord(1);
    vimo::fuzz::ReplySession records(record, reply);
    vimo::sendIspRecord(records.wire.link, records.reporter, record);

    vimo::fuzz::ReplySession sync(QByteArrayLiteral("U"), reply);
    vimo::syncBootLoader(sync.wire.link);
    return 0;
}
