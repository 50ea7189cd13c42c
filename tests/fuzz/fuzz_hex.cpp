// Fuzzes the Intel HEX reader: a firmware file chosen by the user may hold anything.
#include "firmware/FirmwareImage.h"
#include "firmware/HexFile.h"
#include "firmware/HexRecord.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    vimo::FirmwareImage image;
    const vimo::HexLoadResult result = vimo::loadHexText(text, image);
    // A loaded image holds data inside the code space; a refused one holds nothing that could be programmed.
    if (result.loaded() != image.highestAddress.has_value())
        std::abort();
    if (image.highestAddress && *image.highestAddress >= vimo::FirmwareImage::kSize)
        std::abort();

    // The checksum a record gains always makes it a record that sums to 0.
    const QByteArray record = vimo::appendRecordChecksum(text);
    vimo::FirmwareImage single;
    const auto status = vimo::parseHexRecord(std::string_view(record.constData(), std::size_t(record.size())), single);
    if (status == vimo::HexRecordStatus::BadChecksum)
        std::abort();
    return 0;
}
